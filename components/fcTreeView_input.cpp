// The fc tree view's mouse and keyboard: check boxes and radio nodes, the
// multi-selection with Ctrl and Shift, label editing of image-less nodes,
// link nodes, hot tracking, hints and the 3-D expand buttons.
#include <windows.h>
// windows.h first: shellapi.h builds on it.

#include <algorithm>

#include "classlib/Forms.h"
#include "classlib/Messages.h"
#include "classlib/ShellOpen.h"
#include "components/fcCommonDraw.h"
#include "components/fcTreeView.h"

// ---- multi-selection ----

void TfcCustomTreeView::SetMultiSelected(TfcTreeNode* Node, bool Value, bool Redraw) {
  if (!Node || !LevelAllowed(Node)) return;
  if (FMultiSelectAttributes->MultiSelectCheckbox()) Node->FChecked = Value;
  if (Node->FMultiSelected == Value) return;
  if (Value) FMultiSelectList.push_back(Node);
  else FMultiSelectList.erase(std::remove(FMultiSelectList.begin(), FMultiSelectList.end(), Node), FMultiSelectList.end());
  Node->FMultiSelected = Value;
  if (Redraw && NodeInView(Node, true)) Node->Invalidate();
}

void TfcCustomTreeView::UnselectAll(TfcTreeNode* Except) {
  const std::vector<TfcTreeNode*> list = FMultiSelectList;
  for (TfcTreeNode* n : list) {
    if (n == Except) continue;
    n->FMultiSelected = false;
    if (FMultiSelectAttributes->MultiSelectCheckbox()) n->FChecked = false;
    if (NodeInView(n, true)) n->Invalidate();
  }
  FMultiSelectList.clear();
  if (Except && Except->FMultiSelected) FMultiSelectList.push_back(Except);
}

bool TfcCustomTreeView::NodeInView(TfcTreeNode* Node, bool UseTop) {
  const TRect r = Node->DisplayRect(true);
  return (UseTop ? r.Top : r.Bottom) < Height() - 2 * FBorderWidth && r.Bottom > 0;
}

// ---- check boxes ----

void TfcCustomTreeView::UserToggle(TfcTreeNode* Node) {
  const TfcCheckState next =
      fcToggledCheck(Node->CheckboxType(), FOptions.Contains(tvo3StateCheckbox), {Node->Checked(), Node->Grayed()});
  // A grayed radio group is ungrayed before the check moves, so siblings follow.
  if (!next.Grayed) Node->SetGrayed(false);
  Node->SetChecked(next.Checked);
  if (next.Grayed) Node->SetGrayed(true);
}

// ---- mouse ----

void TfcCustomTreeView::WMLButtonDown(TMessage& Message) {
  const int x = Message.XPos(), y = Message.YPos();
  const THitTests hit = GetHitTestInfoAt(x, y);
  FSelectedBeforePress = Selected();
  FPressedNode = GetNodeAt(x, y);
  if (hit.Contains(htOnButton) && FOptions.Contains(tvoExpandButtons3D)) {
    PressExpandButton(x, y);
    return;
  }
  if (!hit.Contains(htOnButton)) Invalidate();
  FDragged = false;
  FDragNode = nullptr;
  TWinControl::Dispatch(Message);
  if (!HandleAllocated()) return;
  if (FDragMode == dmAutomatic && FDragKind == dkDrag) {
    if (CanFocus()) SetFocus();
    // The system control saw the mouse move away with the button held.
    if (FDragged && FPressedNode) {
      FPressedNode->SetFocused(true);
      FPressedNode->SetSelected(true);
      BeginDrag(false, -1);
      return;
    }
  }
  // The system control waits for a drag in a loop of its own and takes the
  // release from the queue; the release is passed on here so that MouseUp runs.
  if (GetKeyState(VK_LBUTTON) >= 0 && GetCapture() != FHandle) {
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(FHandle, &p);
    Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  }
}

