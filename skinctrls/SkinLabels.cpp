// The skinned standard label and bevel, and what the labels share.
#include "skinctrls/SkinLabels.h"

#include "skin/SPUtils_text.h"
#include "skin/SkinCtrlRecords.h"
#include "skinctrls/SkinControl.h"

void TspLabelSkinFont::Read(const TspDataSkinStdLabelControl& Record) {
  Name = Record.FontName;
  Height = Record.FontHeight;
  Style = Record.FontStyle;
  Color = Record.FontColor;
  ActiveColor = Record.ActiveFontColor;
}

void TspLabelSkinFont::ApplyTo(TFont* Font) const {
  Font->SetName(Name);
  Font->SetHeight(Height);
  Font->SetStyle(Style);
}

TFontCharset LabelCharset(const TspSkinData* SkinData, const TFont* DefaultFont) {
  if (SkinData && SkinData->ResourceStrData()) return SkinData->ResourceStrData()->CharSet();
  return DefaultFont->Charset();
}

// ---------------------------------------------------------------------------
// TspSkinStdLabel

TspSkinStdLabel::TspSkinStdLabel(TComponent* AOwner)
    : TspSkinLinked<TCustomLabel>(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  FSkinDataName = L"stdlabel";
  FDefaultFont->SetName(L"Arial");
  FDefaultFont->SetHeight(14);
  FDefaultFont->OnChange = [this](TObject*) { SettingChanged(); };
  SetTransparent(true);
}

void TspSkinStdLabel::SettingChanged() {
  AdjustSize();
  Invalidate();
}

void TspSkinStdLabel::SetUseSkinFont(bool Value) {
  if (FUseSkinFont == Value) return;
  FUseSkinFont = Value;
  SettingChanged();
}

void TspSkinStdLabel::SetUseSkinColor(bool Value) {
  if (FUseSkinColor == Value) return;
  FUseSkinColor = Value;
  Invalidate();
}

void TspSkinStdLabel::SetEllipsType(TspEllipsType Value) {
  if (FEllipsType == Value) return;
  FEllipsType = Value;
  Repaint();
}

void TspSkinStdLabel::GetSkinData() {
  LookUpIndex();
  if (auto* record = SkinRecordAs<TspDataSkinStdLabelControl>()) FSkinFont.Read(*record);
}

namespace {

// Whether text measures the same in both fonts (the colour does not count).
bool SameTextMetrics(const TFont* A, const TFont* B) {
  return A->Name() == B->Name() && A->Height() == B->Height() && A->Style() == B->Style() &&
         A->Charset() == B->Charset() && A->Pitch() == B->Pitch() && A->Orientation() == B->Orientation();
}

}  // namespace

void TspSkinStdLabel::ForgetSkin() {
  if (FIndex != -1) FDroppedSkinFont = true;
  GetSkinData();
}

void TspSkinStdLabel::ChangeSkinData() {
  // The text is measured again only when the font it is measured in changed:
  // a switch between skins of the same label font measures nothing (a resize
  // invalidates the parent twice, which over thousands of labels costs more
  // than all the rest of the switch).
  TFont before, after;
  SetUpFont(&before, FIndex != -1 || FDroppedSkinFont);
  FDroppedSkinFont = false;
  GetSkinData();
  SetUpFont(&after, FIndex != -1);
  if (!SameTextMetrics(&before, &after)) AdjustSize();
  Repaint();
}

void TspSkinStdLabel::SetUpFont(TFont* Target, bool Skinned) const {
  if (!Skinned) {
    Target->Assign(FUseSkinFont ? FDefaultFont.get() : Font());
  } else {
    Target->Assign(Font());
    if (FUseSkinFont) FSkinFont.ApplyTo(Target);
    if (FUseSkinColor) Target->SetColor(FSkinFont.Color);
  }
  Target->SetCharset(LabelCharset(FSkinData, FDefaultFont.get()));
}

void TspSkinStdLabel::DoDrawText(TRect& Rect, UINT Flags) {
  // Drawn and measured alike from the skin in force now.
  GetSkinData();
  String text = GetLabelText();
  // An empty line still has the height of one.
  if ((Flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == L"&"))) text = L" ";
  if (!ShowAccelChar()) Flags |= DT_NOPREFIX;
  // Measured with an ellipsis, text is as wide as the ellipsis alone: an
  // auto-sized label would shrink to "...". Only drawing shortens the text.
  if (!(Flags & DT_CALCRECT)) {
    if (FEllipsType == spetEndEllips) Flags |= DT_END_ELLIPSIS;
    else if (FEllipsType == spetPathEllips) Flags |= DT_PATH_ELLIPSIS;
  }

  // A size measured now fits the font the label wears now.
  if (Flags & DT_CALCRECT) FDroppedSkinFont = false;
  TCanvas* canvas = Canvas();
  SetUpFont(canvas->Font(), FIndex != -1);
  const TBrushStyle brush = canvas->Brush()->Style();
  canvas->Brush()->SetStyle(bsClear);
  if (Enabled() || (Flags & DT_CALCRECT)) {
    CanvasDrawText(canvas, text, Rect, Flags);
  } else {
    DrawDisabledText(canvas, text, Rect, Flags, SkinColor(&TspSkinColors::cBtnHighLight, clBtnHighlight),
                     SkinColor(&TspSkinColors::cBtnShadow, clBtnShadow));
  }
  canvas->Brush()->SetStyle(brush);
}

// ---------------------------------------------------------------------------
// TspSkinBevel

TspSkinBevel::TspSkinBevel(TComponent* AOwner) : TspSkinLinked<TBevel>(AOwner) { FSkinDataName = L"bevel"; }

void TspSkinBevel::SetDividerMode(bool Value) {
  FDividerMode = Value;
  Repaint();
}

void TspSkinBevel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TspSkinLinked<TBevel>::SetBounds(ALeft, CentredTop(Parent(), ATop, AHeight), AWidth, AHeight);
}

void TspSkinBevel::ChangeSkinData() {
  LookUpIndex();
  if (auto* record = SkinRecordAs<TspDataSkinBevel>()) {
    FLightColor = record->LightColor;
    FDarkColor = record->DarkColor;
  } else {
    FLightColor = clBtnHighlight;
    FDarkColor = clBtnShadow;
  }
  Repaint();
}

void TspSkinBevel::Paint() {
  if (FShape == bsSpacer) return;
  TColor first, second;
  BevelColors(FStyle, FLightColor, FDarkColor, first, second);
  const int w = Width(), h = Height();
  if (!FDividerMode) {
    DrawBevelShape(Canvas(), FShape, w, h, first, second);
    return;
  }
  // A two-pixel groove across the middle, along the line the shape names.
  const bool horizontal = FShape == bsTopLine || FShape == bsBottomLine;
  DrawBevelRect(Canvas(), horizontal ? TRect(2, h / 2 - 1, w - 2, h / 2) : TRect(w / 2 - 1, 2, w / 2, h - 2), first,
                second);
}
