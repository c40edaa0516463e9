// Frame objects of the skinned form: one per skin object record, placed on
// the frame and drawn over it: caption buttons, the caption text, user areas
// and the other records' normal and active looks.
#pragma once

#include <memory>

#include "skin/SkinData.h"
#include "skin/SkinObjRecords.h"

// What an object needs of its form while it draws and acts.
struct TspFrameState {
  TspSkinData* Skin = nullptr;
  bool FormActive = true;
  int WindowState = 0;  // 0 normal, 1 minimized, 2 maximized
  bool RolledUp = false;
  String Caption;
  TFont* FormFont = nullptr;
  TspResourceStrData* Strings = nullptr;  // nullptr: the library's defaults
};

// The text of a resource string key from Strings, or the library's default.
String FrameResStr(TspResourceStrData* Strings, const String& Key);

class TspSkinFrameObject {
 public:
  // ActivePicture: the record's active picture, nullptr when its index is -1
  // or beyond the skin's active pictures.
  TspSkinFrameObject(TspDataSkinObject* Data, TBitmap* ActivePicture);
  virtual ~TspSkinFrameObject() = default;

  const String& IDName() const { return FIDName; }
  // The object lies on the roll-up picture and shows only while rolled up.
  bool RollUp() const { return FRollUp; }
  const TRect& SkinRect() const { return FSkinRect; }
  // Place on the window (window coordinates), set by the form's layout.
  TRect ObjectRect;
  // Shown at all (a caption button can be switched off by BorderIcons).
  bool Visible = true;
  // Mouse over it, and pressed.
  bool Active = false;
  bool Down = false;
  // Milliseconds until the animation's next frame (kept by the form's timer).
  int AnimationWait = 0;
  // 0 normal look .. 1 active look; steps while morphing.
  double MorphKf = 0;

  // The object's mask (the black pixels are the object, from its top-left
  // corner), not owned; nullptr: every point of ObjectRect is the object.
  void SetActiveMask(TBitmap* Mask) { FActiveMask = Mask; }
  // Whether P (window coordinates) is a point of the object.
  bool Contains(const TPoint& P) const;

  // Takes the mouse (hover, press, click); others let the caption drag.
  virtual bool Interactive() const { return false; }
  // A value shown by the object (gauges, regulators, track bars, switches);
  // SetValue keeps it in the record's range and says whether it changed.
  virtual bool HasValue() const { return false; }
  virtual int Value() const { return 0; }
  virtual bool SetValue(int) { return false; }
  // Text shown by the object (labels).
  virtual bool HasText() const { return false; }
  virtual String Text() const { return String(); }
  virtual void SetText(const String&) {}
  // A press sets the value and dragging changes it (object coordinates): no
  // click follows. Both say whether the value changed.
  virtual bool TakesDrag() const { return false; }
  virtual bool MouseDown(const TPoint&) { return false; }
  virtual bool MouseDrag(const TPoint&) { return false; }
  // Frame animations: whether the object wants ticks now, its interval in
  // ms, and one step (true when its look changed).
  virtual bool Animating() const { return false; }
  virtual int AnimationInterval() const { return 0; }
  virtual bool AnimationTick() { return false; }
  // Draws the object at ObjectRect over the frame in Canvas. Frame is the
  // picture the object's rectangles come from (form or roll-up picture).
  virtual void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State);
  virtual String Hint(const TspFrameState& State) const { return FHint; }
  // Advances MorphKf one step towards Active; True while it still moves.
  bool MorphStep(bool Effects);

  int CursorIndex() const { return FCursorIndex; }
  TBitmap* ActivePicture() const { return FActivePicture; }
  int GlowPictureIndex() const { return FGlowPicture; }
  int GlowMaskIndex() const { return FGlowMask; }
  TPoint GlowOffset() const { return FGlowOffset; }
  int GlowAlpha() const { return FGlowAlpha; }

 protected:
  // The look of the object drawn into a bitmap of its size: normal, or the
  // active look when Hot; with no active look the normal one.
  void DrawLook(TCanvas* Canvas, TBitmap* Frame, const TRect& Normal, const TRect& Hot, bool FormActive);
  // Copies Source of Picture to the object's place.
  void CopyPiece(TCanvas* Canvas, TBitmap* Picture, const TRect& Source) const;
  TBitmap* NormalPicture(TBitmap* Frame) const { return FSkinRectInAPicture && FActivePicture ? FActivePicture : Frame; }
  // Copies Source of Picture to Dest, leaving out Key's pixels when Keyed.
  static void CopyKeyed(TCanvas* Canvas, TBitmap* Picture, const TRect& Source, const TRect& Dest, bool Keyed,
                        TColor Key);

  String FIDName, FHint;
  bool FRollUp = false;
  bool FSkinRectInAPicture = false;
  TRect FSkinRect, FActiveSkinRect, FInActiveSkinRect;
  bool FMorphing = false;
  TspMorphKind FMorphKind = mkDefault;
  TBitmap* FActivePicture = nullptr;
  TBitmap* FActiveMask = nullptr;
  int FCursorIndex = -1;
  int FGlowPicture = -1, FGlowMask = -1, FGlowAlpha = 255;
  TPoint FGlowOffset;
};

