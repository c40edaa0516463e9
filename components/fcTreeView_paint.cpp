// The fc tree view's painting: every item drawn by the control itself through
// the system control's custom-draw notifications, into an off-screen bitmap;
// and the hint window for cut-off texts.
#include <windows.h>
#include <vssym32.h>

#include <algorithm>
#include <vector>

#include "classlib/Messages.h"
#include "components/fcTreeView.h"

// ---- what an item shows ----

bool TfcCustomTreeView::ShowsImage(TfcTreeNode* Node) const { return FImages && Node->ImageIndex() != -2; }

bool TfcCustomTreeView::LevelAllowed(TfcTreeNode* Node) const {
  return fcLevelAllowed(Node->Level(), FMultiSelectAttributes->MultiSelectLevel());
}

bool TfcCustomTreeView::MultiSelectCheckboxNode(TfcTreeNode* Node) const {
  return FMultiSelectAttributes->Enabled() && FMultiSelectAttributes->MultiSelectCheckbox() && LevelAllowed(Node);
}

bool TfcCustomTreeView::HasCheckbox(TfcTreeNode* Node) const {
  return Node->CheckboxType() != fcNoCheckbox || MultiSelectCheckboxNode(Node);
}

bool TfcCustomTreeView::HasStateSpace(TfcTreeNode* Node) const {
  if (MultiSelectCheckboxNode(Node)) return true;
  if (Node->CheckboxType() != fcNoCheckbox && Node->StateIndex() >= 1) return true;
  const int s = Node->StateIndex();
  return FStateImages && s >= 1 && s % 16 != 0 && s < FStateImages->Count();
}

TfcItemLayout TfcCustomTreeView::ItemLayout(TfcTreeNode* Node, const TRect& T) const {
  TfcItemLayout l;
  l.Text = T;
  l.Indent = FPaintIndent;
  l.ShowsImage = ShowsImage(Node);
  l.ImagesWidth = FImages ? FImages->Width() : 0;
  const int s = Node->StateIndex();
  l.StateSpace = HasStateSpace(Node) || (s >= 1 && s % 16 != 0);
  l.StateWidth = FStateImages ? FStateImages->Width() : 16;
  return l;
}

bool TfcCustomTreeView::ShownSelected(TfcTreeNode* Node, TfcItemStates State, bool DropHighlighted) const {
  TfcTreeNode* drop = FPaintDropTarget;
  return (State.Contains(fcisSelected) && (!drop || drop == Node)) || DropHighlighted;
}

// ---- custom draw ----

void TfcCustomTreeView::StartItemPaint() {
  FPaintIndent = Indent();
  FLineX.clear();
  FPaintDropTarget = DropTarget();
}

void TfcCustomTreeView::BeginPainting() {
  // A one-image state list stands for check boxes only: the shared list takes its place.
  if (FStateImages && FStateImages->Count() == 1 && !ComponentState().Contains(csDesigning)) {
    FStateImages->Clear();
    FStateImages = nullptr;
    InstallStateImages();
  }
  FPaintedItems = 0;
}

void TfcCustomTreeView::CustomDraw(TMessage& Message) {
  auto* cd = reinterpret_cast<NMTVCUSTOMDRAW*>(Message.LParam);
  // The DC is lent for one notification at a time: a handler of an item's
  // paint may pump, and a paint met there (of this tree or another) must
  // find the canvas as it left it, nor may a post-paint that never comes
  // (the tree freed meanwhile) leave the canvas on a DC the system took back.
  const TPaintDCLoan loan(FCanvas.get(), cd->nmcd.hdc);
  switch (cd->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      StartItemPaint();
      FCanvas->SetFont(Font());
      FCanvas->Brush()->SetColor(FColor);
      BeginPainting();
      Message.Result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
      return;
    case CDDS_ITEMPREPAINT: {
      auto* node = reinterpret_cast<TfcTreeNode*>(cd->nmcd.lItemlParam);
      if (!node) node = FItems->GetNode(reinterpret_cast<HTREEITEM>(cd->nmcd.dwItemSpec));
      // Nothing follows an item's paint: no post-paint notification is asked for.
      Message.Result = CDRF_SKIPDEFAULT;
      if (!node) return;
      ++FPaintedItems;
      const TRect t = node->DisplayRect(true);
      cd->nmcd.rc = {t.Left, t.Top, t.Right, t.Bottom};
      PaintItem(node, t, TfcItemStates::FromBits(cd->nmcd.uItemState & 0x1FF));
      return;
    }
    case CDDS_POSTPAINT:
      EndPainting();
      return;
  }
}

