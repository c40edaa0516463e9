// TspSkinPopupWindow: one level of an open skin menu. Builds its entries,
// sizes and places itself, follows the mouse by polling, scrolls and takes
// the keys that the skinned form passes on.
#include <algorithm>

#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_platform.h"
#include "skin/SPUtils_region.h"
#include "skin/SPUtils_text.h"
#include "skinctrls/SkinMenus.h"

namespace {
constexpr UINT_PTR kScrollTimer = 1;

TTimer* MakeTimer(TComponent* Owner, uint32_t Interval, TNotifyEvent Event) {
  auto* t = new TTimer(Owner);
  t->SetEnabled(false);
  t->SetInterval(Interval);
  t->OnTimer = std::move(Event);
  return t;
}
}  // namespace

TspSkinPopupWindow::TspSkinPopupWindow(TspSkinMenu* AOwner, TspDataSkinPopupWindow* APopupWindowData)
    : TCustomControl(AOwner), FSkinMenu(AOwner) {
  FVisible = false;
  FControlStyle.Include(csAcceptsControls);
  FControlStyle.Include(csNoDesignVisible);
  FControlStyle.Include(csReplicatable);
  FControlStyle.Exclude(csCaptureMouse);
  FShowTimer = MakeTimer(this, 100, [this](TObject* s) { ShowTimerTick(s); });
  FMouseTimer = MakeTimer(this, 50, [this](TObject* s) { MouseTimerTick(s); });
  FMorphTimer = MakeTimer(this, 20, [this](TObject* s) { MorphTimerTick(s); });
  if (APopupWindowData && APopupWindowData->WindowPictureIndex != -1) {
    FPopupWindowData = APopupWindowData;
    FSkinData = AOwner->SkinData();
    FPicture = ActivePictureOf(FSkinData, APopupWindowData->WindowPictureIndex);
    FMaskPicture = ActivePictureOf(FSkinData, APopupWindowData->MaskPictureIndex);
  }
  FAlphaBlend = AOwner->AlphaBlend;
  FAlphaBlendValue = AOwner->AlphaBlendValue;
  FAlphaBlendAnimation = AOwner->AlphaBlendAnimation;
}

TspSkinPopupWindow::~TspSkinPopupWindow() { TspSkinPopupWindow::BeforeDestruction(); }

void TspSkinPopupWindow::BeforeDestruction() {
  if (FScrollTimerOn && HandleAllocated()) KillTimer(FHandle, kScrollTimer);
  FScrollTimerOn = false;
  FItems.clear();
  if (FRegion) DeleteObject(FRegion);  // the window frees its own copy
  FRegion = nullptr;
  TCustomControl::BeforeDestruction();
}

void SetDropDownParams(TCreateParams& Params) {
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WindowClass.style |= CS_SAVEBITS;
  if (IsWindowsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
  Params.WndParent = nullptr;
}

void TspSkinPopupWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  SetDropDownParams(Params);
}

void TspSkinPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      return;
    case WM_ERASEBKGND:
      PaintMenu(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
    case WM_TIMER:
      TCustomControl::Dispatch(Message);
      WMTimer(Message);
      return;
    default:
      TCustomControl::Dispatch(Message);
  }
}

// ---------------------------------------------------------------------------
// Building and sizing

void TspSkinPopupWindow::AddItems(TMenuItem* Item, int From) {
  for (int i = std::max(0, From); i < Item->Count(); ++i) {
    TMenuItem* child = Item->Items(i);
    if (!child->Visible()) continue;
    if (TBasicAction* action = child->Action()) action->Update();
    FItems.emplace_back(new TspSkinMenuItem(this, FItemData, child));
    child->FreeNotification(this);
  }
}

void TspSkinPopupWindow::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove || BeingFreed()) return;
  for (const auto& entry : FItems) {
    if (entry->MenuItem != AComponent) continue;
    FSkinMenu->CloseSkinMenu();
    return;
  }
}

