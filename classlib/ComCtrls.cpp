#include "classlib/ComCtrls.h"

#include <algorithm>

// ---------------------------------------------------------------------------
// TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FVisible = false;
  FAlign = alClient;
}

TTabSheet::~TTabSheet() {
  if (!FTornDownControl) TTabSheet::BeforeDestruction();
}

void TTabSheet::BeforeDestruction() {
  if (FPageControl) FPageControl->RemovePage(this);
  TWinControl::BeforeDestruction();
}

void TTabSheet::SetPageControl(TPageControl* Value) {
  if (FPageControl == Value) return;
  if (FPageControl) FPageControl->RemovePage(this);
  SetParent(Value);
  if (Value) Value->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  auto& pages = FPageControl->FPages;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int Value) {
  if (!FPageControl) return;
  auto& pages = FPageControl->FPages;
  pages.erase(std::find(pages.begin(), pages.end(), this));
  Value = std::max(0, std::min(Value, static_cast<int>(pages.size())));
  pages.insert(pages.begin() + Value, this);
  FPageControl->UpdateTabs();
}

void TTabSheet::SetTabVisible(bool Value) {
  if (FTabVisible == Value) return;
  FTabVisible = Value;
  if (!FPageControl) return;
  // A page whose tab goes is no longer shown.
  if (!Value && FPageControl->FActivePage == this)
    FPageControl->ShowPage(FPageControl->FindNextPage(this, true, true));
  FPageControl->UpdateTabs();
}

int TTabSheet::TabIndex() const {
  if (!FPageControl || !FTabVisible) return -1;
  int index = 0;
  for (TTabSheet* p : FPageControl->FPages) {
    if (p == this) return index;
    if (p->FTabVisible) ++index;
  }
  return -1;
}

void TTabSheet::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::VisibleChanged() {
  TWinControl::VisibleChanged();
  if (FVisible && OnShow) OnShow(this);
  if (!FVisible && OnHide) OnHide(this);
}

void TTabSheet::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_TEXTCHANGED && FPageControl) FPageControl->UpdateTabs();
  TWinControl::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = {csDoubleClicks, csOpaque};
  FWidth = 289;
  FHeight = 193;
  FTabStop = true;
  FCanvas = std::make_unique<TControlCanvas>(this);
}

TPageControl::~TPageControl() {
  // The pages go with the window; they must not report back meanwhile.
  for (TTabSheet* p : FPages) p->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

void TPageControl::CreateParams(TCreateParams& Params) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, WC_TABCONTROLW);
  Params.Style |= WS_CLIPCHILDREN;
  switch (FTabPosition) {
    case tpTop: break;
    case tpBottom: Params.Style |= TCS_BOTTOM; break;
    case tpLeft: Params.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: Params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
  }
  if (FStyle != tsTabs) Params.Style |= TCS_BUTTONS;
  if (FStyle == tsFlatButtons) Params.Style |= TCS_FLATBUTTONS;
  if (FMultiLine) Params.Style |= TCS_MULTILINE;
  if (FHotTrack) Params.Style |= TCS_HOTTRACK;
  if (FRaggedRight) Params.Style |= TCS_RAGGEDRIGHT;
  if (FScrollOpposite) Params.Style |= TCS_SCROLLOPPOSITE;
  if (FOwnerDraw) Params.Style |= TCS_OWNERDRAWFIXED;
  if (FTabWidth > 0) Params.Style |= TCS_FIXEDWIDTH;
}

void TPageControl::CreateHandleDone() {
  if (FImages) SendMessageW(FHandle, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages->Handle()));
  if (FTabWidth > 0 || FTabHeight > 0) SendMessageW(FHandle, TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
  UpdateTabs();
}

