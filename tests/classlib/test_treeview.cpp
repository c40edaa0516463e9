// The tree view wrapper: nodes read back from the system control, window re-creation, events.
#include <gtest/gtest.h>

#include "ControlTestUtils.h"
#include "classlib/ComCtrls.h"
#include "classlib/StdCtrls.h"

namespace {

String ItemText(HWND Tree, HTREEITEM Item) {
  wchar_t buffer[128] = {};
  TVITEMW item = {};
  item.mask = TVIF_TEXT | TVIF_HANDLE;
  item.hItem = Item;
  item.pszText = buffer;
  item.cchTextMax = 128;
  SendMessageW(Tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

HTREEITEM NextItem(HWND Tree, UINT Flag, HTREEITEM From) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(Tree, TVM_GETNEXTITEM, Flag, reinterpret_cast<LPARAM>(From)));
}

// The structure the system control holds, as "A(a1,a2),B".
String ReadLevel(HWND Tree, HTREEITEM First) {
  String s;
  for (HTREEITEM i = First; i; i = NextItem(Tree, TVGN_NEXT, i)) {
    if (!s.empty()) s += L",";
    s += ItemText(Tree, i);
    if (HTREEITEM child = NextItem(Tree, TVGN_CHILD, i)) s += L"(" + ReadLevel(Tree, child) + L")";
  }
  return s;
}

String ReadTree(TCustomTreeView* Tree) { return ReadLevel(Tree->Handle(), NextItem(Tree->Handle(), TVGN_ROOT, nullptr)); }

// The same structure as the nodes see it.
String NodeLevel(TTreeNode* First) {
  String s;
  for (TTreeNode* n = First; n; n = n->getNextSibling()) {
    if (!s.empty()) s += L",";
    s += n->Text();
    if (n->getFirstChild()) s += L"(" + NodeLevel(n->getFirstChild()) + L")";
  }
  return s;
}

class TreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 300, 300);
    tree = new TTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(10, 10, 200, 200);
  }
  void TearDown() override { Free(form); }
  // A, B, C at the root; A has a1, a2; a2 has x.
  void Build() {
    TTreeNodes* items = tree->Items();
    a = items->Add(nullptr, L"A");
    b = items->Add(nullptr, L"B");
    c = items->Add(nullptr, L"C");
    a1 = items->AddChild(a, L"a1");
    a2 = items->AddChild(a, L"a2");
    x = items->AddChild(a2, L"x");
  }
  TForm* form;
  TTreeView* tree;
  TTreeNode *a = nullptr, *b = nullptr, *c = nullptr, *a1 = nullptr, *a2 = nullptr, *x = nullptr;
};

TEST_F(TreeTest, NodesAddedChangedAndRemovedReachTheSystemControl) {
  form->HandleNeeded();
  Build();
  TTreeNodes* items = tree->Items();
  items->AddFirst(b, L"first");
  items->Insert(c, L"beforeC");
  items->AddChildFirst(a, L"a0");
  EXPECT_EQ(L"first,A(a0,a1,a2(x)),B,beforeC,C", ReadTree(tree));
  EXPECT_EQ(9, items->Count());
  EXPECT_EQ(9, SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0));

  a1->SetText(L"renamed");
  EXPECT_EQ(L"renamed", ItemText(tree->Handle(), a1->ItemId()));

  a2->Delete();  // with its child
  EXPECT_EQ(L"first,A(a0,renamed),B,beforeC,C", ReadTree(tree));
  EXPECT_EQ(7, items->Count());
  EXPECT_EQ(7, SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0));
  EXPECT_EQ(2, a->Count());

  items->Clear();
  EXPECT_EQ(0, items->Count());
  EXPECT_EQ(0, SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0));
  EXPECT_EQ(nullptr, items->GetFirstNode());
}

