// The page control over the system tab control, and its tab sheets.
#pragma once

#include "classlib/Controls.h"
#include "classlib/ImgList.h"

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

class TPageControl;

// One page: a window that fills the page control's display area while it is
// the active page. Its tab shows Caption and ImageIndex.
class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TTabSheet"; }
  void Dispatch(TMessage& Message) override;

  TPageControl* PageControl() const { return FPageControl; }
  // Joins the page control (as its last page) and becomes its child.
  void SetPageControl(TPageControl* Value);
  int PageIndex() const;
  void SetPageIndex(int Value);
  // A page without a visible tab cannot be chosen by the user.
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  // Index among the visible tabs, -1 when the tab is hidden.
  int TabIndex() const;
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);

  TNotifyEvent OnShow, OnHide;

 protected:
  void VisibleChanged() override;

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
  int FImageIndex = -1;
};

using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;
using TDrawTabEvent = TEvent<void(TPageControl* Control, int TabIndex, const TRect& Rect, bool Active)>;
using TTabGetImageEvent = TEvent<void(TObject* Sender, int TabIndex, int& ImageIndex)>;

class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;
  String ClassName() const override { return L"TPageControl"; }
  void Dispatch(TMessage& Message) override;

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int Index) const { return FPages.at(Index); }
  TTabSheet* ActivePage() const { return FActivePage; }
  // Shows the page without asking OnChanging or firing OnChange.
  void SetActivePage(TTabSheet* Page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int Value);
  // Index of the active page among the visible tabs, -1 when none.
  int TabIndex() const { return FActivePage ? FActivePage->TabIndex() : -1; }
  // The page of the visible tab at TabIndex, or nullptr.
  TTabSheet* PageOfTab(int TabIndex) const;
  TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
  void SelectNextPage(bool GoForward);

  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition Value);
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle Value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  bool RaggedRight() const { return FRaggedRight; }
  void SetRaggedRight(bool Value);
  bool ScrollOpposite() const { return FScrollOpposite; }
  void SetScrollOpposite(bool Value);
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  // 0: sized to the caption (width) or the font (height).
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int Value);
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);

  // Where the pages go: the client area less the tabs.
  TRect DisplayRect();
  TRect TabRect(int TabIndex);
  int IndexOfTabAt(int X, int Y);
  TCanvas* Canvas() const { return FCanvas.get(); }

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TDrawTabEvent OnDrawTab;
  TTabGetImageEvent OnGetImageIndex;

 protected:
  friend class TTabSheet;
  void CreateParams(TCreateParams& Params) override;
  void CreateHandleDone() override;
  void AdjustClientRect(TRect& Rect) const override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual bool CanChange();
  virtual void Change();
  virtual void DrawTab(int TabIndex, const TRect& Rect, bool Active);
  virtual int GetImageIndex(int TabIndex);
  // Rebuilds the tabs from the pages (captions, images, selection).
  void UpdateTabs();
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void ShowPage(TTabSheet* Page);

 private:
  void SetTabStyleFlag(bool& Field, bool Value);
  void CNNotify(TMessage& Message);
  void CNDrawItem(TMessage& Message);

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
  TTabPosition FTabPosition = tpTop;
  TTabStyle FStyle = tsTabs;
  bool FMultiLine = false, FHotTrack = false, FRaggedRight = false, FScrollOpposite = false, FOwnerDraw = false;
  int FTabWidth = 0, FTabHeight = 0;
  TCustomImageList* FImages = nullptr;
  std::unique_ptr<TControlCanvas> FCanvas;
  unsigned FTabRebuilds = 0;  // counts the tab rebuilds begun
};

// The other common controls, each in a header of its own.
#include "classlib/ListView.h"
#include "classlib/RichEdit.h"
#include "classlib/TreeView.h"
