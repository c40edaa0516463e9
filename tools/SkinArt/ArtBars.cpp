// Bars and tabs: scroll bars (horizontal, vertical and with a corner), track
// bars, up-down buttons and the page control's frame, tabs and close buttons.
#include <algorithm>

#include "skin/SkinCtrlRecords.h"
#include "skin/SkinCtrlRecords2.h"
#include "tools/SkinArt/ArtPieces.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

// Pixels of this colour are left out where a piece is drawn transparently.
constexpr TRgb kKey = Rgb(255, 0, 255);
constexpr int kBar = 17;  // scroll bar thickness and arrow size

enum TLook { lNormal, lHot, lDown };

TRgb TrackColour(const TSkinPalette& P) { return Mix(P.Face, P.Border, 0.25); }

// A rounded cell behind an arrow in its hot or pressed look, over Back.
void ArrowCell(TArtImage& I, const TRect& R, TDirection Direction, TLook Look, const TSkinPalette& P, TRgb Back) {
  I.Fill(R, Back);
  const TRgb fill = Look == lDown ? P.Accent : Mix(Back, P.Accent, 0.25);
  I.FillShape(R, RoundRectShape(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1, 3), fill);
  Chevron(I, R, Direction, Look == lDown ? P.AccentText : P.Text);
}

// A pill along the long side of R over Back (smooth edges need a real
// background, not a transparent key).
void Pill(TArtImage& I, const TRect& R, TRgb Fill, TRgb Edge, TRgb Back) {
  I.Fill(R, Back);
  const double radius = std::min(R.Width(), R.Height()) / 2.0;
  I.FillShape(R, RoundRectShape(R.Left, R.Top, R.Right, R.Bottom, radius), Edge);
  I.FillShape(R, RoundRectShape(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1, radius - 1), Fill);
}

TRgb ThumbColour(const TSkinPalette& P, TLook Look) {
  switch (Look) {
    case lHot: return Mix(P.Border, P.Accent, 0.5);
    case lDown: return P.Accent;
    default: return Mix(P.Border, P.Face, 0.15);
  }
}

// A scroll bar whose base picture is a track with an arrow at each end; the
// middle stretches. Corner: a square of the form's face after the up arrow,
// for a bar that meets a second one.
void ScrollBar(TSkinArt& Art, const wchar_t* Name, bool Horizontal, bool Corner) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& I = Art.Controls();
  const int length = 64 + (Corner ? kBar : 0);
  const TRect base = Horizontal ? Art.PlaceControl(length, kBar) : Art.PlaceControl(kBar, length);
  const TRgb track = TrackColour(p);
  I.Fill(base, track);
  const TDirection towardsMin = Horizontal ? dLeft : dUp, towardsMax = Horizontal ? dRight : dDown;
  auto cell = [&](int From) {  // the arrow cell From pixels along the bar, in control coordinates
    return Horizontal ? Rect(From, 0, From + kBar, kBar) : Rect(0, From, kBar, From + kBar);
  };
  auto at = [&](const TRect& R) {  // a control rectangle in picture coordinates
    return Rect(base.Left + R.Left, base.Top + R.Top, base.Left + R.Right, base.Top + R.Bottom);
  };
  const TRect down = cell(0), up = cell(64 - kBar);
  Chevron(I, at(down), towardsMin, p.TextDim);
  Chevron(I, at(up), towardsMax, p.TextDim);
  if (Corner) I.Fill(at(cell(64)), p.Face);

  TspDataSkinScrollBarControl rec(Name);
  rec.PictureIndex = Art.ControlsPicture();
  rec.SkinRect = base;
  rec.ClRect = Horizontal ? Rect(kBar, 0, 64 - kBar, kBar) : Rect(0, kBar, kBar, 64 - kBar);
  if (Horizontal) {
    rec.LTPoint = Point(kBar, 0);
    rec.RTPoint = Point(64 - kBar, 0);
  } else {
    rec.LTPoint = Point(0, kBar);
    rec.LBPoint = Point(0, 64 - kBar);
  }
  rec.StretchEffect = true;
  rec.TrackArea = rec.ClRect;
  rec.DownButtonRect = down;
  rec.UpButtonRect = up;
  TRect* arrowPieces[2][2] = {{&rec.ActiveDownButtonRect, &rec.DownDownButtonRect},
                              {&rec.ActiveUpButtonRect, &rec.DownUpButtonRect}};
  for (int side = 0; side < 2; ++side)
    for (TLook look : {lHot, lDown}) {
      const TRect r = Art.PlaceControl(kBar, kBar);
      ArrowCell(I, r, side == 0 ? towardsMin : towardsMax, look, p, track);
      *arrowPieces[side][look == lDown ? 1 : 0] = r;
    }
  TRect* thumbs[3] = {&rec.ThumbRect, &rec.ActiveThumbRect, &rec.DownThumbRect};
  for (TLook look : {lNormal, lHot, lDown}) {
    const TRect r = Horizontal ? Art.PlaceControl(30, 9) : Art.PlaceControl(9, 30);
    Pill(I, r, ThumbColour(p, look), ThumbColour(p, look), track);
    *thumbs[look] = r;
  }
  rec.ThumbOffset1 = rec.ThumbOffset2 = 5;
  rec.ThumbStretchEffect = true;
  rec.ThumbMinSize = 20;
  rec.ThumbMinPageSize = 24;
  Art.AddControl(rec, L"scrollbar");
}

