// The fc tree combo: opening and closing over the pop-up tree, the keys,
// typing that finds nodes, and the chosen node's image beside the text.
#include "components/fcTreeCombo.h"

#include <algorithm>

#include "classlib/Messages.h"
#include "classlib/SysUtils.h"
#include "components/fcCommonDraw.h"

TfcCustomTreeCombo::TfcCustomTreeCombo(TComponent* AOwner) : TfcCustomCombo(AOwner) {
  SetButtonStyle(cbsDownArrow);
  SetBounds(0, 0, 121, 21);
  FContainer = new TfcPopupPanel(nullptr);
  FTreeView = CreatePopupTreeView();
  FTreeView->SetBorderStyle(bsNone);
  FTreeView->SetParent(FContainer);
  FTreeView->SetAlign(alClient);
  FTreeView->OnNodeChange = [this](TfcCustomTreeView*, TfcTreeNode* Node, int Kind, const String&, int) {
    NodeListChanged(Node, Kind);
  };
}

TfcCustomTreeCombo::~TfcCustomTreeCombo() {
  FDestroying = true;
  if (GetDroppedDown()) CloseUpFreeing();
  Free(FContainer);  // and the tree with it
}

TfcPopupTreeView* TfcCustomTreeCombo::CreatePopupTreeView() { return new TfcPopupTreeView(nullptr, this); }

void TfcCustomTreeCombo::Loaded() {
  TfcCustomCombo::Loaded();
  if (Sorted()) FTreeView->AlphaSort();
}

void TfcCustomTreeCombo::Notification(TComponent* AComponent, TOperation Operation) {
  TfcCustomCombo::Notification(AComponent, Operation);
  if (Operation != opRemove || !FTreeView) return;
  if (AComponent == FTreeView->Images()) FTreeView->SetImages(nullptr);
  if (AComponent == FTreeView->StateImages()) FTreeView->SetStateImages(nullptr);
}

void TfcCustomTreeCombo::SetImages(TCustomImageList* Value) {
  FTreeView->SetImages(Value);
  if (Value) Value->FreeNotification(this);
  SetEditRect();
}

void TfcCustomTreeCombo::SetStateImages(TCustomImageList* Value) {
  FTreeView->SetStateImages(Value);
  if (Value) Value->FreeNotification(this);
  SetEditRect();
}

bool TfcCustomTreeCombo::GetDroppedDown() const { return FContainer && FContainer->Visible(); }

// ---- nodes ----

void TfcCustomTreeCombo::NodeListChanged(TfcTreeNode* Node, int Kind) {
  if (FDestroying) return;
  if (Kind == 0) FImageNodes.push_back(Node);
  if (Kind == 1) {
    FImageNodes.erase(std::remove(FImageNodes.begin(), FImageNodes.end(), Node), FImageNodes.end());
    if (FCurrentNode == Node) FCurrentNode = nullptr;
    if (FOriginalNode == Node) FOriginalNode = nullptr;
  }
}

int TfcCustomTreeCombo::ImageIndexOfText(const String& S) const {
  TfcTreeNode* sel = FTreeView->Selected();
  if (sel && sel->Text() == S) return sel->ImageIndex();
  // Typed text finds its node's image whatever its case.
  for (TfcTreeNode* n : FImageNodes)
    if (AnsiSameText(n->Text(), S)) return n->ImageIndex();
  return -1;
}

bool TfcCustomTreeCombo::IsSelectableNode(TfcTreeNode* Node) {
  auto* node = dynamic_cast<TfcTreeComboTreeNode*>(Node);
  bool accept = node ? node->Selectable() : Node != nullptr;
  if (accept && FOptions.Contains(icoEndNodesOnly)) accept = !Node->HasChildren();
  if (Node && OnCheckValidItem) OnCheckValidItem(this, Node, accept);
  return accept;
}

