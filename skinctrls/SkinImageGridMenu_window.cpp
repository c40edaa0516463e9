// The image-grid menu's popup window: layout, showing, painting, the mouse,
// and the keys and closing messages taken from the application's loop.
#include <algorithm>

#include "classlib/Forms.h"
#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_platform.h"
#include "skin/SPUtils_region.h"
#include "skin/SPUtils_text.h"
#include "skin/SkinMenuMessages.h"
#include "skin/SkinObjRecords.h"
#include "skin/SkinWindowRecords.h"
#include "skinctrls/PartLook.h"
#include "skinctrls/SkinHint.h"
#include "skinctrls/SkinImageGridMenu.h"
#include "skinctrls/SkinMenus.h"

namespace {

// The skin's "label" heading record, or nullptr.
TspDataSkinLabelControl* HeadingRecord(TspSkinData* Data) {
  if (!Data || Data->Empty()) return nullptr;
  auto* r = Data->ControlRecord<TspDataSkinLabelControl>(L"label");
  return r && ActivePictureOf(Data, r->PictureIndex) ? r : nullptr;
}

// The skin's menu-item object for caption rows, or nullptr.
TspDataSkinMenuItem* CaptionRecord(TspSkinData* Data) {
  if (!Data || Data->Empty()) return nullptr;
  int i = Data->GetObjectIndex(L"menuitem");
  if (i < 0) i = Data->GetObjectIndex(L"MENUITEM");
  return i < 0 ? nullptr : dynamic_cast<TspDataSkinMenuItem*>(Data->ObjectList[i]);
}

// The messages on which an open grid closes unselected (they still go on):
// those that close skin menus, less a left press (the window holds the
// capture and judges presses itself), plus system keys.
bool ClosesGrid(UINT Msg) {
  if (Msg == WM_SYSKEYDOWN || Msg == WM_SYSCHAR) return true;
  return Msg != WM_LBUTTONDOWN && IsMenuCloseMessage(Msg);
}

}  // namespace

TspSkinImagesMenuPopupWindow::TspSkinImagesMenuPopupWindow(TspSkinImagesMenu* AMenu)
    : TCustomControl(nullptr), FMenu(AMenu) {
  FVisible = false;
  FControlStyle.Include(csNoDesignVisible);
  FControlStyle.Include(csReplicatable);
  ReadSkin();
}

void TspSkinImagesMenuPopupWindow::ReadSkin() {
  FSkinData = FMenu->SkinData();
  FData = nullptr;
  FPicture = FMaskPicture = nullptr;
  if (FSkinData && !FSkinData->Empty() && FSkinData->PopupWindow) {
    FData = FSkinData->PopupWindow.get();
    FPicture = ActivePictureOf(FSkinData, FData->WindowPictureIndex);
    FMaskPicture = ActivePictureOf(FSkinData, FData->MaskPictureIndex);
  }
  FSkinned = FPicture != nullptr;
}

void TspSkinImagesMenuPopupWindow::SkinChanged() {
  ReadSkin();
  if (!HandleAllocated()) return;
  Layout();
  Invalidate();
}

TspSkinImagesMenuPopupWindow::~TspSkinImagesMenuPopupWindow() { TspSkinImagesMenuPopupWindow::BeforeDestruction(); }

void TspSkinImagesMenuPopupWindow::BeforeDestruction() {
  Unhook();
  if (FRegion) DeleteObject(FRegion);  // the window frees its own copy
  FRegion = nullptr;
  TCustomControl::BeforeDestruction();
}

void TspSkinImagesMenuPopupWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  SetDropDownParams(Params);
}

std::vector<TspGridItemKind> TspSkinImagesMenuPopupWindow::Kinds() const {
  std::vector<TspGridItemKind> kinds;
  TspImagesMenuItems* items = FMenu->ImagesItems();
  for (int i = 0; i < items->Count(); ++i) kinds.push_back({items->Items(i)->Header(), items->Items(i)->Button()});
  return kinds;
}

