// TspSkinMenuItem: one entry of a skin-menu level, its highlight state and
// animation, and its painting from the "menuitem" record or in the plain look.
#include <algorithm>

#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_platform.h"
#include "skin/SPUtils_text.h"
#include "skinctrls/SkinMenus.h"

namespace {

constexpr TColor kHotFrame = 0x800000;
constexpr TColor kHotFill = 0xD2BDB6;

// The caption-button glyph of a form-button entry, by the item's name.
bool DrawFormButtonGlyph(TCanvas* C, const String& Name, int X, int Y, TColor Color) {
  if (Name == L"DSF_CLOSE" || Name == L"TRAY_DSF_CLOSE") DrawCloseGlyph(C, X, Y, Color);
  else if (Name == L"DSF_MINITEM") DrawMinimizeGlyph(C, X, Y, Color);
  else if (Name == L"DSF_MAXITEM") DrawMaximizeGlyph(C, X, Y, Color);
  else if (Name == L"DSF_RESTORE" || Name == L"TRAY_DSF_RESTORE") DrawRestoreGlyph(C, X, Y, Color);
  else if (Name == L"DSF_ROLLUP") DrawTriangleGlyph(C, X, Y, Color);
  else if (Name == L"DSF_MINTOTRAY") DrawSquareGlyph(C, X, Y, Color);
  else return false;
  return true;
}

// The flags that centre a caption, read in the reading order of the menu's form.
UINT CaptionFlags(const TspSkinMenuItem* Item) {
  const UINT centred = DT_CENTER | DT_VCENTER;
  TCustomForm* form = Item->Parent->SkinMenu()->Form();
  return form ? form->DrawTextBiDiModeFlags(centred) : centred;
}

// Caption at the left of Box (after Indent), vertically centred, and the
// short-cut text right-aligned to Box.Right; both end RightMargin short of it.
void DrawCaptionAndShortCut(TCanvas* C, TMenuItem* Item, const TRect& Box, int Indent, int RightMargin,
                            UINT CaptionFlags) {
  TRect r(Box.Left + Indent, 0, Box.Right - RightMargin, 0);
  DrawWideText(C, Item->Caption(), r, DT_CALCRECT);
  const int h = r.Height();
  r = TRect(r.Left, Box.Top + (Box.Height() - h) / 2, r.Right + 2, Box.Top + (Box.Height() - h) / 2 + h);
  DrawWideText(C, Item->Caption(), r, CaptionFlags);
  if (!Item->ShortCut()) return;
  const String sc = ShortCutToText(Item->ShortCut());
  TRect m(0, 0, 0, 0);
  DrawWideText(C, sc, m, DT_CALCRECT);
  TRect s(Box.Right - RightMargin - m.Width(), r.Top, Box.Right - RightMargin, r.Bottom);
  DrawWideText(C, sc, s, DT_CENTER | DT_VCENTER);
}

// Src of Pict, transparent, centred in Target but never left of or above it.
void DrawPictureImage(TCanvas* C, TBitmap* Pict, const TRect& Src, const TRect& Target) {
  if (!Pict || IsNullRect(Src)) return;
  TBitmap b;
  b.SetSize(Src.Width(), Src.Height());
  b.Canvas()->CopyRect(TRect(0, 0, Src.Width(), Src.Height()), Pict->Canvas(), Src);
  b.SetTransparent(true);
  const int x = std::max(Target.Left, Target.Left + (Target.Width() - Src.Width()) / 2);
  const int y = std::max(Target.Top, Target.Top + (Target.Height() - Src.Height()) / 2);
  C->Draw(x, y, &b);
}

}  // namespace

TBitmap* ActivePictureOf(TspSkinData* SkinData, int Index) {
  return SkinData ? SkinData->ActivePicture(Index) : nullptr;
}

void SetWindowRegionCopy(HWND Window, HRGN& Kept, HRGN Rgn) {
  HRGN copy = nullptr;
  if (Rgn) {
    copy = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(copy, Rgn, nullptr, RGN_COPY);
  }
  if (Window) SetWindowRgn(Window, copy, TRUE);
  else if (copy) DeleteObject(copy);
  if (Kept && Kept != Rgn) DeleteObject(Kept);
  Kept = Rgn;
}

