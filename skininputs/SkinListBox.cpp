// The skinned list box: the inner list's window and input, properties, the
// skin's values, the layout of list and bars, and the bars coming and going.
#include "skininputs/SkinListBox.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "skin/SkinCtrlRecords2.h"
#include "skininputs/ListBoxLayout.h"

// ---------------------------------------------------------------------------
// TspListBox

TspListBox::TspListBox(TComponent* AOwner) : TListBox(AOwner) {
  SetBorderStyle(bsNone);
  FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks};
  // Every pixel is painted here, not by the system list.
  FControlState.Include(csCustomPaint);
  // Emptying a list of many items costs no message an item.
  SetHoldsItems(true);
}

void TspListBox::CreateParams(TCreateParams& Params) {
  TListBox::CreateParams(Params);
  // No system bars either: the skinned ones take their range from the items
  // and the top row (SyncScrollBars), and a system list with a bar of its
  // own sets its scroll range, and draws it, on every item added.
  Params.Style = (Params.Style & ~(WS_BORDER | WS_VSCROLL | WS_HSCROLL)) | WS_TABSTOP;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
  Params.WindowClass.style = CS_DBLCLKS;
}

void TspListBox::CreateWnd() {
  // The widths kept for the horizontal extent are measured again for the
  // items of the new window.
  if (SkinListBox) SkinListBox->ForgetItemWidths();
  TListBox::CreateWnd();
  if (SkinListBox) SkinListBox->ListBoxCreateWnd();
}

void TspListBox::HeldItemRenaming(int Index) {
  TListBox::HeldItemRenaming(Index);
  FRenamedWidth = SkinListBox ? SkinListBox->LeavingItemWidth(Index) : -1;
}

void TspListBox::HeldItemRenamed(int Index) {
  TListBox::HeldItemRenamed(Index);
  if (!SkinListBox) return;
  SkinListBox->ItemLeft(FRenamedWidth);
  SkinListBox->ItemCame(Index);
  if (FRedraw) SkinListBox->SyncScrollBars();
}

int TspListBox::WindowCount() const {
  return HandleAllocated() ? static_cast<int>(CallSystemProc(LB_GETCOUNT, 0, 0)) : 0;
}

int TspListBox::WindowTopIndex() const {
  return HandleAllocated() ? static_cast<int>(CallSystemProc(LB_GETTOPINDEX, 0, 0)) : 0;
}

void TspListBox::SetHorzOffset(int Value) {
  FHorzOffset = std::max(0, Value);
  Invalidate();
}

void TspListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int gain = AWidth - Width();
  TListBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  // A wider list needs less scrolling to show the same right edge.
  if (gain > 0 && FHorzOffset >= 1) SetHorzOffset(FHorzOffset - gain);
}

void TspListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (SkinListBox) SkinListBox->DrawListItem(Canvas(), Index, Rect, State);
  else TListBox::DrawItem(Index, Rect, State);
}

void TspListBox::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  if (!SkinListBox || !SkinListBox->OnListBoxDragOver) {
    TListBox::DragOver(Source, X, Y, State, Accept);
    return;
  }
  Accept = true;
  SkinListBox->OnListBoxDragOver(this, Source, X, Y, State, Accept);
}

void TspListBox::DragDrop(TObject* Source, int X, int Y) {
  if (SkinListBox && SkinListBox->OnListBoxDragDrop) SkinListBox->OnListBoxDragDrop(this, Source, X, Y);
  else TListBox::DragDrop(Source, X, Y);
}

void TspListBox::DoStartDrag(TDragObject*& DragObject) {
  if (SkinListBox && SkinListBox->OnListBoxStartDrag) SkinListBox->OnListBoxStartDrag(this, DragObject);
  else TListBox::DoStartDrag(DragObject);
}

void TspListBox::DoEndDrag(TObject* Target, int X, int Y) {
  if (SkinListBox && SkinListBox->OnListBoxEndDrag) SkinListBox->OnListBoxEndDrag(this, Target, X, Y);
  else TListBox::DoEndDrag(Target, X, Y);
}