void TspSkinPopupWindow::CreateMenu(TMenuItem* Item, TMenuItem* Item2, int StartIndex) {
  TspDataSkinObject* object = nullptr;
  if (FSkinData) {
    int index = FSkinData->GetObjectIndex(L"MENUITEM");
    if (index == -1) index = FSkinData->GetObjectIndex(L"menuitem");
    if (index != -1) object = FSkinData->ObjectList[index];
  }
  auto* record = dynamic_cast<TspDataSkinMenuItem*>(object);
  TFont* def = FSkinMenu->DefMenuItemFont();
  // A record without its picture (none, or dropped at load as unsound) has
  // nothing to draw an item with: the items keep their plain look.
  FItemData = FPopupWindowData && record && ActivePictureOf(FSkinData, record->ActivePictureIndex) ? record : nullptr;
  if (!FItemData || !FSkinMenu->UseSkinFont) {
    Font()->Assign(def);
  } else {
    Font()->SetHeight(FItemData->FontHeight);
    Font()->SetStyle(FItemData->FontStyle);
    Font()->SetName(FItemData->FontName);
    Font()->SetCharset(def->Charset());
  }
  if (FSkinData && FSkinData->ResourceStrData()) Font()->SetCharset(FSkinData->ResourceStrData()->CharSet());
  FImages = nullptr;
  if (TMenu* menu = Item->GetParentMenu()) {
    if (menu->AutoLineReduction() == maAutomatic) Item->RethinkLines();
    FImages = menu->Images();
  }
  // Last first: links are looked for from the end.
  for (auto entry = FItems.rbegin(); entry != FItems.rend(); ++entry) RemoveFreeNotification((*entry)->MenuItem);
  FItems.clear();
  AddItems(Item, StartIndex);
  if (Item2) AddItems(Item2, StartIndex - Item->Count());
  CalcSize();
  CalcItemsRect();
  LayoutItems();
  if (FMaskPicture) CreateRegion();
}

namespace {

// The program's item height, kept within the work area the menu shows in: a
// taller item could never be seen whole, and its bitmap could not be made.
int DefaultItemHeight(const TspSkinMenu* Menu) {
  return std::min(Menu->DefMenuItemHeight, std::max(1, Menu->WorkArea().Height()));
}

}  // namespace

int TspSkinPopupWindow::ItemHeight(const TspSkinMenuItem* Item) const {
  if (FItemData) return Item->IsSeparator() ? RectHeight(FItemData->DividerRect) : RectHeight(FItemData->SkinRect);
  return Item->IsSeparator() ? 4 : DefaultItemHeight(FSkinMenu);
}

void TspSkinPopupWindow::CalcSize() {
  FTopIndex = 0;
  TspMenuSizeInput in;
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas()->Font()->Assign(Font());
  for (auto& item : FItems) {
    String text = item->MenuItem->Caption();
    if (item->MenuItem->ShortCut()) text += L"  " + ShortCutToText(item->MenuItem->ShortCut());
    TRect r(0, 0, 0, 0);
    DrawWideText(measure.Canvas(), text, r, DT_CALCRECT);
    in.TextRights.push_back(r.Right);
    in.Heights.push_back(ItemHeight(item.get()));
  }
  FImageColumnWidth = FImages ? FImages->Width() + 5 : 16;
  in.ImageColumnWidth = FImageColumnWidth;
  in.Skinned = FPopupWindowData != nullptr;
  const int pw = FPicture ? FPicture->Width() : 0, ph = FPicture ? FPicture->Height() : 0;
  if (FPopupWindowData) {
    const TRect& ir = FPopupWindowData->ItemsRect;
    const int textLeft = FItemData ? FItemData->TextRect.Left : 0;
    const int textMargin = FItemData ? RectWidth(FItemData->SkinRect) - FItemData->TextRect.Right : 0;
    in.SkinExtraWidth = textLeft + textMargin + (pw - ir.Right) + ir.Left;
    in.SkinExtraHeight = ph - ir.Bottom + ir.Top;
  }
  in.MaxItems = FSkinMenu->MaxMenuItemsInWindow;
  in.LimitedItemHeight = FPopupWindowData && FItemData ? RectHeight(FItemData->SkinRect) : DefaultItemHeight(FSkinMenu);
  in.WorkAreaHeight = FSkinMenu->WorkArea().Height();
  const TspMenuSize size = CalcMenuSize(in);
  FScrolling = size.Scrolling;
  FLimitedByCount = size.LimitedByCount;
  FVisibleCount = ItemCount();
  SetBounds(Left(), Top(), size.Width, size.Height);
}

