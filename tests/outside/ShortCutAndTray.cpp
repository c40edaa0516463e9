// A notes program as the guide writes it: a skinned form with a menu whose
// shortcuts run from a focused edit, and a tray icon made in code that shows
// the program's own icon once the program runs and brings the form back.
#include "SmallestCheck.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Menus.h"
#include "skin/SkinForm.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinTrayIcon.h"
#include "skinctrls/SkinMenus.h"

namespace {

// The colour at the middle of an icon; the program's icon is one colour.
COLORREF IconMiddle(HICON Icon) {
  TBitmap b;
  b.SetSize(32, 32);
  DrawIconEx(b.Canvas()->Handle(), 0, 0, Icon, 32, 32, 0, nullptr, DI_NORMAL);
  return GetPixel(b.Canvas()->Handle(), 16, 16);
}

class TNotesForm : public TForm {
 public:
  explicit TNotesForm(TComponent* AOwner) : TForm(AOwner) {
    SetBounds(100, 100, 420, 300);
    skin = LoadBuiltInSkinData(this);
    frame = new TspSkinForm(this);
    frame->SetSkinData(skin);
    auto* menu = new TMainMenu(this);
    auto* file = new TMenuItem(menu);
    file->SetCaption(L"&File");
    menu->Items()->Add(file);
    auto* newItem = new TMenuItem(menu);
    newItem->SetCaption(L"&New");
    newItem->SetShortCut(ShortCut('N', TShiftState{ssCtrl}));
    newItem->OnClick = [this](TObject*) { edit->SetText(L""); };
    file->Add(newItem);
    SetMenu(menu);
    frame->UpdateMenuBar();
    edit = new TspSkinEdit(this);
    edit->SetParent(this);
    edit->SetBounds(16, 16, 200, 22);
    edit->SetSkinData(skin);
    tray = new TspTrayIcon(this);
    tray->SetHint(L"Notes");
    tray->SetPopupMenu(new TspSkinPopupMenu(this));
    tray->OnDblClick = [this](TObject*) { tray->ShowMainForm(); };
    auto* start = new TTimer(this);
    start->SetInterval(50);
    start->OnTimer = [this, start](TObject*) {
      start->SetEnabled(false);
      Drive();
      Application->Terminate();
    };
  }

 private:
  void Drive() {
    ShowAndActivate(this);
    edit->SetText(L"some notes");
    edit->SetFocus();
    KeyChord({VK_CONTROL}, 'N');
    Check(edit->Text().empty(), "Ctrl+N in the edit runs File > New");
    Check(tray->IconVisible(), "the tray icon made in code is visible");
    Check(IconMiddle(tray->Icon()->Handle()) == IconMiddle(ProgramIcon()) && ProgramIcon(),
          "the tray shows the program's icon");
    tray->HideMainForm();
    Settle();
    Check(!Visible(), "HideMainForm hides the form");
    SendMessageW(tray->WindowHandle(), MSG_TRAY_CALLBACK, 1, WM_LBUTTONDBLCLK);
    Check(PumpUntil([&] { return Visible(); }, 5000), "a double click on the icon brings the form back");
  }
  TspSkinData* skin = nullptr;
  TspSkinForm* frame = nullptr;
  TspSkinEdit* edit = nullptr;
  TspTrayIcon* tray = nullptr;
};

}  // namespace

int wmain() {
  Application->Initialize();
  Application->CreateForm<TNotesForm>(Application);
  Application->Run();
  Free(Application->MainForm());
  Settle();
  return Finish("ShortCutAndTray");
}
