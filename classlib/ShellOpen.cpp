// Opening an address with the shell, for the URL edit, the link label and the tree's links.
#include "classlib/ShellOpen.h"

#include <shellapi.h>

namespace {

TShellOpenHandler& Handler() {
  static TShellOpenHandler handler;
  return handler;
}

}  // namespace

void ShellOpen(HWND Owner, const String& Operation, const String& Address) {
  // Longer than any address a browser or the shell takes (2,048 characters
  // of path after a scheme): nothing opens. Wine's shell writes past its
  // buffers on such strings.
  constexpr size_t kLongestAddress = 2083;
  if (Address.empty() || Address.size() > kLongestAddress) return;
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
