// Faults the randomized driver found, each reduced to a short program and
// named for the case; the comment says how it failed. CTest runs them under
// Wine's heap checks.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <string>

#include "classlib/ComCtrls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/HeapCheck.h"
#include "classlib/ListView.h"
#include "classlib/StdCtrls.h"
#include "classlib/TreeView.h"
#include "components/LEDFont.h"
#include "components/fcTreeCombo.h"
#include "components/fcTreeView.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skin/SkinForm.h"
#include "skin/SkinMDITabs.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinRadioGroup.h"
#include "skininputs/SkinColorDialog.h"
#include "skininputs/SkinDateEdit.h"
#include "skininputs/SkinFontCombos.h"
#include "skininputs/SkinMaskEdits.h"
#include "skininputs/SkinPasswordEdit.h"
#include "skininputs/SkinTrackEdit.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinTrayIcon.h"
#include "tests/skinctrls/SkinCtrlTestUtils.h"

namespace {

TForm* ShownForm() {
  auto* form = new TForm(nullptr);
  form->SetBounds(100, 100, 400, 300);
  ShowAndActivate(form);
  return form;
}

// A skin data holding the skin of that name, read from the project's
// sources once per program.
TspSkinData* SkinFromSource(const std::string& Name) {
  static std::map<std::string, TspCompressedStoredSkin*> read;
  TspCompressedStoredSkin*& stored = read[Name];
  if (!stored) {
    stored = new TspCompressedStoredSkin(nullptr);
    stored->LoadFromSkinFile(ProjectPath(("skins/" + Name + "/skin.ini").c_str()));
  }
  auto* skin = new TspSkinData(nullptr);
  skin->LoadCompressedStoredSkin(stored);
  return skin;
}

// A shown MDI frame with one child shown on it (skinned when Skin is given).
TForm* ShownMDIChild(TspSkinData* Skin = nullptr) {
  auto* frame = new TForm(nullptr);
  frame->SetFormStyle(fsMDIForm);
  frame->SetBounds(30, 30, 500, 400);
  ShowAndActivate(frame);
  auto* child = new TForm(frame);
  child->SetFormStyle(fsMDIChild);
  if (Skin) (new TspSkinForm(child))->SetSkinData(Skin);
  child->Show();
  Settle();
  return child;
}

template <class T>
T* Put(TWinControl* Parent, TspSkinData* Skin) {
  auto* c = new T(GetParentForm(Parent));
  c->SetParent(Parent);
  c->SetBounds(10, 10, 160, 60);
  if (Skin) c->SetSkinData(Skin);
  return c;
}

// A skinned popup menu of Form with an item for each caption.
TspSkinPopupMenu* PopupMenuOf(TForm* Form, TspSkinData* Skin, std::initializer_list<const wchar_t*> Captions) {
  auto* menu = new TspSkinPopupMenu(Form);
  menu->SetSkinData(Skin);
  for (const wchar_t* caption : Captions) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  return menu;
}

// The case's end: nothing reached the application's handler, and once its
// form and skin go the heaps are sound.
void EndsSoundly(TForm* Form, TspSkinData* Skin) {
  EXPECT_EQ(ExceptionsReachingApplication(), 0);
  Free(Form);
  Free(Skin);
  EXPECT_TRUE(ProcessHeapsValid());
}

}  // namespace

// A skinned MDI frame with an aligned tabs bar and one skinned child; the
// bar's menu button keeps a size of its own in the test skin.
struct TabsBarCase {
  TspSkinData* Skin = NewTestSkin(nullptr);
  TForm* Frame = new TForm(nullptr);
  TspSkinForm* FrameSkin = nullptr;
  TspSkinMDITabsBar* Bar = nullptr;
  TForm* Child = nullptr;
  TabsBarCase() {
    Frame->SetFormStyle(fsMDIForm);
    Frame->SetBounds(30, 30, 500, 400);
    FrameSkin = new TspSkinForm(Frame);
    FrameSkin->SetSkinData(Skin);
    Bar = new TspSkinMDITabsBar(Frame);
    Bar->SetParent(Frame);
    Bar->SetAlign(alTop);
    Bar->SetSkinData(Skin);
    FrameSkin->SetMDITabsBar(Bar);
    ShowAndActivate(Frame);
    Child = new TForm(Frame);
    Child->SetFormStyle(fsMDIChild);
    (new TspSkinForm(Child))->SetSkinData(Skin);
    Child->Show();
    Settle();
  }
  // Paints the bar with Free(Going) in its draw-params event.
  void PaintFreeing(TObject* Going) {
    Bar->OnTabGetDrawParamsEvent = [Going](TspMDITab*, TCanvas*) { Free(Going); };
    Bar->Invalidate();
    Settle();
  }
  ~TabsBarCase() {
    Free(Frame);
    Free(Skin);
  }
};

// The bar placed its menu button again in every paint, each placing
// repainted it (hangs); its draw-params event then frees the bar mid-paint.
TEST(ReducedFreeWhilePainting, TabsBarFreedByItsDrawParamsEvent) {
  HangWatchdog watch("a tabs bar freed by its draw-params event", 20000);
  {
    TabsBarCase c;
    c.PaintFreeing(c.Bar);
  }
  EXPECT_TRUE(ProcessHeapsValid());
}