void DrawSubMenuArrow(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int i = 0; i <= 3; ++i) {
    Canvas->MoveTo(X + i, Y + i);
    Canvas->LineTo(X + i, Y + 7 - i);
  }
}

void DrawRadioDot(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->Ellipse(X, Y, X + 6, Y + 6);
}

TspSkinMenuItem::TspSkinMenuItem(TspSkinPopupWindow* AParent, TspDataSkinMenuItem* AItemData, TMenuItem* AMenuItem)
    : Parent(AParent), ItemData(AItemData), MenuItem(AMenuItem) {
  // The level hands an item record only with its picture.
  if (ItemData) Picture = ActivePictureOf(Parent->SkinData(), ItemData->ActivePictureIndex);
}

void TspSkinMenuItem::BeforeDestruction() { Parent->SkinMenu()->CancelPendingItem(this); }

bool TspSkinMenuItem::CanAnimate() const {
  TspSkinData* sd = Parent->SkinData();
  return ItemData && !IsNullRect(ItemData->AnimateSkinRect) && ItemData->FrameCount > 0 && sd && !sd->Empty() &&
         sd->EnableSkinEffects();
}

bool TspSkinMenuItem::CanMorph() const {
  TspSkinData* sd = Parent->SkinData();
  return ItemData && ItemData->Morphing && sd && sd->EnableSkinEffects();
}

bool TspSkinMenuItem::MorphRunning() {
  if (!InView) {
    if (MorphFactor != 0) {
      Active = SubMenuOpened = false;
      MorphFactor = 0;
    }
    return false;
  }
  return ((Active || SubMenuOpened) && MorphFactor < 1) || (!Active && !SubMenuOpened && MorphFactor > 0);
}

// ---------------------------------------------------------------------------
// State

void TspSkinMenuItem::Enter(bool FromKeyboard) {
  Active = true;
  if (CanAnimate()) FrameIndex = 0;
  for (int i = 0; i < Parent->ItemCount(); ++i) {
    TspSkinMenuItem* other = Parent->Items(i);
    if (other == this || !other->SubMenuOpened) continue;
    other->SubMenuOpened = false;
    other->Redraw();
  }
  TspSkinMenu* menu = Parent->SkinMenu();
  if (SelectedByPopup && !FromKeyboard) {
    Redraw();
  } else if (SubMenuOpened) {
    const int level = menu->LevelIndexOf(Parent);
    if (level + 2 < menu->LevelCount()) menu->Level(level + 1)->CloseSubLevels();
    return;
  } else {
    Redraw();
    menu->ActivateMenuItem(Parent, this, false, FromKeyboard);
  }
  if (Parent->Hint() != MenuItem->Hint()) Parent->SetHint(MenuItem->Hint());
}

void TspSkinMenuItem::Leave() {
  SelectedByPopup = false;
  Active = false;
  if (CanAnimate()) FrameIndex = ItemData->FrameCount + 1;
  if (!SubMenuOpened) Redraw();
  Parent->SkinMenu()->CancelPendingItem(this);
}

void TspSkinMenuItem::Click() {
  SelectedByPopup = false;
  if (!SubMenuOpened && MenuItem->Enabled()) Parent->SkinMenu()->ActivateMenuItem(Parent, this, true, false);
}

void TspSkinMenuItem::Redraw() {
  TTimer* timer = Parent->MorphTimer();
  if (CanAnimate()) {
    if (ItemData->AnimateInterval >= 0 && timer->Interval() != static_cast<uint32_t>(ItemData->AnimateInterval))
      timer->SetInterval(ItemData->AnimateInterval);
    if (!ItemData->InActiveAnimation && !Active) {
      FrameIndex = 0;
      if (Parent->HandleAllocated() && Parent->Visible()) Draw(Parent->Canvas());
    } else {
      timer->SetEnabled(true);
    }
  } else if (CanMorph()) {
    if (timer->Interval() != 20) timer->SetInterval(20);
    timer->SetEnabled(true);
  } else if (Parent->HandleAllocated() && Parent->Visible()) {
    Draw(Parent->Canvas());
  }
}

