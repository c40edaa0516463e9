// The skinned list view: the system list view with the skin's font and
// colours, external skinned bars and a column header drawn from the skin.
#pragma once

#include "classlib/ComCtrls.h"
#include "skinctrls/SkinView.h"

using TspDrawHeaderSectionEvent =
    TEvent<void(TCanvas* Cnvs, TListColumn* Column, bool Pressed, const TRect& R)>;

class TspSkinCustomListView : public TspSkinView<TCustomListView> {
 public:
  explicit TspSkinCustomListView(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinCustomListView"; }
  void Dispatch(TMessage& Message) override;
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinListView>; }
  // Takes the record again (relayed by the skinned form after a skin change).
  void ChangeSkinData() override;
  void UpdateScrollBars() override;

  // Name of the button record the header sections are drawn from.
  const String& HeaderSkinDataName() const { return FHeaderSkinDataName; }
  void SetHeaderSkinDataName(const String& Value) { FHeaderSkinDataName = Value; }
  // The header window this view draws, or nullptr.
  HWND SkinnedHeader() const { return FHeader; }
  // The section the mouse holds down (-1 none), and whether a divider is being dragged.
  int PressedSection() const { return FSectionPressed ? FPressedSection : -1; }
  bool DividerDragged() const { return FDividerDragged; }

  TspDrawHeaderSectionEvent OnDrawHeaderSection;

 protected:
  void CreateHandleDone() override;
  void Loaded() override;
  void Change(TListItem* Item, int Change) override;
  void VScrollBarChange() override;
  void HScrollBarChange() override;
  virtual void DrawHeaderSection(TCanvas* Cnvs, TListColumn* Column, const TRect& R, bool Pressed);
  // The whole header into DC: every section, then the rest of the strip.
  void PaintHeader(HDC DC);

 private:
  static LRESULT CALLBACK HeaderWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT HeaderMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  void TakeHeader(HWND Header);
  void ReleaseHeader();
  void RedrawHeader();
  int SectionAt(const TPoint& P);
  int ItemHeight();

  bool FScrolling = false;
  int FLastVPosition = 0, FLastHPosition = 0;
  String FHeaderSkinDataName = L"resizebutton";
  HWND FHeader = nullptr;
  WNDPROC FOldHeaderProc = nullptr;
  int FPressedSection = -1;
  bool FSectionPressed = false, FDividerDragged = false;
};

class TspSkinListView : public TspSkinCustomListView {
 public:
  using TspSkinCustomListView::TspSkinCustomListView;
  String ClassName() const override { return L"TspSkinListView"; }
};
