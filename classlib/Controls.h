// Controls: TControl (windowless or windowed), TWinControl (a real window),
// TCustomControl (a window that paints itself) and TGraphicControl (painted
// by its parent). Every message goes WindowProc -> WndProc -> Dispatch ->
// DefaultHandler; Perform sends one synchronously.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/ControlTypes.h"
#include "classlib/DragState.h"
#include "classlib/DeferredFree.h"
#include "classlib/Graphics.h"
#include "classlib/ListWalk.h"
#include "classlib/Messages.h"
#include "classlib/Types.h"

class TControl;
class TWinControl;
class TCustomForm;
LRESULT CALLBACK ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
class TPopupMenu;
class TBasicAction;
class TControlActionLink;
class TDragObject;
class TDragImageList;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// Controls other than forms use bsNone and bsSingle only.
using TBorderStyle = TFormBorderStyle;
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TControlStyleFlag {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption,
  csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable,
  csNoStdEvents, csDisplayDragImage, csReflector, csActionClient, csMenuEvents
};
using TControlStyle = TSet<TControlStyleFlag>;

enum TControlStateFlag {
  csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
  csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking
};
using TControlState = TSet<TControlStateFlag>;

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crMultiDrag = -16, crNo = -18,
                  crAppStart = -19, crHelp = -20, crHandPoint = -21,
                  crSizeAll = -22;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7, mrAll = 8;

using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
// A window procedure kept as an event, so that a subclass that frees its
// control from inside a message outlives that message.
using TWindowProcEvent = TEvent<void(TMessage& Message)>;
using TMouseWheelEvent =
    TEvent<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TKeyEvent = TEvent<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
// MousePos in client coordinates, (-1, -1) for a menu asked for from the
// keyboard; Handled true keeps the popup menu and the default menu away.
using TContextPopupEvent = TEvent<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, wchar_t& Key)>;
// Source is the dragged control, or the drag object OnStartDrag made.
using TDragOverEvent =
    TEvent<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TStartDragEvent = TEvent<void(TObject* Sender, TDragObject*& DragObject)>;
// Target is nullptr when nothing took the drop.
using TEndDragEvent = TEvent<void(TObject* Sender, TObject* Target, int X, int Y)>;

// Size limits of a control; 0 means no limit.
struct TSizeConstraints {
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
};

struct TCreateParams {
  String Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSW WindowClass = {};
  String WinClassName;
};

