// The gallery: one window that shows what the library can draw.
#include "classlib/ImgList.h"

namespace {

struct TGalleryData {
  TBitmap Photo;        // loaded from gallery.bmp beside the program
  String PhotoError;    // why it could not be loaded
  TBitmap Glyph;        // a glyph on a fuchsia key colour, drawn transparently
  TImageList Images{nullptr, 24, 24};
};
TGalleryData* Data = nullptr;

String ProgramFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  String s(path);
  return s.substr(0, s.find_last_of(L"\\/") + 1);
}

// Four 24 x 24 glyphs side by side on fuchsia: square, disc, triangle, cross.
void MakeGlyphStrip(TBitmap& strip) {
  strip.SetSize(96, 24);
  TCanvas* c = strip.Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(Rect(0, 0, 96, 24));
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetColor(0x2080E0);
  c->Rectangle(3, 3, 21, 21);
  c->Brush()->SetColor(0x30A040);
  c->Ellipse(27, 3, 45, 21);
  c->Brush()->SetColor(0xC06020);
  c->Polygon({Point(60, 2), Point(70, 21), Point(50, 21)});
  c->Pen()->SetColor(0x2020C0);
  c->Pen()->SetWidth(4);
  c->MoveTo(77, 4);
  c->LineTo(91, 19);
  c->MoveTo(91, 4);
  c->LineTo(77, 19);
  c->Pen()->SetWidth(1);
}

void Caption(TCanvas* c, int x, int y, const String& text) {
  c->Font()->SetName(L"Tahoma");
  c->Font()->SetHeight(-12);
  c->Font()->SetStyle({fsBold});
  c->Font()->SetColor(0x404040);
  c->Brush()->SetStyle(bsClear);
  c->TextOut(x, y, text);
  c->Font()->SetStyle({});
}

void PaintText(TCanvas* c) {
  c->Font()->SetName(L"WenQuanYi Micro Hei");
  c->Font()->SetHeight(-22);
  c->Font()->SetColor(clNavy);
  c->Brush()->SetStyle(bsClear);
  c->TextOut(20, 14, L"Skin GUI gallery \x2014 \x76AE\x80A4\x754C\x9762\x5E93\x6F14\x793A");

  Caption(c, 20, 56, L"Text");
  c->Font()->SetName(L"Tahoma");
  c->Font()->SetHeight(-13);
  c->Font()->SetColor(clBlack);
  const struct {
    TFontStyles Style;
    const wchar_t* Text;
  } styles[] = {{{}, L"Regular"}, {{fsBold}, L"Bold"}, {{fsItalic}, L"Italic"},
                {{fsUnderline}, L"Underline"}, {{fsStrikeOut}, L"Strike-out"}};
  int x = 20;
  for (const auto& s : styles) {
    c->Font()->SetStyle(s.Style);
    c->TextOut(x, 76, s.Text);
    x += c->TextWidth(s.Text) + 14;
  }
  c->Font()->SetStyle({});
  c->Font()->SetName(L"WenQuanYi Micro Hei");
  c->Font()->SetHeight(-16);
  c->Font()->SetColor(0x006000);
  c->TextOut(20, 98, L"\x4E2D\x6587\x6587\x5B57\xFF1A\x4F60\x597D\xFF0C\x4E16\x754C\xFF01");
  // Opaque text on a brush, clipped to its rectangle.
  c->Brush()->SetColor(clInfoBk);
  c->Font()->SetColor(clInfoText);
  c->Font()->SetName(L"Tahoma");
  c->Font()->SetHeight(-12);
  c->TextRect(Rect(220, 98, 330, 118), 224, 100, L"TextRect clips this long line");
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetOrientation(300);
  c->Font()->SetColor(clMaroon);
  c->TextOut(350, 118, L"Rotated 30\x00B0");
  c->Font()->SetOrientation(0);
}

