// What the skinned form and the skin data need of the controls bound to a
// skin, without knowing their classes: each skinned control implements
// TspSkinLink, and a status bar with a size grip also TspSizeGripLink.
#pragma once

#include <functional>
#include <vector>

class TspSkinData;
class TWinControl;

class TspSkinLink {
 public:
  virtual ~TspSkinLink() = default;
  // The skin data component the control takes its look from, or nullptr.
  virtual TspSkinData* LinkedSkinData() const = 0;
  // Looks the control's record up again after a skin change and repaints.
  virtual void ChangeSkinData() = 0;

  // The skin data calls this, reading as empty, just before it frees its
  // records and pictures: the control keeps none of them, so that whatever
  // the system makes it draw until it is told of the new skin is drawn
  // without a skin rather than from freed memory.
  void DropSkin() {
    FSkinDropped = true;
    ForgetSkin();
  }
  // Tells the control of the new skin.
  void TakeSkin() {
    FSkinDropped = false;
    ChangeSkinData();
  }
  // Dropped, and not told of a skin since.
  bool SkinDropped() const { return FSkinDropped; }

 protected:
  // Lets go of every record and picture of the skin; nothing to do for a
  // control that keeps none between paints.
  virtual void ForgetSkin() {}

 private:
  bool FSkinDropped = false;
};

// Every skinned control under Parent, parents before their children.
void CollectSkinLinks(TWinControl* Parent, std::vector<TspSkinLink*>& Links);
class TspSizeGripLink {
 public:
  virtual ~TspSizeGripLink() = default;
  virtual bool SizeGrip() const = 0;
  // The form hides the grip while maximized and shows it again when restored.
  virtual void SetShowGrip(bool Value) = 0;
};