// A track bar: a groove (accent where the value has reached) and a thumb.
void TrackBar(TSkinArt& Art, const wchar_t* Name, bool Vertical) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& I = Art.Controls();
  constexpr int kLong = 64, kThick = 20;
  TspDataSkinTrackBarControl rec(Name);
  rec.PictureIndex = Art.ControlsPicture();
  TRect* bases[2] = {&rec.SkinRect, &rec.ActiveSkinRect};
  for (int active = 0; active < 2; ++active) {
    const TRect r = Vertical ? Art.PlaceControl(kThick, kLong) : Art.PlaceControl(kLong, kThick);
    // On the panel colour that pages and forms' panels wear: no box around the bar.
    I.Fill(r, p.PanelFace);
    const int mid = Vertical ? r.Left + kThick / 2 : r.Top + kThick / 2;
    const TRect groove = Vertical ? Rect(mid - 2, r.Top + 4, mid + 2, r.Bottom - 4)
                                  : Rect(r.Left + 4, mid - 2, r.Right - 4, mid + 2);
    I.FillShape(groove, RoundRectShape(groove.Left, groove.Top, groove.Right, groove.Bottom, 2),
                active ? p.Accent : Mix(p.Border, p.Face, 0.3));
    *bases[active] = r;
  }
  if (Vertical) {
    rec.LTPoint = Point(0, 8);
    rec.LBPoint = Point(0, kLong - 8);
    rec.ClRect = Rect(0, 8, kThick, kLong - 8);
    rec.TrackArea = Rect(1, 2, kThick - 1, kLong - 2);
  } else {
    rec.LTPoint = Point(8, 0);
    rec.RTPoint = Point(kLong - 8, 0);
    rec.ClRect = Rect(8, 0, kLong - 8, kThick);
    rec.TrackArea = Rect(2, 1, kLong - 2, kThick - 1);
  }
  rec.StretchEffect = true;
  TRect* buttons[2] = {&rec.ButtonRect, &rec.ActiveButtonRect};
  for (int active = 0; active < 2; ++active) {
    const TRect r = Vertical ? Art.PlaceControl(18, 12) : Art.PlaceControl(12, 18);
    I.Fill(r, p.PanelFace);
    I.FillShape(r, RoundRectShape(r.Left, r.Top, r.Right, r.Bottom, 3), active ? p.Accent : p.Border);
    I.FillShape(r, RoundRectShape(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1, 2),
                active ? Mix(p.Accent, p.PanelFace, 0.35) : p.PanelFace);
    *buttons[active] = r;
  }
  rec.Vertical = Vertical;
  Art.AddControl(rec, L"trackbar");
}

// Two arrow buttons side by side or one above the other.
void UpDown(TSkinArt& Art, const wchar_t* Name, bool Vertical) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& I = Art.Controls();
  const TRect base = Vertical ? Art.PlaceControl(kBar, 2 * kBar) : Art.PlaceControl(2 * kBar, kBar);
  TspDataSkinUpDownControl rec(Name);
  rec.PictureIndex = Art.ControlsPicture();
  rec.SkinRect = base;
  // The up button steps up: right of a horizontal pair, on top of a vertical one.
  rec.UpButtonRect = Vertical ? Rect(0, 0, kBar, kBar) : Rect(kBar, 0, 2 * kBar, kBar);
  rec.DownButtonRect = Vertical ? Rect(0, kBar, kBar, 2 * kBar) : Rect(0, 0, kBar, kBar);
  const TDirection up = Vertical ? dUp : dRight, down = Vertical ? dDown : dLeft;
  I.Fill(base, p.Face);
  I.FillShape(base, RoundRectShape(base.Left, base.Top, base.Right, base.Bottom, 3), p.Border);
  I.FillShape(base, RoundRectShape(base.Left + 1, base.Top + 1, base.Right - 1, base.Bottom - 1, 2), p.PanelFace);
  for (const TRect* r : {&rec.UpButtonRect, &rec.DownButtonRect}) {
    const TRect cell = Rect(base.Left + r->Left, base.Top + r->Top, base.Left + r->Right, base.Top + r->Bottom);
    Chevron(I, cell, r == &rec.UpButtonRect ? up : down, p.Text);
  }
  TRect* pieces[2][2] = {{&rec.ActiveUpButtonRect, &rec.DownUpButtonRect},
                         {&rec.ActiveDownButtonRect, &rec.DownDownButtonRect}};
  for (int button = 0; button < 2; ++button)
    for (TLook look : {lHot, lDown}) {
      const TRect r = Art.PlaceControl(kBar, kBar);
      ArrowCell(I, r, button == 0 ? up : down, look, p, p.PanelFace);
      *pieces[button][look == lDown ? 1 : 0] = r;
    }
  Art.AddControl(rec, L"updown");
}

