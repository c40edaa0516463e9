// The skinned form engine: one TspSkinForm, owned by the form it decorates,
// listens to its form's messages, wears the skin's frame (composed picture,
// window shape, caption, caption buttons and other frame objects), keeps the
// window state and roll-up, and relays skin changes to every skinned control
// on the form. The form's menus plug in at MainMenuBarRect and SystemMenuPopup.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinFormGeometry.h"
#include "skin/SkinFormObjects.h"
#include "skin/SkinLink.h"

class TspLayerManager;

// Private queries the skinned form sends to the controls on it when it
// paints itself into a device context (wParam): a control that paints its
// frame there answers with the reply.
constexpr unsigned MSG_SKIN_AWARE_QUERY = 0xB1C9;
constexpr intptr_t SKIN_AWARE_REPLY = 0x3233;
constexpr unsigned MSG_SKIN_FRAME_QUERY = 0xBC4B;
constexpr intptr_t SKIN_FRAME_REPLY = 0x41A2;  // also the query's lParam

// Which caption buttons the form offers; a button whose command is not
// offered is not shown.
enum TspBorderIcon { sbiSystemMenu, sbiMinimize, sbiMaximize, sbiRollUp, sbiMinimizeToTray };
using TspBorderIcons = TSet<TspBorderIcon>;

// A tray icon on the form takes the form into the notification area; the
// tray icon component implements it.
class TspTrayLink {
 public:
  virtual ~TspTrayLink() = default;
  virtual void MinimizeFormToTray(TCustomForm* Form) = 0;
};

using TspFrameObjectEvent = std::function<void(TObject* Sender, const String& IDName)>;

class TspSkinForm : public TComponent {
 public:
  // AOwner is the form to decorate; the skinned form hooks its messages.
  explicit TspSkinForm(TComponent* AOwner);
  ~TspSkinForm() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinForm"; }

  TCustomForm* Form() const { return FForm; }
  TspSkinData* SkinData() const { return FSkinData; }
  // The form wears the new skin's frame at once.
  void SetSkinData(TspSkinData* Value);
  // The skin of the form's menus; SkinData when none is set.
  TspSkinData* MenusSkinData() const { return FMenusSkinData; }
  void SetMenusSkinData(TspSkinData* Value);

  // 0 normal, 1 minimized, 2 maximized. Writing the state the form already
  // has does nothing; maximizing hides the status bar's size grip and
  // restoring shows it again. A rolled-up form unrolls first.
  int WindowState() const;
  void SetWindowState(int Value);

