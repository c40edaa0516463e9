// Views: the fonts and backgrounds of the tree view, list view and rich
// edit. The list view's header sections use the shared flat "resizebutton".
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinCtrlRecords2.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

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
}
