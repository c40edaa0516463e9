// The skinned page control's behaviour: skin values, the tab control's
// display and tab rectangles rewritten, centred tabs, the hot tab, close
// buttons and the tab scroller.
#include "skinctrls/SkinTabs.h"

#include <algorithm>
#include <vector>

#include "skin/SkinCtrlRecords.h"
#include "skin/SkinCtrlRecords2.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinControl.h"

namespace {

const TRect& OrElse(const TRect& R, const TRect& Fallback) { return R.IsEmpty() ? Fallback : R; }

}  // namespace

TspSkinPageControl::TspSkinPageControl(TComponent* AOwner)
    : TspSkinLinked<TPageControl>(AOwner), FDefaultFont(std::make_unique<TFont>()),
      FRoomList(std::make_unique<TCustomImageList>(nullptr, 1, 1)) {
  for (TFont* f : {FDefaultFont.get(), Font()}) {
    f->SetName(L"Arial");
    f->SetHeight(14);
    f->SetStyle({});
    f->SetColor(clBtnText);
  }
  // The tabs' font follows the default font whenever that is the one shown.
  FDefaultFont->OnChange = [this](TObject*) {
    if (FIndex == -1 || !FUseSkinFont) ChangeSkinData();
  };
  FSkinDataName = L"tab";
  SetParentFont(false);
  // Every tab is drawn here; the tab control only lays them out and hit-tests.
  FControlState.Include(csCustomPaint);
  TPageControl::SetImages(FRoomList.get());
}

// The component's teardown lets go of the links to the skin data and the
// images: by the time this runs either may have been freed.
TspSkinPageControl::~TspSkinPageControl() = default;

// ---------------------------------------------------------------------------
// Properties

void TspSkinPageControl::SetTabExtededDraw(bool Value) {
  FTabExtededDraw = Value;
  Invalidate();
}

void TspSkinPageControl::SetTabMargin(int Value) {
  if (Value < -1 || Value == FTabMargin) return;
  FTabMargin = Value;
  Repaint();
}

void TspSkinPageControl::SetTabSpacing(int Value) {
  if (Value == FTabSpacing) return;
  FTabSpacing = Value;
  Repaint();
}

void TspSkinPageControl::SetTabLayout(TButtonLayout Value) {
  if (Value == FTabLayout) return;
  FTabLayout = Value;
  Repaint();
}

void TspSkinPageControl::SetTextInHorizontal(bool Value) {
  FTextInHorizontal = Value;
  Invalidate();
}

void TspSkinPageControl::SetTabsInCenter(bool Value) {
  // Centring needs tabs of one known width.
  FTabsInCenter = Value && TabWidth() != 0;
  if (FTabsInCenter) {
    if (TabPosition() != tpTop) SetTabPosition(tpTop);
    if (MultiLine()) SetMultiLine(false);
    FTabsBGTransparent = true;
  }
  Invalidate();
}

void TspSkinPageControl::ReserveImageRoom() {
  // The close button and the images each add their size along the tabs'
  // length: the width for top and bottom tabs, the height for side tabs.
  // Worked out afresh from the current state, so that no order of side,
  // close button, image and skin changes can leave it wrong.
  const bool side = TabPosition() == tpLeft || TabPosition() == tpRight;
  int room = FShowCloseButtons ? FCloseSize : 0;
  if (FImages) room += side ? FImages->Height() : FImages->Width();
  const int w = side ? 1 : 1 + room, h = side ? 1 + room : 1;
  if (w == FRoomList->Width() && h == FRoomList->Height()) return;
  FRoomList->SetSize(w, h);
  // A new size is a new image list handle; the tab control must be given it.
  TPageControl::SetImages(FRoomList.get());
}

void TspSkinPageControl::SetShowCloseButtons(bool Value) {
  if (Value == FShowCloseButtons) return;
  FShowCloseButtons = Value;
  ReserveImageRoom();
  Invalidate();
}

void TspSkinPageControl::SetImages(TCustomImageList* Value) {
  if (Value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  ReserveImageRoom();
  Invalidate();
}

void TspSkinPageControl::SetTabsBGTransparent(bool Value) {
  FTabsBGTransparent = Value;
  Invalidate();
}

void TspSkinPageControl::SetDefaultItemHeight(int Value) {
  FDefaultItemHeight = Value;
  if (FIndex != -1) return;
  SetItemSize(TabWidth(), Value);
  SyncScrollerPosition();
  Realign();
}

void TspSkinPageControl::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinLinked<TPageControl>::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) {
    FImages = nullptr;
    ReserveImageRoom();
  }
  if (FScroller && AComponent == FScroller->ScrollerControl()) {
    FScroller = nullptr;
    FScrollerShown = false;
  }
}

