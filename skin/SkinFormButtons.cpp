// Caption buttons: their looks (skin pictures or the default glyphs), hints
// and restore state.
#include "skin/SkinFormObjects.h"

#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_geometry.h"

namespace {

const wchar_t* HintKey(TspCommandKind Command) {
  switch (Command) {
    case cmClose: return L"CLOSEBUTTON_HINT";
    case cmMaximize: return L"MAXBUTTON_HINT";
    case cmMinimize: return L"MINBUTTON_HINT";
    case cmSysMenu: return L"MENUBUTTON_HINT";
    case cmRollUp: return L"ROLLUPBUTTON_HINT";
    case cmMinimizeToTray: return L"TRAYBUTTON_HINT";
    default: return nullptr;
  }
}

// The default look's fills of a hot and of a pressed part.
constexpr TColor kHotFill = 0xD2BDB6, kDownFill = 0xB59385, kNavy = 0x800000;

}  // namespace

TspSkinStdButtonObject::TspSkinStdButtonObject(TspDataSkinStdButton* Data, TBitmap* ActivePicture)
    : TspSkinButtonObject(Data, ActivePicture),
      FCommand(Data->Command),
      FRestore{Data->RestoreRect, Data->RestoreActiveRect, Data->RestoreDownRect, Data->RestoreInActiveRect} {}

bool TspRestoreLooks::Shown(TspCommandKind Command, const TspFrameState& State) const {
  return ((Command == cmMaximize && State.WindowState == 2) || (Command == cmMinimize && State.WindowState == 1)) &&
         !IsNullRect(Normal);
}

const TRect& TspRestoreLooks::Pick(bool Pressed, bool Hot, bool FormActive) const {
  if (Pressed && !IsNullRect(Down)) return Down;
  if (!FormActive && !IsNullRect(InActive)) return InActive;
  return Hot && !IsNullRect(Active) ? Active : Normal;
}

bool TspSkinStdButtonObject::RestoreState(const TspFrameState& State) const {
  return (FCommand == cmMaximize && State.WindowState == 2) || (FCommand == cmMinimize && State.WindowState == 1);
}

String TspSkinStdButtonObject::Hint(const TspFrameState& State) const {
  if (RestoreState(State)) return FrameResStr(State.Strings, L"RESTORE_HINT");
  if (const wchar_t* key = HintKey(FCommand)) return FrameResStr(State.Strings, key);
  return FHint;
}

void TspSkinStdButtonObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  if (!FActivePicture) {
    // No picture for the button: the frame under it, the default look's hot
    // or pressed fill, and the command's glyph.
    CopyPiece(Canvas, NormalPicture(Frame), FSkinRect);
    const bool pressed = Down && Active;
    if (Active) {
      Canvas->Pen()->SetColor(kNavy);
      Canvas->Brush()->SetColor(pressed ? kDownFill : kHotFill);
      Canvas->Rectangle(ObjectRect);
    }
    const int shift = pressed ? 1 : 0;
    const int x = ObjectRect.Left + (ObjectRect.Width() - 11) / 2 + shift;
    const int y = ObjectRect.Top + (ObjectRect.Height() - 10) / 2 + shift;
    DrawCommandGlyph(Canvas, x, y, FrameGlyphColor(State.Skin, Active), FCommand, State.WindowState,
                     State.RolledUp);
    return;
  }
  if (!FRestore.Shown(FCommand, State)) {
    TspSkinButtonObject::Draw(Canvas, Frame, State);
    return;
  }
  // The restore looks lie in the active picture, like the other active looks.
  CopyPiece(Canvas, FActivePicture, FRestore.Pick(Down && Active, Active, State.FormActive));
}
