// Animation frame objects: frame strips played by a timer, cycling, once, or
// as a button while the mouse is over it.
#include "skin/SPUtils_geometry.h"
#include "skin/SkinFormObjectKinds.h"
#include "skin/SkinFormObjectRules.h"

TspSkinAnimateObject::TspSkinAnimateObject(TspDataSkinAnimate* Data, TBitmap* ActivePicture)
    : TspSkinFrameObject(Data, ActivePicture),
      FCount(Data->CountFrames),
      FInterval(Data->TimerInterval > 0 ? Data->TimerInterval : 50),
      FCycle(Data->Cycle),
      FButtonStyle(Data->ButtonStyle),
      FCommand(Data->Command),
      FDownRect(Data->DownSkinRect),
      FRestore{Data->RestoreRect, Data->RestoreActiveRect, Data->RestoreDownRect, Data->RestoreInActiveRect},
      FRestoreHint(Data->RestoreHint) {}

String TspSkinAnimateObject::Hint(const TspFrameState& State) const {
  return FRestore.Shown(FCommand, State) && !FRestoreHint.empty() ? FRestoreHint : FHint;
}

bool TspSkinAnimateObject::Animating() const {
  if (FCount <= 1 || !FActivePicture || IsNullRect(FActiveSkinRect)) return false;
  if (FCycle) return !FButtonStyle || Active || FFrame > 0;
  if (FButtonStyle) return Active ? FFrame < FCount - 1 : FFrame > 0;
  return !FPlayed;
}

bool TspSkinAnimateObject::AnimationTick() {
  if (!Animating()) return false;
  // A button plays forward while the mouse is over it and back after.
  const bool forward = !FButtonStyle || Active;
  const TspAnimationStep step = NextAnimationFrame(FFrame, FCount, forward, FCycle && forward);
  if (!FButtonStyle && !FCycle && !step.Running) FPlayed = true;
  const bool changed = step.Frame != FFrame;
  FFrame = step.Frame;
  return changed;
}

void TspSkinAnimateObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  const bool pressed = Down && Active;
  if (FActivePicture && FRestore.Shown(FCommand, State)) {
    CopyPiece(Canvas, FActivePicture, FRestore.Pick(pressed, Active, State.FormActive));
    return;
  }
  if (pressed && FActivePicture && !IsNullRect(FDownRect)) {
    CopyPiece(Canvas, FActivePicture, FDownRect);
    return;
  }
  // The strip shows once the animation has left its first frame, all the
  // time while cycling, and at once for a button under the mouse.
  const bool strip = FFrame > 0 || (FCycle && !FButtonStyle) || (FButtonStyle && Active);
  if (strip && FActivePicture && !IsNullRect(FActiveSkinRect)) {
    CopyPiece(Canvas, FActivePicture, FrameStripRect(FActiveSkinRect, FFrame, false));
    return;
  }
  DrawLook(Canvas, Frame, FSkinRect, NullRect(), State.FormActive);
}
