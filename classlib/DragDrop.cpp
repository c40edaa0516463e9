// The window side of drag and drop: a hidden window holds the mouse capture
// and feeds the drag tracker; targets are found under the cursor in every
// form of the program; the drag cursor and image follow the mouse.
#include "classlib/DragDrop.h"

#include <exception>
#include <memory>
#include <utility>

#include "classlib/Forms.h"
#include "classlib/Graphics.h"
#include "classlib/SystemCallback.h"
#include "classlib/UtilWindow.h"

// ---------------------------------------------------------------------------
// TDragImageList

TDragImageList::~TDragImageList() {
  if (FDragging) EndDrag();
}

bool TDragImageList::SetDragImage(int Index, int HotSpotX, int HotSpotY) {
  if (Index < 0 || Index >= Count()) return false;
  FDragIndex = Index;
  FDragHotspot = TPoint(HotSpotX, HotSpotY);
  return true;
}

bool TDragImageList::BeginDrag(HWND Window, int X, int Y) {
  if (FDragging || FDragIndex >= Count()) return false;
  if (!ImageList_BeginDrag(Handle(), FDragIndex, FDragHotspot.X, FDragHotspot.Y)) return false;
  FDragWindow = Window;
  FDragging = true;
  FShown = ImageList_DragEnter(Window, X, Y) != FALSE;
  return true;
}

bool TDragImageList::DragMove(int X, int Y) { return FDragging && ImageList_DragMove(X, Y); }

void TDragImageList::HideDragImage() {
  if (!FShown) return;
  ImageList_DragShowNolock(FALSE);
  FShown = false;
}

void TDragImageList::ShowDragImage() {
  if (!FDragging || FShown) return;
  ImageList_DragShowNolock(TRUE);
  FShown = true;
}

bool TDragImageList::EndDrag() {
  if (!FDragging) return false;
  ImageList_DragLeave(FDragWindow);
  ImageList_EndDrag();
  FDragging = FShown = false;
  FDragWindow = nullptr;
  return true;
}

// ---------------------------------------------------------------------------
// Drag objects

TCursor TDragObject::GetDragCursor(bool Accepted, int, int) { return Accepted ? crDrag : crNoDrop; }

TCursor TDragControlObject::GetDragCursor(bool Accepted, int, int) {
  return Accepted ? FControl->DragCursor() : crNoDrop;
}

TDragImageList* TDragControlObject::GetDragImages() { return FControl->GetDragImages(); }

void TDragControlObject::Finished(TObject* Target, int X, int Y, bool Accepted) {
  FControl->DoEndDrag(Accepted ? Target : nullptr, X, Y);
}

// ---------------------------------------------------------------------------
// Cursors

namespace {

// A drag cursor: the arrow with one or two sheets of paper beside it, drawn
// here so that the library needs no cursor resources.
HCURSOR MakeDragCursor(bool Multi) {
  constexpr int kSize = 32;
  TBitmap picture;
  picture.SetSize(kSize, kSize);
  TCanvas* canvas = picture.Canvas();
  canvas->Brush()->SetColor(clFuchsia);  // what the cursor leaves clear
  canvas->FillRect(TRect(0, 0, kSize, kSize));
  canvas->Brush()->SetColor(clWhite);  // outlined in the pen's black
  canvas->Polygon({{0, 0}, {0, 15}, {4, 11}, {7, 17}, {9, 16}, {6, 10}, {11, 10}});
  if (Multi) canvas->Rectangle(15, 16, 27, 26);
  canvas->Rectangle(12, 19, 24, 29);
  // AND plane: 1 keeps the screen; XOR plane: 1 turns the pixel white.
  BYTE andBits[kSize * kSize / 8] = {}, xorBits[kSize * kSize / 8] = {};
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const TColor c = canvas->Pixels(x, y);
      const int byte = y * kSize / 8 + x / 8;
      const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
      if (c == clFuchsia) andBits[byte] |= bit;
      else if (c == clWhite) xorBits[byte] |= bit;
    }
  return CreateCursor(GetModuleHandleW(nullptr), 0, 0, kSize, kSize, andBits, xorBits);
}