bool TspSkinMenuItem::AnimationStep() {
  bool stepped = false;
  if (CanMorph() && MorphRunning()) {
    MorphFactor = std::clamp(MorphFactor + ((Active || SubMenuOpened) ? 0.2 : -0.2), 0.0, 1.0);
    stepped = true;
  } else if (CanAnimate()) {
    if (Active && FrameIndex <= ItemData->FrameCount) ++FrameIndex, stepped = true;
    else if (!Active && FrameIndex >= 1) --FrameIndex, stepped = true;
  }
  if (stepped && Parent->HandleAllocated() && Parent->Visible()) Draw(Parent->Canvas());
  return stepped;
}

// ---------------------------------------------------------------------------
// Painting

void TspSkinMenuItem::Draw(TCanvas* Canvas) {
  if (!InView || ItemRect.Width() <= 0 || ItemRect.Height() <= 0) return;
  TBitmap b;
  b.SetSize(ItemRect.Width(), ItemRect.Height());
  if (!ItemData) {
    DrawDefault(&b);
  } else if (IsSeparator()) {
    if (Picture && !IsNullRect(ItemData->DividerRect))
      CreateHSkinImage(ItemData->DividerLeftOffset, ItemData->DividerRightOffset, &b, Picture, ItemData->DividerRect,
                       b.Width(), b.Height(), ItemData->DividerStretchEffect);
  } else {
    const bool highlighted = Active || SubMenuOpened;
    if (CanAnimate() && FrameIndex >= 1 && FrameIndex <= ItemData->FrameCount) {
      const TRect frame = ItemData->AnimationFrame(FrameIndex);
      DrawLook(&b, true, &frame);
    } else if (CanMorph() && ((highlighted && MorphFactor < 1) || (!highlighted && MorphFactor > 0))) {
      TBitmap normal, hot;
      normal.SetSize(b.Width(), b.Height());
      hot.SetSize(b.Width(), b.Height());
      DrawLook(&normal, false, nullptr);
      if (BeingFreed()) return;
      DrawLook(&hot, true, nullptr);
      TspEffectBmp e1(normal.Handle()), e2(hot.Handle());
      switch (ItemData->MorphKind) {
        case 1: e1.MorphGrad(&e2, MorphFactor); break;
        case 2: e1.MorphLeftGrad(&e2, MorphFactor); break;
        case 3: e1.MorphRightGrad(&e2, MorphFactor); break;
        case 4: e1.MorphLeftSlide(&e2, MorphFactor); break;
        case 5: e1.MorphRightSlide(&e2, MorphFactor); break;
        case 6: e1.MorphPush(&e2, MorphFactor); break;
        default: e1.Morph(&e2, MorphFactor); break;
      }
      e1.Draw(b.Canvas()->Handle(), 0, 0);
    } else {
      DrawLook(&b, highlighted, nullptr);
    }
  }
  // A draw handler may have freed the entry with its window (a closed menu,
  // a freed form, a skin switch): its window shows nothing of it any more.
  if (BeingFreed()) return;
  PutOnCanvas(Canvas, &b);
}

void TspSkinMenuItem::PutOnCanvas(TCanvas* Canvas, TBitmap* B) {
  if (Parent->AlphaBlend() && Parent->ScreenEffect() && !IsWindows2000OrLater()) {
    TspEffectBmp own(B->Handle());
    own.MorphRect(Parent->ScreenEffect(), TRect(0, 0, B->Width(), B->Height()), ItemRect.Left, ItemRect.Top,
                  1 - Parent->AlphaBlendValue() / 255.0);
    own.Draw(B->Canvas()->Handle(), 0, 0);
  }
  Canvas->Draw(ItemRect.Left, ItemRect.Top, B);
}

bool TspSkinMenuItem::DrawImage(TCanvas* C, const TRect& TR, bool Highlighted, TColor FrameColor, bool Skinned) {
  TCustomImageList* images = Parent->Images();
  const bool own = MenuItem->HasBitmap();
  const int index = MenuItem->ImageIndex();
  if (!own && !(images && index >= 0 && index < images->Count())) return false;
  const int w = own ? MenuItem->Bitmap()->Width() : images->Width();
  const int h = own ? MenuItem->Bitmap()->Height() : images->Height();
  int x = TR.Left + 2, y = TR.Top + (TR.Height() - h) / 2;
  if (Skinned && !IsNullRect(ItemData->ImageRect)) {
    const TRect& ir = ItemData->ImageRect;
    x = ir.Left + (ir.Width() - w) / 2;
    y = ir.Top + (ir.Height() - h) / 2;
  }
  if (MenuItem->Checked()) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FrameColor);
    C->FrameRect(TRect(x - 1, y - 1, x + w + 1, y + h + 1));
  }
  if (own) C->Draw(x, y, MenuItem->Bitmap());
  else images->Draw(C, x, y, index, MenuItem->Enabled());
  (void)Highlighted;
  return true;
}