void PaintShapes(TCanvas* c) {
  Caption(c, 20, 140, L"Shapes");
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetColor(0x3C3CC8);
  c->Rectangle(20, 162, 90, 222);
  c->Brush()->SetColor(0x50A03C);
  c->RoundRect(100, 162, 170, 222, 18, 18);
  c->Brush()->SetColor(0xC85A3C);
  c->Ellipse(180, 162, 250, 222);
  c->Brush()->SetColor(clYellow);
  c->Polygon({Point(290, 160), Point(302, 185), Point(328, 188), Point(308, 204), Point(314, 226),
              Point(290, 213), Point(266, 226), Point(272, 204), Point(252, 188), Point(278, 185)});
  c->Brush()->SetColor(clTeal);
  c->Brush()->SetStyle(bsDiagCross);
  c->Rectangle(340, 162, 410, 222);
  c->Brush()->SetStyle(bsSolid);
  c->Pen()->SetStyle(psDash);
  c->Pen()->SetColor(clPurple);
  c->Polyline({Point(420, 222), Point(440, 162), Point(460, 222), Point(480, 162)});
  c->Pen()->SetStyle(psSolid);
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Rect(490, 162, 560, 222));
  TRect r = Rect(496, 168, 554, 216);
  Frame3D(c, r, clBtnHighlight, clBtnShadow, 2);
  // An XOR pen shows the colours under it inverted.
  c->Pen()->SetMode(pmXor);
  c->Pen()->SetColor(clWhite);
  c->Pen()->SetWidth(3);
  c->MoveTo(20, 192);
  c->LineTo(560, 192);
  c->Pen()->SetMode(pmCopy);
  c->Pen()->SetWidth(1);
}

void PaintBitmaps(TCanvas* c) {
  Caption(c, 20, 240, L"BMP file, stretched, transparent");
  if (Data->Photo.Empty()) {
    c->Font()->SetColor(clRed);
    c->TextOut(20, 262, Data->PhotoError);
  } else {
    c->Draw(20, 262, &Data->Photo);
    c->StretchDraw(Bounds(130, 262, Data->Photo.Width() * 2, Data->Photo.Height() * 2), &Data->Photo);
  }
  c->Brush()->SetColor(0xE0E0E0);
  c->FillRect(Rect(340, 262, 440, 326));
  Data->Glyph.SetTransparent(false);
  c->Draw(350, 282, &Data->Glyph);
  Data->Glyph.SetTransparent(true);
  c->Draw(400, 282, &Data->Glyph);
}

void PaintImageList(TCanvas* c) {
  Caption(c, 20, 400, L"Image list: enabled, disabled");
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Rect(20, 420, 200, 488));
  for (int i = 0; i < Data->Images.Count(); ++i) {
    Data->Images.Draw(c, 28 + i * 40, 426, i, true);
    Data->Images.Draw(c, 28 + i * 40, 458, i, false);
  }
}

void PaintGallery(HDC dc, const RECT& client) {
  TBitmap buffer;  // drawn off screen, then copied in one go
  buffer.SetSize(client.right, client.bottom);
  TCanvas* c = buffer.Canvas();
  c->Brush()->SetColor(0xF0ECEC);
  c->FillRect(Rect(0, 0, client.right, client.bottom));
  PaintText(c);
  PaintShapes(c);
  PaintBitmaps(c);
  PaintImageList(c);
  BitBlt(dc, 0, 0, client.right, client.bottom, c->Handle(), 0, 0, SRCCOPY);
}

void LoadData() {
  Data = new TGalleryData;
  try {
    Data->Photo.LoadFromFile(ProgramFolder() + L"gallery.bmp");
  } catch (const Exception& e) {
    Data->PhotoError = e.Message();
  }
  TBitmap strip;
  MakeGlyphStrip(strip);
  Data->Images.AddMasked(&strip, clFuchsia);
  Data->Glyph.SetSize(40, 40);
  TCanvas* g = Data->Glyph.Canvas();
  g->Brush()->SetColor(clFuchsia);
  g->FillRect(Rect(0, 0, 40, 40));
  g->Brush()->SetColor(0x00A0FF);
  g->Pen()->SetColor(0x004080);
  g->Ellipse(2, 2, 38, 38);
  g->Brush()->SetColor(clWhite);
  g->Ellipse(12, 12, 28, 28);
}

LRESULT CALLBACK GalleryProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(wnd, &ps);
      RECT client;
      GetClientRect(wnd, &client);
      if (client.right > 0 && client.bottom > 0) PaintGallery(dc, client);
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
  LoadData();
  WNDCLASSW wc = {};
  wc.lpfnWndProc = GalleryProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = L"SkinGuiGallery";
  RegisterClassW(&wc);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"Gallery", WS_OVERLAPPEDWINDOW, 40, 40, 760, 560, nullptr,
                             nullptr, instance, nullptr);
  ShowWindow(wnd, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  delete Data;
  return 0;
}