// The drag cursors join the screen's cursors once, unless the program set its own.
void InstallDragCursors() {
  static bool installed = false;
  if (installed || !Screen) return;
  installed = true;
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  if (Screen->Cursors(crDrag) == arrow) Screen->SetCursors(crDrag, MakeDragCursor(false));
  if (Screen->Cursors(crMultiDrag) == arrow) Screen->SetCursors(crMultiDrag, MakeDragCursor(true));
  if (Screen->Cursors(crNoDrop) == arrow) Screen->SetCursors(crNoDrop, LoadCursorW(nullptr, IDC_NO));
}

// Posted to the capture window by the keyboard hook: Esc cancels the drag.
constexpr UINT kCancelDrag = WM_APP + 0x2D0;

}  // namespace

// ---------------------------------------------------------------------------
// The drag under way

class TDragSession : public TDragTracker::TClient {
 public:
  explicit TDragSession(TControl* ASource);
  ~TDragSession() override;
  TDragSession(const TDragSession&) = delete;
  TDragSession& operator=(const TDragSession&) = delete;

  TObject* FindTarget(const TPoint& Pos) override;
  void StartDrag(const TPoint& Pos) override;
  bool DragOver(TObject* Target, const TPoint& Pos, TDragState State) override;
  void Feedback(const TPoint& Pos, TObject* Target, bool Accept) override;
  void DragDrop(TObject* Target, const TPoint& Pos) override;
  void EndDrag(TObject* Target, const TPoint& Pos) override;

  void CaptureMessage(TMessage& Message);
  // The source as the events name it: the control, or a drag object of the program's.
  TObject* SourceArg() const;
  void StopImage();

  TDragTracker Tracker{*this};
  TControl* Source;
  TDragObject* Object = nullptr;  // Own, or the program's
  std::unique_ptr<TDragControlObject> Own;
  TDragImageList* Images = nullptr;
  HWND Capture = nullptr;
  HHOOK Hook = nullptr;
  bool Ended = false;  // the source has heard the end
  bool BegunByPress = false;  // begun with the left button down
  // Tracker calls under way: the session is not freed inside one.
  int Busy = 0;
};

namespace {

// Deleted when its drag is over; one left at exit is the system's to reclaim.
TDragSession* gSession = nullptr;

LRESULT CALLBACK EscapeHook(int Code, WPARAM WParam, LPARAM LParam) {
  auto* m = reinterpret_cast<MSG*>(LParam);
  if (Code == HC_ACTION && WParam == PM_REMOVE && gSession && m->message == WM_KEYDOWN && m->wParam == VK_ESCAPE) {
    PostMessageW(gSession->Capture, kCancelDrag, 0, 0);
    m->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, Code, WParam, LParam);
}

// Runs one step of the tracker, then lets the session go once the drag is
// over and no step is under way any more. An exception from an event of the
// step cancels the drag (the source hears the end as for Esc, also when the
// exception cut a drop short), then goes to the application as any
// handler's: the capture is free again before a message box shows it.
template <class Step>
void Drive(Step S) {
  if (!gSession) return;
  TDragSession& session = *gSession;
  ++session.Busy;
  std::exception_ptr error;
  try {
    S(session.Tracker);
  } catch (...) {
    error = std::current_exception();
  }
  if (error) {
    try {
      session.Tracker.End(false);
      if (session.Object && !session.Ended && session.Source) session.EndDrag(nullptr, session.Tracker.Pos());
    } catch (...) {
      ReportCallbackException(session.Source);
    }
    try {
      std::rethrow_exception(error);
    } catch (...) {
      ReportCallbackException(session.Source);
    }
  }
  if (--session.Busy == 0 && session.Tracker.Phase() == TDragTracker::dpIdle)
    delete std::exchange(gSession, nullptr);
}

TPoint CursorPos() {
  POINT p;
  GetCursorPos(&p);
  return TPoint(p.x, p.y);
}

}  // namespace

