// The fc tree view's drag and drop: the node dragged and its image, the drop
// target highlighted under the mouse and remembered for the drop.
#include <algorithm>
#include <functional>

#include "classlib/Messages.h"
#include "components/fcTreeView.h"

namespace {

// Pixels of this colour are left out of a drag image.
constexpr TColor kDragClear = clFuchsia;

// An image of Width x Height drawn by Draw as the drag image list's only image.
void SetDrawnDragImage(TDragImageList* List, int Width, int Height, const std::function<void(HDC)>& Draw) {
  if (Width <= 0 || Height <= 0) return;
  TBitmap picture;
  picture.SetSize(Width, Height);
  picture.Canvas()->Brush()->SetColor(kDragClear);
  picture.Canvas()->FillRect(TRect(0, 0, Width, Height));
  Draw(picture.Canvas()->Handle());
  List->SetSize(Width, Height);
  List->AddMasked(&picture, kDragClear);
}

}  // namespace

void TfcCustomTreeView::ClearDropHighlight() {
  if (!HandleAllocated()) return;
  SendTree(TVM_SELECTITEM, TVGN_DROPHILITE, 0);
  // Wine's control ignores the request while no item is selected; the item's
  // own state then goes, and DropTarget no longer counts it.
  auto item = reinterpret_cast<HTREEITEM>(SendTree(TVM_GETNEXTITEM, TVGN_DROPHILITE, 0));
  if (!item) return;
  TVITEMW it = {};
  it.mask = TVIF_STATE;
  it.hItem = item;
  it.stateMask = TVIS_DROPHILITED;
  SendTree(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&it));
  if (TfcTreeNode* node = FItems->GetNode(item)) node->Invalidate();
}

void TfcCustomTreeView::SetDragMode(TDragMode Value) {
  if (Value != FDragMode) ApplyStyleBit(TVS_DISABLEDRAGDROP, Value == dmManual);
  TWinControl::SetDragMode(Value);
}

void TfcCustomTreeView::DoStartDrag(TDragObject*& DragObject) {
  TWinControl::DoStartDrag(DragObject);
  TfcTreeNode* node = FDragNode;
  if (!node) {
    POINT p;
    GetCursorPos(&p);
    const TPoint c = ScreenToClient(TPoint(p.x, p.y));
    node = GetNodeAt(c.X, c.Y);
  }
  FDropTarget = nullptr;
  if (!FDragImage) FDragImage = std::make_unique<TDragImageList>(nullptr, 32, 32);
  FDragImage->Clear();
  if (!node || !HandleAllocated()) return;
  HIMAGELIST made =
      reinterpret_cast<HIMAGELIST>(SendTree(TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(node->ItemId())));
  if (made && ImageList_GetImageCount(made) > 0) {
    int w = 0, h = 0;
    ImageList_GetIconSize(made, &w, &h);
    SetDrawnDragImage(FDragImage.get(), w, h, [&](HDC DC) { ImageList_Draw(made, 0, DC, 0, 0, ILD_NORMAL); });
  } else {
    // The system gives none (Wine's list is empty) or one of its own look:
    // the node as this tree paints it.
    MakeNodeDragImage(node);
  }
  if (made) ImageList_Destroy(made);
  FDragImage->SetDragImage(0, 2, 2);
}

void TfcCustomTreeView::MakeNodeDragImage(TfcTreeNode* Node) {
  const TRect t = Node->DisplayRect(true);
  StartItemPaint();
  // From the check box or image to the end of the text; lines and buttons stay out.
  const TRect cell = fcCheckCell(ItemLayout(Node, t));
  const int left = std::max(0, cell.Right);
  SetDrawnDragImage(FDragImage.get(), t.Right - left, t.Height(), [&](HDC DC) {
    POINT old;
    SetViewportOrgEx(DC, -left, -t.Top, &old);
    {
      TPaintDCLoan loan(FCanvas.get(), DC);
      FCanvas->SetFont(Font());
      PaintItem(Node, t, TfcItemStates());
    }
    SetViewportOrgEx(DC, old.x, old.y, nullptr);
  });
}

TDragImageList* TfcCustomTreeView::GetDragImages() {
  return FDragImage && FDragImage->Count() > 0 ? FDragImage.get() : nullptr;
}

void TfcCustomTreeView::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  TWinControl::DragOver(Source, X, Y, State, Accept);
  if (!HandleAllocated()) return;
  if (State == dsDragLeave) {
    // Kept for the drop that may follow, no longer shown.
    HideDragImage();
    FDropTarget = DropTarget();
    ClearDropHighlight();
    UpdateWindow(FHandle);
    ShowDragImage();
    return;
  }
  if (State != dsDragMove) return;
  TfcTreeNode* node = GetNodeAt(X, Y);
  if (!node || (node == DropTarget() && node != FDropTarget)) return;
  FDropTarget = nullptr;
  HideDragImage();
  node->SetDropTarget(Accept);
  UpdateWindow(FHandle);
  ShowDragImage();
}

void TfcCustomTreeView::DragDrop(TObject* Source, int X, int Y) {
  TWinControl::DragDrop(Source, X, Y);
  FDropTarget = nullptr;
}

void TfcCustomTreeView::DoEndDrag(TObject* Target, int X, int Y) {
  TWinControl::DoEndDrag(Target, X, Y);
  FDropTarget = nullptr;
  FDragged = false;
}
