// The gallery's pages: each fills a tab sheet and draws one section of the
// library into an off-screen bitmap, which it then copies in one go.
#pragma once

#include <utility>

#include "classlib/Controls.h"
#include "classlib/ImgList.h"
#include "skin/SkinData.h"
#include "skin/SkinStoredSkin.h"

class TGalleryPage : public TCustomControl {
 public:
  explicit TGalleryPage(TComponent* AOwner);
  String ClassName() const override { return L"TGalleryPage"; }
  // After a skin switch has set the gallery look: a page gives its controls
  // that no skin draws the look's colours. A page on light paper keeps dark
  // text for the controls that take its font, whatever colour the skin
  // gives the page control's font.
  virtual void LookChanged();

 protected:
  void Paint() override;
  virtual void DrawPage(TCanvas* Canvas) = 0;
  // Pages of controls paint in the gallery's skin look; pages of drawings
  // keep the light paper their pictures are drawn for.
  bool FFollowsSkin = false;
};

// Text (Chinese too), shapes, a BMP file and an image list.
class TGraphicsPage : public TGalleryPage {
 public:
  explicit TGraphicsPage(TComponent* AOwner);
  String ClassName() const override { return L"TGraphicsPage"; }

 protected:
  void DrawPage(TCanvas* Canvas) override;

 private:
  void DrawTextSamples(TCanvas* Canvas);
  void DrawShapes(TCanvas* Canvas);
  void DrawBitmaps(TCanvas* Canvas);
  void DrawImageList(TCanvas* Canvas);
  TBitmap FPhoto;       // gallery.bmp beside the program
  String FPhotoError;   // why it could not be loaded
  TBitmap FGlyph;       // a glyph on a fuchsia key colour
  TImageList FImages{nullptr, 24, 24};
};

// Nine-piece images stretched and tiled, morphs and the inactive effects.
class TCompositionPage : public TGalleryPage {
 public:
  explicit TCompositionPage(TComponent* AOwner);
  String ClassName() const override { return L"TCompositionPage"; }

 protected:
  void DrawPage(TCanvas* Canvas) override;

 private:
  void DrawNinePiece(TCanvas* Canvas);
  void DrawMorphs(TCanvas* Canvas);
  void DrawInactiveEffects(TCanvas* Canvas);
  TBitmap FPiecePicture;  // a 40 x 30 frame with 6-pixel corners
  TBitmap FPhoto;         // gallery.bmp: the source of the morphs and effects
  String FPhotoError;
};

// Glow, caption glow and reflected text, default marks and glyphs, a shaped
// control and a panel that shows a glow window on mouse-over.
class TTextGlyphPage : public TGalleryPage {
 public:
  explicit TTextGlyphPage(TComponent* AOwner);
  String ClassName() const override { return L"TTextGlyphPage"; }

 protected:
  void DrawPage(TCanvas* Canvas) override;

 private:
  void DrawTextEffects(TCanvas* Canvas);
  void DrawMarksAndGlyphs(TCanvas* Canvas);
  void DrawButtonLayouts(TCanvas* Canvas);
  void DrawFittedText(TCanvas* Canvas);
  TBitmap FGlyphStrip;  // two 16 x 16 frames on fuchsia
  TImageList FImages{nullptr, 16, 16};  // the same two frames
};

// The small test skin: its name and texts, its pictures, and control
// records composed at two sizes from their geometry.
class TSkinPage : public TGalleryPage {
 public:
  explicit TSkinPage(TComponent* AOwner);
  String ClassName() const override { return L"TSkinPage"; }

 protected:
  void DrawPage(TCanvas* Canvas) override;

 private:
  void DrawInfo(TCanvas* Canvas, int X, int Y);
  void DrawPictures(TCanvas* Canvas, int X, int Y);
  void DrawFormFrame(TCanvas* Canvas, int X, int Y);
  void DrawButtonRecord(TCanvas* Canvas, int X, int Y);
  void DrawPanelRecord(TCanvas* Canvas, int X, int Y);
  TspCompressedStoredSkin* FStored;
  TspSkinData* FSkinData;
  String FLoadError;
};