void TspSkinImagesMenuPopupWindow::Layout() {
  TspImageGridInput in;
  in.Items = Kinds();
  in.ImageWidth = FMenu->Images()->Width();
  in.ImageHeight = FMenu->Images()->Height();
  in.Columns = FMenu->ColumnsCount();
  if (FSkinned) in.Origin = FData->LTPoint;
  if (TspDataSkinLabelControl* heading = HeadingRecord(FMenu->SkinData())) in.HeaderHeight = heading->SkinRect.Height();
  FGrid = LayoutImageGrid(in);
  TspImagesMenuItems* items = FMenu->ImagesItems();
  for (int i = 0; i < items->Count(); ++i) items->Items(i)->ItemRect = FGrid.Rects[i];
  const TRect& g = FGrid.Bounds;
  if (!FSkinned) {
    SetBounds(Left(), Top(), g.Width() + 10, g.Height() + 10);
    if (FRegion) SetWindowRegionCopy(Handle(), FRegion, nullptr);
    return;
  }
  const TspDataSkinPopupWindow& d = *FData;
  const int pw = FPicture->Width(), ph = FPicture->Height();
  const int w = pw - d.ItemsRect.Width() + g.Width(), h = ph - d.ItemsRect.Height() + g.Height();
  SetBounds(Left(), Top(), w, h);
  FFrame = MoveFrameToSize(d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ItemsRect, pw, ph, w, h);
  const TspMovedFrame& f = FFrame;
  HRGN rgn = nullptr;
  if (FMaskPicture)
    CreateSkinRegion(rgn, d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ItemsRect, f.LT, f.RT, f.LB, f.RB, f.Client,
                     FMaskPicture, w, h);
  if (rgn || FRegion) SetWindowRegionCopy(Handle(), FRegion, rgn);
}