// ---- one item ----

namespace {

void DrawExpandButton(TCanvas* C, const TRect& B, const TPoint& P, int Q, bool Expanded, TColor Back) {
  HDC dc = C->Handle();
  const TColor brush = C->Brush()->Color();
  C->Brush()->SetColor(Back);
  C->Pen()->SetColor(clBlack);
  C->MoveTo(B.Left + Q, P.Y);
  C->LineTo(B.Right - Q, P.Y);
  if (!Expanded) {
    C->MoveTo(P.X, B.Top + Q);
    C->LineTo(P.X, B.Bottom - Q);
  }
  C->Brush()->SetColor(brush);
  (void)dc;
}

// The canvas font back to the control's: only what differs is written, since
// each write looks the font's handle up again.
void RestoreFont(TFont* Canvas, TFont* Control) {
  if (Canvas->Name() != Control->Name() || Canvas->Height() != Control->Height() ||
      Canvas->Charset() != Control->Charset() || Canvas->Pitch() != Control->Pitch() ||
      Canvas->Orientation() != Control->Orientation()) {
    Canvas->Assign(Control);
    return;
  }
  Canvas->SetStyle(Control->Style());
  Canvas->SetColor(Control->Color());
}

}  // namespace

bool TfcCustomTreeView::DrawThemedCheck(TfcTreeNode* N, const TRect& Box) {
  // The states count normal, hot, pressed, disabled: unchecked from 1, checked from 5.
  const bool hot = N == FHotNode && FHotFlags.Contains(htOnStateIcon);
  const bool radio = N->CheckboxType() == fcRadioButton;
  const bool disabled = radio ? !Enabled() : N->Grayed();
  const int state = (N->Checked() ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL) +
                    (disabled ? CBS_UNCHECKEDDISABLED - 1 : hot ? CBS_UNCHECKEDHOT - 1 : 0);
  return fcDrawThemePart(L"BUTTON", radio ? BP_RADIOBUTTON : BP_CHECKBOX, state, FCanvas->Handle(), Box);
}

void TfcCustomTreeView::PaintItem(TfcTreeNode* N, TRect T, TfcItemStates State) {
  const bool themes = fcUseThemes(this);
  const UINT itemState = SyncItemState(N);
  const TRect cell = fcCheckCell(ItemLayout(N, T));
  if (FOptions.Contains(tvoShowLines)) PaintItemLines(N, T, cell);
  if (FOptions.Contains(tvoShowButtons) && N->HasChildren()) PaintExpandButton(N, cell, T.Height(), itemState, themes);
  const bool shownSelected = SetItemColours(N, State, itemState);
  String text;
  GetDisplayText(N, text);
  FitTextRect(text, T);
  FCanvas->Pen()->SetColor(FColor);
  const TRect s = SelectionRect(N, T);
  const bool editingThis = IsEditing() && State.Contains(fcisSelected);
  if (!editingThis) PaintSelection(N, s, State, itemState);
  PaintItemImage(N, cell, State, itemState, shownSelected);
  if (HasStateSpace(N)) PaintStateImage(N, cell, themes);
  PaintItemText(N, T, s, State, text, editingThis);
}

