// The tree combo's drop-down: its node class, the pop-up panel and the tree
// inside it, which follows the mouse and closes the combo on a release.
#include <algorithm>

#include "classlib/Messages.h"
#include "classlib/TypInfo.h"
#include "components/fcTreeCombo.h"

namespace {

constexpr UINT_PTR kScrollTimer = 1000;

// Registered by the first node made, not by a static object: a program gets
// what it links, and an object nothing refers to is not linked.
void RegisterNodeProps() {
  static const bool registered = [] {
    RegisterPublishedClass<TfcTreeComboTreeNode>(
        L"TfcTreeComboTreeNode",
        {OrdProp(L"Selectable", &TfcTreeComboTreeNode::Selectable, &TfcTreeComboTreeNode::SetSelectable)});
    return true;
  }();
  (void)registered;
}

// The node class's own published values.
std::vector<const TPropInfo*> OwnProps(const TfcTreeNode* Node) {
  std::vector<const TPropInfo*> props;
  for (const TPropInfo* p : GetPropList(const_cast<TfcTreeNode*>(Node)))
    if (p->Kind != pkObject && p->SetOrd) props.push_back(p);
  return props;
}

}  // namespace

// ---- nodes ----

TfcTreeComboTreeNode::TfcTreeComboTreeNode(TfcTreeNodes* AOwner) : TfcTreeNode(AOwner) {
  RegisterNodeProps();
  FSelectedIndex = -1;
}

int TfcTreeComboTreeNode::ExtraCount() const { return static_cast<int>(OwnProps(this).size()); }

void TfcTreeComboTreeNode::SaveRecord(TfcNodeRecord& R) const {
  TfcTreeNode::SaveRecord(R);
  for (const TPropInfo* p : OwnProps(this))
    R.Extra.push_back(static_cast<uint8_t>(p->GetOrd(const_cast<TfcTreeComboTreeNode*>(this))));
}

bool TfcTreeComboTreeNode::LoadRecord(const TfcNodeRecord& R) {
  if (!TfcTreeNode::LoadRecord(R)) return false;
  const auto props = OwnProps(this);
  for (size_t i = 0; i < props.size() && i < R.Extra.size(); ++i) props[i]->SetOrd(this, R.Extra[i]);
  return true;
}

// ---- pop-up panel ----

TfcPopupPanel::TfcPopupPanel(TComponent* AOwner) : TPanel(AOwner) {
  FControlStyle.Include(csNoDesignVisible);
  FControlStyle.Include(csReplicatable);
  FControlStyle.Include(csReflector);
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  FVisible = false;
  FHeight = 100;
}

void TfcPopupPanel::CreateParams(TCreateParams& Params) {
  TPanel::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  Params.WndParent = nullptr;
  Params.WindowClass.style |= CS_SAVEBITS;
}

void TfcPopupPanel::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TPanel::Dispatch(Message);
}

// ---- the tree in the pop-up ----

TfcPopupTreeView::TfcPopupTreeView(TComponent* AOwner, TfcCustomTreeCombo* Combo)
    : TfcTreeView(AOwner), FCombo(Combo) {
  FControlStyle.Include(csReplicatable);
  SetNodeFactory([](TfcTreeNodes* Owner) -> TfcTreeNode* { return new TfcTreeComboTreeNode(Owner); });
  SetOptions(TfcTreeViewOptions{tvoHideSelection, tvoShowButtons, tvoShowLines, tvoShowRoot, tvoToolTips});
}

bool TfcPopupTreeView::InClient(int X, int Y) const { return X >= 0 && Y >= 0 && X < ClientWidth() && Y < ClientHeight(); }

void TfcPopupTreeView::Change(TfcTreeNode* Node) {
  TfcTreeView::Change(Node);
  if (!FTracking) return;
  FCombo->FCurrentNode = Selected();
  FCombo->SetTextFromNode(FCombo->FCurrentNode);
}

void TfcPopupTreeView::Collapse(TfcTreeNode* Node) {
  TfcTreeView::Collapse(Node);
  if (FCombo->Options().Contains(icoEndNodesOnly)) SetSelected(nullptr);
}

void TfcPopupTreeView::CalcNodeAttributes(TfcTreeNode* Node, TfcItemStates State) {
  // The pop-up never has the focus; its selection still shows as chosen.
  if (State.Contains(fcisSelected)) {
    Canvas()->Brush()->SetColor(clHighlight);
    Canvas()->Font()->SetColor(clHighlightText);
  }
  TfcTreeView::CalcNodeAttributes(Node, State);
}

TfcTreeNode* TfcPopupTreeView::Step(TfcTreeNode* N, bool Up, bool Visible) const {
  if (!N) return nullptr;
  if (Visible) return Up ? N->GetPrevVisible() : N->GetNextVisible();
  return Up ? N->GetPrev() : N->GetNext();
}

