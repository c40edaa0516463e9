// The menu speed button: a speed button with a drop-down part. A press on
// the button, or only on its track part, opens a skinned popup menu or an
// image-grid menu under it, and the button stays down until the menu closes.
#pragma once

#include <memory>

#include "skinctrls/SkinImageGridMenu.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skinctrls/ToolBarGeometry.h"

enum TspTrackPosition { sptpRight, sptpBottom };

class TspSkinMenuSpeedButton : public TspSkinSpeedButton {
 public:
  explicit TspSkinMenuSpeedButton(TComponent* AOwner);
  ~TspSkinMenuSpeedButton() override;
  String ClassName() const override { return L"TspSkinMenuSpeedButton"; }

  TspSkinPopupMenu* SkinPopupMenu() const { return FSkinPopupMenu; }
  void SetSkinPopupMenu(TspSkinPopupMenu* Value);
  TspSkinImagesMenu* SkinImagesMenu() const { return FSkinImagesMenu; }
  // A new choice in the menu repaints the button at once.
  void SetSkinImagesMenu(TspSkinImagesMenu* Value);
  bool UseImagesMenuImage() const { return FUseImagesMenuImage; }
  void SetUseImagesMenuImage(bool Value);
  bool UseImagesMenuCaption() const { return FUseImagesMenuCaption; }
  void SetUseImagesMenuCaption(bool Value);
  bool TrackButtonMode() const { return FTrackButtonMode; }
  void SetTrackButtonMode(bool Value);
  bool NewStyle() const { return FNewStyle; }
  // On, the button takes the resizable tool-button skin object.
  void SetNewStyle(bool Value);
  TspTrackPosition TrackPosition() const { return FTrackPosition; }
  void SetTrackPosition(TspTrackPosition Value);

  bool MenuOpen() const { return FMenuOpen; }
  // The part whose press opens the menu, control coordinates; empty without
  // a menu.
  TRect TrackRect() const;
  bool InTrack(int X, int Y) const;

  void GetSkinData() override;

  TNotifyEvent OnShowTrackMenu, OnHideTrackMenu;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void AdjustContent(TspButtonContent& Content, bool ADown, bool AMouseIn) override;
  // The way the arrow in the track points (as DrawArrowInRect's directions).
  // Down shows the skin's menu marker; any other way is drawn as an arrow in
  // the caption colour of the button's state.
  virtual int TrackArrowDirection() const { return kTrackArrowDown; }
  static constexpr int kTrackArrowRight = 2;
  static constexpr int kTrackArrowDown = 4;

 private:
  TspMenuTrackInput TrackInput(bool ForPainting) const;
  // A record of its own (such as "toolmenubutton") rather than a shared
  // tool-button one.
  bool DedicatedSkin() const;
  void OpenMenus();
  // The menu closed, or never opened: the button comes back up.
  void MenuClosed(bool HideEventFirst);
  // The track part for drawing and the rest, where the content goes.
  TRect PaintTrackRect() const;
  TRect BodyRect() const;
  void DrawMarker(TCanvas* C, const TRect& Track, bool Down, bool Hot);
  void DrawPartsFrom(TBitmap* B, const String& BodyName, const String& TrackName);
  void DrawBodyContent(TCanvas* C, const TRect& Body, bool Down, bool Hot, TColor FontColor);

  TspSkinPopupMenu* FSkinPopupMenu = nullptr;
  TspSkinImagesMenu* FSkinImagesMenu = nullptr;
  bool FUseImagesMenuImage = false, FUseImagesMenuCaption = false;
  bool FTrackButtonMode = false, FNewStyle = false;
  TspTrackPosition FTrackPosition = sptpRight;
  bool FMenuOpen = false;
  TRect FTrackButtonRect;
  // What the image menu's handlers reach the button by: cleared when the
  // button goes, so that a menu that outlives it calls nothing.
  std::shared_ptr<TspSkinMenuSpeedButton*> FSelf;
};
