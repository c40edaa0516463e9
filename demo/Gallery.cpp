// The gallery: one window that shows what the library can draw.
#include <windows.h>

#include "classlib/Classes.h"

namespace {

void PaintGallery(HDC dc, const RECT& client) {
  HBRUSH face = CreateSolidBrush(RGB(236, 236, 240));
  FillRect(dc, &client, face);
  DeleteObject(face);

  HFONT font = CreateFontW(-20, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                           CLEARTYPE_QUALITY, 0, L"WenQuanYi Micro Hei");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const String title = L"Skin GUI gallery \x2014 \x76AE\x80A4\x754C\x9762\x5E93";
  TextOutW(dc, 20, 16, title.c_str(), static_cast<int>(title.size()));
  SelectObject(dc, oldFont);
  DeleteObject(font);

  const COLORREF colours[] = {RGB(200, 60, 60), RGB(60, 160, 80), RGB(60, 90, 200)};
  for (int i = 0; i < 3; ++i) {
    HBRUSH b = CreateSolidBrush(colours[i]);
    HGDIOBJ old = SelectObject(dc, b);
    Rectangle(dc, 20 + i * 110, 60, 120 + i * 110, 140);
    SelectObject(dc, old);
    DeleteObject(b);
  }
}

LRESULT CALLBACK GalleryProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(wnd, &ps);
      RECT client;
      GetClientRect(wnd, &client);
      PaintGallery(dc, client);
      EndPaint(wnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = GalleryProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = L"SkinGuiGallery";
  RegisterClassW(&wc);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"Gallery", WS_OVERLAPPEDWINDOW, 40, 40, 760, 560,
                             nullptr, nullptr, instance, nullptr);
  ShowWindow(wnd, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
