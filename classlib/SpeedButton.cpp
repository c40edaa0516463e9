// TSpeedButton and the glyph helpers buttons share.
#include "classlib/Buttons.h"
#include "classlib/KeyedBlt.h"

TBitmap* CreateDisabledBitmap(TBitmap* Source, TColor MaskColor, TColor BackColor, TColor HighlightColor,
                              TColor ShadowColor, bool DrawHighlight) {
  auto result = std::make_unique<TBitmap>();
  result->SetSize(Source->Width(), Source->Height());
  TBitmap mono;
  mono.Assign(Source);
  mono.Canvas()->Brush()->SetColor(MaskColor);
  if (mono.Monochrome()) {
    mono.Canvas()->Font()->SetColor(clWhite);
    mono.SetMonochrome(false);
    mono.Canvas()->Brush()->SetColor(clWhite);
  }
  mono.SetMonochrome(true);
  TCanvas* out = result->Canvas();
  out->Brush()->SetColor(BackColor);
  out->FillRect(Rect(0, 0, result->Width(), result->Height()));
  HDC dc = out->Handle();
  // 0x00E20746: where the mask is black the brush lands, elsewhere the
  // destination stays.
  auto stamp = [&](TColor Brush, int Offset) {
    out->Brush()->SetColor(Brush);
    HGDIOBJ oldBrush = SelectObject(dc, out->Brush()->Handle());
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, Offset, Offset, result->Width(), result->Height(), mono.Canvas()->Handle(), 0, 0, 0x00E20746);
    SelectObject(dc, oldBrush);
  };
  if (DrawHighlight) stamp(HighlightColor, 1);
  stamp(ShadowColor, 0);
  return result.release();
}

void DrawGlyphCell(TCanvas* Canvas, TBitmap* Glyph, int Cell, TNumGlyphs NumGlyphs, int X, int Y, TColor Transparent) {
  if (!Glyph || Glyph->Empty() || NumGlyphs < 1) return;
  const int w = Glyph->Width() / NumGlyphs, h = Glyph->Height();
  if (w <= 0) return;
  KeyedBlt(Canvas->Handle(), X, Y, w, h, Glyph->Canvas()->Handle(), Cell * w, 0,
           static_cast<COLORREF>(ColorToRGB(Transparent)) & 0xFFFFFF);
}

