// TspSkinCustomTreeView: skin font and colours, and the skinned bars driven from the window's scroll state.
#include "skinctrls/SkinTreeView.h"

#include "skin/SPUtils_platform.h"

TspSkinCustomTreeView::TspSkinCustomTreeView(TComponent* AOwner) : TspSkinView<TCustomTreeView>(AOwner) {
  FSkinDataName = L"treeview";
}

void TspSkinCustomTreeView::Loaded() {
  TCustomTreeView::Loaded();
  ChangeSkinData();
}

void TspSkinCustomTreeView::ChangeSkinData() {
  if (Loading()) return;
  LookUpIndex();
  ApplyViewSkin(this, FSkinData, SkinRecordAs<TspDataSkinTreeView>(), FUseSkinFont, FDefaultFont.get(), FDefaultColor);
  for (TCustomImageList* list : {Images(), StateImages()})
    if (list) list->SetBkColor(Color());
  UpdateScrollBars();
  FBars.Realign();
}

void TspSkinCustomTreeView::Change(TTreeNode* Node) {
  TCustomTreeView::Change(Node);
  UpdateScrollBars();
}

void TspSkinCustomTreeView::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      TCustomTreeView::Dispatch(Message);
      if (!FUpdating) UpdateScrollBars();
      return;
    case CN_NOTIFY:
      if (reinterpret_cast<NMHDR*>(Message.LParam)->code == NM_CUSTOMDRAW && CustomDrawNode(Message)) return;
      break;
    case WM_PAINT:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
      TCustomTreeView::Dispatch(Message);
      UpdateScrollBars();
      return;
  }
  TspSkinView<TCustomTreeView>::Dispatch(Message);
}

bool TspSkinCustomTreeView::CustomDrawNode(TMessage& Message) {
  // The system draws the selected node in its own colours: those of its
  // selection while the tree has the focus, else its button face under the
  // tree's text colour (the skin's light text on a light box under a dark
  // skin). Under a skin the node takes the skin's pairs instead, selection
  // and button face with their texts, which the skin makes readable.
  LookUpIndex();
  if (FIndex == -1 || !FSkinData->SkinColors) return false;
  auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(Message.LParam);
  if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
    Message.Result = CDRF_NOTIFYITEMDRAW;
    return true;
  }
  if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return false;
  const auto item = reinterpret_cast<HTREEITEM>(draw->nmcd.dwItemSpec);
  const bool selected = SendMessageW(Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_SELECTED) &
                        TVIS_SELECTED;
  Message.Result = CDRF_DODEFAULT;
  if (!selected) return true;
  const TspSkinColors& colors = *FSkinData->SkinColors;
  const bool focused = GetFocus() == Handle();
  draw->clrText = ColorToRGB(focused ? colors.cHighLightText : colors.cBtnText);
  draw->clrTextBk = ColorToRGB(focused ? colors.cHighLight : colors.cBtnFace);
  Message.Result = CDRF_NEWFONT;
  return true;
}

void TspSkinCustomTreeView::UpdateScrollBars() {
  if (Loading() || FUpdating || !HandleAllocated()) return;
  TspSkinScrollBar* vbar = FBars.Vertical();
  TspSkinScrollBar* hbar = FBars.Horizontal();
  if (!vbar && !hbar) return;
  FUpdating = true;
  bool changed = false;
  if (vbar) {
    const SCROLLINFO si = ReadScrollInfo(Handle(), SB_VERT);
    const int visibleRows = VisibleCount();
    const int total = static_cast<int>(SendMessageW(Handle(), TVM_GETCOUNT, 0, 0));
    const bool show = si.nMax >= 1 && visibleRows <= si.nMax && si.nMax < total && Visible();
    changed |= FBars.SetBarVisible(vbar, show);
    if (show) vbar->SetRange(si.nMin, si.nMax, visibleRows, si.nPos);
  }
  if (hbar) {
    const SCROLLINFO si = ReadScrollInfo(Handle(), SB_HORZ);
    const bool show = si.nMax > Width() && Visible();
    changed |= FBars.SetBarVisible(hbar, show);
    if (show) hbar->SetRange(si.nMin, si.nMax, Width(), si.nPos);
  }
  FBars.Finish(changed);
  FUpdating = false;
}

void TspSkinCustomTreeView::VScrollBarChange() {
  const int position = FBars.Vertical()->Position();
  // The scroll message carries 16 bits: further rows are reached by making
  // the row at that place the first one shown.
  if (position > 0x7FFF) {
    TTreeNode* node = TopItem();
    const SCROLLINFO si = ReadScrollInfo(Handle(), SB_VERT);
    for (int i = si.nPos; node && i < position; ++i) node = node->GetNextVisible();
    for (int i = si.nPos; node && i > position; --i) node = node->GetPrevVisible();
    SetTopItem(node);
    return;
  }
  if (IsWindowsVistaOrLater()) {
    SCROLLINFO si = ReadScrollInfo(Handle(), SB_VERT);
    si.fMask = SIF_POS;
    si.nPos = position;
    SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
  }
  SendMessageW(Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
}

void TspSkinCustomTreeView::HScrollBarChange() {
  SendMessageW(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, FBars.Horizontal()->Position()), 0);
}
