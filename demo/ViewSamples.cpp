// Samples of the skinned views: a tree view, a list view in report style and
// a rich edit, each with skinned scroll bars beside it.
#include "demo/SkinSamples.h"
#include "skinctrls/SkinListView.h"
#include "skinctrls/SkinRichEdit.h"
#include "skinctrls/SkinTreeView.h"

namespace {

constexpr int kBar = 16;

TspSkinScrollBar* PutBar(TWinControl* Parent, TspSkinData* SkinData, const TRect& R, TScrollBarKind Kind) {
  auto* bar = new TspSkinScrollBar(Parent);
  bar->SetParent(Parent);
  bar->SetKind(Kind);
  bar->SetBounds(R.Left, R.Top, R.Width(), R.Height());
  bar->SetSkinDataName(Kind == sbVertical ? L"vscrollbar" : L"hscrollbar");
  bar->SetSkinData(SkinData);
  return bar;
}

// A view at (X, Y) of W x H including the bars to its right and (when
// Horizontal) below it.
template <class T>
T* PutView(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, int W, int H, bool Horizontal) {
  T* view = Place<T>(Parent, X, Y, W - kBar, H - (Horizontal ? kBar : 0));
  TFont font;
  font.Assign(view->DefaultFont());
  font.SetName(kChineseFont);
  view->SetDefaultFont(&font);
  view->SetSkinData(SkinData);
  view->SetVScrollBar(PutBar(Parent, SkinData, Bounds(X + W - kBar, Y, kBar, view->Height()), sbVertical));
  if (Horizontal) view->SetHScrollBar(PutBar(Parent, SkinData, Bounds(X, Y + H - kBar, W - kBar, kBar), sbHorizontal));
  return view;
}

}  // namespace

int BuildViewSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  const int w = kSampleColumnWidth - 2 * X;

  auto* tree = PutView<TspSkinTreeView>(Parent, SkinData, X, Y, w, 130, true);
  TTreeNodes* nodes = tree->Items();
  const wchar_t* groups[] = {L"Friends \x670B\x53CB", L"Family \x5BB6\x4EBA", L"Colleagues \x540C\x4E8B"};
  const wchar_t* names[] = {L"Li Lei \x674E\x96F7", L"Han Meimei \x97E9\x6885\x6885", L"Zhang San \x5F20\x4E09",
                            L"Wang Wu \x738B\x4E94"};
  for (const wchar_t* group : groups) {
    TTreeNode* g = nodes->Add(nullptr, group);
    for (const wchar_t* name : names) nodes->AddChild(g, name);
  }
  nodes->GetFirstNode()->Expand(false);
  nodes->GetFirstNode()->getNextSibling()->Expand(false);
  // The selection shows while another control has the focus, in the skin's colours.
  tree->SetHideSelection(false);
  tree->SetSelected(nodes->GetFirstNode()->getFirstChild()->getNextSibling());
  Y += 130 + 8;

  auto* list = PutView<TspSkinListView>(Parent, SkinData, X, Y, w, 130, true);
  list->SetViewStyle(vsReport);
  list->SetRowSelect(true);
  list->SetFullDrag(true);
  const struct {
    const wchar_t* Caption;
    int Width;
    TAlignment Alignment;
  } columns[] = {{L"Name \x59D3\x540D", 120, taLeftJustify}, {L"Phone \x7535\x8BDD", 100, taLeftJustify},
                 {L"Age \x5E74\x9F84", 50, taRightJustify}};
  for (const auto& c : columns) {
    TListColumn* column = list->Columns()->Add();
    column->SetCaption(c.Caption);
    column->SetWidth(c.Width);
    column->SetAlignment(c.Alignment);
  }
  for (int i = 0; i < 12; ++i) {
    TListItem* item = list->Items()->Add();
    item->SetCaption(names[i % 4]);
    item->SubItems()->Add(L"010-" + IntToStr(6500 + i * 37));
    item->SubItems()->Add(IntToStr(20 + i * 3));
  }
  list->Items()->Item(1)->SetSelected(true);
  Y += 130 + 8;

  auto* rich = PutView<TspSkinRichEdit>(Parent, SkinData, X, Y, w, 90, false);
  rich->SetSkinSupport(true);
  rich->SetSkinData(SkinData);  // again, now that it takes the skin's look
  rich->SetText(L"Rich edit \x5BCC\x6587\x672C\x7F16\x8F91\x6846\r\n"
                L"\x8FD9\x662F\x7B2C\x4E8C\x884C\xFF0C\x6587\x5B57\x5F88\x957F\x4F1A\x81EA\x52A8\x6362\x884C\x3002"
                L" The text wraps at the edge.\r\nLine three\r\nLine four\r\nLine five\r\nLine six");
  return Y + 90 + 8;
}
