// Tool bar samples: a tool bar of speed buttons and menu speed buttons, one
// opening a skinned popup menu and one an image-grid menu of colours, and a
// narrow scrolling tool bar with its arrow buttons.
#include "classlib/ImgList.h"
#include "demo/SkinSamples.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "skinctrls/SkinToolBar.h"

namespace {

// Sixteen 16 x 16 images: colour swatches with a darker rim.
TImageList* Swatches(TComponent* Owner) {
  auto* list = new TImageList(Owner, 16, 16);
  const TColor colours[] = {0x0000C0, 0x0060E0, 0x00C0E0, 0x00A000, 0x808000, 0xC06000, 0xA00060, 0x404040,
                            0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80, 0xFFC080, 0xFF80C0, 0xC0C0C0};
  for (TColor c : colours) {
    TBitmap b;
    b.SetSize(16, 16);
    b.Canvas()->Brush()->SetColor(0x303030);
    b.Canvas()->FillRect(TRect(0, 0, 16, 16));
    b.Canvas()->Brush()->SetColor(c);
    b.Canvas()->FillRect(TRect(1, 1, 15, 15));
    list->AddMasked(&b, clFuchsia);
  }
  return list;
}

template <class T>
T* PutButton(TspSkinToolBar* Bar, int X, int W, const String& Caption, int Image) {
  auto* b = Place<T>(Bar, X, 0, W, 24);
  b->SetCaption(Caption);
  b->SetImageIndex(Image);
  b->SetSkinData(Bar->SkinData());
  return b;
}

TspSkinToolBar* PutBar(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, int W, TImageList* Images) {
  auto* bar = Place<TspSkinToolBar>(Parent, X, Y, W, 32);
  bar->SetSkinData(SkinData);
  bar->SetImages(Images);
  return bar;
}

// The skin menu opens through the skinned form of the button's form; the
// samples' form gets one the first time a menu drops down.
void LendSkinForm(TspSkinMenuSpeedButton* Button, TspSkinPopupMenu* Menu) {
  Button->OnShowTrackMenu = [Button, Menu](TObject*) {
    TCustomForm* form = GetParentForm(Button);
    if (!form) return;
    if (!GetSkinForm(form)) new TspSkinForm(form);
    Menu->SetOwnerForm(form);
  };
}

}  // namespace

int BuildToolBarSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  TImageList* images = Swatches(Parent);
  TspSkinToolBar* bar = PutBar(Parent, SkinData, X, Y, 280, images);
  PutButton<TspSkinSpeedButton>(bar, 4, 24, L"", 0);
  auto* bold = PutButton<TspSkinSpeedButton>(bar, 30, 24, L"", 1);
  bold->SetGroupIndex(1);
  bold->SetAllowAllUp(true);
  bold->SetDown(true);
  auto* bevel = new TspSkinBevel(bar);
  bevel->SetParent(bar);
  bevel->SetShape(bsLeftLine);
  bevel->SetBounds(58, 0, 4, 20);
  bevel->SetSkinData(SkinData);

  auto* menu = new TspSkinPopupMenu(Parent);
  menu->SetSkinData(SkinData);
  for (const wchar_t* caption : {L"New \x65B0\x5EFA", L"Open \x6253\x5F00", L"-", L"Save \x4FDD\x5B58"}) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  auto* file = PutButton<TspSkinMenuSpeedButton>(bar, 66, 84, L"File \x6587\x4EF6", 2);
  file->SetSkinPopupMenu(menu);
  file->SetTrackButtonMode(true);
  LendSkinForm(file, menu);

  auto* grid = new TspSkinImagesMenu(Parent);
  grid->SetImages(images);
  grid->SetSkinData(SkinData);
  grid->SetColumnsCount(8);
  grid->ImagesItems()->Add()->SetCaption(L"Colours \x989C\x8272");
  grid->ImagesItems()->Items(0)->SetHeader(true);
  for (int i = 0; i < images->Count(); ++i) grid->ImagesItems()->Add()->SetImageIndex(i);
  TspImagesMenuItem* none = grid->ImagesItems()->Add();
  none->SetButton(true);
  none->SetCaption(L"No colour \x65E0");
  grid->SetItemIndex(3);
  auto* colour = PutButton<TspSkinMenuSpeedButton>(bar, 154, 40, L"", 0);
  colour->SetSkinImagesMenu(grid);
  colour->SetUseImagesMenuImage(true);
  colour->SetTrackButtonMode(true);
  PutButton<TspSkinMenuSpeedButton>(bar, 198, 40, L"", 5)->SetFlat(true);
  PutButton<TspSkinSpeedButton>(bar, 242, 24, L"", 6)->SetEnabled(false);

  // A narrow bar whose buttons scroll.
  TspSkinToolBar* narrow = PutBar(Parent, SkinData, X, Y + 40, 180, images);
  narrow->SetCanScroll(true);
  narrow->SetScrollOffset(26);
  for (int i = 0; i < 12; ++i) PutButton<TspSkinSpeedButton>(narrow, i * 26, 24, L"", i);
  narrow->SetFlat(true);
  narrow->UpdateScroll();

  // Captions shown: the bar widens to fit them.
  TspSkinToolBar* captions = PutBar(Parent, SkinData, X, Y + 80, 120, images);
  captions->SetAutoShowHideCaptions(true);
  captions->SetWidthWithoutCaptions(120);
  captions->SetWidthWithCaptions(280);
  const wchar_t* names[] = {L"Cut \x526A", L"Copy \x590D", L"Paste \x8D34"};
  for (int i = 0; i < 3; ++i) {
    auto* b = PutButton<TspSkinSpeedButton>(captions, 4 + i * 92, 88, names[i], 8 + i);
    b->SetShowCaption(false);
    b->SetWidthWithCaption(88);
    b->SetWidthWithoutCaption(24);
    b->SetLeft(4 + i * 28);
  }
  captions->SetShowCaptions(true);
  for (int i = 0; i < 3; ++i) captions->Controls(i)->SetLeft(4 + i * 92);
  return Y + 120;
}
