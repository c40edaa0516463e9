// TfcText: options, effect objects and the sizing of the rendered text.
#include "components/fctext.h"

#include "components/fcCommonDraw.h"

// ---- effect objects ----

void TfcShadowEffects::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  FText->Changed();
}
void TfcShadowEffects::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  FText->AdjustBounds();
  FText->Changed();
}
void TfcShadowEffects::SetXOffset(int Value) {
  if (FXOffset == Value) return;
  FXOffset = Value;
  FText->AdjustBounds();
  FText->Changed();
}
void TfcShadowEffects::SetYOffset(int Value) {
  if (FYOffset == Value) return;
  FYOffset = Value;
  FText->AdjustBounds();
  FText->Changed();
}
void TfcShadowEffects::AssignTo(TPersistent* Dest) {
  auto* d = dynamic_cast<TfcShadowEffects*>(Dest);
  if (!d) return TPersistent::AssignTo(Dest);
  d->SetColor(FColor);
  d->SetEnabled(FEnabled);
  d->SetXOffset(FXOffset);
  d->SetYOffset(FYOffset);
}

void TfcExtrudeEffects::SetDepth(int Value) {
  if (FDepth == Value) return;
  FDepth = Value;
  FText->AdjustBounds();
  FText->Changed();
}
void TfcExtrudeEffects::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  FText->AdjustBounds();
  FText->Changed();
}
void TfcExtrudeEffects::SetFarColor(TColor Value) {
  if (FFarColor == Value) return;
  FFarColor = Value;
  FText->Changed();
}
void TfcExtrudeEffects::SetNearColor(TColor Value) {
  if (FNearColor == Value) return;
  FNearColor = Value;
  FText->Changed();
}
void TfcExtrudeEffects::SetOrientation(TfcOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  FText->AdjustBounds();
  FText->Changed();
}
void TfcExtrudeEffects::SetStriated(bool Value) {
  if (FStriated == Value) return;
  FStriated = Value;
  FText->Changed();
}
void TfcExtrudeEffects::AssignTo(TPersistent* Dest) {
  auto* d = dynamic_cast<TfcExtrudeEffects*>(Dest);
  if (!d) return TPersistent::AssignTo(Dest);
  d->SetDepth(FDepth);
  d->SetEnabled(FEnabled);
  d->SetFarColor(FFarColor);
  d->SetNearColor(FNearColor);
  d->SetOrientation(FOrientation);
  d->SetStriated(FStriated);
}

void TfcDisabledColors::SetHighlightColor(TColor Value) {
  if (FHighlightColor == Value) return;
  FHighlightColor = Value;
  FText->InvalidateOwner();
}
void TfcDisabledColors::SetShadeColor(TColor Value) {
  if (FShadeColor == Value) return;
  FShadeColor = Value;
  FText->InvalidateOwner();
}
void TfcDisabledColors::AssignTo(TPersistent* Dest) {
  auto* d = dynamic_cast<TfcDisabledColors*>(Dest);
  if (!d) return TPersistent::AssignTo(Dest);
  d->SetHighlightColor(FHighlightColor);
  d->SetShadeColor(FShadeColor);
}

// ---- the renderer's options ----

TfcText::TfcText(TfcTextCallbacks Callbacks, TCanvas* Canvas, TFont* Font)
    : FCallbacks(std::move(Callbacks)),
      FCanvas(Canvas),
      FFont(Font),
      FShadow(std::make_unique<TfcShadowEffects>(this)),
      FExtrudeEffects(std::make_unique<TfcExtrudeEffects>(this)),
      FDisabledColors(std::make_unique<TfcDisabledColors>(this)) {}

TfcText::~TfcText() = default;

void TfcText::Changed() {
  if (FCallbacks.Invalidate) FCallbacks.Invalidate();
}
void TfcText::AdjustBounds() {
  if (FCallbacks.AdjustBounds) FCallbacks.AdjustBounds();
}
void TfcText::InvalidateOwner() {
  if (FCallbacks.Invalidate) FCallbacks.Invalidate();
}

void TfcText::SetText(const String& Value) { FText = Value; }