void TfcCustomTreeCombo::SelectNodeByText(const String& S) {
  TfcTreeNode* sel = FTreeView->Selected();
  if (sel && sel->Text() == S) return;
  if (TfcTreeNode* n = Items()->FindNode(S, false)) {
    n->SetSelected(true);
    Invalidate();
  } else {
    FTreeView->SetSelected(nullptr);
  }
}

void TfcCustomTreeCombo::BeginTracking() {
  DataLink()->Edit();
  FTreeView->FTracking = true;
}

void TfcCustomTreeCombo::DoSelectionChange() {
  if (OnSelectionChange) OnSelectionChange(this);
  FTreeView->FTracking = false;
}

void TfcCustomTreeCombo::SetTextFromNode(TfcTreeNode* Node) {
  if (!Node) return;
  FSettingText = true;
  SetText(Node->Text());
  FSettingText = false;
}

void TfcCustomTreeCombo::Change() {
  if (FSettingText) SetModified(true);
  TfcCustomCombo::Change();
  TfcTreeNode* sel = FTreeView->Selected();
  if (!(sel && sel->Text() == Text()) && HandleAllocated()) {
    const TRect e = GetEditRect();
    RECT r = {1, 1, e.Left - 1, Height() - 1};
    InvalidateRect(Handle(), &r, TRUE);
  }
}

// ---- the drop-down ----

TSize TfcCustomTreeCombo::GetItemSize() {
  TfcTreeNode* first = Items()->GetFirstNode();
  if (!first) return TSize(0, 0);
  // Rows are measured whole (the text rectangle is a pixel shorter), so that
  // the drop-down shows its rows without scrolling.
  const int rowHeight = FTreeView->ItemHeight();
  if (FDropDownWidth != 0) return TSize(FDropDownWidth, rowHeight);
  TCanvas* c = FTreeView->Canvas();
  c->SetFont(FTreeView->Font());
  TSize size(0, 0);
  for (TfcTreeNode* n = first; n; n = n->GetNextVisible()) {
    const TRect r = n->DisplayRect(true);
    int w = c->TextWidth(n->Text()) + r.Left + 6;
    if (n->ImageIndex() == -2 && Images()) w += Images()->Width();
    size.cx = std::max<int>(size.cx, w);
  }
  size.cy = rowHeight;
  return size;
}

int TfcCustomTreeCombo::GetLeftIndent() {
  int indent = fcParentIsGrid(this) ? 0 : 1;
  if (Images()) indent += Images()->Width() + 2;
  return indent;
}

TRect TfcCustomTreeCombo::GetEditRect() {
  TRect r = TfcCustomCombo::GetEditRect();
  // The base makes room for the image only inside a frame; the image shows without one too.
  if (!Frame()->IsActive()) r.Left += GetLeftIndent();
  r.Right = std::max(r.Right, r.Left + 10);
  return r;
}

bool TfcCustomTreeCombo::CanEditText() {
  return Style() == csDropDown || GetDroppedDown() || FShowMatchText;
}

void TfcCustomTreeCombo::HideEditCaret() {
  if (!FShowMatchText) TfcCustomCombo::HideEditCaret();
}

void TfcCustomTreeCombo::DropDown() {
  // Bound to nothing that exists: there is no value to choose for.
  if ((DataSource() || !DataField().empty()) && !Field()) return;
  FTreeView->FLastPoint = TPoint(-1, -1);
  FTreeView->FPressedInside = false;
  FTreeView->FReleaseCloses = true;
  SelectNodeByText(Text());
  FOriginalNode = FTreeView->Selected();
  FOriginalText = Text();
  FCurrentNode = FOriginalNode;
  if (FOptions.Contains(icoExpanded)) {
    FTreeView->FullExpand();
    TfcTreeNode* first = Items()->GetFirstNode();
    if (Text().empty() || !FCurrentNode) {
      // Selecting the first node scrolls the tree to its top.
      if (first) first->SetSelected(true);
      FTreeView->SetSelected(nullptr);
    } else {
      FCurrentNode->MakeVisible();
    }
  }
  if (Style() == csDropDownList) Invalidate();
  TfcCustomCombo::DropDown();
  if (BeingFreed()) return;  // freed by a drop-down event's handler
  Update();
  SelectAll();
}