// The draw-params event frees the tab's child: the bar freed the tab it was
// drawing and read it (access violation at 0xfeef00be).
TEST(ReducedFreeWhilePainting, TabsBarChildFreedByItsDrawParamsEvent) {
  {
    TabsBarCase c;
    c.PaintFreeing(c.Child);
    EXPECT_EQ(c.Bar->TabCount(), 0);
  }
  EXPECT_TRUE(ProcessHeapsValid());
}

// The draw-params event frees the frame's skinned form, which lets go of the
// bar's tabs: the paint read the freed tab (access violation at 0xfeef00be).
TEST(ReducedFreeWhilePainting, TabsBarFramesSkinFreedByItsDrawParamsEvent) {
  {
    TabsBarCase c;
    c.PaintFreeing(c.FrameSkin);
    EXPECT_EQ(c.Bar->TabCount(), 0);
  }
  EXPECT_TRUE(ProcessHeapsValid());
}

// A paint panel's paint event frees the panel; its paint writes into it (heap unsound).
TEST(ReducedFreeWhilePainting, PaintPanelFreedByItsPanelPaint) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* panel = Put<TspSkinPaintPanel>(form, skin);
  panel->OnPanelPaint = [panel](TCanvas*, const TRect&) { Free(panel); };
  panel->Invalidate();
  Settle();
  EndsSoundly(form, skin);
}

// A skinned speed button's paint event frees its
// form; the button's paint goes on in freed memory (heap unsound).
TEST(ReducedFreeWhilePainting, SpeedButtonsPaintFreesItsForm) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* button = Put<TspSkinSpeedButton>(form, skin);
  button->OnPaint = [form](TObject*, TCanvas*, TRect, bool, bool, bool&) { Free(form); };
  button->Invalidate();
  Settle();
  Free(skin);
  EXPECT_TRUE(ProcessHeapsValid());
}

// The LED display sizes itself inside its paint; its
// OnResize frees the form and the paint goes on (heap unsound).
TEST(ReducedFreeWhilePainting, LEDDisplaysResizeInPaintFreesItsForm) {
  TForm* form = ShownForm();
  auto* led = new TLEDFontNum(form);
  led->SetParent(form);
  led->SetBounds(10, 10, 200, 30);
  led->SetAutoSize(true);
  led->OnResize = [form](TObject*) { Free(form); };
  led->SetBounds(10, 10, 300, 60);
  led->Invalidate();
  Settle();
  EXPECT_TRUE(ProcessHeapsValid());
}

// A skinned font combo box's OnEnter frees it during its click; its
// mouse-down goes on in the freed combo (access fault).
TEST(ReducedFreeFromInput, FontComboFreedByItsOnEnter) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* combo = Put<TspSkinFontComboBox>(form, skin);
  combo->SetHeight(22);
  combo->OnEnter = [combo](TObject*) { Free(combo); };
  PostMessageW(combo->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  PostMessageW(combo->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  Settle();
  EndsSoundly(form, skin);
}

// A huge height set on a skinned control: the system clamps the window, but
// the paint sent during the move saw the height asked for and threw ("Cannot
// create a bitmap of 160 x 2147483647"), reported through the application.
TEST(ReducedBoundaryValues, SkinnedButtonTakesAHugeHeight) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* button = Put<TspSkinButton>(form, skin);
  button->SetHeight(INT_MAX);
  button->Invalidate();
  Settle();
  EXPECT_EQ(ExceptionsReachingApplication(), 0);
  Free(form);
  Free(skin);
}

// Both sides huge: the system gives the window 32767 x 32767, and the
// paint asks for a buffer of that size (4 GB), which cannot be made.
TEST(ReducedBoundaryValues, SkinnedButtonTakesAHugeWidthAndHeight) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* button = Put<TspSkinButton>(form, skin);
  button->SetBounds(0, 0, INT_MAX, INT_MAX);
  Settle();
  EXPECT_EQ(ExceptionsReachingApplication(), 0);
  Free(form);
  Free(skin);
}

// A form frees itself from its OnActivate, raised as it is shown: the
// activation goes on in the freed form (access fault; in a longer run the
// application reports "Control '' has no parent window").
TEST(ReducedFreeFromActivation, FormFreedByItsOwnOnActivate) {
  TForm* first = ShownForm();
  auto* second = new TForm(nullptr);
  second->SetBounds(200, 200, 300, 200);
  second->OnActivate = [second](TObject*) { Free(second); };
  second->Show();
  SetForegroundWindow(second->Handle());
  Settle();
  EXPECT_EQ(ExceptionsReachingApplication(), 0);
  Free(first);
}

