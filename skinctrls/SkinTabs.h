// The skinned page control over the system tab control and its tab sheets:
// the control keeps the tab control's logic (pages, selection, keys, tab
// layout) and draws the frame, the strip and every tab itself, from the
// skin's tab record or in a default look.
#pragma once

#include <memory>
#include <vector>

#include "classlib/ButtonLayout.h"
#include "classlib/ComCtrls.h"
#include "skinctrls/ControlGeometry.h"
#include "skinctrls/SkinLinked.h"
#include "skinctrls/TabGeometry.h"
#include "skinctrls/TabScroller.h"

// Bitmap turns for tabs on the left, right and bottom sides.
void DrawBitmapRotated90(TCanvas* Canvas, TBitmap* Bitmap, int X, int Y);
void DrawBitmapRotated270(TCanvas* Canvas, TBitmap* Bitmap, int X, int Y);
void RotateBitmap90(TBitmap* Bitmap);
void RotateBitmap270(TBitmap* Bitmap);
void FlipBitmap(TBitmap* Bitmap);
// Image and caption centred in Width x Height, the image Offset lower.
void DrawTabImageAndText(TCanvas* Canvas, int Width, int Height, int Offset, bool Enabled, int ImageIndex,
                         TCustomImageList* Images, const String& Caption);

class TspSkinPageControl;

class TspSkinCustomTabSheet : public TTabSheet {
 public:
  explicit TspSkinCustomTabSheet(TComponent* AOwner);
  ~TspSkinCustomTabSheet() override;
  String ClassName() const override { return L"TspSkinCustomTabSheet"; }

  TBitmap* WallPaper() const { return FWallPaper.get(); }
  void SetWallPaper(TBitmap* Value);
  // The page control's skin background (or the wallpaper) into DC.
  void PaintSheetBackground(HDC DC);

  // Kept by the page control: the tab's close box in the tab's own
  // coordinates, and whether it is under the mouse and pressed.
  TRect CloseButtonRect;
  bool CloseButtonMouseIn = false, CloseButtonMouseDown = false;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;

 private:
  TspSkinPageControl* SkinPageControl() const;
  void NotifyChildrenBackground();
  std::unique_ptr<TBitmap> FWallPaper;
};

class TspSkinTabSheet : public TspSkinCustomTabSheet {
 public:
  using TspSkinCustomTabSheet::TspSkinCustomTabSheet;
  String ClassName() const override { return L"TspSkinTabSheet"; }
};

using TspCloseEvent = TEvent<void(TObject* Sender, bool& CanClose)>;
using TspDrawSkinTabEvent =
    TEvent<void(int TabIndex, const TRect& Rct, bool Active, bool MouseIn, TCanvas* Cnvs)>;

// The values the page control copies from a tab record.
struct TspTabSkin {
  TBitmap* Picture = nullptr;
  TRect SkinRect, ClRect, TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, TabsBGRect;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  int TabLeftOffset = 0, TabRightOffset = 0;
  String FontName;
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
  String UpDown;
  int BGPictureIndex = -1;
  bool TabStretchEffect = false, ShowFocus = false;
  int FocusOffsetX = 0, FocusOffsetY = 0;
  bool StretchEffect = false, LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  uint8_t StretchType = 0;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;
};

class TspSkinPageControl : public TspSkinLinked<TPageControl> {
 public:
  explicit TspSkinPageControl(TComponent* AOwner);
  ~TspSkinPageControl() override;
  String ClassName() const override { return L"TspSkinPageControl"; }