// ---------------------------------------------------------------------------
// Skin

void TspSkinPageControl::GetSkinData() {
  LookUpIndex();
  auto* r = SkinRecordAs<TspDataSkinTabControl>();
  if (!r) {
    FSkin = TspTabSkin();
    return;
  }
  TspTabSkin& s = FSkin;
  s.Picture = FSkinData->ActivePicture(r->PictureIndex);
  s.SkinRect = r->SkinRect;
  s.ClRect = r->ClRect;
  s.TabRect = r->TabRect;
  s.ActiveTabRect = OrElse(r->ActiveTabRect, r->TabRect);
  s.FocusTabRect = OrElse(r->FocusTabRect, s.ActiveTabRect);
  s.MouseInTabRect = r->MouseInTabRect;
  s.TabsBGRect = r->TabsBGRect;
  s.LTPoint = r->LTPoint;
  s.RTPoint = r->RTPoint;
  s.LBPoint = r->LBPoint;
  s.RBPoint = r->RBPoint;
  s.TabLeftOffset = r->TabLeftOffset;
  s.TabRightOffset = r->TabRightOffset;
  s.FontName = r->FontName;
  s.FontHeight = r->FontHeight;
  s.FontStyle = r->FontStyle;
  s.FontColor = r->FontColor;
  s.ActiveFontColor = r->ActiveFontColor;
  s.FocusFontColor = r->FocusFontColor;
  s.MouseInFontColor = r->MouseInFontColor;
  s.UpDown = r->UpDown;
  s.BGPictureIndex = r->BGPictureIndex;
  s.TabStretchEffect = r->TabStretchEffect;
  s.ShowFocus = r->ShowFocus;
  s.FocusOffsetX = r->FocusOffsetX;
  s.FocusOffsetY = r->FocusOffsetY;
  s.StretchEffect = r->StretchEffect;
  s.LeftStretch = r->LeftStretch;
  s.TopStretch = r->TopStretch;
  s.RightStretch = r->RightStretch;
  s.BottomStretch = r->BottomStretch;
  s.StretchType = static_cast<uint8_t>(r->StretchType);
  s.CloseButtonRect = r->CloseButtonRect;
  s.CloseButtonActiveRect = OrElse(r->CloseButtonActiveRect, r->CloseButtonRect);
  s.CloseButtonDownRect = OrElse(r->CloseButtonDownRect, s.CloseButtonActiveRect);
  s.ButtonTransparent = r->ButtonTransparent;
  s.ButtonTransparentColor = r->ButtonTransparentColor;
}

void TspSkinPageControl::ApplyFont(TFont* F, bool SkinFont) {
  if (SkinFont) {
    F->SetName(FSkin.FontName);
    F->SetHeight(FSkin.FontHeight);
    F->SetStyle(FSkin.FontStyle);
  } else {
    F->Assign(FDefaultFont.get());
  }
  if (FSkinData && FSkinData->ResourceStrData()) F->SetCharset(FSkinData->ResourceStrData()->CharSet());
  else if (SkinFont) F->SetCharset(FDefaultFont->Charset());
}

void TspSkinPageControl::SetUseSkinFont(bool Value) {
  if (FUseSkinFont == Value) return;
  FUseSkinFont = Value;
  ChangeSkinData();
}

void TspSkinPageControl::ChangeSkinData() {
  GetSkinData();
  if (FShowCloseButtons) {
    FCloseSize = FIndex != -1 && !FSkin.CloseButtonRect.IsEmpty() ? FSkin.CloseButtonRect.Width() : 14;
    ReserveImageRoom();
  }
  if (FIndex == -1) {
    ApplyFont(Font(), false);
    SetItemSize(TabWidth(), TabHeight() > 0 ? TabHeight() : FDefaultItemHeight);
  } else {
    ApplyFont(Font(), FUseSkinFont);
    Font()->SetColor(FSkin.FontColor);
    SetItemSize(TabWidth(), TabHeight() > 0 ? TabHeight() : FSkin.TabRect.Height());
  }
  SyncScrollerPosition();
  Realign();
  // The scroller takes the look the new skin names for it.
  if (FScroller) {
    FScroller->SetScrollerSkin(FSkinData, FIndex != -1 ? FSkin.UpDown : String());
    CheckScroller();
  }
  if (ActivePage()) ActivePage()->Invalidate();
}