// An MDI child's mouse-up frees the child's skinned form while the child's
// message is handled; the skinned form's hook goes on in freed memory.
TEST(ReducedFreeFromInput, ChildsSkinnedFormFreedByTheChildsMouseUp) {
  TspSkinData* skin = NewTestSkin(nullptr);
  auto* frame = new TForm(nullptr);
  frame->SetFormStyle(fsMDIForm);
  frame->SetBounds(30, 30, 500, 400);
  (new TspSkinForm(frame))->SetSkinData(skin);
  ShowAndActivate(frame);
  auto* child = new TForm(frame);
  child->SetFormStyle(fsMDIChild);
  auto* childSkin = new TspSkinForm(child);
  childSkin->SetSkinData(skin);
  child->Show();
  Settle();
  child->OnMouseUp = [childSkin](TObject*, TMouseButton, TShiftState, int, int) { Free(childSkin); };
  PostMessageW(child->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(40, 40));
  PostMessageW(child->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(40, 40));
  Settle();
  Free(frame);
  Free(skin);
  EXPECT_TRUE(ProcessHeapsValid());
}

// A skinned edit's own menu opens through its form's skinned form, whose
// OnSkinMenuOpen frees the form: the menu goes on with what the form owned.
TEST(ReducedFreeFromMenus, EditMenusSkinMenuOpenFreesItsForm) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(skin);
  auto* edit = Put<TspSkinMaskEdit>(form, skin);
  edit->SetHeight(22);
  skinForm->OnSkinMenuOpen = [form](TObject*) { Free(form); };
  PostMessageW(edit->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 10));
  PostMessageW(edit->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(20, 10));
  Settle();
  Free(skin);
  EXPECT_TRUE(ProcessHeapsValid());
}

// A radio group whose button has the focus leaves its form: the system hands
// the focus of the destroyed button to the group, and the form kept the
// group as its active control; its next activation made the parentless
// group a window ("Control '' has no parent window").
TEST(ReducedFocusPointers, RadioGroupTakenOffItsFormWithTheFocus) {
  TForm* form = ShownForm();
  auto* group = Put<TspSkinRadioGroup>(form, nullptr);
  group->Items()->Add(L"One");
  group->Items()->Add(L"Two");
  Settle();
  ASSERT_GT(group->ButtonCount(), 0);
  group->Buttons(0)->SetFocus();
  Settle();
  group->SetParent(nullptr);
  EXPECT_FALSE(form->ActiveControl() && group->ContainsControl(form->ActiveControl()));
  TForm* other = ShownForm();
  ShowAndActivate(form);
  Settle();
  EXPECT_EQ(ExceptionsReachingApplication(), 0);
  EXPECT_FALSE(group->HandleAllocated());
  Free(group);
  Free(other);
  Free(form);
}

namespace {

TspSkinComboBox* ComboWithItems(TWinControl* Parent, TspSkinData* Skin) {
  auto* combo = Put<TspSkinComboBox>(Parent, Skin);
  combo->SetHeight(22);
  for (const wchar_t* s : {L"One", L"Two", L"Three"}) combo->Items()->Add(s);
  combo->SetItemIndex(0);
  Settle();
  return combo;
}

}  // namespace

// A combo box's OnChange, raised by an arrow key's choice, frees it: the key
// goes on choosing in the freed combo (access fault).
TEST(ReducedFreeFromInput, ComboFreedByItsOnChangeFromAKey) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  TspSkinComboBox* combo = ComboWithItems(form, skin);
  combo->OnChange = [combo](TObject*) { Free(combo); };
  PostMessageW(combo->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  Settle();
  EndsSoundly(form, skin);
}

// A combo box's OnChange, raised by a wheel turn's choice, frees it (access fault).
TEST(ReducedFreeFromInput, ComboFreedByItsOnChangeFromTheWheel) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  TspSkinComboBox* combo = ComboWithItems(form, skin);
  combo->OnChange = [combo](TObject*) { Free(combo); };
  SendMessageW(combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  Settle();
  EndsSoundly(form, skin);
}

// A font size box's OnKeyDown frees it: its arrow key goes on choosing in
// the freed combo (access fault).
TEST(ReducedFreeFromInput, FontSizeComboFreedByItsOnKeyDown) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* combo = Put<TspSkinFontSizeComboBox>(form, skin);
  combo->SetHeight(22);
  Settle();
  combo->OnKeyDown = [combo](TObject*, WORD&, TShiftState) { Free(combo); };
  PostMessageW(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  Settle();
  EndsSoundly(form, skin);
}

// A font box taken off its form is asked to drop down: it placed its list
// by its missing parent (access fault). It stays closed.
TEST(ReducedParentChanges, FontComboWithoutParentDropsDown) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* combo = Put<TspSkinFontComboBox>(form, skin);
  Settle();
  combo->SetParent(nullptr);
  ASSERT_GT(combo->Items()->Count(), 0);
  combo->DropDown();
  EXPECT_FALSE(combo->DroppedDown());
  Settle();
  EXPECT_EQ(ExceptionsReachingApplication(), 0);
  Free(combo);
  EndsSoundly(form, skin);
}

// A tree's mouse-move handler frees the tree: its window goes with its
// nodes, and the move went on with the node it had found (a freed block).
TEST(ReducedFreeFromInput, FcTreeFreedByItsMouseMove) {
  TForm* form = ShownForm();
  auto* tree = new TfcTreeView(form);
  tree->SetParent(form);
  tree->SetBounds(10, 10, 200, 150);
  tree->Items()->Add(nullptr, L"First");
  tree->Items()->Add(nullptr, L"Second");
  Settle();
  tree->OnMouseMove = [tree](TfcCustomTreeView*, TfcTreeNode*, TShiftState, int, int) { Free(tree); };
  PostMessageW(tree->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 8));
  Settle();
  EXPECT_TRUE(ProcessHeapsValid());
  Free(form);
}

