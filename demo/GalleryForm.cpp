#include "demo/GalleryForm.h"

#include <functional>
#include <utility>

#include "demo/GalleryControls.h"
#include "demo/GalleryFrame.h"
#include "demo/GalleryPages.h"
#include "demo/MDIDemo.h"
#include "classlib/Menus.h"
#include "skin/SkinBuiltIn.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinTabs.h"
#include "skininputs/SkinEdit.h"

namespace {

// Root and every skinned control under it bound to Skin.
void BindSkin(TControl* Root, TspSkinData* Skin) {
  if (auto* control = dynamic_cast<TspSkinControl*>(Root)) control->SetSkinData(Skin);
  if (auto* label = dynamic_cast<TspSkinStdLabel*>(Root)) label->SetSkinData(Skin);
  if (auto* container = dynamic_cast<TWinControl*>(Root))
    for (int i = 0; i < container->ControlCount(); ++i) BindSkin(container->Controls(i), Skin);
}

TMenuItem* AddItem(TMenuItem* Parent, const String& Caption, TComponent* Owner, TNotifyEvent OnClick = nullptr) {
  auto* item = new TMenuItem(Owner);
  item->SetCaption(Caption);
  item->OnClick = std::move(OnClick);
  Parent->Add(item);
  return item;
}

void AddRadioGroup(TMenuItem* Parent, std::initializer_list<const wchar_t*> Captions, uint8_t Group,
                   TComponent* Owner, const std::function<void(int)>& OnPick = nullptr) {
  int index = 0;
  for (const wchar_t* caption : Captions) {
    TMenuItem* item = AddItem(Parent, caption, Owner);
    item->SetRadioItem(true);
    item->SetGroupIndex(Group);
    item->SetChecked(index == 0);
    item->OnClick = [item, OnPick, index](TObject*) {
      item->SetChecked(true);
      if (OnPick) OnPick(index);
    };
    ++index;
  }
}

// The gallery's menu bar, shown in the skinned frame. Command line: --menu N
// opens the menu of bar item N (from 1, as the pages count) once the form
// shows, --sysmenu the system menu.
void BuildMainMenu(TGalleryForm* Form, TspSkinForm* Frame) {
  auto* menu = new TMainMenu(Form);
  TMenuItem* root = menu->Items();
  TMenuItem* file = AddItem(root, L"&File \x6587\x4EF6", menu);
  AddItem(file, L"&Open... \x6253\x5F00", menu)->SetShortCut(ShortCut('O', {ssCtrl}));
  AddItem(file, L"&Save \x4FDD\x5B58", menu)->SetShortCut(ShortCut('S', {ssCtrl}));
  AddItem(file, L"-", menu);
  AddItem(file, L"E&xit \x9000\x51FA", menu, [Form](TObject*) { Form->Close(); });
  TMenuItem* view = AddItem(root, L"&View \x89C6\x56FE", menu);
  TMenuItem* status = AddItem(view, L"&Status bar", menu);
  status->SetChecked(true);
  status->OnClick = [status](TObject*) { status->SetChecked(!status->Checked()); };
  AddItem(view, L"-", menu);
  AddRadioGroup(view, {L"S&mall icons", L"&Large icons", L"&Details"}, 1, menu);
  TMenuItem* zoom = AddItem(view, L"&Zoom \x7F29\x653E", menu);
  for (const wchar_t* z : {L"50%", L"100%", L"200%"}) AddItem(zoom, z, menu);
  TMenuItem* skin = AddItem(root, L"&Skin \x76AE\x80A4", menu);
  AddRadioGroup(skin, {L"&Built-in \x5185\x7F6E", L"D&ark \x6DF1\x8272", L"&No skin \x65E0"}, 2, menu,
                [Form](int Index) { Form->SwitchSkin(static_cast<TGalleryForm::TGallerySkin>(Index)); });
  TMenuItem* window = AddItem(root, L"&Window \x7A97\x53E3", menu);
  AddItem(window, L"&MDI demo \x591A\x6587\x6863", menu, [Form](TObject*) { Form->ShowMDIDemo(); });
  TMenuItem* help = AddItem(root, L"&Help \x5E2E\x52A9", menu);
  AddItem(help, L"&About the gallery", menu);
  AddItem(help, L"Disabled", menu)->SetEnabled(false);
  Form->SetMenu(menu);
  Frame->UpdateMenuBar();
  // The interface font, which shows Chinese captions too.
  TFont font;
  font.Assign(Form->Font());
  Frame->SetDefMenuItemFont(&font);

  int item = 1;
  const bool openMenu = HasArgument(L"--menu", &item);
  --item;
  const bool openSystem = HasArgument(L"--sysmenu");
  if (!openMenu && !openSystem) return;
  auto* timer = new TTimer(Form);
  timer->SetInterval(1500);
  timer->OnTimer = [timer, Frame, item, openMenu](TObject*) {
    timer->SetEnabled(false);
    if (openMenu) {
      Frame->PopupMenuBarItem(item);
      return;
    }
    RECT w = {};
    GetWindowRect(Frame->Form()->Handle(), &w);
    const TRect icon = Frame->IconRect();
    Frame->SystemMenuPopup(TRect(w.left + icon.Left, w.top + icon.Top, w.left + icon.Right, w.top + icon.Bottom));
  };
}

const wchar_t* const kTitle = L"Skin GUI gallery \x2014 \x76AE\x80A4\x754C\x9762\x5E93\x6F14\x793A";

}  // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner, int StartPage) : TForm(AOwner) {
  SetCaption(kTitle);
  SetPosition(poScreenCenter);
  SetBounds(20, 20, 960, 760);
  SetColor(MakeColor(236, 238, 244));
  Font()->SetName(kChineseFont);
  Font()->SetHeight(-14);
  LoadSkins();
  BuildHeader();
  BuildStatusBar();
  // The frame before the pages: their popup menus find the form's skinned form.
  TspSkinForm* frame = AddGalleryFrame(this, FMainSkin);
  BuildPages(StartPage);
  BuildMainMenu(this, frame);
  if (HasArgument(L"--dark")) SwitchSkin(gsDark);
  if (HasArgument(L"--noskin")) SwitchSkin(gsNone);
  if (HasArgument(L"--mdi") || HasArgument(L"--mdimax") || HasArgument(L"--mdiobjects")) {
    // Once the gallery shows, so that the demo window lies over it.
    auto* timer = new TTimer(this);
    timer->SetInterval(300);
    timer->OnTimer = [this, timer](TObject*) {
      timer->SetEnabled(false);
      ::ShowMDIDemo(FMainSkin, HasArgument(L"--mdimax"));
    };
  }
}