TSize MeasureButtonCaption(TCanvas* Canvas, const String& Caption, int Width) {
  if (Caption.empty()) return TSize();
  HDC dc = Canvas->Handle();
  HGDIOBJ old = SelectObject(dc, Canvas->Font()->Handle());
  RECT r = {0, 0, Width, 0};
  DrawTextFallback(dc, Caption.c_str(), static_cast<int>(Caption.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  return TSize(r.right - r.left, r.bottom - r.top);
}

void DrawEngravedText(HDC DC, const String& Text, const TRect& R, UINT Flags) {
  SetBkMode(DC, TRANSPARENT);
  RECT r = {R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
  SetTextColor(DC, ColorToRGB(clBtnHighlight));
  DrawTextFallback(DC, Text.c_str(), static_cast<int>(Text.size()), &r, Flags);
  OffsetRect(&r, -1, -1);
  SetTextColor(DC, ColorToRGB(clBtnShadow));
  DrawTextFallback(DC, Text.c_str(), static_cast<int>(Text.size()), &r, Flags);
}

void DrawButtonCaption(TCanvas* Canvas, const String& Caption, const TRect& TextBounds, bool Disabled,
                       TColor FontColor, UINT BiDiFlags) {
  if (Caption.empty()) return;
  HDC dc = Canvas->Handle();
  HGDIOBJ old = SelectObject(dc, Canvas->Font()->Handle());
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | BiDiFlags;
  if (Disabled) {
    DrawEngravedText(dc, Caption, TextBounds, flags);
  } else {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(FontColor));
    RECT t = {TextBounds.Left, TextBounds.Top, TextBounds.Right, TextBounds.Bottom};
    DrawTextFallback(dc, Caption.c_str(), static_cast<int>(Caption.size()), &t, flags);
  }
  SelectObject(dc, old);
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  FWidth = 23;
  FHeight = 22;
  FControlStyle = {csCaptureMouse, csDoubleClicks};
  FParentFont = true;
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  FState = Value ? bsExclusive : bsUp;
  Invalidate();
  if (Value) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  if (Value) FControlStyle.Exclude(csOpaque);
  else FControlStyle.Include(csOpaque);
  Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  if (Value && !Value->Empty()) FNumGlyphs = NumGlyphsOf(Value->Width(), Value->Height(), FNumGlyphs);
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(TNumGlyphs Value) {
  Value = Value < 1 ? 1 : Value > 4 ? 4 : Value;
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
  if (FMargin == Value || Value < -1) return;
  FMargin = Value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  if (FSpacing == Value) return;
  FSpacing = Value;
  Invalidate();
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  TMessage m;
  m.Msg = CM_BUTTONPRESSED;
  m.WParam = static_cast<uintptr_t>(FGroupIndex);
  m.LParam = reinterpret_cast<intptr_t>(this);
  Parent()->Broadcast(m);
}

void TSpeedButton::CMButtonPressed(TMessage& Message) {
  auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(Message.LParam));
  if (Message.WParam != static_cast<uintptr_t>(FGroupIndex) || !sender || sender == this) return;
  if (sender->Down() && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = sender->AllowAllUp();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  TButtonState state = FDown ? bsExclusive : bsUp;
  if (InsideClient(X, Y)) state = FDown ? bsExclusive : bsDown;
  if (state != FState) {
    FState = state;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging) return;
  FDragging = false;
  const bool inside = InsideClient(X, Y);
  if (FGroupIndex == 0) {
    FState = bsUp;
    Invalidate();
  } else if (inside) {
    SetDown(!FDown);
    FState = FDown ? bsExclusive : bsUp;
    Invalidate();
  } else {
    FState = FDown ? bsExclusive : bsUp;
    Invalidate();
  }
  if (inside) Click();
}

void TSpeedButton::RepairState() {
  if (!Enabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
}

void TSpeedButton::DrawGlyphAndCaption(TCanvas* Canvas, const TPoint& GlyphPos, const TRect& TextBounds) {
  if (!FGlyph->Empty()) {
    if (FState == bsDisabled && FNumGlyphs == 1) {
      std::unique_ptr<TBitmap> disabled(
          CreateDisabledBitmap(FGlyph.get(), clBlack, clBtnFace, clBtnHighlight, clBtnShadow, true));
      DrawGlyphCell(Canvas, disabled.get(), 0, 1, GlyphPos.X, GlyphPos.Y,
                    disabled->Canvas()->Pixels(0, disabled->Height() - 1));
    } else {
      DrawGlyphCell(Canvas, FGlyph.get(), GlyphCellOf(FNumGlyphs, FState), FNumGlyphs, GlyphPos.X, GlyphPos.Y,
                    FGlyph->Canvas()->Pixels(0, FGlyph->Height() - 1));
    }
  }
  DrawButtonCaption(Canvas, Caption(), TextBounds, FState == bsDisabled, Font()->Color());
}

void TSpeedButton::Paint() {
  RepairState();
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  HDC dc = canvas->Handle();
  const bool pressed = FState == bsDown || FState == bsExclusive;
  if (!FTransparent) {
    canvas->Brush()->SetColor(FState == bsExclusive && !FFlat ? cl3DLight : clBtnFace);
    canvas->FillRect(client);
  }
  RECT r = {client.Left, client.Top, client.Right, client.Bottom};
  if (FFlat) {
    if (pressed) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (MouseInControl() && Enabled()) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  } else {
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  canvas->SetFont(Font());
  const TSize textSize = MeasureButtonCaption(canvas, Caption(), client.Width());
  const TSize glyphSize = FGlyph->Empty() ? TSize() : TSize(FGlyph->Width() / FNumGlyphs, FGlyph->Height());
  TPoint glyphPos;
  TRect textBounds;
  CalcGlyphLayout(client, pressed ? TPoint(1, 1) : TPoint(), FLayout, FMargin, FSpacing, glyphSize, textSize,
                  glyphPos, textBounds);
  DrawGlyphAndCaption(canvas, glyphPos, textBounds);
}

void TSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED:
      CMButtonPressed(Message);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (FFlat && Enabled()) Invalidate();
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      Invalidate();
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<WORD>(Message.WParam), Caption()) && Enabled() && IsShowing()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
  }
  TGraphicControl::Dispatch(Message);
}
