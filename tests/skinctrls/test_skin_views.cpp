// The skinned tree view, list view and rich edit: skin colours and fonts across
// skin switches, the skinned header, the external bars, and no window growth.
#include <richedit.h>

#include "SkinCtrlTestUtils.h"
#include "classlib/ColorContrast.h"
#include "skin/SkinCtrlRecords2.h"
#include "skin/SkinForm.h"
#include "skin/SkinResStr.h"
#include "skinctrls/PartLook.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinListView.h"
#include "skinctrls/SkinRichEdit.h"
#include "skinctrls/SkinTreeView.h"

namespace {

// The generated skins, read once per program.
TspCompressedStoredSkin* StoredSkin(const char* Ini) {
  auto* s = new TspCompressedStoredSkin(nullptr);
  s->LoadFromSkinFile(ProjectPath(Ini));
  return s;
}
TspCompressedStoredSkin* DefaultSkin() {
  static TspCompressedStoredSkin* s = StoredSkin("skins/Default/skin.ini");
  return s;
}
TspCompressedStoredSkin* DarkSkin() {
  static TspCompressedStoredSkin* s = StoredSkin("skins/Dark/skin.ini");
  return s;
}

BOOL CALLBACK CountWindow(HWND Window, LPARAM Count) {
  ++*reinterpret_cast<int*>(Count);
  EnumChildWindows(Window, CountWindow, Count);
  return TRUE;
}

// Top-level windows of the thread and all their descendants.
int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

TColor Pixel(TBitmap* B, int X, int Y) { return GetPixel(B->Canvas()->Handle(), X, Y); }

class ViewTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    skin = new TspSkinData(form);
    skinForm = new TspSkinForm(form);
    skinForm->SetSkinData(skin);
  }
  // The header as it paints itself into a bitmap.
  std::unique_ptr<TBitmap> HeaderShot(TspSkinCustomListView* List) {
    RECT r;
    GetClientRect(List->SkinnedHeader(), &r);
    auto b = std::make_unique<TBitmap>();
    b->SetSize(r.right, r.bottom);
    SendMessageW(List->SkinnedHeader(), WM_PAINT, reinterpret_cast<WPARAM>(b->Canvas()->Handle()), 0);
    return b;
  }
  TspSkinListView* ReportList(int Rows) {
    auto* list = Add<TspSkinListView>(form, 10, 10, 300, 200);
    list->SetViewStyle(vsReport);
    for (const wchar_t* caption : {L"Name \x540D\x5B57", L"Size"}) {
      TListColumn* c = list->Columns()->Add();
      c->SetCaption(caption);
      c->SetWidth(100);
    }
    for (int i = 0; i < Rows; ++i) {
      TListItem* item = list->Items()->Add();
      item->SetCaption(L"row " + IntToStr(i));
      item->SubItems()->Add(IntToStr(i * 10));
    }
    return list;
  }
  TspSkinData* skin;
  TspSkinForm* skinForm;
};