void TspSkinPageControl::Loaded() {
  TspSkinLinked<TPageControl>::Loaded();
  if (FIndex != -1) return;
  SetItemSize(TabWidth(), TabHeight() > 0 ? TabHeight() : FDefaultItemHeight);
  SyncScrollerPosition();
  Realign();
}

void TspSkinPageControl::CreateHandleDone() {
  // A new window follows a change of side: the room turns with the tabs.
  ReserveImageRoom();
  TspSkinLinked<TPageControl>::CreateHandleDone();
  // The tab control learns the tab height the skin or the default gives.
  const int h = TabHeight() > 0 ? TabHeight() : (FIndex != -1 ? FSkin.TabRect.Height() : FDefaultItemHeight);
  SetItemSize(TabWidth(), h);
  Realign();  // the pages follow the display area of that height
}

void TspSkinPageControl::SetItemSize(int AWidth, int AHeight) {
  if (HandleAllocated()) Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(AWidth, AHeight));
}

// ---------------------------------------------------------------------------
// Tabs

TspSkinCustomTabSheet* TspSkinPageControl::SkinPage(int PageIndex) const {
  if (PageIndex < 0 || PageIndex >= PageCount()) return nullptr;
  return dynamic_cast<TspSkinCustomTabSheet*>(Pages(PageIndex));
}

int TspSkinPageControl::VisibleTabCount() const {
  int n = 0;
  for (int i = 0; i < PageCount(); ++i) n += Pages(i)->TabVisible() ? 1 : 0;
  return n;
}

bool TspSkinPageControl::HasActiveTab() const {
  return PageCount() > 0 && VisibleTabCount() > 0 && ActivePage() && TabIndex() >= 0;
}

int TspSkinPageControl::GetImageIndex(int TabIndex) {
  // The page's image, as OnGetImageIndex may change it, is the one drawn;
  // the tab control is given image 0 of the room list, so that each tab
  // gets the room.
  const int image = TspSkinLinked<TPageControl>::GetImageIndex(TabIndex);
  if (TabIndex >= 0) {
    if (static_cast<size_t>(TabIndex) >= FTabImages.size()) FTabImages.resize(TabIndex + 1, -1);
    FTabImages[TabIndex] = image;
  }
  return 0;
}

int TspSkinPageControl::TabImageIndex(TTabSheet* Page) const {
  const int tab = Page->TabIndex();
  return tab >= 0 && static_cast<size_t>(tab) < FTabImages.size() ? FTabImages[tab] : Page->ImageIndex();
}

TRect TspSkinPageControl::GetTabRect(int VisibleIndex) {
  RECT r = {0, 0, 0, 0};
  if (HandleAllocated()) Perform(TCM_GETITEMRECT, VisibleIndex, reinterpret_cast<intptr_t>(&r));
  TRect t(r.left, r.top, r.right, r.bottom);
  if (VisibleIndex == 0 && !MultiLine()) t.Left += 1;
  return t;
}

int TspSkinPageControl::GetTabsCenterOffset() { return TabsCenterOffset(Width(), TabWidth(), VisibleTabCount()); }

int TspSkinPageControl::LaidOutTabCount() {
  // While the tabs are being rebuilt the tab control holds fewer than the pages.
  if (!HandleAllocated()) return 0;
  return std::min(VisibleTabCount(), static_cast<int>(Perform(TCM_GETITEMCOUNT, 0, 0)));
}

int TspSkinPageControl::GetTabsOutOfView() {
  int n = 0;
  const int count = LaidOutTabCount();
  for (int i = 0; i < count; ++i) n += TabOutOfView(GetTabRect(i).Right, Width()) ? 1 : 0;
  return n;
}

int TspSkinPageControl::GetTabsLeftOfView() {
  int n = 0;
  const int count = LaidOutTabCount();
  for (int i = 0; i < count; ++i) n += TabLeftOfView(GetTabRect(i).Right) ? 1 : 0;
  return n;
}

