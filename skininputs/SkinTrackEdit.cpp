// The track edit and its pop-up track bar: value and typing rules, dropping
// down and closing up, keys and wheel.
#include "skininputs/SkinTrackEdit.h"

#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_platform.h"
#include "skininputs/NumericRules.h"

// ---------------------------------------------------------------------------
// TspSkinPopupTrackBar

TspSkinPopupTrackBar::TspSkinPopupTrackBar(TComponent* AOwner) : TspSkinTrackBar(AOwner) {
  FControlStyle.Include(csNoDesignVisible).Include(csReplicatable);
  FSkinDataName = L"htrackbar";
  FVisible = false;
}

void TspSkinPopupTrackBar::CreateParams(TCreateParams& Params) {
  TspSkinTrackBar::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WindowClass.style = CS_SAVEBITS;
  if (IsWindowsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
  // Owned by the edit's form, so that it stays above it.
  TCustomForm* form = TrackEdit ? GetParentForm(TrackEdit) : nullptr;
  Params.WndParent = form && form->HandleAllocated() ? form->Handle() : nullptr;
}

void TspSkinPopupTrackBar::Dispatch(TMessage& Message) {
  if (Fade.HandleTimer(Message)) return;
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TspSkinTrackBar::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// TspSkinTrackEdit

TspSkinTrackEdit::TspSkinTrackEdit(TComponent* AOwner) : TspSkinCustomEdit(AOwner) {
  SetButtonMode(true);
  FSkinDataName = L"buttonedit";
  SetOwnText(L"0");
  FWidth = 120;
  FHeight = 20;
  OnButtonClick = [this](TObject*) { ToggleDropDown(); };
  FTrackBar = new TspSkinPopupTrackBar(this);
  FTrackBar->TrackEdit = this;
  FTrackBar->OnChange = [this](TObject*) { TrackBarChanged(); };
}

TspSkinTrackEdit::~TspSkinTrackEdit() {
  TspSkinTrackEdit::BeforeDestruction();
  Free(FTrackBar);
}

void TspSkinTrackEdit::BeforeDestruction() {
  DetachTrackBar();
  TspSkinCustomEdit::BeforeDestruction();
}

void TspSkinTrackEdit::DetachTrackBar() {
  // The bar's last messages and ticks must not call back here; it is set
  // aside until this control is deleted.
  TspSkinPopupTrackBar* bar = FTrackBar;
  bar->OnChange = nullptr;
  bar->TrackEdit = nullptr;
  bar->Fade.Stop();
  SetPartAside(this, bar);
}

int TspSkinTrackEdit::Limited(int V) const { return static_cast<int>(LimitValue(V, FMinValue, FMaxValue)); }

void TspSkinTrackEdit::SetOwnText(const String& S) {
  FTextSetting = true;
  SetText(S);
  FTextSetting = false;
}

void TspSkinTrackEdit::SetValue(int Value) {
  FValue = Limited(Value);
  SetOwnText(IntToStr(FValue));
  if (DroppedDown()) FTrackBar->SetValue(FValue);
}

void TspSkinTrackEdit::TrackBarChanged() {
  if (FTrackBar->Value() != FValue) SetValue(FTrackBar->Value());
}

void TspSkinTrackEdit::Change() {
  if (FRewriting) return;
  const String text = Text();
  double typed = 0;
  // A text that is no number yet, or one beyond 32 bits, leaves Value alone:
  // typing never raises.
  if (!FTextSetting && IsNumberText(text, false, L'.') && TryParseNumberText(text, false, typed)) {
    const int v = Limited(static_cast<int>(typed));
    if (v != FValue) FValue = v;
    if (NumberNeedsRewrite(typed, v, FMinValue, FMaxValue)) {
      FRewriting = true;
      SetText(IntToStr(FValue));
      if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, Text().size(), Text().size());
      FRewriting = false;
    }
    if (DroppedDown()) FTrackBar->SetValue(FValue);
  }
  TspSkinCustomEdit::Change();
}

void TspSkinTrackEdit::KeyPress(wchar_t& Key) {
  if (!AcceptNumberKey(Key, Text(), false, L'.')) {
    Key = 0;
    MessageBeep(0);
  }
  TspSkinCustomEdit::KeyPress(Key);
}

void TspSkinTrackEdit::Step(int Delta) {
  if (DroppedDown()) FTrackBar->SetValue(FTrackBar->Value() + Delta);
  else SetValue(FValue + Delta);
}

void TspSkinTrackEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TspSkinCustomEdit::KeyDown(Key, Shift);
  if (!FSupportUpDownKeys) return;
  if (Key == VK_UP) Step(FIncrement);
  else if (Key == VK_DOWN) Step(-FIncrement);
}

void TspSkinTrackEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KILLFOCUS:
      TspSkinCustomEdit::Dispatch(Message);
      CloseUp();
      SetOwnText(IntToStr(FValue));
      return;
    case WM_SETFOCUS:
      TspSkinCustomEdit::Dispatch(Message);
      if (FMinValue != FMaxValue) SetMaxLength(TrackEditMaxLength(FMinValue, FMaxValue));
      return;
    case WM_MOUSEWHEEL:
      // Toward the user (a negative delta) steps up.
      Step(static_cast<int16_t>(HIWORD(Message.WParam)) < 1 ? FIncrement : -FIncrement);
      Message.Result = 0;
      return;
    case CM_CANCELMODE:
      TspSkinCustomEdit::Dispatch(Message);
      if (reinterpret_cast<TControl*>(Message.LParam) != FTrackBar) CloseUp();
      return;
  }
  TspSkinCustomEdit::Dispatch(Message);
}

void TspSkinTrackEdit::ToggleDropDown() {
  if (DroppedDown()) CloseUp();
  else DropDown();
}

void TspSkinTrackEdit::DropDown() {
  FTrackBar->SetWidth(FTrackBarWidth != 0 ? FTrackBarWidth : Width());
  FTrackBar->SetDefaultHeight(Height());
  FTrackBar->SetSkinDataName(FTrackBarSkinDataName);
  FTrackBar->SetSkinData(FSkinData);
  FTrackBar->SetMinValue(FMinValue);
  FTrackBar->SetMaxValue(FMaxValue);
  FTrackBar->SetValue(FValue);
  FTrackBar->HandleNeeded();
  RECT w;
  GetWindowRect(Handle(), &w);
  TRect work;
  GetMonitorRect(Handle(), true, work);
  const TPoint p = TrackBarPopupPos(TRect(w.left, w.top, w.right, w.bottom), FTrackBar->Width(),
                                    FTrackBar->Height(), FPopupKind, work);
  const HWND bar = FTrackBar->Handle();
  const bool blend = FTrackBarAlphaBlend && IsWindows2000OrLater();
  const bool fade = blend && FTrackBarAlphaBlendAnimation;
  if (blend) {
    SetWindowLongW(bar, GWL_EXSTYLE, GetWindowLongW(bar, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetAlphaBlendTransparent(bar, fade ? 0 : FTrackBarAlphaBlendValue);
  }
  FTrackBar->SetBounds(p.X, p.Y, FTrackBar->Width(), FTrackBar->Height());
  SetWindowPos(bar, HWND_TOP, p.X, p.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  FTrackBar->SetVisible(true);
  if (fade) FTrackBar->Fade.Start(FTrackBarAlphaBlendValue);
}

void TspSkinTrackEdit::CloseUp() {
  if (!DroppedDown()) return;
  FTrackBar->Fade.Stop();
  const HWND bar = FTrackBar->Handle();
  SetWindowPos(bar, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  FTrackBar->SetVisible(false);
  if (FTrackBarAlphaBlend && IsWindows2000OrLater())
    SetWindowLongW(bar, GWL_EXSTYLE, GetWindowLongW(bar, GWL_EXSTYLE) & ~WS_EX_LAYERED);
}
