// Caption buttons: glyphs drawn on the frame pictures for the normal look, and
// a picture of hot, pressed and inactive looks (and the restore looks of the
// maximize and roll-up buttons), with their [SKINOBJECTS] records.
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

}  // namespace

void DrawCaptionButtons(TSkinArt& Art) {
  using namespace frame;
  const TSkinPalette& p = Art.Palette;
  const TButtonSpec buttons[] = {
      {L"closebutton", L"Close", cmClose, ButtonRect(0), gClose, gGlyphCount},
      {L"maxbutton", L"Maximize", cmMaximize, ButtonRect(1), gMaximize, gRestore},
      {L"minbutton", L"Minimize", cmMinimize, ButtonRect(2), gMinimize, gGlyphCount},
      {L"rollupbutton", L"Roll Up", cmRollUp, ButtonRect(3), gRollUp, gUnroll},
      {L"traybutton", L"Minimize to tray", cmMinimizeToTray, ButtonRect(4), gTray, gGlyphCount},
      {L"sysmenubutton", L"System menu", cmSysMenu, kSysMenuRect, gSysMenu, gGlyphCount},
  };
  // One row per glyph, one column per look; each cell shows the caption
  // behind the button where it stands, so a look can replace another in place.
  const int index = Art.AddPicture(L"buttons.bmp", lLookCount * kButtonWidth, gGlyphCount * kButtonHeight, p.Face);
  TArtImage& picture = Art.Picture(index);
  auto cell = [](TGlyph Glyph, TLook Look, const TRect& Place) {
    return Bounds(Look * kButtonWidth, Glyph * kButtonHeight, Place.Width(), Place.Height());
  };
  auto paint = [&](const TButtonSpec& b, TGlyph Glyph) {
    for (int look = lNormal; look < lLookCount; ++look) {
      const TRect r = cell(Glyph, TLook(look), b.Place);
      picture.Copy(look == lInactive ? *Art.InactiveFrame : *Art.Frame, b.Place, r.Left, r.Top);
      DrawButton(picture, Glyph, b.Command == cmClose, TLook(look), r, p);
    }
  };
  // The cells first, while the frames still show the bare caption.
  for (const TButtonSpec& b : buttons) {
    paint(b, b.Glyph);
    if (b.RestoreGlyph != gGlyphCount) paint(b, b.RestoreGlyph);
  }
  for (const TButtonSpec& b : buttons) {
    DrawGlyph(*Art.Frame, b.Glyph, b.Place, p.CaptionGlyph);
    DrawGlyph(*Art.InactiveFrame, b.Glyph, b.Place, p.InactiveGlyph);
    DrawGlyph(*Art.RollUp, b.Command == cmRollUp ? b.RestoreGlyph : b.Glyph, b.Place, p.CaptionGlyph);


    TspDataSkinStdButton rec(b.Name);
    rec.Hint = b.Hint;
    rec.Command = b.Command;
    rec.SkinRect = b.Place;
    rec.ActivePictureIndex = index;
    rec.ActiveSkinRect = cell(b.Glyph, lHot, b.Place);
    rec.DownRect = cell(b.Glyph, lDown, b.Place);
    rec.InActiveSkinRect = cell(b.Glyph, lInactive, b.Place);
    rec.Morphing = true;
    rec.MorphKind = mkDefault;
    if (b.RestoreGlyph != gGlyphCount) {
      rec.RestoreRect = cell(b.RestoreGlyph, lNormal, b.Place);
      rec.RestoreActiveRect = cell(b.RestoreGlyph, lHot, b.Place);
      rec.RestoreDownRect = cell(b.RestoreGlyph, lDown, b.Place);
      rec.RestoreInActiveRect = cell(b.RestoreGlyph, lInactive, b.Place);
      rec.RestoreHint = L"Restore";
    }
    Art.AddObject(rec, L"stdbutton");
  }
}