// A tree given the lowest indent: the system took it as a huge unsigned
// width, and the tree's paint asked for memory it cannot have (bad_alloc).
TEST(ReducedBoundaryValues, FcTreeTakesTheLowestIndent) {
  TForm* form = ShownForm();
  auto* tree = new TfcTreeView(form);
  tree->SetParent(form);
  tree->SetBounds(10, 10, 200, 150);
  TfcTreeNode* first = tree->Items()->Add(nullptr, L"First");
  tree->Items()->AddChild(first, L"Child");
  first->Expand(false);
  Settle();
  for (const int indent : {INT_MIN, INT_MAX}) {
    tree->SetIndent(indent);
    tree->Invalidate();
    Settle();
    EXPECT_EQ(ExceptionsReachingApplication(), 0);
    EXPECT_GE(tree->Indent(), 0);
  }
  Free(form);
}

// A tree's or a list's OnDeletion throws as its items go (a handler's throw,
// as the driver's are): the item's destructor let the exception out, and the
// program ended in std::terminate. The items go; the exception goes to the
// application.
TEST(ReducedThrowFromHandler, ItemsGoWhenOnDeletionThrows) {
  TForm* form = ShownForm();
  auto* tree = new TTreeView(form);
  tree->SetParent(form);
  tree->Items()->AddChild(tree->Items()->Add(nullptr, L"One"), L"Two");
  tree->OnDeletion = [](TObject*, TTreeNode*) { throw Exception(L"refused"); };
  auto* list = new TListView(form);
  list->SetParent(form);
  list->Items()->Add()->SetCaption(L"One");
  list->Items()->Add()->SetCaption(L"Two");
  list->OnDeletion = [](TObject*, TListItem*) { throw Exception(L"refused"); };
  Settle();
  int reported = 0;
  Application->OnException = [&reported](TObject*, const std::exception*) { ++reported; };
  tree->Items()->Clear();
  list->Items()->Clear();
  EXPECT_EQ(tree->Items()->Count(), 0);
  EXPECT_EQ(list->Items()->Count(), 0);
  EXPECT_EQ(reported, 4);
  tree->Items()->Add(nullptr, L"Three");
  list->Items()->Add();
  Free(form);  // the last items go with their controls, their throws reported too
  EXPECT_EQ(reported, 6);
  EXPECT_TRUE(ProcessHeapsValid());
}

// Found by the event table (scripts/event-table.sh): code that went on after
// an event whose handler freed what it used.

// Alt+Space opens the skinned system menu; its open event frees the skinned
// form, and the menu opened for it anyway (access violation at 0xfeeeff42).
TEST(ReducedFreeFromMenuEvents, SystemMenusOpenEventFreesTheSkinnedForm) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(skin);
  Settle();
  bool opened = false;
  skinForm->OnSkinMenuOpen = [&opened, skinForm](TObject*) {
    opened = true;
    Free(skinForm);
  };
  KeyChord({VK_MENU}, VK_SPACE);
  EXPECT_TRUE(PumpUntil([&] { return opened; }));
  Settle();
  EndsSoundly(form, skin);
}

// A click on a menu button's track part (on a skinned form) raises its show
// event, whose handler frees the button: the menu popped up for the freed
// button, and its close freed it again (access violation).
TEST(ReducedFreeFromMenuEvents, MenuButtonsTrackEventFreesTheButton) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  (new TspSkinForm(form))->SetSkinData(skin);
  auto* button = Put<TspSkinMenuSpeedButton>(form, skin);
  button->SetSkinPopupMenu(PopupMenuOf(form, skin, {L"Item"}));
  button->SetTrackButtonMode(true);
  Settle();
  bool shown = false;
  button->OnShowTrackMenu = [&shown, button](TObject*) {
    shown = true;
    Free(button);
  };
  MoveMouse(button->ClientToScreen(TPoint(button->Width() - 4, button->Height() / 2)));
  MouseDown();
  MouseUp();
  EXPECT_TRUE(PumpUntil([&] { return shown; }));
  Settle();
  EndsSoundly(form, skin);
}

// Items freed while a skinned popup shows them, by the program's own call or
// by a draw handler raised by a menu key: the menu's entries kept the items,
// and the next key read them (access violation in SelectNext reading
// 0xfeeefeee). The menu closes with the items it showed.
TEST(ReducedFreeFromMenuEvents, ItemsFreedWhileTheirSkinnedPopupShows) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(skin);
  TspSkinMenu* menu = FindSkinMenu(skinForm);
  TspSkinPopupMenu* popup = PopupMenuOf(form, skin, {L"One", L"Two", L"Three"});
  popup->Popup(150, 150);
  Settle();
  ASSERT_TRUE(menu->Visible());
  Free(popup->Items()->Items(1));
  EXPECT_FALSE(menu->Visible());
  KeyChord({}, VK_DOWN);

  popup->Popup(150, 150);
  Settle();
  popup->Items()->Items(0)->OnDrawItem = [popup](TObject*, TCanvas*, const TRect&, bool) {
    popup->Items()->Clear();
  };
  KeyChord({}, VK_DOWN);
  KeyChord({}, VK_DOWN);
  Settle();
  EXPECT_FALSE(menu->Visible());
  EndsSoundly(form, skin);
}