void TfcCustomTreeCombo::CloseUp(bool Accept) {
  const bool was = GetDroppedDown();
  TfcCustomCombo::CloseUp(Accept);
  if (was) {
    // Entering edit state rereads the field, which resets the current node:
    // the pick is held apart so that it is what gets written.
    TfcTreeNode* picked = FCurrentNode;
    if (Accept && picked && picked != FOriginalNode && EditCanModify()) {
      BeginTracking();
      FCurrentNode = picked;
      FTreeView->SetSelected(picked);
      SetTextFromNode(picked);
      DoSelectionChange();
      SetModified(true);
    } else {
      FTreeView->SetSelected(FOriginalNode);
      FCurrentNode = FOriginalNode;
      SetText(FOriginalNode ? FOriginalNode->Text() : FOriginalText);
    }
    DoCloseUp(Accept);
  }
  if (FTreeView->HandleAllocated() && FTreeView->FTimerOn) {
    KillTimer(FTreeView->Handle(), 1000);
    FTreeView->FTimerOn = false;
  }
  if (CanEditText()) SelectAll();
}

// ---- keys ----

void TfcCustomTreeCombo::KeyDown(WORD& Key, TShiftState Shift) {
  TfcCustomCombo::KeyDown(Key, Shift);
  if (Key == 0 || IsReadOnly()) return;
  if ((Key == VK_BACK || Key == VK_DELETE) && Style() == csDropDownList) {
    const bool whole = SelLength() == static_cast<int>(Text().size());
    const bool closed = !GetDroppedDown();
    if (AllowClearKey() && (whole || (closed && (Key == VK_DELETE || !FShowMatchText))) && EditCanModify()) {
      BeginTracking();
      SetText(String());
      FTreeView->SetSelected(nullptr);
      FCurrentNode = nullptr;
      FTreeView->FTracking = false;
      SetModified(true);
    } else if (FShowMatchText && SelStart() > 0) {
      const int start = SelStart();
      SendMessageW(Handle(), EM_SETSEL, Text().size(), start - 1);
      SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
    }
    Key = 0;
    return;
  }
  const bool dropped = GetDroppedDown();
  if ((Key == VK_HOME || Key == VK_END) && !Shift.Contains(ssCtrl) && dropped && Style() == csDropDown) return;
  const bool nav = Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME || Key == VK_END;
  if (!nav || Items()->Count() == 0) return;
  if (Style() == csDropDownList || (!dropped && (Key == VK_UP || Key == VK_DOWN))) {
    // These keys change the value: refused as typing is when the field may not change.
    if (!EditCanModify()) {
      Key = 0;
      return;
    }
    BeginTracking();
    if (!FTreeView->MoveSelection(FTreeView->Selected(), Key) && HandleAllocated()) {
      const TRect e = GetEditRect();
      RECT r = {e.Left, e.Top, e.Right, e.Bottom};
      InvalidateRect(Handle(), &r, FALSE);
    }
    DoSelectionChange();
    SetModified(true);
    Key = 0;
  } else if (dropped) {
    BeginTracking();
    FTreeView->MoveSelection(FTreeView->Selected(), Key);
    DoSelectionChange();
    Key = 0;
  } else {
    return;
  }
  SelectAll();
}

