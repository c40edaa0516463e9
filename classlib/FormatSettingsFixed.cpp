#include "classlib/SysUtils.h"

// Systems without a Windows locale use the fixed defaults.
TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}