void TspListBox::PaintWindow(HDC DC) {
  if (!SkinListBox || Width() < 1 || Height() < 1) {
    TListBox::PaintWindow(DC);
    return;
  }
  // The skin's values are read once a paint, not once an item.
  SkinListBox->GetSkinData();
  TCanvas c;
  c.SetHandle(DC);
  const int ih = ListBoxItemHeight(ItemHeight());
  const int top = std::max(0, TopIndex());
  const int visible = Height() / ih * std::max(1, Columns());
  const int last = std::min(top + visible, Count() - 1);
  for (int i = top; i <= last; ++i) SkinListBox->DrawListItem(&c, i, ItemRect(i), SkinListBox->GetItemState(i));
  // An item's handler may have freed the list, and its window with it.
  if (Columns() == 0 && !SkinListBox->BeingFreed()) {
    const int bottom = last >= top ? ItemRect(last).Bottom : 0;
    if (bottom < Height()) SkinListBox->FillListBackground(&c, TRect(0, bottom, Width(), Height()));
  }
  c.SetHandle(nullptr);
}

void TspListBox::WndProc(TMessage& Message) {
  if (!SkinListBox) {
    TListBox::WndProc(Message);
    return;
  }
  bool handled = false;
  SkinListBox->ListBoxWProc(Message, handled);
  if (!handled) return;
  TspSkinCustomListBox* owner = SkinListBox;
  switch (Message.Msg) {
    case WM_NCCALCSIZE:  // no frame and no system bars: the client is the window
    case WM_NCPAINT:
      Message.Result = 0;
      return;
    case WM_ERASEBKGND:
      // The paint that follows draws every item and, in a list of rows, the
      // background under the last one: only columns leave a background
      // here, so that nothing is drawn twice (and nothing flickers).
      if (Columns() != 0) {
        TCanvas c;
        c.SetHandle(reinterpret_cast<HDC>(Message.WParam));
        owner->FillListBackground(&c, TRect(0, 0, Width(), Height()));
        c.SetHandle(nullptr);
      }
      Message.Result = 1;
      owner->SyncScrollBars();
      return;
    case WM_WINDOWPOSCHANGING:
      // Moved as part of a whole control that is invalidated next: the
      // system's erase of the uncovered strips would be drawn over at once.
      if (owner->FWholeRedrawComing) reinterpret_cast<WINDOWPOS*>(Message.LParam)->flags |= SWP_NOREDRAW;
      break;
    case WM_MOUSEWHEEL:
      if (owner->FVScrollBar) {
        SendMessageW(Handle(), WM_VSCROLL, GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        owner->SyncScrollBars();
      } else if (owner->FHScrollBar) {
        TspSkinScrollBar* h = owner->FHScrollBar;
        const int step = GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0 ? -h->SmallChange() : h->SmallChange();
        h->SetPosition(h->Position() + step);
      } else {
        break;
      }
      Message.Result = 0;
      return;
    case kQueryFrame:
      Message.Result = kQueryFrameAnswer;
      return;
    case kQueryBackground:
      if (Message.LParam != static_cast<intptr_t>(kQueryBackgroundAnswer) || Count() > 0) break;
      if (Message.WParam) {
        TCanvas c;
        c.SetHandle(reinterpret_cast<HDC>(Message.WParam));
        owner->FillListBackground(&c, TRect(0, 0, Width(), Height()));
        c.SetHandle(nullptr);
      }
      Message.Result = kQueryBackgroundAnswer;
      return;
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
      TListBox::WndProc(Message);
      if (Message.Result >= 0) owner->ItemCame(static_cast<int>(Message.Result));
      if (FRedraw) owner->SyncScrollBars();
      return;
    case LB_DELETESTRING: {
      // Measured while it is still there: the held items let it go after
      // the window, the window's own strings with it.
      const int index = static_cast<int>(Message.WParam);
      const int width = owner->LeavingItemWidth(index);
      TListBox::WndProc(Message);
      if (Message.Result >= 0) owner->ItemLeft(width);
      if (FRedraw) owner->SyncScrollBars();
      return;
    }
    case LB_RESETCONTENT:
    case LB_SETCOUNT:
      TListBox::WndProc(Message);
      if (Message.Msg == LB_RESETCONTENT) owner->ItemsCleared();
      else owner->ForgetItemWidths();
      if (FRedraw) owner->SyncScrollBars();
      return;
    case CM_FONTCHANGED:
      // The items are measured in the new font.
      TListBox::WndProc(Message);
      owner->SyncScrollBars();
      return;
    case LB_SETTOPINDEX:
      if (JumpUnscrolled(Message)) return;
      break;
    case WM_SETREDRAW:
      FRedraw = Message.WParam != 0;
      TListBox::WndProc(Message);
      if (FRedraw) owner->SyncScrollBars();
      return;
  }
  TListBox::WndProc(Message);
}

// A jump of a page or more keeps no row on screen, yet the system list still
// scrolls its pixels first (the larger part of the jump's time), only for
// every row to be painted anew. Hidden from it for the jump, it just moves
// its top row; the whole list is then invalidated. Smaller steps scroll as
// before, so that the rows still shown are not painted again.
bool TspListBox::JumpUnscrolled(TMessage& Message) {
  if (Columns() != 0 || !(GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE)) return false;
  const int rows = std::max(1, Height() / ListBoxItemHeight(ItemHeight()));
  const int from = TopIndex();
  if (std::abs(static_cast<int>(Message.WParam) - from) < rows) return false;
  DefWindowProcW(Handle(), WM_SETREDRAW, FALSE, 0);
  TListBox::WndProc(Message);
  DefWindowProcW(Handle(), WM_SETREDRAW, TRUE, 0);
  if (TopIndex() != from) InvalidateRect(Handle(), nullptr, TRUE);
  return true;
}

// ---------------------------------------------------------------------------
// TspSkinCustomListBox: life and properties

TspSkinCustomListBox::TspSkinCustomListBox(TComponent* AOwner)
    : TspSkinCustomControl(AOwner),
      FRepeat(this, [this](int Sign) { StepItem(Sign); }, true),
      FTabWidths(std::make_unique<TStringList>()),
      FDefaultCaptionFont(std::make_unique<TFont>()),
      FGlyph(std::make_unique<TBitmap>()) {
  FControlStyle =
      TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csReplicatable};
  FSkinDataName = L"listbox";
  FWidth = 120;
  FHeight = 120;
  Font()->SetName(L"Arial");
  Font()->SetHeight(14);
  Font()->SetColor(clWindowText);
  Font()->SetStyle(TFontStyles());
  FDefaultCaptionFont->SetName(L"Arial");
  FDefaultCaptionFont->SetHeight(14);
  FDefaultCaptionFont->OnChange = [this](TObject*) {
    if (!Skinned() && FCaptionMode) Repaint();
  };
  FGlyph->OnChange = [this](TObject*) { Repaint(); };

  FListBox = new TspListBox(this);
  FListBox->SkinListBox = this;
  FListBox->SetStyle(lbOwnerDrawFixed);
  FListBox->SetItemHeight(FDefaultItemHeight);
  FListBox->SetParent(this);
  FListBox->SetVisible(true);
  FListBox->OnMouseDown = [this](TObject*, TMouseButton B, TShiftState S, int X, int Y) { ListBoxMouseDown(B, S, X, Y); };
  FListBox->OnMouseMove = [this](TObject*, TShiftState S, int X, int Y) { ListBoxMouseMove(S, X, Y); };
  FListBox->OnMouseUp = [this](TObject*, TMouseButton B, TShiftState S, int X, int Y) { ListBoxMouseUp(B, S, X, Y); };
  FListBox->OnClick = [this](TObject*) { ListBoxClick(); };
  FListBox->OnDblClick = [this](TObject*) { ListBoxDblClick(); };
  FListBox->OnKeyDown = [this](TObject*, WORD& Key, TShiftState S) {
    ListBoxKeyDown(Key, S);
    if (!FHScrollBar || (Key != VK_LEFT && Key != VK_RIGHT)) return;
    const int step = Key == VK_LEFT ? -FHScrollBar->SmallChange() : FHScrollBar->SmallChange();
    FHScrollBar->SetPosition(FHScrollBar->Position() + step);
    Key = 0;
  };
  FListBox->OnKeyUp = [this](TObject*, WORD& Key, TShiftState S) { ListBoxKeyUp(Key, S); };
  FListBox->OnKeyPress = [this](TObject*, wchar_t& Key) { ListBoxKeyPress(Key); };
  FListBox->OnEnter = [this](TObject*) { ListBoxEnter(); };
  FListBox->OnExit = [this](TObject*) { ListBoxExit(); };
  CalcRects();
}

