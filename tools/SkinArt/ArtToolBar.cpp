// The tool bar's pieces in a picture of their own: the menu tool button with
// its drop-down part and markers, the resizable tool button with its track
// parts and the image-grid menu's cell.
#include "skin/SkinCtrlRecords2.h"
#include "tools/SkinArt/ArtPieces.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

constexpr TRgb kMarkerKey = Rgb(255, 0, 255);
constexpr int kMenuW = 40, kMenuH = 24, kTrackW = 15;
constexpr int kTool = 24, kSmall = 16, kMarkerW = 7, kMarkerH = 4;

// The looks of a tool face: idle, hot, pressed, disabled.
struct TToolLook {
  TRgb Edge, Top, Bottom;
};

TToolLook LookOf(const TSkinPalette& P, int State) {
  const TRgb top = Mix(P.BarTop, P.Highlight, 0.5), bottom = P.BarBottom;
  switch (State) {
    case 1: return {P.Accent, Mix(top, P.Accent, 0.15), Mix(bottom, P.Accent, 0.25)};
    case 2: return {Mix(P.Accent, P.Shadow, 0.3), Mix(bottom, P.Accent, 0.4), Mix(top, P.Accent, 0.3)};
    case 3: return {Mix(P.Border, P.PanelFace, 0.5), P.PanelFace, P.PanelFace};
    default: return {Mix(P.Border, P.BarBottom, 0.4), top, bottom};
  }
}

// A square-cornered face with a one-pixel outline over a vertical gradient.
void ToolFace(TArtImage& I, const TRect& R, const TToolLook& L) {
  I.Fill(R, Vertical(L.Top, L.Bottom, R.Top, R.Bottom));
  I.Frame(R, L.Edge);
}

// A downward arrow of 7, 5, 3 and 1 pixels on the marker key colour.
void Marker(TArtImage& I, const TRect& R, TRgb C) {
  I.Fill(R, kMarkerKey);
  for (int row = 0; row < kMarkerH; ++row) I.HLine(R.Left + row, R.Right - row, R.Top + row, C);
}

// A row of the four looks, each W x H, from (X, Y); returns their rectangles.
void FaceRow(TArtImage& I, const TSkinPalette& P, int X, int Y, int W, int H, TRect (&Out)[4]) {
  for (int s = 0; s < 4; ++s) {
    Out[s] = Rect(X + s * W, Y, X + (s + 1) * W, Y + H);
    ToolFace(I, Out[s], LookOf(P, s));
  }
}

// A button record of nine pieces from a row of faces: normal, hot, pressed
// and disabled.
void SetFaces(TspDataSkinButtonControl& Rec, int Picture, const TRect (&F)[4], const TSkinPalette& P) {
  Rec.PictureIndex = Picture;
  SetNinePieces(Rec, F[0], 3, 3);
  Rec.ActiveSkinRect = F[1];
  Rec.DownSkinRect = F[2];
  Rec.DisabledSkinRect = F[3];
  SetButtonFonts(Rec, P);
}

void AddFaceButton(TSkinArt& Art, const wchar_t* Name, int Picture, const TRect (&F)[4]) {
  TspDataSkinButtonControl rec(Name);
  SetFaces(rec, Picture, F, Art.Palette);
  Art.AddControl(rec, L"button");
}

// The markers of the drop-down part: normal, hot, pressed and flat.
void SetMarkers(TspDataSkinButtonControl& Rec, const TRect (&M)[4]) {
  Rec.MenuMarkerRect = M[0];
  Rec.MenuMarkerActiveRect = M[1];
  Rec.MenuMarkerDownRect = M[2];
  Rec.MenuMarkerFlatRect = M[3];
  Rec.MenuMarkerTransparentColor = ToColor(kMarkerKey);
}

}  // namespace

void DrawToolBarPieces(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const int height = kMenuH + kTool + kSmall + kTrackW + kMarkerH;
  const int index = Art.AddPicture(L"toolbar.bmp", 4 * kMenuW, height, p.Face);
  TArtImage& I = Art.Picture(index);
  const int markerY = kMenuH + kTool;
  const TRgb markerColours[4] = {p.Text, p.Accent, p.Text, p.TextDim};
  TRect markers[4];
  for (int s = 0; s < 4; ++s) {
    const int x = 4 * kTool + s * (kMarkerW + 1);
    markers[s] = Rect(x, markerY, x + kMarkerW, markerY + kMarkerH);
    Marker(I, markers[s], markerColours[s]);
  }

  // "toolmenubutton": the face grows in its middle; the right piece holds a
  // divider and the drop-down part, whose marker is drawn over it.
  TRect menu[4];
  FaceRow(I, p, 0, 0, kMenuW, kMenuH, menu);
  for (int s = 0; s < 4; ++s)
    I.VLine(menu[s].Right - kTrackW, menu[s].Top + 3, menu[s].Bottom - 3, LookOf(p, s).Edge);
  TspDataSkinMenuButtonControl menuButton(L"toolmenubutton");
  SetFaces(menuButton, index, menu, p);
  menuButton.LTPoint = Point(4, 0);
  menuButton.RTPoint = Point(kMenuW - kTrackW - 1, 0);
  menuButton.LBPoint = menuButton.RBPoint = Point(0, 0);
  menuButton.ClRect = Rect(3, 2, kMenuW - kTrackW - 1, kMenuH - 2);
  menuButton.LeftStretch = menuButton.TopStretch = menuButton.RightStretch = menuButton.BottomStretch = false;
  menuButton.TrackButtonRect = Rect(kMenuW - kTrackW, 0, kMenuW, kMenuH);
  SetMarkers(menuButton, markers);
  Art.AddControl(menuButton, L"menubutton");

  // "resizetoolbutton", and its track parts beside and under a body.
  TRect tool[4], vTrack[4], hTrack[4];
  FaceRow(I, p, 0, kMenuH, kTool, kTool, tool);
  FaceRow(I, p, 4 * kTool, kMenuH, kTrackW, kTool, vTrack);
  FaceRow(I, p, 0, kMenuH + kTool, kTool, kTrackW, hTrack);
  TspDataSkinButtonControl resizeTool(L"resizetoolbutton");
  SetFaces(resizeTool, index, tool, p);
  SetMarkers(resizeTool, markers);
  Art.AddControl(resizeTool, L"button");
  AddFaceButton(Art, L"vtracktoolbutton", index, vTrack);
  AddFaceButton(Art, L"htracktoolbutton", index, hTrack);

  // "menuitembutton": the image-grid menu's hot and chosen cell. (The scroll
  // arrows use the flat "resizebutton" that the calendar's art draws.)
  const int y = kMenuH + kTool + kTrackW;
  TRect cell[4];
  for (int s = 0; s < 4; ++s) {
    cell[s] = Rect(s * kSmall, y, (s + 1) * kSmall, y + kSmall);
    I.Fill(cell[s], Mix(p.Window, p.Accent, s == 1 ? 0.18 : (s == 2 ? 0.35 : 0.0)));
    I.Frame(cell[s], s == 1 || s == 2 ? p.Accent : p.Window);
  }
  TspDataSkinButtonControl cellRec(L"menuitembutton");
  SetFaces(cellRec, index, cell, p);
  SetNinePieces(cellRec, cell[0], 2, 2);
  Art.AddControl(cellRec, L"button");
}