TEST_F(ViewTest, ColoursAndFontsFollowEverySkinSwitch) {
  auto* tree = Add<TspSkinTreeView>(form, 10, 10, 150, 150);
  auto* list = Add<TspSkinListView>(form, 170, 10, 150, 150);
  auto* rich = Add<TspSkinRichEdit>(form, 10, 170, 150, 100);
  auto* plain = Add<TspSkinRichEdit>(form, 170, 170, 150, 100);
  TImageList images(nullptr);
  tree->SetImages(&images);
  rich->SetSkinSupport(true);
  plain->Font()->SetName(L"Courier New");
  plain->SetColor(0x00123456);
  EXPECT_EQ(L"Arial", list->Font()->Name());  // the list view takes its default font at once
  tree->SetSkinData(skin);
  list->SetSkinData(skin);
  rich->SetSkinData(skin);
  plain->SetSkinData(skin);
  ShowAndActivate(form);

  skin->LoadCompressedStoredSkin(DefaultSkin());
  Settle();
  auto* treeRec = RecordOf<TspDataSkinTreeView>(skin, L"treeview");
  ASSERT_NE(nullptr, treeRec);
  EXPECT_EQ(treeRec->BGColor, tree->Color());
  EXPECT_EQ(treeRec->FontColor, tree->Font()->Color());
  EXPECT_EQ(treeRec->FontName, tree->Font()->Name());
  EXPECT_EQ(Rgb(treeRec->BGColor), SendMessageW(tree->Handle(), TVM_GETBKCOLOR, 0, 0));
  EXPECT_EQ(Rgb(treeRec->FontColor), SendMessageW(tree->Handle(), TVM_GETTEXTCOLOR, 0, 0));
  EXPECT_EQ(Rgb(treeRec->BGColor), Rgb(images.BkColor()));
  auto* listRec = RecordOf<TspDataSkinListView>(skin, L"listview");
  ASSERT_NE(nullptr, listRec);
  EXPECT_EQ(Rgb(listRec->BGColor), SendMessageW(list->Handle(), LVM_GETBKCOLOR, 0, 0));
  EXPECT_EQ(Rgb(listRec->FontColor), SendMessageW(list->Handle(), LVM_GETTEXTCOLOR, 0, 0));
  // The rich edits took the skin when their SkinData was set, not now: the relay leaves them out.
  EXPECT_EQ(clWindow, rich->Color());
  rich->SetSkinData(skin);
  auto* richRec = RecordOf<TspDataSkinRichEdit>(skin, L"richedit");
  ASSERT_NE(nullptr, richRec);
  EXPECT_EQ(richRec->BGColor, rich->Color());
  EXPECT_EQ(richRec->FontName, rich->Font()->Name());

  skin->LoadCompressedStoredSkin(DarkSkin());
  Settle();
  auto* darkTree = RecordOf<TspDataSkinTreeView>(skin, L"treeview");
  ASSERT_NE(nullptr, darkTree);
  ASSERT_NE(Rgb(treeRec->BGColor), Rgb(darkTree->BGColor));  // the skins differ
  EXPECT_EQ(Rgb(darkTree->BGColor), SendMessageW(tree->Handle(), TVM_GETBKCOLOR, 0, 0));
  EXPECT_EQ(Rgb(RecordOf<TspDataSkinListView>(skin, L"listview")->BGColor),
            SendMessageW(list->Handle(), LVM_GETBKCOLOR, 0, 0));
  EXPECT_NE(Rgb(darkTree->BGColor), Rgb(rich->Color()));  // still the first skin's
  // Without SkinSupport a skin leaves font and colour alone, but for the
  // character set of the skin's resource strings.
  auto* store = new TspResourceStrData(form);
  store->SetCharSet(GB2312_CHARSET);
  skin->SetResourceStrData(store);
  plain->SetSkinData(skin);
  EXPECT_EQ(L"Courier New", plain->Font()->Name());
  EXPECT_EQ(0x00123456, plain->Color());
  EXPECT_EQ(GB2312_CHARSET, plain->Font()->Charset());

  // Leaving the skin gives the defaults back.
  tree->SetUseSkinFont(false);
  tree->SetSkinData(nullptr);
  EXPECT_EQ(clWindow, tree->Color());
  EXPECT_EQ(L"Arial", tree->Font()->Name());
  tree->SetImages(nullptr);
}