TspSkinCustomListBox::~TspSkinCustomListBox() {
  TspSkinCustomListBox::BeforeDestruction();
  FDefaultCaptionFont->OnChange = nullptr;
  FGlyph->OnChange = nullptr;
  FListBox->SkinListBox = nullptr;
  Free(FListBox);
}

void TspSkinCustomListBox::BeforeDestruction() {
  FRepeat.Stop();
  // The list's and the bars' events must not call back into this control;
  // the list is set aside until this control is deleted, and a paint of it
  // that a handler interrupted still finds this control.
  TspListBox* list = FListBox;
  list->OnMouseDown = list->OnMouseUp = nullptr;
  list->OnMouseMove = nullptr;
  list->OnClick = list->OnDblClick = list->OnEnter = list->OnExit = nullptr;
  list->OnKeyDown = list->OnKeyUp = nullptr;
  list->OnKeyPress = nullptr;
  SetPartAside(this, list);
  for (TspSkinScrollBar* bar : {FVScrollBar, FHScrollBar, FSpareVScrollBar, FSpareHScrollBar})
    if (bar) bar->OnChange = nullptr;
  TspSkinCustomControl::BeforeDestruction();
}

void TspSkinCustomListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
  if (AComponent == FSpareVScrollBar) FSpareVScrollBar = nullptr;
  if (AComponent == FSpareHScrollBar) FSpareHScrollBar = nullptr;
}