TDragSession::TDragSession(TControl* ASource) : Source(ASource) {
  // The system's default handling goes on for every message: none the drag
  // takes asks anything of it.
  Capture = AllocateHWnd([this](TMessage& m) {
    CaptureMessage(m);
    return false;
  });
  SetCapture(Capture);
  Hook = SetWindowsHookExW(WH_GETMESSAGE, EscapeHook, nullptr, GetCurrentThreadId());
}

TDragSession::~TDragSession() {
  StopImage();
  UnhookWindowsHookEx(Hook);
  // No longer gSession: the loss of the capture drives nothing.
  if (GetCapture() == Capture) ReleaseCapture();
  DeallocateHWnd(Capture);
  // The drag cursor goes with the drag.
  if (Object && Screen) ::SetCursor(Screen->Cursors(Screen->Cursor()));
}

void TDragSession::CaptureMessage(TMessage& Message) {
  POINT p = {Message.XPos(), Message.YPos()};
  ClientToScreen(Capture, &p);
  const TPoint pos(p.x, p.y);
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      // The button is up, and the drag that waited for it to move never saw
      // its release (a loop of the system's control took it): the press was
      // a click, and the mouse is let go before it moves anywhere else.
      if (BegunByPress && !(Message.WParam & MK_LBUTTON) && Tracker.Phase() == TDragTracker::dpPending) {
        Drive([](TDragTracker& t) { t.End(false); });
        break;
      }
      Drive([&](TDragTracker& t) { t.Move(pos); });
      break;
    case WM_LBUTTONUP: {
      // A press that never became a drag was a click: the source has its release.
      TControl* source = Source;
      const bool click = Tracker.Phase() == TDragTracker::dpPending;
      Drive([&](TDragTracker& t) { t.Release(pos); });
      if (click && source) {
        const TPoint c = source->ScreenToClient(pos);
        source->Perform(WM_LBUTTONUP, Message.WParam, MAKELPARAM(c.X, c.Y));
      }
      break;
    }
    case WM_RBUTTONDOWN:
    case kCancelDrag:
      Drive([](TDragTracker& t) { t.End(false); });
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(Message.LParam) != Capture) Drive([](TDragTracker& t) { t.End(false); });
      break;
  }
}

TObject* TDragSession::SourceArg() const {
  if (auto* c = dynamic_cast<TDragControlObject*>(Object)) return c->Control();
  return Object;
}

TObject* TDragSession::FindTarget(const TPoint& Pos) {
  TControl* c = FindDragTarget(Pos, false);
  return c && c->Enabled() ? c : nullptr;
}

void TDragSession::StartDrag(const TPoint& Pos) {
  InstallDragCursors();
  // The release goes to the drag now: the press on the source is no click.
  TControlState state = Source->ControlState();
  state.Exclude(csLButtonDown);
  state.Exclude(csClicked);
  Source->SetControlState(state);
  // The drag has a sound object from here on: the control's own, until
  // OnStartDrag gives one of the program's. What the event does meanwhile (a
  // modal loop, messages pumped, the source freed) may end the drag with the
  // control's; a program's object is taken only for a drag still under way.
  Own = std::make_unique<TDragControlObject>(Source);
  Object = Own.get();
  Object->FDragPos = Pos;
  TDragObject* given = nullptr;
  Source->DoStartDrag(given);
  if (!Tracker.Dragging()) return;
  if (given) {
    Object = given;
    Object->FDragPos = Pos;
    Object->FDragTarget = static_cast<TControl*>(Tracker.Target());
  }
  Images = Object->GetDragImages();
  if (Images && Images->Count() == 0) Images = nullptr;
}

bool TDragSession::DragOver(TObject* Target, const TPoint& Pos, TDragState State) {
  auto* target = static_cast<TControl*>(Target);
  // The image goes before the targets repaint for the end of the drag.
  if (!Tracker.Dragging()) StopImage();
  Object->FDragPos = Pos;
  Object->FDragTarget = State == dsDragLeave ? nullptr : target;
  const TPoint p = target->ScreenToClient(Pos);
  bool accept = false;
  target->DragOver(SourceArg(), p.X, p.Y, State, accept);
  return accept;
}

