// The skinned tree view: the system tree view with the skin's font and
// colours, no border or scroll bars of its own, and external skinned bars.
#pragma once

#include "classlib/ComCtrls.h"
#include "skinctrls/SkinView.h"

class TspSkinCustomTreeView : public TspSkinView<TCustomTreeView> {
 public:
  explicit TspSkinCustomTreeView(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinCustomTreeView"; }
  void Dispatch(TMessage& Message) override;
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinTreeView>; }
  // Takes the record again (relayed by the skinned form after a skin change).
  void ChangeSkinData() override;
  void UpdateScrollBars() override;

 protected:
  void Loaded() override;
  void Change(TTreeNode* Node) override;
  void VScrollBarChange() override;
  void HScrollBarChange() override;

 private:
  // A node's colours asked of the tree before it draws; false when the
  // system's are kept.
  bool CustomDrawNode(TMessage& Message);
};

class TspSkinTreeView : public TspSkinCustomTreeView {
 public:
  using TspSkinCustomTreeView::TspSkinCustomTreeView;
  String ClassName() const override { return L"TspSkinTreeView"; }
};
