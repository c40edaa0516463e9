// The fc combo button, its glyph with cached state images and the shared glyph cache.
#include "components/fccombobutton.h"

#include <commctrl.h>
#include <vssym32.h>

#include <algorithm>

#include "classlib/Messages.h"
#include "components/fcCommonDraw.h"

namespace {

// The cache is shared by every glyph: it lives while any glyph does, so one
// freed before it ever built an image cannot take it from the others.
TGlyphCache* GCache = nullptr;
int GGlyphCount = 0;
int GButtonCount = 0;

}  // namespace

TGlyphCache* fcGlyphCache() { return GCache; }

// ---- glyph list and cache ----

TGlyphList::TGlyphList(int AWidth, int AHeight) : TImageList(nullptr, AWidth, AHeight) {}

int TGlyphList::AddImage(TBitmap* Image, TColor MaskColor) {
  const auto free = std::find(FUsed.begin(), FUsed.end(), false);
  const int slot = static_cast<int>(free - FUsed.begin());
  const int added = AddMasked(Image, MaskColor);
  if (added < 0) return -1;
  if (free == FUsed.end()) {
    FUsed.push_back(true);
  } else {
    // Into the freed slot: the new image moves there and the extra one goes.
    ImageList_Copy(Handle(), slot, Handle(), added, ILCF_MOVE);
    Delete(added);
    *free = true;
  }
  ++FCount;
  return slot;
}

void TGlyphList::FreeSlot(int Index) {
  if (Index < 0 || Index >= static_cast<int>(FUsed.size()) || !FUsed[Index]) return;
  FUsed[Index] = false;
  --FCount;
}

TGlyphList* TGlyphCache::ListFor(int AWidth, int AHeight) {
  for (auto it = FLists.rbegin(); it != FLists.rend(); ++it)
    if ((*it)->Width() == AWidth && (*it)->Height() == AHeight) return it->get();
  FLists.push_back(std::make_unique<TGlyphList>(AWidth, AHeight));
  return FLists.back().get();
}

void TGlyphCache::ReleaseList(TGlyphList* List) {
  if (!List || List->UsedCount() != 0) return;
  FLists.erase(std::remove_if(FLists.begin(), FLists.end(), [&](const auto& l) { return l.get() == List; }),
               FLists.end());
}

// ---- glyph ----

TfcComboButtonGlyph::TfcComboButtonGlyph(TfcComboButton* Owner) : FOwner(Owner) {
  if (GGlyphCount++ == 0) GCache = new TGlyphCache;
  FSource.OnChange = [this](TObject*) {
    Invalidate();
    if (!FSource.Empty()) FTransparentColor = FSource.TransparentColor();
    FOwner->Invalidate();
  };
}

TfcComboButtonGlyph::~TfcComboButtonGlyph() {
  FSource.OnChange = nullptr;
  Invalidate();
  if (--GGlyphCount == 0) {
    delete GCache;
    GCache = nullptr;
  }
}

void TfcComboButtonGlyph::Invalidate() {
  for (int& i : FIndexes) {
    if (i >= 0 && FList) FList->FreeSlot(i);
    i = -1;
  }
  if (FList && GCache) GCache->ReleaseList(FList);
  FList = nullptr;
}

void TfcComboButtonGlyph::AssignSource(TBitmap* Bitmap) {
  Invalidate();
  FSource.Assign(Bitmap);
  if (Bitmap && Bitmap->Height() > 0) {
    FTransparentColor = Bitmap->TransparentColor();
    FNumGlyphs = NumGlyphsOf(Bitmap->Width(), Bitmap->Height(), FNumGlyphs);
  }
}

void TfcComboButtonGlyph::ChangeGlyphCount(int Value) {
  Value = std::min(Value, 4);
  if (Value <= 0 || Value == FNumGlyphs) return;
  Invalidate();
  FNumGlyphs = Value;
}