void TspSkinImagesMenuPopupWindow::Show(const TRect& R) {
  const TLibraryScope hold(this);  // its code goes on after the messages it pumps
  Layout();
  // The work area of the monitor the application shows on.
  TCustomForm* main = Application->MainForm();
  auto* owner = dynamic_cast<TCustomForm*>(FMenu->Owner());
  TCustomForm* form = main && main->Visible() ? main : owner;
  TRect work;
  if (form && form->HandleAllocated()) GetMonitorRect(form->Handle(), true, work);
  else GetScreenRect(true, work);
  const TPoint p = PlaceImageGrid(R, Width(), Height(), work);
  const bool layered = IsWindows2000OrLater() && FMenu->AlphaBlend;
  const bool fade = layered && FMenu->AlphaBlendAnimation;
  if (layered) {
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetAlphaBlendTransparent(Handle(), fade ? 0 : FMenu->AlphaBlendValue);
  }
  SetBounds(p.X, p.Y, Width(), Height());
  SetWindowPos(Handle(), HWND_TOPMOST, p.X, p.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  FVisible = true;
  if (fade) {
    Application->ProcessMessages();
    int alpha = 0;
    DWORD last = GetTickCount();
    while (alpha < FMenu->AlphaBlendValue) {
      if (GetTickCount() - last <= 5) {
        Sleep(1);
        continue;
      }
      last = GetTickCount();
      alpha = std::min(alpha + 10, static_cast<int>(FMenu->AlphaBlendValue));
      SetAlphaBlendTransparent(Handle(), static_cast<BYTE>(alpha));
    }
  }
  FHookId = Application->AddMessageHook([this](MSG& Msg, bool& Handled) { HookMessage(Msg, Handled); });
  SetCapture(Handle());
}

void TspSkinImagesMenuPopupWindow::Hide(bool Selected) {
  if (TspSkinHint* hint = FMenu->SkinHint()) hint->HideSkinHint();
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  FVisible = false;
  Unhook();
  FMenu->CloseUp(Selected);  // frees this window
}

void TspSkinImagesMenuPopupWindow::Unhook() {
  if (FHookId) Application->RemoveMessageHook(FHookId);
  FHookId = 0;
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

// ---------------------------------------------------------------------------
// Keys and closing messages

void TspSkinImagesMenuPopupWindow::HookMessage(MSG& Msg, bool& Handled) {
  if (Msg.message == WM_KEYDOWN) {
    const WORD key = static_cast<WORD>(Msg.wParam);
    Msg.message = 0;
    Handled = true;
    HandleKey(key);
    return;
  }
  if (ClosesGrid(Msg.message)) Hide(false);
}

void TspSkinImagesMenuPopupWindow::HandleKey(WORD Key) {
  TspGridKey move;
  switch (Key) {
    case VK_RETURN:
    case VK_SPACE:
      if (FHotItem != -1) FMenu->SetItemIndex(FHotItem);
      Hide(true);
      return;
    case VK_ESCAPE: Hide(false); return;
    case VK_LEFT: move = gkLeft; break;
    case VK_RIGHT: move = gkRight; break;
    case VK_UP: move = gkUp; break;
    case VK_DOWN: move = gkDown; break;
    default: return;
  }
  FHotItem = ImageGridKeyTarget(FGrid, Kinds(), FHotItem, move);
  Repaint();
}

// ---------------------------------------------------------------------------
// Mouse

void TspSkinImagesMenuPopupWindow::SetHot(int Index) {
  TspSkinHint* hint = FMenu->SkinHint();
  if (Index == -1 && hint) hint->HideSkinHint();
  if (Index == FHotItem) return;
  FOldHotItem = FHotItem;
  FHotItem = Index;
  Repaint();
  if (Index == -1 || !FMenu->ShowHints || !hint) return;
  hint->HideSkinHint();
  const String& text = FMenu->ImagesItems()->Items(Index)->Hint();
  if (!text.empty()) hint->ShowHintDelayed(text);
}

void TspSkinImagesMenuPopupWindow::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  SetHot(ImageGridItemAt(FGrid, Kinds(), TPoint(X, Y)));
}

void TspSkinImagesMenuPopupWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // The capture brings presses from anywhere: one off the window closes it.
  POINT p;
  GetCursorPos(&p);
  if (WindowFromPoint(p) != Handle()) {
    Hide(false);
    return;
  }
  if (TspSkinHint* hint = FMenu->SkinHint()) hint->HideSkinHint();
  FMouseDown = true;
  FDownOnItem = ImageGridItemAt(FGrid, Kinds(), TPoint(X, Y)) != -1;
  Repaint();
}

void TspSkinImagesMenuPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const int item = ImageGridItemAt(FGrid, Kinds(), TPoint(X, Y));
  if (FMouseDown && item != -1) {
    FMenu->SetItemIndex(item);
    Hide(true);
    return;
  }
  FMouseDown = FDownOnItem = false;
  // The class library lets the capture go at a release: the menu stays open.
  ReleaseCapture();
  SetCapture(Handle());
  Repaint();
}

void TspSkinImagesMenuPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
    case CM_MOUSELEAVE:
      TCustomControl::Dispatch(Message);
      FOldHotItem = FHotItem = -1;
      if (TspSkinHint* hint = FMenu->SkinHint()) hint->HideSkinHint();
      Repaint();
      return;
    default: TCustomControl::Dispatch(Message);
  }
}

// ---------------------------------------------------------------------------
// Painting

void TspSkinImagesMenuPopupWindow::Paint() {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  TBitmap b;
  if (FSkinned) {
    const TspDataSkinPopupWindow& d = *FData;
    const TspMovedFrame& f = FFrame;
    CreateSkinImage(d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ItemsRect, f.LT, f.RT, f.LB, f.RB, f.Client, &b,
                    FPicture, TRect(0, 0, FPicture->Width(), FPicture->Height()), w, h, true, d.LeftStretch,
                    d.TopStretch, d.RightStretch, d.BottomStretch, d.StretchEffect, d.StretchType);
  } else {
    b.SetSize(w, h);
    TCanvas* c = b.Canvas();
    c->Pen()->SetColor(clBtnShadow);
    c->Brush()->SetColor(clWindow);
    c->Rectangle(0, 0, w, h);
  }
  for (int i = 0; i < FMenu->ImagesItems()->Count(); ++i) DrawItem(b.Canvas(), i);
  Canvas()->Draw(0, 0, &b);
}

