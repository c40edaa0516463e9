// The colours and fonts of a generated skin: one palette per theme.
#pragma once

#include "classlib/Types.h"
#include "tools/SkinArt/ArtImage.h"

struct TSkinPalette {
  String Folder;    // folder name under skins/
  String SkinName;  // [VERSION] skinname
  String Comments;
  // A frame skin whose frame carries a band with one frame object of every
  // kind; it has menus but no control records.
  bool FrameObjects = false;
  // Fonts of the caption and the controls: a face with Chinese glyphs.
  String FontName;
  int CaptionFontHeight = 16;
  int FontHeight = 15;

  TRgb Accent;       // the one accent colour: highlights, marks, hot text
  TRgb AccentText;   // text on the accent colour
  // A list's selected rows and their text: the accent, or a deeper one where
  // the accent is too light to carry text well.
  TRgb Selection, SelectionText;

  // Window frame, active and inactive.
  TRgb CaptionTop, CaptionBottom, CaptionShine, CaptionText, CaptionGlyph;
  TRgb InactiveCaptionTop, InactiveCaptionBottom, InactiveCaptionShine, InactiveCaptionText, InactiveGlyph;
  TRgb FrameBorder, InactiveFrameBorder;
  // Caption button backgrounds: the glyph colour laid over the caption.
  TRgb ButtonOverlay;
  double HotOpacity = 0.18, DownOpacity = 0.32;
  TRgb CloseHot, CloseDown, CloseGlyph;

  // Surfaces and text.
  TRgb Face;         // form client and control background
  TRgb Window;       // edit and list background
  // TextDim is disabled text; TextSecondary is enabled text that steps back
  // (inactive tabs) and still reads at 4.5 to 1 on the faces.
  TRgb Text, TextDim, TextSecondary, WindowText;
  TRgb Border;       // one-pixel outline of panels
  TRgb PanelFace;
  TRgb HeaderTop, HeaderBottom, HeaderText;  // group box caption bar
  TRgb BarTop, BarBottom, BarLine;           // tool panel and status bar
  TRgb Highlight, Shadow, Light3D, DarkShadow;
  TRgb BevelLight, BevelDark;
  TRgb HintFace, HintBorder;
};

TSkinPalette DefaultPalette();
TSkinPalette DarkPalette();
// The default look with the band of frame objects.
TSkinPalette ObjectsPalette();
