// Hello: a skinned form with a menu, a few skinned controls, a popup menu and
// a switch between the built-in skin and a skin file beside the program.
//   Hello.exe --close   closes itself once it has shown (a check that it starts)
#include <windows.h>

#include <cwchar>

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/HeapCheck.h"
#include "classlib/Menus.h"
#include "classlib/SysUtils.h"
#include "skin/SkinBuiltIn.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinPanels.h"
#include "skininputs/SkinEdit.h"

namespace {

// The folder of Hello.exe, where the skin files lie.
String ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return ExtractFilePath(path);
}

TMenuItem* AddItem(TMenuItem* Parent, const String& Caption, TNotifyEvent OnClick = nullptr) {
  auto* item = new TMenuItem(Parent);
  item->SetCaption(Caption);
  item->OnClick = std::move(OnClick);
  Parent->Add(item);
  return item;
}

class THelloForm : public TForm {
 public:
  THelloForm(TComponent* AOwner, bool CloseOnceShown) : TForm(AOwner) {
    SetCaption(L"Hello, skins");
    SetBounds(100, 100, 420, 260);
    SetPosition(poScreenCenter);

    // One skin data object holds the loaded skin; everything skinned points
    // at it, and loading another skin into it re-dresses them all.
    FBuiltIn = new TspCompressedStoredSkin(this);
    LoadBuiltInSkin(FBuiltIn);
    FSkin = new TspSkinData(this);
    FSkin->LoadCompressedStoredSkin(FBuiltIn);

    // The skinned form draws the frame, caption buttons and menu bar.
    FFrame = new TspSkinForm(this);
    FFrame->SetSkinData(FSkin);

    // A skinned panel under the controls gives them the skin's background.
    FPanel = Add<TspSkinPanel>(0, 0, 0, 0);
    FPanel->SetAlign(alClient);
    FPanel->SetBorderStyle(bvNone);
    FName = Add<TspSkinEdit>(16, 20, 250, 22);
    FName->SetText(L"world");
    FShout = Add<TspSkinCheckRadioBox>(16, 54, 250, 22);
    FShout->SetCaption(L"Shout");
    auto* greet = Add<TspSkinButton>(280, 18, 110, 26);
    greet->SetCaption(L"&Greet");
    greet->SetDefault(true);
    auto* more = Add<TspSkinButton>(280, 52, 110, 26);
    more->SetCaption(L"More...");
    FAnswer = Add<TspSkinStdLabel>(16, 100, 370, 24);

    greet->OnClick = [this](TObject*) { Greet(); };
    FShout->OnClick = [this](TObject*) { Greet(); };
    BuildMenus(more);
    Greet();
    if (CloseOnceShown) {
      // Timers tick only in the message loop, which runs once the form shows.
      auto* timer = new TTimer(this);
      timer->SetInterval(500);
      timer->OnTimer = [this](TObject*) { Close(); };
    }
  }

 private:
  template <typename T>
  T* Add(int Left, int Top, int Width, int Height) {
    auto* control = new T(this);
    control->SetParent(FPanel ? static_cast<TWinControl*>(FPanel) : this);
    control->SetBounds(Left, Top, Width, Height);
    control->SetSkinData(FSkin);
    return control;
  }

  void BuildMenus(TspSkinButton* More) {
    auto* menu = new TMainMenu(this);
    TMenuItem* file = AddItem(menu->Items(), L"&File");
    AddItem(file, L"&Greet", [this](TObject*) { Greet(); });
    AddItem(file, L"-");
    AddItem(file, L"E&xit", [this](TObject*) { Close(); });
    TMenuItem* skin = AddItem(menu->Items(), L"&Skin");
    AddItem(skin, L"&Built-in", [this](TObject*) { FSkin->LoadCompressedStoredSkin(FBuiltIn); });
    AddItem(skin, L"&Dark.skn", [this](TObject*) { LoadSkinFile(L"Dark.skn"); });
    SetMenu(menu);
    FFrame->UpdateMenuBar();

    // A popup menu under the More button and on a right click in the form.
    auto* popup = new TspSkinPopupMenu(this);
    popup->SetSkinData(FSkin);
    AddItem(popup->Items(), L"Say &hello", [this](TObject*) { Greet(); });
    AddItem(popup->Items(), L"&Clear", [this](TObject*) { FName->SetText(L""); });
    More->OnClick = [popup, More](TObject*) {
      const TPoint p = More->ClientToScreen(TPoint(0, 0));
      popup->PopupFromRectForControl(More, TRect(p.X, p.Y, p.X + More->Width(), p.Y + More->Height()), false);
    };
    SetPopupMenu(popup);
  }

  void LoadSkinFile(const String& Name) {
    try {
      FSkin->LoadFromCompressedFile(ProgramFolder() + Name);
    } catch (const Exception& e) {
      FAnswer->SetCaption(e.Message());  // the old skin stays on
    }
  }

  void Greet() {
    String text = L"Hello, " + FName->Text() + L"!";
    if (FShout->Checked()) text = UpperCase(text);
    FAnswer->SetCaption(text);
  }

  TspCompressedStoredSkin* FBuiltIn;
  TspSkinData* FSkin;
  TspSkinForm* FFrame;
  TspSkinPanel* FPanel = nullptr;
  TspSkinEdit* FName;
  TspSkinCheckRadioBox* FShout;
  TspSkinStdLabel* FAnswer;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR CommandLine, int) {
  Application->Initialize();
  Application->CreateForm<THelloForm>(Application, std::wcsstr(CommandLine, L"--close") != nullptr);
  Application->Run();
  // The forms go now, so that the heap check below sees what freeing them did:
  // a run that wrote into freed memory ends with a failure code.
  Application->DestroyComponents();
  return ProcessHeapsValid() ? 0 : 1;
}
