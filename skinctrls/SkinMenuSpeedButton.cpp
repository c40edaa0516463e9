// The menu speed button: its track part, opening and closing its menus, and
// its looks with and without a skin.
#include "skinctrls/SkinMenuSpeedButton.h"

#include "skin/SPUtils_draw.h"
#include "skin/SkinCtrlRecords2.h"
#include "skin/SkinMenuMessages.h"
#include "skinctrls/PartLook.h"

using TSpeedBase = TspSkinButtonBase<TspGraphicSkinCustomControl>;

namespace {

// The tool-button objects a tool bar shares among plain and menu buttons.
bool IsGenericToolButton(const String& Name) {
  return Name == L"resizebutton" || Name == L"resizetoolbutton" || Name == L"toolbutton" || Name == L"bigtoolbutton";
}

}  // namespace

TspSkinMenuSpeedButton::TspSkinMenuSpeedButton(TComponent* AOwner)
    : TspSkinSpeedButton(AOwner), FSelf(std::make_shared<TspSkinMenuSpeedButton*>(this)) {
  FSkinDataName = L"toolmenubutton";
}

TspSkinMenuSpeedButton::~TspSkinMenuSpeedButton() { *FSelf = nullptr; }

void TspSkinMenuSpeedButton::SetSkinPopupMenu(TspSkinPopupMenu* Value) {
  if (FSkinPopupMenu) FSkinPopupMenu->RemoveFreeNotification(this);
  FSkinPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinMenuSpeedButton::SetSkinImagesMenu(TspSkinImagesMenu* Value) {
  if (FSkinImagesMenu) FSkinImagesMenu->RemoveFreeNotification(this);
  FSkinImagesMenu = Value;
  if (Value) {
    Value->FreeNotification(this);
    Value->OnInternalChange = [self = FSelf](TObject*) {
      if (*self) (*self)->Repaint();
    };
  }
  Repaint();
}

void TspSkinMenuSpeedButton::SetUseImagesMenuImage(bool Value) {
  FUseImagesMenuImage = Value;
  Repaint();
}

void TspSkinMenuSpeedButton::SetUseImagesMenuCaption(bool Value) {
  FUseImagesMenuCaption = Value;
  Repaint();
}

void TspSkinMenuSpeedButton::SetTrackButtonMode(bool Value) {
  FTrackButtonMode = Value;
  if (FIndex == -1) Repaint();
}

void TspSkinMenuSpeedButton::SetNewStyle(bool Value) {
  if (!SetLookValue(FNewStyle, Value) || !Value) return;
  SetSkinDataName(L"resizetoolbutton");
  // The record of the new name, with its size, at once.
  if (FSkinData && !Designing()) ChangeSkinData();
}

void TspSkinMenuSpeedButton::SetTrackPosition(TspTrackPosition Value) {
  FTrackPosition = Value;
  Repaint();
}

void TspSkinMenuSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinSpeedButton::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinPopupMenu) FSkinPopupMenu = nullptr;
  if (AComponent == FSkinImagesMenu) {
    FSkinImagesMenu = nullptr;
    // A menu that goes while open never reports its close.
    if (FMenuOpen && !FSkinPopupMenu && !ComponentState().Contains(csDestroying)) MenuClosed(true);
  }
}

void TspSkinMenuSpeedButton::GetSkinData() {
  TspSkinSpeedButton::GetSkinData();
  // A plain button record skins it too; a menu button's adds the track part.
  auto* r = SkinRecordAs<TspDataSkinMenuButtonControl>();
  FTrackButtonRect = r ? r->TrackButtonRect : TRect();
}

bool TspSkinMenuSpeedButton::DedicatedSkin() const { return FIndex != -1 && !IsGenericToolButton(FSkinDataName); }

