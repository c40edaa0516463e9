// The MDI demo: frame, tabs bar, menus and children.
#include "demo/MDIDemo.h"

#include "classlib/Menus.h"
#include "demo/GalleryFrame.h"
#include "demo/GalleryPages.h"
#include "skin/SkinForm.h"
#include "skin/SkinMDITabs.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinPanels.h"

namespace {

struct TMenuCommand {
  const wchar_t* Caption;
  TNotifyEvent OnClick;
};

// A bar item with its commands ("-" for a line).
void AddMenu(TMainMenu* Menu, const wchar_t* Caption, std::initializer_list<TMenuCommand> Commands) {
  auto* top = new TMenuItem(Menu);
  top->SetCaption(Caption);
  Menu->Items()->Add(top);
  for (const TMenuCommand& command : Commands) {
    auto* item = new TMenuItem(Menu);
    item->SetCaption(command.Caption);
    item->OnClick = command.OnClick;
    top->Add(item);
  }
}

class TMDIDemoFrame : public TForm {
 public:
  TMDIDemoFrame(TspSkinData* Skin) : TForm(Application), FSkin(Skin) {
    SetFormStyle(fsMDIForm);
    SetCaption(L"MDI demo \x591A\x6587\x6863\x7A97\x53E3");
    SetBounds(120, 90, 820, 560);
    Font()->SetName(kChineseFont);
    Font()->SetHeight(-14);
    FSkinForm = new TspSkinForm(this);
    FSkinForm->SetSkinData(Skin);
    FTabs = new TspSkinMDITabsBar(this);
    FTabs->SetParent(this);
    FTabs->SetAlign(alTop);
    FTabs->SetShowCloseButtons(true);
    FTabs->SetDefaultTabWidth(150);
    FTabs->SetMinTabWidth(120);
    FTabs->DefaultFont()->SetName(kChineseFont);
    FTabs->SetSkinData(Skin);
    FSkinForm->SetMDITabsBar(FTabs);
    BuildMenu();
    OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
  }
  String ClassName() const override { return L"TMDIDemoFrame"; }

  // The frame wears the Objects skin, whose MDI client background is a
  // stretched picture, or the gallery's skin again.
  void ToggleObjectsSkin() {
    if (!FObjectsSkin) {
      FObjectsSkin = new TspSkinData(this);
      try {
        FObjectsSkin->LoadFromCompressedFile(ProgramFolder() + L"skins\\Objects.skn");
      } catch (const Exception&) {
        FreeAndNil(FObjectsSkin);
        return;
      }
    }
    // The frame only: the tabs bar and the children keep the gallery's skin.
    FSkinForm->SetSkinData(FSkinForm->SkinData() != FObjectsSkin ? FObjectsSkin : FSkin);
  }

  TCustomForm* NewChild() {
    static const wchar_t* const kNames[] = {L"Report \x62A5\x544A", L"Notes \x7B14\x8BB0", L"Sketch \x8349\x56FE",
                                            L"Budget \x9884\x7B97", L"Letter \x4FE1"};
    const int n = FCount++;
    auto* child = new TForm(this);
    child->SetFormStyle(fsMDIChild);
    // Two children share a caption: the lists tell them apart by the form itself.
    child->SetCaption(String(kNames[n % 5]) + (n % 5 == 1 ? L"" : L" " + IntToStr(n + 1)));
    child->SetBounds(20 + 28 * (n % 8), 14 + 24 * (n % 8), 330, 220);
    child->Font()->Assign(Font());
    child->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    auto* skinForm = new TspSkinForm(child);
    skinForm->SetSkinData(FSkin);
    auto* panel = PlaceSkinned<TspSkinPanel>(child, FSkin, 0, 0, 330, 220);
    panel->SetAlign(alClient);
    auto* label = Place<TspSkinStdLabel>(panel, 14, 14, 280, 20);
    label->SetSkinData(FSkin);
    label->SetCaption(L"Document " + IntToStr(n + 1) + L" \x6587\x6863");
    auto* check = PlaceSkinned<TspSkinCheckRadioBox>(panel, FSkin, 14, 44, 200, 22);
    check->SetCaption(L"Keep open \x4FDD\x6301\x6253\x5F00");
    auto* button = PlaceSkinned<TspSkinButton>(panel, FSkin, 14, 80, 110, 28);
    button->SetCaption(L"&Close \x5173\x95ED");
    button->OnClick = [child](TObject*) { child->Close(); };
    child->Show();
    return child;
  }

 private:
  void BuildMenu() {
    auto* menu = new TMainMenu(this);
    AddMenu(menu, L"&File \x6587\x4EF6",
            {{L"&New child \x65B0\x5EFA", [this](TObject*) { NewChild(); }},
             {L"-", nullptr},
             {L"&Close demo", [this](TObject*) { Close(); }}});
    AddMenu(menu, L"&Window \x7A97\x53E3",
            {{L"&Tile \x5E73\x94FA", [this](TObject*) { Tile(); }},
             {L"&Cascade \x5C42\x53E0", [this](TObject*) { Cascade(); }},
             {L"&Arrange icons", [this](TObject*) { ArrangeIcons(); }},
             {L"&Next \x4E0B\x4E00\x4E2A", [this](TObject*) { Next(); }},
             {L"-", nullptr},
             {L"&Objects skin background", [this](TObject*) { ToggleObjectsSkin(); }}});
    SetMenu(menu);
    FSkinForm->UpdateMenuBar();
    TFont font;
    font.Assign(Font());
    FSkinForm->SetDefMenuItemFont(&font);
  }

  TspSkinData* FSkin;
  TspSkinData* FObjectsSkin = nullptr;  // skins\Objects.skn, once asked for
  TspSkinForm* FSkinForm = nullptr;
  TspSkinMDITabsBar* FTabs = nullptr;
  int FCount = 0;
};

}  // namespace

TCustomForm* ShowMDIDemo(TspSkinData* Skin, bool MaximizeChild) {
  auto* frame = new TMDIDemoFrame(Skin);
  frame->Show();
  TCustomForm* last = nullptr;
  for (int i = 0; i < 7; ++i) last = frame->NewChild();
  if (MaximizeChild && last) last->SetWindowState(wsMaximized);
  if (HasArgument(L"--mdiobjects")) frame->ToggleObjectsSkin();
  return frame;
}