void TfcCustomTreeView::WMLButtonDblClk(TMessage& Message) {
  if (FOptions.Contains(tvoExpandOnDblClk)) {
    TWinControl::Dispatch(Message);
    return;
  }
  TShiftState shift = KeysToShiftState(static_cast<WORD>(Message.WParam));
  shift.Include(ssDouble);
  MouseDown(mbLeft, shift, Message.XPos(), Message.YPos());
}

void TfcCustomTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TWinControl::MouseDown(Button, Shift, X, Y);
  TfcTreeNode* node = GetNodeAt(X, Y);
  if (OnMouseDown) OnMouseDown(this, node, Button, Shift, X, Y);
  if (Shift.Contains(ssDouble) && OnDblClick) OnDblClick(this, node, Button, Shift, X, Y);
  if (!node || (Button == mbLeft && Shift.Contains(ssDouble)) || (Button == mbRight && !FRightClickSelects)) return;
  const THitTests hit = GetHitTestInfoAt(X, Y);
  if (node == FSelectedBeforePress && hit.Contains(htOnLabel) && FOptions.Contains(tvoEditText)) {
    HideHint();
    FHintNode = nullptr;
    if (FImages && node->ImageIndex() == -2)
      AskLabelEdit(FHandle, node->ItemId());
  }
  if (node == FPressedNode && hit.Contains(htOnStateIcon) && HasCheckbox(node) && !FReadOnly) {
    UserToggle(node);
    return;
  }
  const bool multi = FMultiSelectAttributes->Enabled();
  if (!multi) return;
  const bool autoUnselect = FMultiSelectAttributes->AutoUnselect();
  const bool shift = Shift.Contains(ssShift), ctrl = Shift.Contains(ssCtrl);
  bool onItem = hit.Contains(htOnItem) || hit.Contains(htOnLabel);
  if (RowSelect()) {
    const TRect cell = fcCheckCell(ItemLayout(node, node->DisplayRect(true)));
    onItem = X >= cell.Left + FPaintIndent;
  }
  if (!onItem) {
    if (!shift) FAnchor = node;
    return;
  }
  const bool anchorSibling = FAnchor && FAnchor->Parent() == node->Parent();
  if (!ctrl && autoUnselect) {
    if (shift && anchorSibling) UnselectAll(FAnchor);
    else if (LevelAllowed(node)) UnselectAll(nullptr);
  }
  if (!shift) {
    if (autoUnselect || ctrl) SetMultiSelected(node, !node->MultiSelected(), true);
    if (!node->Selected()) node->SetSelected(true);
  } else if (anchorSibling) {
    TfcTreeNode* parent = node->Parent();
    for (int i : fcShiftRange(FAnchor->Index(), node->Index(), autoUnselect))
      if (TfcTreeNode* n = parent ? parent->Item(i) : RootAt(i)) SetMultiSelected(n, true, true);
    if (!node->Selected()) node->SetSelected(true);
  }
  if (!shift) FAnchor = node;
}

TfcTreeNode* TfcCustomTreeView::RootAt(int Index) const {
  TfcTreeNode* n = FItems->GetFirstNode();
  for (int i = 0; n && i < Index; ++i) n = n->GetNextSibling();
  return n;
}

void TfcCustomTreeView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TWinControl::MouseUp(Button, Shift, X, Y);
  TfcTreeNode* node = GetNodeAt(X, Y);
  if (OnMouseUp) {
    OnMouseUp(this, node, Button, Shift, X, Y);
    if (BeingFreed()) return;
    node = GetNodeAt(X, Y);
  }
  if (Button != mbLeft || !FOptions.Contains(tvoAutoURL) || !node || node->StringData().empty()) return;
  if (!GetHitTestInfoAt(X, Y).Contains(htOnItem)) return;
  Screen->SetCursor(crHourGlass);
  ShellOpen(FHandle, L"OPEN", node->StringData());
  Screen->SetCursor(crDefault);
}

