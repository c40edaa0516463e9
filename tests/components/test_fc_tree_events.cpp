// The fc tree view's events and settings: label editing (and its refusal),
// expansion events and refusals, sorting by text, and the multi-selection
// settings that clear what they no longer show.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "components/fcTreeView.h"
#include "tests/WindowsTestMain.h"
#include "tests/components/ComponentTestUtils.h"

class fcTreeEventsTest : public FormTest {
 protected:
  TfcTreeView* NewTree() {
    TfcTreeView* tv = Add<TfcTreeView>(10, 10, 200, 200);
    return tv;
  }
  void Show(TWinControl* Focus) {
    ShowAndActivate(form);
    Focus->SetFocus();
    Settle();
  }
  static HWND EditOf(TfcTreeView* Tv) { return reinterpret_cast<HWND>(Tv->SendTree(TVM_GETEDITCONTROL, 0, 0)); }
};

TEST_F(fcTreeEventsTest, LabelEditingGoesThroughEditingAndEdited) {
  TfcTreeView* tv = NewTree();
  tv->SetOptions(tv->Options() + TfcTreeViewOptions{tvoEditText});
  TfcTreeNode* a = tv->Items()->Add(nullptr, L"old");
  TfcTreeNode* b = tv->Items()->Add(nullptr, L"locked");
  Show(tv);
  tv->OnEditing = [&](TfcCustomTreeView*, TfcTreeNode* N, bool& Allow) { Allow = N != b; };
  tv->OnEdited = [&](TfcCustomTreeView*, TfcTreeNode*, String& S) { S += L"!"; };
  SendMessageW(tv->Handle(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(a->ItemId()));
  Settle();
  ASSERT_TRUE(tv->IsEditing());
  SetWindowTextW(EditOf(tv), L"new");
  a->EndEdit(false);
  Settle();
  EXPECT_FALSE(tv->IsEditing());
  EXPECT_EQ(a->Text(), L"new!");
  // A refused node opens no editor.
  SendMessageW(tv->Handle(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(b->ItemId()));
  Settle();
  EXPECT_FALSE(tv->IsEditing());
  // Read-only trees edit no labels.
  tv->SetReadOnly(true);
  EXPECT_EQ(GetWindowLongW(tv->Handle(), GWL_STYLE) & TVS_EDITLABELS, 0);
}

TEST_F(fcTreeEventsTest, CollapsingOverTheEditedNodeEndsTheEditAndIsRefused) {
  TfcTreeView* tv = NewTree();
  tv->SetOptions(tv->Options() + TfcTreeViewOptions{tvoEditText});
  TfcTreeNode* parent = tv->Items()->Add(nullptr, L"parent");
  TfcTreeNode* child = tv->Items()->AddChild(parent, L"child");
  parent->Expand(false);
  Show(tv);
  tv->SetSelected(child);
  SendMessageW(tv->Handle(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(child->ItemId()));
  Settle();
  ASSERT_TRUE(tv->IsEditing());
  SetWindowTextW(EditOf(tv), L"typed");
  parent->Collapse(false);
  Settle();
  EXPECT_TRUE(parent->Expanded());
  EXPECT_FALSE(tv->IsEditing());
  EXPECT_EQ(child->Text(), L"typed");
}

TEST_F(fcTreeEventsTest, ExpansionEventsComeOnceAndMayBeRefused) {
  TfcTreeView* tv = NewTree();
  TfcTreeNode* a = tv->Items()->Add(nullptr, L"a");
  tv->Items()->AddChild(a, L"a1");
  TfcTreeNode* b = tv->Items()->Add(nullptr, L"b");
  tv->Items()->AddChild(b, L"b1");
  std::vector<String> log;
  tv->OnExpanding = [&](TfcCustomTreeView*, TfcTreeNode* N, bool& Allow) {
    log.push_back(L"expanding " + N->Text());
    Allow = N != b;
  };
  tv->OnExpanded = [&](TfcCustomTreeView*, TfcTreeNode* N) { log.push_back(L"expanded " + N->Text()); };
  tv->OnCollapsed = [&](TfcCustomTreeView*, TfcTreeNode* N) { log.push_back(L"collapsed " + N->Text()); };
  a->Expand(false);
  b->Expand(false);
  EXPECT_TRUE(a->Expanded());
  EXPECT_FALSE(b->Expanded());
  a->SetExpanded(false);
  EXPECT_EQ(log, (std::vector<String>{L"expanding a", L"expanded a", L"expanding b", L"collapsed a"}));
  // The control's own expansion (a key) raises the same events.
  Show(tv);
  log.clear();
  tv->SetSelected(a);
  SendMessageW(tv->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  Settle();
  EXPECT_TRUE(a->Expanded());
  EXPECT_EQ(log, (std::vector<String>{L"expanding a", L"expanded a"}));
  // Deleting an only child collapses its parent, expanded or not, which
  // then has no children.
  log.clear();
  b->GetFirstChild()->Delete();
  EXPECT_EQ(log, (std::vector<String>{L"collapsed b"}));
  EXPECT_FALSE(b->HasChildren());
  // Freeing the tree frees its nodes without events.
  log.clear();
  Free(tv);
  Settle();
  EXPECT_TRUE(log.empty()) << log.size() << " events, the first: " << (log.empty() ? String() : log[0]);
}

TEST_F(fcTreeEventsTest, SortByTextOrdersOnRenamesAndSortsNotOnAdds) {
  TfcTreeView* tv = NewTree();
  tv->SetSortType(fcstText);
  TfcTreeNodes* items = tv->Items();
  TfcTreeNode* c = items->Add(nullptr, L"cherry");
  TfcTreeNode* a = items->Add(nullptr, L"apple");
  items->Add(nullptr, L"banana");
  items->AddChild(a, L"zeta");
  TfcTreeNode* eta = items->AddChild(a, L"eta");
  items->AddChild(c, L"pear");
  items->AddChild(c, L"fig");
  auto names = [&](TfcTreeNode* First) {
    std::vector<String> list;
    for (TfcTreeNode* n = First; n; n = n->GetNextSibling()) list.push_back(n->Text());
    return list;
  };
  // Adds keep the order they were made in.
  EXPECT_EQ(names(items->GetFirstNode()), (std::vector<String>{L"cherry", L"apple", L"banana"}));
  EXPECT_EQ(names(a->GetFirstChild()), (std::vector<String>{L"zeta", L"eta"}));
  // A renamed child sorts its siblings only.
  eta->SetText(L"beta");
  EXPECT_EQ(names(a->GetFirstChild()), (std::vector<String>{L"beta", L"zeta"}));
  EXPECT_EQ(names(c->GetFirstChild()), (std::vector<String>{L"pear", L"fig"}));
  EXPECT_EQ(names(items->GetFirstNode()).front(), L"cherry");
  // A renamed root sorts the roots and every node's children.
  c->SetText(L"aardvark");
  EXPECT_EQ(names(items->GetFirstNode()), (std::vector<String>{L"aardvark", L"apple", L"banana"}));
  EXPECT_EQ(names(c->GetFirstChild()), (std::vector<String>{L"fig", L"pear"}));
  auto roots = [&] { return names(items->GetFirstNode()); };
  // A custom comparison decides when given.
  tv->OnCompare = [](TfcCustomTreeView*, TfcTreeNode* A, TfcTreeNode* B, int, int& R) {
    R = static_cast<int>(B->Text().size()) - static_cast<int>(A->Text().size());
  };
  tv->AlphaSort();
  EXPECT_EQ(roots().front(), L"aardvark");
  EXPECT_EQ(roots().back(), L"apple");
}

// Handlers that the system calls back from inside its own code (the sort's
// comparison, the label editor's window procedure): their exceptions reach
// the application once, and the system call they interrupted ends.
TEST_F(fcTreeEventsTest, HandlerExceptionsInsideSystemCallsReachTheApplication) {
  TfcTreeView* tv = NewTree();
  tv->SetOptions(tv->Options() + TfcTreeViewOptions{tvoEditText});
  TfcTreeNodes* items = tv->Items();
  for (const wchar_t* t : {L"c", L"a", L"d", L"b"}) items->Add(nullptr, t);
  auto roots = [&] {
    std::vector<String> names;
    for (TfcTreeNode* n = items->GetFirstNode(); n; n = n->GetNextSibling()) names.push_back(n->Text());
    return names;
  };
  int compares = 0;
  tv->OnCompare = [&](TfcCustomTreeView*, TfcTreeNode*, TfcTreeNode*, int, int&) {
    ++compares;
    throw EInvalidOperation(L"compare failed");
  };
  EXPECT_NONFATAL_FAILURE(tv->AlphaSort(), "compare failed");
  EXPECT_EQ(1, ExceptionsReachingApplication());
  EXPECT_EQ(1, compares);  // the rest of the sort asks no more
  EXPECT_EQ(4u, roots().size());
  tv->OnCompare = nullptr;
  tv->AlphaSort();
  EXPECT_EQ(roots(), (std::vector<String>{L"a", L"b", L"c", L"d"}));

  Show(tv);
  TfcTreeNode* a = items->GetFirstNode();
  SendMessageW(tv->Handle(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(a->ItemId()));
  Settle();
  ASSERT_TRUE(tv->IsEditing());
  tv->OnKeyDown = [](TObject*, WORD&, TShiftState) { throw EInvalidOperation(L"key failed"); };
  EXPECT_NONFATAL_FAILURE(SendMessageW(EditOf(tv), WM_KEYDOWN, 'X', 0), "key failed");
  EXPECT_EQ(2, ExceptionsReachingApplication());
  tv->OnKeyDown = nullptr;
  ASSERT_TRUE(tv->IsEditing());
  SetWindowTextW(EditOf(tv), L"alpha");
  a->EndEdit(false);
  Settle();
  EXPECT_EQ(a->Text(), L"alpha");
}

namespace {

// Nodes by text, Data giving the direction (1 ascending, -1 descending).
int CALLBACK ByText(LPARAM A, LPARAM B, LPARAM Data) {
  return static_cast<int>(Data) * lstrcmpW(reinterpret_cast<TfcTreeNode*>(A)->Text().c_str(),
                                           reinterpret_cast<TfcTreeNode*>(B)->Text().c_str());
}

}  // namespace

TEST_F(fcTreeEventsTest, CustomSortTakesAProcedureOrTheTreesCompareWithItsData) {
  TfcTreeView* tv = NewTree();
  TfcTreeNodes* items = tv->Items();
  TfcTreeNode* parent = items->Add(nullptr, L"parent");
  // Alphabetical order (bb c ddd) is not length order (c bb ddd).
  for (const wchar_t* t : {L"bb", L"ddd", L"c"}) items->AddChild(parent, t);
  auto children = [&] {
    std::vector<String> names;
    for (TfcTreeNode* n = parent->GetFirstChild(); n; n = n->GetNextSibling()) names.push_back(n->Text());
    return names;
  };
  // A procedure of the caller's: text descending, the direction from Data.
  ASSERT_TRUE(parent->CustomSort(ByText, -1));
  EXPECT_EQ(children(), (std::vector<String>{L"ddd", L"c", L"bb"}));
  EXPECT_EQ(parent->Item(0)->Text(), L"ddd");  // the node list follows the control
  // Without one the tree's Compare decides and receives Data.
  std::vector<int> seen;
  tv->OnCompare = [&](TfcCustomTreeView*, TfcTreeNode* A, TfcTreeNode* B, int Data, int& R) {
    seen.push_back(Data);
    R = static_cast<int>(A->Text().size()) - static_cast<int>(B->Text().size());
  };
  ASSERT_TRUE(parent->CustomSort(nullptr, 7));
  EXPECT_EQ(children(), (std::vector<String>{L"c", L"bb", L"ddd"}));
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), 7);
}

TEST_F(fcTreeEventsTest, MultiSelectSettingsClearWhatTheyNoLongerShow) {
  TfcTreeView* tv = NewTree();
  auto* m = tv->MultiSelectAttributes();
  m->SetEnabled(true);
  TfcTreeNode* a = tv->Items()->Add(nullptr, L"a");
  TfcTreeNode* box = tv->Items()->Add(nullptr, L"box");
  TfcTreeNode* child = tv->Items()->AddChild(a, L"child");
  box->SetCheckboxType(fcCheckbox);
  EXPECT_EQ(a->StateIndex(), 1);  // eligible: a box that mirrors the selection
  EXPECT_EQ(child->StateIndex(), -1);
  a->SetChecked(true);
  EXPECT_TRUE(a->MultiSelected());
  m->SetMultiSelectCheckbox(false);
  EXPECT_FALSE(a->Checked());
  EXPECT_EQ(a->StateIndex(), -1);
  EXPECT_TRUE(a->MultiSelected());
  // Another level: the old selection goes.
  m->SetMultiSelectLevel(1);
  EXPECT_FALSE(a->MultiSelected());
  EXPECT_TRUE(tv->MultiSelectList().empty());
  tv->SetMultiSelected(a, true, false);  // level 0 is not allowed now
  EXPECT_FALSE(a->MultiSelected());
  tv->SetMultiSelected(child, true, false);
  EXPECT_TRUE(child->MultiSelected());
  // Switching off drops the boxes drawn for the selection but keeps the nodes' own.
  m->SetMultiSelectCheckbox(true);
  m->SetEnabled(false);
  EXPECT_EQ(box->StateIndex(), 1);
}

// OnNodeChange, raised as a new window makes the nodes again, gives the tree
// another parent: the window being filled goes with the nodes made so far.
// Nothing touches those nodes after, and the whole content comes back with
// the tree's next window.
TEST(fcTreeFrees, NodeChangeDuringAWindowRebuildMovesTheTree) {
  for (const int kind : {2, 3}) {
    SCOPED_TRACE(kind);
    auto* form = new TForm(nullptr);
    auto* other = new TForm(nullptr);
    form->SetBounds(100, 100, 300, 260);
    other->SetBounds(420, 100, 300, 260);
    auto* tv = new TfcTreeView(form);
    tv->SetParent(form);
    tv->SetBounds(10, 10, 200, 200);
    TfcTreeNode* first = tv->Items()->Add(nullptr, L"First");
    tv->Items()->AddChild(first, L"Child")->SetImageIndex(4);
    tv->Items()->Add(nullptr, L"Second");
    ShowAndActivate(form);
    other->Show();
    tv->OnNodeChange = [other, kind](TfcCustomTreeView* Tree, TfcTreeNode*, int Kind, const String&, int) {
      if (Kind == kind && Tree->Parent() != other) Tree->SetParent(other);
    };
    tv->SetBorderStyle(bsNone);  // a style of the window's creation
    Settle();
    tv->HandleNeeded();
    ASSERT_EQ(tv->Parent(), other);
    ASSERT_EQ(tv->Items()->Count(), 3);
    EXPECT_EQ(tv->Items()->Item(0)->Text(), L"First");
    EXPECT_EQ(tv->Items()->Item(1)->Text(), L"Child");
    EXPECT_EQ(tv->Items()->Item(1)->ImageIndex(), 4);
    EXPECT_EQ(tv->Items()->Item(2)->Text(), L"Second");
    EXPECT_EQ(ExceptionsReachingApplication(), 0);
    Free(form);
    Free(other);
  }
}

// A node's own setters stop once the change handler deleted the node.
TEST(fcTreeFrees, NodeChangeThatClearsTheTreeEndsTheSetter) {
  auto* form = new TForm(nullptr);
  auto* tv = new TfcTreeView(form);
  tv->SetParent(form);
  tv->SetBounds(10, 10, 200, 200);
  TfcTreeNode* node = tv->Items()->Add(nullptr, L"a");
  tv->HandleNeeded();
  tv->OnNodeChange = [](TfcCustomTreeView* Tree, TfcTreeNode*, int Kind, const String&, int) {
    if (Kind == 2 || Kind == 3) Tree->Items()->Clear();
  };
  node->SetText(L"b");
  EXPECT_EQ(tv->Items()->Count(), 0);
  node = tv->Items()->Add(nullptr, L"c");
  node->SetImageIndex(2);
  EXPECT_EQ(tv->Items()->Count(), 0);
  Free(form);
}

// A new window makes the nodes again; OnNodeChange, raised as one of them is
// made, named or given its image, hides the tree and frees its form.
TEST(fcTreeFrees, NodeChangeDuringAWindowRebuildHidesTheTreeAndFreesItsForm) {
  for (const int kind : {0, 2, 3}) {
    SCOPED_TRACE(kind);
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 300, 260);
    auto* tv = new TfcTreeView(form);
    tv->SetParent(form);
    tv->SetBounds(10, 10, 200, 200);
    TfcTreeNode* first = tv->Items()->Add(nullptr, L"First");
    tv->Items()->AddChild(first, L"Child");
    tv->Items()->Add(nullptr, L"Second");
    first->Expand(false);
    ShowAndActivate(form);
    int raised = 0;
    tv->OnNodeChange = [form, kind, &raised](TfcCustomTreeView* Tree, TfcTreeNode*, int Kind, const String&, int) {
      if (Kind != kind || raised++ > 0) return;
      Tree->Hide();
      Free(form);
    };
    tv->SetBorderStyle(bsNone);  // a style of the window's creation
    Settle();
    EXPECT_GT(raised, 0);
    EXPECT_EQ(ExceptionsReachingApplication(), 0);
  }
}

namespace {

// A tree on a form of its own, with a window, holding First (with Child) and Second.
struct TTreeOnForm {
  TForm* Form = new TForm(nullptr);
  TfcTreeView* Tree = new TfcTreeView(Form);
  TTreeOnForm() {
    Form->SetBounds(100, 100, 300, 260);
    Tree->SetParent(Form);
    Tree->SetBounds(10, 10, 200, 200);
    TfcTreeNode* first = Tree->Items()->Add(nullptr, L"First");
    Tree->Items()->AddChild(first, L"Child");
    Tree->Items()->Add(nullptr, L"Second");
    Tree->HandleNeeded();
  }
  ~TTreeOnForm() { Free(Form); }
  // Deletes the root First when a node is made under it (OnNodeChange's kind 0).
  void DeleteFirstWhenItGetsAChild() {
    Tree->OnNodeChange = [](TfcCustomTreeView* T, TfcTreeNode*, int Kind, const String&, int) {
      TfcTreeNode* first = T->Items()->GetFirstNode();
      if (Kind == 0 && first && first->Text() == L"First" && first->Count() == 0) first->Delete();
    };
  }
};

}  // namespace

// Watches opened inside one another each tell of their own node: a node
// deleted under an inner watch leaves the outer one's node standing, and the
// other way round; a watch of no node is never gone.
TEST(fcTreeFrees, NestedNodeWatchesEachTellOfTheirOwnNode) {
  TTreeOnForm t;
  TfcTreeNode* first = t.Tree->Items()->GetFirstNode();
  TfcTreeNode* child = first->GetFirstChild();
  TfcTreeNode* second = first->GetNextSibling();
  const TfcNodeWatch outer(first);
  {
    const TfcNodeWatch inner(second);
    const TfcNodeWatch none(nullptr);
    second->Delete();
    EXPECT_TRUE(inner.Gone());
    EXPECT_FALSE(outer.Gone());
    EXPECT_FALSE(none.Gone());
  }
  const TfcNodeWatch later(child);
  EXPECT_FALSE(later.Gone());
  child->Delete();
  EXPECT_TRUE(later.Gone());
  EXPECT_FALSE(outer.Gone());
  first->Delete();
  EXPECT_TRUE(outer.Gone());
}

// A load whose handler deletes the parent of the node being made stops there:
// a read from a stream fails with the reader's error, a window rebuild keeps
// what it made before; neither touches the node that was never made.
TEST(fcTreeFrees, ALoadStopsWhereAHandlerDeletedTheParentOfTheNextNode) {
  {
    SCOPED_TRACE("a stream");
    TTreeOnForm t;
    TMemoryStream stream;
    t.Tree->Items()->WriteData(&stream);
    stream.SetPosition(0);
    t.DeleteFirstWhenItGetsAChild();
    EXPECT_THROW(t.Tree->Items()->ReadData(&stream), EReadError);
    EXPECT_EQ(t.Tree->Items()->Count(), 0);
  }
  {
    SCOPED_TRACE("a window rebuild");
    TTreeOnForm t;
    t.DeleteFirstWhenItGetsAChild();
    t.Tree->SetBorderStyle(bsNone);  // a style of the window's creation
    t.Tree->HandleNeeded();
    EXPECT_EQ(t.Tree->Items()->Count(), 0);
    EXPECT_EQ(ExceptionsReachingApplication(), 0);
  }
}

// A window rebuild with no handler makes the same shape again: each node under
// the parent it had, with its children and no more.
TEST(fcTreeFrees, AWindowRebuildKeepsTheTreesShape) {
  TTreeOnForm t;
  t.Tree->SetBorderStyle(bsNone);  // a style of the window's creation
  t.Tree->HandleNeeded();
  ASSERT_EQ(t.Tree->Items()->Count(), 3);
  TfcTreeNode* first = t.Tree->Items()->GetFirstNode();
  EXPECT_EQ(first->Text(), L"First");
  EXPECT_EQ(first->Count(), 1);
  EXPECT_EQ(first->GetFirstChild()->Text(), L"Child");
  TfcTreeNode* second = first->GetNextSibling();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Text(), L"Second");
  EXPECT_EQ(second->Parent(), nullptr);
}