int TfcComboButtonGlyph::ImageIndexFor(TButtonState State) {
  if (State == bsExclusive && FNumGlyphs < 3) State = bsUp;
  if (FIndexes[State] >= 0) return FIndexes[State];
  if (FSource.Empty()) return -1;
  const int w = FSource.Width() / FNumGlyphs, h = FSource.Height();
  if (w <= 0 || h <= 0) return -1;
  if (!FList) FList = GCache->ListFor(w, h);
  TBitmap cell;
  cell.SetSize(w, h);
  cell.Canvas()->Brush()->SetColor(clBtnFace);
  cell.Canvas()->FillRect(TRect(0, 0, w, h));
  const int index = State < FNumGlyphs ? static_cast<int>(State) : 0;
  cell.Canvas()->CopyRect(TRect(0, 0, w, h), FSource.Canvas(), TRect(index * w, 0, (index + 1) * w, h));
  if (State == bsDisabled && FNumGlyphs < 2) {
    std::unique_ptr<TBitmap> engraved(
        CreateDisabledBitmap(&cell, clBlack, clBtnFace, clBtnHighlight, clBtnShadow, true));
    FIndexes[State] = FList->AddImage(engraved.get(), clBtnFace);
  } else {
    const bool fixed = FSource.TransparentMode() == tmFixed;
    FIndexes[State] = FList->AddImage(&cell, fixed ? FTransparentColor : cell.Canvas()->Pixels(0, h - 1));
  }
  return FIndexes[State];
}

// ---- button ----

int TfcComboButton::ButtonCount() { return GButtonCount; }

TfcComboButton::TfcComboButton(TComponent* AOwner)
    : TSpeedButton(AOwner), FGlyphObj(std::make_unique<TfcComboButtonGlyph>(this)) {
  SetBounds(0, 0, 23, 22);
  SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks});
  SetParentFont(true);
  SetColor(clBtnFace);
  SetTransparent(true);
  ++GButtonCount;
}

TfcComboButton::~TfcComboButton() {
  FGlyphObj.reset();
  --GButtonCount;
}

void TfcComboButton::Loaded() {
  TSpeedButton::Loaded();
  FGlyphObj->ImageIndexFor(Enabled() ? bsUp : bsDisabled);
}

void TfcComboButton::SetGlyph(TBitmap* Value) {
  FGlyphObj->AssignSource(Value);
  Invalidate();
}

void TfcComboButton::SetNumGlyphs(TNumGlyphs Value) {
  FGlyphObj->ChangeGlyphCount(Value);
  Invalidate();
}

void TfcComboButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      FMouseInControl = true;
      break;
    case CM_MOUSELEAVE:
      FMouseInControl = false;
      break;
    case CM_SYSCOLORCHANGE:
      FGlyphObj->Invalidate();
      break;
  }
  TSpeedButton::Dispatch(Message);
}

void TfcComboButton::PaintFace(TCanvas* Canvas, const TRect& Client, const TPoint& Offset) {
  Canvas->SetFont(Font());
  const TSize textSize = MeasureButtonCaption(Canvas, Caption(), Client.Width());
  const int index = FGlyphObj->ImageIndexFor(FState);
  TGlyphList* list = FGlyphObj->List();
  const TSize glyphSize = index >= 0 ? TSize(list->Width(), list->Height()) : TSize();
  TPoint glyphPos;
  TRect textBounds;
  // Read from the right, the glyph goes to the other side of the text.
  TButtonLayout layout = FLayout;
  if (UseRightToLeftReading() && (layout == blGlyphLeft || layout == blGlyphRight))
    layout = layout == blGlyphLeft ? blGlyphRight : blGlyphLeft;
  CalcGlyphLayout(Client, Offset, layout, FMargin, FSpacing, glyphSize, textSize, glyphPos, textBounds);
  if (index >= 0) ImageList_Draw(list->Handle(), index, Canvas->Handle(), glyphPos.X, glyphPos.Y, ILD_TRANSPARENT);
  DrawButtonCaption(Canvas, Caption(), textBounds, FState == bsDisabled, Font()->Color(),
                    DrawTextBiDiModeFlagsReadingOnly());
}

