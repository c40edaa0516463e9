// The event table's rows: for each event the library declares, the object
// that raises it (made by the driver's makers, on a panel of a skinned form)
// and what makes it fire: real input through the system, a public call, or a
// paint. Events that cannot fire in such a program are listed at the end,
// each with the reason.
#include "tests/driver/EventRows.h"

#include <windows.h>

#include "classlib/ActnList.h"
#include "classlib/ComCtrls.h"
#include "classlib/DB.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ImgList.h"
#include "classlib/ListView.h"
#include "classlib/MemTable.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "classlib/TextCodec.h"
#include "classlib/TreeView.h"
#include "components/HyMsgForm.h"
#include "components/HyStdCtrls.h"
#include "components/TFlatSpeedButtonUnit.h"
#include "components/fcCombo.h"
#include "components/fcImager.h"
#include "components/fcLabel.h"
#include "components/fcTreeCombo.h"
#include "components/fcTreeView.h"
#include "skin/SkinForm.h"
#include "skin/SkinMDITabs.h"
#include "skin/SkinStoredSkin.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinHint.h"
#include "skinctrls/SkinImageGridMenu.h"
#include "skinctrls/SkinListView.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinScrollBar.h"
#include "skinctrls/SkinTabs.h"
#include "skinctrls/SkinTrackBar.h"
#include "skininputs/SkinBoxCtrls_updown.h"
#include "skininputs/SkinCalendar.h"
#include "skininputs/SkinColorButton.h"
#include "skininputs/SkinColorDialog.h"
#include "skininputs/SkinColorGrids.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinDateEdit.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinHueRing.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinNumEdits.h"
#include "skininputs/SkinPasswordEdit.h"
#include "skininputs/SkinSpinEdit.h"
#include "skininputs/SkinTrayIcon.h"
#include "tests/driver/Driver.h"
#include "tests/driver/Input.h"
#include "tests/driver/Skins.h"

namespace {

// ---- what fires: input at a point of a control, keys, paints. Each step
// first checks whether the event was raised: its handler may have freed
// anything, and the firing ends there.

// A point at fractions of C's whole window: a skinned control draws its
// buttons and frame outside its client area.
TPoint At(TControl* C, double Fx, double Fy) {
  const TPoint in(static_cast<int>(C->Width() * Fx), static_cast<int>(C->Height() * Fy));
  auto* w = dynamic_cast<TWinControl*>(C);
  if (!w || !w->HandleAllocated()) return C->ClientToScreen(in);
  RECT r;
  GetWindowRect(w->Handle(), &r);
  return TPoint(r.left + in.X, r.top + in.Y);
}

void Front(TControl* C) {
  if (TCustomForm* f = GetParentForm(C)) SetForegroundWindow(f->Handle());
}

void MoveTo(TPair& P, const TPoint& To) {
  Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, To);
  P.D.Pump(15);
}

// Y pixels down C, as a fraction of its height: a control whose skin gives
// it a height of its own draws its parts within that height.
double Down(TControl* C, int Y) { return C->Height() > 0 ? static_cast<double>(Y) / C->Height() : 0; }

