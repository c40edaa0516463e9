// The skinned tree view: the system tree view with the skin's font and
// colours, no border or scroll bars of its own, and external skinned bars.
#pragma once

#include <memory>

#include "classlib/ComCtrls.h"
#include "skinctrls/SkinLinked.h"
#include "skinctrls/SkinViewParts.h"

class TspSkinCustomTreeView : public TspSkinLinked<TCustomTreeView> {
 public:
  explicit TspSkinCustomTreeView(TComponent* AOwner);
  ~TspSkinCustomTreeView() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinCustomTreeView"; }
  void Dispatch(TMessage& Message) override;
  // Takes the record again (relayed by the skinned form after a skin change).
  void ChangeSkinData() override;
  void UpdateScrollBars();

  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value);
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value);
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  TspSkinScrollBar* VScrollBar() const { return FBars.Vertical(); }
  void SetVScrollBar(TspSkinScrollBar* Value);
  TspSkinScrollBar* HScrollBar() const { return FBars.Horizontal(); }
  void SetHScrollBar(TspSkinScrollBar* Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Loaded() override;
  void Change(TTreeNode* Node) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void VScrollBarChange();
  void HScrollBarChange();
  TspViewScrollBars FBars{this};
  std::unique_ptr<TFont> FDefaultFont;
  TColor FDefaultColor = clWindow;
  bool FUseSkinFont = true;
  bool FUpdating = false;
};

class TspSkinTreeView : public TspSkinCustomTreeView {
 public:
  using TspSkinCustomTreeView::TspSkinCustomTreeView;
  String ClassName() const override { return L"TspSkinTreeView"; }
};
