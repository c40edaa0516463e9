// The gallery's soak run: each round visits every page, opens and closes
// every popup menu, image-grid menu, drop-down (date edits, track edits,
// combos, combo boxes, popup lists), the colour dialog, the notice
// windows, the main and system menus and the MDI demo, and switches skins;
// after a round back in the built-in skin the windows and GDI objects must
// be as many as after the first rounds.
#include "demo/GallerySoak.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "classlib/ExtCtrls.h"
#include "classlib/GuiCounts.h"
#include "classlib/HeapCheck.h"
#include "classlib/TextCodec.h"
#include "components/HyMsgForm.h"
#include "components/TFlatSpeedButtonUnit.h"
#include "components/fcCombo.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinImageGridMenu.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinTabs.h"
#include "skininputs/PopupListBox.h"
#include "skininputs/SkinColorDialog.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinDateEdit.h"
#include "skininputs/SkinTrackEdit.h"
#include "demo/GalleryPages.h"
#include "demo/SoakStallWatch.h"
#include "demo/SoakTimes.h"

namespace {

// Every component owned, directly or further down, by Root.
template <class T>
void Collect(TComponent* Root, std::vector<T*>& Found) {
  for (int i = 0; i < Root->ComponentCount(); ++i) {
    TComponent* c = Root->Components(i);
    if (auto* t = dynamic_cast<T*>(c)) Found.push_back(t);
    Collect(c, Found);
  }
}

template <class T>
std::vector<T*> All(TComponent* Root) {
  std::vector<T*> found;
  Collect(Root, found);
  return found;
}

struct TCounts {
  int Windows = 0;
  int Gdi = 0;
};

TCounts Count() {
  SettleGallery();
  return {ThreadWindowsWithChildren(), GdiObjectsInUse()};
}

class TSoak {
 public:
  TSoak(TGalleryForm* Form, const TSoakSettings& Settings) : FForm(Form), FSettings(Settings) {}

  int Run();

 private:
  void Round(bool OpenAll, TGalleryForm::TGallerySkin Skin);
  void Switch(TGalleryForm::TGallerySkin Skin);
  void OpenPage(TComponent* Page);
  void OpenPopupMenus(TComponent* Page);
  void OpenDropDowns(TComponent* Page);
  void OpenColorDialogs(TComponent* Page);
  void OpenNotices(TComponent* Page);
  void OpenMainMenus();
  void OpenMDIDemo();
  // Counts an opening: Opened says whether the thing really showed.
  void Opened(const char* What, bool Shown) {
    ++FOpenings;
    if (!Shown) {
      ++FFailedOpenings;
      if (FFailedOpenings <= 5) std::printf("soak: %s did not open\n", What);
    }
  }
  TRect MenuPlace() const {
    const TPoint p = FForm->ClientToScreen(TPoint(200, 200));
    return TRect(p.X, p.Y, p.X + 10, p.Y + 10);
  }

  // Tells the watcher what runs now, so that a stall names its step.
  void At(const char* What) {
    std::string step = "round " + std::to_string(FRound + 1);
    std::string page;
    if (FPage >= 0) {
      step += ", page " + std::to_string(FPage + 1);
      page = "page " + std::to_string(FPage + 1) + ": ";
    }
    FWatch.Step(step + ": " + What);
    FTimes.StepBegins(page + What);
  }