// A tab of Height with rounded top corners; Open leaves its bottom edge out.
TRect Tab(TSkinArt& Art, int Height, TRgb Fill, bool Open) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& I = Art.Controls();
  const TRect r = Art.PlaceControl(56, Height);
  I.Fill(r, p.Face);
  I.FillShape(r, RoundRectShape(r.Left, r.Top, r.Right, r.Bottom + 4, 4), p.Border);
  I.FillShape(r, RoundRectShape(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom + 4, 3), Fill);
  if (!Open) I.HLine(r.Left, r.Right, r.Bottom - 1, p.Border);
  return r;
}

TRect CloseBox(TSkinArt& Art, TLook Look) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& I = Art.Controls();
  const TRect r = Art.PlaceControl(14, 14);
  I.Fill(r, kKey);
  if (Look != lNormal) {
    const TRgb back = Look == lDown ? p.Accent : Mix(p.Face, p.Accent, 0.25);
    I.Fill(Rect(r.Left + 1, r.Top, r.Right - 1, r.Bottom), back);
    I.Fill(Rect(r.Left, r.Top + 1, r.Right, r.Bottom - 1), back);
  }
  // Hard-edged strokes: a smoothed edge would mix with the key colour.
  const TRgb glyph = Look == lDown ? p.AccentText : (Look == lHot ? p.Text : p.TextDim);
  for (int i = 0; i < 8; ++i) {
    for (int w = 0; w < 2; ++w) {
      I.Set(r.Left + 3 + i + w, r.Top + 3 + i, glyph);
      I.Set(r.Left + 3 + i + w, r.Top + 10 - i, glyph);
    }
  }
  return r;
}

}  // namespace

void DrawScrollBars(TSkinArt& Art) {
  ScrollBar(Art, L"hscrollbar", true, false);
  ScrollBar(Art, L"vscrollbar", false, false);
  ScrollBar(Art, L"bothhscrollbar", true, true);
}

void DrawTrackBars(TSkinArt& Art) {
  TrackBar(Art, L"htrackbar", false);
  TrackBar(Art, L"trackbar", true);
}

void DrawUpDowns(TSkinArt& Art) {
  UpDown(Art, L"hupdown", false);
  UpDown(Art, L"vupdown", true);
}

void DrawTabs(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& I = Art.Controls();
  TspDataSkinTabControl rec(L"tab");
  rec.PictureIndex = Art.ControlsPicture();
  // The page frame: a one-pixel outline round the page face; every piece stretches.
  const TRect frame = Art.PlaceControl(48, 48);
  I.Fill(frame, p.Border);
  I.Fill(Rect(frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1), p.PanelFace);
  rec.SkinRect = frame;
  rec.ClRect = Rect(1, 1, 47, 47);
  rec.LTPoint = Point(4, 4);
  rec.RTPoint = Point(44, 4);
  rec.LBPoint = Point(4, 44);
  rec.RBPoint = Point(44, 44);
  rec.LeftStretch = rec.TopStretch = rec.RightStretch = rec.BottomStretch = true;
  rec.StretchEffect = true;
  rec.StretchType = spstFull;
  // Tabs: the active one two pixels taller, open towards its page.
  rec.TabRect = Tab(Art, 24, Mix(p.Face, p.Border, 0.12), false);
  rec.MouseInTabRect = Tab(Art, 24, Mix(p.Face, p.Accent, 0.15), false);
  rec.ActiveTabRect = Tab(Art, 26, p.PanelFace, true);
  rec.TabLeftOffset = rec.TabRightOffset = 5;
  rec.TabStretchEffect = true;
  const TRect strip = Art.PlaceControl(8, 8);
  I.Fill(strip, p.Face);
  rec.TabsBGRect = strip;
  rec.FontName = p.FontName;
  rec.FontHeight = p.FontHeight;
  rec.FontColor = ToColor(p.TextSecondary);
  rec.ActiveFontColor = rec.FocusFontColor = ToColor(p.Text);
  // The accent drawn towards the text: the accent alone is too faint on the hot tab.
  rec.MouseInFontColor = ToColor(Mix(p.Accent, p.Text, 0.35));
  rec.UpDown = L"hupdown";
  rec.CloseButtonRect = CloseBox(Art, lNormal);
  rec.CloseButtonActiveRect = CloseBox(Art, lHot);
  rec.CloseButtonDownRect = CloseBox(Art, lDown);
  rec.ButtonTransparent = true;
  rec.ButtonTransparentColor = ToColor(kKey);
  Art.AddControl(rec, L"tab");
}