  bool TabExtededDraw() const { return FTabExtededDraw; }
  void SetTabExtededDraw(bool Value);
  int TabMargin() const { return FTabMargin; }
  void SetTabMargin(int Value);
  int TabSpacing() const { return FTabSpacing; }
  void SetTabSpacing(int Value);
  TButtonLayout TabLayout() const { return FTabLayout; }
  void SetTabLayout(TButtonLayout Value);
  bool TextInHorizontal() const { return FTextInHorizontal; }
  void SetTextInHorizontal(bool Value);
  bool TabsInCenter() const { return FTabsInCenter; }
  void SetTabsInCenter(bool Value);
  bool FreeOnClose() const { return FFreeOnClose; }
  void SetFreeOnClose(bool Value) { FFreeOnClose = Value; }
  bool ShowCloseButtons() const { return FShowCloseButtons; }
  void SetShowCloseButtons(bool Value);
  // The tab images (the tab control itself only sees a list that reserves room).
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  bool TabsBGTransparent() const { return FTabsBGTransparent; }
  void SetTabsBGTransparent(bool Value);
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  // The tabs take the new choice at once.
  void SetUseSkinFont(bool Value);
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int Value);

  TspCloseEvent OnClose;
  TNotifyEvent OnAfterClose;
  TspDrawSkinTabEvent OnDrawSkinTab;

  // The record's values (SkinIndex -1: no skin).
  const TspTabSkin& Skin() const { return FSkin; }
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinTabControl>; }
  void GetSkinData() override;
  void ChangeSkinData() override;

  void SetItemSize(int AWidth, int AHeight);
  // The rectangle a visible tab is drawn at.
  TRect GetTabRect(int VisibleIndex);
  int GetTabsCenterOffset();
  int CloseButtonSize() const { return FCloseSize; }
  // Asks OnClose, then hides (or frees) the active page.
  void CloseActivePage();
  // The same for Page, whichever page is active.
  void ClosePage(TspSkinCustomTabSheet* Page);
  int GetTabsOutOfView();
  int GetTabsLeftOfView();
  // The scroller shown while single-line tabs overflow, or nullptr.
  TspTabScroller* Scroller() const { return FScrollerShown ? FScroller : nullptr; }
  int HotTabIndex() const { return FHotTab; }

  void Loaded() override;

 protected:
  void CreateHandleDone() override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Change() override;
  int GetImageIndex(int TabIndex) override;
  void PaintWindow(HDC DC) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TspTabSide Side() const { return static_cast<TspTabSide>(TabPosition()); }
  TspSkinCustomTabSheet* SkinPage(int PageIndex) const;
  int VisibleTabCount() const;
  int LaidOutTabCount();
  bool HasActiveTab() const;
  // Sizes the room list for the current side, close buttons and images.
  void ReserveImageRoom();
  // The image drawn on Page's tab: what GetImageIndex last gave for it.
  int TabImageIndex(TTabSheet* Page) const;
  void UpdateHotTab(int X, int Y);
  // The close box of the hot tab, in control coordinates, with the page
  // whose tab it is; false when no hot tab shows one.
  bool HotCloseRect(TRect& R, TspSkinCustomTabSheet*& Page);
  void CheckScroller();
  void CreateScroller();
  void HideScroller();
  void PlaceScroller();
  void SyncScrollerPosition();
  void UpDownChange(TObject* Sender);
  // The width of the strip left of the scroll arrows (the whole width without them).
  int TabViewWidth();
  // Scrolls the tabs until tab First is the leftmost shown.
  void ScrollTabsTo(int First);
  // Scrolls the tabs so that the active one shows whole and no room is left
  // after the last, and sets the scroller's range to match. The tab control
  // alone, its own scroller gone, puts the active tab at the far left.
  void KeepActiveTabInView();
  void ApplyFont(TFont* Font, bool SkinFont);

  // Painting (SkinTabs_paint.cpp).
  void PaintDefaultFrame(TCanvas* Canvas);
  void PaintSkinFrame(TCanvas* Canvas);
  void PaintSkinBackground(HDC DC);
  void PaintTabs(TCanvas* Canvas);
  // Draws the tab at VisibleIndex; false when the paint is to stop.
  bool DrawVisibleTab(int VisibleIndex, const TRect& R, bool Active, TCanvas* Canvas);
  // The class library's owner-draw hook stays callable beside the skinned one.
  using TPageControl::DrawTab;
  void DrawTab(int PageIndex, const TRect& Rct, bool Active, bool MouseIn, TCanvas* Cnvs);
  void DrawCloseButton(TCanvas* Cnvs, const TRect& Area, int BitmapWidth, int BitmapHeight, int PageIndex);
  TRect SkinFrameRect();
  TRect GetActiveTabExtension();
  bool SkinSizesDiffer() const;

  bool FTabExtededDraw = false;
  int FTabMargin = -1, FTabSpacing = 1;
  TButtonLayout FTabLayout = blGlyphLeft;
  bool FTextInHorizontal = false, FTabsInCenter = false, FFreeOnClose = false, FShowCloseButtons = false;
  TCustomImageList* FImages = nullptr;
  bool FTabsBGTransparent = false;
  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont = true;
  int FDefaultItemHeight = 20;

  TspTabSkin FSkin;
  // The image of each visible tab as the tabs were last built; before the
  // room list, whose freeing still rebuilds the tabs.
  std::vector<int> FTabImages;
  std::unique_ptr<TCustomImageList> FRoomList;  // 1 x 1 and empty: room in every tab
  int FCloseSize = 14;
  int FHotTab = -1, FHotVisibleTab = -1, FOldHotTab = -1, FOldHotVisibleTab = -1;
  // Made once and then only hidden: a skin change relayed over the form
  // reaches the scroller too, so it must outlive the page control's own re-read.
  TspTabScroller* FScroller = nullptr;
  bool FScrollerShown = false;
  bool FScrollingTabs = false;  // ScrollTabsTo steps the tab control: no repaint each step
  int FFirstTab = 0;            // the first tab shown when the tabs last moved
};
