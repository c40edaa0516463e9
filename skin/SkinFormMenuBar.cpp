// The main menu bar in the skinned frame: the room it takes above the client,
// its items' places, drawing (the skin's bar and bar-item records, or the
// skin colours), hot tracking, accelerators and opening an item's menu.
#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_geometry.h"
#include "skin/SPUtils_text.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinForm.h"

namespace {

constexpr int kItemPadding = 8;  // text to item edge, each side

TBitmap* PictureOf(TspSkinData* Skin, int Index) {
  if (!Skin || Index < 0 || Index >= Skin->ActivePictures.Count()) return nullptr;
  TBitmap* b = Skin->ActivePictures[Index];
  return b && !b->Empty() ? b : nullptr;
}

// The bar's visible items: hidden ones take no place.
std::vector<TMenuItem*> BarItems(const TCustomForm* Form) {
  std::vector<TMenuItem*> items;
  if (!Form || !Form->Menu()) return items;
  TMenuItem* root = Form->Menu()->Items();
  for (int i = 0; i < root->Count(); ++i)
    if (root->Items(i)->Visible()) items.push_back(root->Items(i));
  return items;
}

// The caption as shown: "&x" is x, "&&" one ampersand.
String ShownCaption(const String& Caption) {
  String text;
  for (size_t i = 0; i < Caption.size(); ++i) {
    if (Caption[i] == L'&' && i + 1 < Caption.size()) ++i;
    text += Caption[i];
  }
  return text;
}

// The bar item record's font, or the form's without one.
void SetBarFont(TCanvas* Canvas, const TspDataSkinMainMenuItem* Data, TFont* FormFont) {
  if (!Data) {
    Canvas->Font()->Assign(FormFont);
    return;
  }
  Canvas->Font()->SetName(Data->FontName);
  Canvas->Font()->SetHeight(Data->FontHeight);
  Canvas->Font()->SetStyle(Data->FontStyle);
}

}  // namespace

TspDataSkinMainMenuBar* TspSkinForm::MenuBarData() const {
  if (!FSkinData || FSkinData->Empty()) return nullptr;
  return FSkinData->ControlRecord<TspDataSkinMainMenuBar>(L"mainmenubar");
}

TBitmap* TspSkinForm::MenuBarPicture() const {
  TspDataSkinMainMenuBar* bar = MenuBarData();
  return bar ? PictureOf(FSkinData, bar->PictureIndex) : nullptr;
}

bool TspSkinForm::HasMenuBar() const {
  return FFrameOn && !FRollUp && !IsNullRect(FMainMenuRect) && (!BarItems(FForm).empty() || MaximizedMDIChild());
}

int TspSkinForm::MenuBarHeight() const { return HasMenuBar() ? FMainMenuRect.Height() : 0; }

TRect TspSkinForm::ClientArea(int W, int H) const {
  TRect c = FrameClientRect(FMetrics, W, H, FRollUp);
  c.Top = IntMin(c.Top + MenuBarHeight(), c.Bottom);
  return c;
}

int TspSkinForm::MenuBarItemCount() const { return static_cast<int>(BarItems(FForm).size()); }

TMenuItem* TspSkinForm::MenuBarItem(int Index) const {
  const std::vector<TMenuItem*> items = BarItems(FForm);
  return Index >= 0 && Index < static_cast<int>(items.size()) ? items[Index] : nullptr;
}

void TspSkinForm::UpdateMenuBar() {
  FMenuBarHot = FMenuBarDown = -1;
  FMenuBarItems.clear();
  if (!FFrameOn || !FForm || !FForm->HandleAllocated()) return;
  SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateFrame();
}

TspDataSkinMainMenuItem* TspSkinForm::MenuBarItemData() const {
  if (!FSkinData || FSkinData->Empty()) return nullptr;
  TspDataSkinMainMenuBar* bar = MenuBarData();
  for (int i = 0; i < FSkinData->ObjectList.Count(); ++i) {
    auto* data = dynamic_cast<TspDataSkinMainMenuBarItem*>(FSkinData->ObjectList[i]);
    if (data && (!bar || bar->MenuBarItem.empty() || data->IDName == bar->MenuBarItem)) return data;
  }
  return nullptr;
}

void TspSkinForm::LayoutMenuBar() {
  FMenuBarItems.clear();
  if (!HasMenuBar()) return;
  const TRect bar = MainMenuBarRect();
  TBitmap measure;
  measure.SetSize(1, 1);
  TCanvas* c = measure.Canvas();
  SetBarFont(c, MenuBarItemData(), FForm->Font());
  // The items start right of a maximized child's system-menu button.
  const TRect sysMenu = MDIChildButtonRect(3);
  int x = sysMenu.IsEmpty() ? bar.Left + 2 : sysMenu.Right + 2;
  for (TMenuItem* item : BarItems(FForm)) {
    const int w = WideTextWidth(c, ShownCaption(item->Caption())) + 2 * kItemPadding;
    FMenuBarItems.emplace_back(x, bar.Top, x + w, bar.Bottom);
    x += w;
  }
}

TRect TspSkinForm::MenuBarItemRect(int Index) {
  LayoutMenuBar();
  return Index >= 0 && Index < static_cast<int>(FMenuBarItems.size()) ? FMenuBarItems[Index] : NullRect();
}

int TspSkinForm::MenuBarItemAt(const TPoint& WindowPoint) {
  LayoutMenuBar();
  for (size_t i = 0; i < FMenuBarItems.size(); ++i)
    if (FMenuBarItems[i].Contains(WindowPoint)) return static_cast<int>(i);
  return -1;
}

