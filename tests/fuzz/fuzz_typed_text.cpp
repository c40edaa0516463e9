// Fuzz target of the readers of text a user types (UTF-16): integers,
// numbers of the numeric edits and dates, as the date edit and StrToDate
// read them. What reads as a value writes as a text that reads the same.
#include <cmath>

#include "classlib/DateUtils.h"
#include "classlib/SysUtils.h"
#include "skininputs/NumericRules.h"
#include "skininputs/SkinDateEditRules.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const String text = FuzzUtf16(Data, Size);

  int n = 0;
  if (TryStrToInt(text, n)) {
    int again = ~n;
    FUZZ_CHECK(TryStrToInt(IntToStr(n), again) && again == n);
  }
  double f = 0;
  if (TryStrToFloat(text, f)) FUZZ_CHECK(!std::isnan(f));

  for (bool allowSep : {false, true}) {
    if (!IsNumberText(text, allowSep, L'.')) continue;
    double v = 0;
    if (!TryParseNumberText(text, allowSep, v)) continue;
    FUZZ_CHECK(std::isfinite(v));
    if (!allowSep) FUZZ_CHECK(v == std::round(v) && std::fabs(v) <= 2147483648.0);
  }

  TDateTime date = 0;
  if (TryStrToDate(text, date)) {
    TDateTime again = date + 1;
    FUZZ_CHECK(TryStrToDate(DateToStr(date), again) && again == date);
  }

  // The date edit: its checks hold for any text, and a text it reads as a
  // date is written as one it reads back the same.
  const TDateLayout layout = TDateLayout::Current();
  IsPlausibleDateText(layout, text);
  IsCompleteDateText(layout, text);
  TDateTime typed = 0;
  if (TryDateTextToDate(layout, text, typed)) {
    TDateTime again = typed + 1;
    FUZZ_CHECK(TryDateTextToDate(layout, DateTextOf(layout, typed), again) && again == typed);
  }
  // Typing any key at any position, inside the text or not.
  if (!text.empty()) {
    const int at = static_cast<int>(text[0] % (text.size() + 3)) - 1;
    const String candidate = DateKeyCandidate(text, at, text.back());
    FUZZ_CHECK(candidate.size() == text.size() || candidate.size() == text.size() + 1);
    IsPlausibleDateText(layout, candidate);
  }
  return 0;
}