TspMenuTrackInput TspSkinMenuSpeedButton::TrackInput(bool ForPainting) const {
  TspMenuTrackInput in;
  in.HasMenu = ForPainting || FSkinPopupMenu || FSkinImagesMenu;
  in.TrackButtonMode = ForPainting || FTrackButtonMode;
  in.SkinTrack = DedicatedSkin();
  in.TrackButtonRect = FTrackButtonRect;
  in.ResizeMode = ResizeMode;
  in.SkinWidth = SkinRect.Width();
  in.SkinHeight = SkinRect.Height();
  in.Width = Width();
  in.Height = Height();
  in.BottomStrip = FNewStyle && FTrackPosition == sptpBottom;
  return in;
}

TRect TspSkinMenuSpeedButton::TrackRect() const { return MenuTrackRect(TrackInput(false)); }

bool TspSkinMenuSpeedButton::InTrack(int X, int Y) const { return InMenuTrack(TrackInput(false), TPoint(X, Y)); }

TRect TspSkinMenuSpeedButton::PaintTrackRect() const { return MenuTrackRect(TrackInput(true)); }

TRect TspSkinMenuSpeedButton::BodyRect() const {
  if (FNewStyle && FTrackPosition == sptpBottom) return TRect(0, 0, Width(), Height() - kMenuTrackStrip);
  return TRect(0, 0, Width() - kMenuTrackStrip, Height());
}

// ---------------------------------------------------------------------------
// Opening and closing

void TspSkinMenuSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button != mbLeft) {
    TspSkinSpeedButton::MouseDown(Button, Shift, X, Y);
    return;
  }
  FMenuOpen = InTrack(X, Y);
  FMouseIn = true;
  if (!FMenuOpen) {
    TspSkinSpeedButton::MouseDown(Button, Shift, X, Y);
    return;
  }
  // The press belongs to the menu: the button's own press logic stays out.
  TspGraphicSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (!FDown) SetDown(true);
  OpenMenus();
}

void TspSkinMenuSpeedButton::OpenMenus() {
  const TPoint p = ClientToScreen(TPoint(0, 0));
  const TRect r(p.X, p.Y, p.X + Width(), p.Y + Height());
  bool opened = false;
  // The handler may free the button (or its form): no menu then opens for it.
  if (FSkinPopupMenu) {
    if (OnShowTrackMenu) OnShowTrackMenu(this);
    if (BeingFreed()) return;
    if (FSkinPopupMenu) opened = FSkinPopupMenu->PopupFromRectForControl(this, r, false);
  }
  if (FSkinImagesMenu) {
    if (OnShowTrackMenu) OnShowTrackMenu(this);
    if (BeingFreed() || !FSkinImagesMenu) return;
    FSkinImagesMenu->OnInternalMenuClose = [self = FSelf](TObject*) {
      if (*self) (*self)->MenuClosed(true);
    };
    FSkinImagesMenu->Popup(r);
    opened = opened || (FSkinImagesMenu && FSkinImagesMenu->PopupWindow());
  }
  // A menu that did not open will never tell the button to come up.
  if (!opened && FMenuOpen) MenuClosed(false);
}

void TspSkinMenuSpeedButton::MenuClosed(bool HideEventFirst) {
  FMenuOpen = false;
  SetDown(false);
  if (!HideEventFirst) FMouseIn = false;
  if (OnHideTrackMenu) OnHideTrackMenu(this);
  FMouseIn = false;
  Repaint();
}

void TspSkinMenuSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FMenuOpen) return;
  TspSkinSpeedButton::MouseUp(Button, Shift, X, Y);
}

void TspSkinMenuSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case MSG_SKINMENU_CLOSED: MenuClosed(false); return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (!FMenuOpen) break;
      TspGraphicSkinCustomControl::Dispatch(Message);
      FMouseIn = Message.Msg == CM_MOUSEENTER;
      return;
  }
  TspSkinSpeedButton::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// Painting