// Clicks (Times of them) at a fraction of C's size; Right for the right button.
void ClickAt(TPair& P, TControl* C, double Fx = 0.5, double Fy = 0.5, int Times = 1, bool Right = false) {
  if (P.Raised || !C) return;
  Front(C);
  MoveTo(P, At(C, Fx, Fy));
  if (P.Raised) return;
  // A single click is held a moment, as a hand does: a control that acts on
  // the release of a part it pressed sees the press first.
  for (int i = 0; i < Times; ++i) {
    Mouse(Right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    if (Times == 1) P.D.Pump(15);
    if (P.Raised) {
      Mouse(Right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
      break;
    }
    Mouse(Right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
  }
  P.D.Pump(30);
}

// Clicks along a row Y pixels down C, from its right end leftwards, until the
// event comes: a caption's buttons lie there, each the width its skin gives.
void ClickAlongFromRight(TPair& P, TControl* C, int Y) {
  for (int x = C->Width() - 4; x > C->Width() - 80 && x > 0 && !P.Raised; x -= 5)
    ClickAt(P, C, static_cast<double>(x) / C->Width(), Down(C, Y));
}

// Presses at a fraction of C's size, holds for Ms, moves to another
// fraction, and lets go.
void PressMoveRelease(TPair& P, TControl* C, double Fx, double ToFx, int Ms) {
  if (P.Raised) return;
  Front(C);
  const TPoint from = At(C, Fx, 0.5), to = At(C, ToFx, 0.5);
  MoveTo(P, from);
  if (P.Raised) return;
  Mouse(MOUSEEVENTF_LEFTDOWN);
  P.D.Pump(Ms);
  MoveTo(P, to);
  Mouse(MOUSEEVENTF_LEFTUP);
  P.D.Pump(30);
}

// Moves onto C, across it, then away to the screen's corner.
void HoverAndLeave(TPair& P, TControl* C) {
  if (P.Raised) return;
  Front(C);
  const TPoint a = At(C, 0.3, 0.5), b = At(C, 0.6, 0.5);
  MoveTo(P, a);
  MoveTo(P, b);
  MoveTo(P, TPoint(2, 2));
}

// Keys into C's window, with the focus given to it first.
void Keys(TPair& P, TWinControl* C, std::initializer_list<WORD> Down) {
  if (P.Raised) return;
  Front(C);
  if (C->CanFocus()) C->SetFocus();
  P.D.Pump(15);
  if (P.Raised) return;
  for (WORD k : Down) Key(k, false);
  for (auto k = std::rbegin(Down); k != std::rend(Down); ++k) Key(*k, true);
  P.D.Pump(30);
}

void Wheel(TPair& P, TControl* C) {
  if (P.Raised) return;
  Front(C);
  if (auto* w = dynamic_cast<TWinControl*>(C); w && w->CanFocus()) w->SetFocus();
  MoveTo(P, At(C, 0.5, 0.5));
  if (P.Raised) return;
  Mouse(MOUSEEVENTF_WHEEL, TPoint(), -WHEEL_DELTA);
  P.D.Pump(30);
}

// Paints C now, as the system asks after an uncovering.
void Paint(TPair& P, TControl* C) {
  if (P.Raised) return;
  auto* w = dynamic_cast<TWinControl*>(C);
  if (!w) w = C->Parent();
  RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  P.D.Pump(20);
}

// Drags From (in its automatic mode) onto To's middle.
void DragOnto(TPair& P, TControl* From, TControl* To) {
  if (P.Raised) return;
  From->SetDragMode(dmAutomatic);
  Front(From);
  const TPoint a = At(From, 0.5, 0.5), b = At(To, 0.5, 0.8);
  MoveTo(P, a);
  if (P.Raised) return;
  Mouse(MOUSEEVENTF_LEFTDOWN);
  P.D.Pump(15);
  for (int step = 1; step <= 4; ++step) MoveTo(P, TPoint(a.X + (b.X - a.X) * step / 4, a.Y + (b.Y - a.Y) * step / 4));
  Mouse(MOUSEEVENTF_LEFTUP);
  P.D.Pump(30);
}

// A second control on the panel, made as the row's object is: a button to
// drag to, to drag from, or to click so the focus leaves.
TButton* Other(TPair& P) {
  auto* b = new TButton(P.Form);
  b->SetParent(P.Panel);
  b->SetBounds(300, 260, 100, 40);
  P.D.Live().Add({b, "TButton(other)", lkControl, {}});
  return b;
}

// Clicks the middle of the frame object IDName of the form's skin.
void ClickObject(TPair& P, TCustomForm* F, const wchar_t* IDName) {
  if (P.Raised) return;
  TspSkinForm* s = GetSkinForm(F);
  TspSkinFrameObject* object = s ? s->FindObject(IDName) : nullptr;
  if (!object) return;
  RECT w;
  GetWindowRect(F->Handle(), &w);
  const TRect& r = object->ObjectRect;
  SetForegroundWindow(F->Handle());
  MoveTo(P, TPoint(w.left + (r.Left + r.Right) / 2, w.top + (r.Top + r.Bottom) / 2));
  if (P.Raised) return;
  Mouse(MOUSEEVENTF_LEFTDOWN);
  P.D.Pump(15);
  Mouse(MOUSEEVENTF_LEFTUP);
  P.D.Pump(30);
}

// The skin with a frame object of every kind.
constexpr int kObjectsSkin = 2;

// The tests' frame skin, the one with a user area: the shipped skins' frame
// buttons all carry a command, and only a button without one or a user area
// reports its click.
void LoadUserAreaSkin(TPair& P) {
  std::string file = EVENT_ROWS_SOURCE_DIR "/skins/Test/frame.ini";
  if (file[0] == '/') file = "Z:" + file;  // a Unix path under Wine
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(Utf8ToWide(file));
  P.D.Log("skin: Test/frame.ini");
  P.D.Skin()->LoadCompressedStoredSkin(&stored);
}

void EditableWithFirstSelected(TfcCustomTreeView* T) {
  T->SetOptions(T->Options() + TfcTreeViewOptions{tvoEditText});
  T->SetSelected(T->Items()->GetFirstNode());
}

// Opens the label edit of the selected node, as a click on a selected node does.
void EditSelected(TPair& P, TWinControl* Tree) {
  if (P.Raised) return;
  Tree->SetFocus();
  HWND h = Tree->Handle();
  SendMessageW(h, TVM_EDITLABELW, 0, SendMessageW(h, TVM_GETNEXTITEM, TVGN_CARET, 0));
  P.D.Pump(20);
}

// Lets the application find its queue empty: its idle event comes then. A
// thread timer wakes the wait that follows.
void IdleOnce(TPair& P) {
  const UINT_PTR waker = SetTimer(nullptr, 0, 20, nullptr);
  for (int i = 0; i < 50 && !P.Raised; ++i) Application->HandleMessage();
  KillTimer(nullptr, waker);
}

// ---- the handlers

// The made object as a T, or its parent as one (a sheet's page control).
template <class T>
T* MadeAs(TPair& P) {
  if (auto* t = dynamic_cast<T*>(P.Made)) return t;
  auto* c = dynamic_cast<TControl*>(P.Made);
  return c ? dynamic_cast<T*>(c->Parent()) : nullptr;
}

// Hooks Member of the made object, a T.
template <class T, class B, class Sig>
std::function<TComponent*(TPair&)> On(TEvent<Sig> B::*Member) {
  return [Member](TPair& P) -> TComponent* {
    T* o = MadeAs<T>(P);
    if (!o) return nullptr;
    SetPairHandler(o->*Member, &P);
    return o;
  };
}

// A row: the made object is a Class (or derives from it); Body fires the
// event with o, the made object, and P, the pair.
#define ROW(Maker, Class, Event, ...)                                                           \
  TEventRow {                                                                                   \
    #Class "." #Event " on " Maker, Maker, On<Class>(&Class::Event), [](TPair& P) {             \
      [[maybe_unused]] auto* o = MadeAs<Class>(P);                                              \
      __VA_ARGS__;                                                                              \
    }                                                                                           \
  }
// A row whose Setup runs on o before the handler is set, so that the firing
// is the Body alone.
#define ROW_SET(Maker, Class, Event, Setup, ...)                                                 \
  TEventRow {                                                                                   \
    #Class "." #Event " on " Maker, Maker,                                                      \
        [](TPair& P) -> TComponent* {                                                           \
          auto* o = MadeAs<Class>(P);                                                           \
          Setup;                                                                                \
          SetPairHandler(o->Event, &P);                                                         \
          return o;                                                                             \
        },                                                                                      \
        [](TPair& P) {                                                                          \
          [[maybe_unused]] auto* o = MadeAs<Class>(P);                                          \
          __VA_ARGS__;                                                                          \
        }                                                                                       \
  }
// A row whose event belongs to another object than the made one: Hook sets
// the handler (SetPairHandler) and answers that object.
#define ROW_ON(Name, Maker, Class, Hook, ...)                                                   \
  TEventRow {                                                                                   \
    Name, Maker,                                                                                \
        [](TPair& P) -> TComponent* {                                                           \
          [[maybe_unused]] auto* o = MadeAs<Class>(P);                                          \
          Hook;                                                                                 \
        },                                                                                      \
        [](TPair& P) {                                                                          \
          [[maybe_unused]] auto* o = MadeAs<Class>(P);                                          \
          __VA_ARGS__;                                                                          \
        }                                                                                       \
  }

TTreeNode* FirstNode(TCustomTreeView* T) { return T->Items()->GetFirstNode(); }
TfcTreeNode* FirstNode(TfcCustomTreeView* T) { return T->Items()->GetFirstNode(); }

// A list view with two columns and three items, in report style.
void Fill(TCustomListView* L) {
  L->Columns()->Add()->SetCaption(L"Name");
  L->Columns()->Add()->SetCaption(L"Size");
  for (const wchar_t* s : {L"one", L"two", L"three"}) L->Items()->Add()->SetCaption(s);
}

// A skinned popup menu of one item on the menu button's track part.
void TrackMenu(TPair& P, TspSkinMenuSpeedButton* B) {
  auto* menu = new TspSkinPopupMenu(P.Form);
  menu->SetSkinData(P.D.Skin());
  auto* item = new TMenuItem(menu);
  item->SetCaption(L"Item");
  menu->Items()->Add(item);
  B->SetSkinPopupMenu(menu);
  B->SetTrackButtonMode(true);
}

// The tabs bar of the MDI frame the row's child was made on, with the
// child's tab: only a skinned child has one.
TspSkinMDITabsBar* TabsBar(TPair& P) {
  if (auto* child = dynamic_cast<TForm*>(P.Made); child && !GetSkinForm(child)) {
    auto* s = new TspSkinForm(child);
    P.D.Live().Add({s, "TspSkinForm(child)", lkComponent, {}});
    s->SetSkinData(P.D.Skin());
  }
  const TLiveObject* bar =
      P.D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TspSkinMDITabsBar*>(l.Object) != nullptr; });
  return static_cast<TspSkinMDITabsBar*>(bar->Object);
}

