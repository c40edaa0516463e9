// A form with only a skinned page control whose twelve tabs overflow its 300
// pixels: the program never names the skinned up-down, yet the tabs scroll
// with it and the tab control's own up-down is gone.
#include "SmallestCheck.h"
#include "skinctrls/SkinTabs.h"

int wmain() {
  auto* form = new TForm(nullptr);
  form->SetBounds(100, 100, 340, 220);
  TspSkinData* skin = LoadBuiltInSkinData(form);
  auto* pages = new TspSkinPageControl(form);
  pages->SetParent(form);
  pages->SetBounds(10, 10, 300, 160);
  pages->SetSkinData(skin);
  for (int i = 0; i < 12; ++i) {
    auto* sheet = new TspSkinTabSheet(form);
    sheet->SetCaption(L"Page " + std::to_wstring(i + 1));
    sheet->SetPageControl(pages);
  }
  ShowAndActivate(form);

  TspTabScroller* scroller = pages->Scroller();
  Check(scroller != nullptr, "the overflowing tabs have a scroller");
  Check(scroller && scroller->ScrollerControl()->ClassName() == L"TspSkinUpDown", "the scroller is the skinned up-down");
  Check(FindWindowExW(pages->Handle(), nullptr, L"msctls_updown32", nullptr) == nullptr,
        "the tab control's own up-down is gone");
  if (scroller) {
    scroller->SetScrollerPosition(1);
    Settle();
    Check(scroller->ScrollerPosition() == 1, "the skinned up-down scrolls the tabs");
  }

  Free(form);
  Settle();
  return Finish("PageControlOnly");
}