void TspSkinMenuSpeedButton::AdjustContent(TspButtonContent& Content, bool ADown, bool AMouseIn) {
  TspSkinSpeedButton::AdjustContent(Content, ADown, AMouseIn);
  if (!FUseImagesMenuImage || !FSkinImagesMenu) return;
  TspImagesMenuItem* item = FSkinImagesMenu->GetSelectedItem();
  if (!item || !FSkinImagesMenu->Images()) return;
  Content.Images = FSkinImagesMenu->Images();
  Content.ImageIndex = item->ImageIndex();
  if (FUseImagesMenuCaption) Content.Caption = item->Caption();
}

void TspSkinMenuSpeedButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (!Flat() || FMouseIn || FDown || FMenuOpen) {
    TSpeedBase::Paint();
    return;
  }
  // Idle and flat: the content and the marker over the parent.
  TCanvas* canvas = Canvas();
  const TRect body = DedicatedSkin() ? (IsNullRect(NewClRect) ? ClientRect() : NewClRect) : BodyRect();
  if (!SetFlatFont(canvas, body)) return;
  DrawContent(canvas, body, FDown, false, GetGlyphNum(FDown, false), false, false, ShownCaption());
  if (FIndex == -1) DrawArrowInRect(canvas, PaintTrackRect(), Enabled() ? clBtnText : clBtnShadow, TrackArrowDirection());
  else DrawMarker(canvas, PaintTrackRect(), false, false);
}

namespace {

// The states of the button part and the track part.
struct TPartStates {
  TspPartState Body = psIdle, Track = psIdle;
};

TPartStates PartStates(bool TrackMode, bool MenuOpen, bool Down, bool Hot) {
  TPartStates s;
  if (!TrackMode) {
    s.Body = s.Track = MenuOpen || (Down && Hot) ? psPressed : (Hot ? psHot : psIdle);
  } else if (MenuOpen) {
    s.Body = psHot;
    s.Track = psPressed;
  } else if (Down && Hot) {
    s.Body = s.Track = psPressed;
  } else if (Hot) {
    s.Body = s.Track = psHot;
  }
  return s;
}

}  // namespace

void TspSkinMenuSpeedButton::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* canvas = B->Canvas();
  const TRect all(0, 0, Width(), Height()), track = PaintTrackRect(), body = BodyRect();
  const TPartStates s = PartStates(FTrackButtonMode, FMenuOpen, FDown, FMouseIn);
  if (!FTrackButtonMode) {
    DrawDefaultPart(canvas, all, s.Body);
  } else if (Flat() && s.Body == psIdle && s.Track == psIdle && !FDown) {
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(all);
  } else {
    DrawDefaultPart(canvas, body, s.Body);
    DrawDefaultPart(canvas, track, s.Track);
  }
  SetCaptionFont(canvas, false, L"", 0, {}, DrawingDefaultFont(), FSkinData);
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  const bool pressed = s.Body == psPressed;
  DrawContent(canvas, body, FDown, FMouseIn, GetGlyphNum(pressed, FMouseIn), pressed, false, ShownCaption());
  DrawArrowInRect(canvas, track, Enabled() ? clBtnText : clBtnShadow, TrackArrowDirection());
}

void TspSkinMenuSpeedButton::DrawBodyContent(TCanvas* C, const TRect& Body, bool Down, bool Hot, TColor FontColor) {
  SetCaptionFont(C, FUseSkinFont, FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle, DrawingDefaultFont(), FSkinData);
  if (!Enabled()) C->Font()->SetColor(FSkin.DisabledFontColor);
  else if (FUseSkinFontColor) C->Font()->SetColor(FontColor);
  DrawContent(C, Body, FDown, FMouseIn, GetGlyphNum(Down, Hot), Down && Hot, false, ShownCaption());
}

