// The MDI tabs bar: tabs of the frame's children, their mouse rules, the
// menus of the two menu buttons and the skin change.
#include "skin/SkinMDITabs.h"

#include "skin/SkinCtrlRecords2.h"
#include "skin/SkinForm.h"
#include "skin/SkinMenuLink.h"

namespace {
// The skinned controls' "background behind you changed" message.
constexpr unsigned kBackgroundChanged = WM_USER + 0x104;

TspMDITabsButtonMaker& ButtonMaker() {
  static TspMDITabsButtonMaker maker;
  return maker;
}

// The suffixes of the menu items' names, after the child's name.
const wchar_t* const kListItemSuffix = L"_DSFCHILDITEMBAR";
const wchar_t* const kHiddenItemSuffix = L"_DSFCHILDITEMBARHIDE";

TPopupMenu* MakeMenu(TComponent* Owner) {
  const TspSkinPopupMenuFactory factory = SkinPopupMenuFactory();
  return factory ? factory(Owner, nullptr) : new TPopupMenu(Owner);
}
}  // namespace

void RegisterMDITabsButtonMaker(const TspMDITabsButtonMaker& Maker) { ButtonMaker() = Maker; }

TspSkinMDITabsBar::TspSkinMDITabsBar(TComponent* AOwner)
    : TCustomControl(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  FControlStyle.Include(csCaptureMouse);
  FDefaultFont->SetName(L"Arial");
  FDefaultFont->SetHeight(14);
  FListMenu = MakeMenu(this);
  FHiddenMenu = MakeMenu(this);
  SetBounds(FLeft, FTop, 150, 21);
}

TspSkinMDITabsBar::~TspSkinMDITabsBar() {
  if (!FTornDownControl) TspSkinMDITabsBar::BeforeDestruction();
}

void TspSkinMDITabsBar::BeforeDestruction() {
  // A torn-down bar raises no tab events and holds no child. A paint that
  // raised the event which freed the bar keeps the tab it draws, and stops.
  OnTabMouseEnter = nullptr;
  OnTabMouseLeave = nullptr;
  OnTabMouseDown = nullptr;
  OnTabMouseUp = nullptr;
  OnTabGetDrawParamsEvent = nullptr;
  for (auto& tab : FTabs) {
    tab->Child->RemoveFreeNotification(this);
    tab->Child = nullptr;
  }
  FTabs.clear();
  FHoverIndex = FOldHoverIndex = FDragIndex = -1;
  FPressed = FDragging = false;
  // Only the links go otherwise: a going bar takes no new size from a missing skin.
  SetSkinForm(nullptr);
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  FSkinData = nullptr;
  TCustomControl::BeforeDestruction();
}

void TspSkinMDITabsBar::SetSkinData(TspSkinData* Value) {
  if (FSkinData == Value) return;
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  FSkinData = Value;
  if (Value) Value->FreeNotification(this);
  ChangeSkinData();
}

void TspSkinMDITabsBar::SetSkinForm(TspSkinForm* Value) {
  if (FSkinForm == Value) return;
  if (FSkinForm) FSkinForm->RemoveFreeNotification(this);
  FSkinForm = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinMDITabsBar::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) {
    FSkinData = nullptr;
    ChangeSkinData();
  }
  if (AComponent == FSkinForm) FSkinForm = nullptr;
  if (AComponent == FListMenu) FListMenu = nullptr;
  if (AComponent == FHiddenMenu) FHiddenMenu = nullptr;
  if (AComponent == FListButton) FListButton = nullptr;
  if (AComponent == FHiddenButton) FHiddenButton = nullptr;
  // A child torn down, whatever became of its skinned form or its frame.
  if (auto* child = dynamic_cast<TCustomForm*>(AComponent)) DeleteTab(child);
}

void TspSkinMDITabsBar::SetTabKind(TspSkinMDITabKind Value) {
  FTabKind = Value;
  if (TabData()) Invalidate();
}

void TspSkinMDITabsBar::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  if (!TabData() && Value >= 1) SetHeight(Value);
}

