// What the skinned form and its menus need of each other across the folder
// boundary: the form drives its skin menu through TspSkinMenuLink, and a
// popup menu tells the form through TspSkinMenuFrameLink that a menu opens
// or closes. The menus implement the first, the form the second.
#pragma once

#include <cstdint>

// True for the window messages on which an open skin menu must close: the
// form moves, sizes, activates, loses the focus or is clicked anywhere.
bool IsMenuCloseMessage(uint32_t Msg);

class TspSkinMenuLink {
 public:
  virtual ~TspSkinMenuLink() = default;
  // A menu level is shown.
  virtual bool MenuVisible() const = 0;
  virtual int LevelCount() const = 0;
  // Closes the whole menu and tells the form and the opening control.
  virtual void CloseSkinMenu() = 0;
  // A key-down for the deepest open level.
  virtual void HandleMenuKey(uint16_t Key) = 0;
};

class TspSkinMenuFrameLink {
 public:
  virtual ~TspSkinMenuFrameLink() = default;
  virtual void SkinMenuOpen() = 0;
  virtual void SkinMenuClose() = 0;
};