void TspSkinPageControl::Change() {
  KeepActiveTabInView();
  if (TspTabScroller* s = Scroller()) s->SetScrollerPosition(GetTabsLeftOfView());
  TspSkinLinked<TPageControl>::Change();
  Invalidate();
  if (ActivePage()) ActivePage()->Invalidate();
}

// ---------------------------------------------------------------------------
// Messages

void TspSkinPageControl::WndProc(TMessage& Message) {
  const bool live = !Designing();
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (FTabsInCenter && live) {
        TspSkinLinked<TPageControl>::WndProc(Message);
        Invalidate();  // the focused tab looks different
        return;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_NCHITTEST:
      // The tab control hit-tests its tabs where it laid them out, uncentred.
      if (FTabsInCenter && live)
        Message.LParam = MAKELPARAM(static_cast<int16_t>(Message.XPos() - GetTabsCenterOffset()), Message.YPos());
      break;
    case TCM_ADJUSTRECT: {
      TspSkinLinked<TPageControl>::WndProc(Message);
      if (Message.WParam || !Message.LParam) return;
      auto* r = reinterpret_cast<RECT*>(Message.LParam);
      GetSkinData();
      const TRect client = ClientRect();
      const TspTabFrameMargins m = TabFrameMargins(FSkin.SkinRect, FSkin.ClRect);
      const TRect d = AdjustTabDisplayRect(Side(), TRect(r->left, r->top, r->right, r->bottom), client.Width(),
                                           client.Height(), FIndex != -1 ? &m : nullptr);
      *r = {d.Left, d.Top, d.Right, d.Bottom};
      return;
    }
    case TCM_GETITEMRECT: {
      TspSkinLinked<TPageControl>::WndProc(Message);
      if (Style() != tsTabs || !Message.LParam) return;
      auto* r = reinterpret_cast<RECT*>(Message.LParam);
      const int offset = FTabsInCenter && live && TabPosition() == tpTop ? GetTabsCenterOffset() : 0;
      const TRect t = AdjustTabItemRect(Side(), TRect(r->left, r->top, r->right, r->bottom), MultiLine(), offset);
      *r = {t.Left, t.Top, t.Right, t.Bottom};
      return;
    }
  }
  TspSkinLinked<TPageControl>::WndProc(Message);
  if (MultiLine() || !live || ComponentState().Contains(csDestroying)) return;
  switch (Message.Msg) {
    // Whatever lays the tabs out again may make them overflow, or fit, and
    // may bring the tab control's own scroller back.
    case WM_SIZE:
    case WM_SETFONT:
    case TCM_INSERTITEMW:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
    case TCM_SETITEMW:
    case TCM_SETITEMSIZE:
    case TCM_SETIMAGELIST:
      CheckScroller();
      break;
    case TCM_SETCURSEL:
      KeepActiveTabInView();
      break;
  }
}

void TspSkinPageControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      GetSkinData();
      break;
    case WM_HSCROLL:
      TspSkinLinked<TPageControl>::Dispatch(Message);
      if (!FScrollingTabs) Repaint();
      return;
    case WM_ERASEBKGND:
      if (PageCount() > 0 && VisibleTabCount() > 0) {
        Message.Result = 1;
        return;
      }
      GetSkinData();
      if (FIndex != -1) {
        PaintSkinBackground(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
      }
      break;
    case MSG_BACKGROUND_CHANGED:
      if (FTabsBGTransparent) Repaint();
      return;
    case MSG_SKIN_AWARE_QUERY:
      Message.Result = SKIN_AWARE_REPLY;
      return;
    case CM_MOUSELEAVE: {
      TspSkinLinked<TPageControl>::Dispatch(Message);
      const bool repaint = FHotVisibleTab != -1 && FHotVisibleTab != TabIndex();
      UpdateHotTab(-1, -1);
      if (repaint) PaintTabs(Canvas());
      return;
    }
  }
  TspSkinLinked<TPageControl>::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// Hot tab and close buttons