void TspSkinPopupWindow::CalcItemsRect() {
  const int w = Width(), h = Height();
  if (!FPopupWindowData) {
    FItemsRect = TRect(3, 3, w - 3, h - 3);
    return;
  }
  const TspDataSkinPopupWindow& d = *FPopupWindowData;
  const int pw = FPicture ? FPicture->Width() : 0, ph = FPicture ? FPicture->Height() : 0;
  const TspMovedFrame f = MoveFrameToSize(d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ItemsRect, pw, ph, w, h);
  FNewLeftTop = f.LT;
  FNewRightTop = f.RT;
  FNewLeftBottom = f.LB;
  FNewRightBottom = f.RB;
  FItemsRect = f.Client;
}

void TspSkinPopupWindow::LayoutItems() {
  std::vector<int> heights;
  for (auto& item : FItems) heights.push_back(ItemHeight(item.get()));
  const TspMenuLayout l = LayoutMenuItems(heights, FItemsRect, FScrolling, FTopIndex);
  FVisibleCount = l.VisibleCount;
  for (int i = 0; i < ItemCount(); ++i) {
    FItems[i]->ItemRect = l.Rects[i];
    FItems[i]->InView = l.Shown[i];
  }
}

void TspSkinPopupWindow::CalcPosition(const TRect& R, bool PopupUp, bool IsSubLevel) {
  TspMenuPlacementInput in;
  in.R = R;
  in.WorkArea = FSkinMenu->WorkArea();
  in.ItemsRect = FItemsRect;
  in.Width = Width();
  in.Height = Height();
  in.Scrolling = FScrolling;
  in.LimitedByCount = FLimitedByCount;
  in.IsSubLevel = IsSubLevel;
  in.PopupUp = PopupUp;
  const TPoint p = CalcMenuPosition(in);
  FWindowLeft = p.X;
  FWindowTop = p.Y;
}

void TspSkinPopupWindow::CreateRegion() {
  const TspDataSkinPopupWindow& d = *FPopupWindowData;
  HRGN rgn = nullptr;
  CreateSkinRegion(rgn, d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ItemsRect, FNewLeftTop, FNewRightTop,
                   FNewLeftBottom, FNewRightBottom, FItemsRect, FMaskPicture, Width(), Height());
  SetWindowRegionCopy(Handle(), FRegion, rgn);
}

// ---------------------------------------------------------------------------
// Showing

void TspSkinPopupWindow::Popup(const TRect& R, TMenuItem* Item, bool PopupUp, bool IsSubLevel, int StartIndex,
                               TMenuItem* Item2) {
  const TLibraryScope hold(this);  // its code goes on after the messages it pumps
  if (IsWindows2000OrLater() && FSkinMenu->AlphaBlend && FSkinMenu->AlphaBlendAnimation && FSkinMenu->FirstShow()) {
    Application->ProcessMessages();
    if (BeingFreed()) return;
  }
  CreateMenu(Item, Item2, StartIndex);
  CalcPosition(R, PopupUp, IsSubLevel);
  if (FAlphaBlend && !IsWindows2000OrLater()) {
    FShowTimer->SetEnabled(true);
    return;
  }
  if (FPopupWindowData && FPopupWindowData->CursorIndex != -1)
    SetCursor(FSkinData->StartCursorIndex + FPopupWindowData->CursorIndex);
  const bool fade = IsWindows2000OrLater() && FAlphaBlend && FAlphaBlendAnimation && FSkinMenu->FirstShow();
  if (IsWindows2000OrLater() && FAlphaBlend) {
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetAlphaBlendTransparent(Handle(), fade ? 0 : FAlphaBlendValue);
  }
  // Its first paint may raise an entry's draw handler, which may close the menu.
  ShowWindowAt();
  if (BeingFreed()) return;
  if (fade) FadeIn();
  FMouseTimer->SetEnabled(true);
  SelectFirstItem();
}

