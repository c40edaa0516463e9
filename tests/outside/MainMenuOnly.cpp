// A skinned form with only a main menu: no skinned control, no popup menu.
// Its menu bar opens its menus on a real click, on Alt+letter and from code,
// and its system and tray menus are skin menus.
#include "SmallestCheck.h"
#include "classlib/Menus.h"
#include "skin/SkinForm.h"

namespace {

TMenuItem* AddItem(TMenuItem* Parent, const String& Caption) {
  auto* item = new TMenuItem(Parent);
  item->SetCaption(Caption);
  Parent->Add(item);
  return item;
}

bool MenuOpen(TspSkinForm* Frame) { return Frame->MenuLink() && Frame->MenuLink()->MenuVisible(); }

void CloseMenu(TspSkinForm* Frame) {
  for (int i = 0; i < 3 && (MenuOpen(Frame) || Frame->InMenuLoop()); ++i) KeyChord({}, VK_ESCAPE);
}

}  // namespace

int wmain() {
  auto* form = new TForm(nullptr);
  form->SetBounds(100, 100, 420, 300);
  TspSkinData* skin = LoadBuiltInSkinData(form);
  auto* frame = new TspSkinForm(form);
  frame->SetSkinData(skin);
  auto* menu = new TMainMenu(form);
  TMenuItem* file = AddItem(menu->Items(), L"&File");
  AddItem(file, L"&Open");
  AddItem(file, L"E&xit");
  TMenuItem* help = AddItem(menu->Items(), L"&Help");
  AddItem(help, L"&About");
  form->SetMenu(menu);
  frame->UpdateMenuBar();
  ShowAndActivate(form);

  Check(frame->SkinMenu() != nullptr && frame->MenuLink() != nullptr, "the skinned form has its skin menu");
  Check(frame->HasMenuBar() && frame->MenuBarItemCount() == 2, "the menu bar shows both items");

  // A real click on the first bar item.
  const TRect window = [&] {
    RECT r;
    GetWindowRect(form->Handle(), &r);
    return TRect(r.left, r.top, r.right, r.bottom);
  }();
  const TRect item = frame->MenuBarItemRect(0);
  MoveMouse(TPoint(window.Left + item.Left + 5, window.Top + item.Top + 5));
  MouseDown();
  MouseUp();
  Check(PumpUntil([&] { return MenuOpen(frame); }, 5000) && frame->MenuBarDown() == 0,
        "a click on File opens its menu");
  CloseMenu(frame);
  MoveMouse(TPoint(2, 2));

  // Alt held while the letter is typed, with the focus on the form.
  KeyChord({VK_MENU}, 'H');
  Check(PumpUntil([&] { return MenuOpen(frame); }, 5000) && frame->MenuBarDown() == 1,
        "Alt+H opens the Help menu");
  CloseMenu(frame);

  // From code.
  frame->PopupMenuBarItem(0);
  Check(PumpUntil([&] { return MenuOpen(frame); }, 5000), "PopupMenuBarItem opens the File menu");
  CloseMenu(frame);

  // Without the skin menu the system menu would run the system's modal menu
  // loop: only asked for when the skin menu is there.
  if (frame->MenuLink()) {
    frame->SystemMenuPopup(TRect(120, 120, 136, 136));
    Check(PumpUntil([&] { return MenuOpen(frame); }, 5000), "the system menu opens as a skin menu");
    CloseMenu(frame);
  }
  Check(frame->TrayMenu() && frame->TrayMenu()->ClassName() == L"TspSkinPopupMenu",
        "the tray menu is a skinned popup menu");

  Free(form);
  Settle();
  return Finish("MainMenuOnly");
}