// Moves onto the first tab, then off the bar.
void HoverFirstTab(TPair& P, TControl* Bar) {
  if (P.Raised) return;
  Front(Bar);
  // Found before moving: a handler may free the bar on the way.
  const TPoint in = At(Bar, 0.05, 0.5), on = At(Bar, 0.1, 0.5), off = At(Bar, 0.1, 3);
  for (const TPoint& to : {in, on, off}) MoveTo(P, to);
}

// The table's live copy of an object the row makes itself.
template <class T>
T* Live(TPair& P, T* O, const char* Label) {
  P.D.Live().Add({O, Label, lkComponent, {}});
  return O;
}

// An image list of one 16 x 16 image, owned by the pair's form.
TCustomImageList* OneImage(TPair& P) {
  auto* images = new TCustomImageList(P.Form, 16, 16);
  P.D.Live().Add({images, "TCustomImageList", lkComponent, {}});
  TBitmap b;
  b.SetSize(16, 16);
  images->Add(&b, nullptr);
  return images;
}

void WithImage(TPair& P, TspSkinCustomEdit* E) { E->SetImages(OneImage(P)); }

// A tray icon owned by the pair's form.
TspTrayIcon* Tray(TPair& P) { return Live(P, new TspTrayIcon(P.Form), "TspTrayIcon"); }

// The colour the hue ring shows and picks change: it outlives every ring.
TPSPColor gRingColor;

// A hue ring on the panel, drawn.
TspHueRingImage* MakeHueRing(TPair& P) {
  auto* ring = new TspHueRingImage(P.Form, gRingColor);
  ring->SetParent(P.Panel);
  ring->SetLeft(280);
  P.D.Live().Add({ring, "TspHueRingImage", lkControl, {}});
  ring->DrawHueRing(nullptr);
  return ring;
}

// An images menu of one image and one item, dropped down under the button.
TspSkinImagesMenu* ImagesMenu(TPair& P) {
  auto* menu = Live(P, new TspSkinImagesMenu(P.Form), "TspSkinImagesMenu");
  menu->SetSkinData(P.D.Skin());
  menu->SetImages(OneImage(P));
  menu->ImagesItems()->Add()->SetImageIndex(0);
  return menu;
}

TRect ScreenRect(TControl* C) {
  const TPoint a = C->ClientToScreen(TPoint(0, 0));
  return TRect(a.X, a.Y, a.X + C->Width(), a.Y + C->Height());
}

// The pair's images menu (its Sender) dropped down under C, its one cell clicked.
void PickImage(TPair& P, TControl* C) {
  auto* m = static_cast<TspSkinImagesMenu*>(P.Sender);
  m->Popup(ScreenRect(C));
  P.D.Pump(30);
  if (!P.Raised) ClickAt(P, m->PopupWindow(), 0.5, 0.5);
}

// The shell's notices of the mouse over the pair's tray icon (its Sender), in turn.
void TrayMouse(TPair& P, std::initializer_list<UINT> Messages) {
  const HWND w = static_cast<TspTrayIcon*>(P.Sender)->WindowHandle();
  for (UINT m : Messages) {
    if (P.Raised) return;
    SendMessageW(w, MSG_TRAY_CALLBACK, 0, m);
  }
}

TMenuItem* FirstItem(TMenu* M) { return M->Items()->Count() ? M->Items()->Items(0) : nullptr; }


}  // namespace