void TspSkinCustomListBox::CreateParams(TCreateParams& Params) {
  TspSkinCustomControl::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinCustomListBox::Clear() {
  FListBox->Clear();
  SyncScrollBars();
}

void TspSkinCustomListBox::SetColumns(int Value) {
  if (Value == Columns()) return;
  // The bar scrolls rows or columns: it is made again for the new kind.
  RemoveVScrollBar();
  FListBox->SetColumns(Value);
  SyncScrollBars();
}

void TspSkinCustomListBox::SetSorted(bool Value) {
  if (Value == Sorted()) return;
  RemoveVScrollBar();
  FListBox->SetSorted(Value);
}

void TspSkinCustomListBox::SetRowCount(int Value) {
  FRowCount = Value;
  if (Value != 0) SetHeight(RowCountHeight());
}

int TspSkinCustomListBox::RowCountHeight() const {
  return ListBoxRowsHeight(Skinned(), SkinRect, ClRect, FRowCount, ItemHeight(),
                           FCaptionMode ? FDefaultCaptionHeight : 0, FHScrollBar ? FHScrollBar->Height() : 0);
}

void TspSkinCustomListBox::SetDefaultItemHeight(int Value) {
  FDefaultItemHeight = Value;
  if (!(Skinned() && FUseSkinItemHeight)) FListBox->SetItemHeight(Value);
}

void TspSkinCustomListBox::ApplyItemHeight() {
  if (!Skinned()) FListBox->SetItemHeight(FDefaultItemHeight);
  else if (FUseSkinItemHeight) FListBox->SetItemHeight(ListBoxItemHeight(FSItemRect.Height()));
}

void TspSkinCustomListBox::SetTabWidths(TStrings* Value) {
  FTabWidths->Assign(Value);
  if (FListBox->Count() > 0) FListBox->Invalidate();
}

void TspSkinCustomListBox::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  FListBox->Invalidate();
}

void TspSkinCustomListBox::SetImageIndex(int Value) {
  FImageIndex = Value;
  FListBox->Invalidate();
}

void TspSkinCustomListBox::SetCaptionMode(bool Value) {
  FCaptionMode = Value;
  if (Skinned()) return;
  CalcRects();
  Repaint();
}

void TspSkinCustomListBox::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  if (FCaptionMode) Repaint();
}

void TspSkinCustomListBox::SetDefaultCaptionHeight(int Value) {
  FDefaultCaptionHeight = Value;
  if (Skinned() || !FCaptionMode) return;
  CalcRects();
  Repaint();
}

void TspSkinCustomListBox::SetShowCaptionButtons(bool Value) {
  if (FShowCaptionButtons == Value) return;
  FShowCaptionButtons = Value;
  Repaint();
}

void TspSkinCustomListBox::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  Repaint();
}

void TspSkinCustomListBox::SetNumGlyphs(int Value) {
  FNumGlyphs = Value;
  Repaint();
}

void TspSkinCustomListBox::SetSpacing(int Value) {
  FSpacing = Value;
  Repaint();
}

void TspSkinCustomListBox::DefaultFontChanged() {
  if (!Skinned()) Font()->Assign(DefaultFont());
}

void TspSkinCustomListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // A new size invalidates the control and its windows (the base for a
  // skinned look, below for the default one): the list and the bars laid
  // out meanwhile leave their redrawing to that.
  const bool resized = HandleAllocated() && (AWidth != Width() || AHeight != Height());
  const bool held = FWholeRedrawComing;
  const TRect before = FBoundsBeforeResize;
  if (!held) FBoundsBeforeResize = BoundsRect();
  FWholeRedrawComing = held || resized;
  TspSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  FWholeRedrawComing = held;
  FBoundsBeforeResize = before;
  if (!Skinned()) Invalidate();
}

// ---------------------------------------------------------------------------
// Skin

void TspSkinCustomListBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  auto* r = SkinRecordAs<TspDataSkinListBox>();
  FSkinValid = r != nullptr;
  if (!r) return;
  FSItemRect = r->ItemRect;
  FActiveItemRect = r->ActiveItemRect.IsEmpty() ? r->ItemRect : r->ActiveItemRect;
  FFocusItemRect = r->FocusItemRect.IsEmpty() ? r->ItemRect : r->FocusItemRect;
  FItemLeftOffset = r->ItemLeftOffset;
  FItemRightOffset = r->ItemRightOffset;
  FItemTextRect = r->ItemTextRect;
  FFontName = r->FontName;
  FFontStyle = r->FontStyle;
  FFontHeight = r->FontHeight;
  FFontColor = r->FontColor;
  FActiveFontColor = r->ActiveFontColor;
  FFocusFontColor = r->FocusFontColor;
  FCaptionRect = r->CaptionRect;
  FCaptionFontName = r->CaptionFontName;
  FCaptionFontStyle = r->CaptionFontStyle;
  FCaptionFontHeight = r->CaptionFontHeight;
  FCaptionFontColor = r->CaptionFontColor;
  const TRect plain[3] = {r->UpButtonRect, r->DownButtonRect, r->CheckButtonRect};
  const TRect active[3] = {r->ActiveUpButtonRect, r->ActiveDownButtonRect, r->ActiveCheckButtonRect};
  const TRect down[3] = {r->DownUpButtonRect, r->DownDownButtonRect, r->DownCheckButtonRect};
  for (int i = 0; i < 3; ++i) {
    FSkinButtons[i] = plain[i];
    FActiveSkinButtons[i] = active[i];
    FDownSkinButtons[i] = down[i].IsEmpty() ? active[i] : down[i];
  }
  FVScrollBarName = r->VScrollBarName;
  FHScrollBarName = r->HScrollBarName;
  FBothHScrollBarName = r->BothHScrollBarName;
  FShowFocus = r->ShowFocus;
  FDisabledButtonsRect = r->DisabledButtonsRect;
  FButtonsArea = r->ButtonsArea;
}

void TspSkinCustomListBox::ChangeSkinData() {
  FSkinChanging = true;
  for (TItemPicture& p : FItemPictures) p = TItemPicture();
  TspSkinCustomControl::ChangeSkinData();
  if (!Skinned()) Font()->Assign(DefaultFont());
  ApplyItemHeight();
  NameBars();
  if (FRowCount != 0) SetHeight(RowCountHeight());
  CalcRects();
  SyncScrollBars();
  FSkinChanging = false;
  // In a skin switch the form redraws every window once when it is done.
  if (!(FSkinData && FSkinData->SkinChanging())) FListBox->Invalidate();
}

// ---------------------------------------------------------------------------
// Layout and bars

void TspSkinCustomListBox::CalcRects() {
  GetSkinData();
  TspListBoxLayoutInput in;
  in.Width = Width();
  in.Height = Height();
  in.Skinned = Skinned();
  if (in.Skinned) in.SkinClient = ListBoxSkinClient(ClRect, SkinRect, Width(), Height());
  in.CaptionHeight = FCaptionMode ? FDefaultCaptionHeight : 1;
  in.Columns = Columns();
  in.VBar = FVScrollBar && FVScrollBar->Visible();
  in.HBar = FHScrollBar && FHScrollBar->Visible();
  if (in.VBar) in.VBarSize = Columns() > 0 ? FVScrollBar->Height() : FVScrollBar->Width();
  if (in.HBar) in.HBarSize = FHScrollBar->Height();
  const TspListBoxLayout l = CalcListBoxLayout(in);
  if (in.VBar) FVScrollBar->SetBoundsRect(l.VBar);
  if (in.HBar) FHScrollBar->SetBoundsRect(l.HBar);
  FListRect = l.List;
  FListBox->SetBoundsRect(l.List);
  CalcButtonRects();
}

void TspSkinCustomListBox::CalcButtonRects() {
  if (!Skinned()) {
    if (FCaptionMode) {
      TRect r[3];
      DefaultCaptionButtons(Width(), FDefaultCaptionHeight, r);
      for (int i = 0; i < 3; ++i) FButtons[i].R = r[i];
    } else {
      for (TCaptionButton& b : FButtons) b.R = TRect();
    }
    return;
  }
  const int dw = Width() - SkinRect.Width(), dh = Height() - SkinRect.Height();
  for (int i = 0; i < 3; ++i) FButtons[i].R = MoveListBoxPiece(FSkinButtons[i], LTPoint, RTPoint, RBPoint, dw, dh);
}