bool TfcPopupTreeView::MoveSelection(TfcTreeNode* Start, WORD Key) {
  TfcTreeNode* first = Items()->GetFirstNode();
  if (!first) return false;
  if (!Start) {
    Start = first;
    if (Key != VK_NEXT && Key != VK_END) {
      if (!FCombo->IsSelectableNode(Start)) return MoveSelection(Start, VK_DOWN);
      Start->SetSelected(true);
      return true;
    }
  }
  const bool dropped = FCombo->GetDroppedDown();
  const int page = fcPageNodes(ClientHeight(), ItemHeight());
  TfcTreeNode* target = nullptr;
  bool up = false;
  switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
      up = Key == VK_PRIOR;
      target = Start;
      for (int i = 0; i < page; ++i) {
        TfcTreeNode* next = Step(target, up, true);
        if (!next) break;
        target = next;
      }
      break;
    }
    case VK_HOME: target = first; break;
    case VK_END:
      up = true;
      target = first;
      while (TfcTreeNode* next = Step(target, false, dropped)) target = next;
      break;
    case VK_UP:
    case VK_DOWN:
      up = Key == VK_UP;
      target = Step(Start, up, dropped);
      break;
    default: return false;
  }
  TfcTreeNode* current = Selected();
  while (target && !FCombo->IsSelectableNode(target)) {
    target = Step(target, up, dropped || Key == VK_PRIOR || Key == VK_NEXT);
    if (target && target == current) {
      Start->SetSelected(true);
      return false;
    }
  }
  if (!target) return false;
  target->SetSelected(true);
  return true;
}

void TfcPopupTreeView::LButtonDown(int X, int Y) {
  FPressedInside = true;
  FCombo->CheckCloseUp();
  if (!FCombo->GetDroppedDown()) return;
  FReleaseCloses = InClient(X, Y);
  const THitTests hit = GetHitTestInfoAt(X, Y);
  TfcTreeNode* node = GetNodeAt(X, Y);
  if (!node) return;
  if (hit.Contains(htOnButton)) {
    FReleaseCloses = false;
    if (node->Expanded()) node->Collapse(false);
    else node->Expand(false);
  } else if (hit.Contains(htOnStateIcon)) {
    if (node->CheckboxType() == fcCheckbox) node->SetChecked(!node->Checked());
    else if (node->CheckboxType() == fcRadioButton) node->SetChecked(true);
  }
}

void TfcPopupTreeView::ScrollStep() {
  POINT p;
  GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  TfcTreeNode* sel = Selected();
  if (!sel) return;
  TfcTreeNode* next = p.y < 0 ? sel->GetPrevVisible() : p.y >= ClientHeight() ? sel->GetNextVisible() : nullptr;
  if (next) next->SetSelected(true);
}

void TfcPopupTreeView::MouseMoveTo(int X, int Y, bool LeftDown) {
  if (FCombo->IsReadOnly()) return;
  const TPoint p(X, Y);
  const bool first = FLastPoint == TPoint(-1, -1);
  const bool same = p == FLastPoint;
  FLastPoint = p;
  if (first || same) return;
  TfcTreeNode* node = GetNodeAt(X, Y);
  if (node && FCombo->IsSelectableNode(node) && node != Selected()) node->SetSelected(true);
  if (LeftDown && (Y < -FCombo->Height() || Y >= ClientHeight())) {
    ScrollStep();
    if (!FTimerOn) {
      SetTimer(Handle(), kScrollTimer, 50, nullptr);
      FTimerOn = true;
    }
  }
}

void TfcPopupTreeView::LButtonUp(int X, int Y) {
  const bool inside = InClient(X, Y);
  if (FReleaseCloses) {
    if (!FPressedInside && !inside) {
      if (FTimerOn) KillTimer(Handle(), kScrollTimer), FTimerOn = false;
      return;
    }
    const THitTests hit = GetHitTestInfoAt(X, Y);
    if (!hit.Contains(htOnButton) && !hit.Contains(htOnStateIcon)) {
      TfcTreeNode* node = GetNodeAt(X, Y);
      if (node && FCombo->IsSelectableNode(node)) {
        if (node != Selected()) node->SetSelected(true);
        FCombo->FCurrentNode = Selected();
        FCombo->CloseUp(inside);
      }
    }
  }
  if (FTimerOn) KillTimer(Handle(), kScrollTimer), FTimerOn = false;
  FReleaseCloses = true;
}

void TfcPopupTreeView::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
    case WM_LBUTTONDOWN: LButtonDown(Message.XPos(), Message.YPos()); return;
    case WM_LBUTTONUP: LButtonUp(Message.XPos(), Message.YPos()); return;
    case WM_MOUSEMOVE:
      MouseMoveTo(Message.XPos(), Message.YPos(), (Message.WParam & MK_LBUTTON) != 0);
      TfcTreeView::Dispatch(Message);
      return;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: return;
    case WM_TIMER:
      if (Message.WParam != kScrollTimer) break;
      if (GetKeyState(VK_LBUTTON) < 0) {
        ScrollStep();
      } else {
        KillTimer(Handle(), kScrollTimer);
        FTimerOn = false;
        FCombo->CloseUp(true);
      }
      return;
  }
  TfcTreeView::Dispatch(Message);
}