TCustomForm* TGalleryForm::ShowMDIDemo() { return ::ShowMDIDemo(FMainSkin, false); }

void TGalleryForm::LoadSkins() {
  FBuiltInStored = new TspCompressedStoredSkin(this);
  FMainSkin = new TspSkinData(this);
  try {
    LoadBuiltInSkin(FBuiltInStored);
    FMainSkin->LoadCompressedStoredSkin(FBuiltInStored);
    SetGalleryLook(FMainSkin);
    FSampleSkins.BuiltIn = new TspSkinData(this);
    FSampleSkins.BuiltIn->LoadCompressedStoredSkin(FBuiltInStored);
  } catch (const Exception& e) {
    FSampleSkins.BuiltInError = e.Message();
  }
  try {
    auto* dark = new TspSkinData(this);
    dark->LoadFromCompressedFile(ProgramFolder() + L"skins\\Dark.skn");
    FSampleSkins.Dark = dark;
  } catch (const Exception& e) {
    FSampleSkins.DarkError = e.Message();
  }
}

void TGalleryForm::BuildHeader() {
  auto* header = Place<TspSkinPanel>(this, 0, 0, 940, 118);
  header->SetAlign(alTop);
  header->SetBorderStyle(bvNone);
  auto* title = Place<TspSkinStdLabel>(header, 16, 8, 560, 28);
  title->SetUseSkinFont(false);  // the label's own font, in the skin's colour
  title->Font()->SetName(kChineseFont);
  title->Font()->SetHeight(-22);
  title->SetCaption(kTitle);
  auto* hint = Place<TspSkinStdLabel>(header, 16, 38, 560, 20);
  hint->SetCaption(L"Point at, click and Tab through the controls; Enter presses OK, Esc presses Cancel.");
  BuildSkinSwitch(header, 590, 34);
  BuildControlRow(header, 62);
  BindSkin(header, FMainSkin);
}