TEST_F(TreeTest, ImagesStateImagesAndStatesReachTheItems) {
  TImageList images(nullptr), states(nullptr);
  tree->SetImages(&images);
  tree->SetStateImages(&states);
  Build();
  a->SetImageIndex(3);
  a->SetSelectedIndex(4);
  a->SetStateIndex(2);
  b->SetBold(true);
  form->HandleNeeded();  // the items are made now, from what the nodes hold
  HWND h = tree->Handle();
  EXPECT_EQ(reinterpret_cast<LRESULT>(images.Handle()), SendMessageW(h, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
  EXPECT_EQ(reinterpret_cast<LRESULT>(states.Handle()), SendMessageW(h, TVM_GETIMAGELIST, TVSIL_STATE, 0));
  TVITEMW item = {};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_HANDLE;
  item.hItem = a->ItemId();
  item.stateMask = TVIS_STATEIMAGEMASK;
  SendMessageW(h, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(3, item.iImage);
  EXPECT_EQ(4, item.iSelectedImage);
  EXPECT_EQ(INDEXTOSTATEIMAGEMASK(2), item.state & TVIS_STATEIMAGEMASK);
  EXPECT_TRUE(SendMessageW(h, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(b->ItemId()), TVIS_BOLD) & TVIS_BOLD);

  a->SetImageIndex(7);
  item.mask = TVIF_IMAGE | TVIF_HANDLE;
  SendMessageW(h, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(7, item.iImage);

  tree->SetImages(nullptr);  // the lists are freed first by this test
  tree->SetStateImages(nullptr);
  EXPECT_EQ(0, SendMessageW(h, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
}

TEST_F(TreeTest, ANewWindowGetsTheNodesBackWithExpansionAndSelection) {
  Build();
  form->HandleNeeded();
  a->Expand(false);
  a2->Expand(false);
  tree->SetSelected(x);
  const HWND before = tree->Handle();
  tree->SetShowLines(false);  // a style change makes a new window
  ASSERT_NE(before, tree->Handle());
  EXPECT_EQ(L"A(a1,a2(x)),B,C", ReadTree(tree));
  EXPECT_TRUE(a->Expanded());
  EXPECT_TRUE(a2->Expanded());
  EXPECT_EQ(x, tree->Selected());
  EXPECT_EQ(x->ItemId(), NextItem(tree->Handle(), TVGN_CARET, nullptr));
  a->Collapse(false);
  EXPECT_FALSE(a->Expanded());
  EXPECT_FALSE(SendMessageW(tree->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(a->ItemId()), TVIS_EXPANDED));
}

TEST_F(TreeTest, NavigationAndIndexesFollowTheStructure) {
  Build();
  EXPECT_EQ(L"A(a1,a2(x)),B,C", NodeLevel(tree->Items()->GetFirstNode()));
  std::vector<TTreeNode*> order = {a, a1, a2, x, b, c};
  TTreeNode* n = tree->Items()->GetFirstNode();
  for (size_t i = 0; i < order.size(); ++i, n = n->GetNext()) {
    EXPECT_EQ(order[i], n);
    EXPECT_EQ(static_cast<int>(i), n->AbsoluteIndex());
  }
  EXPECT_EQ(nullptr, n);
  for (int i = 5; i >= 0; --i) EXPECT_EQ(order[i], tree->Items()->Item(i));  // cached walk backwards
  EXPECT_EQ(x, tree->Items()->Item(3));
  EXPECT_THROW(tree->Items()->Item(6), ETreeViewError);
  EXPECT_THROW(tree->Items()->Item(-1), ETreeViewError);
  EXPECT_THROW(a->Item(2), ETreeViewError);
  EXPECT_EQ(a2, a->Item(1));
  EXPECT_EQ(2, x->Level());
  EXPECT_EQ(1, a2->Index());
  EXPECT_TRUE(x->HasAsParent(a));
  EXPECT_FALSE(a->HasAsParent(a));
  EXPECT_EQ(b, x->GetNextVisible());
  EXPECT_EQ(b, a->GetNextVisible());  // a is collapsed
  a->Expand(false);
  EXPECT_EQ(a1, a->GetNextVisible());
  EXPECT_EQ(a2, b->GetPrevVisible());  // a2 is collapsed
}

TEST_F(TreeTest, MovingAndSortingKeepNodesAndWindowInStep) {
  form->HandleNeeded();
  Build();
  a->Expand(true);
  tree->SetSelected(a2);
  a2->MoveTo(c, naAddChild);
  EXPECT_EQ(L"A(a1),B,C(a2(x))", ReadTree(tree));
  EXPECT_EQ(L"A(a1),B,C(a2(x))", NodeLevel(tree->Items()->GetFirstNode()));
  EXPECT_EQ(a2, tree->Selected());
  c->MoveTo(a, naInsert);
  EXPECT_EQ(L"C(a2(x)),A(a1),B", ReadTree(tree));
  a->MoveTo(x, naAdd);  // beside x, under a2
  EXPECT_EQ(L"C(a2(x,A(a1))),B", ReadTree(tree));
  x->MoveTo(x, naAddChild);  // onto itself: nothing
  a2->MoveTo(a1, naAddChild);  // into its own subtree: nothing
  EXPECT_EQ(L"C(a2(x,A(a1))),B", ReadTree(tree));
  EXPECT_EQ(6, tree->Items()->Count());

  tree->Items()->Clear();
  for (const wchar_t* s : {L"pear", L"Apple", L"fig"}) tree->Items()->Add(nullptr, s);
  tree->SetSortType(stText);
  EXPECT_EQ(L"Apple,fig,pear", ReadTree(tree));
  tree->Items()->Add(nullptr, L"banana");  // a sorted tree places new nodes
  EXPECT_EQ(L"Apple,banana,fig,pear", ReadTree(tree));
  tree->Items()->GetFirstNode()->SetText(L"zucchini");
  EXPECT_EQ(L"banana,fig,pear,zucchini", ReadTree(tree));
  EXPECT_EQ(L"banana,fig,pear,zucchini", NodeLevel(tree->Items()->GetFirstNode()));
}

TEST_F(TreeTest, UserActionsRaiseTheEventsAndVetoesHold) {
  Build();
  std::vector<String> log;
  bool allowChange = true, allowExpand = true;
  tree->OnChanging = [&](TObject*, TTreeNode* N, bool& Allow) {
    log.push_back(L"changing " + N->Text());
    Allow = allowChange;
  };
  tree->OnChange = [&](TObject*, TTreeNode* N) { log.push_back(L"change " + (N ? N->Text() : String(L"-"))); };
  tree->OnExpanding = [&](TObject*, TTreeNode* N, bool& Allow) {
    log.push_back(L"expanding " + N->Text());
    Allow = allowExpand;
  };
  tree->OnExpanded = [&](TObject*, TTreeNode* N) { log.push_back(L"expanded " + N->Text()); };
  tree->OnCollapsed = [&](TObject*, TTreeNode* N) { log.push_back(L"collapsed " + N->Text()); };
  ShowAndActivate(form);
  tree->SetFocus();
  tree->SetSelected(a);
  log.clear();

  PostKey(VK_DOWN);
  EXPECT_EQ(b, tree->Selected());
  ASSERT_EQ(2u, log.size());
  EXPECT_EQ(L"changing B", log[0]);
  EXPECT_EQ(L"change B", log[1]);

  allowChange = false;
  log.clear();
  PostKey(VK_DOWN);
  EXPECT_EQ(b, tree->Selected());
  EXPECT_EQ(std::vector<String>{L"changing C"}, log);

  allowChange = true;
  PostKey(VK_UP);
  ASSERT_EQ(a, tree->Selected());
  allowExpand = false;
  log.clear();
  PostKey(VK_RIGHT);
  EXPECT_FALSE(a->Expanded());
  EXPECT_EQ(std::vector<String>{L"expanding A"}, log);

  allowExpand = true;
  log.clear();
  PostKey(VK_RIGHT);
  EXPECT_TRUE(a->Expanded());
  EXPECT_EQ((std::vector<String>{L"expanding A", L"expanded A"}), log);
  log.clear();
  PostKey(VK_LEFT);
  EXPECT_FALSE(a->Expanded());
  EXPECT_EQ(std::vector<String>{L"collapsed A"}, log);

  // Expanding by code asks once and reports once.
  log.clear();
  a->Expand(false);
  EXPECT_EQ((std::vector<String>{L"expanding A", L"expanded A"}), log);
}

// The system tree runs its own loop on a press and takes the release: with
// DragMode automatic, a plain click on a node leaves nothing pending, and
// the next click elsewhere reaches its button; a drag still begins.
TEST_F(TreeTest, AClickOnANodeOfADraggableTreeLeavesTheNextClickToItsTarget) {
  Build();
  tree->SetDragMode(dmAutomatic);
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(220, 10, 70, 25);
  int clicks = 0, starts = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  tree->OnStartDrag = [&](TObject*, TDragObject*&) { ++starts; };
  ShowAndActivate(form);
  auto middle = [&](TTreeNode* N) {
    const TRect r = N->DisplayRect(true);
    return tree->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  };
  const TPoint nodeB = middle(b);
  for (int round = 1; round <= 2; ++round) {
    MoveMouse(round == 1 ? nodeB : middle(a));
    MouseDown();
    MouseUp();
    Settle();
    EXPECT_FALSE(tree->Dragging());
    EXPECT_EQ(GetCapture(), nullptr);
    MoveMouse(Center(button));
    MouseDown();
    MouseUp();
    EXPECT_TRUE(PumpUntil([&] { return clicks == round; }, 5000)) << round;
  }
  EXPECT_EQ(tree->Selected(), a);
  // Press and move at once: the tree's own loop waits for one or the other.
  MoveMouse(nodeB);
  MouseDown();
  MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, nodeB.X + 40, nodeB.Y + 60);
  Settle();
  MoveMouse(TPoint(nodeB.X + 60, nodeB.Y + 90));
  EXPECT_TRUE(PumpUntil([&] { return starts == 1; }, 5000));
  MouseUp();
  Settle();
  EXPECT_FALSE(tree->Dragging());
  EXPECT_EQ(starts, 1);
}

TEST_F(TreeTest, AssignCopiesTheWholeTreeAndLabelEditsRename) {
  Build();
  a->Expand(false);
  x->SetImageIndex(6);
  auto* other = new TTreeView(form);
  other->SetParent(form);
  other->SetBounds(220, 10, 70, 200);
  form->HandleNeeded();
  other->Items()->Add(nullptr, L"old");
  other->SetItems(tree->Items());
  EXPECT_EQ(L"A(a1,a2(x)),B,C", ReadTree(other));
  TTreeNode* copyA = other->Items()->GetFirstNode();
  EXPECT_TRUE(copyA->Expanded());
  EXPECT_EQ(6, copyA->Item(1)->getFirstChild()->ImageIndex());

  std::vector<String> edited;
  tree->OnEdited = [&](TObject*, TTreeNode* N, String& S) {
    edited.push_back(N->Text() + L">" + S);
    S += L"!";
  };
  ShowAndActivate(form);
  tree->SetFocus();
  ASSERT_TRUE(b->EditText());
  ASSERT_TRUE(tree->IsEditing());
  HWND editor = reinterpret_cast<HWND>(SendMessageW(tree->Handle(), TVM_GETEDITCONTROL, 0, 0));
  SetWindowTextW(editor, L"Bee");
  b->EndEdit(false);
  Settle();
  EXPECT_EQ(std::vector<String>{L"B>Bee"}, edited);
  EXPECT_EQ(L"Bee!", b->Text());
  EXPECT_EQ(L"Bee!", ItemText(tree->Handle(), b->ItemId()));
  // A read-only tree refuses to edit.
  tree->SetReadOnly(true);
  EXPECT_FALSE(b->EditText());
}

TEST_F(TreeTest, VisibleCountAndDeletionEvents) {
  form->HandleNeeded();
  int deleted = 0;
  tree->OnDeletion = [&](TObject*, TTreeNode*) { ++deleted; };
  for (int i = 0; i < 50; ++i) tree->Items()->Add(nullptr, L"row " + IntToStr(i));
  const int visible = tree->VisibleCount();
  EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETVISIBLECOUNT, 0, 0), visible);
  EXPECT_GT(visible, 3);
  EXPECT_LT(visible, 50);
  tree->SetHeight(tree->Height() / 2);
  EXPECT_LT(tree->VisibleCount(), visible);

  tree->Items()->GetFirstNode()->Delete();
  EXPECT_EQ(1, deleted);
  tree->Items()->AddChild(tree->Items()->GetFirstNode(), L"child");
  Free(tree);  // the nodes that remain go with the tree: 49 rows and the child
  EXPECT_EQ(51, deleted);
}

// A tree freed from the events the system raises inside its own code (a
// press on a button, a key) while that code goes on with the items.
TEST_F(TreeTest, FreedFromAnExpansionEventTheSystemTreeKeepsItsItems) {
  Build();
  a->Expand(false);
  tree->OnCollapsing = [&](TObject* Sender, TTreeNode*, bool&) { Free(Sender); };
  ShowAndActivate(form);
  tree->SetFocus();
  tree->SetSelected(a);
  PostKey(VK_LEFT);
  Settle();
  EXPECT_EQ(form->ControlCount(), 0);
}

}  // namespace