void TspSkinPopupWindow::ShowWindowAt() {
  SetBounds(FWindowLeft, FWindowTop, Width(), Height());
  SetWindowPos(Handle(), HWND_TOPMOST, FWindowLeft, FWindowTop, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  FVisible = true;
}

void TspSkinPopupWindow::FadeIn() {
  int alpha = 0;
  DWORD last = GetTickCount();
  FFadeSteps.assign(1, 0);
  while (alpha < FAlphaBlendValue) {
    if (GetTickCount() - last <= 5) {
      Sleep(1);
      continue;
    }
    last = GetTickCount();
    alpha = std::min(alpha + 10, static_cast<int>(FAlphaBlendValue));
    SetAlphaBlendTransparent(Handle(), static_cast<BYTE>(alpha));
    FFadeSteps.push_back(alpha);
  }
}

void TspSkinPopupWindow::SelectFirstItem() {
  FItemIndex = -1;
  for (int i = 0; i < ItemCount(); ++i) {
    if (!FItems[i]->Selectable()) continue;
    FItems[i]->SelectedByPopup = true;
    FItemIndex = i;
    FItems[i]->Enter(true);
    return;
  }
}

void TspSkinPopupWindow::ShowTimerTick(TObject*) {
  FShowTimer->SetEnabled(false);
  FScreenCopy = std::make_unique<TBitmap>();
  FScreenCopy->SetSize(Width() + 1, Height() + 1);
  CopyScreenToBitmap(FWindowLeft, FWindowTop, FScreenCopy.get());
  FScreenEffect = std::make_unique<TspEffectBmp>(FScreenCopy->Handle());
  if (FPopupWindowData && FPopupWindowData->CursorIndex != -1)
    SetCursor(FSkinData->StartCursorIndex + FPopupWindowData->CursorIndex);
  ShowWindowAt();
  FMouseTimer->SetEnabled(true);
  if (ItemCount() > 0) {
    FItemIndex = 0;
    FItems[0]->Enter(true);
  }
}

// ---------------------------------------------------------------------------
// Mouse

void TspSkinPopupWindow::MouseTimerTick(TObject*) {
  POINT sp;
  if (!GetCursorPos(&sp) || !HandleAllocated()) return;
  POINT cp = sp;
  ::ScreenToClient(FHandle, &cp);
  const TPoint p(cp.x, cp.y);
  if (p.X == FLastMousePos.X && p.Y == FLastMousePos.Y) return;
  FLastMousePos = p;
  if (WindowFromPoint(sp) == FHandle) {
    TrackMouse(p.X, p.Y);
  } else if (FScrolling && FScrollState != 0) {
    StopScroll();
  }
}

void TspSkinPopupWindow::TrackMouse(int X, int Y) {
  const TPoint p(X, Y);
  if (FScrolling) {
    if (PtInRect(UpArrowRect(), p) && FScrollState == 0 && FTopIndex > 0) {
      FScrollState = 1;
      StartScroll();
    } else if (PtInRect(DownArrowRect(), p) && FScrollState == 0 && HasItemsBelow()) {
      FScrollState = 2;
      StartScroll();
    } else if (!PtInRect(UpArrowRect(), p) && !PtInRect(DownArrowRect(), p) && FScrollState != 0) {
      StopScroll();
    }
  }
  FOldItemIndex = FItemIndex;
  for (int i = 0; i < ItemCount(); ++i)
    if (FItems[i]->InView && PtInRect(FItems[i]->ItemRect, p)) {
      FItemIndex = i;
      break;
    }
  if (FItemIndex >= ItemCount()) FItemIndex = -1;
  if (FItemIndex == FOldItemIndex) {
    if (FItemIndex == -1) return;
    TspSkinMenuItem* item = FItems[FItemIndex].get();
    if (item->SelectedByPopup) {
      item->SelectedByPopup = false;
      if (item->HasChildren()) item->Enter(false);
    }
    return;
  }
  if (FOldItemIndex >= 0 && FOldItemIndex < ItemCount() && FItems[FOldItemIndex]->Selectable())
    FItems[FOldItemIndex]->Leave();
  if (FItemIndex >= 0 && FItems[FItemIndex]->Selectable()) FItems[FItemIndex]->Enter(false);
}

void TspSkinPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  TrackMouse(X, Y);
  if (FItemIndex == -1) return;
  TspSkinMenuItem* item = FItems[FItemIndex].get();
  if (item->InView && PtInRect(item->ItemRect, TPoint(X, Y)) && !item->IsSeparator()) item->Click();
}