// The restore looks of a caption button or an animation button (active
// picture rectangles), shown while the form is in the state of the button's
// command: maximized for maximize, minimized for minimize.
struct TspRestoreLooks {
  TRect Normal, Active, Down, InActive;
  bool Shown(TspCommandKind Command, const TspFrameState& State) const;
  // The look for a pressed or hot button on an active or inactive form.
  const TRect& Pick(bool Pressed, bool Hot, bool FormActive) const;
};

// A "button" record: a frame button with a pressed look.
class TspSkinButtonObject : public TspSkinFrameObject {
 public:
  TspSkinButtonObject(TspDataSkinButton* Data, TBitmap* ActivePicture);
  bool Interactive() const override { return true; }
  void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) override;

 protected:
  TRect FDownRect;
};

// A caption button ("stdbutton"): runs a form command; the maximize and
// minimize buttons have a restore look while the form is in that state.
class TspSkinStdButtonObject : public TspSkinButtonObject {
 public:
  TspSkinStdButtonObject(TspDataSkinStdButton* Data, TBitmap* ActivePicture);
  TspCommandKind Command() const { return FCommand; }
  bool RestoreState(const TspFrameState& State) const;
  void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) override;
  // The resource string of the command (1274 changes them); the record's
  // hint for a button without a command.
  String Hint(const TspFrameState& State) const override;

 private:
  TspCommandKind FCommand = cmDefault;
  TspRestoreLooks FRestore;
};

// The caption text of the form, in the record's font, colours and effects.
class TspSkinCaptionObject : public TspSkinFrameObject {
 public:
  TspSkinCaptionObject(TspDataSkinCaption* Data, TBitmap* ActivePicture, const TRect& FrameCaptionRect);
  void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) override;
  // Where the text goes before the caption buttons cut it (picture coordinates).
  const TRect& TextRect() const { return FTextRect; }
  // Set by the layout: the text rectangle on the window.
  TRect TextPlace;

 private:
  TspDataSkinCaption FLook;
  TRect FTextRect;
};

// A user area: takes the mouse and reports clicks, draws nothing.
class TspSkinUserObject : public TspSkinFrameObject {
 public:
  using TspSkinFrameObject::TspSkinFrameObject;
  bool Interactive() const override { return true; }
  void Draw(TCanvas*, TBitmap*, const TspFrameState&) override {}
};

// The frame object of a record, by the record's class. Menu item records
// describe the looks of the menus, which read them themselves: their
// objects are never shown on the frame.
std::unique_ptr<TspSkinFrameObject> CreateFrameObject(TspDataSkinObject* Data, TspSkinData* Skin);

// Default glyph colour of caption buttons without pictures: the caption
// record's font colours, else the button text colour.
TColor FrameGlyphColor(TspSkinData* Skin, bool Hot);
