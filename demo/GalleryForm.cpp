#include "demo/GalleryForm.h"

#include <functional>
#include <utility>

#include "demo/GalleryControls.h"
#include "demo/GalleryFrame.h"
#include "demo/GalleryPages.h"
#include "demo/SkinSamples.h"

namespace {

template <typename T, typename... Args>
T* AddControl(TWinControl* Parent, int Left, int Top, int Width, int Height, Args&&... ConstructorArgs) {
  T* control = new T(Parent, std::forward<Args>(ConstructorArgs)...);
  control->SetParent(Parent);
  control->SetBounds(Left, Top, Width, Height);
  return control;
}

}  // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner, int StartPage) : TForm(AOwner) {
  SetCaption(L"Skin GUI gallery \x2014 \x76AE\x80A4\x754C\x9762\x5E93\x6F14\x793A");
  SetPosition(poScreenCenter);
  SetBounds(20, 20, 960, 740);
  SetClientSize(940, 700);
  SetColor(MakeColor(236, 238, 244));
  Font()->SetName(kChineseFont);
  Font()->SetHeight(-14);
  BuildControlRow();
  BuildPages(StartPage);
  AddGalleryFrame(this, FirstSkinData(this));
}

void TGalleryForm::BuildControlRow() {
  auto* title = AddControl<TLabel>(this, 16, 8, 600, 24);
  title->Font()->SetHeight(-20);
  title->Font()->SetColor(MakeColor(20, 40, 110));
  title->SetCaption(L"Skin GUI gallery \x2014 \x76AE\x80A4\x754C\x9762\x5E93\x6F14\x793A");
  auto* hint = AddControl<TLabel>(this, 16, 36, 900, 20);
  hint->SetCaption(L"Point at, click and Tab through the controls; Enter presses OK, Esc presses Cancel.");

  auto* first = AddControl<TSwatch>(this, 16, 60, 110, 48, MakeColor(200, 215, 240));
  first->SetCaption(L"Windowed \x7A97\x53E3");
  first->SetHint(L"A windowed custom control: Tab to it, press Space");
  first->SetShowHint(true);
  auto* second = AddControl<TSwatch>(this, 136, 60, 110, 48, MakeColor(210, 235, 200));
  second->SetCaption(L"Second \x7B2C\x4E8C");
  auto* star = AddControl<THoverStar>(this, 258, 60, 48, 48);
  star->SetHint(L"A windowless control painted by the form");
  star->SetShowHint(true);
  auto* edit = AddControl<TEdit>(this, 318, 70, 220, 28);
  edit->SetText(L"\x7F16\x8F91\x4E2D\x6587\x6587\x5B57 Edit");
  auto* ok = AddControl<TButton>(this, 550, 68, 90, 32);
  ok->SetCaption(L"&OK \x786E\x5B9A");
  ok->SetDefault(true);
  auto* cancel = AddControl<TButton>(this, 648, 68, 90, 32);
  cancel->SetCaption(L"Cancel");
  cancel->SetCancel(true);
  FStatus = AddControl<TLabel>(this, 750, 76, 180, 20);
  FStatus->SetCaption(L"Ready \x5C31\x7EEA");

  first->OnClick = [this](TObject*) { SetStatus(L"Windowed clicked"); };
  second->OnClick = [this](TObject*) { SetStatus(L"Second clicked"); };
  star->OnClick = [this](TObject*) { SetStatus(L"Star clicked \x2605"); };
  edit->OnChange = [this, edit](TObject*) { SetStatus(L"Edit: " + edit->Text()); };
  ok->OnClick = [this](TObject*) { SetStatus(L"OK \x786E\x5B9A pressed"); };
  cancel->OnClick = [this](TObject*) { SetStatus(L"Cancel pressed"); };
  SetActiveControl(first);
}

TSampleSkins TGalleryForm::LoadSampleSkins() {
  TSampleSkins skins;
  try {
    auto* stored = new TspCompressedStoredSkin(this);
    stored->LoadFromSkinFile(ProgramFolder() + L"skins\\Test\\skin.ini");
    skins.BuiltIn = new TspSkinData(this);
    skins.BuiltIn->LoadCompressedStoredSkin(stored);
  } catch (const Exception& e) {
    skins.BuiltInError = e.Message();
  }
  skins.DarkError = L"The dark skin is not built yet.";
  return skins;
}

void TGalleryForm::BuildPages(int StartPage) {
  FPages = AddControl<TPageControl>(this, 8, 118, ClientWidth() - 16, ClientHeight() - 126);
  FPages->SetAnchors({akLeft, akTop, akRight, akBottom});
  const TSampleSkins skins = LoadSampleSkins();
  const struct {
    const wchar_t* Caption;
    std::function<TGalleryPage*(TComponent*)> Make;
  } pages[] = {
      {L"Panels \x9762\x677F",
       [skins](TComponent* o) -> TGalleryPage* { return new TSkinSamplesPage(o, skins, {BuildPanelSamples}); }},
      {L"Labels \x6807\x7B7E",
       [skins](TComponent* o) -> TGalleryPage* { return new TSkinSamplesPage(o, skins, {BuildLabelSamples}); }},
      {L"Menus \x83DC\x5355",
       [skins](TComponent* o) -> TGalleryPage* { return new TSkinSamplesPage(o, skins, {BuildMenuSamples}); }},
      {L"Bars and tabs \x6EDA\x52A8\x6761",
       [skins](TComponent* o) -> TGalleryPage* { return new TSkinSamplesPage(o, skins, {BuildBarSamples}); }},
      {L"Graphics \x56FE\x5F62", [](TComponent* o) -> TGalleryPage* { return new TGraphicsPage(o); }},
      {L"Composition \x5408\x6210", [](TComponent* o) -> TGalleryPage* { return new TCompositionPage(o); }},
      {L"Text and glyphs \x6587\x5B57", [](TComponent* o) -> TGalleryPage* { return new TTextGlyphPage(o); }},
      {L"Skin \x76AE\x80A4", [](TComponent* o) -> TGalleryPage* { return new TSkinPage(o); }},
      {L"Components \x7EC4\x4EF6", [](TComponent* o) -> TGalleryPage* { return new TComponentsPage(o); }},
      {L"Themes \x4E3B\x9898", NewThemesPage},
  };
  for (const auto& page : pages) {
    auto* sheet = new TTabSheet(this);
    sheet->SetCaption(page.Caption);
    sheet->SetPageControl(FPages);
    TGalleryPage* content = page.Make(sheet);
    content->SetParent(sheet);
  }
  if (StartPage >= 0 && StartPage < FPages->PageCount()) FPages->SetActivePageIndex(StartPage);
}
