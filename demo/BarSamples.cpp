// Samples of the scroll bar, track bar, up-down and skinned page control.
#include "demo/SkinSamples.h"
#include "skinctrls/SkinScrollBar.h"
#include "skinctrls/SkinTabs.h"
#include "skinctrls/SkinTrackBar.h"
#include "skininputs/SkinBoxCtrls.h"

namespace {

// The record name goes first: the skin sizes the control by its record.
// A page control of Count pages on Side, with close buttons.
TspSkinPageControl* PutPages(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, int W, int H,
                             TTabPosition Side, int Count) {
  auto* pages = Place<TspSkinPageControl>(Parent, X, Y, W, H);
  pages->SetTabPosition(Side);
  pages->SetShowCloseButtons(Side == tpTop);
  pages->SetFreeOnClose(true);
  const wchar_t* captions[] = {L"\x9875\x4E00 One", L"Two", L"\x9875\x4E09 Three", L"Four", L"Five", L"Six", L"Seven"};
  for (int i = 0; i < Count; ++i) {
    auto* sheet = new TspSkinTabSheet(Parent);
    sheet->SetCaption(captions[i % 7]);
    sheet->SetPageControl(pages);
  }
  pages->SetSkinData(SkinData);
  return pages;
}

}  // namespace

int BuildBarSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  auto* h = PlaceSkinned<TspSkinScrollBar>(Parent, SkinData, X, Y, 280, 19);
  h->SetRange(0, 100, 20, 30);
  auto* both = PlaceSkinned<TspSkinScrollBar>(Parent, SkinData, X, Y + 26, 280, 19);
  both->SetBothMarkerWidth(19);
  both->SetBoth(true);
  both->SetPosition(70);

  auto* v = PlaceSkinned<TspSkinScrollBar>(Parent, SkinData, X, Y + 52, 19, 110, L"vscrollbar");
  v->SetKind(sbVertical);
  v->SetPosition(40);
  auto* vt = PlaceSkinned<TspSkinTrackBar>(Parent, SkinData, X + 30, Y + 52, 24, 110, L"trackbar");
  vt->SetVertical(true);
  vt->SetValue(30);
  vt->SetJumpWhenClick(true);

  auto* t = PlaceSkinned<TspSkinTrackBar>(Parent, SkinData, X + 64, Y + 52, 210, 24);
  t->SetJumpWhenClick(true);
  t->SetValue(65);
  PlaceSkinned<TspSkinUpDown>(Parent, SkinData, X + 64, Y + 90, 40, 20);
  auto* vu = PlaceSkinned<TspSkinUpDown>(Parent, SkinData, X + 114, Y + 90, 20, 40, L"vupdown");
  vu->SetOrientation(udVertical);
  // Sized freely: each button composed from the skin's resizable button.
  auto* free = PlaceSkinned<TspSkinUpDown>(Parent, SkinData, X + 144, Y + 90, 50, 24);
  free->SetUseSkinSize(false);

  PutPages(Parent, SkinData, X, Y + 172, 280, 120, tpTop, 6);
  PutPages(Parent, SkinData, X, Y + 302, 135, 110, tpLeft, 3);
  PutPages(Parent, SkinData, X + 145, Y + 302, 135, 110, tpBottom, 3);
  return Y + 412;
}