void TfcCustomTreeView::MouseMove(TShiftState Shift, int X, int Y) {
  TWinControl::MouseMove(Shift, X, Y);
  const bool themes = fcUseThemes(this);
  if (!OnMouseMove && !FOptions.Contains(tvoAutoURL) && !FOptions.Contains(tvoToolTips) && !themes) return;
  TfcTreeNode* node = GetNodeAt(X, Y);
  if (OnMouseMove) {
    OnMouseMove(this, node, Shift, X, Y);
    // The handler may have freed the tree, or the node with its items.
    if (BeingFreed()) return;
    node = GetNodeAt(X, Y);
  }
  if (themes) {
    const THitTests hit = GetHitTestInfoAt(X, Y);
    if (node != FHotNode || hit != FHotFlags) {
      if (node && node->CheckboxType() != fcNoCheckbox) node->Invalidate();
      if (FHotNode) FHotNode->Invalidate();
    }
    FHotNode = node;
    FHotFlags = hit;
  }
  if (FOptions.Contains(tvoAutoURL)) {
    const bool link = node && !node->StringData().empty() && GetHitTestInfoAt(X, Y).Contains(htOnItem);
    SetCursor(link ? crHandPoint : crDefault);
  }
  if (FOptions.Contains(tvoToolTips)) UpdateHint(node);
}

// ---- keys ----

void TfcCustomTreeView::KeyDown(WORD& Key, TShiftState Shift) {
  TWinControl::KeyDown(Key, Shift);
  TfcTreeNode* node = Selected();
  if (Key != VK_SPACE || !node || IsEditing()) return;
  const auto* m = FMultiSelectAttributes.get();
  if (m->Enabled() && !m->MultiSelectCheckbox() && LevelAllowed(node)) {
    if (Shift.Contains(ssCtrl)) SetMultiSelected(node, !node->MultiSelected(), true);
    return;
  }
  // Only a node that shows a check box toggles: Space on a plain node changes nothing.
  if (!FReadOnly && HasCheckbox(node)) UserToggle(node);
  Key = 0;
}

// ---- the 3-D expand button ----

void TfcCustomTreeView::PressExpandButton(int, int) {
  TfcTreeNode* node = FPressedNode;
  if (!node) return;
  FButtonPressed = true;
  node->Invalidate();
  SetCapture(FHandle);
  const TRect row = node->DisplayRect(false);
  MSG msg;
  while (GetCapture() == FHandle) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_MOUSEMOVE && msg.hwnd == FHandle) {
      const int mx = static_cast<int16_t>(LOWORD(msg.lParam)), my = static_cast<int16_t>(HIWORD(msg.lParam));
      FButtonPressed = GetHitTestInfoAt(mx, my).Contains(htOnButton) && my >= row.Top && my < row.Bottom;
      node->Invalidate();
    } else if ((msg.message == WM_LBUTTONDOWN || msg.message == WM_LBUTTONDBLCLK) && msg.hwnd == FHandle) {
      continue;
    } else if (msg.message == WM_LBUTTONUP) {
      FButtonPressed = false;
      node->Invalidate();
      POINT p = {static_cast<int16_t>(LOWORD(msg.lParam)), static_cast<int16_t>(HIWORD(msg.lParam))};
      if (msg.hwnd != FHandle) MapWindowPoints(msg.hwnd, FHandle, &p, 1);
      if (GetHitTestInfoAt(p.x, p.y).Contains(htOnButton) && GetNodeAt(p.x, p.y) == node) {
        if (node->Expanded()) {
          if (FAutoExpand) node->SetSelected(true);
          node->Collapse(false);
        } else {
          node->Expand(false);
        }
      }
      DispatchMessageW(&msg);
      ReleaseCapture();
      break;
    } else {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (GetCapture() == FHandle) ReleaseCapture();
}
