// Tree nodes over the system control: index errors, check kinds and radio
// groups, the node stream, copies, and what survives a new window.
#include <gtest/gtest.h>

#include "classlib/ExtCtrls.h"
#include "components/fcTreeView.h"
#include "tests/components/ComponentTestUtils.h"

class fcTreeNodesTest : public FormTest {
 protected:
  TfcTreeView* NewTree() { return Add<TfcTreeView>(10, 10, 200, 200); }
};

TEST_F(fcTreeNodesTest, IndexesOutsideTheTreeRaise) {
  TfcTreeView* tv = NewTree();
  try {
    tv->Items()->Item(0);
    FAIL() << "no exception";
  } catch (const ETreeViewError& e) {
    EXPECT_EQ(e.Message(), L"Invalid index");
  }
  TfcTreeNode* a = tv->Items()->Add(nullptr, L"a");
  tv->Items()->AddChild(a, L"a1");
  EXPECT_THROW(tv->Items()->Item(-1), ETreeViewError);
  EXPECT_THROW(tv->Items()->Item(2), ETreeViewError);
  EXPECT_EQ(tv->Items()->Item(1)->Text(), L"a1");
  try {
    a->Item(5);
    FAIL() << "no exception";
  } catch (const ETreeViewError& e) {
    EXPECT_EQ(e.Message(), L"List index out of bounds (5)");
  }
  EXPECT_EQ(a->AbsoluteIndex(), 0);
  EXPECT_EQ(tv->Items()->Item(1)->AbsoluteIndex(), 1);
}

TEST_F(fcTreeNodesTest, CheckboxTypeSetsTheStateIndexAndRefusesOthers) {
  TfcTreeView* tv = NewTree();
  TfcTreeNode* n = tv->Items()->Add(nullptr, L"n");
  EXPECT_EQ(n->StateIndex(), -1);
  n->SetCheckboxType(fcCheckbox);
  EXPECT_EQ(n->StateIndex(), 1);
  n->SetStateIndex(5);
  EXPECT_EQ(n->StateIndex(), 1);
  n->SetStateIndex(0);  // taken as -1
  EXPECT_EQ(n->StateIndex(), -1);
  n->SetCheckboxType(fcNoCheckbox);
  n->SetCheckboxType(fcRadioButton);
  EXPECT_EQ(n->StateIndex(), 1);
  n->SetCheckboxType(fcNoCheckbox);
  EXPECT_EQ(n->StateIndex(), -1);
}

TEST_F(fcTreeNodesTest, CheckingARadioUnchecksOnlyItsRadioSiblings) {
  TfcTreeView* tv = NewTree();
  TfcTreeNodes* items = tv->Items();
  TfcTreeNode* r1 = items->Add(nullptr, L"r1");
  TfcTreeNode* r2 = items->Add(nullptr, L"r2");
  TfcTreeNode* box = items->Add(nullptr, L"box");
  TfcTreeNode* other = items->AddChild(box, L"other radio");
  for (TfcTreeNode* n : {r1, r2, other}) n->SetCheckboxType(fcRadioButton);
  box->SetCheckboxType(fcCheckbox);
  std::vector<TfcTreeNode*> toggled;
  tv->OnToggleCheckbox = [&](TfcCustomTreeView*, TfcTreeNode* N) { toggled.push_back(N); };
  r1->SetChecked(true);
  box->SetChecked(true);
  other->SetChecked(true);
  toggled.clear();
  r2->SetChecked(true);
  EXPECT_FALSE(r1->Checked());
  EXPECT_TRUE(r2->Checked());
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(other->Checked());
  EXPECT_EQ(toggled, (std::vector<TfcTreeNode*>{r1, r2}));  // code changes raise the event too
  r2->SetChecked(false);
  EXPECT_FALSE(r1->Checked());
  EXPECT_FALSE(r2->Checked());
  // Gray is shared by a radio group.
  r1->SetGrayed(true);
  EXPECT_TRUE(r2->Grayed());
  EXPECT_FALSE(box->Grayed());
}

TEST_F(fcTreeNodesTest, StreamRoundTripKeepsContentAndStructure) {
  TfcTreeView* tv = NewTree();
  TfcTreeNodes* items = tv->Items();
  TfcTreeNode* a = items->Add(nullptr, L"abc");
  TMemoryStream one;
  items->WriteData(&one);
  EXPECT_EQ(one.Size(), 4 + 4 + 42);  // root count, then the 3-character node

  a->SetStringData(L"http://example.invalid");
  a->SetCheckboxType(fcCheckbox);
  a->SetChecked(true);
  a->SetImageIndex(-2);
  TfcTreeNode* b = items->AddChild(a, L"\x4E2D\x6587");
  b->SetStringData2(L"two");
  b->SetOverlayIndex(3);
  b->SetStateIndex(4);
  items->AddChild(b, L"leaf");
  items->Add(nullptr, L"second");
  TMemoryStream s;
  items->WriteData(&s);
  items->Clear();
  EXPECT_EQ(items->Count(), 0);
  s.SetPosition(0);
  items->ReadData(&s);
  ASSERT_EQ(items->Count(), 4);
  TfcTreeNode* ra = items->GetFirstNode();
  EXPECT_EQ(ra->Text(), L"abc");
  EXPECT_EQ(ra->StringData(), L"http://example.invalid");
  EXPECT_TRUE(ra->Checked());
  EXPECT_EQ(ra->CheckboxType(), fcCheckbox);
  EXPECT_EQ(ra->ImageIndex(), -2);
  ASSERT_EQ(ra->Count(), 1);
  EXPECT_EQ(ra->Item(0)->Text(), L"\x4E2D\x6587");
  EXPECT_EQ(ra->Item(0)->StringData2(), L"two");
  EXPECT_EQ(ra->Item(0)->OverlayIndex(), 3);
  EXPECT_EQ(ra->Item(0)->StateIndex(), 4);
  const TfcTreeNode* leaf = ra->Item(0)->Item(0);
  EXPECT_EQ(leaf->Text(), L"leaf");
  EXPECT_EQ(leaf->OverlayIndex(), -1);
  EXPECT_EQ(leaf->StateIndex(), -1);
  EXPECT_EQ(leaf->CheckboxType(), fcNoCheckbox);
  EXPECT_EQ(leaf->StringData(), L"");
  EXPECT_EQ(ra->GetNextSibling()->Text(), L"second");
  EXPECT_EQ(tv->StreamVersion(), 1);
}

