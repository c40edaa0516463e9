// Index clamping, animation order and tip cutting of the tray icon.
#include "skininputs/SkinTrayIconRules.h"

int TrayIconIndex(int Value, int Count) {
  if (Count <= 0 || Value < 0) return 0;
  return Value >= Count ? Count - 1 : Value;
}

int TrayNextIndex(int Index, int Count) {
  if (Count <= 0) return 0;
  return Index + 1 < Count ? Index + 1 : 0;
}

String TrayTipText(const String& Hint, bool ShowHint, int Capacity) {
  if (!ShowHint || Hint.empty() || Capacity <= 1) return String();
  size_t n = static_cast<size_t>(Capacity - 1);
  if (Hint.size() <= n) return Hint;
  // A high surrogate at the cut would leave half a character behind.
  if (Hint[n - 1] >= 0xD800 && Hint[n - 1] <= 0xDBFF) --n;
  return Hint.substr(0, n);
}