void TPageControl::UpdateTabs() {
  if (!FHandle) return;
  // An image's handler may free pages or the control, or change the pages
  // and so rebuild the tabs inside this rebuild: the pages are walked held,
  // and a rebuild that a newer one overtook stops.
  const TLibraryScope hold(this);
  const unsigned rebuild = ++FTabRebuilds;
  SendMessageW(FHandle, TCM_DELETEALLITEMS, 0, 0);
  const TListWalk<TTabSheet> pages(FPages);
  int index = 0;
  for (size_t i = 0; i < pages.Count(); ++i) {
    TTabSheet* p = pages.Item(i);
    if (!p || p->FPageControl != this || !p->TabVisible()) continue;
    String caption = p->Caption();
    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = &caption[0];
    item.iImage = GetImageIndex(index);
    if (BeingFreed() || rebuild != FTabRebuilds || !FHandle) return;
    SendMessageW(FHandle, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    ++index;
  }
  SendMessageW(FHandle, TCM_SETCURSEL, TabIndex(), 0);
  Realign();  // the rows of tabs, and so the display area, may have changed
  Invalidate();
}

int TPageControl::GetImageIndex(int TabIndex) {
  TTabSheet* page = PageOfTab(TabIndex);
  int image = page ? page->ImageIndex() : -1;
  if (OnGetImageIndex) OnGetImageIndex(this, TabIndex, image);
  return image;
}

void TPageControl::InsertPage(TTabSheet* Page) {
  FPages.push_back(Page);
  Page->FPageControl = this;
  if (!FActivePage && Page->TabVisible()) ShowPage(Page);
  UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* Page) {
  auto it = std::find(FPages.begin(), FPages.end(), Page);
  if (it == FPages.end()) return;
  TTabSheet* next = FActivePage == Page ? FindNextPage(Page, true, true) : FActivePage;
  FPages.erase(it);
  Page->FPageControl = nullptr;
  if (ComponentState().Contains(csDestroying)) {
    // The pages go one by one with the control; none shows on the way.
    if (FActivePage == Page) FActivePage = nullptr;
    return;
  }
  if (next == Page) next = nullptr;
  if (FActivePage == Page) FActivePage = nullptr;
  ShowPage(next);
  UpdateTabs();
}

TTabSheet* TPageControl::PageOfTab(int TabIndex) const {
  for (TTabSheet* p : FPages)
    if (p->TabVisible() && TabIndex-- == 0) return p;
  return nullptr;
}

int TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int Value) {
  SetActivePage(Value >= 0 && Value < PageCount() ? FPages[Value] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* Page) {
  if (Page && Page->PageControl() != this) return;
  ShowPage(Page);
  if (FHandle) SendMessageW(FHandle, TCM_SETCURSEL, TabIndex(), 0);
}

void TPageControl::ShowPage(TTabSheet* Page) {
  if (Page == FActivePage) return;
  TTabSheet* old = FActivePage;
  // The focus leaves a page that goes out of sight.
  const bool hadFocus = old && old->HandleAllocated() && IsChild(old->Handle(), GetFocus());
  FActivePage = Page;
  if (Page) {
    Page->BringToFront();
    Page->SetVisible(true);
  }
  if (old) old->SetVisible(false);
  if (hadFocus && FHandle && CanFocus()) SetFocus();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const {
  const int n = PageCount();
  if (n == 0) return nullptr;
  int i = static_cast<int>(std::find(FPages.begin(), FPages.end(), CurPage) - FPages.begin());
  if (i == n) i = GoForward ? n - 1 : 0;
  for (int step = 0; step < n; ++step) {
    i = GoForward ? (i + 1) % n : (i - 1 + n) % n;
    if (!CheckTabVisible || FPages[i]->TabVisible()) return FPages[i];
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward) {
  TTabSheet* next = FindNextPage(FActivePage, GoForward, true);
  if (!next || next == FActivePage || !CanChange()) return;
  SetActivePage(next);
  Change();
}

bool TPageControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TPageControl::Change() {
  if (OnChange) OnChange(this);
}

void TPageControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: CNNotify(Message); return;
    case CN_DRAWITEM: CNDrawItem(Message); return;
  }
  TWinControl::Dispatch(Message);
}

void TPageControl::CNNotify(TMessage& Message) {
  switch (reinterpret_cast<NMHDR*>(Message.LParam)->code) {
    case TCN_SELCHANGING:
      Message.Result = CanChange() ? FALSE : TRUE;
      return;
    case TCN_SELCHANGE:
      ShowPage(PageOfTab(static_cast<int>(SendMessageW(FHandle, TCM_GETCURSEL, 0, 0))));
      Change();
      return;
  }
  Message.Result = 0;
}

void TPageControl::CNDrawItem(TMessage& Message) {
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  const int saved = SaveDC(item->hDC);
  {
    TPaintDCLoan loan(FCanvas.get(), item->hDC);
    FCanvas->SetFont(Font());
    FCanvas->Brush()->SetColor(Color());
    const RECT& r = item->rcItem;
    DrawTab(static_cast<int>(item->itemID), Rect(r.left, r.top, r.right, r.bottom), (item->itemState & ODS_SELECTED) != 0);
  }
  RestoreDC(item->hDC, saved);
  Message.Result = TRUE;
}

void TPageControl::DrawTab(int TabIndex, const TRect& R, bool Active) {
  if (OnDrawTab) {
    OnDrawTab(this, TabIndex, R, Active);
    return;
  }
  FCanvas->FillRect(R);
  if (TTabSheet* page = PageOfTab(TabIndex)) FCanvas->TextOut(R.Left + 4, R.Top + 2, page->Caption());
}

void TPageControl::AdjustClientRect(TRect& R) const {
  if (!FHandle) return;
  RECT r = {R.Left, R.Top, R.Right, R.Bottom};
  // Through the control's own message handling, so that descendants that
  // adjust the display area are asked too.
  const_cast<TPageControl*>(this)->Perform(TCM_ADJUSTRECT, FALSE, reinterpret_cast<intptr_t>(&r));
  R = Rect(r.left, r.top, r.right, r.bottom);
}

TRect TPageControl::DisplayRect() {
  TRect r = ClientRect();
  AdjustClientRect(r);
  return r;
}

TRect TPageControl::TabRect(int TabIndex) {
  RECT r = {0, 0, 0, 0};
  Perform(TCM_GETITEMRECT, TabIndex, reinterpret_cast<intptr_t>(&r));
  return Rect(r.left, r.top, r.right, r.bottom);
}

int TPageControl::IndexOfTabAt(int X, int Y) {
  TCHITTESTINFO hit = {{X, Y}, 0};
  return static_cast<int>(Perform(TCM_HITTEST, 0, reinterpret_cast<intptr_t>(&hit)));
}

void TPageControl::SetTabStyleFlag(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  RecreateWnd();
}

void TPageControl::SetMultiLine(bool Value) { SetTabStyleFlag(FMultiLine, Value); }
void TPageControl::SetHotTrack(bool Value) { SetTabStyleFlag(FHotTrack, Value); }
void TPageControl::SetRaggedRight(bool Value) { SetTabStyleFlag(FRaggedRight, Value); }
void TPageControl::SetScrollOpposite(bool Value) { SetTabStyleFlag(FScrollOpposite, Value); }
void TPageControl::SetOwnerDraw(bool Value) { SetTabStyleFlag(FOwnerDraw, Value); }

void TPageControl::SetTabPosition(TTabPosition Value) {
  if (FTabPosition == Value) return;
  FTabPosition = Value;
  RecreateWnd();
}

void TPageControl::SetStyle(TTabStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  RecreateWnd();
}

void TPageControl::SetTabWidth(int Value) {
  if (FTabWidth == Value) return;
  const bool styleChanges = (FTabWidth > 0) != (Value > 0);
  FTabWidth = Value;
  if (styleChanges) RecreateWnd();
  else if (FHandle) {
    SendMessageW(FHandle, TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
    Realign();
  }
}

void TPageControl::SetTabHeight(int Value) {
  if (FTabHeight == Value) return;
  FTabHeight = Value;
  if (FHandle) {
    SendMessageW(FHandle, TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
    Realign();
  }
}

void TPageControl::SetImages(TCustomImageList* Value) {
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  if (FHandle) {
    SendMessageW(FHandle, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(Value ? Value->Handle() : nullptr));
    UpdateTabs();
  }
}

void TPageControl::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) SetImages(nullptr);
}