TfcTreeNode* TfcCustomTreeCombo::Match(const String& S) {
  std::vector<TfcTreeNode*> all;
  for (TfcTreeNode* n = Items()->GetFirstNode(); n; n = n->GetNext()) all.push_back(n);
  TfcTreeNode* start = FTreeView->Selected();
  const int from = start ? static_cast<int>(std::find(all.begin(), all.end(), start) - all.begin()) : 0;
  const int i = fcFindWrapped(static_cast<int>(all.size()), from, [&](int I) {
    return IsSelectableNode(all[I]) && fcStartsWithText(all[I]->Text(), S);
  });
  return i >= 0 ? all[i] : nullptr;
}

void TfcCustomTreeCombo::KeyPress(wchar_t& Key) {
  TfcCustomCombo::KeyPress(Key);
  if (Key == 8 && Style() == csDropDownList && FShowMatchText) Key = 0;
  if (Items()->Count() > 0 && Key != 0 && Key != 8 && (GetDroppedDown() || FShowMatchText)) {
    const String text = Text();
    const int start = SelStart();
    const String s = Key == 13 ? String() : text.substr(0, start) + Key + text.substr(start + SelLength());
    if (TfcTreeNode* match = Match(s)) {
      match->SetSelected(true);
      FCurrentNode = match;
      if (FShowMatchText) {
        SetTextFromNode(match);
        SendMessageW(Handle(), EM_SETSEL, Text().size(), s.size());
      } else {
        SetText(s);
        SendMessageW(Handle(), EM_SETSEL, s.size(), s.size());
      }
      if (Text() != text) {
        DoSelectionChange();
        SetModified(true);
      }
      Key = 0;
    } else if (Style() == csDropDown) {
      FTreeView->SetSelected(nullptr);
      FCurrentNode = nullptr;
    } else {
      Key = 0;
    }
  }
  if (Key != 0 && Key != 13 && Style() == csDropDown) SetModified(true);
  if (Key == 13) Key = 0;
}

// ---- painting ----

void TfcCustomTreeCombo::RedrawItem() {
  if (!HandleAllocated()) return;
  if (!FItemCanvas) FItemCanvas = std::make_unique<TControlCanvas>(this);
  HDC dc = GetDC(Handle());
  {
    TPaintDCLoan loan(FItemCanvas.get(), dc);
    // The edit has drawn its text already: only the image goes beside it.
    FImageOnly = true;
    PaintText(FItemCanvas.get(), ClientRect(), Text());
    FImageOnly = false;
  }
  ReleaseDC(Handle(), dc);
}

