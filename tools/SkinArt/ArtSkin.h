// One generated skin while it is drawn: its palette, pictures and INI text, and
// the functions that each draw a piece of art and describe it in the INI.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "skin/SkinCtrlRecords.h"
#include "skin/SkinIni.h"
#include "skin/SkinObjRecords.h"
#include "tools/SkinArt/ArtImage.h"
#include "tools/SkinArt/ArtPalette.h"

class TSkinArt {
 public:
  explicit TSkinArt(const TSkinPalette& APalette);

  const TSkinPalette& Palette;
  // [FORMINFO], [POPUPWINDOW], [HINTWINDOW], [SKINCOLORS] and the like.
  TspSkinIni Ini;

  // The five frame pictures; a piece that has none leaves it empty.
  std::unique_ptr<TArtImage> Frame, InactiveFrame, Mask, RollUp, RollUpMask;
  // Adds an active picture and returns its index.
  int AddPicture(const String& FileName, int Width, int Height, TRgb Fill);
  TArtImage& Picture(int Index) { return *FPictures.at(static_cast<size_t>(Index)).Image; }

  // The shared picture of the controls' pieces, and a free place in it.
  int ControlsPicture() const { return FControls; }
  TArtImage& Controls() { return Picture(FControls); }
  TRect PlaceControl(int Width, int Height);
  // Pieces of the controls picture that several records share, by name.
  std::map<String, TRect> Shared;

  // Writes a record's section and lists it under [SKINOBJECTS] or
  // [SKINCONTROLS] with its type word.
  void AddObject(TspDataSkinObject& Record, const wchar_t* Type);
  void AddControl(TspDataSkinControl& Record, const wchar_t* Type);

  // Writes skin.ini and the pictures into Folder (which must exist).
  void Save(const String& Folder);

 private:
  struct TPicture {
    String FileName;
    std::unique_ptr<TArtImage> Image;
  };
  std::vector<TPicture> FPictures;
  int FControls = -1;
  int FShelfX = 0, FShelfY = 0, FShelfHeight = 0;
  TspSkinIni FRecords;  // the records' own sections, written after the lists
  std::vector<String> FObjects, FControlList;
};

// Pieces of art. The frame comes first (the caption buttons copy the caption
// behind them from it); the rest draw into the controls picture or pictures
// of their own.
void DrawFrame(TSkinArt& Art);
// The Objects skin's band of frame objects under the client, its cursors and
// background pictures (after DrawFrame).
void DrawFrameObjects(TSkinArt& Art);
void DrawCaptionButtons(TSkinArt& Art);
void AddCaption(TSkinArt& Art);
// The form client's background picture: the face (added after every other
// picture, so that the records' picture numbers stay as they were).
void AddClientBackground(TSkinArt& Art);
void DrawPanel(TSkinArt& Art);
void DrawGroupBox(TSkinArt& Art);
void DrawToolPanel(TSkinArt& Art);
void DrawStatusBar(TSkinArt& Art);
void DrawLabel(TSkinArt& Art);
void AddStdLabel(TSkinArt& Art);
void AddBevel(TSkinArt& Art);
void DrawButton(TSkinArt& Art);
void DrawToolButton(TSkinArt& Art);
void DrawCheckBox(TSkinArt& Art);
void DrawRadioBox(TSkinArt& Art);
void DrawPopupWindow(TSkinArt& Art);
void DrawHintWindow(TSkinArt& Art);
// Menu items, their marks and the form's main menu bar: a picture of their own.
void DrawMenus(TSkinArt& Art);
void AddSkinColors(TSkinArt& Art);
void DrawEdits(TSkinArt& Art);
void DrawScrollBars(TSkinArt& Art);
void DrawTrackBars(TSkinArt& Art);
void DrawUpDowns(TSkinArt& Art);
void DrawTabs(TSkinArt& Art);
// The tool bar's buttons, track parts and the image-grid cell: a picture of their own.
void DrawToolBarPieces(TSkinArt& Art);
// The calendar's buttons and the scroll box: a picture of their own.
void DrawDates(TSkinArt& Art);
// List boxes, plain and with a caption bar: a picture of their own.
void DrawLists(TSkinArt& Art);
// Fonts and backgrounds of the views, and the list view's header button.
void DrawViews(TSkinArt& Art);
// Combo boxes, their buttons and the tool-button look: a picture of their own.
void DrawCombos(TSkinArt& Art);

// Draws a whole skin and writes it into Folder.
void BuildSkin(const TSkinPalette& Palette, const String& Folder);