TspDataSkinTabControl* TspSkinMDITabsBar::TabData() const {
  if (!FSkinData || FSkinData->Empty()) return nullptr;
  auto* data = FSkinData->ControlRecord<TspDataSkinTabControl>(FSkinDataName);
  // A tab without a picture, or a band that cannot be tiled, has no skin look.
  if (!data || data->TabRect.IsEmpty() || data->TabsBGRect.Width() < 1) return nullptr;
  return TabPictureOf(data) ? data : nullptr;
}

TBitmap* TspSkinMDITabsBar::TabPicture() const {
  TspDataSkinTabControl* data = TabData();
  return data ? TabPictureOf(data) : nullptr;
}

TBitmap* TspSkinMDITabsBar::TabPictureOf(const TspDataSkinTabControl* Data) const {
  const int i = Data->PictureIndex;
  if (i < 0 || i >= FSkinData->ActivePictures.Count()) return nullptr;
  TBitmap* b = FSkinData->ActivePictures[i];
  return b && !b->Empty() ? b : nullptr;
}

void TspSkinMDITabsBar::ChangeSkinData() {
  TspDataSkinTabControl* data = TabData();
  FTabsOffset = data ? data->ClRect.Top : 0;
  FCloseButtonSize = data && !data->CloseButtonRect.IsEmpty() ? data->CloseButtonRect.Width() : 14;
  if (!data || !FUseSkinSize) {
    if (FDefaultHeight > 0) SetHeight(FDefaultHeight);
  } else {
    SetHeight(data->TabRect.Height() + (FTabKind == sptkTab ? FTabsOffset : 0));
  }
  if (const auto give = ButtonMaker().SetSkinData) {
    if (FListButton) give(FListButton, FSkinData);
    if (FHiddenButton) give(FHiddenButton, FSkinData);
  }
  PlaceMenuButtons();
  Invalidate();
}

int TspSkinMDITabsBar::TabHeight() const {
  return FTabKind == sptkTab ? Height() - FTabsOffset : Height();
}

int TspSkinMDITabsBar::IndexOfChild(const TCustomForm* Child) const {
  for (size_t i = 0; i < FTabs.size(); ++i)
    if (FTabs[i]->Child == Child) return static_cast<int>(i);
  return -1;
}

int TspSkinMDITabsBar::IndexOfTab(const TspMDITab* Tab) const {
  for (size_t i = 0; i < FTabs.size(); ++i)
    if (FTabs[i].get() == Tab) return static_cast<int>(i);
  return -1;
}

void TspSkinMDITabsBar::AddTab(TCustomForm* Child) {
  // A child or bar already torn down would send no notice to take the tab
  // away again, and a second tab of one child would outlive the first's.
  if (!Child || Child->BeingFreed() || BeingFreed() || IndexOfChild(Child) >= 0) return;
  Child->FreeNotification(this);
  FTabs.push_back(std::make_shared<TspMDITab>(this, Child));
  if (!FListButton && ButtonMaker().Make) {
    FListButton = ButtonMaker().Make(this, false);
    FListButton->FreeNotification(this);
    PlaceMenuButtons();
  }
  Invalidate();
}

void TspSkinMDITabsBar::DeleteTab(TCustomForm* Child) {
  int index = IndexOfChild(Child);
  if (index < 0) return;
  const std::shared_ptr<TspMDITab> tab = FTabs[index];
  if (FHoverIndex == index) {
    FHoverIndex = FOldHoverIndex = -1;
    if (OnTabMouseLeave) OnTabMouseLeave(tab.get());
    // The handler may have changed the tabs, this one's included.
    index = IndexOfTab(tab.get());
    if (index < 0) return;
  }
  if (FHoverIndex > index) {
    --FHoverIndex;
    FOldHoverIndex = FHoverIndex;
  }
  // A drag of that tab, or of one behind it, cannot go on with the list changed.
  if (FDragIndex >= 0) {
    FDragIndex = -1;
    FDragging = FPressed = false;
    FDragOffset = 0;
  }
  FCloseTracker.DragStarted();
  Child->RemoveFreeNotification(this);
  tab->Child = nullptr;
  FTabs.erase(FTabs.begin() + index);
  if (FTabs.empty()) FreeMenuButton(FListButton);
  Invalidate();
}