bool TfcComboButton::ThemesInForce() { return fcUseThemes(this); }

void TfcComboButton::PaintThemedContent(const TRect& Content) { PaintFace(Canvas(), Content, TPoint()); }

bool TfcComboButton::PaintThemed() {
  // Drawn from the theme's data; the parent has erased the background
  // already, so the element's corners show what lies behind.
  if (!Parent() || !Parent()->HandleAllocated()) return false;
  HDC dc = Canvas()->Handle();
  const bool pressed = FState == bsDown || FState == bsExclusive;
  const TRect client = ClientRect();
  if (FEllipsis) {
    const int state = pressed ? TS_PRESSED : FMouseInControl ? TS_HOT : TS_NORMAL;
    if (!fcDrawThemePart(L"TOOLBAR", TP_BUTTON, state, dc, client)) return false;
    const int side = std::max(1, client.Width() / 8);
    fcDrawThreeDots(dc, client.Left + (client.Width() - side) / 2, client.Top + (client.Height() - side) / 2, side);
    return true;
  }
  const int state = FState == bsDisabled ? PBS_DISABLED : pressed ? PBS_PRESSED : FMouseInControl ? PBS_HOT : PBS_NORMAL;
  // Inside a control (a combo's button holder) the element reaches one pixel
  // past the top, the bottom and the right, so that its rounded edge sits
  // against the control's border; in a grid or standing alone it only reaches
  // one pixel down.
  TControl* outer = Parent()->Parent() ? Parent()->Parent()->Parent() : nullptr;
  const TRect element = outer && !fcIsClassByName(outer, L"TCustomGrid")
                            ? TRect(client.Left + 1, client.Top - 1, client.Right + 1, client.Bottom + 1)
                            : TRect(client.Left, client.Top, client.Right, client.Bottom + 1);
  TRect content;
  if (!fcDrawThemePart(L"BUTTON", BP_PUSHBUTTON, state, dc, element, &content)) return false;
  PaintThemedContent(content);
  return true;
}

void TfcComboButton::Paint() {
  RepairState();
  if (ThemesInForce() && PaintThemed()) return;
  TCanvas* canvas = Canvas();
  TRect face = ClientRect();
  HDC dc = canvas->Handle();
  const bool pressed = FState == bsDown || FState == bsExclusive;
  if (!FFlat) {
    RECT r = {face.Left, face.Top, face.Right, face.Bottom};
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    face = TRect(r.left, r.top, r.right, r.bottom);
  } else {
    const bool framed = pressed || (FMouseInControl && FState != bsDisabled) || ComponentState().Contains(csDesigning);
    if (framed) {
      RECT r = {face.Left, face.Top, face.Right, face.Bottom};
      DrawEdge(dc, &r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | (FTransparent ? 0 : BF_MIDDLE));
    } else if (!FTransparent) {
      canvas->Brush()->SetColor(Color());
      canvas->FillRect(face);
    }
    face = TRect(face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1);
  }
  if (FState == bsExclusive && !(FFlat && FMouseInControl)) {
    // The checker of a button held down in a group.
    const WORD bits[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, bits);
    HBRUSH brush = CreatePatternBrush(pattern);
    const COLORREF oldText = SetTextColor(dc, ColorToRGB(clBtnFace));
    const COLORREF oldBk = SetBkColor(dc, ColorToRGB(clBtnHighlight));
    RECT r = {face.Left, face.Top, face.Right, face.Bottom};
    FillRect(dc, &r, brush);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
    DeleteObject(brush);
    DeleteObject(pattern);
  }
  PaintFace(canvas, face, pressed ? TPoint(1, 1) : TPoint());
}
