// The notice record's layout and text, and the notice window's countdown,
// close, notification and placement rules.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "components/HyMsgFormInfo.h"

namespace {

TMsgFormInfo Notice(int32_t Countdown, uint32_t Flags, int32_t Tick = 1000) {
  TMsgFormInfo info{};
  info.Kind = kNoticeKind;
  info.Value = Tick;
  info.Countdown = Countdown;
  info.Flags = Flags;
  return info;
}

const std::string kZhong = "\xD6\xD0";  // a GBK character

}  // namespace

TEST(NoticeRecord, FieldOffsetsOfThe129ByteRecord) {
  EXPECT_EQ(sizeof(TMsgFormInfo), 129u);
  EXPECT_EQ(offsetof(TMsgFormInfo, Kind), 0u);
  EXPECT_EQ(offsetof(TMsgFormInfo, Text), 4u);
  EXPECT_EQ(offsetof(TMsgFormInfo, Value), 105u);
  EXPECT_EQ(offsetof(TMsgFormInfo, Countdown), 109u);
  EXPECT_EQ(offsetof(TMsgFormInfo, NotifyWnd), 113u);
  EXPECT_EQ(offsetof(TMsgFormInfo, NotifyParam), 117u);
  EXPECT_EQ(offsetof(TMsgFormInfo, Notify), 121u);
  EXPECT_EQ(offsetof(TMsgFormInfo, Flags), 125u);
  // Little-endian as the sender lays it out.
  uint8_t raw[129] = {};
  raw[109] = 30;
  raw[125] = 2;
  TMsgFormInfo info;
  std::memcpy(&info, raw, sizeof raw);
  EXPECT_EQ(+info.Countdown, 30);  // packed fields: compared by value
  EXPECT_EQ(+info.Flags, 2u);
}

TEST(NoticeRecord, LengthByteBeyondTheFieldReadsOnlyTheField) {
  // Bytes behind the field (Value) must not leak into the text.
  TMsgFormInfo info = Notice(0, 1, 0x41414141);
  info.Text[0] = 255;
  std::memset(info.Text + 1, 'x', kNoticeTextMax);
  EXPECT_EQ(NoticeTextBytes(info), std::string(100, 'x'));
  EXPECT_EQ(NoticeText(info), String(100, L'x'));
}

TEST(NoticeRecord, TextCutSplitsNoDoubleByteCharacter) {
  // 99 single bytes and a character across the field's end.
  TMsgFormInfo info = Notice(0, 1);
  std::string text(99, 'a');
  text += kZhong;
  info.Text[0] = 101;
  std::memcpy(info.Text + 1, text.data(), 100);
  EXPECT_EQ(NoticeTextBytes(info), std::string(99, 'a'));
  // A claimed length that ends in the middle of a character drops the half.
  SetNoticeText(info, "ab" + kZhong);
  info.Text[0] = 3;
  EXPECT_EQ(NoticeTextBytes(info), "ab");
}

TEST(NoticeRecord, SetNoticeTextCutsAtACharacterBoundary) {
  TMsgFormInfo info{};
  std::string zh;
  for (int i = 0; i < 60; ++i) zh += kZhong;
  SetNoticeText(info, zh);
  EXPECT_EQ(info.Text[0], 100);
  EXPECT_EQ(NoticeText(info), String(50, L'\x4E2D'));
  SetNoticeText(info, "a" + zh);
  EXPECT_EQ(info.Text[0], 99);
  EXPECT_EQ(NoticeText(info), L"a" + String(49, L'\x4E2D'));
  SetNoticeText(info, String(L"\x8BF7\x6CE8\x610F ok"));
  EXPECT_EQ(NoticeText(info), L"\x8BF7\x6CE8\x610F ok");
  // A broken pair (lead byte, then a byte that cannot trail) is two bytes of text.
  EXPECT_EQ(GbkCutLength("\x81 z", 3), 3u);
  EXPECT_EQ(GbkCutLength("\x81", 5), 0u);
}

TEST(NoticeCountdown, StartOfANoticeWithTheCancelButton) {
  const TNoticeStart s = NoticeStart(Notice(30, kNoticeCancelable));
  EXPECT_TRUE(s.StartTimer);
  EXPECT_EQ(s.Interval, 1000);
  EXPECT_EQ(s.Remaining, 30);
  EXPECT_EQ(s.CountdownText, L"( 30 )");
  EXPECT_EQ(s.Button, nbShow);
  // Bit 0 wins over bit 1: no button.
  EXPECT_EQ(NoticeStart(Notice(30, 3)).Button, nbHide);
  EXPECT_EQ(NoticeStart(Notice(30, kNoticePlain)).Button, nbHide);
}

