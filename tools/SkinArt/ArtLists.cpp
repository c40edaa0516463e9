// List boxes: a plain framed list and a captioned one with Up, Down and
// Check buttons, and the item strips (plain, selected, focused) both use.
#include "classlib/ColorContrast.h"
#include "skin/SkinCtrlRecords2.h"
#include "tools/SkinArt/ArtPieces.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

constexpr int kPictureW = 150, kPictureH = 104;
constexpr int kItemW = 48, kItemH = 18;
constexpr int kButton = 16;

void CheckGlyph(TArtImage& I, int X, int Y, TRgb C) {
  I.FillShape(TRect(X, Y, X + 9, Y + 8), LineShape(X + 0.5, Y + 4.0, X + 3.0, Y + 6.5, 1.6), C);
  I.FillShape(TRect(X, Y, X + 9, Y + 8), LineShape(X + 3.0, Y + 6.5, X + 8.5, Y + 0.8, 1.6), C);
}

// A caption button face at R: 0 Up, 1 Down, 2 Check; hot and pressed
// faces are outlined.
void CaptionButton(TArtImage& I, const TRect& R, int Kind, TRgb Face, bool Outlined, TRgb Outline, TRgb Glyph) {
  I.FillShape(R, RoundRectShape(R.Left, R.Top, R.Right, R.Bottom, 3), Face);
  if (Outlined) I.Frame(TRect(R.Left + 1, R.Top, R.Right - 1, R.Bottom), Outline);
  if (Kind == 2) CheckGlyph(I, R.Left + 4, R.Top + 4, Glyph);
  else Chevron(I, R, Kind == 0 ? dUp : dDown, Glyph);
}

void SetFonts(TspDataSkinListBox& Rec, const TSkinPalette& P) {
  Rec.FontName = P.FontName;
  Rec.FontHeight = P.FontHeight;
  Rec.FontColor = ToColor(P.WindowText);
  Rec.ActiveFontColor = ToColor(P.SelectionText);
  Rec.FocusFontColor = ToColor(P.SelectionText);
  Rec.CaptionFontName = P.FontName;
  Rec.CaptionFontHeight = P.FontHeight;
  Rec.CaptionFontColor = ToColor(P.HeaderText);
}

// Nine pieces around the client CL of a W x H picture, every edge stretched.
void SetFrame(TspDataSkinListBox& Rec, const TRect& CL, const TPoint& LT, const TPoint& RT, const TPoint& LB,
              const TPoint& RB) {
  Rec.ClRect = CL;
  Rec.LTPoint = LT;
  Rec.RTPoint = RT;
  Rec.LBPoint = LB;
  Rec.RBPoint = RB;
  Rec.LeftStretch = Rec.TopStretch = Rec.RightStretch = Rec.BottomStretch = true;
}

}  // namespace