UINT TfcCustomTreeView::SyncItemState(TfcTreeNode* N) {
  // The system control flips the state image of a clicked check box itself; ours is the truth.
  // One look at the item (each costs a search of all items under Wine).
  const UINT itemState = static_cast<UINT>(SendTree(
      TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(N->ItemId()), TVIS_EXPANDED | TVIS_CUT | TVIS_DROPHILITED | TVIS_STATEIMAGEMASK));
  const int stateImage = static_cast<int>((itemState & TVIS_STATEIMAGEMASK) >> 12);
  if ((stateImage == 0 ? -1 : stateImage) != N->StateIndex()) N->SetStateIndex(N->StateIndex());
  if (MultiSelectCheckboxNode(N) && N->StateIndex() != 1) N->SetStateIndex(1);
  return itemState;
}

// Lines: the node's own, then one for every ancestor that has a sibling below.
// Their dots (those of fcDottedLine) go to the device in one call.
void TfcCustomTreeView::PaintItemLines(TfcTreeNode* N, const TRect& T, const TRect& Cell) {
  const TPoint centre = fcCentre(Cell);
  const int x = fcLineX(Cell);
  std::vector<POINT> dots;
  auto dotted = [&dots](const TPoint& P1, const TPoint& P2) {
    for (const TPoint& p : fcDottedLinePoints(P1, P2)) {
      dots.push_back({p.X, p.Y});
      dots.push_back({p.X + 1, p.Y + 1});
    }
  };
  TfcTreeNode* parent = N->Parent();
  const bool firstRoot = !parent && !N->GetPrevSibling();
  const int bottom = N->GetNextSibling() ? T.Bottom : T.Bottom - (T.Height() / 2 - 1);
  dotted(TPoint(x, firstRoot ? centre.Y : T.Top), TPoint(x, bottom));
  for (TfcTreeNode* a = parent; a; a = a->Parent()) {
    if (!a->GetNextSibling()) continue;
    // Ancestors are shared by many rows: their line is placed once a paint.
    auto known = FLineX.find(a);
    const int ax = known != FLineX.end()
                       ? known->second
                       : (FLineX[a] = fcLineX(fcCheckCell(ItemLayout(a, a->DisplayRect(true)))));
    dotted(TPoint(ax, T.Top), TPoint(ax, T.Bottom));
  }
  if (FOptions.Contains(tvoShowRoot) || parent) {
    const bool multi = FMultiSelectAttributes->Enabled();
    const int right = Cell.Right - (HasCheckbox(N) && (HasStateSpace(N) || multi) ? 2 : 0);
    dotted(TPoint(x, centre.Y), TPoint(right, centre.Y));
  }
  if (dots.empty()) return;
  TCanvas* c = FCanvas.get();
  c->Pen()->SetColor(FLineColor);
  fcSelectCanvasObjects(c);
  const std::vector<DWORD> counts(dots.size() / 2, 2);
  PolyPolyline(c->Handle(), dots.data(), counts.data(), static_cast<DWORD>(counts.size()));
}

