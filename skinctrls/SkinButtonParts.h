// Pieces shared by the skinned buttons, check boxes and speed buttons: timers
// made on demand, the morph of two faces, the look of a part without a skin,
// the caption font, glyph-and-caption content and group siblings.
#pragma once

#include <functional>
#include <vector>

#include "classlib/Controls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ImgList.h"
#include "skin/SPUtils_draw.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinData.h"
#include "skinctrls/ButtonFocus.h"
#include "skinctrls/ButtonRules.h"

// The values of a button record (TspDataSkinButtonControl) with their
// fallbacks: an empty hot face is the normal one, an empty down face the hot
// one, and a disabled font colour equal to the font colour becomes grey.
struct TspButtonSkin {
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
  TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect, FocusedSkinRect, AnimateSkinRect;
  bool Morphing = false;
  int MorphKind = 0;
  int FrameCount = 0, AnimateInterval = 25;
  bool ShowFocus = false;
  TRect MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect, MenuMarkerFlatRect;
  TColor MenuMarkerTransparentColor = 0;
  int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
  int GlowLayerOffsetLeft = 0, GlowLayerOffsetTop = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetBottom = 0;
  int GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0;
  int GlowLayerAlphaBlendValue = 255;

  void Read(const TspDataSkinButtonControl& Record, const TRect& SkinRect);
  // No record: no morph and no animation.
  void Clear() { *this = TspButtonSkin(); }
};

// Sender, canvas, content rectangle, down and hot; clearing DrawDefault
// leaves the glyph and caption undrawn.
using TspButtonPaintEvent =
    TEvent<void(TObject* Sender, TCanvas* Cnvs, TRect R, bool ADown, bool AMouseIn, bool& DrawDefault)>;

// A timer of the control made on its first start and stopped (not freed)
// when done, so that a tick that ends the timer does not free it under itself.
class TspControlTimer {
 public:
  TspControlTimer(TComponent* Owner, TEvent<void()> OnTick) : FOwner(Owner), FOnTick(std::move(OnTick)) {}
  void Start(unsigned Interval);
  void Stop();
  bool Running() const { return FTimer && FTimer->Enabled(); }
  void SetInterval(unsigned Interval);
  unsigned Interval() const { return FTimer ? FTimer->Interval() : 0; }

 private:
  TComponent* FOwner;
  TEvent<void()> FOnTick;
  TTimer* FTimer = nullptr;  // owned by FOwner
};

// The hover morph and the frame animation of a button-like control. The morph
// moves MorphKf (the share of the hot look) in steps of 0.2 every 20 ms
// towards TargetHot; without CanMorph a tick jumps to the end.
class TspButtonEffects {
 public:
  TspButtonEffects(TComponent* Owner, std::function<void()> Repaint, std::function<bool()> TargetHot,
                   std::function<bool()> CanMorph);
  double MorphKf = 0;
  void StartMorph();
  void StopMorph() { FMorphTimer.Stop(); }
  bool Morphing() const { return FMorphTimer.Running(); }

  // Frames run from 1 up (Forward) or from FrameCount down, one per Interval ms.
  void StartAnimation(bool Forward, int FrameCount, int Interval);
  void StopAnimation();
  bool Animating() const { return FAnimateTimer.Running(); }
  // The frame shown while animating, else 0.
  int Frame() const { return Animating() ? FFrame : 0; }
  // While a run shows frame 1..FrameCount, that frame of AnimateRect stands
  // for the hot picture (forward) or the normal one (backward).
  void ApplyAnimationFrame(TRect& ActiveRect, TRect& NormalRect, const TRect& AnimateRect, int SkinWidth) const;

 private:
  void MorphTick();
  void AnimateTick();
  std::function<void()> FRepaint;
  std::function<bool()> FTargetHot, FCanMorph;
  TspControlTimer FMorphTimer, FAnimateTimer;
  int FFrame = 0, FFrameCount = 0;
  bool FForward = false;
};

// Auto-repeat: Click runs first kFirstRepeatDelay ms after Start, then every
// Interval ms until Stop.
class TspAutoRepeat {
 public:
  TspAutoRepeat(TComponent* Owner, TEvent<void()> Click);
  void Start(unsigned Interval);
  void Stop() { FTimer.Stop(); }
  bool Running() const { return FTimer.Running(); }
  // The wait before the next click; 0 when not running.
  unsigned NextDelay() const { return Running() ? FTimer.Interval() : 0; }

 private:
  void Tick();
  TEvent<void()> FClick;
  TspControlTimer FTimer;
  unsigned FInterval = 100;
};

// Effects on: a loaded skin with its effects switched on.
bool SkinEffectsOn(const TspSkinData* SkinData);

// Normal becomes the mix of Normal and Hot by morph Kind at factor Kf (the
// share of Hot); pictures of different sizes leave Normal as it is.
void MorphFaces(TBitmap* Normal, TBitmap* Hot, int Kind, double Kf);

// The state of a button-like part; without a skin it takes the engine's
// default look of small parts.
enum TspPartState { psIdle, psHot, psPressed };
inline void DrawDefaultPart(TCanvas* Canvas, const TRect& R, TspPartState State) {
  DrawDefaultPartLook(Canvas, R, State == psHot, State == psPressed);
}

// The canvas font for a caption: the record's when UseSkinFont and a record
// exists, else DefaultFont; the character set of the skin's resource strings
// when there are any.
void SetCaptionFont(TCanvas* Canvas, bool FromRecord, const String& Name, int Height, TFontStyles Style,
                    TFont* DefaultFont, const TspSkinData* SkinData);

// Glyph and caption of a button laid out in R: image ImageIndex of Images when
// it exists, else frame GlyphNum of the Glyph strip.
struct TspButtonContent {
  TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  TBitmap* Glyph = nullptr;
  int NumGlyphs = 1;
  int GlyphNum = 1;
  String Caption;
  int Layout = blGlyphLeft;
  int Margin = -1;
  int Spacing = 1;
  bool Enabled = true;
  bool Pressed = false;  // content moved by one pixel
};
void DrawButtonContent(TCanvas* Canvas, const TRect& R, const TspButtonContent& Content);

// Glyph of an action's image list image on fuchsia, or nothing when the
// action has no list or the index is outside it.
bool GlyphFromAction(TObject* Action, TBitmap* Glyph);

// The other controls of class T on Self's parent whose GroupIndex is Group,
// taken before any of them is changed (a handler may change the parent).
template <class T>
std::vector<T*> GroupSiblings(TControl* Self, int Group) {
  std::vector<T*> list;
  TWinControl* parent = Self->Parent();
  if (!parent) return list;
  for (int i = 0; i < parent->ControlCount(); ++i)
    if (auto* c = dynamic_cast<T*>(parent->Controls(i)); c && c != Self && c->GroupIndex() == Group) list.push_back(c);
  return list;
}
