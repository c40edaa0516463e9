// TfcText: the draw pass, its style drawers and the text pass.
#include <cmath>

#include "components/fcCommonDraw.h"
#include "components/fctext.h"
#include "skin/SPUtils_text.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

// The shared font turned by the rotation, made the canvas font for one
// drawer and turned back at its end, exceptions included.
class TfcText::TFontPass {
 public:
  explicit TFontPass(TfcText* Text) : FCanvas(Text->GetCanvas()) {
    TFont* font = FCanvas->Font();
    font->Assign(Text->FFont);
    font->SetOrientation(Text->FRotation * 10);
    // A font asked for the default character set is made with the plain one.
    if (font->Charset() == DEFAULT_CHARSET) font->SetCharset(ANSI_CHARSET);
    FCanvas->Handle();  // selects the turned font
  }
  ~TFontPass() { FCanvas->Font()->SetOrientation(0); }
  TFontPass(const TFontPass&) = delete;
  TFontPass& operator=(const TFontPass&) = delete;

 private:
  TCanvas* FCanvas;
};

void TfcText::DrawTextAt(const TRect& R, TColor Color) {
  SetTextColor(GetCanvas()->Handle(), ColorToRGB(Color));
  DrawText(R);
}

void TfcText::DrawText(TRect R) {
  TCanvas* canvas = GetCanvas();
  HDC dc = canvas->Handle();
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const double a = FRotation * kPi / 180;
  const double sinA = std::sin(a), cosA = std::cos(a);
  if (FWordWrap && FOptions.Contains(toFullJustify)) {
    DrawJustified(R, sinA, cosA);
  } else {
    const int lines = fcCountPieces(FText, L"\r\n");
    for (int i = 0; i < lines; ++i) {
      String line = fcGetPiece(FText, L"\r\n", i);
      RECT r = {R.Left, R.Top, R.Right, R.Bottom};
      DrawTextExW(dc, line.data(), static_cast<int>(line.size()), &r, FFlags, nullptr);
      const int step = fcTextHeightIn(canvas, FFlags, R.Width(), line) + FLineSpacing;
      OffsetRect(R, fcFloor(sinA * step), fcFloor(cosA * step));
    }
  }
  SetBkMode(dc, oldMode);
}

void TfcText::DrawJustified(TRect& R, double SinA, double CosA) {
  TCanvas* canvas = GetCanvas();
  HDC dc = canvas->Handle();
  const int h = fcTextHeightIn(canvas, FFlags, std::max(5, R.Width()), L"AgTpjW");
  const int budget = (h > 0 ? R.Height() / h : 0) + 1;
  const String cut = fcCountPieces(FText, L"\n\n") > 1 ? L"\n\n" : L"\r\n";
  auto width = [&](const String& s) {
    SIZE sz = {};
    GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &sz);
    return static_cast<int>(sz.cx);
  };
  auto advance = [&](int By) { OffsetRect(R, fcFloor(SinA * By), fcFloor(CosA * By)); };
  const int paragraphs = fcCountPieces(FText, cut);
  for (int p = 0; p < paragraphs; ++p) {
    const String para = fcGetPiece(FText, cut, p);
    int pos = 1;
    String pending;  // a token that did not fit starts the next line
    for (int n = 0; n < budget + 2; ++n) {
      String token = pending;
      pending.clear();
      if (token.empty()) fcGetToken(para, pos, 0, L" \t", token);
      if (token.empty()) {
        advance(h);
        break;
      }
      String line = token;
      bool last = false;
      for (;;) {
        String next;
        fcGetToken(para, pos, 0, L" \t", next);
        if (next.empty()) {
          last = true;
          break;
        }
        if (width(line) + width(next) >= R.Width()) {
          pending = next;
          break;
        }
        line += next;
        if (next.size() == 1 && next != L" ") line += L" ";
      }
      // Trimmed, the line's blanks take up the width left over.
      while (!line.empty() && line.back() == L' ') line.pop_back();
      while (!line.empty() && line.front() == L' ') line.erase(0, 1);
      int blanks = 0;
      for (wchar_t c : line) blanks += c == L' ';
      if (!last && blanks > 0) SetTextJustification(dc, R.Width() - width(line), blanks);
      TextOutW(dc, R.Left, R.Top, line.c_str(), static_cast<int>(line.size()));
      SetTextJustification(dc, 0, 0);
      advance(h);
      if (last) break;
    }
    advance(FLineSpacing);
  }
}

void TfcText::DrawShadow(const TRect& R) {
  if (!FShadow->Enabled()) return;
  TRect r = R;
  OffsetRect(r, FShadow->XOffset(), FShadow->YOffset());
  DrawTextAt(r, OwnerEnabled() ? FShadow->Color() : FDisabledColors->ShadeColor());
}

void TfcText::DrawOutline() {
  const bool enabled = OwnerEnabled();
  for (int o = fcTopLeft; o <= fcBottom; ++o) {
    const TPoint d = fcOrientationStep(static_cast<TfcOrientation>(o));
    TRect r = FDrawRect;
    OffsetRect(r, d.X, d.Y);
    DrawTextAt(r, enabled ? FOutlineColor : FDisabledColors->ShadeColor());
  }
  DrawTextAt(FDrawRect, enabled ? FFont->Color() : FDisabledColors->HighlightColor());
}

