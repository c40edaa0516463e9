// Fuzz target of the notice record, the 129 bytes another program hands the
// notice window: its text never reaches past the field nor ends in half a
// character, and the countdown, gauge and notification rules hold for any
// numbers it carries.
#include <cstring>

#include "classlib/TextCodec.h"
#include "components/HyMsgFormInfo.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

bool IsGbkLead(uint8_t B) { return B >= 0x81 && B <= 0xFE; }

void CheckText(const TMsgFormInfo& Info) {
  const std::string bytes = NoticeTextBytes(Info);
  FUZZ_CHECK(bytes.size() <= static_cast<size_t>(kNoticeTextMax) && bytes.size() <= Info.Text[0]);
  FUZZ_CHECK(std::memcmp(bytes.data(), Info.Text + 1, bytes.size()) == 0);
  // The cut keeps whole characters: the bytes are their own cut.
  FUZZ_CHECK(GbkCutLength(bytes, bytes.size()) == bytes.size());

  // A text set from what was read reads back as it was set, and setting it
  // again changes nothing.
  const String text = NoticeText(Info);
  TMsgFormInfo a{}, b{};
  SetNoticeText(a, text);
  FUZZ_CHECK(a.Text[0] <= kNoticeTextMax);
  const String once = NoticeText(a);
  SetNoticeText(b, once);
  FUZZ_CHECK(NoticeText(b) == once);
  FUZZ_CHECK(std::memcmp(a.Text, b.Text, sizeof a.Text) == 0);

  // Raw bytes set directly are cut at a character boundary inside the field.
  std::string raw(reinterpret_cast<const char*>(Info.Text), sizeof Info.Text);
  TMsgFormInfo c{};
  SetNoticeText(c, raw);
  const size_t n = c.Text[0];
  FUZZ_CHECK(n <= static_cast<size_t>(kNoticeTextMax));
  FUZZ_CHECK(std::memcmp(c.Text + 1, raw.data(), n) == 0);
  // Cut before a lead byte whose trail byte lies past the field, never after it.
  if (n < raw.size() && n < static_cast<size_t>(kNoticeTextMax))
    FUZZ_CHECK(n + 1 == static_cast<size_t>(kNoticeTextMax) && IsGbkLead(static_cast<uint8_t>(raw[n])));
}

void CheckRules(const TMsgFormInfo& Info) {
  const TNoticeStart start = NoticeStart(Info);
  const bool countdown = (Info.Flags & (kNoticePlain | kNoticeCancelable)) != 0;
  FUZZ_CHECK(start.SetsCountdown == countdown);
  FUZZ_CHECK(start.Remaining >= 1);
  // A running timer always has a tick that fires.
  if (start.StartTimer) FUZZ_CHECK(start.Interval > 0);
  // The countdown always moves towards its end.
  const TNoticeTick tick = NoticeTick(start.Remaining);
  FUZZ_CHECK(tick.Remaining >= 0 && tick.Remaining < start.Remaining);
  FUZZ_CHECK(tick.Ended == (tick.Remaining == 0));

  const TGaugeInfo gauge = NoticeGaugeInfo(Info);
  FUZZ_CHECK(gauge.SetsMax || gauge.Max == 0);
  if (NoticeNotifies(Info)) FUZZ_CHECK(Info.NotifyWnd > 0 && Info.Kind == kNoticeKind);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  // A sender may hand fewer bytes than the record: the rest reads as zeros.
  TMsgFormInfo info{};
  std::memcpy(&info, Data, Size < sizeof info ? Size : sizeof info);
  CheckText(info);
  CheckRules(info);
  return 0;
}