// The component sets: flat controls, hover-trigger buttons, LED digits and
// effect labels, as real controls.
class TLabel;
class TComponentsPage : public TGalleryPage {
 public:
  explicit TComponentsPage(TComponent* AOwner);
  String ClassName() const override { return L"TComponentsPage"; }

 protected:
  void DrawPage(TCanvas* Canvas) override;

 private:
  void BuildFlatControls();
  void BuildHoverButtons();
  void BuildLEDs();
  void BuildEffectLabels();
  TBitmap FArrowGlyph;
  TLabel* FTriggerNote = nullptr;
  int FTriggers = 0;
};
// The generated Default and Dark skins side by side (ThemesPage.cpp).
TGalleryPage* NewThemesPage(TComponent* AOwner);
// The imager's effects and the custom combos (EffectsPage.cpp).
TGalleryPage* NewEffectsPage(TComponent* AOwner);
// The fc tree views and tree combos (TreePage.cpp).
TGalleryPage* NewTreePage(TComponent* AOwner);
// A contacts table bound to effect labels and combos (DataPage.cpp).
TGalleryPage* NewDataPage(TComponent* AOwner);
// A form in the Objects skin, with frame objects of every kind (FrameObjectsPage.cpp).
TGalleryPage* NewFrameObjectsPage(TComponent* AOwner);

// Shared by the pages.
String ProgramFolder();
// Lets the gallery's messages run a few rounds, so that what a switch or a
// page change started has painted (the soak and contrast runs).
void SettleGallery();
// Loads gallery.bmp from beside the program; returns why it failed, or empty text.
String LoadGalleryPhoto(TBitmap& Photo);
// A bold heading over a section.
void DrawSectionTitle(TCanvas* Canvas, int X, int Y, const String& Text);
// A small grey note under a drawing.
void DrawNote(TCanvas* Canvas, int X, int Y, const String& Text);
// Presses the mouse on From at FromPoint once the page shows and moves it to
// ToPoint of To with the button held (--drag, for screenshots of a drag).
void DragOnceShown(TComponent* Owner, TControl* From, TPoint FromPoint, TControl* To, TPoint ToPoint);
// Focuses the combo and opens its drop-down once the page shows (for screenshots).
class TfcCustomCombo;
void DropDownOnceShown(TComponent* Owner, TfcCustomCombo* Combo);
// The colours the pages paint their own parts in (the page, section titles and
// notes): the skin's button face and text, or a light look without a skin;
// and the window colours for the controls that no skin draws (the fc trees).
// The gallery sets them from its skin on each switch.
struct TGalleryLook {
  TColor Page, Title, Note, Window, WindowText;
};
// The look of the page being painted.
const TGalleryLook& GalleryLook();
// The look of the gallery's skin (what pages that follow the skin paint in).
const TGalleryLook& SkinLook();
void SetGalleryLook(const TspSkinData* Skin);
// The font the gallery writes Chinese text in.
extern const wchar_t* const kChineseFont;

// Places a new control of class T on Parent, which owns it, at Left, Top;
// a negative Width or Height keeps the class's own. Further arguments go to
// T's constructor after the owner.
template <class T, class... Args>
T* Place(TWinControl* Parent, int Left, int Top, int Width = -1, int Height = -1, Args&&... ConstructorArgs) {
  T* control = new T(Parent, std::forward<Args>(ConstructorArgs)...);
  control->SetParent(Parent);
  control->SetBounds(Left, Top, Width < 0 ? control->Width() : Width, Height < 0 ? control->Height() : Height);
  return control;
}

// The same for a skinned control, then bound to SkinData (nullptr: the
// default look) under the record SkinDataName when one is given.
template <class T>
T* PlaceSkinned(TWinControl* Parent, TspSkinData* SkinData, int Left, int Top, int Width, int Height,
                const wchar_t* SkinDataName = nullptr) {
  T* control = Place<T>(Parent, Left, Top, Width, Height);
  if (SkinDataName) control->SetSkinDataName(SkinDataName);
  control->SetSkinData(SkinData);
  return control;
}