void TfcText::DrawExtrusion() {
  if (!FExtrudeEffects->Enabled()) return;
  TPoint textOffset;
  const auto steps = fcExtrusionSteps(Geometry(), textOffset);
  const TRect base = FDrawRect;
  const auto nearC = static_cast<uint32_t>(ColorToRGB(FExtrudeEffects->NearColor()));
  const auto farC = static_cast<uint32_t>(ColorToRGB(FExtrudeEffects->FarColor()));
  for (size_t i = 0; i < steps.size(); ++i) {
    FDrawRect = base;
    OffsetRect(FDrawRect, steps[i].X, steps[i].Y);
    const uint32_t c = fcExtrusionColor(nearC, farC, FExtrudeEffects->Depth(), static_cast<int>(i) + 1,
                                        FExtrudeEffects->Striated());
    DrawTextAt(FDrawRect, static_cast<TColor>(c));
  }
  FDrawRect = base;
  OffsetRect(FDrawRect, textOffset.X, textOffset.Y);
}

void TfcText::DrawDefault() {
  if (!OwnerEnabled()) {
    DrawEmbossed(false);
    return;
  }
  TFontPass pass(this);
  FDrawRect = CalcRect(false);
  DrawExtrusion();
  DrawShadow(FDrawRect);
  DrawTextAt(FDrawRect, FFont->Color());
}

void TfcText::DrawOutlined() {
  TFontPass pass(this);
  FDrawRect = CalcRect(false);
  DrawExtrusion();
  DrawShadow(FDrawRect);
  DrawOutline();
}

void TfcText::DrawEmbossed(bool Raised) {
  TFontPass pass(this);
  FDrawRect = CalcRect(false);
  TCanvas* canvas = GetCanvas();
  canvas->Lock();
  const bool enabled = OwnerEnabled();
  // Disabled text reads on the face under it, sampled before anything is drawn.
  const TColor disabledText =
      enabled ? clNone : ReadableTextColor(canvas, FDrawRect.TopLeft(), FDisabledColors->ShadeColor());
  DrawExtrusion();
  DrawShadow(FDrawRect);
  const TColor light = enabled ? FHighlightColor : FDisabledColors->HighlightColor();
  const TColor dark = enabled ? FShadeColor : FDisabledColors->ShadeColor();
  TRect r = FDrawRect;
  if (enabled) {
    const TColor c = Raised ? light : dark;
    OffsetRect(r, -1, -1);
    if (c != clNone) DrawTextAt(r, c);
  }
  const TColor c = Raised ? dark : light;
  r = FDrawRect;
  OffsetRect(r, 1, 1);
  if (c != clNone) DrawTextAt(r, c);
  DrawTextAt(FDrawRect, enabled ? FFont->Color() : disabledText);
  canvas->Unlock();
}

void TfcText::Draw() {
  TCanvas* target = FCanvas;
  std::unique_ptr<TBitmap> buffer;
  TRect clip;
  if (FDoubleBuffered) {
    clip = target->ClipRect();
    buffer = std::make_unique<TBitmap>();
    buffer->SetSize(std::max(clip.Right, 1), std::max(clip.Bottom, 1));
    BitBlt(buffer->Canvas()->Handle(), clip.Left, clip.Top, clip.Width(), clip.Height(), target->Handle(),
           clip.Left, clip.Top, SRCCOPY);
    FPaintCanvas = buffer->Canvas();
  }
  try {
    if (FRotation % 360 != 0) {
      FFlags &= ~(DT_CENTER | DT_RIGHT);
    } else {
      uint32_t flags = FFlags;
      fcSetFlag(FAlignment == taCenter, flags, DT_CENTER);
      fcSetFlag(FAlignment == taRightJustify, flags, DT_RIGHT);
      FFlags = flags;
      TRect c = CalcRectWithFont(false);
      if (FAlignment == taLeftJustify)
        FTextRect = TRect(FTextRect.Left, FTextRect.Top, FTextRect.Left + c.Width(), FTextRect.Bottom);
      else if (FAlignment == taRightJustify)
        FTextRect = TRect(FTextRect.Right - c.Width(), FTextRect.Top, FTextRect.Right, FTextRect.Bottom);
      c = CalcRectWithFont(false);
      if (FVAlignment == vaTop)
        FTextRect = TRect(FTextRect.Left, FTextRect.Top, FTextRect.Right, FTextRect.Top + c.Height());
      else if (FVAlignment == vaBottom)
        FTextRect = TRect(FTextRect.Left, FTextRect.Bottom - c.Height(), FTextRect.Right, FTextRect.Bottom);
    }
    switch (FStyle) {
      case fclsDefault: DrawDefault(); break;
      case fclsLowered: DrawEmbossed(false); break;
      case fclsRaised: DrawEmbossed(true); break;
      case fclsOutline: DrawOutlined(); break;
    }
  } catch (...) {
    FPaintCanvas = nullptr;
    throw;
  }
  if (buffer) {
    FPaintCanvas = nullptr;
    BitBlt(target->Handle(), clip.Left, clip.Top, clip.Width(), clip.Height(), buffer->Canvas()->Handle(),
           clip.Left, clip.Top, SRCCOPY);
  }
}
