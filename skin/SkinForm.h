// The skinned form engine: one TspSkinForm, owned by the form it decorates,
// listens to its form's messages, relays skin changes to every skinned
// control on the form and keeps the window state. The frame, caption buttons
// and frame objects, and the form's menus, are built on this core.
#pragma once

#include <functional>

#include "classlib/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinLink.h"

class TspSkinForm : public TComponent {
 public:
  // AOwner is the form to decorate; the skinned form hooks its messages.
  explicit TspSkinForm(TComponent* AOwner);
  ~TspSkinForm() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinForm"; }

  TCustomForm* Form() const { return FForm; }
  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  // The skin of the form's menus; SkinData when none is set.
  TspSkinData* MenusSkinData() const { return FMenusSkinData; }
  void SetMenusSkinData(TspSkinData* Value);

  // 0 normal, 1 minimized, 2 maximized. Writing the state the form already
  // has does nothing; maximizing hides the status bar's size grip and
  // restoring shows it again.
  int WindowState() const;
  void SetWindowState(int Value);

  // True between the messages before and after a change of the form's skin.
  bool SkinChanging() const { return FSkinChanging; }

  // Calls ChangeSkinData of every skinned control on the form, nested ones
  // too, whose skin data is Changed; of every one when Changed is nullptr.
  void RelaySkinChange(TspSkinData* Changed);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void HookForm();
  void UnhookForm();
  // Runs in front of the form's own message handling.
  void NewWndProc(TMessage& Message);
  bool IsOwnSkin(const TMessage& Message) const;
  void BeforeSkinChange();
  void AfterSkinChange();
  // Shows or hides the grip of the status bar the skin names.
  void UpdateStatusBarGrip(bool Maximized);

  TCustomForm* FForm = nullptr;
  std::function<void(TMessage&)> FOldWindowProc;
  TspSkinData* FSkinData = nullptr;
  TspSkinData* FMenusSkinData = nullptr;
  bool FSkinChanging = false;
};

// The first component owned by Form that is a TspSkinForm; nullptr when Form
// is nullptr or owns none.
TspSkinForm* GetSkinForm(const TComponent* Form);
