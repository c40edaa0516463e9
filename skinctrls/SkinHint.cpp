// TspSkinHint: installs the skinned hint window as the application's hint
// window, follows the show-hint event for titles and images of skinned
// controls, and shows or hides its own hint window on request.
#include "skinctrls/SkinHint.h"

#include <algorithm>

#include "skin/SPUtils_platform.h"
#include "skinctrls/SkinControl.h"

namespace {

std::vector<TspSkinHint*>& AllHints() {
  static std::vector<TspSkinHint*> hints;
  return hints;
}

// The component whose handler is the application's OnShowHint, or nullptr.
TspSkinHint* gHooked = nullptr;

// Frees the application's hint window so that the next hint makes one of
// the class now set.
void RecreateApplicationHintWindow() {
  const bool show = Application->ShowHint();
  Application->SetShowHint(!show);
  Application->SetShowHint(show);
}

template <class TControlClass>
bool CopyHintExtras(TControl* Control, TspSkinHint* Hint) {
  auto* c = dynamic_cast<TControlClass*>(Control);
  if (!c) return false;
  Hint->HintTitle = c->HintTitle();
  Hint->HintImageIndex = c->HintImageIndex();
  Hint->HintImageList = c->HintImageList();
  return true;
}

// Rows of a monochrome mask from HotY down to the last row with a pixel
// that shows; Transparent is the bit value of a pixel that does not.
int VisibleRowsBelow(const std::vector<uint8_t>& Bits, int RowBytes, int Width, int FirstRow, int Rows, int HotY,
                     bool TransparentBit) {
  for (int y = FirstRow + Rows - 1; y >= FirstRow; --y) {
    const uint8_t* row = Bits.data() + y * RowBytes;
    for (int x = 0; x < Width; ++x) {
      const bool bit = (row[x / 8] >> (7 - x % 8)) & 1;
      if (bit != TransparentBit) return y - FirstRow - HotY + 1;
    }
  }
  return 0;
}

}  // namespace

int HintCursorHeight() {
  int height = GetSystemMetrics(SM_CYCURSOR);
  ICONINFO info;
  HCURSOR cursor = GetCursor();
  if (!cursor || !GetIconInfo(cursor, &info)) return height;
  if (!info.hbmColor && info.hbmMask) {
    BITMAP bm;
    GetObjectW(info.hbmMask, sizeof(bm), &bm);
    const int rowBytes = ((bm.bmWidth + 31) / 32) * 4;
    std::vector<uint8_t> bits(static_cast<size_t>(rowBytes) * bm.bmHeight);
    struct {
      BITMAPINFOHEADER h;
      RGBQUAD colors[2];
    } bi = {};
    bi.h.biSize = sizeof(bi.h);
    bi.h.biWidth = bm.bmWidth;
    bi.h.biHeight = -bm.bmHeight;  // top-down
    bi.h.biPlanes = 1;
    bi.h.biBitCount = 1;
    HDC dc = GetDC(nullptr);
    const int got = GetDIBits(dc, info.hbmMask, 0, bm.bmHeight, bits.data(), reinterpret_cast<BITMAPINFO*>(&bi),
                              DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (got == bm.bmHeight) {
      // A double-height mask holds the AND half over the XOR half.
      const int half = bm.bmHeight / 2;
      int rows = VisibleRowsBelow(bits, rowBytes, bm.bmWidth, 0, half, static_cast<int>(info.yHotspot), true);
      if (rows <= 0) rows = VisibleRowsBelow(bits, rowBytes, bm.bmWidth, half, half, static_cast<int>(info.yHotspot), false);
      if (rows > 0) height = rows;
    }
  }
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return height;
}

// ---------------------------------------------------------------------------
// TspSkinHint

TspSkinHint::TspSkinHint(TComponent* AOwner) : TComponent(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  AllHints().push_back(this);
  FHintWindow = new TspSkinHintWindow(this);
  if (ComponentState().Contains(csDesigning)) return;
  HookApplication();
  Application->SetHintShortPause(100);
}

TspSkinHint::~TspSkinHint() { TspSkinHint::BeforeDestruction(); }

void TspSkinHint::BeforeDestruction() {
  if (FActive) SetActive(false);
  auto& all = AllHints();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
  TComponent::BeforeDestruction();
}

void TspSkinHint::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FTimer) FTimer = nullptr;
  if (AComponent == FHintWindow) FHintWindow = nullptr;
}