  TGalleryForm* FForm;
  TSoakSettings FSettings;
  TSoakStallWatch FWatch{60000};
  TSoakTimes FTimes;
  int FRound = 0, FPage = -1;
  TGalleryForm::TGallerySkin FSkin = TGalleryForm::gsBuiltIn;
  int FSwitches = 0, FOpenings = 0, FFailedOpenings = 0;
};

void TSoak::Switch(TGalleryForm::TGallerySkin Skin) {
  if (Skin == FSkin) return;
  At("switching skins");
  FForm->SwitchSkin(Skin);
  FSkin = Skin;
  ++FSwitches;
  SettleGallery();
}

void TSoak::OpenPage(TComponent* Page) {
  OpenPopupMenus(Page);
  OpenDropDowns(Page);
  OpenColorDialogs(Page);
  OpenNotices(Page);
}

void TSoak::OpenPopupMenus(TComponent* Page) {
  At("opening popup menus");
  TspSkinForm* frame = GetSkinForm(FForm);
  // A menu without a form of its own opens through its button, below.
  for (TspSkinPopupMenu* menu : All<TspSkinPopupMenu>(Page)) {
    if (menu->Items()->Count() == 0 || !menu->OwnerForm()) continue;
    menu->PopupFromRect(MenuPlace(), false);
    SettleGallery();
    TspSkinMenuLink* link = frame ? frame->MenuLink() : nullptr;
    Opened("a popup menu", link && link->MenuVisible());
    if (link && link->MenuVisible()) link->CloseSkinMenu();
    SettleGallery();
  }
  // Menu buttons open their menus on a press, as under the mouse.
  for (TspSkinMenuSpeedButton* button : All<TspSkinMenuSpeedButton>(Page)) {
    if (!button->SkinPopupMenu() && !button->SkinImagesMenu()) continue;
    // The press opens the menu only on the button's track part.
    int x = button->Width() - 1;
    while (x > 0 && !button->InTrack(x, button->Height() / 2)) --x;
    const LPARAM at = MAKELPARAM(x, button->Height() / 2);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    button->Perform(WM_LBUTTONUP, 0, at);
    SettleGallery();
    Opened("a menu button's menu", button->MenuOpen());
    if (TspSkinImagesMenu* grid = button->SkinImagesMenu()) grid->CloseUp(false);
    TspSkinMenuLink* link = frame ? frame->MenuLink() : nullptr;
    if (link && link->MenuVisible()) link->CloseSkinMenu();
    SettleGallery();
  }
  for (TspSkinImagesMenu* menu : All<TspSkinImagesMenu>(Page)) {
    menu->Popup(MenuPlace());
    SettleGallery();
    Opened("an image-grid menu", menu->PopupWindow() != nullptr);
    menu->CloseUp(false);
    SettleGallery();
  }
}

void TSoak::OpenDropDowns(TComponent* Page) {
  At("opening drop-downs");
  for (TspSkinDateEdit* edit : All<TspSkinDateEdit>(Page)) {
    edit->DropDown();
    SettleGallery();
    Opened("a date edit's calendar", edit->DroppedDown());
    edit->CloseUp(false);
  }
  for (TspSkinTrackEdit* edit : All<TspSkinTrackEdit>(Page)) {
    edit->DropDown();
    SettleGallery();
    Opened("a track edit's bar", edit->DroppedDown());
    edit->CloseUp();
  }
  for (TfcCustomCombo* combo : All<TfcCustomCombo>(Page)) {
    if (!combo->ShowButton()) continue;  // a combo without its button does not drop down
    combo->DropDown();
    SettleGallery();
    Opened("a combo's list", combo->GetDroppedDown());
    combo->CloseUp(false);
  }
  for (TspSkinCustomComboBox* combo : All<TspSkinCustomComboBox>(Page)) {
    if (!combo->Enabled()) continue;
    combo->DropDown();
    SettleGallery();
    Opened("a combo box's list", combo->DroppedDown());
    combo->CloseUp(false);
  }
  for (TspPopupListBox* list : All<TspPopupListBox>(Page)) {
    list->ShowAt(FForm->ClientToScreen(TPoint(200, 200)));
    SettleGallery();
    Opened("a popup list", list->Visible());
    list->Hide();
  }
  SettleGallery();
}

// The dialog runs its own modal loop: a timer started as it shows closes it
// from inside that loop.
void TSoak::OpenColorDialogs(TComponent* Page) {
  At("opening colour dialogs");
  for (TspSkinColorDialog* dialog : All<TspSkinColorDialog>(Page)) {
    bool shown = false;
    TTimer closer(nullptr);
    closer.SetEnabled(false);
    closer.SetInterval(20);
    // The dialog's own window, not the active one: in a run beside other
    // programs the active window may belong to another, and the dialog would
    // then stay open forever.
    closer.OnTimer = [&closer, dialog](TObject*) {
      TForm* shown = dialog->Form();
      if (!shown || !shown->Visible()) return;
      closer.SetEnabled(false);
      PostMessageW(shown->Handle(), WM_CLOSE, 0, 0);
    };
    const TNotifyEvent old = dialog->OnShowDialog;
    dialog->OnShowDialog = [&](TObject* Sender) {
      shown = true;
      closer.SetEnabled(true);
      if (old) old(Sender);
    };
    dialog->Execute();
    dialog->OnShowDialog = old;
    Opened("the colour dialog", shown);
    SettleGallery();
  }
}

// The notice buttons open a notice window; the notice closes as its cancel
// button or countdown would close it.
void TSoak::OpenNotices(TComponent* Page) {
  At("opening notice windows");
  for (TFlatSpeedButton* button : All<TFlatSpeedButton>(Page)) {
    if (button->Caption().find(L"otice") == String::npos) continue;
    button->Click();
    SettleGallery();
    bool shown = false;
    for (THyMsgForm* notice : All<THyMsgForm>(Page)) {
      if (!notice->FormVisible()) continue;
      shown = true;
      notice->Form()->CloseMessage();
    }
    Opened("a notice window", shown);
    SettleGallery();
  }
}

void TSoak::OpenMainMenus() {
  At("opening the main and system menus");
  TspSkinForm* frame = GetSkinForm(FForm);
  if (!frame || !frame->MenuLink()) {
    Opened("the main menu", false);
    return;
  }
  for (int i = 0; i < frame->MenuBarItemCount(); ++i) {
    frame->PopupMenuBarItem(i);
    SettleGallery();
    Opened("a main menu item", frame->MenuLink()->MenuVisible());
    frame->EndMenuLoop();
    if (frame->MenuLink()->MenuVisible()) frame->MenuLink()->CloseSkinMenu();
    SettleGallery();
  }
  frame->SystemMenuPopup(MenuPlace());
  SettleGallery();
  Opened("the system menu", frame->MenuLink()->MenuVisible());
  if (frame->MenuLink()->MenuVisible()) frame->MenuLink()->CloseSkinMenu();
  SettleGallery();
}

void TSoak::OpenMDIDemo() {
  At("opening and closing the MDI demo");
  TCustomForm* demo = FForm->ShowMDIDemo();
  SettleGallery();
  Opened("the MDI demo", demo && demo->Visible());
  if (!demo) return;
  demo->Close();
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 20000) SettleGallery();
  std::printf("soak: the MDI demo was not freed on closing\n");
}

