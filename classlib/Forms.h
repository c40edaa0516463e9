// Forms (top-level windows laid out in code), the application object with its
// message loop and hints, and the screen.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "classlib/Controls.h"
#include "classlib/StringList.h"

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TTileMode { tbHorizontal, tbVertical };
enum TPosition { poDesigned, poScreenCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStateFlag { fsCreating, fsVisible, fsShowing, fsModal, fsActivated };
using TFormState = TSet<TFormStateFlag>;

class TMainMenu;

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;
// Sees a key down (WM_KEYDOWN or WM_SYSKEYDOWN) before the menus and actions;
// setting Handled eats the key.
using TShortCutEvent = TEvent<void(TMessage& Msg, bool& Handled)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TCustomForm"; }
  void Dispatch(TMessage& Message) override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value);
  TFormState FormState() const { return FFormState; }
  bool Active() const { return FActive; }
  // Follows the window as the user or the system sizes it (WM_SIZE); a state
  // set while the form is hidden applies when it shows.
  TWindowState WindowState() const;
  void SetWindowState(TWindowState Value);

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Shows the form and runs messages until ModalResult is set; other forms
  // are disabled meanwhile.
  virtual TModalResult ShowModal();
  // An MDI child that is already open comes forward as the active child, as
  // for a document opened again; a top-level form comes to the top.
  void Show() override;
  void BringToFront() override;
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages already queued are handled.
  void Release();

  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  // Focus moves to Control now when the form is active, else when it activates.
  void FocusControl(TWinControl* Control);
  // Called by a control that received the focus.
  void SetFocusedControl(TWinControl* Control);
  // Called before a child leaves the form, to drop references to it.
  void ControlRemoving(TControl* Control);

  TRect ClientRect() const override;
  // Narrows the sizes the system may give the window (WM_GETMINMAXINFO) to
  // the form's Constraints; a frame of the program's own calls it after
  // filling in its own limits.
  void ConstrainMinMaxInfo(MINMAXINFO& Info) const;

  // Fires OnCreate; TApplication::CreateForm calls it once the form's own
  // constructor has laid it out.
  virtual void DoCreate();

  TCanvas* Canvas() const { return FCanvas.get(); }

  // MDI (FormsMDI.cpp). The style is read when the window is made: an
  // fsMDIForm frame gets an MDI client window in the room its aligned
  // controls leave; an fsMDIChild form lives in its MDIFrame's client window. Set it before the window exists.
  HWND ClientHandle() const { return FClientHandle; }
  // The frame of an MDI child: its owner when that is an MDI frame, else the
  // application's main form when that is one; nullptr for other forms.
  TCustomForm* MDIFrame() const;
  TCustomForm* ActiveMDIChild() const;
  int MDIChildCount() const;
  // The frame's children, the most recently activated first.
  TCustomForm* MDIChildren(int Index) const;
  TTileMode TileMode() const { return FTileMode; }
  void SetTileMode(TTileMode Value) { FTileMode = Value; }
  void Tile();
  void Cascade();
  void ArrangeIcons();
  void Next();
  void Previous();

  // The form's menu bar, not owned; cleared when the menu is freed. A form in
  // the system's frame shows it as the window's menu bar, kept in step with
  // the items, whose OnClick runs when they are chosen.
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  // False while a frame of the program's own draws the menu bar (the skinned
  // form): the window then has no system menu bar.
  bool NativeMenuBar() const { return FNativeMenuBar; }
  void SetNativeMenuBar(bool Value);

  // A key down meant as a shortcut: OnShortCut, then the menu's items, then
  // (an MDI frame) the active child's, then the actions of the action lists
  // the form owns. True when one of them took the key. The focused control
  // asks its form (and an MDI child's frame) before it sees the key itself.
  virtual bool IsShortCut(TMessage& Message);
  TShortCutEvent OnShortCut;

  TNotifyEvent OnCreate, OnDestroy, OnShow, OnHide, OnActivate, OnDeactivate, OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateHandleDone() override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void DefaultHandler(TMessage& Message) override;
  void VisibleChanged() override;
  void PaintWindow(HDC DC) override;
  virtual void Paint();
  virtual void DoClose(TCloseAction& Action);
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();
  void ApplyAlphaBlend();
  void UpdateBorder();
  // Puts the menu on the window's system menu bar or takes it off, as the
  // menu, the frame and the kind of window ask.
  void AttachMenuBar();
  void Notification(TComponent* AComponent, TOperation Operation) override;

  void WMActivate(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  // Focuses the active control, or the first one that can take the focus.
  void FocusActiveControl();
  void WMClose(TMessage& Message);
  void CMFrameClientRect(TMessage& Message);
  void WMSize(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  // Moves the focus by an arrow key.
  void SelectArrowNext(bool GoForward);

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TFormStyle FFormStyle = fsNormal;
  TPosition FPosition = poDesigned;
  bool FKeyPreview = false;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 255;
  TFormState FFormState;
  TWindowState FWindowState = wsNormal;
  TModalResult FModalResult = mrNone;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  TMainMenu* FMenu = nullptr;
  bool FNativeMenuBar = true;
  bool FActive = false;
  std::unique_ptr<TControlCanvas> FCanvas;
  HWND FClientHandle = nullptr;
  TTileMode FTileMode = tbHorizontal;

 private:
  friend class TWinControl;
  void CreateMDIClient();
  // IsShortCut without asking the active MDI child when it is Skip.
  bool FormShortCut(TMessage& Message, const TCustomForm* Skip);
  // The client window of the frame an MDI child lives in; none while the frame has none.
  HWND MDIClientWindow() const;
  void MDIChildParams(TCreateParams& Params) const;
  std::vector<TCustomForm*> MDIChildList() const;
  // The state the window is in now, shown or not.
  TWindowState WindowStateOfWindow() const;
  // A shown top-level window, whose own state is the form's.
  bool ShowsItsWindowState() const;
};

// The program's own icon: the icon group "MAINICON", else the first icon
// group among its resources; nullptr when it has none. Shared, not to be
// destroyed.
HICON ProgramIcon();

// Lets an MDI frame's client window take the MDI keys (Ctrl+F4, Ctrl+F6)
// pressed in one of its children; True when the message was such a key.
bool IsMDIMsg(MSG& Msg);

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
  String ClassName() const override { return L"TForm"; }
};