int TspSkinForm::MenuBarAccelItem(wchar_t Char) const {
  if (!Char) return -1;
  const std::vector<TMenuItem*> items = BarItems(FForm);
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i]->Enabled() && IsAccel(Char, items[i]->Caption())) return static_cast<int>(i);
  return -1;
}

void TspSkinForm::SetMenuBarHot(int Index) {
  if (Index == FMenuBarHot) return;
  FMenuBarHot = Index;
  RepaintMenuBar();
}

void TspSkinForm::RepaintMenuBar() {
  if (!HasMenuBar()) return;
  const TRect bar = MainMenuBarRect();
  PaintFrame(&bar);
}

void TspSkinForm::PopupMenuBarItem(int Index) {
  TMenuItem* item = MenuBarItem(Index);
  if (!item || !FForm || !FForm->HandleAllocated()) return;
  if (!item->Enabled()) return;
  if (item->Count() == 0) {
    // A bar item without a menu is a command of its own.
    if (FMenuLink && FMenuLink->MenuVisible()) FMenuLink->CloseSkinMenu();
    if (FInMenuLoop) EndMenuLoop();
    item->Click();
    return;
  }
  if (!FMenuLink) return;
  const TRect r = MenuBarItemRect(Index);
  RECT w = {};
  GetWindowRect(FForm->Handle(), &w);
  FMenuBarHot = FMenuBarDown = Index;
  RepaintMenuBar();
  OpenSkinMenu(item, ChildMenuItemFor(item), FSkinData && FSkinData->MainMenuPopupUp,
               TRect(w.left + r.Left, w.top + r.Top, w.left + r.Right, w.top + r.Bottom));
}

void TspSkinForm::OpenSkinMenu(TMenuItem* Items, TMenuItem* Items2, bool Up, const TRect& Where) {
  SkinMenuOpen();
  if (BeingFreed() || !FMenuLink) return;
  FMenuLink->PopupTwoItemSets(nullptr, MenusSkin(), Up, Items2, Items, Where, 0);
  if (BeingFreed() || !FMenuLink) return;
  if (!FMenuLink->MenuVisible()) SkinMenuClose();
}

void TspSkinForm::DrawMenuBar(TCanvas* Canvas) {
  LayoutMenuBar();
  if (!HasMenuBar()) return;
  const TRect bar = MainMenuBarRect();
  TspSkinColors* colors = FSkinData->SkinColors.get();
  TspDataSkinMainMenuBar* barData = MenuBarData();
  TBitmap* barPicture = MenuBarPicture();
  if (FSkinData->MainMenuBarTransparent) {
    // A transparent bar shows the frame picture's own menu area under it.
    DrawPieceFill(Canvas, StatePicture(FActive), FMainMenuRect, bar, true, spstFull);
  } else if (barPicture && !IsNullRect(barData->SkinRect)) {
    const TRect& items = barData->ItemsRect;
    const int a = IsNullRect(items) ? 0 : items.Left;
    const int z = IsNullRect(items) ? 0 : barData->SkinRect.Width() - items.Right;
    TBitmap image;
    CreateHSkinImage(a, z, &image, barPicture, barData->SkinRect, bar.Width(), bar.Height(), barData->StretchEffect);
    Canvas->Draw(bar.Left, bar.Top, &image);
  } else {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(colors ? colors->cBtnFace : clBtnFace);
    Canvas->FillRect(bar);
  }

  TspDataSkinMainMenuItem* data = MenuBarItemData();
  TBitmap* itemPicture = data ? PictureOf(FSkinData, data->ActivePictureIndex) : nullptr;
  SetBarFont(Canvas, data, FForm->Font());
  const std::vector<TMenuItem*> items = BarItems(FForm);
  for (size_t i = 0; i < FMenuBarItems.size() && i < items.size(); ++i) {
    TMenuItem* item = items[i];
    const TRect& r = FMenuBarItems[i];
    const bool down = static_cast<int>(i) == FMenuBarDown;
    const bool hot = !down && static_cast<int>(i) == FMenuBarHot && item->Enabled();
    TColor textColor;
    if (data && itemPicture) {
      TRect look = data->SkinRect;
      if (down && !IsNullRect(data->DownRect)) look = data->DownRect;
      else if ((hot || down) && !IsNullRect(data->ActiveSkinRect)) look = data->ActiveSkinRect;
      if (!IsNullRect(look)) {
        TBitmap image;
        CreateHSkinImage(data->ItemLeftOffset, data->ItemRightOffset, &image, itemPicture, look, r.Width(),
                         r.Height(), data->StretchEffect);
        Canvas->Draw(r.Left, r.Top, &image);
      }
      textColor = !item->Enabled() ? data->UnEnabledFontColor
                  : down          ? data->DownFontColor
                  : hot           ? data->ActiveFontColor
                                  : data->FontColor;
    } else {
      if (hot || down) {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(colors ? colors->cHighLight : clHighlight);
        Canvas->FillRect(r);
      }
      textColor = !item->Enabled() ? (colors ? colors->cBtnShadow : clGrayText)
                  : hot || down    ? (colors ? colors->cHighLightText : clHighlightText)
                                   : (colors ? colors->cBtnText : clBtnText);
    }
    Canvas->Font()->SetColor(textColor);
    Canvas->Brush()->SetStyle(bsClear);
    TRect text = r;
    DrawWideText(Canvas, item->Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  DrawMDIChildButtons(Canvas);
}