void TspSkinMDITabsBar::DeleteAllTabs() {
  // The children as they are now: a leave handler that opens a child does
  // not keep the loop going.
  std::vector<TCustomForm*> children;
  for (auto& tab : FTabs) children.push_back(tab->Child);
  for (auto it = children.rbegin(); it != children.rend(); ++it) DeleteTab(*it);
}

TCustomForm* TspSkinMDITabsBar::Frame() const {
  if (FSkinForm && FSkinForm->Form()) return FSkinForm->Form();
  for (TComponent* c = Owner(); c; c = c->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(c); form && form->FormStyle() == fsMDIForm) return form;
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  return main && main->FormStyle() == fsMDIForm ? main : nullptr;
}

void TspSkinMDITabsBar::CheckActive() {
  TCustomForm* frame = Frame();
  TCustomForm* active = frame ? frame->ActiveMDIChild() : nullptr;
  if (!active) return;
  for (auto& tab : FTabs) tab->Active = tab->Child == active;
  Invalidate();
}

TspMDITabsLayout TspSkinMDITabsBar::CalcTabRects() {
  TspMDITabsMetrics m;
  m.Count = TabCount();
  m.Width = Width();
  m.Height = TabHeight();
  m.DefaultTabWidth = FDefaultTabWidth;
  m.MinTabWidth = FMinTabWidth;
  m.DragIndex = FDragging ? FDragIndex : -1;
  m.DragOffset = FDragOffset;
  const TspMDITabsLayout layout = LayoutMDITabs(m);
  FHiddenCount = layout.HiddenCount;
  FDragLimit = layout.DragLimit;
  for (size_t i = 0; i < FTabs.size(); ++i) {
    TspMDITab& tab = *FTabs[i];
    tab.Rect = layout.Rects[i];
    tab.Visible = layout.Visible[i];
    tab.CloseButtonRect = FShowCloseButtons ? MDITabCloseButtonRect(tab.Rect.Width(), tab.Rect.Height(),
                                                                    FCloseButtonSize, TabData() ? TabData()->TabRightOffset : 2)
                                            : TRect();
  }
  return layout;
}

void TspSkinMDITabsBar::UpdateHiddenButton() {
  const TspMDITabsButtonMaker& maker = ButtonMaker();
  if (FHiddenCount > 0 && !FHiddenButton && maker.Make) {
    FHiddenButton = maker.Make(this, true);
    FHiddenButton->FreeNotification(this);
    // Placed only when made: a placing repaints the bar, and a button that
    // keeps a size of its own would be placed again by every paint, forever.
    PlaceMenuButtons();
  } else if (FHiddenCount == 0 && FHiddenButton) {
    FreeMenuButton(FHiddenButton);
  }
}

void TspSkinMDITabsBar::PlaceMenuButtons() {
  // Placed only when moved: a placing repaints the bar.
  const auto place = [](TControl* Button, const TRect& R) {
    if (Button && Button->BoundsRect() != R) Button->SetBounds(R.Left, R.Top, R.Width(), R.Height());
  };
  place(FListButton, TRect(0, 0, kMDITabsMargin, TabHeight()));
  place(FHiddenButton, TRect(Width() - kMDITabsMargin, 0, Width(), TabHeight()));
}

void TspSkinMDITabsBar::FreeMenuButton(TControl*& Button) {
  if (!Button) return;
  TControl* going = Button;
  Button = nullptr;
  going->RemoveFreeNotification(this);
  Free(going);
}

void TspSkinMDITabsBar::BoundsChanged(bool Resized) {
  TCustomControl::BoundsChanged(Resized);
  if (!Resized) return;
  PlaceMenuButtons();
  Invalidate();
}

// ---------------------------------------------------------------------------
// Mouse

bool TspSkinMDITabsBar::InCloseButton(const TspMDITab* Tab, int X, int Y) const {
  if (!FShowCloseButtons || !Tab->Visible) return false;
  TRect r = Tab->CloseButtonRect;
  OffsetRect(r, Tab->Rect.Left, Tab->Rect.Top);
  return r.Contains(TPoint(X, Y));
}