// The selected node of a tree that keeps showing its selection: readable on
// the dark skin while the tree has the focus and after it lost it, its text
// standing out from the box drawn behind it.
TEST_F(ViewTest, TheSelectionOfAnUnfocusedTreeIsReadableOnTheDarkSkin) {
  auto* tree = Add<TspSkinTreeView>(form, 10, 10, 150, 150);
  auto* other = Add<TspSkinTreeView>(form, 170, 10, 150, 150);
  tree->SetHideSelection(false);
  tree->SetSkinData(skin);
  skin->LoadCompressedStoredSkin(DarkSkin());
  TTreeNode* node = tree->Items()->Add(nullptr, L"WWWW MMMM WWWW");
  ShowAndActivate(form);
  tree->SetSelected(node);
  for (bool focused : {true, false}) {
    (focused ? static_cast<TWinControl*>(tree) : other)->SetFocus();
    Settle();
    tree->Invalidate();
    Settle();
    RECT r = {};
    const HTREEITEM item = node->ItemId();
    memcpy(&r, &item, sizeof(item));  // the message reads the item from the rectangle
    ASSERT_TRUE(SendMessageW(tree->Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)));
    const std::unique_ptr<TBitmap> shot = WindowPixels(tree);
    const TColor box = Pixel(shot.get(), r.left + 1, r.top + 1);
    double best = 0;
    for (int x = r.left; x < r.right; ++x)
      best = std::max(best, ColorContrast(box, Pixel(shot.get(), x, (r.top + r.bottom) / 2)));
    EXPECT_GE(best, kReadableContrast) << (focused ? "focused" : "unfocused");
  }
}

// A plain click on a node of a draggable skinned tree is a click: the next
// click, on a skinned button, runs the button's OnClick.
TEST_F(ViewTest, AClickOnADraggableTreeLeavesTheNextClickToAButton) {
  skin->LoadCompressedStoredSkin(DefaultSkin());
  auto* tree = Add<TspSkinTreeView>(form, 10, 10, 150, 150);
  tree->SetSkinData(skin);
  tree->SetDragMode(dmAutomatic);
  tree->Items()->Add(nullptr, L"One");
  tree->Items()->Add(nullptr, L"Two");
  auto* button = Add<TspSkinButton>(form, 200, 10, 80, 26);
  button->SetSkinData(skin);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  ShowAndActivate(form);
  MoveMouse(tree->ClientToScreen(TPoint(30, 8)));
  MouseDown();
  MouseUp();  // sent together: the tree's own loop waits for the release
  Settle();
  EXPECT_FALSE(tree->Dragging());
  ClickAt(button, TPoint(40, 13));
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 5000));
}

TEST_F(ViewTest, TreeAndListAnswerTheSkinAwareQuery) {
  auto* tree = Add<TspSkinTreeView>(form, 10, 10, 100, 100);
  auto* list = Add<TspSkinListView>(form, 120, 10, 100, 100);
  auto* rich = Add<TspSkinRichEdit>(form, 230, 10, 100, 100);
  EXPECT_EQ(12851, SendMessageW(tree->Handle(), 0xB1C9, 0, 0));
  EXPECT_EQ(12851, SendMessageW(list->Handle(), 0xB1C9, 0, 0));
  EXPECT_NE(12851, SendMessageW(rich->Handle(), 0xB1C9, 0, 0));
  // No border and no room for the window's own bars.
  for (TWinControl* c : std::initializer_list<TWinControl*>{tree, list, rich}) {
    RECT client, window;
    GetClientRect(c->Handle(), &client);
    GetWindowRect(c->Handle(), &window);
    EXPECT_EQ(window.right - window.left, client.right) << c->ClassName();
    EXPECT_EQ(window.bottom - window.top, client.bottom) << c->ClassName();
  }
}