const std::vector<TEventRow>& EventRows() {
  static const std::vector<TEventRow> rows = {
      // ---- every control: input
      ROW("TButton", TControl, OnClick, ClickAt(P, o)),
      ROW("TPanel", TControl, OnDblClick, ClickAt(P, o, 0.5, 0.5, 2)),
      ROW("TPanel", TControl, OnMouseDown, ClickAt(P, o)),
      ROW("TspSkinButton", TControl, OnMouseUp, ClickAt(P, o)),
      ROW("TLabel", TControl, OnMouseMove, HoverAndLeave(P, o)),
      ROW("TEdit", TControl, OnMouseWheel, Wheel(P, o)),
      ROW("TPanel", TControl, OnContextPopup, ClickAt(P, o, 0.5, 0.5, 1, true)),
      ROW("TspSkinPanel", TControl, OnResize, o->SetWidth(o->Width() + 40)),
      ROW("TspSkinEdit", TWinControl, OnEnter, ClickAt(P, o)),
      ROW_SET("TEdit", TWinControl, OnExit, o->SetFocus(), ClickAt(P, Other(P))),
      ROW("TEdit", TWinControl, OnKeyDown, Keys(P, o, {'A'})),
      ROW("TspSkinEdit", TWinControl, OnKeyPress, Keys(P, o, {'B'})),
      ROW("TMaskEdit", TWinControl, OnKeyUp, Keys(P, o, {VK_LEFT})),
      ROW("TButton", TControl, OnStartDrag, DragOnto(P, o, Other(P))),
      ROW("TspSkinButton", TControl, OnEndDrag, DragOnto(P, o, Other(P))),
      ROW("TPanel", TControl, OnDragOver, DragOnto(P, Other(P), o)),
      ROW_ON("TControl.OnDragDrop", "TPanel", TPanel,
             o->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; };
             SetPairHandler(o->OnDragDrop, &P); return o, DragOnto(P, Other(P), o)),
      ROW("THySpeedButton", THySpeedButton, OnMouseEnter, HoverAndLeave(P, o)),
      ROW("TFlatSpeedButton", TFlatSpeedButton, OnMouseLeave, HoverAndLeave(P, o)),
      ROW("TspSkinNumEdit", TspSkinNumEdit, OnMouseEnter, HoverAndLeave(P, o)),
      ROW("TfcStringCombo", TfcCustomCombo, OnMouseLeave, HoverAndLeave(P, o)),
      ROW("TfcLabel", TfcCustomLabel, OnMouseEnter, HoverAndLeave(P, o)),
      ROW("TspSkinEdit", TspSkinCustomEdit, OnMouseLeave, HoverAndLeave(P, o)),
      ROW("THySpeedButton", THySpeedButton, OnMouseLeave, HoverAndLeave(P, o)),
      ROW("TFlatSpeedButton", TFlatSpeedButton, OnMouseEnter, HoverAndLeave(P, o)),
      ROW("TspSkinNumEdit", TspSkinNumEdit, OnMouseLeave, HoverAndLeave(P, o)),
      ROW("TfcStringCombo", TfcCustomCombo, OnMouseEnter, HoverAndLeave(P, o)),
      ROW("TfcLabel", TfcCustomLabel, OnMouseLeave, HoverAndLeave(P, o)),
      ROW("TspSkinEdit", TspSkinCustomEdit, OnMouseEnter, HoverAndLeave(P, o)),
      ROW("TspSkinButton", TspSkinControl, OnMouseEnter, HoverAndLeave(P, o)),
      ROW("TspSkinSpeedButton", TspGraphicSkinControl, OnMouseLeave, HoverAndLeave(P, o)),
      ROW("TEdit", TCustomEdit, OnChange, Keys(P, o, {'C'})),
      ROW_SET("TspSkinEdit", TspSkinCustomEdit, OnCancelMode, o->SetFocus(), ClickAt(P, Other(P))),

      // ---- forms
      ROW_SET("skinned form", TCustomForm, OnActivate, o->Hide(), o->Show()),
      ROW_SET("skinned form", TCustomForm, OnDeactivate, SetForegroundWindow(o->Handle()), o->Hide()),
      ROW_SET("plain form", TCustomForm, OnShow, o->Hide(), o->Show()),
      ROW("skinned form", TCustomForm, OnHide, o->Hide()),
      ROW("skinned form", TCustomForm, OnClose, o->Close()),
      ROW("plain form", TCustomForm, OnCloseQuery, o->Close()),
      ROW("skinned form", TCustomForm, OnDestroy, Free(o)),
      ROW("plain form", TCustomForm, OnPaint, Paint(P, o)),
      ROW("skinned form", TCustomForm, OnShortCut, Keys(P, o, {VK_CONTROL, 'Q'})),
      ROW("MDI child", TCustomForm, OnResize, o->SetWidth(o->Width() - 30)),
      ROW("MDI child", TCustomForm, OnClose, Keys(P, o, {VK_CONTROL, VK_F4})),

      // ---- the skinned form's frame and menus
      ROW_SET("skinned form", TCustomForm, OnMouseDown, o->SetBounds(60, 60, 420, 320), ClickAt(P, o, 0.5, 0.3)),
      // Frame objects, on a form wholly on the screen: a user area clicks, a
      // switch of the Objects skin changes.
      ROW_ON("TspSkinForm.OnObjectClick", "skinned form", TForm, o->SetBounds(60, 60, 420, 320);
             LoadUserAreaSkin(P); auto* s = GetSkinForm(o); SetPairHandler(s->OnObjectClick, &P); return s,
             ClickObject(P, o, L"userarea")),
      ROW_ON("TspSkinForm.OnObjectChange", "skinned form", TForm, o->SetBounds(60, 60, 420, 320);
             SwitchSkin(P.D, kObjectsSkin);
             auto* s = GetSkinForm(o); SetPairHandler(s->OnObjectChange, &P); return s,
             ClickObject(P, o, L"objswitch")),
      ROW_ON("TspSkinForm.OnSkinMenuOpen", "skinned form", TForm,
             auto* s = GetSkinForm(o); SetPairHandler(s->OnSkinMenuOpen, &P); return s,
             Keys(P, o, {VK_MENU, VK_SPACE})),
      ROW_ON("TspSkinForm.OnSkinMenuClose", "skinned form", TForm,
             auto* s = GetSkinForm(o); SetPairHandler(s->OnSkinMenuClose, &P); return s,
             Keys(P, o, {VK_MENU, VK_SPACE}); Keys(P, o, {VK_ESCAPE})),

      // ---- menus and timers
      ROW_ON("TMenuItem.OnClick", "TMainMenu", TMainMenu, P.Form->SetMenu(o); auto* i = FirstItem(o);
             SetPairHandler(i->OnClick, &P); return i,
             FirstItem(o)->Click()),
      ROW_ON("TMenuItem.OnDrawItem", "TspSkinPopupMenu", TspSkinPopupMenu, auto* i = FirstItem(o);
             SetPairHandler(i->OnDrawItem, &P); return i, o->Popup(200, 200)),
      ROW("TPopupMenu", TPopupMenu, OnPopup, EndMenusSoon(150); o->Popup(200, 200)),
      ROW_SET("TspSkinPopupMenu", TspSkinPopupMenu, OnMenuClose, P.Panel->SetPopupMenu(o),
              ClickAt(P, P.Panel, 0.8, 0.8, 1, true); Keys(P, P.Form, {VK_ESCAPE})),
      ROW_SET("TTimer", TTimer, OnTimer, o->SetInterval(15), o->SetEnabled(true)),
      ROW_SET("TspSkinMenuSpeedButton", TspSkinMenuSpeedButton, OnShowTrackMenu, TrackMenu(P, o),
              ClickAt(P, o, 0.95, 0.5)),
      ROW_SET("TspSkinMenuSpeedButton", TspSkinMenuSpeedButton, OnHideTrackMenu, TrackMenu(P, o),
              ClickAt(P, o, 0.95, 0.5); Keys(P, P.Form, {VK_ESCAPE})),

      // ---- lists and views
      ROW_SET("TListBox", TCustomListBox, OnDrawItem, o->SetStyle(lbOwnerDrawFixed), Paint(P, o)),
      ROW("TspSkinListBox", TspSkinCustomListBox, OnDrawItem, Paint(P, o)),
      ROW("TspSkinListBox", TspSkinCustomListBox, OnListBoxClick, ClickAt(P, o, 0.3, 0.1)),
      ROW("TspSkinListBox", TspSkinCustomListBox, OnListBoxDblClick, ClickAt(P, o, 0.3, 0.1, 2)),
      ROW("TspSkinListBox", TspSkinCustomListBox, OnListBoxMouseDown, ClickAt(P, o, 0.3, 0.1)),
      ROW("TspSkinListBox", TspSkinCustomListBox, OnListBoxMouseUp, ClickAt(P, o, 0.3, 0.1)),
      ROW("TspSkinListBox", TspSkinCustomListBox, OnListBoxMouseMove, HoverAndLeave(P, o)),
      ROW("TspSkinListBox", TspSkinCustomListBox, OnListBoxKeyDown, ClickAt(P, o, 0.3, 0.1); Keys(P, o, {VK_DOWN})),
      ROW("TspSkinListBox", TspSkinCustomListBox, OnListBoxKeyPress, ClickAt(P, o, 0.3, 0.1); Keys(P, o, {'T'})),
      ROW("TspSkinListBox", TspSkinCustomListBox, OnListBoxKeyUp, ClickAt(P, o, 0.3, 0.1); Keys(P, o, {VK_DOWN})),
      // The inner list drags, in its own drag mode.
      ROW_SET("TspSkinListBox", TspSkinCustomListBox, OnListBoxStartDrag, o->SetListBoxDragMode(dmAutomatic),
              DragOnto(P, o, Other(P))),
      ROW_SET("TspSkinListBox", TspSkinCustomListBox, OnListBoxEndDrag, o->SetListBoxDragMode(dmAutomatic),
              DragOnto(P, o, Other(P))),
      ROW("TspSkinListBox", TspSkinCustomListBox, OnListBoxDragOver, DragOnto(P, Other(P), o)),
      ROW_ON("TspSkinCustomListBox.OnListBoxDragDrop", "TspSkinListBox", TspSkinCustomListBox,
             o->OnListBoxDragOver = [](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; };
             SetPairHandler(o->OnListBoxDragDrop, &P); return o, DragOnto(P, Other(P), o)),
      // The caption's buttons, right to left: up, down, check; a skin without
      // them draws none, so the list box goes without one.
      ROW_SET("TspSkinListBox", TspSkinCustomListBox, OnUpButtonClick, o->SetSkinData(nullptr); o->SetCaptionMode(true),
              ClickAlongFromRight(P, o, 9)),
      ROW_SET("TspSkinListBox", TspSkinCustomListBox, OnDownButtonClick, o->SetSkinData(nullptr); o->SetCaptionMode(true),
              ClickAlongFromRight(P, o, 9)),
      ROW_SET("TspSkinListBox", TspSkinCustomListBox, OnCheckButtonClick, o->SetSkinData(nullptr); o->SetCaptionMode(true),
              ClickAlongFromRight(P, o, 9)),
      ROW("TListView", TCustomListView, OnInsert, o->Items()->Add()),
      ROW_SET("TListView", TCustomListView, OnChanging, Fill(o), o->Items()->Item(1)->SetSelected(true)),
      ROW_SET("TListView", TCustomListView, OnChange, Fill(o), o->Items()->Item(1)->SetSelected(true)),
      ROW_SET("TspSkinListView", TCustomListView, OnSelectItem, Fill(o), o->Items()->Item(0)->SetSelected(true)),
      ROW_SET("TListView", TCustomListView, OnColumnClick, o->SetViewStyle(vsReport); Fill(o),
              ClickAt(P, o, 0.1, 0.04)),
      ROW_SET("TListView", TCustomListView, OnDeletion, Fill(o), o->Items()->Delete(0)),
      ROW_SET("TListView", TCustomListView, OnCompare, Fill(o), o->AlphaSort()),
      ROW_SET("TspSkinListView", TspSkinCustomListView, OnDrawHeaderSection, o->SetViewStyle(vsReport); Fill(o),
              Paint(P, o)),
      ROW("TTreeView", TCustomTreeView, OnChanging, o->SetSelected(FirstNode(o)->getNextSibling())),
      ROW("TTreeView", TCustomTreeView, OnChange, o->SetSelected(FirstNode(o)->getNextSibling())),
      ROW("TspSkinTreeView", TCustomTreeView, OnExpanding, FirstNode(o)->Expand(false)),
      ROW("TTreeView", TCustomTreeView, OnExpanded, FirstNode(o)->Expand(false)),
      ROW_ON("TCustomTreeView.OnCollapsing", "TTreeView", TCustomTreeView, FirstNode(o)->Expand(false);
             SetPairHandler(o->OnCollapsing, &P); return o, FirstNode(o)->Collapse(false)),
      ROW_ON("TCustomTreeView.OnCollapsed", "TspSkinTreeView", TCustomTreeView, FirstNode(o)->Expand(false);
             SetPairHandler(o->OnCollapsed, &P); return o, FirstNode(o)->Collapse(false)),
      ROW_SET("TTreeView", TCustomTreeView, OnEditing, o->SetFocus(), FirstNode(o)->EditText()),
      ROW_SET("TTreeView", TCustomTreeView, OnEdited, o->SetFocus(), FirstNode(o)->EditText(); P.D.Pump(20);
              Keys(P, o, {VK_RETURN})),
      ROW("TTreeView", TCustomTreeView, OnDeletion, FirstNode(o)->Delete()),
      ROW("TTreeView", TCustomTreeView, OnCompare, o->AlphaSort()),
      ROW("TfcTreeView", TfcCustomTreeView, OnChanging, o->SetSelected(FirstNode(o)->GetNextSibling())),
      ROW("TfcTreeView", TfcCustomTreeView, OnChange, o->SetSelected(FirstNode(o)->GetNextSibling())),
      ROW("TfcTreeView", TfcCustomTreeView, OnExpanding, FirstNode(o)->Expand(false)),
      ROW("TfcTreeView", TfcCustomTreeView, OnExpanded, FirstNode(o)->Expand(false)),
      ROW_ON("TfcCustomTreeView.OnCollapsing", "TfcTreeView", TfcCustomTreeView, FirstNode(o)->Expand(false);
             SetPairHandler(o->OnCollapsing, &P); return o, FirstNode(o)->Collapse(false)),
      ROW_ON("TfcCustomTreeView.OnCollapsed", "TfcTreeView", TfcCustomTreeView, FirstNode(o)->Expand(false);
             SetPairHandler(o->OnCollapsed, &P); return o, FirstNode(o)->Collapse(false)),
      ROW_SET("TfcTreeView", TfcCustomTreeView, OnEditing, EditableWithFirstSelected(o), EditSelected(P, o)),
      ROW_SET("TfcTreeView", TfcCustomTreeView, OnEdited, EditableWithFirstSelected(o), EditSelected(P, o);
          Keys(P, o, {VK_RETURN})),
      ROW("TfcTreeView", TfcCustomTreeView, OnDeletion, FirstNode(o)->Delete()),
      ROW("TfcTreeView", TfcCustomTreeView, OnCompare, o->AlphaSort()),
      ROW("TfcTreeView", TfcCustomTreeView, OnClick, ClickAt(P, o, 0.2, 0.05)),
      ROW("TfcTreeView", TfcCustomTreeView, OnDblClick, ClickAt(P, o, 0.2, 0.05, 2)),
      ROW("TfcTreeView", TfcCustomTreeView, OnMouseDown, ClickAt(P, o, 0.2, 0.05)),
      ROW("TfcTreeView", TfcCustomTreeView, OnMouseUp, ClickAt(P, o, 0.2, 0.05)),
      ROW("TfcTreeView", TfcCustomTreeView, OnMouseMove, HoverAndLeave(P, o)),
      ROW("TfcTreeView", TfcCustomTreeView, OnDrawText, Paint(P, o)),
      ROW("TfcTreeView", TfcCustomTreeView, OnCalcNodeAttributes, Paint(P, o)),
      ROW("TfcTreeView", TfcCustomTreeView, OnGetImageIndex, Paint(P, o)),
      ROW_SET("TfcTreeView", TfcCustomTreeView, OnGetSelectedIndex, o->SetSelected(FirstNode(o)), Paint(P, o)),
      ROW("TfcTreeView", TfcCustomTreeView, OnNodeChange, FirstNode(o)->SetText(L"renamed")),
      ROW_SET("TfcTreeView", TfcCustomTreeView, OnToggleCheckbox,
              FirstNode(o)->SetCheckboxType(fcCheckbox); o->SetSelected(FirstNode(o)), Keys(P, o, {VK_SPACE})),
      ROW("TfcTreeCombo", TfcCustomTreeCombo, OnCheckValidItem, Keys(P, o, {VK_F4}); Keys(P, o, {VK_DOWN});
          Keys(P, o, {VK_RETURN})),
      ROW("TfcTreeCombo", TfcCustomTreeCombo, OnSelectionChange, Keys(P, o, {VK_F4}); Keys(P, o, {VK_DOWN});
          Keys(P, o, {VK_RETURN})),
      ROW("TfcTreeCombo", TfcCustomCombo, OnDropDown, o->DropDown()),
      ROW("TfcStringCombo", TfcCustomCombo, OnAfterDropDown, o->DropDown()),
      ROW("TfcStringCombo", TfcCustomCombo, OnCloseUp, Keys(P, o, {VK_F4}); Keys(P, o, {VK_RETURN})),

      // ---- page controls
      ROW_SET("TTabSheet", TPageControl, OnDrawTab, o->SetOwnerDraw(true), Paint(P, o)),
      ROW("TTabSheet", TPageControl, OnChanging, o->SelectNextPage(true)),
      ROW("TTabSheet", TPageControl, OnChange, o->SelectNextPage(true)),
      // The tabs are rebuilt, each asking its image, when a sheet's caption changes.
      ROW("TTabSheet", TPageControl, OnGetImageIndex, o->Pages(0)->SetCaption(L"renamed")),
      ROW("TTabSheet", TTabSheet, OnShow, o->PageControl()->SetActivePage(o)),
      ROW_ON("TTabSheet.OnHide", "TTabSheet", TTabSheet, o->PageControl()->SetActivePage(o);
             SetPairHandler(o->OnHide, &P); return o, o->PageControl()->SelectNextPage(true)),
      ROW("TspSkinTabSheet", TspSkinPageControl, OnDrawSkinTab, Paint(P, o)),
      ROW_SET("TspSkinTabSheet", TspSkinPageControl, OnClose, o->SetShowCloseButtons(true), o->CloseActivePage()),
      ROW_SET("TspSkinTabSheet", TspSkinPageControl, OnAfterClose, o->SetShowCloseButtons(true),
              o->CloseActivePage()),
      ROW("TspSkinTabSheet", TPageControl, OnChange, o->SelectNextPage(true)),

      // ---- skinned bars and buttons
      ROW("TspSkinScrollBar", TspSkinScrollBar, OnChange, o->SetPosition(o->Position() + 10)),
      // The last change comes when the thumb, dragged, is let go.
      ROW_SET("TspSkinScrollBar", TspSkinScrollBar, OnLastChange, o->SetPosition((o->Min() + o->Max()) / 2),
              PressMoveRelease(P, o, 0.5, 0.6, 20)),
      ROW("TspSkinScrollBar", TspSkinScrollBar, OnUpButtonClick, ClickAt(P, o, 0.98, 0.5)),
      ROW("TspSkinScrollBar", TspSkinScrollBar, OnDownButtonClick, ClickAt(P, o, 0.02, 0.5)),
      ROW_SET("TspSkinScrollBar", TspSkinScrollBar, OnPageUp, o->SetPosition(80), ClickAt(P, o, 0.2, 0.5)),
      ROW("TspSkinScrollBar", TspSkinScrollBar, OnPageDown, ClickAt(P, o, 0.8, 0.5)),
      ROW_SET("TspSkinTrackBar", TspSkinTrackBar, OnChange, o->SetValue(o->MinValue()), o->SetValue(o->MinValue() + 1)),
      // As the scroll bar's: the thumb dragged and let go.
      ROW_SET("TspSkinTrackBar", TspSkinTrackBar, OnLastChange, o->SetValue(o->MinValue()),
              PressMoveRelease(P, o, 0.03, 0.5, 20)),
      ROW_SET("TspSkinTrackBar", TspSkinTrackBar, OnStartDragButton, o->SetValue(o->MinValue()),
              PressMoveRelease(P, o, 0.03, 0.5, 20)),
      // A new caption, so that the button draws rather than showing its kept look.
      ROW("TspSkinButton", TspSkinButton, OnPaint, o->SetCaption(L"renamed"); Paint(P, o)),
      ROW("TspSkinPaintPanel", TspSkinPaintPanel, OnPanelPaint, Paint(P, o)),
      ROW_SET("TspSkinPanel", TspSkinPanel, OnChecked, o->SetCheckedMode(true), o->SetChecked(!o->Checked())),
      ROW_SET("TspSkinPanel", TspSkinPanel, OnChangeRollUpState, o->SetRollUpMode(true), o->SetRollUpState(true)),
      ROW_SET("THySpeedButton", THySpeedButton, OnStartToTrigger, o->SetTimerInterval(20),
              PressMoveRelease(P, o, 0.5, 0.5, 300)),
      ROW_SET("THySpeedButton", THySpeedButton, OnTimerTrigger, o->SetTimerInterval(20),
              PressMoveRelease(P, o, 0.5, 0.5, 300)),

      // ---- skinned inputs
      // A button edit draws its button from the skin's button edit record.
      ROW_SET("TspSkinEdit", TspSkinEdit, OnButtonClick,
              o->SetButtonMode(true); o->SetSkinDataName(L"buttonedit"); o->ChangeSkinData(),
              ClickAt(P, o, 0.97, Down(o, 10))),
      ROW_SET("TspSkinEdit", TspSkinEdit, OnLeftButtonClick, WithImage(P, o); o->SetLeftImageIndex(0),
              ClickAt(P, o, 0.03, 0.5)),
      ROW_SET("TspSkinEdit", TspSkinEdit, OnRightButtonClick, WithImage(P, o); o->SetRightImageIndex(0),
              ClickAt(P, o, 0.97, 0.5)),
      ROW("TspSkinSpinEdit", TspSkinSpinEdit, OnChange, Keys(P, o, {VK_UP})),
      ROW("TspSkinSpinEdit", TspSkinSpinEdit, OnUpButtonClick, ClickAt(P, o, 0.97, Down(o, 5))),
      ROW("TspSkinSpinEdit", TspSkinSpinEdit, OnDownButtonClick, ClickAt(P, o, 0.97, Down(o, 16))),
      ROW("TspSkinSpinEdit", TspSkinSpinEdit, OnEditEnter, ClickAt(P, o, 0.3, Down(o, 10))),
      ROW_SET("TspSkinSpinEdit", TspSkinSpinEdit, OnEditExit, o->SetFocus(), ClickAt(P, Other(P))),
      ROW("TspSkinSpinEdit", TspSkinSpinEdit, OnEditKeyDown, ClickAt(P, o, 0.3, 0.5); Keys(P, o, {'5'})),
      ROW("TspSkinSpinEdit", TspSkinSpinEdit, OnEditKeyPress, ClickAt(P, o, 0.3, 0.5); Keys(P, o, {'5'})),
      ROW("TspSkinSpinEdit", TspSkinSpinEdit, OnEditKeyUp, ClickAt(P, o, 0.3, 0.5); Keys(P, o, {'5'})),
      // Side by side, down on the left, as a skin draws them.
      ROW_SET("TspSkinUpDown", TspSkinUpDown, OnUpButtonClick, o->SetOrientation(udHorizontal), ClickAt(P, o, 0.8, 0.5)),
      ROW_SET("TspSkinUpDown", TspSkinUpDown, OnDownButtonClick, o->SetOrientation(udHorizontal),
              ClickAt(P, o, 0.2, 0.5)),
      ROW("TspSkinNumEdit", TspSkinNumEdit, OnUpClick, Wheel(P, o)),
      ROW("TspSkinNumEdit", TspSkinNumEdit, OnDownClick, Keys(P, o, {VK_DOWN})),
      ROW("TspSkinComboBox", TspSkinCustomComboBox, OnDropDown, ClickAt(P, o, 0.95, Down(o, 10))),
      // Closed with its choice taken: a close that drops the choice raises nothing.
      ROW_SET("TspSkinComboBox", TspSkinCustomComboBox, OnCloseUp, o->Items()->Add(L"one"),
              o->DropDown(); P.D.Pump(20); if (!P.Raised) o->CloseUp(true)),
      ROW("TspSkinComboBox", TspSkinCustomComboBox, OnChange, Keys(P, o, {VK_DOWN})),
      // A kept look repaints without drawing: the choice changes, so the item is drawn.
      ROW_SET("TspSkinComboBox", TspSkinCustomComboBox, OnComboBoxDrawItem,
              o->SetStyle(spcbFixedStyle); o->Items()->Add(L"one"); o->Items()->Add(L"two"); o->SetItemIndex(0),
              o->SetItemIndex(o->Items()->Count() - 1); Paint(P, o)),
      ROW("TspSkinDateEdit", TspSkinDateEdit, OnDateChange, o->SetDate(o->Date() + 1)),
      ROW("TspSkinMonthCalendar", TspSkinMonthCalendar, OnNumberClick, ClickAt(P, o, 0.5, 0.6)),
      ROW("TspSkinColorButton", TspSkinColorButton, OnChangeColor, o->SetColorValue(0x123456)),
      ROW("TspSkinRadioGroup", TControl, OnClick, ClickAt(P, o, 0.2, 0.5)),
      ROW("TspSkinCheckRadioBox", TWinControl, OnClick, Keys(P, o, {VK_SPACE})),

      ROW("TspSkinPasswordEdit", TspSkinPasswordEdit, OnChange, Keys(P, o, {'P'})),
      ROW_SET("TspSkinUpDown", TspSkinUpDown, OnChange, o->SetOrientation(udHorizontal), ClickAt(P, o, 0.8, 0.5)),
      // A basic colour's cell clicked.
      ROW("TspSkinColorGrid", TspColorGridBase, OnChange, const TRect c = o->Layout().CellHitRect(5);
          ClickAt(P, o, (c.Left + c.Right) / 2.0 / o->Width(), (c.Top + c.Bottom) / 2.0 / o->Height())),
      // The imager's keys and focus are those of the window it makes to take the focus.
      ROW_SET("TfcImager", TfcCustomImager, OnEnter, o->SetFocusable(true), ClickAt(P, o)),
      ROW_SET("TfcImager", TfcCustomImager, OnExit, o->SetFocusable(true); o->SetFocus(), ClickAt(P, Other(P))),
      ROW_SET("TfcImager", TfcCustomImager, OnKeyDown, o->SetFocusable(true), Keys(P, o->FocusControl(), {'A'})),
      ROW_SET("TfcImager", TfcCustomImager, OnKeyPress, o->SetFocusable(true), Keys(P, o->FocusControl(), {'B'})),
      ROW_SET("TfcImager", TfcCustomImager, OnKeyUp, o->SetFocusable(true), Keys(P, o->FocusControl(), {'C'})),

      // ---- the MDI tabs bar
      ROW_ON("TspSkinMDITabsBar.OnTabGetDrawParamsEvent", "MDI child", TForm,
             auto* b = TabsBar(P); SetPairHandler(b->OnTabGetDrawParamsEvent, &P); return b,
             Paint(P, dynamic_cast<TControl*>(P.Sender))),
      ROW_ON("TspSkinMDITabsBar.OnTabMouseDown", "MDI child", TForm,
             auto* b = TabsBar(P); SetPairHandler(b->OnTabMouseDown, &P); return b,
             ClickAt(P, dynamic_cast<TControl*>(P.Sender), 0.1, 0.5)),
      ROW_ON("TspSkinMDITabsBar.OnTabMouseUp", "MDI child", TForm,
             auto* b = TabsBar(P); SetPairHandler(b->OnTabMouseUp, &P); return b,
             ClickAt(P, dynamic_cast<TControl*>(P.Sender), 0.1, 0.5)),
      ROW_ON("TspSkinMDITabsBar.OnTabMouseEnter", "MDI child", TForm,
             auto* b = TabsBar(P); SetPairHandler(b->OnTabMouseEnter, &P); return b,
             HoverFirstTab(P, dynamic_cast<TControl*>(P.Sender))),
      ROW_ON("TspSkinMDITabsBar.OnTabMouseLeave", "MDI child", TForm,
             auto* b = TabsBar(P); SetPairHandler(b->OnTabMouseLeave, &P); return b,
             HoverFirstTab(P, dynamic_cast<TControl*>(P.Sender))),

      // ---- data
      ROW_ON("TDataSource.OnDataChange", "TMemTable", TMemTable,
             auto* s = Live(P, new TDataSource(P.Form), "TDataSource"); s->SetDataSet(o); o->First();
             SetPairHandler(s->OnDataChange, &P); return s, o->Next()),
      ROW_ON("TDataSource.OnStateChange", "TMemTable", TMemTable,
             auto* s = Live(P, new TDataSource(P.Form), "TDataSource"); s->SetDataSet(o);
             SetPairHandler(s->OnStateChange, &P); return s, o->Edit()),
      ROW_ON("TDataSource.OnUpdateData", "TMemTable", TMemTable,
             auto* s = Live(P, new TDataSource(P.Form), "TDataSource"); s->SetDataSet(o);
             SetPairHandler(s->OnUpdateData, &P); return s, o->Edit(); o->Post()),
      ROW_ON("TField.OnChange", "TMemTable", TMemTable, SetPairHandler(o->FieldByName(L"Name")->OnChange, &P);
             return o, o->Edit(); o->FieldByName(L"Name")->SetAsString(L"Zhao")),
      ROW_ON("TField.OnGetText", "TMemTable", TMemTable, SetPairHandler(o->FieldByName(L"Name")->OnGetText, &P);
             return o, o->FieldByName(L"Name")->DisplayText()),
      ROW("TMemTable", TDataSet, BeforeOpen, o->Close(); o->Open()),
      ROW("TMemTable", TDataSet, AfterOpen, o->Close(); o->Open()),
      ROW("TMemTable", TDataSet, BeforeClose, o->Close()),
      ROW("TMemTable", TDataSet, AfterClose, o->Close()),
      ROW("TMemTable", TDataSet, BeforeInsert, o->Append()),
      ROW("TMemTable", TDataSet, AfterInsert, o->Append()),
      ROW("TMemTable", TDataSet, OnNewRecord, o->Append()),
      ROW("TMemTable", TDataSet, BeforeEdit, o->Edit()),
      ROW("TMemTable", TDataSet, AfterEdit, o->Edit()),
      ROW("TMemTable", TDataSet, BeforePost, o->Edit(); o->Post()),
      ROW("TMemTable", TDataSet, AfterPost, o->Edit(); o->Post()),
      ROW("TMemTable", TDataSet, BeforeCancel, o->Edit(); o->Cancel()),
      ROW("TMemTable", TDataSet, AfterCancel, o->Edit(); o->Cancel()),
      ROW("TMemTable", TDataSet, BeforeDelete, o->Delete()),
      ROW("TMemTable", TDataSet, AfterDelete, o->Delete()),
      ROW_SET("TMemTable", TDataSet, BeforeScroll, o->First(), o->Next()),
      ROW_SET("TMemTable", TDataSet, AfterScroll, o->First(), o->Next()),

      // ---- the application, dialogs and notices
      ROW_ON("TApplication.OnIdle", "TButton", TButton, SetPairHandler(Application->OnIdle, &P); return nullptr,
             IdleOnce(P)),
      ROW_ON("TApplication.OnMessage", "TButton", TButton, SetPairHandler(Application->OnMessage, &P);
             return nullptr, PostMessageW(o->Handle(), WM_NULL, 0, 0)),
      ROW_ON("TApplication.OnShowHint", "TButton", TButton, o->SetHint(L"a hint"); o->SetShowHint(true);
             SetPairHandler(Application->OnShowHint, &P); return nullptr, HoverAndLeave(P, o); P.D.Pump(900)),
      // The system tells the application it was activated or deactivated.
      ROW_ON("TApplication.OnActivate", "TButton", TButton, SetPairHandler(Application->OnActivate, &P);
             return nullptr, PostMessageW(Application->Handle(), WM_ACTIVATEAPP, TRUE, 0)),
      ROW_ON("TApplication.OnDeactivate", "TButton", TButton, SetPairHandler(Application->OnDeactivate, &P);
             return nullptr, PostMessageW(Application->Handle(), WM_ACTIVATEAPP, FALSE, 0)),
      ROW_ON("TspSkinHint.OnShowHint", "TButton", TButton, o->SetHint(L"a hint"); o->SetShowHint(true);
             auto* h = Live(P, new TspSkinHint(P.Form), "TspSkinHint"); h->SetSkinData(P.D.Skin()); h->SetActive(true);
             SetPairHandler(h->OnShowHint, &P); return h, HoverAndLeave(P, o); P.D.Pump(900)),
      ROW_ON("TCustomImageList.OnChange", "TButton", TButton, auto* l = OneImage(P); SetPairHandler(l->OnChange, &P);
             return l, static_cast<TCustomImageList*>(P.Sender)->Clear()),
      ROW_ON("TspSkinColorDialog.OnShowDialog", "TButton", TButton,
             auto* c = Live(P, new TspSkinColorDialog(P.Form), "TspSkinColorDialog"); SetPairHandler(c->OnShowDialog, &P);
             return c, static_cast<TspSkinColorDialog*>(P.Sender)->Execute()),
      ROW_ON("THyMsgForm.OnMsgFormClick", "TButton", TButton,
             auto* n = Live(P, new THyMsgForm(P.Form), "THyMsgForm"); n->SetFormBounds(300, 300, 200, 100);
             n->SetFormVisible(true); SetPairHandler(n->OnMsgFormClick, &P); return n,
             ClickAt(P, static_cast<THyMsgForm*>(P.Sender)->Form())),
      ROW_ON("TMsgForm.OnClosed", "TButton", TButton,
             auto* n = Live(P, new THyMsgForm(P.Form), "THyMsgForm"); n->SetFormBounds(300, 300, 200, 100);
             n->SetFormVisible(true); SetPairHandler(n->Form()->OnClosed, &P); return n,
             static_cast<THyMsgForm*>(P.Sender)->Form()->Close()),

      // ---- tray icon, hue ring, images menu
      // The shell tells the icon's window of a click on its balloon.
      ROW_ON("TspTrayIcon.OnBalloonHintClick", "TButton", TButton, auto* t = Tray(P);
             SetPairHandler(t->OnBalloonHintClick, &P); return t,
             PostMessageW(static_cast<TspTrayIcon*>(P.Sender)->WindowHandle(), MSG_TRAY_CALLBACK, 0,
                          MSG_TRAY_BALLOON_CLICK)),
      // The shell tells the icon's window of the mouse over the icon.
      ROW_ON("TspTrayIcon.OnMouseMove", "TButton", TButton, auto* t = Tray(P); SetPairHandler(t->OnMouseMove, &P);
             return t, TrayMouse(P, {WM_MOUSEMOVE})),
      ROW_ON("TspTrayIcon.OnMouseDown", "TButton", TButton, auto* t = Tray(P); SetPairHandler(t->OnMouseDown, &P);
             return t, TrayMouse(P, {WM_LBUTTONDOWN})),
      ROW_ON("TspTrayIcon.OnMouseUp", "TButton", TButton, auto* t = Tray(P); SetPairHandler(t->OnMouseUp, &P);
             return t, TrayMouse(P, {WM_LBUTTONDOWN, WM_LBUTTONUP})),
      // A click comes when no second press followed within the double-click time.
      ROW_ON("TspTrayIcon.OnClick", "TButton", TButton, auto* t = Tray(P); SetPairHandler(t->OnClick, &P);
             return t, TrayMouse(P, {WM_LBUTTONDOWN, WM_LBUTTONUP})),
      ROW_ON("TspTrayIcon.OnDblClick", "TButton", TButton, auto* t = Tray(P); SetPairHandler(t->OnDblClick, &P);
             return t, TrayMouse(P, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})),
      ROW_ON("TspTrayIcon.OnCycle", "TButton", TButton, auto* t = Tray(P); t->SetIconList(OneImage(P));
             t->SetAnimateTimerInterval(20); SetPairHandler(t->OnCycle, &P); return t,
             static_cast<TspTrayIcon*>(P.Sender)->SetCycleIcons(true)),
      // A press in the box picks a saturation and lightness.
      ROW_ON("TspHueRingImage.OnPick", "TButton", TButton, auto* r = MakeHueRing(P); SetPairHandler(r->OnPick, &P);
             return r, ClickAt(P, static_cast<TControl*>(P.Sender), 0.5, 0.5)),
      ROW_ON("TspSkinImagesMenu.OnMenuPopup", "TButton", TButton, auto* m = ImagesMenu(P);
             SetPairHandler(m->OnMenuPopup, &P); return m,
             static_cast<TspSkinImagesMenu*>(P.Sender)->Popup(ScreenRect(o))),
      // The grid's one cell clicked: the menu closes, the item and the menu
      // are clicked, and the choice changed from none.
      ROW_ON("TspSkinImagesMenu.OnItemClick", "TButton", TButton, auto* m = ImagesMenu(P);
             SetPairHandler(m->OnItemClick, &P); return m, PickImage(P, o)),
      ROW_ON("TspSkinImagesMenu.OnMenuClose", "TButton", TButton, auto* m = ImagesMenu(P);
             SetPairHandler(m->OnMenuClose, &P); return m, PickImage(P, o)),
      ROW_ON("TspSkinImagesMenu.OnChange", "TButton", TButton, auto* m = ImagesMenu(P);
             SetPairHandler(m->OnChange, &P); return m, PickImage(P, o)),
      ROW_ON("TspImagesMenuItem.OnClick", "TButton", TButton, auto* m = ImagesMenu(P);
             SetPairHandler(m->ImagesItems()->Items(0)->OnClick, &P); return m, PickImage(P, o)),

      // ---- actions
      // The button's own click would be raised in place of the action's.
      ROW_ON("TBasicAction.OnExecute", "TButton", TButton, auto* a = Live(P, new TCustomAction(P.Form), "TCustomAction");
             o->SetAction(a); o->OnClick = nullptr; SetPairHandler(a->OnExecute, &P); return a, ClickAt(P, o)),
      // An action is brought up to date before its shortcut runs it.
      ROW_ON("TBasicAction.OnUpdate", "TButton", TButton, auto* list = Live(P, new TActionList(P.Form), "TActionList");
             auto* a = Live(P, new TCustomAction(P.Form), "TCustomAction"); a->SetActionList(list);
             a->SetShortCut(ShortCut('U', {ssCtrl})); o->SetAction(a); SetPairHandler(a->OnUpdate, &P); return a,
             Keys(P, o, {VK_CONTROL, 'U'})),
  };
  return rows;
}