void TspSkinMDITabsBar::RedrawTab(TspMDITab*) {
  // The tab's neighbours and the drop mark share its pixels: the whole bar
  // is drawn again, once, from its buffer.
  Invalidate();
}

void TspSkinMDITabsBar::ShowChild(TCustomForm* Child) {
  if (!Child || IndexOfChild(Child) < 0) return;
  if (TspSkinForm* skinForm = GetSkinForm(Child); skinForm && skinForm->WindowState() == 1)
    skinForm->SetWindowState(0);
  else if (Child->WindowState() == wsMinimized)
    Child->SetWindowState(wsNormal);
  TCustomForm* frame = Child->MDIFrame();
  if (frame && frame->ClientHandle() && Child->HandleAllocated())
    SendMessageW(frame->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Child->Handle()), 0);
  if (!Child->Visible()) Child->Show();
}

void TspSkinMDITabsBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const TspMDITabsLayout layout = CalcTabRects();
  const int index = MDITabAt(layout, TPoint(X, Y));
  if (index < 0) return;
  // Held through the handlers: a tab they let go of is never mistaken for a new one.
  const std::shared_ptr<TspMDITab> held = FTabs[index];
  TspMDITab* tab = held.get();
  if (Button == mbLeft) {
    ShowChild(tab->Child);
    // Showing the child may have closed a tab: look again.
    if (index >= TabCount() || FTabs[index].get() != tab) return;
    FPressed = true;
    FDragIndex = FMoveTabs ? index : -1;
    FMouseDownX = X;
    FDragOffset = 0;
    if (OnTabMouseDown) OnTabMouseDown(Button, Shift, tab);
    if (index >= TabCount() || FTabs[index].get() != tab) return;
    const bool onClose = InCloseButton(tab, X, Y);
    FCloseTracker.Press(index, onClose);
    tab->CloseMouseIn = tab->CloseDown = onClose;
    if (onClose) FPressed = false;
    RedrawTab(tab);
  } else if (Button == mbRight) {
    PopupChildMenu(tab, X, Y);
    if (OnTabMouseDown && index < TabCount() && FTabs[index].get() == tab) OnTabMouseDown(Button, Shift, tab);
  }
}

void TspSkinMDITabsBar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (FPressed && FDragIndex >= 0 && FDragIndex < TabCount()) {
    if (!FDragging && X != FMouseDownX) {
      FDragging = true;
      FCloseTracker.DragStarted();
    }
    if (FDragging) {
      FDragOffset = X - FMouseDownX;
      Invalidate();
      return;
    }
  }
  TestActive(X, Y);
}

void TspSkinMDITabsBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  FPressed = false;
  if (FDragging) {
    const TspMDITabsLayout layout = CalcTabRects();
    const int target = MDITabDropTarget(layout, FDragIndex, FDragOffset);
    if (target >= 0 && target != FDragIndex) MoveListItem(FTabs, FDragIndex, target);
    FDragging = false;
    FDragIndex = -1;
    FDragOffset = 0;
    FMouseDownX = 0;
    FCloseTracker.DragStarted();
    for (auto& tab : FTabs) tab->CloseDown = false;
    Invalidate();
    return;
  }
  FDragIndex = -1;
  const TspMDITabsLayout layout = CalcTabRects();
  const int index = MDITabAt(layout, TPoint(X, Y));
  const std::shared_ptr<TspMDITab> held = index >= 0 ? FTabs[index] : nullptr;
  TspMDITab* tab = held.get();
  if (tab && OnTabMouseUp) {
    OnTabMouseUp(Button, Shift, tab);
    if (index >= TabCount() || FTabs[index].get() != tab) return;
  }
  if (!FShowCloseButtons || Button != mbLeft) return;
  const bool onClose = tab && InCloseButton(tab, X, Y);
  const bool closes = FCloseTracker.Release(index, onClose);
  for (auto& t : FTabs) t->CloseDown = false;
  if (tab) tab->CloseMouseIn = onClose;
  Invalidate();
  if (closes) tab->Child->Close();
}