void TspSkinPageControl::UpdateHotTab(int X, int Y) {
  FOldHotTab = FHotTab;
  FOldHotVisibleTab = FHotVisibleTab;
  FHotTab = FHotVisibleTab = -1;
  const int count = VisibleTabCount();
  for (int i = 0; i < count; ++i) {
    if (!GetTabRect(i).Contains(TPoint(X, Y))) continue;
    FHotVisibleTab = i;
    FHotTab = PageOfTab(i)->PageIndex();
    break;
  }
  bool repaint = false;
  if (FHotVisibleTab != FOldHotVisibleTab) {
    // The close box of a tab the mouse left goes back to rest, active tab or not.
    if (TspSkinCustomTabSheet* old = SkinPage(FOldHotTab)) {
      repaint |= FOldHotVisibleTab != TabIndex() || old->CloseButtonMouseIn || old->CloseButtonMouseDown;
      old->CloseButtonMouseIn = old->CloseButtonMouseDown = false;
    }
    repaint |= FHotVisibleTab != -1 && FHotVisibleTab != TabIndex();
  }
  TRect r;
  TspSkinCustomTabSheet* page = nullptr;
  if (FShowCloseButtons && HotCloseRect(r, page)) {
    const bool inside = r.Contains(TPoint(X, Y));
    if (inside && !page->CloseButtonMouseIn) {
      page->CloseButtonMouseIn = true;
      repaint = true;
    } else if (!inside && (page->CloseButtonMouseIn || page->CloseButtonMouseDown)) {
      page->CloseButtonMouseIn = page->CloseButtonMouseDown = false;
      repaint = true;
    }
  }
  if (repaint) PaintTabs(Canvas());
}

bool TspSkinPageControl::HotCloseRect(TRect& R, TspSkinCustomTabSheet*& Page) {
  Page = SkinPage(FHotTab);
  if (!Page || FHotVisibleTab == -1 || Page->CloseButtonRect.IsEmpty()) return false;
  const TRect tab = GetTabRect(FHotVisibleTab);
  R = Page->CloseButtonRect;
  OffsetRect(R, tab.Left, tab.Top);
  return true;
}

void TspSkinPageControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (!Designing()) UpdateHotTab(X, Y);
  TspSkinLinked<TPageControl>::MouseMove(Shift, X, Y);
}

void TspSkinPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && !Designing()) {
    if (!FTabsInCenter) UpdateHotTab(X, Y);
    TRect r;
    TspSkinCustomTabSheet* page = nullptr;
    if (FShowCloseButtons && HotCloseRect(r, page)) {
      // X comes uncentred; so must the box.
      if (FTabsInCenter) OffsetRect(r, -GetTabsCenterOffset(), 0);
      const bool inside = r.Contains(TPoint(X, Y));
      page->CloseButtonMouseIn = page->CloseButtonMouseDown = inside;
      if (inside) PaintTabs(Canvas());
    }
  }
  TspSkinLinked<TPageControl>::MouseDown(Button, Shift, X, Y);
}

void TspSkinPageControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinLinked<TPageControl>::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || Designing()) return;
  if (!FTabsInCenter) UpdateHotTab(X, Y);
  TRect r;
  TspSkinCustomTabSheet* page = nullptr;
  if (!FShowCloseButtons || !HotCloseRect(r, page)) return;
  if (FTabsInCenter) OffsetRect(r, -GetTabsCenterOffset(), 0);
  // A click is a press and a release both on the same close box.
  const bool clicked = r.Contains(TPoint(X, Y)) && page->CloseButtonMouseDown;
  page->CloseButtonMouseIn = clicked;
  page->CloseButtonMouseDown = false;
  PaintTabs(Canvas());
  if (clicked) ClosePage(page);
}

void TspSkinPageControl::CloseActivePage() { ClosePage(dynamic_cast<TspSkinCustomTabSheet*>(ActivePage())); }

void TspSkinPageControl::ClosePage(TspSkinCustomTabSheet* Page) {
  if (!Page || Page->PageControl() != this) return;
  bool canClose = true;
  if (OnClose) OnClose(Page, canClose);
  if (BeingFreed() || Page->BeingFreed()) return;
  if (!canClose) {
    POINT p;
    GetCursorPos(&p);
    if (!HandleAllocated() || WindowFromPoint(p) != Handle()) {
      Page->CloseButtonMouseIn = Page->CloseButtonMouseDown = false;
      PaintTabs(Canvas());
    }
    return;
  }
  Page->CloseButtonMouseIn = Page->CloseButtonMouseDown = false;
  FHotTab = FHotVisibleTab = -1;
  Page->SetTabVisible(false);
  if (FFreeOnClose) Free(Page);
  if (OnAfterClose) OnAfterClose(this);
}

// ---------------------------------------------------------------------------
// Scroller