void TspSkinMenuItem::DrawMark(TCanvas* C, const TRect& TR, int, bool Highlighted, TColor Color) {
  const TRect& ir = ItemData->ImageRect;
  TPoint p(TR.Left + 2, TR.Top + TR.Height() / 2 - 4);
  if (!IsNullRect(ir)) p = TPoint(ir.Left + ir.Width() / 2 - 4, ir.Top + ir.Height() / 2 - 4);
  if (DrawFormButtonGlyph(C, MenuItem->Name(), p.X, p.Y, Color) || !MenuItem->Checked()) return;
  const TRect& tr = ItemData->TextRect;
  const TRect box = !IsNullRect(ir) ? ir : TRect(tr.Left + 2, tr.Top, tr.Left + 16, tr.Bottom);
  if (MenuItem->RadioItem()) {
    if (IsNullRect(ItemData->RadioImageRect)) DrawRadioDot(C, p.X, p.Y + 1, Color);
    else DrawPictureImage(C, Picture, Highlighted ? ItemData->ActiveRadioImageRect : ItemData->RadioImageRect, box);
  } else {
    if (IsNullRect(ItemData->CheckImageRect)) DrawCheckMark(C, p.X, p.Y, Color);
    else DrawPictureImage(C, Picture, Highlighted ? ItemData->ActiveCheckImageRect : ItemData->CheckImageRect, box);
  }
}

void TspSkinMenuItem::DrawLook(TBitmap* B, bool Highlighted, const TRect* Frame) {
  const TspDataSkinMenuItem& d = *ItemData;
  const int w = B->Width(), h = B->Height();
  TCanvas* c = B->Canvas();
  const TRect src = Frame ? *Frame : (Highlighted ? d.ActiveSkinRect : d.SkinRect);
  const bool stretch = Highlighted ? d.StretchEffect : (Frame && !d.InActiveStretchEffect ? d.StretchEffect
                                                                                         : d.InActiveStretchEffect);
  TBitmap* background = Parent->BackgroundBitmap();
  if (!Highlighted && d.InActiveTransparent && background) {
    c->CopyRect(TRect(0, 0, w, h), background->Canvas(), ItemRect);
  } else if (Picture && !IsNullRect(src)) {
    CreateHSkinImage(d.ItemLeftOffset, d.ItemRightOffset, B, Picture, src, w, h, stretch);
    c = B->Canvas();
  }
  TRect tr = d.TextRect;
  tr.Right = w - (d.SkinRect.Width() - d.TextRect.Right);
  const int column = !IsNullRect(d.ImageRect) ? 0 : (Parent->Images() ? Parent->ImageColumnWidth() : 16);
  c->Brush()->SetStyle(bsClear);
  TFont* def = Parent->SkinMenu()->DefMenuItemFont();
  if (Parent->SkinMenu()->UseSkinFont) {
    c->Font()->SetName(d.FontName);
    c->Font()->SetStyle(d.FontStyle);
    c->Font()->SetHeight(d.FontHeight);
    c->Font()->SetCharset(def->Charset());
  } else {
    c->Font()->Assign(def);
  }
  TspSkinData* sd = Parent->SkinData();
  if (sd && sd->ResourceStrData()) c->Font()->SetCharset(sd->ResourceStrData()->CharSet());
  TColor color = Highlighted ? d.ActiveFontColor : (MenuItem->Enabled() ? d.FontColor : d.UnEnabledFontColor);
  c->Font()->SetColor(color);
  if (MenuItem->OnDrawItem) {
    MenuItem->OnDrawItem(this, c, tr, Highlighted);
    return;
  }
  const String& caption = MenuItem->Caption();
  if (!MenuItem->Enabled() && caption.size() >= 2 && caption.front() == L'-' && caption.back() == L'-') {
    DrawHeader(B, c);
    return;
  }
  DrawCaptionAndShortCut(c, MenuItem, tr, column, 16, CaptionFlags(this));
  if (HasChildren()) {
    if (IsNullRect(d.ArrowImageRect)) {
      DrawSubMenuArrow(c, tr.Right - 7, tr.Top + tr.Height() / 2 - 4, color);
    } else {
      const TRect& ar = Highlighted && !IsNullRect(d.ActiveArrowImageRect) ? d.ActiveArrowImageRect : d.ArrowImageRect;
      DrawPictureImage(c, Picture, ar, TRect(tr.Right - ar.Width() - 5, tr.Top, tr.Right, tr.Bottom));
    }
  }
  if (d.UseImageColor) color = Highlighted ? d.ActiveImageColor : d.ImageColor;
  if (!DrawImage(c, tr, Highlighted, color, true)) DrawMark(c, tr, column, Highlighted, color);
}