void TGalleryForm::BuildSkinSwitch(TWinControl* Parent, int Left, int Top) {
  const struct {
    const wchar_t* Caption;
    TGallerySkin Skin;
  } choices[] = {{L"Built-in \x5185\x7F6E", gsBuiltIn}, {L"Dark \x6DF1\x8272", gsDark}, {L"No skin \x65E0", gsNone}};
  int x = Left;
  for (const auto& choice : choices) {
    auto* button = Place<TspSkinButton>(Parent, x, Top, 104, 26);
    button->SetCaption(choice.Caption);
    const TGallerySkin skin = choice.Skin;
    button->OnClick = [this, skin](TObject*) { SwitchSkin(skin); };
    x += 110;
  }
}

void TGalleryForm::BuildControlRow(TWinControl* Parent, int Top) {
  auto* first = Place<TSwatch>(Parent, 16, Top, 110, 48, MakeColor(200, 215, 240));
  first->SetCaption(L"Windowed \x7A97\x53E3");
  first->SetHint(L"A windowed custom control: Tab to it, press Space");
  first->SetShowHint(true);
  auto* second = Place<TSwatch>(Parent, 136, Top, 110, 48, MakeColor(210, 235, 200));
  second->SetCaption(L"Second \x7B2C\x4E8C");
  auto* star = Place<THoverStar>(Parent, 258, Top, 48, 48);
  star->SetHint(L"A windowless control painted by its parent");
  star->SetShowHint(true);
  auto* edit = Place<TspSkinEdit>(Parent, 318, Top + 10, 220, 28);
  edit->SetSkinData(FMainSkin);  // an edit is no skinned control that BindSkin finds
  edit->SetText(L"\x7F16\x8F91\x4E2D\x6587\x6587\x5B57 Edit");
  auto* ok = Place<TspSkinButton>(Parent, 550, Top + 8, 90, 32);
  ok->SetCaption(L"&OK \x786E\x5B9A");
  ok->SetDefault(true);
  auto* cancel = Place<TspSkinButton>(Parent, 648, Top + 8, 90, 32);
  cancel->SetCaption(L"Cancel");
  cancel->SetCancel(true);

  first->OnClick = [this](TObject*) { SetStatus(L"Windowed clicked"); };
  second->OnClick = [this](TObject*) { SetStatus(L"Second clicked"); };
  star->OnClick = [this](TObject*) { SetStatus(L"Star clicked \x2605"); };
  edit->OnChange = [this, edit](TObject*) { SetStatus(L"Edit: " + edit->Text()); };
  ok->OnClick = [this](TObject*) { SetStatus(L"OK \x786E\x5B9A pressed"); };
  cancel->OnClick = [this](TObject*) { SetStatus(L"Cancel pressed"); };
  SetActiveControl(first);
}

void TGalleryForm::BuildStatusBar() {
  // Named as the skins name the status bar, so that the frame hides its
  // grip while the form is maximized.
  auto* bar = Place<TspSkinStatusBar>(this, 0, 0, 940, 24);
  bar->SetName(L"statusbar");
  bar->SetSizeGrip(true);
  FStatus = Place<TspSkinStdLabel>(bar, 8, 3, 600, 18);
  FStatus->SetCaption(L"Ready \x5C31\x7EEA");
  BindSkin(bar, FMainSkin);
}