void TfcCustomTreeCombo::PaintText(TCanvas* Canvas, const TRect& R, const String& Text) {
  HDC dc = Canvas->Handle();
  const int oldMode = GetBkMode(dc);
  const COLORREF oldBack = GetBkColor(dc);
  Canvas->SetFont(Font());
  if (!Enabled()) Canvas->Font()->SetColor(clGrayText);
  const int image = ImageIndexOfText(Text);
  const bool copy = fcIsGridPaintCopy(this);
  const bool listLook = Style() == csDropDownList && IsFocused() && !GetDroppedDown() && !FShowMatchText;
  TRect textRect(R.Left + GetLeftIndent() + 2, R.Top + 2, R.Right, R.Bottom);
  if (Frame()->IsActive()) {
    int x = 0, y = 0;
    Frame()->GetTextOffsets(x, y, IsFocused());
    textRect.Left = R.Left + x + GetLeftIndent() + 1;
    textRect.Top = R.Top + y - (AlignmentVertical() == fcavCenter ? 1 : 0);
  }
  auto drawText = [&](TColor Color) {
    Canvas->Font()->SetColor(Color);
    const bool transparent = IsTransparent() && !IsFocused();
    SetBkMode(dc, transparent ? TRANSPARENT : OPAQUE);
    RECT tr = {textRect.Left, textRect.Top, textRect.Right, textRect.Bottom};
    UINT flags = DT_SINGLELINE | DT_NOPREFIX | (AlignmentVertical() == fcavCenter ? DT_VCENTER : 0);
    SetTextColor(dc, ColorToRGB(Color));
    SetBkColor(dc, ColorToRGB(Canvas->Brush()->Color()));
    SelectObject(dc, Canvas->Font()->Handle());
    DrawTextW(dc, Text.c_str(), static_cast<int>(Text.size()), &tr, flags);
  };
  if (FImageOnly) {
    // nothing but the image below
  } else if (copy || listLook) {
    TRect fill = R;
    fill.Right = ButtonHolder()->Left() - 1;
    Canvas->Brush()->SetColor(copy ? Color() : clHighlight);
    if (!IsTransparent()) Canvas->FillRect(fill);
    if (listLook) {
      RECT fr = {fill.Left, fill.Top, fill.Right, fill.Bottom};
      DrawFocusRect(dc, &fr);
      textRect.Left -= 1;
      textRect.Top -= 1;
    }
    drawText(listLook ? clWindow : Canvas->Font()->Color());
  } else if (!IsFocused()) {
    Canvas->Brush()->SetColor(Frame()->NonFocusColor() != clNone && Frame()->Enabled() ? Frame()->NonFocusColor()
                                                                                         : Color());
    drawText(Canvas->Font()->Color());
  }
  if (Images() && image >= 0 && image < Images()->Count()) {
    int x = R.Left + 1, y = 0;
    if (AlignmentVertical() == fcavTop) {
      const int h = std::max(Canvas->TextHeight(L"A") + 2, Images()->Height());
      y = R.Top + 1 + std::max(-1, (h - Images()->Height()) / 2);
      // The image keeps clear of a frame side drawn in the present state.
      if (Frame()->IsActive()) {
        const TfcEditFrameEnabledSet sides = IsFocused() ? Frame()->FocusBorders() : Frame()->NonFocusBorders();
        if (sides.Contains(efLeftBorder)) ++x;
        if (sides.Contains(efTopBorder)) ++y;
      }
    } else {
      y = R.Top + (R.Height() - Images()->Height()) / 2 + 1;
    }
    fcDrawImageListImage(Images(), image, Canvas, x, y, ILD_NORMAL, Enabled());
  }
  if (Frame()->IsActive()) DrawFrame(Canvas);
  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
}

// ---- data ----

// The node whose first or second data string is Value (case ignored); nullptr when none.
TfcTreeNode* TfcCustomTreeCombo::NodeByData(const String& Value) const {
  // An empty value names no node (not the first that has no data).
  if (Value.empty()) return nullptr;
  return Items()->FindNodeInfo(Value, false, FStoreDataUsing == sdStoreData1 ? 1 : 2);
}

String TfcCustomTreeCombo::FieldText() const {
  TField* f = Field();
  if (FStoreDataUsing == sdStoreText || !f) return TfcCustomCombo::FieldText();
  TfcTreeNode* node = NodeByData(f->Text());
  return node ? node->Text() : f->Text();
}

void TfcCustomTreeCombo::DataChange(TObject* Sender) {
  TField* f = Field();
  if (FStoreDataUsing == sdStoreText || !f) {
    TfcCustomCombo::DataChange(Sender);
    // The keys move on from the node the value names.
    SelectNodeByText(Text());
    FCurrentNode = FTreeView->Selected();
    return;
  }
  // The field holds a node's data: show that node's text (the value itself when no node has it).
  const String value = f->Text();
  TfcTreeNode* node = NodeByData(value);
  FCurrentNode = node;
  FTreeView->SetSelected(node);
  SetDataText(node ? node->Text() : value);
}

void TfcCustomTreeCombo::UpdateData(TObject* Sender) {
  TField* f = Field();
  if (FStoreDataUsing == sdStoreText || !f) {
    TfcCustomCombo::UpdateData(Sender);
    return;
  }
  String value;
  if (FCurrentNode) value = FStoreDataUsing == sdStoreData1 ? FCurrentNode->StringData() : FCurrentNode->StringData2();
  if (f->Text() != value) f->SetText(value);
}