void DrawLists(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const int index = Art.AddPicture(L"lists.bmp", kPictureW, kPictureH, p.Face);
  TArtImage& I = Art.Picture(index);

  // Item strips: the window colour, the accent, and the accent outlined.
  // The accent's band lightens toward its top only as far as the selected
  // text still reads there at 4.5 to 1.
  double lighten = 0.15;
  while (lighten > 0 &&
         ColorContrast(ToColor(p.SelectionText), ToColor(Mix(p.Selection, p.Window, lighten))) < kReadableContrast)
    lighten -= 0.01;
  const TRect item(0, 48, kItemW, 48 + kItemH);
  const TRect active(0, item.Bottom, kItemW, item.Bottom + kItemH);
  const TRect focus(0, active.Bottom, kItemW, active.Bottom + kItemH);
  I.Fill(item, p.Window);
  for (const TRect& r : {active, focus}) {
    I.Fill(r, p.Window);
    const TRect band(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    I.FillShape(band, RoundRectShape(band.Left, band.Top, band.Right, band.Bottom, 3),
                Vertical(Mix(p.Selection, p.Window, lighten), p.Selection, band.Top, band.Bottom));
  }
  I.Frame(TRect(focus.Left + 2, focus.Top + 1, focus.Right - 2, focus.Bottom - 1), Mix(p.Selection, p.Text, 0.35));

  auto items = [&](TspDataSkinListBox& Rec) {
    Rec.PictureIndex = index;
    Rec.ItemRect = item;
    Rec.ActiveItemRect = active;
    Rec.FocusItemRect = focus;
    Rec.ItemLeftOffset = 4;
    Rec.ItemRightOffset = 4;
    Rec.ItemTextRect = TRect(3, 1, kItemW - 3, kItemH - 1);
    Rec.ShowFocus = false;
    SetFonts(Rec, p);
  };

  // "listbox": a one-pixel outline around the window colour.
  const TRect plain(0, 0, 48, 48);
  I.Fill(plain, p.Window);
  I.Frame(plain, p.Border);
  TspDataSkinListBox list(L"listbox");
  items(list);
  list.SkinRect = plain;
  SetFrame(list, TRect(2, 2, 46, 46), TPoint(3, 2), TPoint(45, 2), TPoint(3, 46), TPoint(45, 46));
  Art.AddControl(list, L"listbox");

  // "captionlistbox": a header bar with the caption and three buttons in
  // its right-hand corner piece, which follows the right edge.
  const TRect cap(50, 0, 146, 64);
  const int header = 21;
  I.Fill(cap, p.Window);
  I.Fill(TRect(cap.Left, cap.Top, cap.Right, cap.Top + header), Vertical(p.HeaderTop, p.HeaderBottom, 0, header));
  I.HLine(cap.Left, cap.Right, cap.Top + header - 1, p.Border);
  I.Frame(cap, p.Border);
  TspDataSkinListBox captioned(L"captionlistbox");
  items(captioned);
  captioned.SkinRect = cap;
  SetFrame(captioned, TRect(2, header, 94, 62), TPoint(3, header), TPoint(42, header), TPoint(3, 62),
           TPoint(93, 62));
  captioned.CaptionRect = TRect(4, 1, 42, header - 1);
  const TRgb hot = Mix(p.HeaderBottom, p.Accent, 0.3), down = Mix(p.HeaderBottom, p.Accent, 0.55);
  TRect* plainButtons[3] = {&captioned.UpButtonRect, &captioned.DownButtonRect, &captioned.CheckButtonRect};
  TRect* hotButtons[3] = {&captioned.ActiveUpButtonRect, &captioned.ActiveDownButtonRect,
                          &captioned.ActiveCheckButtonRect};
  TRect* downButtons[3] = {&captioned.DownUpButtonRect, &captioned.DownDownButtonRect,
                           &captioned.DownCheckButtonRect};
  for (int i = 0; i < 3; ++i) {
    // Up rightmost, then Down, then Check; the hot and pressed faces below
    // the frame, all relative to the skin rectangle.
    const int x = 92 - (i + 1) * kButton;
    *plainButtons[i] = TRect(x, 3, x + kButton, 3 + kButton);
    *hotButtons[i] = TRect(x, 64, x + kButton, 64 + kButton);
    *downButtons[i] = TRect(x, 80, x + kButton, 80 + kButton);
    const TRect at(cap.Left + x, cap.Top + 3, cap.Left + x + kButton, cap.Top + 3 + kButton);
    CaptionButton(I, at, i, p.HeaderBottom, false, p.Border, p.HeaderText);
    CaptionButton(I, TRect(at.Left, cap.Top + 64, at.Right, cap.Top + 80), i, hot, true, p.Accent, p.HeaderText);
    CaptionButton(I, TRect(at.Left, cap.Top + 80, at.Right, cap.Top + 96), i, down, true, p.Accent, p.AccentText);
  }
  Art.AddControl(captioned, L"listbox");
}