void TspSkinMDITabsBar::TestActive(int X, int Y) {
  const TspMDITabsLayout layout = CalcTabRects();
  FHoverIndex = MDITabAt(layout, TPoint(X, Y));
  if (FHoverIndex != FOldHoverIndex) {
    if (FOldHoverIndex >= 0 && FOldHoverIndex < TabCount()) {
      TspMDITab* old = FTabs[FOldHoverIndex].get();
      old->MouseIn = false;
      RedrawTab(old);
      if (OnTabMouseLeave) OnTabMouseLeave(old);
    }
    if (FHoverIndex >= 0 && FHoverIndex < TabCount()) {
      TspMDITab* hot = FTabs[FHoverIndex].get();
      hot->MouseIn = true;
      RedrawTab(hot);
      if (OnTabMouseEnter) OnTabMouseEnter(hot);
    }
    FOldHoverIndex = FHoverIndex;
  }
  if (FShowCloseButtons && UpdateCloseFlags(FHoverIndex, X, Y)) Invalidate();
}

bool TspSkinMDITabsBar::UpdateCloseFlags(int Index, int X, int Y) {
  bool changed = false;
  for (int i = 0; i < TabCount(); ++i) {
    TspMDITab* tab = FTabs[i].get();
    const bool in = i == Index && InCloseButton(tab, X, Y);
    // A held close button stays down only while the mouse is over it.
    const bool down = in && FCloseTracker.PressedTab == i;
    if (tab->CloseMouseIn != in || tab->CloseDown != down) changed = true;
    tab->CloseMouseIn = in;
    tab->CloseDown = down;
  }
  return changed;
}

void TspSkinMDITabsBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; return;
    case CM_MOUSELEAVE:
      TCustomControl::Dispatch(Message);
      TestActive(-1, -1);
      return;
    case kBackgroundChanged:
      if (FSkinData && FSkinData->MDITabsTransparent && TabData()) Invalidate();
      return;
    case WM_WINDOWPOSCHANGED:
      TCustomControl::Dispatch(Message);
      if (FSkinData && FSkinData->MDITabsTransparent && TabData() && Align() == alNone) Invalidate();
      return;
  }
  TCustomControl::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// Menus

void TspSkinMDITabsBar::BuildListMenu(bool HiddenOnly) {
  TPopupMenu* menu = HiddenOnly ? FHiddenMenu : FListMenu;
  if (!menu) return;
  menu->Items()->Clear();
  CalcTabRects();
  for (auto& tab : FTabs) {
    if (HiddenOnly && tab->Visible) continue;
    // Owned by nothing but the menu: children may share a name or have none.
    auto* item = new TMenuItem(nullptr);
    item->SetName(tab->Child->Name() + (HiddenOnly ? kHiddenItemSuffix : kListItemSuffix));
    item->SetCaption(tab->Child->Caption());
    item->SetRadioItem(true);
    item->SetChecked(tab->Active);
    // The item holds the form itself, which its name alone may not tell.
    TCustomForm* child = tab->Child;
    item->OnClick = [this, child](TObject*) { ShowChild(child); };
    menu->Items()->Add(item);
  }
}

void TspSkinMDITabsBar::PopupChildMenu(TspMDITab* Tab, int X, int Y) {
  if (!FSupportChildMenus || !FSkinForm || !FSkinForm->MenuLink()) return;
  TspSkinForm* childSkin = GetSkinForm(Tab->Child);
  if (!childSkin) return;
  const TPoint p = ClientToScreen(TPoint(X, Y));
  TspSkinMenuLink* link = FSkinForm->MenuLink();
  FSkinForm->SkinMenuOpen();
  link->PopupItems(this, FSkinForm->MenusSkinData() ? FSkinForm->MenusSkinData() : FSkinForm->SkinData(), false,
                   childSkin->SystemMenu(), TRect(p.X, p.Y, p.X, p.Y), 0);
  if (!link->MenuVisible()) FSkinForm->SkinMenuClose();
}