// A skinned form's menu item height set to the largest int: each item of a
// popup drawn without a skin asked for a bitmap that tall, and its paint threw.
TEST(ReducedBoundaryValues, SkinnedMenusTakeTheLargestItemHeight) {
  TForm* form = ShownForm();
  (new TspSkinForm(form))->SetDefMenuItemHeight(INT_MAX);
  PopupMenuOf(form, nullptr, {L"Tall", L"Taller"})->Popup(100, 100);
  Settle();
  EndsSoundly(form, nullptr);
}

// Public calls made by the program's own code, outside any message, whose
// event's handler frees the control's form: the call went on in the control's
// freed parts (access violations in TTreeNode::Expand, TfcCustomCombo::DropDown).
TEST(ReducedFreeFromPublicCalls, ExpandAndDropDownWhoseEventFreesTheForm) {
  TForm* form = ShownForm();
  auto* tree = new TTreeView(form);
  tree->SetParent(form);
  tree->SetBounds(10, 10, 150, 150);
  for (const wchar_t* root : {L"one", L"two"}) tree->Items()->AddChild(tree->Items()->Add(nullptr, root), L"child");
  tree->OnExpanding = [form](TObject*, TTreeNode*, bool&) { Free(form); };
  tree->FullExpand();
  Settle();
  EXPECT_TRUE(ProcessHeapsValid());

  form = ShownForm();
  auto* combo = new TfcTreeCombo(form);
  combo->SetParent(form);
  combo->SetBounds(10, 10, 150, 24);
  combo->OnDropDown = [form](TObject*) { Free(form); };
  combo->DropDown();
  Settle();
  EndsSoundly(nullptr, nullptr);
}

// Public calls whose event's handler frees the control that raised it: the
// teardown freed the node or item the call was deleting (a double delete),
// or the sort went on comparing and relinking freed items, or the dialog
// showed its window for a freed dialog.
TEST(ReducedFreeFromPublicCalls, DeleteSortAndExecuteWhoseEventFreesTheControl) {
  TForm* form = ShownForm();
  auto newTree = [form] {
    auto* tree = new TTreeView(form);
    tree->SetParent(form);
    for (const wchar_t* root : {L"b", L"a", L"c"}) tree->Items()->AddChild(tree->Items()->Add(nullptr, root), L"child");
    return tree;
  };
  auto newList = [form] {
    auto* list = new TListView(form);
    list->SetParent(form);
    for (const wchar_t* caption : {L"b", L"a", L"c"}) list->Items()->Add()->SetCaption(caption);
    return list;
  };
  TTreeView* tree = newTree();
  tree->OnDeletion = [tree](TObject*, TTreeNode*) { Free(tree); };
  tree->Items()->GetFirstNode()->Delete();
  tree = newTree();
  tree->OnCompare = [tree](TObject*, TTreeNode*, TTreeNode*, int, int&) { Free(tree); };
  tree->AlphaSort(true);
  TListView* list = newList();
  list->OnDeletion = [list](TObject*, TListItem*) { Free(list); };
  list->Items()->Delete(1);
  list = newList();
  list->OnCompare = [list](TObject*, TListItem*, TListItem*, int, int&) { Free(list); };
  list->AlphaSort();
  auto* fcTree = new TfcTreeView(form);
  fcTree->SetParent(form);
  for (const wchar_t* root : {L"b", L"a"}) fcTree->Items()->AddChild(fcTree->Items()->Add(nullptr, root), L"child");
  fcTree->OnDeletion = [fcTree](TfcCustomTreeView*, TfcTreeNode*) { Free(fcTree); };
  fcTree->Items()->GetFirstNode()->Delete();
  fcTree = new TfcTreeView(form);
  fcTree->SetParent(form);
  for (const wchar_t* root : {L"b", L"a"}) fcTree->Items()->Add(nullptr, root);
  fcTree->OnCompare = [fcTree](TfcCustomTreeView*, TfcTreeNode*, TfcTreeNode*, int, int&) { Free(fcTree); };
  fcTree->AlphaSort();
  auto* dialog = new TspSkinColorDialog(form);
  dialog->OnShowDialog = [dialog](TObject*) { Free(dialog); };
  EXPECT_FALSE(dialog->Execute());
  Settle();
  EXPECT_EQ(form->ControlCount(), 0);
  EndsSoundly(form, nullptr);
}