TEST_F(fcTreeNodesTest, LongTextAndStateSurviveANewWindow) {
  TfcTreeView* tv = NewTree();
  TfcTreeNodes* items = tv->Items();
  const String longText(300, L'w');
  TfcTreeNode* a = items->Add(nullptr, L"a");
  TfcTreeNode* b = items->AddChild(a, longText);
  b->SetCheckboxType(fcCheckbox);
  b->SetChecked(true);
  items->Add(nullptr, L"c");
  a->Expand(false);
  tv->SetSelected(b);
  tv->SetIndent(25);
  const HWND old = tv->Handle();
  tv->SetBorderStyle(bsNone);  // re-creates the window
  ASSERT_NE(tv->Handle(), old);
  ASSERT_EQ(items->Count(), 3);
  TfcTreeNode* nb = items->Item(1);
  EXPECT_EQ(nb->Text(), longText);
  EXPECT_TRUE(nb->Checked());
  EXPECT_EQ(tv->Selected(), nb);
  EXPECT_TRUE(items->GetFirstNode()->Expanded());
  EXPECT_EQ(tv->Indent(), 25);
  // A copy into another tree keeps the whole text too; the expansion only
  // when the receiving tree keeps expansion in its stored nodes.
  TfcTreeView* copy = NewTree();
  copy->Items()->Assign(items);
  EXPECT_EQ(copy->Items()->Item(1)->Text(), longText);
  EXPECT_FALSE(copy->Items()->GetFirstNode()->Expanded());
  copy->SetStreamExpandedNode(true);
  copy->Items()->Assign(items);
  EXPECT_TRUE(copy->Items()->GetFirstNode()->Expanded());
}

TEST_F(fcTreeNodesTest, FindAndDeleteKeepTheTreeConsistent) {
  TfcTreeView* tv = NewTree();
  TfcTreeNodes* items = tv->Items();
  TfcTreeNode* a = items->Add(nullptr, L"Alpha");
  TfcTreeNode* b = items->AddChild(a, L"beta");
  b->SetStringData(L"key");
  items->AddChild(b, L"gamma");
  EXPECT_EQ(items->FindNode(L"BETA", false), b);
  EXPECT_EQ(items->FindNode(L"beta", true), nullptr);  // a is collapsed
  EXPECT_EQ(items->FindNodeInfo(L"KEY", false, 1), b);
  std::vector<String> deleted;
  tv->OnDeletion = [&](TfcCustomTreeView*, TfcTreeNode* N) { deleted.push_back(N->Text()); };
  tv->MultiSelectAttributes()->SetEnabled(true);
  tv->MultiSelectAttributes()->SetMultiSelectLevel(-1);
  tv->SetMultiSelected(b, true, false);
  b->Delete();
  EXPECT_EQ(items->Count(), 1);
  EXPECT_FALSE(a->HasChildren());
  EXPECT_TRUE(tv->MultiSelectList().empty());
  EXPECT_EQ(deleted.size(), 2u);
}

TEST_F(fcTreeNodesTest, MoveToCarriesTheChildren) {
  TfcTreeView* tv = NewTree();
  TfcTreeNodes* items = tv->Items();
  TfcTreeNode* a = items->Add(nullptr, L"a");
  TfcTreeNode* b = items->Add(nullptr, L"b");
  TfcTreeNode* a1 = items->AddChild(a, L"a1");
  items->AddChild(a1, L"a11");
  a1->MoveTo(b, fcnaAddChild);
  EXPECT_EQ(a1->Parent(), b);
  EXPECT_EQ(a1->Count(), 1);
  EXPECT_EQ(a1->Item(0)->Text(), L"a11");
  EXPECT_FALSE(a->HasChildren());
  EXPECT_EQ(items->Count(), 4);
  a1->MoveTo(a1->Item(0), fcnaAddChild);  // into its own subtree: refused
  EXPECT_EQ(a1->Parent(), b);
}

TEST_F(fcTreeNodesTest, NodesSurviveTheirParentsNewWindow) {
  auto* panel = Add<TPanel>(0, 0, 300, 250);
  auto* tv = new TfcTreeView(form);
  tv->SetParent(panel);
  tv->SetBounds(5, 5, 200, 200);
  TfcTreeNode* a = tv->Items()->Add(nullptr, L"a");
  tv->Items()->AddChild(a, L"a1");
  tv->Items()->Add(nullptr, L"b")->SetCheckboxType(fcRadioButton);
  panel->RecreateWnd();
  tv->HandleNeeded();
  ASSERT_EQ(tv->Items()->Count(), 3);
  EXPECT_EQ(tv->Items()->Item(1)->Text(), L"a1");
  EXPECT_EQ(tv->Items()->Item(2)->CheckboxType(), fcRadioButton);
}