namespace {

// The bar's range written only when it differs: every write repaints it.
void SetBarRange(TspSkinScrollBar* Bar, int Min, int Max, int Page, int Position) {
  if (Bar->Min() == Min && Bar->Max() == Max && Bar->PageSize() == Page && Bar->Position() == Position) return;
  Bar->SetRange(Min, Max, Page, Position);
}

}  // namespace

void TspSkinCustomListBox::SyncScrollBars() {
  if (!FListBox->HandleAllocated()) return;
  const int rows = FListBox->Height() / ListBoxItemHeight(ItemHeight());
  // The window's count: an item leaves the window before the held items,
  // and the bars follow the window.
  const int count = FListBox->WindowCount();
  const int top = std::max(0, FListBox->WindowTopIndex());
  // The position is kept within the range less a page, as a system bar
  // keeps it (the system list's top row may lie past the last page).
  if (Columns() > 0) {
    // As the system list reckons its columns: the last column's index, the
    // first column shown.
    const int perColumn = std::max(1, rows);
    const int last = count > 0 ? (count - 1) / perColumn : 0;
    const int first = std::min(top / perColumn, std::max(0, last - Columns() + 1));
    if (ListNeedsColumnBar(0, last, first, Columns(), rows, count)) {
      if (!FVScrollBar) CreateVScrollBar();
      // Laying the list out beside a new bar may have taken it away again.
      if (FVScrollBar) SetBarRange(FVScrollBar, 0, last, Columns(), first);
    } else if (FVScrollBar && FVScrollBar->Visible()) {
      RemoveVScrollBar();
    }
    return;
  }
  SyncHorizontal();
  if (FRowCount > 0 && FRowCount == count) {
    if (FVScrollBar && FVScrollBar->Visible()) RemoveVScrollBar();
    return;
  }
  const int position = std::min(top, std::max(0, count - std::max(1, rows)));
  if (ListNeedsVBar(0, count - 1, position, rows, count)) {
    if (!FVScrollBar) CreateVScrollBar();
    if (!FVScrollBar) return;
    SetBarRange(FVScrollBar, 0, count - 1, rows, position);
    FVScrollBar->SetLargeChange(rows);
  } else if (FVScrollBar && FVScrollBar->Visible()) {
    RemoveVScrollBar();
  }
}

int TspSkinCustomListBox::GetItemWidth(int Index, TCanvas* Canvas) {
  return Canvas->TextWidth(FListBox->Items()->Strings(Index));
}

// ---------------------------------------------------------------------------
// The widest item, kept as items come and go

void TspSkinCustomListBox::SetHorizontalExtent(bool Value) {
  if (FHorizontalExtent == Value) return;
  FHorizontalExtent = Value;
  ForgetItemWidths();
  SyncScrollBars();
}

void TspSkinCustomListBox::ForgetItemWidths() {
  FItemWidths.clear();
  FWidthsKept = false;
}

bool TspSkinCustomListBox::KeepsWidths() const { return FHorizontalExtent && FWidthsKept; }

TspSkinCustomListBox::TFontKey TspSkinCustomListBox::KeyOf(const TFont* F) {
  return {F->Name(), F->Height(), F->Style(), F->Charset()};
}

TCanvas* TspSkinCustomListBox::MeasureCanvas() {
  TFont* list = FListBox->Font();
  TFontKey want = KeyOf(list);
  if (Skinned() && FUseSkinFont) {
    want.Name = FFontName;
    want.Height = FFontHeight;
    want.Style = FFontStyle;
  }
  if (!FMeasure || !(KeyOf(FMeasure->Canvas()->Font()) == want)) {
    // Another font: every width measured so far is forgotten.
    if (!FMeasure) {
      FMeasure = std::make_unique<TBitmap>();
      FMeasure->SetSize(1, 1);
    }
    TFont* f = FMeasure->Canvas()->Font();
    f->Assign(list);
    f->SetName(want.Name);
    f->SetHeight(want.Height);
    f->SetStyle(want.Style);
    ForgetItemWidths();
  }
  return FMeasure->Canvas();
}

void TspSkinCustomListBox::ItemCame(int Index) {
  if (!KeepsWidths()) return;
  TCanvas* c = MeasureCanvas();
  if (!FWidthsKept) return;  // the font changed: all are measured at the next look
  ++FItemWidths[GetItemWidth(Index, c)];
}