void TGalleryForm::SwitchSkin(TGallerySkin Skin) {
  // The pages' own painting follows the skin, whatever happens to the load.
  struct TFollowSkin {
    TGalleryForm* Form;
    ~TFollowSkin() {
      SetGalleryLook(Form->FMainSkin);
      for (int i = 0; i < Form->FPages->PageCount(); ++i) {
        TTabSheet* sheet = Form->FPages->Pages(i);
        for (int k = 0; k < sheet->ControlCount(); ++k)
          if (auto* page = dynamic_cast<TGalleryPage*>(sheet->Controls(k))) page->LookChanged();
      }
      if (Form->HandleAllocated())
        RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
  } follow{this};
  try {
    switch (Skin) {
      case gsBuiltIn:
        FMainSkin->LoadCompressedStoredSkin(FBuiltInStored);
        SetStatus(L"Built-in skin \x5185\x7F6E\x76AE\x80A4");
        break;
      case gsDark:
        FMainSkin->LoadFromCompressedFile(ProgramFolder() + L"skins\\Dark.skn");
        SetStatus(L"Dark skin \x6DF1\x8272\x76AE\x80A4");
        break;
      case gsNone:
        // No skin: everything bound to the emptied skin data draws its default look.
        FMainSkin->ClearAll();
        SetStatus(L"No skin \x65E0\x76AE\x80A4");
        break;
    }
  } catch (const Exception& e) {
    SetStatus(e.Message());
  }
}

void TGalleryForm::BuildPages(int StartPage) {
  FPages = Place<TspSkinPageControl>(this, 8, 0, 920, 560);
  FPages->SetAlign(alClient);
  FPages->SetShowCloseButtons(true);  // a closed page is gone until the next start
  FPages->DefaultFont()->SetName(kChineseFont);
  FPages->SetSkinData(FMainSkin);
  const TSampleSkins skins = FSampleSkins;
  auto samples = [skins](std::vector<TSampleBuilder> Builders) {
    return [skins, Builders](TComponent* o) -> TGalleryPage* { return new TSkinSamplesPage(o, skins, Builders); };
  };
  const struct {
    const wchar_t* Caption;
    std::function<TGalleryPage*(TComponent*)> Make;
  } pages[] = {
      {L"Panels \x9762\x677F", samples({BuildPanelSamples})},
      {L"Labels \x6807\x7B7E", samples({BuildLabelSamples})},
      {L"Buttons \x6309\x94AE", samples({BuildButtonSamples})},
      {L"Menus \x83DC\x5355", samples({BuildMenuSamples})},
      {L"Bars and tabs \x6EDA\x52A8\x6761", samples({BuildBarSamples})},
      {L"Edits \x7F16\x8F91", samples({BuildEditSamples})},
      {L"Tool bar \x5DE5\x5177\x680F", samples({BuildToolBarSamples})},
      {L"Colours \x989C\x8272", samples({BuildColorSamples})},
      {L"Password and tray \x5BC6\x7801\x4E0E\x6258\x76D8", samples({BuildPasswordSamples})},
      {L"Dates \x65E5\x671F", samples({BuildDateSamples})},
      {L"Lists \x5217\x8868", samples({BuildListSamples})},
      {L"Tree \x6811", NewTreePage},
      {L"Views \x89C6\x56FE", samples({BuildViewSamples})},
      {L"Combo boxes \x7EC4\x5408\x6846", samples({BuildComboSamples})},
      {L"Components \x7EC4\x4EF6", [](TComponent* o) -> TGalleryPage* { return new TComponentsPage(o); }},
      {L"Effects \x6548\x679C", NewEffectsPage},
      {L"Themes \x4E3B\x9898", NewThemesPage},
      {L"Graphics \x56FE\x5F62", [](TComponent* o) -> TGalleryPage* { return new TGraphicsPage(o); }},
      {L"Composition \x5408\x6210", [](TComponent* o) -> TGalleryPage* { return new TCompositionPage(o); }},
      {L"Text and glyphs \x6587\x5B57", [](TComponent* o) -> TGalleryPage* { return new TTextGlyphPage(o); }},
      {L"Skin \x76AE\x80A4", [](TComponent* o) -> TGalleryPage* { return new TSkinPage(o); }},
      {L"Frame objects \x5BF9\x8C61", NewFrameObjectsPage},
      {L"Data \x6570\x636E", NewDataPage},
  };
  for (const auto& page : pages) {
    auto* sheet = new TspSkinTabSheet(this);
    sheet->SetCaption(page.Caption);
    sheet->SetPageControl(FPages);
    TGalleryPage* content = page.Make(sheet);
    content->SetParent(sheet);
    // The look the pages take at a skin switch, from the start.
    content->LookChanged();
  }
  if (StartPage >= 0 && StartPage < FPages->PageCount()) FPages->SetActivePageIndex(StartPage);
}