// A system control freed inside its own notification: a list view's
// OnColumnClick (from the header's click) and a tree's OnEdited (from Enter
// in its label editor) free it, and the system control went on with its
// destroyed window's data (heap unsound, access fault). Its window goes once
// the loop is back.
TEST(ReducedFreeFromInput, ListAndTreeFreedInsideTheirOwnNotification) {
  TForm* form = ShownForm();
  auto* list = new TListView(form);
  list->SetParent(form);
  list->SetBounds(10, 10, 200, 120);
  list->SetViewStyle(vsReport);
  list->Columns()->Add()->SetCaption(L"Name");
  list->Items()->Add()->SetCaption(L"one");
  list->OnColumnClick = [list](TObject*, TListColumn*) { Free(list); };
  Settle();
  const HWND listWindow = list->Handle();
  MoveMouse(list->ClientToScreen(TPoint(20, 8)));
  MouseDown();
  MouseUp();
  Settle();
  auto* tree = new TTreeView(form);
  tree->SetParent(form);
  tree->Items()->Add(nullptr, L"one");
  tree->OnEdited = [tree](TObject*, TTreeNode*, String&) { Free(tree); };
  Settle();
  const HWND treeWindow = tree->Handle();
  tree->SetFocus();
  tree->Items()->GetFirstNode()->EditText();
  Settle();
  KeyChord({}, VK_RETURN);
  EXPECT_FALSE(IsWindow(listWindow));
  EXPECT_FALSE(IsWindow(treeWindow));
  EXPECT_EQ(form->ControlCount(), 0);
  EndsSoundly(form, nullptr);
}

// Three modal forms, each opened from a timer of the one before; in the
// innermost, an edit of the first form moved onto a page frees that page from
// its OnKeyUp; the skinned combo of each form drops its list down and up on
// the way. Seen once in the window procedure and the combo's list window.
TEST(ReducedFreeFromInput, EditOnAPageThreeModalFormsDeepFreesThePageFromItsKeyUp) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  bool freed = false;
  std::function<void(int)> level = [&](int Depth) {
    auto* modal = new TForm(nullptr);
    modal->SetBounds(120 + Depth * 20, 120 + Depth * 20, 360, 260);
    TspSkinComboBox* combo = ComboWithItems(modal, skin);
    auto* timer = new TTimer(modal);
    timer->SetInterval(10);
    timer->OnTimer = [&, modal, timer, combo, Depth](TObject*) {
      timer->SetEnabled(false);
      combo->DropDown();
      combo->CloseUp(false);
      if (Depth < 3) {
        level(Depth + 1);
      } else {
        auto* pages = new TPageControl(modal);
        pages->SetParent(modal);
        pages->SetBounds(10, 80, 300, 150);
        auto* page = new TTabSheet(modal);
        page->SetPageControl(pages);
        edit->SetParent(page);
        edit->OnKeyUp = [&freed, page](TObject*, WORD&, TShiftState) {
          Free(page);
          freed = true;
        };
        SetForegroundWindow(modal->Handle());
        edit->SetFocus();
        KeyChord({}, 'A');
        PumpUntil([&] { return freed; }, 5000);
      }
      modal->SetModalResult(mrOk);
    };
    modal->ShowModal();
    Free(modal);
  };
  {
    HangWatchdog watch("three modal forms freeing an edit's page");
    level(1);
  }
  EXPECT_TRUE(freed);
  EndsSoundly(form, skin);
}

// A skinned paint panel on an MDI child moved to another form from its own
// OnPanelPaint, the child skinned or not. The first paint comes while the
// panel's window is made: the panel kept the handle the system answered for
// the window the move had destroyed, and freeing its new form ended the
// program ("freed on the thread that made its window").
TEST(ReducedParentChanges, PaintPanelMovedToAnotherFormFromItsOwnPaint) {
  for (bool skinnedChild : {false, true}) {
    SCOPED_TRACE(skinnedChild ? "skinned child" : "plain child");
    TspSkinData* skin = NewTestSkin(nullptr);
    TForm* other = ShownForm();
    TForm* child = ShownMDIChild(skinnedChild ? skin : nullptr);
    auto* panel = Put<TspSkinPaintPanel>(child, skin);
    int paints = 0;
    panel->OnPanelPaint = [&paints, panel, other](TCanvas*, const TRect&) {
      if (paints++ == 0) panel->SetParent(other);
    };
    panel->Invalidate();
    Settle();
    ASSERT_GE(paints, 1);
    EXPECT_EQ(panel->Parent(), other);
    if (panel->HandleAllocated()) {
      EXPECT_TRUE(IsWindow(panel->Handle()));
      EXPECT_EQ(FindControl(panel->Handle()), panel);
      EXPECT_EQ(GetParent(panel->Handle()), other->Handle());
    }
    Free(child->Owner());
    Settle();
    EndsSoundly(other, skin);
  }
}

