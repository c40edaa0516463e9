// The notice record's text and the notice window's rules.
#include "components/HyMsgFormInfo.h"

#include <algorithm>
#include <cstring>

#include "classlib/TextCodec.h"

namespace {

bool IsGbkLead(uint8_t B) { return B >= 0x81 && B <= 0xFE; }
bool IsGbkTrail(uint8_t B) { return B >= 0x40 && B <= 0xFE && B != 0x7F; }

}  // namespace

size_t GbkCutLength(const std::string& Gbk, size_t Max) {
  const size_t limit = std::min(Max, Gbk.size());
  size_t i = 0;
  while (i < limit) {
    const auto b = static_cast<uint8_t>(Gbk[i]);
    if (!IsGbkLead(b)) {
      ++i;
    } else if (i + 1 < limit && IsGbkTrail(static_cast<uint8_t>(Gbk[i + 1]))) {
      i += 2;
    } else if (i + 1 < limit) {
      ++i;  // a broken pair stays a single byte, as the decoder reads it
    } else {
      break;  // the trail byte lies past the cut
    }
  }
  return i;
}

std::string NoticeTextBytes(const TMsgFormInfo& Info) {
  // The length byte can claim up to 255: the field holds 100.
  const size_t claimed = std::min<size_t>(Info.Text[0], kNoticeTextMax);
  const std::string bytes(reinterpret_cast<const char*>(Info.Text + 1), claimed);
  return bytes.substr(0, GbkCutLength(bytes, claimed));
}

String NoticeText(const TMsgFormInfo& Info) { return GbkToWide(NoticeTextBytes(Info)); }

void SetNoticeText(TMsgFormInfo& Info, const std::string& Gbk) {
  const size_t n = GbkCutLength(Gbk, kNoticeTextMax);
  std::memset(Info.Text, 0, sizeof Info.Text);
  Info.Text[0] = static_cast<uint8_t>(n);
  std::memcpy(Info.Text + 1, Gbk.data(), n);
}

void SetNoticeText(TMsgFormInfo& Info, const String& Text) { SetNoticeText(Info, WideToGbk(Text)); }

String CountdownCaption(int Remaining) { return L"( " + std::to_wstring(Remaining) + L" )"; }

TNoticeStart NoticeStart(const TMsgFormInfo& Info) {
  TNoticeStart s;
  if (Info.Flags & (kNoticePlain | kNoticeCancelable)) {
    s.SetsCountdown = true;
    if (Info.Countdown > 0) {
      s.StartTimer = true;
      // A tick of 0 or less would stop the timer for good and the notice
      // would never end: count seconds instead.
      s.Interval = Info.Value > 0 ? Info.Value : kNoticeDefaultTick;
    }
    if (Info.Countdown >= 2) {
      s.Remaining = Info.Countdown;
      if (Info.Countdown <= 60) s.CountdownText = CountdownCaption(Info.Countdown);
    }
  }
  if (Info.Flags & kNoticePlain)
    s.Button = nbHide;
  else if (Info.Flags & kNoticeCancelable)
    s.Button = nbShow;
  return s;
}

TNoticeTick NoticeTick(int Remaining) {
  TNoticeTick t;
  t.Remaining = Remaining - 1;
  if (t.Remaining <= 0) {
    t.Remaining = 0;
    t.Ended = true;
  } else if (t.Remaining <= 60) {
    t.SetsText = true;
    t.CountdownText = CountdownCaption(t.Remaining);
  }
  return t;
}

bool NoticeMayClose(uint32_t Flags, bool ButtonShown, bool Counting) {
  if (!(Flags & kNoticeCancelable)) return true;
  // With neither a button nor a countdown nothing else could end it.
  return !ButtonShown && !Counting;
}

bool NoticeNotifies(const TMsgFormInfo& Info) {
  return Info.Kind == kNoticeKind && Info.NotifyWnd > 0 && Info.Notify == 1;
}

TGaugeInfo NoticeGaugeInfo(const TMsgFormInfo& Info) {
  TGaugeInfo g;
  g.Visible = (Info.Flags & kGaugeVisible) != 0;
  g.SetsMax = (Info.Flags & kGaugeSetMax) != 0;
  if (g.SetsMax) g.Max = Info.Value;
  return g;
}

TPoint NoticePlacement(int ScreenWidth, int ScreenHeight, int FormWidth, int FormHeight) {
  // Integer division truncates toward zero, also for a form larger than the screen.
  return TPoint((ScreenWidth - FormWidth) / 2, (ScreenHeight - FormHeight) / 2 - 40);
}