void TspSkinMenuItem::DrawHeader(TBitmap* B, TCanvas* C) {
  TspSkinData* sd = Parent->SkinData();
  auto* record = sd->ControlRecord<TspDataSkinLabelControl>(L"menuheader");
  if (!record) record = sd->ControlRecord<TspDataSkinLabelControl>(L"label");
  TBitmap* pict = record ? ActivePictureOf(sd, record->PictureIndex) : nullptr;
  if (!record || !pict) return;
  TBitmap header;
  CreateHSkinImage(record->LTPoint.X, record->SkinRect.Width() - record->RTPoint.X, &header, pict, record->SkinRect,
                   B->Width(), record->SkinRect.Height(), record->StretchEffect);
  TCanvas* hc = header.Canvas();
  hc->Brush()->SetStyle(bsClear);
  hc->Font()->SetName(record->FontName);
  hc->Font()->SetHeight(record->FontHeight);
  hc->Font()->SetCharset(C->Font()->Charset());
  hc->Font()->SetColor(record->FontColor);
  const String& caption = MenuItem->Caption();
  TRect r(0, record->ClRect.Top, header.Width(), header.Height());
  DrawWideText(hc, caption.substr(1, caption.size() - 2), r, CaptionFlags(this) | DT_SINGLELINE);
  C->Draw(0, (B->Height() - header.Height()) / 2, &header);
}

void TspSkinMenuItem::DrawDefault(TBitmap* B) {
  const int w = B->Width(), h = B->Height();
  TCanvas* c = B->Canvas();
  TspSkinMenu* menu = Parent->SkinMenu();
  c->Font()->Assign(menu->DefMenuItemFont());
  if (menu->SkinData() && menu->SkinData()->ResourceStrData())
    c->Font()->SetCharset(menu->SkinData()->ResourceStrData()->CharSet());
  const int column = Parent->Images() ? Parent->ImageColumnWidth() : 19;
  const bool highlighted = (Active || SubMenuOpened) && !IsSeparator();
  TColor color;
  c->Brush()->SetStyle(bsSolid);
  if (highlighted) {
    c->Brush()->SetColor(kHotFrame);
    c->FrameRect(TRect(0, 0, w, h));
    c->Brush()->SetColor(kHotFill);
    c->FillRect(TRect(1, 1, w - 1, h - 1));
    color = clWindowText;
  } else {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect(0, 0, column, h));
    c->Brush()->SetColor(clWindow);
    c->FillRect(TRect(column, 0, w, h));
    color = MenuItem->Enabled() ? clWindowText : clBtnShadow;
  }
  if (IsSeparator()) {
    c->Brush()->SetColor(clBtnShadow);
    c->FillRect(TRect(column, h / 2, w, h / 2 + 1));
    return;
  }
  c->Font()->SetColor(color);
  c->Brush()->SetStyle(bsClear);
  const TRect r(2, 2, w - 2, h - 2);
  DrawCaptionAndShortCut(c, MenuItem, r, column, 19, CaptionFlags(this));
  const int middle = r.Top + r.Height() / 2;
  if (HasChildren()) DrawSubMenuArrow(c, r.Right - 7, middle - 4, color);
  if (DrawImage(c, r, highlighted, color, false)) return;
  if (DrawFormButtonGlyph(c, MenuItem->Name(), r.Left + 2, middle - 4, color) || !MenuItem->Checked()) return;
  if (MenuItem->RadioItem()) DrawRadioDot(c, r.Left + 3, middle - 3, color);
  else DrawCheckMark(c, r.Left + 3, middle - 4, color);
}
