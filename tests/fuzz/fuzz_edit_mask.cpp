// Fuzz target of the edit mask: a mask text and a typed text, as UTF-16,
// split at the first zero unit. Whatever the mask, the edit text fills its
// positions, typed characters land only where the mask takes them, and with
// saved literals an edit text survives the trip to Text and back.
#include "classlib/EditMask.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const String all = FuzzUtf16(Data, Size);
  const size_t zero = all.find(L'\0');
  const String maskText = all.substr(0, zero);
  const String typed = zero == String::npos ? String() : all.substr(zero + 1);

  TEditMask mask(maskText);
  const int n = mask.Length();
  const String empty = mask.EmptyEditText();
  FUZZ_CHECK(static_cast<int>(empty.size()) == n);
  FUZZ_CHECK(mask.NextInput(0) >= 0 && mask.NextInput(0) <= n);
  FUZZ_CHECK(mask.PrevInput(n) >= -1 && mask.PrevInput(n) < n);
  FUZZ_CHECK(mask.NextInput(n) == n && mask.PrevInput(0) == -1);
  // Out-of-range positions are literals and take nothing.
  FUZZ_CHECK(mask.IsLiteral(-1) && mask.IsLiteral(n) && mask.Accept(n, L'a') == 0 && mask.Accept(-1, L'1') == 0);

  const String edit = mask.EditTextOf(typed);
  FUZZ_CHECK(static_cast<int>(edit.size()) == n);
  for (int i = 0; i < n; ++i) {
    if (mask.IsLiteral(i)) {
      FUZZ_CHECK(edit[i] == empty[i]);
    } else {
      FUZZ_CHECK(mask.NextInput(i) == i);
      FUZZ_CHECK(edit[i] == mask.Blank() || mask.Accept(i, edit[i]) == edit[i]);
    }
  }
  const int bad = mask.FirstInvalid(edit);
  FUZZ_CHECK(bad == -1 || (bad >= 0 && bad < n && !mask.IsLiteral(bad)));

  const String text = mask.TextOf(edit);
  FUZZ_CHECK(static_cast<int>(text.size()) <= n);
  if (mask.SaveLiterals()) {
    FUZZ_CHECK(static_cast<int>(text.size()) == n);
    FUZZ_CHECK(mask.EditTextOf(text) == edit);
  }

  // Typing each character at each input position in turn.
  for (size_t k = 0; k < typed.size() && k < 64; ++k) {
    const int pos = mask.NextInput(static_cast<int>(k));
    if (pos >= n) break;
    const wchar_t c = mask.Accept(pos, typed[k]);
    if (c) FUZZ_CHECK(mask.Accept(pos, c) == c);
  }
  return 0;
}
