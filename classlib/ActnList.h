// Actions: a command with a caption, state and an execute handler, shared by
// the controls linked to it.
#pragma once

#include <vector>

#include "classlib/Classes.h"

// A key with its modifiers: the virtual key in the low byte, then scShift,
// scCtrl and scAlt (Menus.h).
using TShortCut = uint16_t;

class TBasicActionLink;
class TControl;
class TCustomActionList;
class TCustomImageList;

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
  ~TBasicAction() override;
  String ClassName() const override { return L"TBasicAction"; }
  // Runs OnExecute; false when there is none.
  virtual bool Execute();
  // Lets the action bring its state up to date before a client shows it (a
  // menu about to list it); runs OnUpdate, false when there is none.
  virtual bool Update();
  // Actions that work on a kind of object (a data source) say whether they
  // take Target, and run or refresh themselves on it.
  virtual bool HandlesTarget(TObject* /*Target*/) { return false; }
  virtual void ExecuteTarget(TObject* /*Target*/) {}
  virtual void UpdateTarget(TObject* /*Target*/) {}
  TNotifyEvent OnExecute, OnUpdate;

 protected:
  friend class TBasicActionLink;
  friend class TCustomActionList;
  // Tells every linked client that a property changed.
  void Change();
  std::vector<TBasicActionLink*> FClients;
};

class TCustomAction : public TBasicAction {
 public:
  explicit TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}
  String ClassName() const override { return L"TCustomAction"; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // Checked actions of one non-zero group index, as linked buttons group.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  // The key that executes the action while the form owning its list is
  // active; linked menu items show it.
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  // The list the action belongs to (its images serve ImageIndex).
  TCustomActionList* ActionList() const { return FActionList; }
  void SetActionList(TCustomActionList* Value);
  void BeforeDestruction() override;

 private:
  friend class TCustomActionList;
  // Offers a value about to change to each link before the action takes it.
  template <class F>
  void OfferToLinks(F Offer);
  TCustomActionList* FActionList = nullptr;
  String FCaption, FHint;
  bool FChecked = false, FEnabled = true, FVisible = true;
  int FImageIndex = -1;
  int FGroupIndex = 0;
  TShortCut FShortCut = 0;
};

class TCustomActionList : public TComponent {
 public:
  explicit TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}
  ~TCustomActionList() override;
  String ClassName() const override { return L"TCustomActionList"; }
  int ActionCount() const { return static_cast<int>(FActions.size()); }
  TCustomAction* Actions(int Index) const { return FActions.at(Index); }
  // Not owned; cleared when freed.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  // Executes the enabled action whose ShortCut is Value (after its Update);
  // false when none is, so that the key goes on.
  bool IsShortCut(TShortCut Value);

 protected:
  friend class TCustomAction;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  std::vector<TCustomAction*> FActions;
  TCustomImageList* FImages = nullptr;
};

class TActionList : public TCustomActionList {
 public:
  explicit TActionList(TComponent* AOwner) : TCustomActionList(AOwner) {}
  String ClassName() const override { return L"TActionList"; }
};

class TBasicActionLink {
 public:
  virtual ~TBasicActionLink();
  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value);
  virtual bool Execute(TComponent* Target);

 protected:
  friend class TBasicAction;
  virtual void ActionChanged() {}
  TBasicAction* FAction = nullptr;
};

// A link that may pass some of its action's values straight to its client:
// before the action takes a new Checked or GroupIndex it offers it to each
// link, which sets it on its client when that value counts as linked.
class TActionLink : public TBasicActionLink {
 public:
  virtual bool IsCheckedLinked() const { return false; }
  virtual bool IsGroupIndexLinked() const { return false; }

 protected:
  friend class TCustomAction;
  virtual void SetChecked(bool Value) {}
  virtual void SetGroupIndex(int Value) {}
};

// Keeps a control's caption, state and hint in step with its action.
class TControlActionLink : public TActionLink {
 public:
  explicit TControlActionLink(TControl* Client) : FClient(Client) {}

 protected:
  void ActionChanged() override;
  TControl* FClient;
};
