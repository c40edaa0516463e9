#include "classlib/UtilWindow.h"

#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "classlib/SystemCallback.h"

namespace {

const wchar_t kUtilClass[] = L"SkinGui.UtilWindow";

struct UtilWindowData {
  TWndMethod Method;
  int Busy = 0;
  bool Released = false;
};

LRESULT CALLBACK UtilWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* data = reinterpret_cast<UtilWindowData*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  if (!data) return DefWindowProcW(Wnd, Msg, WParam, LParam);
  TMessage m;
  m.Msg = Msg;
  m.WParam = WParam;
  m.LParam = LParam;
  ++data->Busy;
  const bool handled = FromSystem(Application, true, [&] { return data->Method(m); });
  --data->Busy;
  // The method may have released the window; the data outlived the call.
  if (data->Released && data->Busy == 0) delete data;
  return handled ? m.Result : DefWindowProcW(Wnd, Msg, WParam, LParam);
}

}  // namespace

HWND AllocateHWnd(TWndMethod Method) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing;
  if (!GetClassInfoW(instance, kUtilClass, &existing)) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = UtilWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kUtilClass;
    if (!RegisterClassW(&wc)) throw EOutOfResources(L"Cannot register the utility window class");
  }
  HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW, kUtilClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                             nullptr);
  if (!wnd) throw EOutOfResources(L"Cannot create a utility window");
  auto* data = new UtilWindowData;
  data->Method = std::move(Method);
  SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
  return wnd;
}

void DeallocateHWnd(HWND Wnd) {
  if (!Wnd) return;
  auto* data = reinterpret_cast<UtilWindowData*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  SetWindowLongPtrW(Wnd, GWLP_USERDATA, 0);
  DestroyWindow(Wnd);
  if (!data) return;
  if (data->Busy > 0) data->Released = true;
  else delete data;
}
