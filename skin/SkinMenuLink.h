// What the skinned form and its menus need of each other across the folder
// boundary: the form drives its skin menu through TspSkinMenuLink, and a
// popup menu tells the form through TspSkinMenuFrameLink that a menu opens
// or closes. The menus implement the first, the form the second; the menu
// unit registers the factories that give each skinned form its skin menu and
// its popup menus.
#pragma once

#include <cstdint>

#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "skin/SkinMenuMessages.h"

class TspSkinData;

// The menu settings a skinned form keeps and hands to its skin menu.
struct TspMenuProperties {
  bool UseSkinFont = true;
  int DefMenuItemHeight = 20;
  const TFont* DefMenuItemFont = nullptr;  // nullptr leaves the menu's font alone
  bool AlphaBlend = false;
  uint8_t AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;
  int MaxMenuItemsInWindow = 0;
};

class TspSkinMenuLink {
 public:
  virtual ~TspSkinMenuLink() = default;
  // A menu level is shown.
  virtual bool MenuVisible() const = 0;
  // The skin data the open menu draws from.
  virtual TspSkinData* SkinData() const = 0;
  virtual int LevelCount() const = 0;
  // Closes the whole menu and tells the form and the opening control.
  virtual void CloseSkinMenu() = 0;
  // A key-down for the deepest open level.
  virtual void HandleMenuKey(uint16_t Key) = 0;
  // Lists the children of Item against the screen rectangle R.
  virtual void PopupItems(TControl* APopupControl, TspSkinData* ASkinData, bool PopupUp, TMenuItem* Item,
                          const TRect& R, int StartIndex) = 0;
  // One level with the children of Item1 followed by those of Item2.
  virtual void PopupTwoItemSets(TControl* APopupControl, TspSkinData* ASkinData, bool PopupUp, TMenuItem* Item2,
                                TMenuItem* Item1, const TRect& R, int StartIndex) = 0;
  virtual void SetMenuProperties(const TspMenuProperties& Properties) = 0;
  // Window is one of the menu's open levels.
  virtual bool IsMenuWindow(HWND Window) const = 0;
};

class TspSkinMenuFrameLink {
 public:
  virtual ~TspSkinMenuFrameLink() = default;
  virtual void SkinMenuOpen() = 0;
  virtual void SkinMenuClose() = 0;
};

// Makes the skin menu of a skinned form: a component owned by SkinForm that
// shows its menus for Form. Set once by the menu unit.
using TspSkinMenuFactory = TComponent* (*)(TComponent* SkinForm, TCustomForm* Form);
void RegisterSkinMenuFactory(TspSkinMenuFactory Factory);
TspSkinMenuFactory SkinMenuFactory();

// Makes a skinned popup menu owned by Owner that opens through the skinned
// form of OwnerForm (the form's system and tray menus). Set once by the menu unit.
using TspSkinPopupMenuFactory = TPopupMenu* (*)(TComponent* Owner, TCustomForm* OwnerForm);
void RegisterSkinPopupMenuFactory(TspSkinPopupMenuFactory Factory);
TspSkinPopupMenuFactory SkinPopupMenuFactory();