// Controls collected before a walk that tells each of them something: one
// freed by what another does when told (a list box drops its scroll bar) is
// skipped; one made meanwhile was never collected.
using TControlWalk = TListWalk<TControl>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  void BeforeDestruction() override;
  bool NestedLoopMayRelease() const override { return true; }
  String ClassName() const override { return L"TControl"; }
  // Called by a compound control that sets this part aside in its teardown
  // and deletes it with itself: while this part is held, so is the whole.
  void SetAsideBy(TControl* Whole);

  // Messages. WindowProc starts as WndProc; a subclasser may wrap it.
  TWindowProcEvent WindowProc;
  virtual void WndProc(TMessage& Message);
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);
  intptr_t Perform(uint32_t Msg, uintptr_t WParam = 0, intptr_t LParam = 0);

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);
  bool HasParent() const { return FParent != nullptr; }

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int Value) { SetClientSize(Value, ClientHeight()); }
  void SetClientHeight(int Value) { SetClientSize(ClientWidth(), Value); }
  virtual void SetClientSize(int AWidth, int AHeight);
  // Screen position of the top-left of the client area (for a windowless
  // control, of the control itself within its parent's client area).
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(const TPoint& P) const;
  TPoint ScreenToClient(const TPoint& P) const;

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value) {
    FAnchors = Value;
    UpdateAnchorRules();
  }
  const TSizeConstraints& Constraints() const { return FConstraints; }
  void SetConstraints(const TSizeConstraints& Value);
  bool AutoSize() const { return FAutoSize; }
  virtual void SetAutoSize(bool Value);
  void AdjustSize();

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // A form that already shows comes forward too.
  virtual void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent up to the top-level window.
  bool IsShowing() const;
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);

  virtual String Text() const { return FText; }
  void SetText(const String& Value);
  String Caption() const { return Text(); }
  void SetCaption(const String& Value) { SetText(Value); }

  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);

  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  // Set, it stops following the parent's; ParentBiDiMode takes the parent's again.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  // Content laid out from the right: mirrored positions, right-aligned text.
  virtual bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
  // Text read from the right (DT_RTLREADING, the controls' reading-order
  // styles). Like the alignment, it follows BiDiMode on any system locale.
  bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
  // DrawText Flags for this control: with right-to-left alignment a right
  // alignment becomes left and a left one right (centring stays), and with
  // right-to-left reading DT_RTLREADING is added.
  unsigned DrawTextBiDiModeFlags(unsigned Flags) const;
  // DT_RTLREADING with right-to-left reading, else 0.
  unsigned DrawTextBiDiModeFlagsReadingOnly() const;
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }

  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);

  // Painting. Repaint invalidates and updates at once.
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  virtual void BringToFront();
  void SendToBack();

  bool MouseCapture() const;
  void SetMouseCapture(bool Value);
  bool MouseInControl() const { return FMouseInControl; }

  virtual void Click();
  virtual void DblClick();

  // Drag and drop (DragDrop.cpp). A left press on a dmAutomatic control
  // begins a drag that starts once the mouse moves past the threshold.
  TDragMode DragMode() const { return FDragMode; }
  virtual void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TDragKind DragKind() const { return FDragKind; }
  void SetDragKind(TDragKind Value) { FDragKind = Value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  // Threshold below 0: the default of DefaultDragThreshold pixels.
  void BeginDrag(bool Immediate, int Threshold = -1);
  void EndDrag(bool Drop);
  bool Dragging() const;
  virtual void DragDrop(TObject* Source, int X, int Y);

  TNotifyEvent OnClick, OnDblClick, OnResize;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TStartDragEvent OnStartDrag;
  TEndDragEvent OnEndDrag;
  TContextPopupEvent OnContextPopup;

 protected:
  friend class TWinControl;
  friend class TDragControlObject;
  friend class TDragSession;
  friend class TControlActionLink;

  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  // Accept comes preset false, and true when OnDragOver is assigned.
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DoStartDrag(TDragObject*& DragObject);
  virtual void DoEndDrag(TObject* Target, int X, int Y);
  virtual TDragImageList* GetDragImages() { return nullptr; }
  // The drag a left press on a dmAutomatic control begins.
  virtual void BeginAutoDrag();
  virtual void Resize();
  virtual void DoContextPopup(const TPoint& MousePos, bool& Handled);
  // Called when the linked action changes; CheckDefaults fills only what is still default.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  // The link SetAction makes; a control whose link passes more values on
  // gives its own kind.
  virtual std::unique_ptr<TControlActionLink> CreateActionLink();
  virtual bool CanAutoSize(int& NewWidth, int& NewHeight);
  virtual void VisibleChanged();
  virtual void BoundsChanged(bool Resized);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void RequestAlign();
  void ApplyConstraints(int& AWidth, int& AHeight) const;
  // Takes the control's bounds and its parent's client size as the ones
  // anchoring measures from (not while the parent is anchoring it).
  void UpdateAnchorRules();
  void FontChanged();
  void InvalidateRectInParent(const TRect& R, bool Erase);
  // Sends CM_CANCELMODE (with Sender) to the focused control of the form.
  void SendCancelMode(TControl* Sender);

  // Message handlers
  void WMMouseDown(TMessage& Message, TMouseButton Button, bool Double);
  void WMMouseUp(TMessage& Message, TMouseButton Button);
  void WMMouseMove(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentShowHintChanged(TMessage& Message);
  void CMParentBiDiModeChanged(TMessage& Message);

  TWinControl* FParent = nullptr;
  bool FSetAside = false;  // listed as a part held along with its whole
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  // Where the control was placed and its parent's client size then: anchoring
  // counts from these, so a size clamped on the way comes back whole.
  TRect FAnchorBounds;
  int FAnchorParentWidth = 0, FAnchorParentHeight = 0;
  bool FAnchorRulesKnown = false;
  TSizeConstraints FConstraints;
  bool FAutoSize = false;
  bool FAutoSizing = false;    // AdjustSize is running its passes
  bool FAutoSizeAgain = false;  // a pass's own resize asked for another
  bool FVisible = true;
  bool FEnabled = true;
  String FText;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  String FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
  TCursor FCursor = crDefault;
  TPopupMenu* FPopupMenu = nullptr;
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;
  std::unique_ptr<TControlActionLink> FActionLink;
  bool FMouseInControl = false;
  bool FTornDownControl = false;
  TWinControl* FAsWinControl = nullptr;  // itself when it is a windowed control, found without a cast
  // Leaves the capture, the drag session and the application's hint and mouse pointers.
  void ForgetGlobally();
  // Ends the program with a message that names Free when a plain delete
  // meets a control that a frame of the library still handles.
  void FailIfDeletedWhileHandled() const;
  TDragMode FDragMode = dmManual;
  TDragKind FDragKind = dkDrag;
  TCursor FDragCursor = crDrag;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  void BeforeDestruction() override;
  void CheckFreeThread() const override;
  // A system control's window (a tree's, a list's) inside its system
  // procedure is parked before the teardown begins: the class's teardown
  // (a tree deleting its items, a list its rows) must not take apart the
  // data that procedure goes on with once the handler returns; the data
  // goes with the window.
  void TeardownBegins() override;
  String ClassName() const override { return L"TWinControl"; }

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  // Children in z-order, the bottom first; windowed and windowless together.
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(Index); }
  // The children as they are now, for a walk that tells each of them
  // something that may free or make others.
  TControlWalk ChildWalk() const { return TControlWalk(FControls); }
  // Whether any child is windowless (every windowed child is on the tab list).
  bool HasWindowlessChildren() const { return FControls.size() != FTabList.size(); }
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(const TControl* AControl) const;
  // The topmost visible, enabled windowless child at P (client coordinates).
  TControl* ControlAtPos(const TPoint& P, bool AllowDisabled = false) const;
  // Sends the message to every child until one sets a non-zero result.
  void Broadcast(TMessage& Message);

  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // Makes the windows of the children that wait for one (see ChildWindowWaits).
  void MakeChildWindows();
  void RecreateWnd();
  // Has the system ask the window's frame again (WM_NCCALCSIZE) and repaint
  // it, on the window it has: a change of a drawn border needs no new window.
  void FrameChanged();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Invalidate() override;
  void Update() override;
  // While held (the holds nest), Update paints nothing: a form changing its
  // window state lays its controls out first and paints each once afterwards.
  static void HoldUpdates(bool Hold);
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  String Text() const override;

  // Moves the contents, every child included, by DeltaX, DeltaY pixels
  // (ScrollBy.cpp); the pixels already drawn move with them.
  void ScrollBy(int DeltaX, int DeltaY);

  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  void Realign();

  // Paints the control, its windowless children and its windowed children
  // into DC with the control's top-left at (X, Y).
  void PaintTo(HDC DC, int X, int Y);

  // Focus and tab order.
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  int TabOrder() const;
  void SetTabOrder(int Value);
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // Focus the library gives on its own (a press on the control, a key that
  // moves on): a control that cannot take it now (hidden, disabled, inside a
  // hidden or disabled parent, or freed, as a handler may leave it) is left
  // alone, as the system's controls leave a window they cannot focus.
  // Answers whether the control has the focus. A program's SetFocus on such
  // a control still raises.
  bool FocusIfAble();
  // Tab order of every windowed descendant, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& List) const;
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop) const;
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  // The next (or previous) of CurControl's fellow children that can take the
  // focus, wrapping around; containers are passed over. nullptr when none.
  TWinControl* FindNextSibling(TWinControl* CurControl, bool GoForward) const;

  TBrush* Brush() const { return FBrush.get(); }

  TNotifyEvent OnEnter, OnExit;
  TKeyEvent OnKeyDown, OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  friend class TControl;
  friend LRESULT CALLBACK ControlWndProc(HWND, UINT, WPARAM, LPARAM);

  virtual void CreateParams(TCreateParams& Params);
  // Takes the window class of a system class (EDIT, LISTBOX, ...) so that the
  // window becomes that control with this object's message handling in front.
  static void CreateSubClass(TCreateParams& Params, const wchar_t* ClassName);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void DestroyWnd();
  // Calls the window's system procedure: the one way into it (the default
  // handler goes through it too).
  LRESULT CallSystemProc(UINT Msg, WPARAM WParam, LPARAM LParam) const;
  // Parks this window and its children's that are inside their system
  // procedure, instead of letting them be destroyed under it.
  void ParkBusyWindows();
  void CreateHandle();
  void DestroyHandle();
  // Runs once the window exists, its children's windows included.
  virtual void CreateHandleDone() {}
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect) const {}
  bool CanAutoSize(int& NewWidth, int& NewHeight) override;
  void VisibleChanged() override;
  void BoundsChanged(bool Resized) override;
  virtual void PaintWindow(HDC DC);
  void PaintHandler(HDC DC);
  void PaintControls(HDC DC);
  HWND PrecedingWindow(const TControl* AControl) const;
  void UpdateBoundsFromWindow();
  void AnchorChildren();
  void ChildWindowWaits();

  virtual bool DoKeyDown(TMessage& Message);
  virtual bool DoKeyUp(TMessage& Message);
  virtual bool DoKeyPress(TMessage& Message);
  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  virtual void KeyPress(wchar_t& Key);
  virtual void DoEnter();
  virtual void DoExit();

  // Message handlers
  void WMPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  // Whether the window has a non-client area to paint.
  bool HasFrameArea() const;
  void WMWindowPosChanging(TMessage& Message);
  void WMWindowPosChanged(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMMouseLeave(TMessage& Message);
  void WMCaptureChanged(TMessage& Message);
  void WMDestroy(TMessage& Message);
  void ReflectToChild(TMessage& Message, HWND Child);
  void CNKeyDown(TMessage& Message);
  // Offers a key down to the popup menus of the control and its parents,
  // then to its form as a shortcut; true when it ran something.
  bool IsMenuKey(TMessage& Message);
  void CNChar(TMessage& Message);
  void CNCtlColor(TMessage& Message);
  void CMFocusChanged(TMessage& Message);
  void CMDialogKeyOrChar(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMShowHintChanged(TMessage& Message);
  void CMRecreateWnd(TMessage& Message);
  void NotifyControls(uint32_t Msg);

  void UpdateMouseHover(const TMessage& Message);
  void SetMouseControl(TControl* AControl);
  bool IsControlMouseMsg(TMessage& Message);

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = DefWindowProcW;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  std::unique_ptr<TBrush> FBrush;
  TControl* FMouseControl = nullptr;  // windowless child under the mouse
  bool FTabStop = false;
  bool FInSetBounds = false;
  bool FChildWindowsWait = false;  // children wait for windows; a message to make them is posted
  // The window is made only when asked for (Handle, HandleNeeded), never
  // with the parent's: a drop-down list that may never drop costs no window.
  bool FWindowWhenAsked = false;
  int FAlignLevel = 0;
  bool FAnchoring = false;  // AnchorChildren is placing the children
};

// The canvas of a control. Outside painting it draws through a device
// context of the control's window (for a windowless control, its parent's,
// moved and clipped to the control); the few such contexts are kept in a
// small cache and given back when the cache fills or the window goes.
class TControlCanvas : public TCanvas {
 public:
  explicit TControlCanvas(TControl* Control) : FControl(Control) {}
  ~TControlCanvas() override;
  String ClassName() const override { return L"TControlCanvas"; }
  // Gives back the window's device context, if the canvas holds one.
  void FreeHandle();
  // Lends DC for one paint (nullptr ends the loan); TPaintDCLoan pairs them.
  void SetPaintDC(HDC DC);
  // The DC lent for the paint under way, or null.
  HDC PaintDC() const { return FPaintDC; }
  // Frees every cached device context of a window that is going away.
  static void FreeCanvasesOf(HWND Wnd);

 protected:
  void CreateHandle() override;

 private:
  TControl* FControl;
  HWND FWindow = nullptr;
  HDC FWindowDC = nullptr;
  HDC FPaintDC = nullptr;
};

// Lends a DC to a control's canvas for one paint, locked, and gives back at
// its end the DC the canvas had before. A handler called from the paint may
// run a loop (a modal form, ProcessMessages) in which the same control paints
// again, or move the focus so that a list redraws an item: the nested paint
// then leaves the outer one its DC, also when a handler's exception ends it.
class TPaintDCLoan {
 public:
  TPaintDCLoan(TControlCanvas* Canvas, HDC DC) : FCanvas(Canvas), FOuter(Canvas->PaintDC()) {
    FCanvas->Lock();
    FCanvas->SetPaintDC(DC);
  }
  ~TPaintDCLoan() {
    FCanvas->SetPaintDC(FOuter);
    FCanvas->Unlock();
  }
  TPaintDCLoan(const TPaintDCLoan&) = delete;
  TPaintDCLoan& operator=(const TPaintDCLoan&) = delete;

 private:
  TControlCanvas* FCanvas;
  HDC FOuter;
};

// A window that paints itself on its Canvas in Paint.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  String ClassName() const override { return L"TCustomControl"; }
  TCanvas* Canvas() const { return FCanvas.get(); }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC DC) override;
  std::unique_ptr<TControlCanvas> FCanvas;
};