int TspSkinCustomListBox::LeavingItemWidth(int Index) {
  if (!KeepsWidths() || Index < 0 || Index >= FListBox->WindowCount()) return -1;
  TCanvas* c = MeasureCanvas();
  return FWidthsKept ? GetItemWidth(Index, c) : -1;
}

void TspSkinCustomListBox::ItemLeft(int Width) {
  if (!KeepsWidths()) return;
  auto it = FItemWidths.find(Width);
  // Not measured as it was counted (its width came from elsewhere): all are
  // measured again at the next look.
  if (Width < 0 || it == FItemWidths.end()) {
    ForgetItemWidths();
    return;
  }
  if (--it->second == 0) FItemWidths.erase(it);
}

void TspSkinCustomListBox::ItemsCleared() {
  FItemWidths.clear();
}

int TspSkinCustomListBox::WidestItem() {
  TCanvas* c = MeasureCanvas();
  if (!FWidthsKept) {
    FItemWidths.clear();
    for (int i = 0, n = FListBox->Count(); i < n; ++i) ++FItemWidths[GetItemWidth(i, c)];
    // Inside an item's message the window and the held items may differ by
    // that item (it leaves the window first): such widths serve this look
    // only.
    FWidthsKept = FListBox->WindowCount() == FListBox->Count();
  }
  return FItemWidths.empty() ? 0 : FItemWidths.rbegin()->first;
}

void TspSkinCustomListBox::SyncHorizontal() {
  if (FHorizontalExtent && !FSkinChanging) {
    const int widest = WidestItem();
    int room = Skinned() ? FListBox->Width() - (FSItemRect.Width() - FItemTextRect.Width()) : FListBox->Width() - 4;
    if (FImages) room -= FImages->Width() + 4;
    if (room < widest) {
      if (!FHScrollBar) CreateHScrollBar();
      SetBarRange(FHScrollBar, 0, widest, room, FHScrollBar->Position());
      // A step is the width of a zero in the list's font, measured once a font.
      const TFontKey font = KeyOf(FListBox->Font());
      if (FStep < 1 || !(font == FStepFont)) {
        TBitmap measure;
        measure.Canvas()->Font()->Assign(FListBox->Font());
        FStep = std::max(1, measure.Canvas()->TextWidth(L"0"));
        FStepFont = font;
      }
      FHScrollBar->SetSmallChange(FStep);
      FHScrollBar->SetLargeChange(FStep);
      return;
    }
  }
  if (FHScrollBar && FHScrollBar->Visible()) RemoveHScrollBar();
}

// A bar given a name reads its record at once, which may resize it and have
// the bars laid out again (a bar no longer needed goes): each is looked at
// anew after every call.
void TspSkinCustomListBox::NameBars() {
  if (FVScrollBar) FVScrollBar->SetSkinDataName(!Skinned() ? L"" : Columns() == 0 ? FVScrollBarName : FHScrollBarName);
  if (FVScrollBar) FVScrollBar->SetSkinData(FSkinData);
  if (!FHScrollBar) return;
  const bool both = FVScrollBar != nullptr;
  FHScrollBar->SetBoth(both);
  if (Skinned()) {
    FHScrollBar->SetSkinDataName(both ? FBothHScrollBarName : FHScrollBarName);
    if (FHScrollBar) FHScrollBar->SetBothSkinDataName(FBothHScrollBarName);
  } else {
    FHScrollBar->SetSkinDataName(L"");
    if (FHScrollBar) FHScrollBar->SetBothMarkerWidth(both ? 19 : 0);
  }
  if (FHScrollBar) FHScrollBar->SetSkinData(FSkinData);
}

namespace {

// The spare bar when there is one, else a new bar.
TspSkinScrollBar* TakeBar(TspSkinScrollBar*& Spare, TComponent* Owner) {
  TspSkinScrollBar* bar = Spare ? Spare : new TspSkinScrollBar(Owner);
  Spare = nullptr;
  return bar;
}

// Bar hidden and kept as the spare.
void KeepBar(TspSkinScrollBar* Bar, TspSkinScrollBar*& Spare) {
  Bar->OnChange = nullptr;
  Bar->SetVisible(false);
  Spare = Bar;
}

}  // namespace