// ---------------------------------------------------------------------------
// Hints

class THintWindow;

struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;  // screen position of the hint's top-left
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;  // the hint stays while the mouse is inside (client coordinates)
  TPoint CursorPos;  // client coordinates
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  String HintStr;
  void* HintData = nullptr;
};

using TShowHintEvent = TEvent<void(String& HintStr, bool& CanShow, THintInfo& HintInfo)>;
using THintWindowClass = std::function<THintWindow*(TComponent* AOwner)>;

// A plain pop-up that shows one line or a few lines of hint text.
class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);
  String ClassName() const override { return L"THintWindow"; }
  // Bounds (screen coordinates) that fit AHint within MaxWidth.
  virtual TRect CalcHintRect(int MaxWidth, const String& AHint, void* AData);
  // Shows the hint at Rect (screen coordinates) without taking the focus.
  virtual void ActivateHint(const TRect& ARect, const String& AHint);
  void ReleaseHandle() { DestroyHandle(); }
  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
};

// ---------------------------------------------------------------------------
// Application

using TMessageEvent = TEvent<void(MSG& Msg, bool& Handled)>;
// A listener on every message the application's loop takes from the queue.
using TMessageHook = std::function<void(MSG& Msg, bool& Handled)>;
using TIdleEvent = TEvent<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = TEvent<void(TObject* Sender, const std::exception* E)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;
  String ClassName() const override { return L"TApplication"; }

  void Initialize();
  // Shows MainForm and runs the message loop until Terminate.
  void Run();
  // Handles every queued message, then returns.
  void ProcessMessages();
  // Handles one message, or runs the idle work and waits for the next.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Clears the terminated state so that a new loop can run (tests, dialogs
  // after a quit request was answered).
  void ResetTerminated() { FTerminated = false; }

  // Constructs a form, fires its OnCreate and makes the first one the main form.
  template <typename T, typename... Args>
  T* CreateForm(Args&&... args) {
    T* form = new T(std::forward<Args>(args)...);
    if (!FMainForm) FMainForm = form;
    form->DoCreate();
    return form;
  }
  TCustomForm* MainForm() const { return FMainForm; }
  void SetMainForm(TCustomForm* Form) { FMainForm = Form; }

  // The hidden window that owns the forms.
  HWND Handle();
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value);
  // The program's icon (ProgramIcon), else the system's default one; forms
  // and the tray icon show it.
  TIcon* Icon();
  // Whether Run shows the main form; a component that starts the program
  // hidden (in the tray) switches it off.
  bool ShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool Value) { FShowMainForm = Value; }
  // True once Run has started its loop.
  bool Running() const { return FRunning; }
  // Runs Hook when Run starts, before it shows the main form (at once when
  // Run has started already). A hook that outlives what it serves checks
  // that itself.
  void OnRunStart(std::function<void()> Hook);
  bool Active() const { return FActive; }

  // Hints. Switching ShowHint off frees the hint window; the next hint makes
  // one of HintWindowClass (a plain THintWindow when unset).
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  // Milliseconds before a hint shows, before it hides again, and before the
  // next control's hint shows while one is up.
  int HintPause() const { return FHintPause; }
  void SetHintPause(int Value) { FHintPause = Value; }
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int Value) { FHintHidePause = Value; }
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int Value) { FHintShortPause = Value; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value) { FHintColor = Value; }
  const THintWindowClass& HintWindowClass() const { return FHintWindowClass; }
  void SetHintWindowClass(THintWindowClass Value) { FHintWindowClass = std::move(Value); }
  TShowHintEvent OnShowHint;
  void CancelHint();
  void ActivateHint(const TPoint& CursorPos);
  THintWindow* HintWindow() const { return FHintWindow; }
  TControl* HintControl() const { return FHintControl; }

  void HandleException(TObject* Sender);

  // Hooks see each queued message in the order they were added, before
  // OnMessage; the first to set Handled stops it there. A hook may add or
  // remove hooks (itself too) while it runs. Ids start at 1.
  int AddMessageHook(TMessageHook Hook);
  void RemoveMessageHook(int Id);
  int MessageHookCount() const { return static_cast<int>(FHooks.size()); }

  TMessageEvent OnMessage;
  TIdleEvent OnIdle;
  TExceptionEvent OnException;
  TNotifyEvent OnActivate, OnDeactivate;

  // Drops every reference to a control that is going away.
  void ControlDestroyed(TControl* Control);

 private:
  bool ProcessMessage(MSG& Msg);
  void DispatchLoopMessage(MSG& Msg);
  bool RunMessageHooks(MSG& Msg);
  bool IsKeyMsg(MSG& Msg);
  void HintMouseMessage(const MSG& Msg);
  void StartHintTimer(int Interval);
  void StopHintTimer();
  void HintTimerExpired();
  void HideHint();
  void Idle();
  void AppWndProc(TMessage& Message);

  HWND FHandle = nullptr;
  std::unique_ptr<TIcon> FIcon;
  bool FShowMainForm = true, FRunning = false;
  std::vector<std::function<void()>> FRunStartHooks;
  std::vector<std::pair<int, std::shared_ptr<TMessageHook>>> FHooks;
  int FNextHookId = 1;
  String FTitle;
  bool FTerminated = false;
  bool FActive = false;
  TCustomForm* FMainForm = nullptr;
  bool FShowHint = true;
  int FHintPause = 500;
  int FHintHidePause = 2500;
  int FHintShortPause = 50;
  TColor FHintColor = clInfoBk;
  THintWindowClass FHintWindowClass;
  THintWindow* FHintWindow = nullptr;
  TControl* FHintControl = nullptr;
  bool FHintTimerRunning = false;
  bool FHintShowing = false;
  TRect FHintCursorRect;
};

// ---------------------------------------------------------------------------
// Screen

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* AOwner);
  String ClassName() const override { return L"TScreen"; }

  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const { return FForms.at(Index); }
  TCustomForm* ActiveForm() const { return FActiveForm; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  // The window that takes the keys for Form: its own, or while a modal form
  // has disabled it, that of the modal form shown last (a dialog's dialog);
  // nullptr while Form has no window.
  HWND KeysWindowOf(TCustomForm* Form) const;

  // The cursor of the whole application; crDefault lets each control choose.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  HCURSOR Cursors(TCursor Index) const;
  void SetCursors(TCursor Index, HCURSOR Handle);

  // Names of the installed font families, sorted.
  TStrings* Fonts();
  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);

  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
  TWinControl* FActiveControl = nullptr;
  TCursor FCursor = crDefault;
  std::map<TCursor, HCURSOR> FCursors;
  std::unique_ptr<TStringList> FFonts;
};

extern TApplication* Application;
extern TScreen* Screen;