// A skinned form's menu bar opened from the keyboard (SC_KEYMENU with an
// item's accelerator); a drop-down item's OnDrawItem frees the form or its
// skinned form while the drop-down first draws (a null read in
// PopupMenuBarItem, which went on with the menu of the skinned form freed).
TEST(ReducedFreeFromMenuEvents, KeyboardMenuBarsDropDownItemFreesTheFormOrTheSkinnedForm) {
  for (bool skinnedFormGoes : {false, true}) {
    SCOPED_TRACE(skinnedFormGoes ? "the skinned form freed" : "the form freed");
    HangWatchdog watch("a menu bar's drop-down freeing its form");
    // The test skin has no menu bar: the default one has.
    TspSkinData* skin = SkinFromSource("Default");
    TForm* form = ShownForm();
    auto* skinForm = new TspSkinForm(form);
    skinForm->SetSkinData(skin);
    auto* menu = new TMainMenu(form);
    auto* file = new TMenuItem(menu);
    file->SetCaption(L"&File");
    menu->Items()->Add(file);
    auto* open = new TMenuItem(menu);
    open->SetCaption(L"&Open");
    file->Add(open);
    form->SetMenu(menu);
    Settle();
    bool drawn = false;
    TObject* going = skinnedFormGoes ? static_cast<TObject*>(skinForm) : form;
    open->OnDrawItem = [&drawn, going](TObject*, TCanvas*, const TRect&, bool) {
      if (drawn) return;
      drawn = true;
      Free(static_cast<TComponent*>(going));
    };
    PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, L'f');
    EXPECT_TRUE(PumpUntil([&] { return drawn; }, 5000));
    Settle();
    KeyChord({}, VK_ESCAPE);
    KeyChord({}, VK_ESCAPE);
    EndsSoundly(skinnedFormGoes ? form : nullptr, skin);
  }
}

// A tray icon on an MDI child is freed inside a modal form nested in
// another, then the frame: the frame and its child went with the nested
// loop, the icon's memory waited for the outer one, and its destructor took
// its hook off the freed child (a read of freed memory in UnhookForm).
TEST(ReducedFreeFromModalLoops, TrayIconOnAnMDIChildFreedInANestedModalFormThenTheFrame) {
  TForm* child = ShownMDIChild();
  TComponent* frame = child->Owner();
  auto* tray = new TspTrayIcon(child);
  bool freed = false;
  std::function<void(int)> level = [&](int Depth) {
    auto* modal = new TForm(nullptr);
    modal->SetBounds(120 + Depth * 20, 120 + Depth * 20, 300, 200);
    auto* timer = new TTimer(modal);
    timer->SetInterval(10);
    timer->OnTimer = [&, modal, timer, Depth](TObject*) {
      timer->SetEnabled(false);
      if (Depth < 2) {
        level(Depth + 1);
      } else {
        Free(tray);
        Application->ProcessMessages();
        Free(frame);
        Application->ProcessMessages();
        freed = true;
      }
      modal->SetModalResult(mrOk);
    };
    modal->ShowModal();
    Free(modal);
  };
  {
    HangWatchdog watch("a tray icon and its frame freed two modal forms deep");
    level(1);
    Settle();
  }
  EXPECT_TRUE(freed);
  EXPECT_EQ(ExceptionsReachingApplication(), 0);
  EXPECT_TRUE(ProcessHeapsValid());
}

// An fc tree's node expanded or collapsed by the program; the event's
// handler makes the tree's window again (a RecreateWnd of its parent, or a
// move to another form), which deletes every node and makes them again: the
// expand went on in the deleted node (a read of freed memory in ExpandItem).
TEST(ReducedParentChanges, FcTreesExpandEventsMakeItsWindowAgain) {
  for (int event = 0; event < 4; ++event)
    for (bool move : {false, true}) {
      SCOPED_TRACE(std::to_string(event) + (move ? " moved to another form" : " its parent's RecreateWnd"));
      TForm* form = ShownForm();
      TForm* other = ShownForm();
      auto* panel = new TPanel(form);
      panel->SetParent(form);
      panel->SetAlign(alClient);
      auto* tree = new TfcTreeView(form);
      tree->SetParent(panel);
      tree->SetBounds(10, 10, 200, 150);
      TfcTreeNode* first = tree->Items()->Add(nullptr, L"First");
      tree->Items()->AddChild(first, L"Child");
      tree->Items()->Add(nullptr, L"Second");
      Settle();
      if (event >= 2) first->Expand(false);
      int raised = 0;
      auto remake = [&] {
        if (raised++) return;
        if (move) tree->SetParent(other);
        else panel->RecreateWnd();
      };
      auto allowing = [remake](TfcCustomTreeView*, TfcTreeNode*, bool&) { remake(); };
      auto done = [remake](TfcCustomTreeView*, TfcTreeNode*) { remake(); };
      switch (event) {
        case 0: tree->OnExpanding = allowing; break;
        case 1: tree->OnExpanded = done; break;
        case 2: tree->OnCollapsing = allowing; break;
        default: tree->OnCollapsed = done; break;
      }
      if (event < 2) first->Expand(true);
      else first->Collapse(true);
      Settle();
      EXPECT_EQ(raised, 1);
      EXPECT_EQ(tree->Items()->Count(), 3);
      Free(other);
      EndsSoundly(form, nullptr);
    }
}