void TspSkinHint::SetSkinData(TspSkinData* Value) {
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  FSkinData = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinHint::SetAlphaBlendSupport(bool Value) {
  FAlphaBlendSupport = Value && (IsWindows2000OrLater() || ComponentState().Contains(csDesigning));
}

TspSkinHint* TspSkinHint::Serving() {
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  if (!main) return nullptr;
  for (int i = 0; i < main->ComponentCount(); ++i)
    if (auto* hint = dynamic_cast<TspSkinHint*>(main->Components(i)); hint && hint->FActive) return hint;
  return nullptr;
}

void TspSkinHint::HookApplication() {
  Application->SetHintWindowClass([](TComponent* Owner) -> THintWindow* { return new TspSkinHintWindow(Owner); });
  if (gHooked != this) {
    gHooked = this;
    Application->OnShowHint = [this](String& S, bool& CanShow, THintInfo& Info) { ShowHintHandler(S, CanShow, Info); };
  }
  RecreateApplicationHintWindow();
}

void TspSkinHint::UnhookApplication() {
  if (gHooked == this) {
    gHooked = nullptr;
    Application->OnShowHint = nullptr;
  }
  for (TspSkinHint* other : AllHints())
    if (other != this && other->FActive) {
      if (!gHooked) other->HookApplication();
      return;
    }
  // No skinned hint serves any more: back to the plain hint window.
  Application->SetHintWindowClass(nullptr);
  RecreateApplicationHintWindow();
}

void TspSkinHint::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (ComponentState().Contains(csDesigning)) return;
  if (!Value) {
    HideSkinHint();
    UnhookApplication();
    return;
  }
  if (TCustomForm* main = Application->MainForm())
    for (int i = 0; i < main->ComponentCount(); ++i)
      if (auto* other = dynamic_cast<TspSkinHint*>(main->Components(i)); other && other != this && other->FActive)
        other->SetActive(false);
  HookApplication();
}

void TspSkinHint::ClearTitle() {
  HintTitle.clear();
  HintImageIndex = -1;
  HintImageList = nullptr;
}

void TspSkinHint::ShowHintHandler(String& HintStr, bool& CanShow, THintInfo& HintInfo) {
  ClearTitle();
  if (!CopyHintExtras<TspSkinControl>(HintInfo.HintControl, this))
    CopyHintExtras<TspGraphicSkinControl>(HintInfo.HintControl, this);
  if (OnShowHint) OnShowHint(HintStr, CanShow, HintInfo);
}

// One timer serves both pauses; it is only stopped, never freed, since a hide
// runs from its own tick.
void TspSkinHint::ShowHintDelayed(const String& Text) {
  FPendingText = Text;
  ClearTitle();
  if (!FTimer) {
    FTimer = new TTimer(this);
    FTimer->OnTimer = [this](TObject* Sender) { TimerTick(Sender); };
  }
  FTimer->SetEnabled(false);
  FTimer->SetInterval(static_cast<uint32_t>(std::max(1, Application->HintPause())));
  FTimerShows = true;
  FTimer->SetEnabled(true);
}

void TspSkinHint::TimerTick(TObject*) {
  if (!FTimerShows) {
    HideSkinHint();
    return;
  }
  POINT p;
  GetCursorPos(&p);
  const int y = p.y + HintCursorHeight();
  if (FHintWindow) FHintWindow->ActivateHint(TRect(p.x, y, p.x, y), FPendingText);
  FTimerShows = false;
  FTimer->SetEnabled(false);
  FTimer->SetInterval(static_cast<uint32_t>(std::max(1, Application->HintHidePause())));
  FTimer->SetEnabled(true);
}

void TspSkinHint::ShowHintAt(const TPoint& P, const String& Text) {
  ClearTitle();
  if (FHintWindow) FHintWindow->ActivateHint(TRect(P.X, P.Y, P.X, P.Y), Text);
}

void TspSkinHint::HideSkinHint() {
  if (FTimer) FTimer->SetEnabled(false);
  if (!FHintWindow || !FHintWindow->Visible()) return;
  FHintWindow->SetVisible(false);
  SetWindowPos(FHintWindow->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  ClearTitle();
}