// ---------------------------------------------------------------------------
// Scrolling

TRect TspSkinPopupWindow::UpArrowRect() const {
  if (!FPopupWindowData) return TRect(3, 3, Width() - 3, 13);
  return TRect(FItemsRect.Left, FItemsRect.Top, FItemsRect.Right, FItemsRect.Top + kMenuArrowHeight);
}

TRect TspSkinPopupWindow::DownArrowRect() const {
  if (!FPopupWindowData) return TRect(3, Height() - 13, Width() - 3, Height() - 3);
  return TRect(FItemsRect.Left, FItemsRect.Bottom - kMenuArrowHeight, FItemsRect.Right, FItemsRect.Bottom);
}

void TspSkinPopupWindow::StartScroll() {
  FSkinMenu->CloseLevelsFrom(FSkinMenu->LevelIndexOf(this) + 1);
  FShowTimer->SetEnabled(false);
  RepaintAll();
  if (FScrollTimerOn) KillTimer(Handle(), kScrollTimer);
  SetTimer(Handle(), kScrollTimer, 100, nullptr);
  FScrollTimerOn = true;
}

void TspSkinPopupWindow::StopScroll() {
  FScrollState = 0;
  if (FScrollTimerOn && HandleAllocated()) KillTimer(FHandle, kScrollTimer);
  FScrollTimerOn = false;
  RepaintAll();
}

void TspSkinPopupWindow::WMTimer(TMessage& Message) {
  if (Message.WParam != kScrollTimer) return;
  if (FScrollState == 1) {
    if (FTopIndex > 0) ScrollUp(false);
    else StopScroll();
  } else if (FScrollState == 2) {
    if (HasItemsBelow()) ScrollDown(false);
    else StopScroll();
  }
}

void TspSkinPopupWindow::ScrollUp(bool Wrap) {
  if (FTopIndex > 0) {
    --FTopIndex;
  } else if (Wrap) {
    std::vector<int> heights;
    for (auto& item : FItems) heights.push_back(ItemHeight(item.get()));
    FTopIndex = LastMenuPageTop(heights, FItemsRect);
  }
  LayoutItems();
  RepaintAll();
}

void TspSkinPopupWindow::ScrollDown(bool Wrap) {
  if (HasItemsBelow()) ++FTopIndex;
  else if (Wrap) FTopIndex = 0;
  LayoutItems();
  RepaintAll();
}

// ---------------------------------------------------------------------------
// Keys