// A skinned edit given the largest width, then the largest height: the
// window is 32767 x 32767, and the frame's paint asked for a bitmap of that
// size (4 GB), which cannot be made; the exception reached the application.
TEST(ReducedBoundaryValues, SkinnedEditsTakeTheLargestWidthThenHeight) {
  const std::function<TWinControl*(TForm*, TspSkinData*)> makers[] = {
      [](TForm* F, TspSkinData* S) { return Put<TspSkinEdit>(F, S); },
      [](TForm* F, TspSkinData* S) { return Put<TspSkinDateEdit>(F, S); },
      [](TForm* F, TspSkinData* S) { return Put<TspSkinMaskEdit>(F, S); },
  };
  for (const auto& make : makers)
    for (const char* skinName : {"", "Test", "Objects"}) {
      SCOPED_TRACE(*skinName ? skinName : "without a skin");
      TspSkinData* skin = *skinName ? SkinFromSource(skinName) : nullptr;
      TForm* form = ShownForm();
      TWinControl* edit = make(form, skin);
      Settle();
      edit->SetWidth(INT_MAX);
      Settle();
      edit->SetHeight(INT_MAX);
      Settle();
      EndsSoundly(form, skin);
    }
}

// An edit's OnEnter, raised as it takes the focus, moves it onto a group box
// that has no parent (and so no window): the edit's focus message went on,
// asked the moved edit for its window and raised "Control '' has no parent
// window" to the application.
TEST(ReducedParentChanges, EditsMovedOffTheirWindowByTheirOnEnter) {
  const std::function<TWinControl*(TForm*, TspSkinData*)> makers[] = {
      [](TForm* F, TspSkinData*) -> TWinControl* {
        auto* e = new TEdit(F);
        e->SetParent(F);
        return e;
      },
      [](TForm* F, TspSkinData* S) { return Put<TspSkinEdit>(F, S); },
      [](TForm* F, TspSkinData* S) { return Put<TspSkinMaskEdit>(F, S); },
      [](TForm* F, TspSkinData* S) { return Put<TspSkinDateEdit>(F, S); },
      [](TForm* F, TspSkinData* S) { return Put<TspSkinPasswordEdit>(F, S); },
      [](TForm* F, TspSkinData* S) { return Put<TspSkinTrackEdit>(F, S); },
      [](TForm* F, TspSkinData* S) { return Put<TspSkinComboBox>(F, S); },
  };
  for (const auto& make : makers) {
    TspSkinData* skin = NewTestSkin(nullptr);
    TForm* form = ShownForm();
    TWinControl* edit = make(form, skin);
    SCOPED_TRACE(WideToUtf8(edit->ClassName()));
    auto* box = new TspSkinGroupBox(form);
    box->SetSkinData(skin);
    Settle();
    edit->OnEnter = [edit, box](TObject*) { edit->SetParent(box); };
    edit->SetFocus();
    Settle();
    EXPECT_EQ(edit->Parent(), box);
    EndsSoundly(form, skin);
  }
}

// A form frees itself from its OnPaint; a tree it owns, shown on another
// form, raises OnDeletion as it goes, whose handler shows a modal form closed
// by its timer. The going form's window was answered unpainted, asked to
// paint again at once, for ever, and the timer never ticked (a hang with
// modal forms nested in handlers).
TEST(ReducedFreeFromModalLoops, ModalFormShownWhileAFormFreedFromItsPaintGoes) {
  HangWatchdog watch("a modal form shown while a form freed from its paint goes", 20000);
  TForm* other = ShownForm();
  TForm* form = ShownForm();
  auto* tree = new TTreeView(form);
  tree->SetParent(other);
  tree->Items()->Add(nullptr, L"A");
  Settle();
  int ticks = 0;
  tree->OnDeletion = [&ticks](TObject*, TTreeNode*) {
    if (ticks) return;
    auto* modal = new TForm(nullptr);
    modal->SetBounds(100, 100, 200, 100);
    auto* timer = new TTimer(modal);
    timer->SetInterval(30);
    timer->OnTimer = [&ticks, modal](TObject*) {
      ++ticks;
      modal->SetModalResult(mrOk);
    };
    modal->ShowModal();
    Free(modal);
  };
  form->OnPaint = [form](TObject*) { Free(form); };
  form->Invalidate();
  Settle();
  EXPECT_EQ(ticks, 1);
  EndsSoundly(other, nullptr);
}

// A panel that runs a program's code as its window goes.
class TPanelWithGoingWindow : public TPanel {
 public:
  using TPanel::TPanel;
  std::function<void()> WindowGoes;

 protected:
  void DestroyWnd() override {
    if (WindowGoes) WindowGoes();
    TPanel::DestroyWnd();
  }
};

// A control moved onto a panel; code raised as its window goes with the move
// frees that panel: the control was put into the panel being freed, whose
// teardown had let go of its children already, and freeing the control's
// form later read the panel's released memory (seen with a list view moved
// from its OnEnter onto a paint panel that its own paint freed).
TEST(ReducedParentChanges, ControlMovedOntoAParentThatItsLeavingFrees) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = ShownForm();
  auto* panel = Put<TspSkinPaintPanel>(form, skin);
  auto* moved = new TPanelWithGoingWindow(form);
  moved->SetParent(form);
  moved->SetBounds(200, 10, 100, 100);
  Settle();
  bool freed = false;
  moved->WindowGoes = [&freed, panel] {
    if (!freed) Free(panel);
    freed = true;
  };
  moved->SetParent(panel);
  Settle();
  EXPECT_TRUE(freed);
  EXPECT_EQ(moved->Parent(), nullptr);
  EndsSoundly(form, skin);
}