TEST_F(ViewTest, HeaderSectionsAreDrawnFromTheSkinAndShowThePress) {
  auto* list = ReportList(3);
  list->SetSkinData(skin);
  ShowAndActivate(form);
  ASSERT_NE(nullptr, list->SkinnedHeader());
  EXPECT_EQ(list->HeaderHandle(), list->SkinnedHeader());

  // Without a skin: the default look's face, and the rest of the strip too.
  auto shot = HeaderShot(list);
  const int h = shot->Height();
  ASSERT_GT(h, 10);
  EXPECT_EQ(Rgb(clBtnFace), Pixel(shot.get(), 50, h - 3));
  EXPECT_EQ(Rgb(clBtnFace), Pixel(shot.get(), 250, h - 3));
  EXPECT_EQ(Rgb(clBtnShadow), Pixel(shot.get(), 50, 0));

  skin->LoadCompressedStoredSkin(DefaultSkin());
  Settle();
  ASSERT_NE(nullptr, RecordOf<TspDataSkinButtonControl>(skin, L"resizebutton"));
  // What a section of that size looks like from the record, normal and pressed.
  RECT r;
  SendMessageW(list->SkinnedHeader(), HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  auto expect = [&](TspPartState State) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(r.right - r.left, r.bottom - r.top);
    TColor font;
    EXPECT_TRUE(DrawSkinButtonPart(b->Canvas(), skin, L"resizebutton", TRect(0, 0, b->Width(), b->Height()), State, font));
    return b;
  };
  auto normal = expect(psIdle), pressed = expect(psPressed);
  ASSERT_NE(Pixel(normal.get(), 2, 3), Pixel(pressed.get(), 2, 3));
  shot = HeaderShot(list);
  for (int y : {1, 3, h - 2}) EXPECT_EQ(Pixel(normal.get(), 2, y), Pixel(shot.get(), 2, y)) << y;

  // Pressed while the button is down over the section, normal again after.
  const TPoint onSection = TPoint(20, h / 2);
  POINT screen = {onSection.X, onSection.Y};
  ClientToScreen(list->SkinnedHeader(), &screen);
  MoveMouse(TPoint(screen.x, screen.y));
  MouseDown();
  Settle();
  EXPECT_EQ(0, list->PressedSection());
  shot = HeaderShot(list);
  EXPECT_EQ(Pixel(pressed.get(), 2, 3), Pixel(shot.get(), 2, 3));
  MouseUp();
  Settle();
  EXPECT_EQ(-1, list->PressedSection());
  shot = HeaderShot(list);
  EXPECT_EQ(Pixel(normal.get(), 2, 3), Pixel(shot.get(), 2, 3));

  // A divider is dragged, not pressed; the column follows the mouse.
  screen = {r.right - 1, h / 2};
  ClientToScreen(list->SkinnedHeader(), &screen);
  MoveMouse(TPoint(screen.x, screen.y));
  MouseDown();
  Settle();
  EXPECT_TRUE(list->DividerDragged());
  EXPECT_EQ(-1, list->PressedSection());
  MoveMouse(TPoint(screen.x + 30, screen.y));
  MouseUp();
  Settle();
  EXPECT_FALSE(list->DividerDragged());
  EXPECT_GT(list->Column(0)->Width(), 110);
}

TEST_F(ViewTest, OwnDrawnSectionsGetTheColumnAndTheirRectangle) {
  auto* list = ReportList(1);
  std::vector<String> drawn;
  list->OnDrawHeaderSection = [&](TCanvas* C, TListColumn* Column, bool Pressed, const TRect& R) {
    drawn.push_back(Column->Caption());
    EXPECT_FALSE(Pressed);
    EXPECT_EQ(0, R.Left);
    EXPECT_EQ(Column->Width(), R.Width());
    C->Brush()->SetColor(clRed);
    C->FillRect(R);
  };
  ShowAndActivate(form);
  drawn.clear();
  auto shot = HeaderShot(list);
  EXPECT_EQ(2u, drawn.size());
  EXPECT_EQ(L"Size", drawn.back());
  EXPECT_EQ(Rgb(clRed), Pixel(shot.get(), 150, shot->Height() / 2));
}

