// Caption buttons: pictures of all their looks (normal, hot, pressed,
// inactive, the restore looks of the maximize and roll-up buttons, and the
// rolled-up form's buttons), with their [SKINOBJECTS] records.
#include <algorithm>

#include "tools/SkinArt/ArtLayout.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

enum TGlyph { gClose, gMaximize, gRestore, gMinimize, gRollUp, gUnroll, gTray, gSysMenu, gGlyphCount };
enum TLook { lNormal, lHot, lDown, lInactive, lLookCount };

constexpr double kStroke = 1.35;

void Stroke(TArtImage& I, double X0, double Y0, double X1, double Y1, TRgb C) {
  const TRect bounds = Rect(int(std::min(X0, X1)) - 2, int(std::min(Y0, Y1)) - 2, int(std::max(X0, X1)) + 3,
                            int(std::max(Y0, Y1)) + 3);
  I.FillShape(bounds, LineShape(X0, Y0, X1, Y1, kStroke), C);
}

// A chevron whose point is Dy above (negative: below) its ends.
void Chevron(TArtImage& I, double Cx, double Cy, double Dy, TRgb C) {
  Stroke(I, Cx - 4.5, Cy + Dy / 2, Cx, Cy - Dy / 2, C);
  Stroke(I, Cx, Cy - Dy / 2, Cx + 4.5, Cy + Dy / 2, C);
}

// Glyphs 10 pixels across, centred in Cell; straight lines sit on whole
// pixels so that they stay one pixel wide and sharp.
void DrawGlyph(TArtImage& I, TGlyph Glyph, const TRect& Cell, TRgb C) {
  const int cx = (Cell.Left + Cell.Right) / 2, cy = (Cell.Top + Cell.Bottom) / 2;
  switch (Glyph) {
    case gClose:
      Stroke(I, cx - 4.5, cy - 4.5, cx + 4.5, cy + 4.5, C);
      Stroke(I, cx - 4.5, cy + 4.5, cx + 4.5, cy - 4.5, C);
      break;
    case gMaximize:
      I.Frame(Rect(cx - 5, cy - 5, cx + 5, cy + 5), C);
      break;
    case gRestore:
      I.HLine(cx - 3, cx + 5, cy - 5, C);
      I.VLine(cx + 4, cy - 5, cy + 3, C);
      I.Frame(Rect(cx - 5, cy - 3, cx + 3, cy + 5), C);
      break;
    case gMinimize:
      I.HLine(cx - 5, cx + 5, cy, C);
      break;
    case gRollUp:
      Chevron(I, cx + 0.5, cy + 0.5, 4.5, C);
      break;
    case gUnroll:
      Chevron(I, cx + 0.5, cy + 0.5, -4.5, C);
      break;
    case gTray:
      Chevron(I, cx + 0.5, cy - 0.5, -4, C);
      I.HLine(cx - 5, cx + 6, cy + 4, C);
      break;
    case gSysMenu:
      I.Frame(Rect(cx - 6, cy - 5, cx + 6, cy + 5), C);
      I.Fill(Rect(cx - 6, cy - 5, cx + 6, cy - 2), C);
      break;
    default:
      break;
  }
}

// The button background of a look, then the glyph.
void DrawButton(TArtImage& I, TGlyph Glyph, bool Close, TLook Look, const TRect& Cell, const TSkinPalette& P) {
  const TShape shape = RoundRectShape(Cell.Left, Cell.Top, Cell.Right, Cell.Bottom, 4);
  TRgb glyph = Look == lInactive ? P.InactiveGlyph : P.CaptionGlyph;
  if (Look == lHot || Look == lDown) {
    if (Close) {
      I.FillShape(Cell, shape, Look == lHot ? P.CloseHot : P.CloseDown);
      glyph = P.CloseGlyph;
    } else {
      I.FillShape(Cell, shape, P.ButtonOverlay, Look == lHot ? P.HotOpacity : P.DownOpacity);
    }
  }
  DrawGlyph(I, Glyph, Cell, glyph);
}

struct TButtonSpec {
  const wchar_t* Name;
  const wchar_t* Hint;
  TspCommandKind Command;
  TRect Place;
  TGlyph Glyph;
  TGlyph RestoreGlyph;  // gGlyphCount: no restore state
};

// A picture of the buttons' looks, with the caption pictures Back (active)
// and InactiveBack behind them. Its top band holds each button's normal
// look at the button's own place on the frame, so that a record can take
// its normal look from here instead of the frame; below it one row per
// glyph and one column per look.
class TButtonsPicture {
 public:
  static constexpr int kBand = frame::kButtonTop + frame::kButtonHeight;