void TspSkinPopupWindow::SetCurrent(int Index, bool FromKeyboard) {
  if (Index == FItemIndex) return;
  const int old = FItemIndex;
  FItemIndex = Index;
  if (old >= 0 && old < ItemCount()) FItems[old]->Leave();
  // The old entry's redraw raises draw handlers, which may close the menu.
  if (BeingFreed()) return;
  if (Index >= 0 && Index < ItemCount()) FItems[Index]->Enter(FromKeyboard);
}

void TspSkinPopupWindow::SelectNext(bool Forward) {
  std::vector<bool> selectable;
  for (auto& item : FItems) selectable.push_back(item->Selectable());
  const int target = FindMenuSelectable(selectable, FItemIndex, Forward);
  if (target == -1) return;
  if (FScrolling && FScrollState == 0) {
    // Bring the target into view: going on past the end wraps to the other end.
    if (target < FTopIndex) {
      if (Forward) FTopIndex = 0;
      else FTopIndex = target;
      LayoutItems();
    }
    while (target >= FTopIndex + FVisibleCount && HasItemsBelow()) {
      ++FTopIndex;
      LayoutItems();
    }
    if (!Forward && target == ItemCount() - 1 && FItemIndex <= 0) {
      std::vector<int> heights;
      for (auto& item : FItems) heights.push_back(ItemHeight(item.get()));
      FTopIndex = LastMenuPageTop(heights, FItemsRect);
      LayoutItems();
    }
    RepaintAll();
    if (BeingFreed()) return;  // a draw handler closed the menu
  }
  SetCurrent(target, true);
}

void TspSkinPopupWindow::HandleMenuKey(WORD Key) {
  if (!FVisible) return;
  if (const wchar_t accel = MenuAccelChar(Key)) {
    for (int i = 0; i < ItemCount(); ++i) {
      TspSkinMenuItem* item = FItems[i].get();
      if (!IsAccel(accel, item->MenuItem->Caption())) continue;
      const int old = FItemIndex;
      FItemIndex = i;
      if (old != i && old >= 0 && old < ItemCount()) FItems[old]->Leave();
      if (old != i && !BeingFreed()) item->Enter(false);
      // The redraws' handlers may have closed the menu, and its entries with it.
      if (!BeingFreed()) item->Click();
      return;
    }
  }
  const int level = FSkinMenu->LevelIndexOf(this);
  const bool hasLower = level > 0 && level < FSkinMenu->LevelCount();
  TspSkinMenuItem* current = FItemIndex >= 0 && FItemIndex < ItemCount() ? FItems[FItemIndex].get() : nullptr;
  switch (Key) {
    case VK_RETURN:
      if (current) current->Click();
      break;
    case VK_LEFT:
      if (!hasLower) break;
      [[fallthrough]];
    case VK_ESCAPE:
      if (hasLower) {
        TspSkinPopupWindow* lower = FSkinMenu->Level(level - 1);
        if (lower->ItemIndex() >= 0 && lower->ItemIndex() < lower->ItemCount()) {
          TspSkinMenuItem* opener = lower->Items(lower->ItemIndex());
          opener->SubMenuOpened = false;
          opener->Redraw();
        }
      }
      if (BeingFreed()) break;  // the redraw's handler closed the menu
      FSkinMenu->CloseLevelsFrom(level);
      break;
    case VK_UP:
      SelectNext(false);
      break;
    case VK_RIGHT:
      if (current && current->HasChildren()) current->Click();
      break;
    case VK_DOWN:
      SelectNext(true);
      break;
    default:
      break;
  }
}

void TspSkinPopupWindow::CloseSubLevels() {
  FSkinMenu->CloseLevelsFrom(FSkinMenu->LevelIndexOf(this) + 1);
  for (auto& item : FItems) {
    if (!item->SubMenuOpened) continue;
    item->SubMenuOpened = false;
    item->Redraw();
  }
}

void TspSkinPopupWindow::MorphTimerTick(TObject*) {
  bool stepped = false;
  for (auto& item : FItems) stepped = item->AnimationStep() || stepped;
  if (!stepped) FMorphTimer->SetEnabled(false);
}