void TfcText::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Changed();
}
void TfcText::SetVAlignment(TfcVAlignment Value) {
  if (FVAlignment == Value) return;
  FVAlignment = Value;
  Changed();
}
void TfcText::SetHighlightColor(TColor Value) {
  if (FHighlightColor == Value) return;
  FHighlightColor = Value;
  Changed();
}
void TfcText::SetShadeColor(TColor Value) {
  if (FShadeColor == Value) return;
  FShadeColor = Value;
  Changed();
}
void TfcText::SetOutlineColor(TColor Value) {
  if (FOutlineColor == Value) return;
  FOutlineColor = Value;
  Changed();
}
void TfcText::SetLineSpacing(int Value) {
  if (FLineSpacing == Value) return;
  FLineSpacing = Value;
  AdjustBounds();
  Changed();
}
void TfcText::SetStyle(TfcTextStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  AdjustBounds();
  Changed();
}
void TfcText::SetRotation(int Value) {
  Value = fcNormalizeRotation(Value);
  if (FRotation == Value) return;
  FRotation = Value;
  AdjustBounds();
  Changed();
}
void TfcText::SetOptions(TfcTextOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  uint32_t flags = FFlags;
  fcSetFlag(!Value.Contains(toShowAccel), flags, DT_NOPREFIX);
  fcSetFlag(Value.Contains(toShowEllipsis), flags, DT_END_ELLIPSIS);
  FFlags = flags;
  AdjustBounds();
  Changed();
}
void TfcText::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  uint32_t flags = FFlags;
  fcSetFlag(Value, flags, DT_WORDBREAK);
  FFlags = flags;
  Changed();
}

void TfcText::AssignTo(TPersistent* Dest) {
  auto* d = dynamic_cast<TfcText*>(Dest);
  if (!d) return TPersistent::AssignTo(Dest);
  d->SetAlignment(FAlignment);
  d->DisabledColors()->Assign(FDisabledColors.get());
  d->SetDoubleBuffered(FDoubleBuffered);
  d->SetWordWrap(FWordWrap);
  d->SetVAlignment(FVAlignment);
  d->ExtrudeEffects()->Assign(FExtrudeEffects.get());
  d->SetHighlightColor(FHighlightColor);
  d->SetLineSpacing(FLineSpacing);
  d->SetOptions(FOptions);
  d->SetOutlineColor(FOutlineColor);
  d->SetRotation(FRotation);
  d->SetShadeColor(FShadeColor);
  d->Shadow()->Assign(FShadow.get());
  d->SetStyle(FStyle);
  d->SetText(FText);
}

void TfcText::AssignFont(TFont* F) {
  FFont->SetStyle(F->Style());
  FFont->SetName(F->Name());
  FFont->SetSize(F->Size());
  FFont->SetColor(F->Color());
  FFont->SetHeight(F->Height());
  FFont->SetPitch(F->Pitch());
  FFont->SetCharset(F->Charset());
}

// ---- sizing ----

TfcEffectGeometry TfcText::Geometry() const {
  TfcEffectGeometry g;
  g.ExtrudeOn = FExtrudeEffects->Enabled();
  g.Depth = FExtrudeEffects->Depth();
  g.Orientation = FExtrudeEffects->Orientation();
  g.ShadowOn = FShadow->Enabled();
  g.ShadowX = FShadow->XOffset();
  g.ShadowY = FShadow->YOffset();
  g.Outline = FStyle == fclsOutline;
  g.Rotation = FRotation;
  return g;
}

TSize TfcText::CalcTextSize() {
  const String s = FOptions.Contains(toShowAccel) ? fcStripAmpersands(FText) : FText;
  const TfcEffectGeometry g = Geometry();
  const TPoint e = fcExtrudeOffset(g, false), sh = fcShadowOffset(g);
  TRect r = FTextRect;
  r.Right -= std::max(sh.X, e.X);
  r.Bottom -= std::max(sh.Y, e.Y);
  TSize size;
  fcMultiLineTextExtent(GetCanvas(), s, FLineSpacing, FWordWrap ? r.Width() : 0, FFlags, size);
  return TSize(size.cx + 1, size.cy);
}

TRect TfcText::CalcRect(bool Unclipped) { return fcTextPlace(Geometry(), FTextRect, CalcTextSize(), Unclipped); }

TRect TfcText::CalcRectWithFont(bool Unclipped) {
  // Measured in the shared font; the rotation changes where lines go, not
  // how long they are.
  GetCanvas()->SetFont(FFont);
  return CalcRect(Unclipped);
}
