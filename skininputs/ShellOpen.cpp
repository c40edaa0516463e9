// The shell-open function of the URL edit and the link label.
#include "skininputs/ShellOpen.h"

#include <shellapi.h>

namespace {

TShellOpenHandler& Handler() {
  static TShellOpenHandler handler;
  return handler;
}

}  // namespace

void ShellOpen(HWND Owner, const String& Operation, const String& Address) {
  if (Handler()) {
    Handler()(Owner, Operation, Address);
    return;
  }
  ShellExecuteW(Owner, Operation.c_str(), Address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

TShellOpenHandler SetShellOpenHandler(TShellOpenHandler Handler_) {
  TShellOpenHandler old = Handler();
  Handler() = std::move(Handler_);
  return old;
}
