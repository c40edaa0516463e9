// Menus as data: a tree of TMenuItem under a TMenu. The skinned menus draw
// the tree themselves; TPopupMenu::Popup shows it as a plain system menu, and
// a TMainMenu on a form with the system's frame is the window's menu bar.
#pragma once

#include <memory>
#include <vector>

#include "classlib/ActnList.h"
#include "classlib/Controls.h"
#include "classlib/ImgList.h"

constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
TShortCut ShortCut(WORD Key, TShiftState Shift);
// "Ctrl+Shift+F5", "Alt+X"; empty for 0.
String ShortCutToText(TShortCut Value);

enum TMenuAutoFlag { maAutomatic, maManual, maParent };

class TMenu;
class TMenuItem;

// Draws an item in place of the menu's own look; Sender is whoever paints it.
using TMenuDrawItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, bool Selected)>;

// Keeps a menu item's caption, state, hint and image in step with its action.
class TMenuActionLink : public TActionLink {
 public:
  explicit TMenuActionLink(TMenuItem* Client) : FClient(Client) {}

 protected:
  void ActionChanged() override;
  TMenuItem* FClient;
};

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TMenuItem"; }

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  // A caption of "-" makes the item a separator line.
  bool IsLine() const { return FCaption == L"-"; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool Default() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value) { FRadioItem = Value; }
  uint8_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(uint8_t Value) { FGroupIndex = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  // The item's own picture, made on first use.
  TBitmap* Bitmap();
  bool HasBitmap() const { return FBitmap && !FBitmap->Empty(); }

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const { return FItems.at(Index); }
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;
  int IndexOf(const TMenuItem* Item) const;
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  // Takes the item out without freeing it.
  void Remove(TMenuItem* Item);
  // Frees the item at Index.
  void Delete(int Index);
  void Clear();
  // The number the system menu and DispatchCommand know the item by.
  uint16_t Command() const { return FCommand; }
  TMenuItem* FindItem(uint16_t Command);
  // The first item below this one, depth first, whose ShortCut is Value.
  TMenuItem* FindShortCut(TShortCut Value);
  TMenu* GetParentMenu() const;
  // Hides separators at either end and repeated ones; shows the others.
  void RethinkLines();

  // The linked action, or nullptr. Linking copies the action's caption,
  // checked, enabled and visible state, hint and image index, and keeps them
  // in step; a click without an OnClick of its own executes the action.
  TBasicAction* Action() const { return FActionLink ? FActionLink->Action() : nullptr; }
  void SetAction(TBasicAction* Value);

  virtual void Click();
  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TMenu;
  friend class TMenuActionLink;
  void ActionChange(TBasicAction* Sender);
  // Tells the menu that holds the item that what it shows changed.
  void Changed();
  std::unique_ptr<TMenuActionLink> FActionLink;
  String FCaption, FHint;
  bool FChecked = false, FEnabled = true, FVisible = true, FDefault = false, FRadioItem = false;
  uint8_t FGroupIndex = 0;
  int FImageIndex = -1;
  TShortCut FShortCut = 0;
  std::unique_ptr<TBitmap> FBitmap;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on the root item only
  uint16_t FCommand;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;
  String ClassName() const override { return L"TMenu"; }
  TMenuItem* Items() const { return FItems; }
  // Runs the click of the item with that command; false when there is none.
  bool DispatchCommand(uint16_t Command);
  // Runs the item whose ShortCut is Value: the OnClick of each of its parents
  // first, from the top (they may update their items), then the item when
  // it, and every parent, is enabled. False when no enabled item has the
  // key, so that the key goes on to the control.
  bool IsShortCut(TShortCut Value);
  TMenuAutoFlag AutoLineReduction() const { return FAutoLineReduction; }
  void SetAutoLineReduction(TMenuAutoFlag Value) { FAutoLineReduction = Value; }
  // Pictures of the items by their ImageIndex; not owned.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  // Called when an item's caption, state or place in the tree changed.
  virtual void MenuChanged() {}

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TMenuItem* FItems;
  TCustomImageList* FImages = nullptr;
  TMenuAutoFlag FAutoLineReduction = maAutomatic;
};

// The menu bar of a form (TCustomForm::SetMenu).
class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
  ~TMainMenu() override;
  String ClassName() const override { return L"TMainMenu"; }
  // The window whose system menu bar shows the items, or nullptr; the form
  // sets it. The bar is built again whenever an item changes.
  HWND WindowHandle() const { return FWindowHandle; }
  void SetWindowHandle(HWND Value);
  // The system menu bar, nullptr while the menu is on no window.
  HMENU Handle() const { return FMenuBar; }
  void MenuChanged() override;

 private:
  HWND FWindowHandle = nullptr;
  HMENU FMenuBar = nullptr;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}
  String ClassName() const override { return L"TPopupMenu"; }
  // Shows the menu at the screen point and runs the chosen item.
  virtual void Popup(int X, int Y);
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TComponent* FPopupComponent = nullptr;
  bool FAutoPopup = true;
};