void TSoak::Round(bool OpenAll, TGalleryForm::TGallerySkin Skin) {
  Switch(Skin);
  if (OpenAll) {
    TspSkinPageControl* pages = FForm->Pages();
    for (FPage = 0; FPage < pages->PageCount(); ++FPage) {
      At("showing the page");
      pages->SetActivePageIndex(FPage);
      SettleGallery();
      OpenPage(pages->Pages(FPage));
    }
    FPage = -1;
    pages->SetActivePageIndex(0);
    OpenMainMenus();
    OpenMDIDemo();
  }
  Switch(TGalleryForm::gsBuiltIn);
  // A control on a page left behind keeps the pen, brush and font of its last
  // paint, in the colours of the skin it then wore (a tree's window colour, a
  // calendar's kept look), until it paints again; the shared objects of two
  // skins' colours are not as many. Every page shown once more in the
  // built-in skin ends each round as the warm-up's built-in round ends.
  if (OpenAll && Skin != TGalleryForm::gsBuiltIn) {
    TspSkinPageControl* pages = FForm->Pages();
    for (int i = 0; i < pages->PageCount(); ++i) {
      pages->SetActivePageIndex(i);
      SettleGallery();
    }
    pages->SetActivePageIndex(0);
  }
}

int TSoak::Run() {
  int exceptions = 0;
  std::string firstException;
  Application->OnException = [&](TObject* Sender, const std::exception* E) {
    if (++exceptions > 1) return;
    firstException = E ? E->what() : "an unknown exception";
    if (Sender) firstException += " (from a " + WideToUtf8(Sender->ClassName()) + ")";
  };
  const TGalleryForm::TGallerySkin cycle[] = {TGalleryForm::gsDark, TGalleryForm::gsNone, TGalleryForm::gsBuiltIn};
  // The first three rounds wear each skin once and fill what is made once
  // and kept (page windows, notice windows, caches): the counts after them
  // are the baseline.
  const int warmUp = 3;
  TCounts base, worst;
  int round = 0, grownRounds = 0;
  const DWORD start = GetTickCount();
  for (; round < warmUp || round < FSettings.Rounds || FSwitches < FSettings.SkinSwitches; ++round) {
    FRound = round;
    const bool openAll = round < FSettings.Rounds || round < warmUp;
    FTimes.RoundBegins(round, openAll && round >= warmUp);
    try {
      Round(openAll, cycle[round % 3]);
    } catch (const std::exception& e) {
      if (++exceptions == 1) firstException = e.what();
    }
    FTimes.RoundEnds();
    At("counting windows and GDI objects");
    const TCounts now = Count();
    if (round == warmUp - 1) base = worst = now;
    if (round < warmUp) continue;
    if (now.Windows > base.Windows || now.Gdi > base.Gdi) {
      ++grownRounds;
      if (grownRounds <= 5)
        std::printf("soak: round %d: %d windows (base %d), %d GDI objects (base %d)\n", round + 1, now.Windows,
                    base.Windows, now.Gdi, base.Gdi);
    }
    worst.Windows = std::max(worst.Windows, now.Windows);
    worst.Gdi = std::max(worst.Gdi, now.Gdi);
  }
  Application->OnException = nullptr;
  const TCounts end = Count();
  std::printf("soak: %d rounds, %d skin switches, %d openings (%d did not open) in %.1f s\n", round, FSwitches,
              FOpenings, FFailedOpenings, (GetTickCount() - start) / 1000.0);
  FTimes.Print();
  std::printf("soak: windows %d after warm-up, %d at most, %d at the end\n", base.Windows, worst.Windows, end.Windows);
  std::printf("soak: GDI objects %d after warm-up, %d at most, %d at the end\n", base.Gdi, worst.Gdi, end.Gdi);
  std::printf("soak: %d exceptions reached the message loop%s%s\n", exceptions, exceptions ? ", the first: " : "",
              firstException.c_str());
  const bool heapsSound = ProcessHeapsValid();
  std::printf("soak: the heaps are %s\n", heapsSound ? "sound" : "UNSOUND (see err:heap above)");
  const bool ok = grownRounds == 0 && exceptions == 0 && FFailedOpenings == 0 && heapsSound;
  std::printf("soak: %s\n", ok ? "passed" : "FAILED");
  std::fflush(stdout);
  return ok ? 0 : 1;
}

}  // namespace

int RunGallerySoak(TGalleryForm* Form, const TSoakSettings& Settings) { return TSoak(Form, Settings).Run(); }