void TspSkinImagesMenuPopupWindow::DrawCell(TCanvas* C, const TRect& R, bool Pressed) {
  const TspPartState state = Pressed ? psPressed : psHot;
  TColor font = 0;
  if (FSkinned && DrawSkinButtonPart(C, FSkinData, {L"menuitembutton", L"resizebutton"}, R, state, font)) return;
  DrawDefaultPart(C, R, state);
}

void TspSkinImagesMenuPopupWindow::DrawHeader(TCanvas* C, TspImagesMenuItem* Item) {
  const TRect& r = Item->ItemRect;
  TRect text = r;
  C->Brush()->SetStyle(bsClear);
  if (TspDataSkinLabelControl* heading = FSkinned ? HeadingRecord(FSkinData) : nullptr) {
    TBitmap piece;
    const TRect& sr = heading->SkinRect;
    TBitmap* picture = ActivePictureOf(FSkinData, heading->PictureIndex);
    CreateHSkinImage(heading->LTPoint.X, sr.Width() - heading->RTPoint.X, &piece, picture, sr, r.Width(), r.Height(),
                     heading->StretchEffect);
    C->Draw(r.Left, r.Top, &piece);
    C->Font()->SetName(heading->FontName);
    C->Font()->SetHeight(heading->FontHeight);
    C->Font()->SetStyle(heading->FontStyle);
    C->Font()->SetColor(heading->FontColor);
    if (!heading->ClRect.IsEmpty())
      text = TRect(r.Left + heading->ClRect.Left, r.Top + heading->ClRect.Top,
                   r.Right - (sr.Width() - heading->ClRect.Right), r.Top + heading->ClRect.Bottom);
  } else {
    C->Font()->Assign(FMenu->DefaultFont());
  }
  DrawWideText(C, Item->Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TspSkinImagesMenuPopupWindow::DrawItem(TCanvas* C, int Index) {
  TspImagesMenuItem* item = FMenu->ImagesItems()->Items(Index);
  if (item->Header()) {
    DrawHeader(C, item);
    return;
  }
  const TRect& r = item->ItemRect;
  const bool selected = FMenu->ShowSelectedItem && Index == FMenu->ItemIndex() && !FDownOnItem;
  if (selected) DrawCell(C, r, true);
  else if (Index == FHotItem) DrawCell(C, r, FDownOnItem);
  TCustomImageList* images = FMenu->Images();
  if (images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count())
    images->Draw(C, r.Left + 5, r.Top + 5, item->ImageIndex(), true);
  if (!item->Button() || item->Caption().empty()) return;
  const bool down = selected || (Index == FHotItem && FDownOnItem), active = Index == FHotItem;
  TspDataSkinMenuItem* rec = FSkinned && FMenu->UseSkinFont ? CaptionRecord(FSkinData) : nullptr;
  if (rec) {
    C->Font()->SetName(rec->FontName);
    C->Font()->SetHeight(rec->FontHeight);
    C->Font()->SetStyle(rec->FontStyle);
    C->Font()->SetColor(down || active ? rec->ActiveFontColor : rec->FontColor);
  } else {
    C->Font()->Assign(FMenu->DefaultFont());
  }
  C->Brush()->SetStyle(bsClear);
  TRect text = r;
  TRect measure(0, 0, 0, 0);
  DrawWideText(C, item->Caption(), measure, DT_CALCRECT | DT_SINGLELINE);
  const UINT align = measure.Width() <= r.Width() ? DT_CENTER : DT_LEFT;
  DrawWideText(C, item->Caption(), text, align | DT_VCENTER | DT_SINGLELINE);
}
