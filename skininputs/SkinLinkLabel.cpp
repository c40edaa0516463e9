// TspSkinLinkLabel: hot state, drawing from the "stdlabel" record and the
// shell-open on click.
#include "skininputs/SkinLinkLabel.h"

#include "skin/SPUtils_text.h"
#include "classlib/ShellOpen.h"

TspSkinLinkLabel::TspSkinLinkLabel(TComponent* AOwner)
    : TspSkinLinked<TCustomLabel>(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  FSkinDataName = L"stdlabel";
  FDefaultFont->SetName(L"Arial");
  FDefaultFont->SetHeight(14);
  FDefaultFont->SetStyle(TFontStyles{fsUnderline});
  FDefaultFont->OnChange = [this](TObject*) {
    AdjustSize();
    Invalidate();
  };
  SetTransparent(true);
  Font()->Assign(FDefaultFont.get());
  SetCursor(crHandPoint);
}

void TspSkinLinkLabel::GetSkinData() {
  LookUpIndex();
  if (auto* r = SkinRecordAs<TspDataSkinStdLabelControl>()) FSkinFont.Read(*r);
}

void TspSkinLinkLabel::ChangeSkinData() {
  GetSkinData();
  AdjustSize();
  Invalidate();
}

void TspSkinLinkLabel::SetGlowEffect(bool Value) {
  FGlowEffect = Value;
  AdjustSize();
  Invalidate();
}

void TspSkinLinkLabel::SetGlowSize(int Value) {
  FGlowSize = Value;
  Invalidate();
}

void TspSkinLinkLabel::SetUseUnderLine(bool Value) {
  FUseUnderLine = Value;
  Invalidate();
}

void TspSkinLinkLabel::SetUseSkinFont(bool Value) {
  FUseSkinFont = Value;
  AdjustSize();
  Invalidate();
}

void TspSkinLinkLabel::SetDefaultActiveFontColor(TColor Value) {
  FDefaultActiveFontColor = Value;
  Invalidate();
}

void TspSkinLinkLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TspSkinLinked<TCustomLabel>::Dispatch(Message);
      if (Designing()) return;
      FHot = Message.Msg == CM_MOUSEENTER;
      Invalidate();
      return;
  }
  TspSkinLinked<TCustomLabel>::Dispatch(Message);
}

void TspSkinLinkLabel::Click() {
  TspSkinLinked<TCustomLabel>::Click();
  if (!FURL.empty()) ShellOpen(nullptr, L"open", FURL);
}

void TspSkinLinkLabel::DoDrawText(TRect& Rect, UINT Flags) {
  GetSkinData();
  String text = GetLabelText();
  if ((Flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == L"&"))) text += L" ";
  if (!ShowAccelChar()) Flags |= DT_NOPREFIX;
  TRect r = Rect;
  if (FGlowEffect) r = TRect(r.Left, r.Top + FGlowSize, r.Right, r.Bottom + FGlowSize);

  TCanvas* canvas = Canvas();
  TFont* font = canvas->Font();
  const bool skinned = FIndex != -1;
  TColor glow = FDefaultActiveFontColor;
  if (!skinned) {
    font->Assign(FUseSkinFont ? FDefaultFont.get() : Font());
    if (FHot) font->SetColor(FDefaultActiveFontColor);
  } else {
    if (FUseSkinFont) FSkinFont.ApplyTo(font);
    else font->Assign(Font());
    font->SetColor(FHot && !FGlowEffect ? FSkinFont.ActiveColor : FSkinFont.Color);
    glow = FSkinFont.ActiveColor;
  }
  font->SetCharset(LabelCharset(FSkinData, FDefaultFont.get()));
  TFontStyles style = font->Style();
  // Without a skin the underline is always there until the enabled test below.
  if (FUseUnderLine || (!skinned && !Enabled())) style.Include(fsUnderline);
  else style.Exclude(fsUnderline);
  font->SetStyle(style);

  const TBrushStyle brush = canvas->Brush()->Style();
  canvas->Brush()->SetStyle(bsClear);
  if (Flags & DT_CALCRECT) {
    CanvasDrawText(canvas, text, r, Flags);
    Rect = r;
  } else if (Enabled()) {
    if (FHot && FGlowEffect) DrawGlowText(canvas, r, text, FGlowSize, glow, Flags);
    else CanvasDrawText(canvas, text, r, Flags);
  } else {
    DrawDisabledText(canvas, text, r, Flags, SkinColor(&TspSkinColors::cBtnHighLight, clBtnHighlight),
                     SkinColor(&TspSkinColors::cBtnShadow, clBtnShadow));
  }
  canvas->Brush()->SetStyle(brush);
}