void TDragSession::Feedback(const TPoint& Pos, TObject* Target, bool Accept) {
  ::SetCursor(Screen->Cursors(Object->GetDragCursor(Accept, Pos.X, Pos.Y)));
  if (!Images) return;
  // The image shows over the controls that ask for it.
  auto* target = static_cast<TControl*>(Target);
  const bool show = target && target->ControlStyle().Contains(csDisplayDragImage);
  // It begins over the first of them, and follows the cursor from there on.
  if (show && !Images->Dragging()) Images->BeginDrag(nullptr, Pos.X, Pos.Y);
  Images->DragMove(Pos.X, Pos.Y);
  if (show) Images->ShowDragImage();
  else Images->HideDragImage();
}

void TDragSession::DragDrop(TObject* Target, const TPoint& Pos) {
  auto* target = static_cast<TControl*>(Target);
  Object->FDropped = true;
  const TPoint p = target->ScreenToClient(Pos);
  target->DragDrop(SourceArg(), p.X, p.Y);
}

void TDragSession::EndDrag(TObject* Target, const TPoint& Pos) {
  Ended = true;
  StopImage();
  // The tracker is idle already: the capture's loss ends nothing more.
  if (GetCapture() == Capture) ReleaseCapture();
  Object->FDragTarget = static_cast<TControl*>(Target);
  TPoint p;
  if (auto* target = static_cast<TControl*>(Target)) p = target->ScreenToClient(Pos);
  Object->Finished(Target, p.X, p.Y, Target != nullptr);
}

void TDragSession::StopImage() {
  if (!Images) return;
  Images->EndDrag();
  Images = nullptr;
}

// ---------------------------------------------------------------------------
// Free functions

TDragObject* CurrentDragObject() { return gSession ? gSession->Object : nullptr; }

TControl* DragSourceControl() { return gSession ? gSession->Source : nullptr; }

void HideDragImage() {
  if (gSession && gSession->Images) gSession->Images->HideDragImage();
}

void ShowDragImage() {
  if (!gSession || !gSession->Images || !gSession->Images->Dragging()) return;
  auto* target = static_cast<TControl*>(gSession->Tracker.Target());
  if (target && target->ControlStyle().Contains(csDisplayDragImage)) gSession->Images->ShowDragImage();
}

void DragControlDestroyed(TControl* Control) {
  if (!gSession) return;
  if (gSession->Source == Control) {
    // Its drag object (and the image it lends) go with it.
    gSession->StopImage();
    if (auto* c = dynamic_cast<TDragControlObject*>(gSession->Object); c && c->Control() == Control)
      c->FControl = nullptr;
    gSession->Source = nullptr;
    Drive([](TDragTracker& t) { t.Abandon(); });
    return;
  }
  Drive([&](TDragTracker& t) { t.TargetGone(Control); });
}

// ---------------------------------------------------------------------------
// TControl's drag members

void TControl::BeginDrag(bool Immediate, int Threshold) {
  // One drag at a time; none begins from the events of one that is ending,
  // nor for a control torn down.
  if (gSession || BeingFreed() || ComponentState().Contains(csDesigning)) return;
  gSession = new TDragSession(this);
  gSession->BegunByPress = GetKeyState(VK_LBUTTON) < 0;
  const TPoint pos = CursorPos();
  Drive([&](TDragTracker& t) { t.Begin(pos, Immediate, Threshold); });
}

void TControl::BeginAutoDrag() {
  // The system's tree and list views run a loop of their own on the press,
  // which may have taken the release already: that was a click, and a drag
  // begun now would hold the capture until the next click anywhere.
  if (GetKeyState(VK_LBUTTON) < 0) BeginDrag(false);
}

void TControl::EndDrag(bool Drop) {
  if (gSession && gSession->Source == this) Drive([&](TDragTracker& t) { t.End(Drop); });
}

bool TControl::Dragging() const {
  return gSession && gSession->Source == this && gSession->Tracker.Phase() != TDragTracker::dpIdle;
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = static_cast<bool>(OnDragOver);
  if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}