void TspSkinPageControl::CheckScroller() {
  // Side tabs always wrap into rows; only a single row scrolls.
  if (!HandleAllocated() || !TabScrollerFactory() || TabPosition() == tpLeft || TabPosition() == tpRight) return;
  if (HWND own = FindWindowExW(Handle(), nullptr, L"msctls_updown32", nullptr)) DestroyWindow(own);
  const int out = GetTabsOutOfView();
  if (out == 0 || MultiLine()) {
    HideScroller();
    return;
  }
  if (!FScrollerShown) CreateScroller();
  if (!FScrollerShown) return;
  // An existing scroller follows a change in the number of hidden tabs.
  FScroller->SetScrollerMax(out);
  PlaceScroller();
  KeepActiveTabInView();
}

void TspSkinPageControl::CreateScroller() {
  if (Designing()) return;
  if (!FScroller) {
    FScroller = TabScrollerFactory()(this);
    if (!FScroller) return;
    FScroller->ScrollerControl()->SetParent(this);
    FScroller->SetScrollerSkin(FSkinData, FIndex != -1 ? FSkin.UpDown : String());
  }
  TspTabScroller* s = FScroller;
  TWinControl* c = s->ScrollerControl();
  c->SetBounds(c->Left(), c->Top(), 2 * FDefaultItemHeight, FDefaultItemHeight);
  s->SetScrollerOnChange(nullptr);
  s->SetScrollerMin(0);
  s->SetScrollerMax(GetTabsOutOfView());
  s->SetScrollerPosition(GetTabsLeftOfView());
  s->SetScrollerIncrement(1);
  s->SetScrollerOnChange([this](TObject* Sender) { UpDownChange(Sender); });
  FScrollerShown = true;
  PlaceScroller();
  c->SetVisible(true);
}

void TspSkinPageControl::PlaceScroller() {
  TWinControl* c = FScroller->ScrollerControl();
  c->SetBounds(Width() - c->Width(), TabPosition() == tpTop ? 0 : Height() - c->Height(), c->Width(), c->Height());
}

void TspSkinPageControl::HideScroller() {
  if (!FScrollerShown) return;
  FScrollerShown = false;
  FScroller->ScrollerControl()->SetVisible(false);
}

void TspSkinPageControl::SyncScrollerPosition() {
  if (TspTabScroller* s = Scroller()) s->SetScrollerPosition(GetTabsLeftOfView());
  Invalidate();
}

void TspSkinPageControl::UpDownChange(TObject*) {
  if (!FScrollerShown) return;
  FScroller->SetScrollerMax(GetTabsOutOfView());
  ScrollTabsTo(FScroller->ScrollerPosition());
  FFirstTab = GetTabsLeftOfView();
  // Scrolled on, more tabs may lie out of view: the arrows go on to them.
  FScroller->SetScrollerMax(GetTabsOutOfView());
}

int TspSkinPageControl::TabViewWidth() {
  if (TspTabScroller* s = Scroller()) return s->ScrollerControl()->Left();
  return Width();
}

void TspSkinPageControl::ScrollTabsTo(int First) {
  // The tab control moves its first shown tab one step a message; the
  // control repaints once, after the last.
  const int from = GetTabsLeftOfView();
  FScrollingTabs = true;
  for (int i = LaidOutTabCount(); i > 0 && GetTabsLeftOfView() != First; --i)
    Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, First), 0);
  FScrollingTabs = false;
  if (GetTabsLeftOfView() != from) Invalidate();
}

void TspSkinPageControl::KeepActiveTabInView() {
  if (MultiLine() || TabPosition() == tpLeft || TabPosition() == tpRight) return;
  const int count = LaidOutTabCount();
  if (count == 0) return;
  // The tab control gives no place for a tab scrolled out to the left: the
  // row is measured from its start. The tabs move from where they were last
  // shown, not from where the tab control has just put them.
  ScrollTabsTo(0);
  const int origin = GetTabRect(0).Left;
  std::vector<int> rights(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) rights[static_cast<size_t>(i)] = GetTabRect(i).Right - origin;
  const int view = TabViewWidth();
  ScrollTabsTo(FirstTabInView(rights, TabIndex(), FFirstTab, view));
  FFirstTab = GetTabsLeftOfView();
  if (TspTabScroller* s = Scroller()) {
    s->SetScrollerMax(GetTabsOutOfView());
    s->SetScrollerPosition(GetTabsLeftOfView());
  }
}
