// The list view and rich edit wrappers: items and columns read back from the system controls, events.
#include <gtest/gtest.h>
#include <richedit.h>

#include <algorithm>

#include "ControlTestUtils.h"
#include "classlib/ComCtrls.h"

namespace {

String ItemText(HWND List, int Index, int SubItem) {
  wchar_t buffer[128] = {};
  LVITEMW item = {};
  item.iSubItem = SubItem;
  item.pszText = buffer;
  item.cchTextMax = 128;
  SendMessageW(List, LVM_GETITEMTEXTW, Index, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

// Every row as the window shows it: "caption|sub1|sub2;..."
String ReadRows(TCustomListView* List, int Columns) {
  String s;
  const int n = static_cast<int>(SendMessageW(List->Handle(), LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    if (i) s += L";";
    for (int c = 0; c < Columns; ++c) s += (c ? L"|" : L"") + ItemText(List->Handle(), i, c);
  }
  return s;
}

LVCOLUMNW ReadColumn(HWND List, int Index, wchar_t* Buffer) {
  LVCOLUMNW c = {};
  c.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_IMAGE;
  c.pszText = Buffer;
  c.cchTextMax = 64;
  SendMessageW(List, LVM_GETCOLUMNW, Index, reinterpret_cast<LPARAM>(&c));
  return c;
}

class ListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 400, 300);
    list = new TListView(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 300, 200);
    list->SetViewStyle(vsReport);
  }
  void TearDown() override { Free(form); }
  TListItem* AddRow(const String& Caption, const String& Sub) {
    TListItem* item = list->Items()->Add();
    item->SetCaption(Caption);
    item->SubItems()->Add(Sub);
    return item;
  }
  TForm* form;
  TListView* list;
};

TEST_F(ListTest, ColumnsAndItemsReachTheSystemControl) {
  TImageList images(nullptr);
  list->SetSmallImages(&images);
  TListColumn* name = list->Columns()->Add();
  name->SetCaption(L"Name");
  name->SetWidth(120);
  TListColumn* size = list->Columns()->Add();
  size->SetCaption(L"Size");
  size->SetAlignment(taRightJustify);
  size->SetImageIndex(2);
  AddRow(L"alpha", L"1")->SetImageIndex(5);
  AddRow(L"beta", L"2");
  form->HandleNeeded();  // made before the window: the window takes them now
  HWND h = list->Handle();
  EXPECT_EQ(reinterpret_cast<LRESULT>(images.Handle()), SendMessageW(h, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  wchar_t buffer[64];
  LVCOLUMNW c = ReadColumn(h, 1, buffer);
  EXPECT_STREQ(L"Size", buffer);
  EXPECT_EQ(LVCFMT_RIGHT, c.fmt & LVCFMT_JUSTIFYMASK);
  EXPECT_EQ(2, c.iImage);
  EXPECT_EQ(120, SendMessageW(h, LVM_GETCOLUMNWIDTH, 0, 0));
  EXPECT_EQ(L"alpha|1;beta|2", ReadRows(list, 2));

  // Added, changed and removed with the window there.
  TListItem* gamma = list->Items()->Insert(1);
  gamma->SetCaption(L"gamma");
  gamma->SubItems()->Add(L"3");
  EXPECT_EQ(L"alpha|1;gamma|3;beta|2", ReadRows(list, 2));
  list->Items()->Item(0)->SetCaption(L"ALPHA");
  list->Items()->Item(2)->SubItems()->Clear();
  list->Items()->Item(2)->SubItems()->Add(L"two");
  EXPECT_EQ(L"ALPHA|1;gamma|3;beta|two", ReadRows(list, 2));
  LVITEMW item = {};
  item.mask = LVIF_IMAGE;
  SendMessageW(h, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(5, item.iImage);
  list->Items()->Delete(1);
  EXPECT_EQ(L"ALPHA|1;beta|two", ReadRows(list, 2));
  EXPECT_EQ(1, list->Items()->Item(1)->Index());
  EXPECT_THROW(list->Items()->Item(2), EListError);

  // The user's column width is what the column reports.
  SendMessageW(h, LVM_SETCOLUMNWIDTH, 0, 77);
  EXPECT_EQ(77, name->Width());
  list->SetSmallImages(nullptr);
}

TEST_F(ListTest, ANewWindowKeepsItemsSelectionAndColumnWidths) {
  list->Columns()->Add()->SetCaption(L"A");
  list->Columns()->Add()->SetCaption(L"B");
  for (int i = 0; i < 5; ++i) AddRow(L"r" + IntToStr(i), L"s" + IntToStr(i));
  form->HandleNeeded();
  list->Items()->Item(3)->SetSelected(true);
  SendMessageW(list->Handle(), LVM_SETCOLUMNWIDTH, 1, 66);
  const HWND before = list->Handle();
  list->SetBorderStyle(bsNone);  // makes a new window
  ASSERT_NE(before, list->Handle());
  EXPECT_EQ(L"r0|s0;r1|s1;r2|s2;r3|s3;r4|s4", ReadRows(list, 2));
  EXPECT_EQ(list->Items()->Item(3), list->Selected());
  EXPECT_EQ(1, list->SelCount());
  EXPECT_EQ(66, SendMessageW(list->Handle(), LVM_GETCOLUMNWIDTH, 1, 0));
}

TEST_F(ListTest, ViewStylesHeaderAndSorting) {
  list->Columns()->Add()->SetCaption(L"Name");
  for (const wchar_t* s : {L"pear", L"Apple", L"fig"}) AddRow(s, String(L"x") + s);
  form->HandleNeeded();
  HWND header = list->HeaderHandle();
  ASSERT_NE(nullptr, header);
  EXPECT_TRUE(GetWindowLongW(header, GWL_STYLE) & WS_VISIBLE);
  list->SetShowColumnHeaders(false);
  EXPECT_TRUE(GetWindowLongW(list->Handle(), GWL_STYLE) & LVS_NOCOLUMNHEADER);
  list->SetShowColumnHeaders(true);
  list->SetViewStyle(vsList);
  EXPECT_EQ(LVS_LIST, GetWindowLongW(list->Handle(), GWL_STYLE) & LVS_TYPEMASK);
  list->SetViewStyle(vsReport);
  list->SetFullDrag(true);
  EXPECT_TRUE(SendMessageW(list->Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_HEADERDRAGDROP);

  list->AlphaSort();
  EXPECT_EQ(L"Apple|xApple;fig|xfig;pear|xpear", ReadRows(list, 2));
  EXPECT_EQ(L"fig", list->Items()->Item(1)->Caption());
  list->OnCompare = [](TObject*, TListItem* A, TListItem* B, int, int& Result) {
    Result = static_cast<int>(B->Caption().size()) - static_cast<int>(A->Caption().size());
  };
  list->AlphaSort();  // longest first
  EXPECT_EQ(L"Apple;pear;fig", ReadRows(list, 1));
}

TEST_F(ListTest, SelectionByTheUserRaisesTheEvents) {
  list->Columns()->Add()->SetCaption(L"Name");
  for (int i = 0; i < 3; ++i) AddRow(L"row" + IntToStr(i), L"");
  std::vector<String> log;
  bool allow = true;
  list->OnChanging = [&](TObject*, TListItem* Item, TItemChange Change, bool& Allow) {
    if (Change == ctState) log.push_back(L"changing " + Item->Caption());
    Allow = allow;
  };
  list->OnSelectItem = [&](TObject*, TListItem* Item, bool Selected) {
    log.push_back((Selected ? L"select " : L"unselect ") + Item->Caption());
  };
  int inserted = 0, deleted = 0;
  list->OnInsert = [&](TObject*, TListItem*) { ++inserted; };
  list->OnDeletion = [&](TObject*, TListItem*) { ++deleted; };
  ShowAndActivate(form);
  const TRect r = list->Items()->Item(1)->DisplayRect(LVIR_LABEL);
  MoveMouse(list->ClientToScreen(TPoint(r.Left + 5, (r.Top + r.Bottom) / 2)));
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(list->Items()->Item(1), list->Selected());
  EXPECT_NE(log.end(), std::find(log.begin(), log.end(), String(L"select row1")));
  EXPECT_EQ(list->Items()->Item(1), list->GetItemAt(r.Left + 5, (r.Top + r.Bottom) / 2));

  allow = false;  // a vetoed change leaves the selection
  PostKey(VK_DOWN);
  EXPECT_EQ(list->Items()->Item(1), list->Selected());

  AddRow(L"more", L"");
  EXPECT_EQ(1, inserted);
  list->Items()->Delete(0);
  EXPECT_EQ(1, deleted);
  Free(list);  // the three that remain go with the list
  EXPECT_EQ(4, deleted);
}

// Freed from a change the system announces inside its own code, the list
// keeps its rows until that code is done with them.
TEST_F(ListTest, FreedFromAChangeByAKeyTheSystemListKeepsItsRows) {
  list->Columns()->Add()->SetCaption(L"Name");
  for (int i = 0; i < 3; ++i) AddRow(L"row" + IntToStr(i), L"");
  ShowAndActivate(form);
  list->SetFocus();
  list->Items()->Item(0)->SetSelected(true);
  list->OnChanging = [&](TObject* Sender, TListItem*, TItemChange, bool&) { Free(Sender); };
  PostKey(VK_DOWN);
  Settle();
  EXPECT_EQ(form->ControlCount(), 0);
}

class RichEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 300);
    edit = new TRichEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 300, 200);
  }
  void TearDown() override { Free(form); }
  TForm* form;
  TRichEdit* edit;
};

TEST_F(RichEditTest, ChineseTextRoundTripsThroughTheWindow) {
  edit->HandleNeeded();
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  const String text = L"\x4E2D\x6587\x6587\x672C\r\n\x7B2C\x4E8C\x884C abc";  // two lines, mixed
  edit->SetText(text);
  EXPECT_GE(changes, 1);
  EXPECT_EQ(text, edit->Text());
  EXPECT_EQ(2, edit->LineCount());
  EXPECT_EQ(L"\x7B2C\x4E8C\x884C abc", edit->Line(1));
  edit->SetSelStart(2);
  edit->SetSelLength(2);
  EXPECT_EQ(L"\x6587\x672C", edit->SelText());
  edit->SetSelText(L"\x5B57");
  EXPECT_EQ(L"\x4E2D\x6587\x5B57\r\n\x7B2C\x4E8C\x884C abc", edit->Text());

  // Text longer than the plain edit's default limit stays whole.
  String big;
  while (big.size() < 40000) big += String(98, L'\x6C49') + L"\r\n";
  edit->SetText(big);
  EXPECT_EQ(big.size(), edit->Text().size());
  // The text survives a new window.
  edit->SetScrollBars(ssBoth);
  EXPECT_EQ(big.size(), edit->Text().size());
}

TEST_F(RichEditTest, LongLinesWrapAtTheEdgeUnlessWordWrapIsOff) {
  edit->SetScrollBars(ssBoth);  // a horizontal bar alone would stop the wrapping
  String line;
  for (int i = 0; i < 30; ++i) line += L"word\x5B57 ";
  edit->SetText(line);
  EXPECT_GT(edit->LineCount(), 2);
  edit->SetWordWrap(false);
  EXPECT_EQ(1, edit->LineCount());
  EXPECT_EQ(line, edit->Text());
}

TEST_F(RichEditTest, ColourAndFontColourReachTheWindow) {
  edit->SetColor(0x00336699);
  edit->Font()->SetColor(0x00102030);
  edit->SetText(L"x");
  HWND h = edit->Handle();
  // Setting the background returns the previous one.
  EXPECT_EQ(0x00336699, SendMessageW(h, EM_SETBKGNDCOLOR, 0, 0x00336699));
  CHARFORMAT2W cf = {};
  cf.cbSize = sizeof(cf);
  SendMessageW(h, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  EXPECT_EQ(0x00102030u, cf.crTextColor);
  edit->Font()->SetColor(clRed);
  SendMessageW(h, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  EXPECT_EQ(0x000000FFu, cf.crTextColor);
}

}  // namespace