void TfcCustomTreeView::PaintExpandButton(TfcTreeNode* N, const TRect& Cell, int RowHeight, UINT ItemState,
                                           bool Themes) {
  TCanvas* c = FCanvas.get();
  HDC dc = c->Handle();
  TPoint p(fcLineX(Cell), fcCentre(Cell).Y);
  int q = 0;
  TRect b = fcExpandBox(p, RowHeight, q);
  if (FOptions.Contains(tvoExpandButtons3D)) {
    const bool pressed = FButtonPressed && N == FPressedNode;
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(b);
    RECT fr = {b.Left, b.Top, b.Right + 1, b.Bottom + 1};
    DrawFrameControl(dc, &fr, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    if (ColorToRGB(FColor) == 0xFFFFFF) {
      c->Pen()->SetColor(clBtnFace);
      c->MoveTo(b.Left - 1, b.Bottom);
      c->LineTo(b.Left - 1, b.Top - 1);
      c->LineTo(b.Right + 1, b.Top - 1);
    }
    if (pressed) {
      p = TPoint(p.X + 1, p.Y + 1);
      b = TRect(b.Left + 1, b.Top + 1, b.Right + 1, b.Bottom + 1);
    }
  } else if (Themes && fcDrawThemePart(L"TREEVIEW", TVP_GLYPH,
                                       (ItemState & TVIS_EXPANDED) ? GLPS_OPENED : GLPS_CLOSED, dc, b)) {
    b = TRect();  // the theme's glyph has its own plus or minus
  } else {
    c->Brush()->SetColor(clWhite);
    c->FillRect(b);
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(b);
  }
  if (!b.IsEmpty()) DrawExpandButton(c, b, p, q, (ItemState & TVIS_EXPANDED) != 0, FColor);
}

// The brush and font of the item's state; true when it shows selected.
bool TfcCustomTreeView::SetItemColours(TfcTreeNode* N, TfcItemStates State, UINT ItemState) {
  TCanvas* c = FCanvas.get();
  RestoreFont(c->Font(), Font());
  c->Brush()->SetColor(FColor);
  const bool multi = FMultiSelectAttributes->Enabled();
  const bool focused = Focused();
  const bool dropHighlighted = (ItemState & TVIS_DROPHILITED) != 0;
  const bool shownSelected = ShownSelected(N, State, dropHighlighted);
  // A drop target shows wherever the mouse drags, focused tree or not.
  if (dropHighlighted || (shownSelected && !multi)) {
    if (focused || dropHighlighted) {
      c->Brush()->SetColor(clHighlight);
      c->Font()->SetColor(clHighlightText);
    } else if (!FOptions.Contains(tvoHideSelection)) {
      c->Brush()->SetColor(FInactiveFocusColor == FColor ? TColor(0x808080) : FInactiveFocusColor);
    }
  } else if (multi && N->MultiSelected()) {
    c->Brush()->SetColor(clHighlight);
    c->Font()->SetColor(clHighlightText);
  }
  if (State.Contains(fcisHot) || (FOptions.Contains(tvoAutoURL) && !N->StringData().empty())) {
    if (!(State.Contains(fcisSelected) && focused)) c->Font()->SetColor(TColor(0x00FF0000));
    c->Font()->SetStyle(TFontStyles{fsUnderline});
  }
  CalcNodeAttributes(N, State);
  fcSelectCanvasObjects(c);
  return shownSelected;
}

// A bold or italic text takes its own width (plus 4) as the item's.
void TfcCustomTreeView::FitTextRect(const String& Text, TRect& T) {
  const TFontStyles style = FCanvas->Font()->Style();
  if (!style.Contains(fsBold) && !style.Contains(fsItalic)) return;
  RECT m = {T.Left, T.Top, T.Right, T.Bottom};
  DrawTextW(FCanvas->Handle(), Text.c_str(), static_cast<int>(Text.size()), &m,
            DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
  T.Right = T.Left + (m.right - m.left) + 4;
}

// A selected row reaches to the right side and over its images.
TRect TfcCustomTreeView::SelectionRect(TfcTreeNode* N, const TRect& T) const {
  TRect s = T;
  if (!RowSelect()) return s;
  s.Right = Width() - 4;
  if (ShowsImage(N)) s.Left -= FImages->Width();
  if (HasStateSpace(N)) s.Left -= FStateImages ? FStateImages->Width() : 16;
  if (ShowsImage(N) || HasStateSpace(N)) s.Left -= 4;
  if (!FMultiSelectAttributes->Enabled()) s.Bottom += 1;
  return s;
}

void TfcCustomTreeView::PaintSelection(TfcTreeNode* N, const TRect& S, TfcItemStates State, UINT ItemState) {
  TCanvas* c = FCanvas.get();
  const bool dropHighlighted = (ItemState & TVIS_DROPHILITED) != 0;
  if (c->Brush()->Color() == clNone) return;
  if (FMultiSelectAttributes->Enabled() && !N->MultiSelected() && !dropHighlighted) return;
  if (State.Contains(fcisFocused)) c->Rectangle(S);
  else c->FillRect(TRect(S.Left, S.Top, S.Right, S.Bottom - 1));
}

void TfcCustomTreeView::PaintItemImage(TfcTreeNode* N, const TRect& Cell, TfcItemStates State, UINT ItemState,
                                       bool ShownSelected) {
  if (!FImages || N->ImageIndex() < 0 || N->ImageIndex() >= FImages->Count()) return;
  const int ix = Cell.Right + (HasStateSpace(N) ? (FStateImages ? FStateImages->Width() : 16) : 0);
  const int iy = Cell.Top + (Cell.Height() - FImages->Height()) / 2;
  const int sel = N->SelectedIndex();
  const int index = State.Contains(fcisSelected) && sel >= 0 && sel < FImages->Count() ? sel : N->ImageIndex();
  UINT drawStyle = ShownSelected && FImages->BlendColor() != clNone && !RowSelect() ? ILD_BLEND50 : ILD_NORMAL;
  COLORREF fore = FImages->BlendColor() == clNone ? CLR_NONE : ColorToRGB(FImages->BlendColor());
  if (ItemState & TVIS_CUT) {
    drawStyle |= ILD_BLEND50;
    fore = RGB(255, 255, 255);
  }
  if (N->OverlayIndex() >= 0) drawStyle |= INDEXTOOVERLAYMASK(N->OverlayIndex() + 1);
  ImageList_DrawEx(FImages->Handle(), index, FCanvas->Handle(), ix, iy, 0, 0, CLR_NONE, fore, drawStyle);
}

// The state image, or the check box or radio button glyph.
void TfcCustomTreeView::PaintStateImage(TfcTreeNode* N, const TRect& Cell, bool Themes) {
  HDC dc = FCanvas->Handle();
  if (!HasCheckbox(N)) {
    if (FStateImages)
      ImageList_Draw(FStateImages->Handle(), N->StateIndex(), dc, Cell.Right,
                     Cell.Top + (Cell.Height() - FStateImages->Height()) / 2, ILD_NORMAL);
    return;
  }
  const TRect g = fcCheckGlyphBox(Cell);
  if (Themes && DrawThemedCheck(N, g)) return;
  RECT gr = {g.Left, g.Top, g.Right, g.Bottom};
  UINT flags = N->CheckboxType() == fcRadioButton ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
  if (FOptions.Contains(tvoFlatCheckBoxes)) flags |= DFCS_FLAT;
  if (N->Grayed()) flags |= DFCS_INACTIVE;
  if (N->Checked()) flags |= DFCS_CHECKED;
  DrawFrameControl(dc, &gr, DFC_BUTTON, flags);
}

void TfcCustomTreeView::PaintItemText(TfcTreeNode* N, TRect T, const TRect& S, TfcItemStates State,
                                      const String& Text, bool EditingThis) {
  HDC dc = FCanvas->Handle();
  T = TRect(T.Left + 2, T.Top + 1, T.Right - 1, T.Bottom - 1);
  SetBkMode(dc, TRANSPARENT);
  if (!EditingThis) {
    const bool focusFrame =
        State.Contains(fcisFocused) && Focused() && (!RowSelect() || FMultiSelectAttributes->Enabled());
    bool defaultDrawing = true;
    DoDrawText(N, T, State, defaultDrawing);
    if (defaultDrawing) {
      TRect done;
      fcDrawCanvasText(FCanvas.get(), Text, T, DT_NOPREFIX | DT_END_ELLIPSIS, done);
    }
    if (focusFrame) {
      RECT fr = {S.Left, S.Top, S.Right, S.Bottom};
      DrawFocusRect(dc, &fr);
    }
  }
  SetBkMode(dc, OPAQUE);
}

// ---- buffered painting ----

void TfcCustomTreeView::WMPaint(TMessage& Message) {
  if (FItems->Updating()) {
    DefaultHandler(Message);
    return;
  }
  const bool was = FPaintingFlag;
  FPaintingFlag = FItems->Count() > 0;
  if (Message.WParam) {
    DefaultHandler(Message);
    FPaintingFlag = was;
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FHandle, &ps);
  RECT client;
  GetClientRect(FHandle, &client);
  RECT update = ps.rcPaint;
  if (IsRectEmpty(&update)) update = client;
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bmp = CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  HGDIOBJ old = SelectObject(mem, bmp);
  HBRUSH back = CreateSolidBrush(ColorToRGB(FColor));
  FillRect(mem, &update, back);
  DeleteObject(back);
  IntersectClipRect(mem, update.left, update.top, update.right, update.bottom);
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(mem), 0, 0};
  DefaultHandler(paint);
  BitBlt(dc, update.left, update.top, update.right - update.left, update.bottom - update.top, mem, update.left,
         update.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  EndPaint(FHandle, &ps);
  FPaintingFlag = was;
  Message.Result = 0;
}

// ---- hints ----

void TfcTreeHintWindow::Paint() {
  TRect r = ClientRect();
  r.Left += 2;
  r.Top += 2;
  TCanvas* c = Canvas();
  auto* tree = dynamic_cast<TfcCustomTreeView*>(Owner());
  const bool link = Node && tree && !Node->StringData().empty() && tree->Options().Contains(tvoAutoURL);
  c->Font()->SetColor(link ? TColor(0x00FF0000) : clInfoText);
  c->Font()->SetStyle(link ? TFontStyles{fsUnderline} : TFontStyles{});
  c->Brush()->SetStyle(bsClear);
  RECT rc = {r.Left, r.Top, r.Right, r.Bottom};
  const String text = Caption();
  SetBkMode(c->Handle(), TRANSPARENT);
  DrawTextW(c->Handle(), text.c_str(), static_cast<int>(text.size()), &rc, DT_NOPREFIX | DT_WORDBREAK);
}

TfcTreeHintWindow* TfcCustomTreeView::CreateHintWindow(TfcTreeNode* Node) {
  auto* w = new TfcTreeHintWindow(this);
  w->SetColor(clInfoBk);
  w->Brush()->SetColor(clInfoBk);
  w->SetFont(Font());
  w->Font()->SetColor(clInfoText);
  w->Canvas()->Pen()->SetColor(clBlack);
  w->Node = Node;
  return w;
}

void TfcCustomTreeView::HideHint() {
  FHintClock.Reset();
  Free(FHintWindow);
  FHintWindow = nullptr;
  if (FHintTimer) FHintTimer->SetEnabled(false);
}

void TfcCustomTreeView::UpdateHint(TfcTreeNode* Node) {
  if (!Node || Node == FHintNode || (Node == FEditNode && IsEditing())) return;
  HideHint();
  FHintTimer.reset();
  const TRect t = Node->DisplayRect(true);
  FCanvas->SetFont(Font());
  const int w = FCanvas->TextWidth(Node->Text()), h = FCanvas->TextHeight(Node->Text());
  if (!fcHintNeeded(t, w, ClientWidth())) {
    FHintNode = nullptr;
    return;
  }
  FHintTimer = std::make_unique<TTimer>(nullptr);
  FHintTimer->SetInterval(fcHintInterval);
  FHintTimer->OnTimer = [this](TObject* Sender) { HintTimerTick(Sender); };
  FHintNode = Node;
  FHintWindow = CreateHintWindow(Node);
  FHintWindow->ActivateHint(fcHintRect(t, ClientOrigin(), w, h), Node->Text());
}

void TfcCustomTreeView::HintTimerTick(TObject*) {
  if (!FHintWindow) return;
  POINT p;
  GetCursorPos(&p);
  RECT r;
  GetClientRect(FHandle, &r);
  MapWindowPoints(FHandle, nullptr, reinterpret_cast<POINT*>(&r), 2);
  if (!PtInRect(&r, p)) {
    HideHint();
    FHintNode = nullptr;
  } else if (FHintClock.Tick()) {
    // The node stays remembered: its hint does not come back until the mouse moves to another.
    HideHint();
  }
}
