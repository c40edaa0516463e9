// The fc combo button: a speed button whose state images live in image lists
// shared through one glyph cache, with an ellipsis face and the hooks the
// custom combo uses.
#pragma once

#include <memory>
#include <vector>

#include "classlib/ActnList.h"
#include "classlib/Buttons.h"
#include "classlib/ImgList.h"

// An image list whose slots are reserved and freed one by one.
class TGlyphList : public TImageList {
 public:
  TGlyphList(int AWidth, int AHeight);
  String ClassName() const override { return L"TGlyphList"; }
  // Stores Image in the first free slot (growing the list when all are used).
  int AddImage(TBitmap* Image, TColor MaskColor);
  void FreeSlot(int Index);
  int UsedCount() const { return FCount; }

 private:
  std::vector<bool> FUsed;
  int FCount = 0;
};

// The glyph lists of all combo buttons, one per image size.
class TGlyphCache {
 public:
  TGlyphList* ListFor(int AWidth, int AHeight);
  // Frees the list once no slot of it is in use.
  void ReleaseList(TGlyphList* List);
  bool IsEmpty() const { return FLists.empty(); }
  int ListCount() const { return static_cast<int>(FLists.size()); }

 private:
  std::vector<std::unique_ptr<TGlyphList>> FLists;
};

// The program's glyph cache while any combo button glyph exists, else nullptr.
TGlyphCache* fcGlyphCache();

class TfcComboButton;

// A button's glyph strip and the cached image of each state.
class TfcComboButtonGlyph {
 public:
  explicit TfcComboButtonGlyph(TfcComboButton* Owner);
  ~TfcComboButtonGlyph();
  TfcComboButtonGlyph(const TfcComboButtonGlyph&) = delete;
  TfcComboButtonGlyph& operator=(const TfcComboButtonGlyph&) = delete;

  TBitmap* Source() { return &FSource; }
  void AssignSource(TBitmap* Bitmap);
  int NumGlyphs() const { return FNumGlyphs; }
  // 1 .. 4; 0 or the present count is ignored.
  void ChangeGlyphCount(int Value);
  // The image of State in List(), built on first use; -1 without a glyph.
  int ImageIndexFor(TButtonState State);
  TGlyphList* List() const { return FList; }
  TColor TransparentColor() const { return FTransparentColor; }
  // Drops every built image (their slots return to the list).
  void Invalidate();

 private:
  TfcComboButton* FOwner;
  TBitmap FSource;
  TColor FTransparentColor = clOlive;
  int FNumGlyphs = 1;
  int FIndexes[4] = {-1, -1, -1, -1};
  TGlyphList* FList = nullptr;
};

// Passes the action's Checked and GroupIndex on to a combo button: Checked
// while the button is a grouped, all-up button in step with it, GroupIndex
// while the two agree.
class TfcComboButtonActionLink : public TControlActionLink {
 public:
  explicit TfcComboButtonActionLink(TfcComboButton* Client);
  bool IsCheckedLinked() const override;
  bool IsGroupIndexLinked() const override;

 protected:
  void SetChecked(bool Value) override;
  void SetGroupIndex(int Value) override;

 private:
  TfcComboButton* FButton;
};

class TfcComboButton : public TSpeedButton {
 public:
  explicit TfcComboButton(TComponent* AOwner);
  ~TfcComboButton() override;
  String ClassName() const override { return L"TfcComboButton"; }
  void Dispatch(TMessage& Message) override;

  TBitmap* Glyph() { return FGlyphObj->Source(); }
  void SetGlyph(TBitmap* Value);
  TNumGlyphs NumGlyphs() const { return FGlyphObj->NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs Value);
  TfcComboButtonGlyph* GlyphObject() const { return FGlyphObj.get(); }
  // Set before each paint by the combo: draw the three-dot face.
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value) { FEllipsis = Value; }
  bool MouseInside() const { return FMouseInControl; }

  // Buttons alive in the program.
  static int ButtonCount();

 protected:
  std::unique_ptr<TControlActionLink> CreateActionLink() override;
  // Besides the caption and states: the action's group index, and its image
  // as the glyph while the button has none.
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void Paint() override;
  void Loaded() override;
  // Glyph and caption by the present state within Client, shifted by Offset.
  void PaintFace(TCanvas* Canvas, const TRect& Client, const TPoint& Offset);
  // Whether the theme draws the face: themes on and not switched off here.
  virtual bool ThemesInForce();
  // What the themed face holds inside the element's content rectangle.
  virtual void PaintThemedContent(const TRect& Content);
  // The face from the active theme; false when no theme draws it.
  bool PaintThemed();
  bool FMouseInControl = false;

 private:
  std::unique_ptr<TfcComboButtonGlyph> FGlyphObj;
  bool FEllipsis = false;
};