void TspSkinMenuSpeedButton::DrawPartsFrom(TBitmap* B, const String& BodyName, const String& TrackName) {
  B->SetSize(Width(), Height());
  TCanvas* canvas = B->Canvas();
  const TRect all(0, 0, Width(), Height());
  const TRect body = TrackName.empty() ? all : BodyRect();
  const TPartStates s = PartStates(FTrackButtonMode, FMenuOpen, FDown, FMouseIn);
  TColor font = FSkin.FontColor;
  if (!DrawSkinButtonPart(canvas, FSkinData, BodyName, body, s.Body, font)) DrawDefaultPart(canvas, body, s.Body);
  if (!TrackName.empty()) {
    TColor trackFont = 0;
    const TRect track = PaintTrackRect();
    if (!DrawSkinButtonPart(canvas, FSkinData, TrackName, track, s.Track, trackFont))
      DrawDefaultPart(canvas, track, s.Track);
  }
  DrawBodyContent(canvas, BodyRect(), s.Body == psPressed, FMouseIn, font);
}

void TspSkinMenuSpeedButton::CreateControlSkinImage(TBitmap* B) {
  const bool trackDown = FMenuOpen || (FDown && FMouseIn);
  if (FNewStyle) {
    const bool own = FSkinData->GetControlIndex(L"resizetoolbutton") != -1;
    String track;
    if (FTrackButtonMode) track = FTrackPosition == sptpBottom ? L"htracktoolbutton" : L"vtracktoolbutton";
    DrawPartsFrom(B, own ? L"resizetoolbutton" : L"resizebutton", track);
  } else if (!DedicatedSkin()) {
    DrawPartsFrom(B, FSkinDataName, FTrackButtonMode ? FSkinDataName : String());
  } else if (FMenuOpen && FTrackButtonMode && !FTrackButtonRect.IsEmpty() && !FSkin.DownSkinRect.IsEmpty()) {
    // The face hot, its track part pressed: copied from the down picture.
    CreateFace(B, FSkin.ActiveSkinRect, true, false);
    const TRect dest = PaintTrackRect();
    const TRect& t = FTrackButtonRect;
    const TRect source(FSkin.DownSkinRect.Left + t.Left, FSkin.DownSkinRect.Top + t.Top,
                       FSkin.DownSkinRect.Left + t.Right, FSkin.DownSkinRect.Top + t.Bottom);
    if (Picture) B->Canvas()->CopyRect(TRect(dest.Left, dest.Top, dest.Left + t.Width(), dest.Top + t.Height()),
                                       Picture->Canvas(), source);
  } else if (FMenuOpen && !FTrackButtonMode) {
    CreateFace(B, FSkin.DownSkinRect, true, true);
  } else {
    TspSkinSpeedButton::CreateControlSkinImage(B);
  }
  DrawMarker(B->Canvas(), PaintTrackRect(), trackDown, FMouseIn);
}

void TspSkinMenuSpeedButton::DrawMarker(TCanvas* C, const TRect& Track, bool Down, bool Hot) {
  const bool idleFlat = Flat() && !Down && !Hot && !FDown;
  if (TrackArrowDirection() != kTrackArrowDown) {
    const TColor color = !Enabled() ? FSkin.DisabledFontColor
                         : Down     ? FSkin.DownFontColor
                         : Hot      ? FSkin.ActiveFontColor
                                    : FSkin.FontColor;
    DrawArrowInRect(C, Track, color, TrackArrowDirection());
    return;
  }
  const TRect& idle = idleFlat ? FSkin.MenuMarkerFlatRect : FSkin.MenuMarkerRect;
  const TRect& r = Down ? FSkin.MenuMarkerDownRect : (Hot ? FSkin.MenuMarkerActiveRect : idle);
  if (r.IsEmpty() || !Picture) return;
  TBitmap mark;
  mark.SetSize(r.Width(), r.Height());
  mark.Canvas()->CopyRect(TRect(0, 0, r.Width(), r.Height()), Picture->Canvas(), r);
  mark.SetTransparent(true);
  mark.SetTransparentColor(FSkin.MenuMarkerTransparentColor);
  C->Draw(Track.Left + (Track.Width() - r.Width()) / 2, Track.Top + (Track.Height() - r.Height()) / 2, &mark);
}