TEST(NoticeCountdown, LengthsAtTheEdges) {
  const TNoticeStart longer = NoticeStart(Notice(90, kNoticePlain));
  EXPECT_EQ(longer.Remaining, 90);
  EXPECT_EQ(longer.CountdownText, L"");
  const TNoticeStart one = NoticeStart(Notice(1, kNoticePlain));
  EXPECT_TRUE(one.StartTimer);
  EXPECT_EQ(one.Remaining, 1);
  EXPECT_EQ(one.CountdownText, L"");
  for (int32_t none : {0, -5}) {
    const TNoticeStart s = NoticeStart(Notice(none, kNoticeCancelable));
    EXPECT_TRUE(s.SetsCountdown);
    EXPECT_FALSE(s.StartTimer) << none;
    EXPECT_EQ(s.Remaining, 1);
  }
  // Neither flag: countdown and button stay as they were.
  const TNoticeStart neither = NoticeStart(Notice(30, 0));
  EXPECT_FALSE(neither.SetsCountdown);
  EXPECT_FALSE(neither.StartTimer);
  EXPECT_EQ(neither.Button, nbKeep);
}

TEST(NoticeCountdown, TickOfZeroOrLessStillCounts) {
  for (int32_t tick : {0, -1, -1000}) EXPECT_EQ(NoticeStart(Notice(5, kNoticePlain, tick)).Interval, 1000) << tick;
  EXPECT_EQ(NoticeStart(Notice(5, kNoticePlain, 250)).Interval, 250);
}

TEST(NoticeCountdown, NinetyTicksShowNoNumberUntilSixtyRemain) {
  int remaining = NoticeStart(Notice(90, kNoticePlain)).Remaining;
  int ticks = 0, firstText = 0;
  String lastText;
  for (;;) {
    const TNoticeTick t = NoticeTick(remaining);
    ++ticks;
    remaining = t.Remaining;
    if (t.Ended) break;
    if (t.SetsText) {
      if (!firstText) firstText = ticks;
      lastText = t.CountdownText;
    }
    ASSERT_LT(ticks, 1000);
  }
  EXPECT_EQ(ticks, 90);
  EXPECT_EQ(firstText, 30);
  EXPECT_EQ(lastText, L"( 1 )");
  EXPECT_TRUE(NoticeTick(1).Ended);
  // A countdown that somehow stands at 0 still ends rather than running on.
  EXPECT_TRUE(NoticeTick(0).Ended);
}

TEST(NoticeClose, OnlyTheCancelableFlagForbidsClosing) {
  EXPECT_TRUE(NoticeMayClose(kNoticePlain, false, true));
  EXPECT_TRUE(NoticeMayClose(0, false, false));
  EXPECT_TRUE(NoticeMayClose(0, true, true));
  EXPECT_TRUE(NoticeMayClose(4, false, true));
  EXPECT_FALSE(NoticeMayClose(kNoticeCancelable, true, false));
  EXPECT_FALSE(NoticeMayClose(kNoticeCancelable, false, true));
  EXPECT_FALSE(NoticeMayClose(3, false, true));
  // Neither a button nor a countdown: the user's close is the only way out.
  EXPECT_TRUE(NoticeMayClose(3, false, false));
  EXPECT_TRUE(NoticeMayClose(kNoticeCancelable, false, false));
}

TEST(NoticeNotify, OnlyAKind0x401NoticeWithAWindowAndNotifyOn) {
  TMsgFormInfo info = Notice(30, kNoticeCancelable);
  info.NotifyWnd = 0x1234;
  info.Notify = 1;
  EXPECT_TRUE(NoticeNotifies(info));
  TMsgFormInfo other = info;
  other.Kind = 0x402;
  EXPECT_FALSE(NoticeNotifies(other));
  other = info;
  other.Notify = 2;
  EXPECT_FALSE(NoticeNotifies(other));
  for (int32_t wnd : {0, -1, INT32_MIN}) {
    other = info;
    other.NotifyWnd = wnd;
    EXPECT_FALSE(NoticeNotifies(other)) << wnd;
  }
}

TEST(NoticePlacement, CentredAndFortyPixelsHigher) {
  EXPECT_EQ(NoticePlacement(1280, 800, 278, 161), TPoint(501, 279));
  // Division truncates toward zero, also for a form larger than the screen.
  EXPECT_EQ(NoticePlacement(100, 100, 301, 203), TPoint(-100, -91));
}