TEST_F(ViewTest, TreeBarsAppearWhenRowsOverflow) {
  auto* tree = Add<TspSkinTreeView>(form, 10, 10, 150, 120);
  auto* vbar = Add<TspSkinScrollBar>(form, 160, 10, 16, 120);
  vbar->SetKind(sbVertical);
  auto* hbar = Add<TspSkinScrollBar>(form, 10, 130, 150, 16);
  tree->SetVScrollBar(vbar);
  tree->SetHScrollBar(hbar);
  ShowAndActivate(form);
  for (int i = 0; i < 3; ++i) tree->Items()->Add(nullptr, L"node " + IntToStr(i));
  tree->Repaint();
  Settle();
  EXPECT_FALSE(vbar->Visible());
  EXPECT_FALSE(hbar->Both());
  for (int i = 3; i < 40; ++i) tree->Items()->Add(nullptr, L"node " + IntToStr(i));
  tree->Repaint();
  Settle();
  ASSERT_TRUE(vbar->Visible());
  EXPECT_TRUE(hbar->Both());
  EXPECT_EQ(tree->VisibleCount(), vbar->PageSize());
  EXPECT_EQ(39, vbar->Max());

  // Moving the bar scrolls the rows.
  vbar->SetPosition(10);
  Settle();
  EXPECT_EQ(tree->Items()->Item(10), tree->TopItem());
  // Hidden with the view.
  tree->SetVisible(false);
  EXPECT_FALSE(vbar->Visible());
}

TEST_F(ViewTest, TreeBarReachesRowsBeyondTheScrollMessagesRange) {
  auto* tree = Add<TspSkinTreeView>(form, 10, 10, 150, 120);
  auto* vbar = Add<TspSkinScrollBar>(form, 160, 10, 16, 120);
  vbar->SetKind(sbVertical);
  tree->SetVScrollBar(vbar);
  ShowAndActivate(form);
  TTreeNodes* nodes = tree->Items();
  nodes->BeginUpdate();
  for (int i = 0; i < 33000; ++i) nodes->Add(nullptr, IntToStr(i));
  nodes->EndUpdate();
  tree->Repaint();
  Settle();
  ASSERT_EQ(32999, vbar->Max());
  vbar->SetPosition(32900);  // past what 16 signed bits carry
  Settle();
  EXPECT_EQ(L"32900", tree->TopItem()->Text());
  vbar->SetPosition(100);
  Settle();
  EXPECT_EQ(L"100", tree->TopItem()->Text());
}

TEST_F(ViewTest, SkinnedViewsStillRaiseTheWrappersEvents) {
  auto* tree = Add<TspSkinTreeView>(form, 10, 10, 150, 120);
  auto* list = ReportList(3);
  list->SetBounds(170, 10, 200, 120);
  tree->SetSkinData(skin);
  list->SetSkinData(skin);
  skin->LoadCompressedStoredSkin(DefaultSkin());
  TTreeNode* first = tree->Items()->Add(nullptr, L"one");
  TTreeNode* second = tree->Items()->Add(nullptr, L"two");
  std::vector<String> log;
  tree->OnChange = [&](TObject*, TTreeNode* N) { log.push_back(L"tree " + N->Text()); };
  list->OnSelectItem = [&](TObject*, TListItem* I, bool Selected) {
    if (Selected) log.push_back(L"list " + I->Caption());
  };
  ShowAndActivate(form);
  tree->SetSelected(first);
  // Both controls track the mouse in a loop of their own after a press:
  // the release is queued with it.
  auto click = [](TControl* C, const TRect& R) {
    MoveMouse(C->ClientToScreen(TPoint(R.Left + 4, (R.Top + R.Bottom) / 2)));
    MouseDown();
    MouseUp();
    Settle();
  };
  click(tree, second->DisplayRect(true));
  click(list, list->Items()->Item(2)->DisplayRect(LVIR_LABEL));
  EXPECT_EQ((std::vector<String>{L"tree one", L"tree two", L"list row 2"}), log);
}