// A windowless control: its parent paints it in z-order and routes mouse
// messages to it.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  String ClassName() const override { return L"TGraphicControl"; }
  void Dispatch(TMessage& Message) override;
  TCanvas* Canvas() const { return FCanvas.get(); }

 protected:
  virtual void Paint() {}
  std::unique_ptr<TControlCanvas> FCanvas;
};

// The object behind a window of this library, or nullptr.
TWinControl* FindControl(HWND Handle);
// Destroys the windows of system controls freed inside their own procedure
// (parked meanwhile), when nothing of the library is on the stack; the
// message loop calls it between messages.
void DestroyParkedWindows();
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// Releases the capture when Control holds it (a control going away).
void CancelCaptureOf(TControl* Control);
// Sends Msg to List with the WM_DELETEITEM messages its removed items send
// its parent going unheard (an emptied list of a million owner-drawn items
// sends a million): no control of the library keeps anything per item.
LRESULT SendWithoutDeleteItems(HWND List, UINT Msg, WPARAM WParam, LPARAM LParam);
TCustomForm* GetParentForm(const TControl* Control);
// Hands Alt+letter (SC_KEYMENU) from a child window to its top-level window,
// whose menu bar answers it; false when the command stays with Wnd.
bool PassKeyMenuToRoot(HWND Wnd, WPARAM WParam, LPARAM LParam, LRESULT& Result);
TShiftState KeysToShiftState(WORD Keys);
TShiftState KeyDataToShiftState(intptr_t KeyData);
TShiftState KeyboardShiftState();
// The character after '&' in a caption ("&&" is a literal ampersand), or 0.
wchar_t GetHotkey(const String& Text);
// True when the key code or character VK is the accelerator of Str.
bool IsAccel(WORD VK, const String& Str);
// The character a virtual key stands for when it picks a menu item by its
// accelerator: letters and digits only, so that F-keys and the numeric pad,
// whose codes equal lower-case letters, never pick one; 0 for other keys.
wchar_t MenuAccelChar(WORD Key);
// The control under the screen point Pos: the windowless child there when
// there is one (disabled ones too with AllowDisabled), else the window.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);