void TspSkinCustomListBox::CreateVScrollBar() {
  auto* bar = TakeBar(FSpareVScrollBar, this);
  bar->SetVisible(false);
  bar->SetKind(Columns() == 0 ? sbVertical : sbHorizontal);
  bar->SetBounds(0, 0, 20, 100);
  bar->SetRange(0, 0, 0, 0);
  bar->OnChange = [this](TObject*) {
    if (!FVScrollBar) return;
    // The top item is set directly: a thumb position past 65535 does not
    // fit the high word of WM_VSCROLL.
    if (Columns() == 0) SendMessageW(FListBox->Handle(), LB_SETTOPINDEX, FVScrollBar->Position(), 0);
    else SendMessageW(FListBox->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, FVScrollBar->Position()), 0);
  };
  FVScrollBar = bar;
  NameBars();
  bar->SetParent(this);
  CalcRects();
  bar->SetVisible(true);
  CalcRects();
  bar->Repaint();
}

void TspSkinCustomListBox::CreateHScrollBar() {
  auto* bar = TakeBar(FSpareHScrollBar, this);
  bar->SetVisible(false);
  bar->SetKind(sbHorizontal);
  bar->SetBounds(0, 0, 100, 20);
  bar->SetRange(0, 0, 0, 0);
  bar->OnChange = [this](TObject*) {
    if (FHScrollBar) FListBox->SetHorzOffset(FHScrollBar->Position());
  };
  FHScrollBar = bar;
  NameBars();
  bar->SetParent(this);
  bar->SetVisible(true);
  CalcRects();
  bar->Repaint();
}

void TspSkinCustomListBox::RemoveVScrollBar() {
  if (!FVScrollBar) return;
  TspSkinScrollBar* bar = FVScrollBar;
  FVScrollBar = nullptr;
  KeepBar(bar, FSpareVScrollBar);
  // The horizontal bar needs no corner any more.
  NameBars();
  CalcRects();
}

void TspSkinCustomListBox::RemoveHScrollBar() {
  if (!FHScrollBar) return;
  TspSkinScrollBar* bar = FHScrollBar;
  FHScrollBar = nullptr;
  KeepBar(bar, FSpareHScrollBar);
  CalcRects();
  FListBox->SetHorzOffset(0);
}

// ---------------------------------------------------------------------------
// Inner list events

void TspSkinCustomListBox::ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseDown) OnListBoxMouseDown(this, Button, Shift, X, Y);
}

void TspSkinCustomListBox::ListBoxMouseMove(TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseMove) OnListBoxMouseMove(this, Shift, X, Y);
}

void TspSkinCustomListBox::ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseUp) OnListBoxMouseUp(this, Button, Shift, X, Y);
}

void TspSkinCustomListBox::ListBoxClick() {
  if (OnListBoxClick) OnListBoxClick(this);
}

void TspSkinCustomListBox::ListBoxDblClick() {
  if (OnListBoxDblClick) OnListBoxDblClick(this);
}

void TspSkinCustomListBox::ListBoxKeyDown(WORD& Key, TShiftState Shift) {
  if (OnListBoxKeyDown) OnListBoxKeyDown(this, Key, Shift);
}

void TspSkinCustomListBox::ListBoxKeyUp(WORD& Key, TShiftState Shift) {
  if (OnListBoxKeyUp) OnListBoxKeyUp(this, Key, Shift);
}

void TspSkinCustomListBox::ListBoxKeyPress(wchar_t& Key) {
  if (OnListBoxKeyPress) OnListBoxKeyPress(this, Key);
}

// ---------------------------------------------------------------------------
// Messages

void TspSkinCustomListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGING: {
      // A new size that keeps the top left corner and grows uncovers nothing
      // of the parent, and the whole client area is invalidated next: the
      // system's redraw of the window at the move (its erase painted at
      // once, each step a round trip to the server under Wine) would be
      // painted over. A window with a border keeps the redraw, which paints
      // the border at its new place.
      auto* pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
      const TRect& was = FBoundsBeforeResize;
      RECT client;
      if (FWholeRedrawComing && !(pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) && pos->x == was.Left &&
          pos->y == was.Top && pos->cx >= was.Width() && pos->cy >= was.Height() &&
          GetClientRect(Handle(), &client) && client.right == was.Width() && client.bottom == was.Height())
        pos->flags |= SWP_NOREDRAW;
      break;
    }
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(Message);
      CalcRects();
      SyncScrollBars();
      if (FVScrollBar) FVScrollBar->Repaint();
      return;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(Message);
      FRepeat.Timer(Message.WParam);
      return;
    case CM_MOUSEENTER:
      TspSkinCustomControl::Dispatch(Message);
      TestActive(-1, -1);
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(Message);
      ButtonLeaveAll();
      return;
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      if (FCaptionMode) Repaint();
      return;
  }
  TspSkinCustomControl::Dispatch(Message);
}