TEST_F(ViewTest, ListBarsScrollByRowsAndColumns) {
  auto* list = ReportList(60);
  auto* vbar = Add<TspSkinScrollBar>(form, 310, 10, 16, 200);
  vbar->SetKind(sbVertical);
  auto* hbar = Add<TspSkinScrollBar>(form, 10, 210, 300, 16);
  list->SetVScrollBar(vbar);
  list->SetHScrollBar(hbar);
  ShowAndActivate(form);
  list->Repaint();
  Settle();
  ASSERT_TRUE(vbar->Visible());
  EXPECT_EQ(list->VisibleRowCount(), vbar->PageSize());
  EXPECT_EQ(59, vbar->Max());
  vbar->SetPosition(3);  // three rows down
  Settle();
  EXPECT_EQ(list->Items()->Item(3), list->TopItem());

  // List style: the horizontal bar steps whole columns, one line message each.
  list->SetViewStyle(vsList);
  list->Repaint();
  Settle();
  ASSERT_TRUE(hbar->Visible());
  EXPECT_FALSE(vbar->Visible());
  hbar->SetPosition(3);
  Settle();
  int left = 0;
  auto old = list->WindowProc;
  list->WindowProc = [&](TMessage& M) {
    if (M.Msg == WM_HSCROLL && LOWORD(M.WParam) == SB_LINELEFT) ++left;
    old(M);
  };
  hbar->SetPosition(1);
  list->WindowProc = old;
  EXPECT_EQ(2, left);
}

TEST_F(ViewTest, RichEditBarsAreDisabledNotHiddenWhileTheTextFits) {
  auto* rich = Add<TspSkinRichEdit>(form, 10, 10, 200, 100);
  auto* vbar = Add<TspSkinScrollBar>(form, 210, 10, 16, 100);
  vbar->SetKind(sbVertical);
  rich->SetVScrollBar(vbar);
  ShowAndActivate(form);
  rich->SetText(L"\x4E00\x884C");  // one line
  Settle();
  EXPECT_TRUE(vbar->Visible());
  EXPECT_FALSE(vbar->Enabled());
  String text;
  for (int i = 0; i < 40; ++i) text += L"\x7B2C " + IntToStr(i) + L" \x884C\r\n";
  rich->SetText(text);
  Settle();
  EXPECT_TRUE(vbar->Enabled());
  EXPECT_GT(vbar->Max(), vbar->PageSize());
  EXPECT_EQ(text.substr(0, 20), rich->Text().substr(0, 20));
  // The bar's lower button moves the text a line down.
  const int first = static_cast<int>(SendMessageW(rich->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  vbar->OnUpButtonClick(vbar);
  EXPECT_EQ(first + 1, SendMessageW(rich->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
}

TEST_F(ViewTest, AThousandViewsComeAndGoWithoutWindowsLeftBehind) {
  ShowAndActivate(form);
  skin->LoadCompressedStoredSkin(DefaultSkin());
  auto cycle = [&] {
    auto* tree = Add<TspSkinTreeView>(form, 0, 0, 100, 80);
    auto* list = Add<TspSkinListView>(form, 0, 90, 100, 80);
    auto* rich = Add<TspSkinRichEdit>(form, 0, 180, 100, 80);
    auto* bar = Add<TspSkinScrollBar>(form, 100, 0, 16, 80);
    list->SetViewStyle(vsReport);
    list->Columns()->Add()->SetCaption(L"c");
    tree->Items()->AddChild(tree->Items()->Add(nullptr, L"a"), L"b");
    list->Items()->Add()->SetCaption(L"x");
    tree->SetSkinData(skin);
    list->SetSkinData(skin);
    rich->SetSkinData(skin);
    tree->SetVScrollBar(bar);
    rich->SetText(L"\x6587");
    Free(bar);  // the bar first: the view forgets it
    tree->Repaint();
    Free(tree);
    Free(list);
    Free(rich);
  };
  cycle();
  Settle();
  const int windows = ThreadWindows();
  const int shared = GdiResourceCount();  // the system's own count is 0 under Wine
  for (int i = 0; i < 1000; ++i) cycle();
  Settle();
  EXPECT_EQ(windows, ThreadWindows());
  EXPECT_EQ(shared, GdiResourceCount());
}

}  // namespace