  TButtonsPicture(TSkinArt& Art, const wchar_t* FileName, const TArtImage& Back, const TArtImage* InactiveBack)
      : FArt(Art), FBack(Back), FInactiveBack(InactiveBack) {
    using namespace frame;
    Index = Art.AddPicture(FileName, std::max(kWidth, lLookCount * kButtonWidth), kBand + gGlyphCount * kButtonHeight,
                           Art.Palette.Face);
  }
  static TRect Cell(TGlyph Glyph, TLook Look, const TRect& Place) {
    return Bounds(Look * frame::kButtonWidth, kBand + Glyph * frame::kButtonHeight, Place.Width(), Place.Height());
  }
  // Every look of Glyph on button B, in its row of cells.
  void PaintCells(const TButtonSpec& B, TGlyph Glyph) {
    for (int look = lNormal; look < lLookCount; ++look)
      if (look != lInactive || FInactiveBack) Paint(B, Glyph, TLook(look), Cell(Glyph, TLook(look), B.Place));
  }
  // The normal look of button B with Glyph, in the top band.
  void PaintNormal(const TButtonSpec& B, TGlyph Glyph) { Paint(B, Glyph, lNormal, B.Place); }

  int Index = -1;

 private:
  void Paint(const TButtonSpec& B, TGlyph Glyph, TLook Look, const TRect& At) {
    TArtImage& I = FArt.Picture(Index);
    I.Copy(Look == lInactive ? *FInactiveBack : FBack, B.Place, At.Left, At.Top);
    DrawButton(I, Glyph, B.Command == cmClose, Look, At, FArt.Palette);
  }

  TSkinArt& FArt;
  const TArtImage& FBack;
  const TArtImage* FInactiveBack;
};

// The record of a button whose looks all come from Picture; Glyph is the one
// its normal, hot and pressed looks show.
void AddButton(TSkinArt& Art, const TButtonSpec& B, const TButtonsPicture& Picture, const String& Name, TGlyph Glyph,
               bool OnRollUp) {
  using P = TButtonsPicture;
  TspDataSkinStdButton rec(Name);
  rec.Hint = B.Hint;
  rec.Command = B.Command;
  rec.SkinRect = B.Place;
  rec.SkinRectInAPicture = true;
  rec.RollUp = OnRollUp;
  rec.ActivePictureIndex = Picture.Index;
  rec.ActiveSkinRect = P::Cell(Glyph, lHot, B.Place);
  rec.DownRect = P::Cell(Glyph, lDown, B.Place);
  // Rolled up, the caption has no inactive picture of its own.
  if (!OnRollUp) rec.InActiveSkinRect = P::Cell(Glyph, lInactive, B.Place);
  rec.Morphing = true;
  rec.MorphKind = mkDefault;
  if (B.RestoreGlyph != gGlyphCount && !OnRollUp) {
    rec.RestoreRect = P::Cell(B.RestoreGlyph, lNormal, B.Place);
    rec.RestoreActiveRect = P::Cell(B.RestoreGlyph, lHot, B.Place);
    rec.RestoreDownRect = P::Cell(B.RestoreGlyph, lDown, B.Place);
    rec.RestoreInActiveRect = P::Cell(B.RestoreGlyph, lInactive, B.Place);
    rec.RestoreHint = L"Restore";
  }
  Art.AddObject(rec, L"stdbutton");
}

}  // namespace

void DrawCaptionButtons(TSkinArt& Art) {
  using namespace frame;
  const TButtonSpec buttons[] = {
      {L"closebutton", L"Close", cmClose, ButtonRect(0), gClose, gGlyphCount},
      {L"maxbutton", L"Maximize", cmMaximize, ButtonRect(1), gMaximize, gRestore},
      {L"minbutton", L"Minimize", cmMinimize, ButtonRect(2), gMinimize, gGlyphCount},
      {L"rollupbutton", L"Roll Up", cmRollUp, ButtonRect(3), gRollUp, gUnroll},
      {L"traybutton", L"Minimize to tray", cmMinimizeToTray, ButtonRect(4), gTray, gGlyphCount},
      {L"sysmenubutton", L"System menu", cmSysMenu, kSysMenuRect, gSysMenu, gGlyphCount},
  };
  // The frame pictures stay bare: a form that hides a button shows no trace
  // of it. The buttons' objects carry all their looks.
  TButtonsPicture picture(Art, L"buttons.bmp", *Art.Frame, Art.InactiveFrame.get());
  for (const TButtonSpec& b : buttons) {
    picture.PaintNormal(b, b.Glyph);
    picture.PaintCells(b, b.Glyph);
    if (b.RestoreGlyph != gGlyphCount) picture.PaintCells(b, b.RestoreGlyph);
    AddButton(Art, b, picture, b.Name, b.Glyph, false);
  }
  // Rolled up, only the roll-up picture's objects show: the same buttons
  // again, the roll-up button turned into the one that unrolls.
  TButtonsPicture rolled(Art, L"rollupbuttons.bmp", *Art.RollUp, nullptr);
  for (const TButtonSpec& b : buttons) {
    const TGlyph glyph = b.Command == cmRollUp ? b.RestoreGlyph : b.Glyph;
    rolled.PaintNormal(b, glyph);
    rolled.PaintCells(b, glyph);
    AddButton(Art, b, rolled, String(L"rolled") + b.Name, glyph, true);
  }
}