  // Rolled up: only the roll-up picture (or the caption band) shows; the
  // height comes back when it unrolls. Only a form that wears a frame rolls up.
  bool RollUpState() const { return FRollUp; }
  void SetRollUpState(bool Value);

  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool Value) { FSizeable = Value; }
  TspBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TspBorderIcons Value);
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value);
  // The form fades in from transparent each time it is shown.
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }

  // True between the messages before and after a change of the form's skin.
  bool SkinChanging() const { return FSkinChanging; }
  // The form wears the skin's frame (a skin is loaded, its frame picture is
  // usable and SkinnableForm is on); otherwise it has the system frame.
  bool FrameOn() const { return FFrameOn; }
  const TspFrameMetrics& FrameMetrics() const { return FMetrics; }

  // Calls ChangeSkinData of every skinned control on the form, nested ones
  // too, whose skin data is Changed; of every one when Changed is nullptr.
  void RelaySkinChange(TspSkinData* Changed);

  // Frame objects, one per object record of the skin, in list order.
  void CreateObjects();
  void ClearObjects();
  int ObjectCount() const { return static_cast<int>(FObjects.size()); }
  TspSkinFrameObject* Objects(int Index) const { return FObjects.at(static_cast<size_t>(Index)).get(); }
  // The first object named IDName, or nullptr.
  TspSkinFrameObject* FindObject(const String& IDName) const;
  // Shown in the current state: objects of the roll-up picture while rolled
  // up, the others otherwise; the caption in both.
  bool ObjectShown(const TspSkinFrameObject* Object) const;
  // The shown, mouse-taking object at P (window coordinates), or nullptr.
  TspSkinFrameObject* ObjectAt(const TPoint& P) const;

  // Window coordinates of the form icon and of the main menu bar on the frame
  // (empty when the skin places none). The menu bar is drawn by the form's
  // skin menu, which a later part of the library attaches here.
  TRect IconRect() const;
  TRect MainMenuBarRect() const;
  // Opens the form's system menu under Where (screen coordinates): the
  // system's window menu, whose commands the frame carries out itself.
  void SystemMenuPopup(const TRect& Where);

  // Paints the whole form, frame and client with its controls, into DC at
  // (X, Y); skinned controls paint their own frames there when asked by the
  // private queries. Nothing for a form without a window.
  void PaintFormTo(HDC DC, int X, int Y);

  // Repaints the frame now (the whole frame, or the part in Only, window
  // coordinates); nothing while the skin changes or without a frame.
  void PaintFrame(const TRect* Only = nullptr);

  // A frame button without a command, or a user area, was clicked.
  TspFrameObjectEvent OnObjectClick;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void HookForm();
  void UnhookForm();
  // Runs in front of the form's own message handling.
  void NewWndProc(TMessage& Message);
  // The frame's own messages; False passes the message on.
  bool FrameMessage(TMessage& Message, const std::function<void(TMessage&)>& Old);
  bool IsOwnSkin(const TMessage& Message) const;
  void BeforeSkinChange();
  void AfterSkinChange();
  void SkinChangeDone();
  // Shows or hides the grip of the status bar the skin names.
  void UpdateStatusBarGrip(bool Maximized);

  // Frame (SkinFormFrame.cpp)
  bool WantsFrame() const;
  // Takes the frame on or off as the skin says and redraws the window once.
  void ApplyFrame();
  TspFrameState FrameState() const;
  TSize WindowSize() const;
  TBitmap* FramePicture() const;
  void ComposeFrame(int W, int H, bool Active);
  // The frame picture of the active or the inactive form.
  TBitmap* StatePicture(bool Active) const;
  void UpdateRegion();
  void LayoutObjects();
  bool FindCaptionShown() const;
  void DrawDefaultCaption(TCanvas* Canvas, const TspFrameState& State);
  // The whole frame is drawn again with the next paint (its pieces move
  // with the size, so no part of the old frame stays valid).
  void InvalidateFrame();
  void WMNCCalcSize(TMessage& Message);
  void WMGetMinMaxInfo(TMessage& Message);

  // Mouse (SkinFormHitTest.cpp)
  void WMNCHitTest(TMessage& Message);
  TPoint ScreenToWindow(const TPoint& P) const;
  void SetHotObject(TspSkinFrameObject* Object);
  void PressObject(TspSkinFrameObject* Object);
  void TrackPress(const TPoint& WindowPoint);
  void ReleasePress(const TPoint& WindowPoint);
  void CancelPress();
  void RepaintObject(TspSkinFrameObject* Object);
  void MorphTick();
  void ShowObjectHint();
  void HideObjectHint();
  void ShowGlow(TspSkinFrameObject* Object);
  void HideGlow();
  void StopFrameTimers();

  // Commands (SkinFormStates.cpp)
  void ObjectClick(TspSkinFrameObject* Object);
  void ExecuteCommand(TspCommandKind Command, const TRect& ButtonRect);
  bool CommandOffered(TspCommandKind Command) const;
  void UpdateButtonVisibility();
  void ToggleMaximize();
  void MinimizeToTray();
  void StartAlphaAnimation();
  void AlphaTick();

  TCustomForm* FForm = nullptr;
  std::function<void(TMessage&)> FOldWindowProc;
  TspSkinData* FSkinData = nullptr;
  TspSkinData* FMenusSkinData = nullptr;
  bool FSkinChanging = false;
  bool FRedrawHeld = false;  // drawing held off from 1226 until 1227

  bool FFrameOn = false;
  TspFrameMetrics FMetrics;
  TRect FIconRect, FMainMenuRect, FCaptionRect;  // picture coordinates, copied from the skin
  int FButtonsOffset = 0;
  std::vector<std::unique_ptr<TspSkinFrameObject>> FObjects;
  std::unique_ptr<TBitmap> FFrameBase;  // the composed frame without objects
  TSize FFrameBaseSize;
  bool FFrameBaseActive = true;
  bool FFrameBaseRolled = false;
  std::unique_ptr<TBitmap> FBuffer;
  TSize FRegionSize;
  bool FRegionRolled = false;
  bool FActive = false;

  bool FRollUp = false;
  int FRestoreHeight = 0;
  bool FSizeable = true;
  TspBorderIcons FBorderIcons{sbiSystemMenu, sbiMinimize, sbiMaximize, sbiRollUp, sbiMinimizeToTray};
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  bool FAlphaBlendAnimation = false;
  int FAnimationAlpha = 0;

  TspSkinFrameObject* FHot = nullptr;
  TspSkinFrameObject* FDown = nullptr;
  bool FTrackingLeave = false;
  TTimer* FMorphTimer = nullptr;
  TTimer* FHintTimer = nullptr;
  TTimer* FAlphaTimer = nullptr;
  THintWindow* FHintWindow = nullptr;
  TspLayerManager* FGlow = nullptr;
};

// The first component owned by Form that is a TspSkinForm; nullptr when Form
// is nullptr or owns none.
TspSkinForm* GetSkinForm(const TComponent* Form);
