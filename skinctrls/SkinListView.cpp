// TspSkinCustomListView: skin font and colours, and the skinned bars driven from the window's scroll state.
#include "skinctrls/SkinListView.h"

#include <algorithm>

TspSkinCustomListView::TspSkinCustomListView(TComponent* AOwner) : TspSkinView<TCustomListView>(AOwner) {
  FSkinDataName = L"listview";
  Font()->Assign(FDefaultFont.get());
}

void TspSkinCustomListView::CreateHandleDone() {
  TCustomListView::CreateHandleDone();
  // A header made before this window could hear of it is taken over here.
  HWND header = HeaderHandle();
  if (header && header != FHeader) TakeHeader(header);
}

void TspSkinCustomListView::Loaded() {
  FUpdating = true;
  TCustomListView::Loaded();
  FUpdating = false;
  ChangeSkinData();
}

void TspSkinCustomListView::ChangeSkinData() {
  LookUpIndex();
  ApplyViewSkin(this, FSkinData, SkinRecordAs<TspDataSkinListView>(), FUseSkinFont, FDefaultFont.get(), FDefaultColor);
  UpdateScrollBars();
  FBars.Realign();
  if (ViewStyle() == vsReport && FHeader) InvalidateRect(FHeader, nullptr, TRUE);
}

void TspSkinCustomListView::Change(TListItem* Item, int Change) {
  TCustomListView::Change(Item, Change);
  // Between the items' BeginUpdate and EndUpdate the bars wait for the paint that follows.
  if (!FUpdating && !Updating()) UpdateScrollBars();
}

void TspSkinCustomListView::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PARENTNOTIFY:
      if (LOWORD(Message.WParam) == WM_CREATE) {
        wchar_t name[32] = {};
        auto child = reinterpret_cast<HWND>(Message.LParam);
        GetClassNameW(child, name, 32);
        if (lstrcmpiW(name, WC_HEADERW) == 0) TakeHeader(child);
      }
      break;
    case WM_DESTROY: ReleaseHeader(); break;
    case WM_SIZE:
      TCustomListView::Dispatch(Message);
      if (!FUpdating && Items()->Count() > 0) UpdateScrollBars();
      if (ViewStyle() == vsReport && FHeader) InvalidateRect(FHeader, nullptr, FALSE);
      return;
    case WM_PAINT:
      TCustomListView::Dispatch(Message);
      if (!FUpdating) UpdateScrollBars();
      return;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
      TCustomListView::Dispatch(Message);
      UpdateScrollBars();
      return;
  }
  TspSkinView<TCustomListView>::Dispatch(Message);
}

int TspSkinCustomListView::ItemHeight() {
  return Items()->Count() > 0 ? Items()->Item(0)->DisplayRect(LVIR_BOUNDS).Height() : 0;
}

void TspSkinCustomListView::UpdateScrollBars() {
  if (!HandleAllocated() || FScrolling || Width() <= 5 || Height() <= 5 || FUpdating) return;
  TspSkinScrollBar* vbar = FBars.Vertical();
  TspSkinScrollBar* hbar = FBars.Horizontal();
  if (!vbar && !hbar) return;
  auto info = [this](int Bar) { return ReadScrollInfo(Handle(), Bar); };
  FUpdating = true;
  bool changed = false;
  const int perPage = VisibleRowCount();
  switch (ViewStyle()) {
    case vsList:
      changed |= FBars.SetBarVisible(vbar, false);
      if (hbar) {
        const SCROLLINFO si = info(SB_HORZ);
        const int column = Items()->Count() > 0 ? std::max(1, Items()->Item(0)->DisplayRect(LVIR_BOUNDS).Width()) : 1;
        const bool show = perPage < Items()->Count() && Visible();
        changed |= FBars.SetBarVisible(hbar, show);
        if (show) {
          hbar->SetRange(si.nMin, si.nMax, Width() / column, si.nPos);
          hbar->SetSmallChange(1);
          hbar->SetLargeChange(1);
          FLastHPosition = si.nPos;
        }
      }
      break;
    case vsReport:
      if (vbar) {
        const SCROLLINFO si = info(SB_VERT);
        const bool show = perPage < si.nMax + 1 && Visible();
        changed |= FBars.SetBarVisible(vbar, show);
        if (show) {
          vbar->SetRange(si.nMin, si.nMax, perPage, si.nPos);
          FLastVPosition = si.nPos;
          vbar->SetSmallChange(1);
          vbar->SetLargeChange(std::max(1, perPage));
        }
      }
      if (hbar) {
        const SCROLLINFO si = info(SB_HORZ);
        const bool show = si.nMax > Width() && Visible();
        changed |= FBars.SetBarVisible(hbar, show);
        if (show) {
          hbar->SetRange(si.nMin, si.nMax, Width(), si.nPos);
          FLastHPosition = si.nPos;
        }
      }
      break;
    default: {
      const int step = std::max(1, ItemHeight() / 2);
      if (vbar) {
        const SCROLLINFO si = info(SB_VERT);
        const bool show = si.nMax > Height() && Visible();
        changed |= FBars.SetBarVisible(vbar, show);
        if (show) {
          vbar->SetSmallChange(step);
          vbar->SetLargeChange(step);
          vbar->SetRange(si.nMin, si.nMax, Height(), si.nPos);
          FLastVPosition = si.nPos;
        }
      }
      if (hbar) {
        const SCROLLINFO si = info(SB_HORZ);
        const bool show = si.nMax > Width() && Visible();
        changed |= FBars.SetBarVisible(hbar, show);
        if (show) {
          hbar->SetSmallChange(step);
          hbar->SetLargeChange(step);
          hbar->SetRange(si.nMin, si.nMax, Width(), si.nPos);
          FLastHPosition = si.nPos;
        }
      }
    }
  }
  FBars.Finish(changed);
  FUpdating = false;
}

void TspSkinCustomListView::VScrollBarChange() {
  FScrolling = true;
  const int position = FBars.Vertical()->Position();
  const int delta = position - FLastVPosition;
  const bool rows = ViewStyle() == vsList || ViewStyle() == vsReport;
  Scroll(0, rows ? delta * ItemHeight() : delta);
  FLastVPosition = position;
  FScrolling = false;
}

void TspSkinCustomListView::HScrollBarChange() {
  FScrolling = true;
  const int position = FBars.Horizontal()->Position();
  const int delta = position - FLastHPosition;
  if (ViewStyle() == vsList) {
    // The list style scrolls by whole columns.
    const WPARAM step = delta > 0 ? SB_LINERIGHT : SB_LINELEFT;
    for (int i = 0; i < std::abs(delta); ++i) SendMessageW(Handle(), WM_HSCROLL, step, 0);
  } else {
    Scroll(delta, 0);
  }
  FLastHPosition = position;
  FScrolling = false;
}
