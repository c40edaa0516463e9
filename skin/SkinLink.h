// What the skinned form needs of the controls on it, without knowing their
// classes: each skinned control implements TspSkinLink, and a status bar with
// a size grip also TspSizeGripLink.
#pragma once

class TspSkinData;

class TspSkinLink {
 public:
  virtual ~TspSkinLink() = default;
  // The skin data component the control takes its look from, or nullptr.
  virtual TspSkinData* LinkedSkinData() const = 0;
  // Looks the control's record up again after a skin change and repaints.
  virtual void ChangeSkinData() = 0;
};

class TspSizeGripLink {
 public:
  virtual ~TspSizeGripLink() = default;
  virtual bool SizeGrip() const = 0;
  // The form hides the grip while maximized and shows it again when restored.
  virtual void SetShowGrip(bool Value) = 0;
};
