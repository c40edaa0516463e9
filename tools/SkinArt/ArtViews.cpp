// Views: the fonts and backgrounds of the tree view, list view and rich
// edit, and the list view's column header button in a picture of its own.
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinCtrlRecords2.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

constexpr int kHeaderWidth = 40, kHeaderHeight = 20;

// A header section: a soft vertical gradient, a light top line, and a
// divider at the right; the bottom line closes it against the rows.
void HeaderFace(TArtImage& I, const TRect& R, TRgb Top, TRgb Bottom, TRgb Line, TRgb Divider) {
  I.Fill(R, Vertical(Top, Bottom, R.Top, R.Bottom));
  I.HLine(R.Left, R.Right, R.Top, Mix(Top, TRgb{255, 255, 255}, 0.35));
  I.HLine(R.Left, R.Right, R.Bottom - 1, Line);
  I.VLine(R.Right - 1, R.Top + 3, R.Bottom - 3, Divider);
}

void AddView(TSkinArt& Art, TspDataSkinViewControl& Rec, const wchar_t* Type) {
  const TSkinPalette& p = Art.Palette;
  Rec.FontName = p.FontName;
  Rec.FontHeight = p.FontHeight;
  Rec.FontColor = ToColor(p.WindowText);
  Rec.BGColor = ToColor(p.Window);
  Art.AddControl(Rec, Type);
}

}  // namespace

void DrawViews(TSkinArt& Art) {
  TspDataSkinTreeView tree(L"treeview");
  AddView(Art, tree, L"treeview");
  TspDataSkinListView list(L"listview");
  AddView(Art, list, L"listview");
  TspDataSkinRichEdit rich(L"richedit");
  AddView(Art, rich, L"richedit");

  // "resizebutton": normal, hot and pressed sections one above the other.
  const TSkinPalette& p = Art.Palette;
  const int index = Art.AddPicture(L"header.bmp", kHeaderWidth, 3 * kHeaderHeight, p.Face);
  TArtImage& I = Art.Picture(index);
  const TRgb top = Mix(p.PanelFace, p.Window, 0.5), bottom = p.PanelFace;
  const TRgb divider = Mix(p.Border, p.PanelFace, 0.3);
  const TRect normal(0, 0, kHeaderWidth, kHeaderHeight);
  const TRect hot(0, kHeaderHeight, kHeaderWidth, 2 * kHeaderHeight);
  const TRect down(0, 2 * kHeaderHeight, kHeaderWidth, 3 * kHeaderHeight);
  HeaderFace(I, normal, top, bottom, p.Border, divider);
  HeaderFace(I, hot, Mix(top, p.Accent, 0.15), Mix(bottom, p.Accent, 0.15), p.Accent, divider);
  HeaderFace(I, down, Mix(bottom, p.Accent, 0.3), Mix(top, p.Accent, 0.3), p.Accent, divider);
  TspDataSkinButtonControl header(L"resizebutton");
  header.PictureIndex = index;
  header.SkinRect = normal;
  header.ActiveSkinRect = hot;
  header.DownSkinRect = down;
  // Two-pixel ends, the middle stretched: any section width keeps its divider.
  header.LTPoint = Point(2, 2);
  header.RTPoint = Point(kHeaderWidth - 2, 2);
  header.LBPoint = Point(2, kHeaderHeight - 2);
  header.RBPoint = Point(kHeaderWidth - 2, kHeaderHeight - 2);
  header.ClRect = Rect(2, 2, kHeaderWidth - 2, kHeaderHeight - 2);
  header.StretchEffect = true;
  header.LeftStretch = header.TopStretch = header.RightStretch = header.BottomStretch = true;
  header.FontName = p.FontName;
  header.FontHeight = p.FontHeight;
  header.FontColor = ToColor(p.Text);
  header.ActiveFontColor = ToColor(p.Text);
  header.DownFontColor = ToColor(p.Text);
  header.DisabledFontColor = ToColor(p.TextDim);
  Art.AddControl(header, L"button");
}
