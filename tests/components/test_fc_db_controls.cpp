// The effect label, the custom combo and the tree combo bound to a table,
// under real mouse and keys: what they show, when the record goes into edit
// state, what they write back, and sources and tables freed under them.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "classlib/ActnList.h"
#include "classlib/Forms.h"
#include "classlib/Clipbrd.h"
#include "classlib/MemTable.h"
#include "classlib/Messages.h"
#include "components/fcLabel.h"
#include "components/fcStringCombo.h"
#include "components/fcTreeCombo.h"
#include "tests/components/ComponentTestUtils.h"

namespace {

TFieldDataLink* LinkOf(TControl* C) { return reinterpret_cast<TFieldDataLink*>(C->Perform(CM_GETDATALINK, 0, 0)); }

void Type(const wchar_t* Keys) {
  for (const wchar_t* k = Keys; *k; ++k) KeyChord({}, static_cast<WORD>(towupper(*k)));
}

}  // namespace

class DBControlsTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    table = NewTable();
    const wchar_t* rows[][3] = {{L"Ann", L"Beijing", L"first line\nsecond"}, {L"Bob", L"SH", L""}};
    for (auto& r : rows) {
      table->Append();
      table->FieldByName(L"Name")->SetAsString(r[0]);
      table->FieldByName(L"City")->SetAsString(r[1]);
      table->FieldByName(L"Notes")->SetAsString(r[2]);
      table->Post();
    }
    table->First();
    source = new TDataSource(form);
    source->SetDataSet(table);
    other = Add<TfcStringCombo>(20, 200, 120, 21);  // somewhere for the focus to go
  }
  TfcStringCombo* BoundCombo(const wchar_t* Field) {
    auto* c = Add<TfcStringCombo>(20, 20, 120, 21);
    c->SetDataSource(source);
    c->SetDataField(Field);
    return c;
  }
  void Show() { ShowAndActivate(form); }
  TMemTable* NewTable() {
    auto* t = new TMemTable(form);
    t->AddField(L"Name", ftString, 8);
    t->AddField(L"City", ftString, 20);
    t->AddField(L"Age", ftInteger);
    t->AddField(L"Notes", ftMemo);
    t->Open();
    return t;
  }
  // Another table on the same fields, with one record.
  TMemTable* SecondTable(const wchar_t* Name) {
    TMemTable* t = NewTable();
    t->Append();
    t->FieldByName(L"Name")->SetAsString(Name);
    t->Post();
    return t;
  }
  // A real click on the other control: the focus leaves the bound one. The
  // spot alternates, so that two clicks in a row make no double-click.
  void Leave() {
    leaveLeft = !leaveLeft;
    MoveMouse(other->ClientToScreen(TPoint(leaveLeft ? 10 : 60, 10)));
    MouseDown();
    MouseUp();
    Settle();
  }
  String Name() { return table->FieldByName(L"Name")->AsString(); }
  TMemTable* table = nullptr;
  TDataSource* source = nullptr;
  TfcStringCombo* other = nullptr;
  bool leaveLeft = false;
};

TEST_F(DBControlsTest, LabelFollowsNavigationEditsAndMemos) {
  auto* label = Add<TfcLabel>(20, 60);
  label->SetDataSource(source);
  label->SetDataField(L"Name");
  EXPECT_EQ(label->ShownText(), L"Ann");
  const int shortWidth = label->Width();
  table->Edit();
  table->FieldByName(L"Name")->SetAsString(L"Annabell");
  EXPECT_EQ(label->ShownText(), L"Annabell");  // at once, before the post
  EXPECT_GT(label->Width(), shortWidth);     // auto-size follows the field's text
  table->Cancel();
  EXPECT_EQ(label->ShownText(), L"Ann");
  table->Next();
  EXPECT_EQ(label->ShownText(), L"Bob");

  // A memo shows its whole value, not the placeholder other controls show.
  label->SetDataField(L"Notes");
  table->First();
  EXPECT_EQ(label->ShownText(), L"first line\r\nsecond");
  EXPECT_EQ(table->FieldByName(L"Notes")->DisplayText(), L"(Memo)");

  // Right-to-left only flips a field that keeps to the left.
  label->SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(label->UseRightToLeftAlignment());
  label->SetDataField(L"Age");
  EXPECT_FALSE(label->UseRightToLeftAlignment());

  // A fixed source refuses auto-size on, with the value kept.
  label->SetAutoSize(false);
  LinkOf(label)->SetDataSourceFixed(true);
  EXPECT_THROW(label->SetAutoSize(true), EDatabaseError);
  EXPECT_FALSE(label->AutoSize());
  LinkOf(label)->SetDataSourceFixed(false);
  label->SetAutoSize(true);
  EXPECT_TRUE(label->AutoSize());
}

TEST_F(DBControlsTest, ComboShowsDisplayTextUnfocusedAndEditTextFocused) {
  table->FieldByName(L"Name")->OnGetText = [](TField* F, String& Text, bool Display) {
    if (Display) Text = L"<" + F->AsString() + L">";
  };
  auto* c = BoundCombo(L"Name");
  Show();
  EXPECT_EQ(c->Text(), L"<Ann>");
  EXPECT_EQ(c->MaxLength(), 8);  // the field's size
  c->SetFocus();
  Settle();
  EXPECT_EQ(c->Text(), L"Ann");
  EXPECT_EQ(table->State(), dsBrowse);  // focus alone does not edit
  Leave();
  EXPECT_EQ(c->Text(), L"<Ann>");
  table->Next();
  EXPECT_EQ(c->Text(), L"<Bob>");
}

TEST_F(DBControlsTest, TypingEditsAndLeavingWritesTheField) {
  auto* c = BoundCombo(L"Name");
  auto* label = Add<TfcLabel>(20, 60);
  label->SetDataSource(source);
  label->SetDataField(L"Name");
  Show();
  c->SetFocus();
  Settle();
  KeyChord({}, VK_END);
  EXPECT_EQ(table->State(), dsBrowse);
  Type(L"ie");
  EXPECT_EQ(table->State(), dsEdit);
  EXPECT_EQ(c->Text(), L"Annie");
  EXPECT_EQ(Name(), L"Ann");  // written on leaving, not per key
  Type(L"abcdef");
  EXPECT_EQ(c->Text(), L"Annieabc");  // no more than the field holds
  Leave();
  EXPECT_EQ(Name(), L"Annieabc");
  EXPECT_EQ(label->ShownText(), L"Annieabc");
  table->Next();  // moving on posts it
  table->Prior();
  EXPECT_EQ(Name(), L"Annieabc");

  // A deletion by key is an edit too: it is written back.
  c->SetFocus();
  Settle();
  KeyChord({}, VK_HOME);
  KeyChord({}, VK_DELETE);
  EXPECT_EQ(c->Text(), L"nnieabc");
  Leave();
  EXPECT_EQ(Name(), L"nnieabc");
  table->Post();
  EXPECT_EQ(table->State(), dsBrowse);

  // Moving on while the combo still has the focus (a speed button takes none)
  // posts what it holds, and the combo shows the next record for editing.
  c->SetFocus();
  Settle();
  Type(L"w");
  table->Next();
  EXPECT_EQ(c->Text(), L"Bob");
  EXPECT_TRUE(c->Focused());
  table->Prior();
  EXPECT_EQ(Name(), L"w");
}

TEST_F(DBControlsTest, EscAndCancelRestoreTheOldValue) {
  auto* c = BoundCombo(L"Name");
  Show();
  c->SetFocus();
  Settle();
  Type(L"x");
  EXPECT_EQ(c->Text(), L"x");
  KeyChord({}, VK_ESCAPE);
  EXPECT_EQ(c->Text(), L"Ann");
  EXPECT_FALSE(c->Modified());
  Type(L"zed");
  Leave();
  EXPECT_EQ(Name(), L"zed");
  table->Cancel();  // the record's edit is dropped, and the combo shows so
  EXPECT_EQ(Name(), L"Ann");
  EXPECT_EQ(c->Text(), L"Ann");
}

TEST_F(DBControlsTest, ReadOnlyFieldLinkOrAutoEditOffRefuseTyping) {
  auto* c = BoundCombo(L"Name");
  Show();
  auto tryTyping = [&] {
    c->SetFocus();
    Settle();
    KeyChord({}, VK_END);
    Type(L"q");
    KeyChord({}, VK_HOME);
    KeyChord({}, VK_DELETE);
    Leave();
  };
  table->FieldByName(L"Name")->SetReadOnly(true);
  tryTyping();
  EXPECT_EQ(c->Text(), L"Ann");
  EXPECT_EQ(table->State(), dsBrowse);
  table->FieldByName(L"Name")->SetReadOnly(false);

  LinkOf(c)->SetReadOnly(true);
  tryTyping();
  EXPECT_EQ(c->Text(), L"Ann");
  EXPECT_EQ(table->State(), dsBrowse);
  LinkOf(c)->SetReadOnly(false);

  source->SetAutoEdit(false);
  tryTyping();
  EXPECT_EQ(c->Text(), L"Ann");
  table->Edit();  // an edit started elsewhere lets it type
  tryTyping();
  EXPECT_EQ(Name(), L"nnq");
}

TEST_F(DBControlsTest, CutAndPasteGoThroughEditState) {
  auto* c = BoundCombo(L"Name");
  Show();
  c->SetFocus();
  Settle();
  c->SelectAll();
  KeyChord({VK_CONTROL}, 'X');
  EXPECT_EQ(c->Text(), L"");
  EXPECT_EQ(table->State(), dsEdit);
  EXPECT_EQ(Clipboard()->AsText(), L"Ann");
  Leave();
  EXPECT_EQ(Name(), L"");
  table->Post();
  c->SetFocus();
  Settle();
  Clipboard()->SetAsText(L"Pasted");
  KeyChord({VK_CONTROL}, 'V');
  EXPECT_EQ(table->State(), dsEdit);
  EXPECT_EQ(c->Text(), L"Pasted");
  Leave();
  EXPECT_EQ(Name(), L"Pasted");

  // A read-only link lets neither through.
  LinkOf(c)->SetReadOnly(true);
  table->Post();
  c->SetFocus();
  Settle();
  c->SelectAll();
  KeyChord({VK_CONTROL}, 'X');
  KeyChord({VK_CONTROL}, 'V');
  EXPECT_EQ(c->Text(), L"Pasted");
  EXPECT_EQ(table->State(), dsBrowse);
}

TEST_F(DBControlsTest, TreeComboStoresTextOrNodeData) {
  auto* t = Add<TfcTreeCombo>(20, 20, 120, 21);
  for (auto [text, d1, d2] : {std::tuple{L"Beijing", L"BJ", L"010"}, std::tuple{L"Shanghai", L"SH", L"021"}}) {
    TfcTreeNode* n = t->Items()->Add(nullptr, text);
    n->SetStringData(d1);
    n->SetStringData2(d2);
  }
  t->SetDataSource(source);
  t->SetDataField(L"City");
  Show();
  EXPECT_EQ(t->Text(), L"Beijing");  // the text itself
  t->SetFocus();
  Settle();
  KeyChord({}, VK_DOWN);  // the next node, chosen with the keys
  EXPECT_EQ(table->State(), dsEdit);
  EXPECT_EQ(t->Text(), L"Shanghai");
  Leave();
  EXPECT_EQ(table->FieldByName(L"City")->AsString(), L"Shanghai");
  table->Post();

  t->SetStoreDataUsing(TfcCustomTreeCombo::sdStoreData1);
  table->Next();  // "SH": the node with that data shows its text
  EXPECT_EQ(t->Text(), L"Shanghai");
  t->SetFocus();
  Settle();
  KeyChord({}, VK_UP);
  EXPECT_EQ(t->Text(), L"Beijing");
  Leave();
  EXPECT_EQ(table->FieldByName(L"City")->AsString(), L"BJ");

  t->SetStoreDataUsing(TfcCustomTreeCombo::sdStoreData2);
  table->Post();
  table->Edit();
  table->FieldByName(L"City")->SetAsString(L"021");
  EXPECT_EQ(t->Text(), L"Shanghai");
  table->FieldByName(L"City")->SetAsString(L"999");
  EXPECT_EQ(t->Text(), L"999");  // no node has it: the value itself
  t->SetFocus();
  Settle();
  KeyChord({}, VK_DOWN);
  Leave();
  EXPECT_EQ(table->FieldByName(L"City")->AsString(), L"010");

  // Bound to a field that is not there: nothing drops down.
  t->SetDataField(L"Town");
  t->DropDown();
  EXPECT_FALSE(t->GetDroppedDown());
}

TEST_F(DBControlsTest, FreeingTheSourceOrTheTableWhileBound) {
  auto* c = BoundCombo(L"Name");
  auto* label = Add<TfcLabel>(20, 60);
  label->SetDataSource(source);
  label->SetDataField(L"Name");
  Show();
  c->SetFocus();
  Settle();
  Type(L"k");  // an edit under way
  Free(table);
  table = nullptr;
  EXPECT_EQ(source->DataSet(), nullptr);
  EXPECT_EQ(c->Field(), nullptr);
  EXPECT_EQ(label->Field(), nullptr);
  Leave();  // nothing to write to
  Free(source);
  source = nullptr;
  EXPECT_EQ(c->DataSource(), nullptr);
  EXPECT_EQ(label->DataSource(), nullptr);
  c->SetFocus();
  Settle();
  Type(L"ok");  // an unbound combo again
  EXPECT_EQ(c->Text(), L"ok");
  label->SetCaption(L"plain");
  EXPECT_EQ(label->ShownText(), L"plain");
}

TEST_F(DBControlsTest, ControlsFollowTheirSourceToAnotherTableAndBackToNothing) {
  auto* label = Add<TfcLabel>(20, 60);
  label->SetCaption(L"Contact");
  label->SetDataSource(source);
  label->SetDataField(L"Name");
  auto* c = BoundCombo(L"Name");
  Show();
  EXPECT_EQ(label->ShownText(), L"Ann");
  EXPECT_EQ(label->Caption(), L"Contact");  // the program's caption stays its own
  TMemTable* second = SecondTable(L"Zoe");
  source->SetDataSet(second);
  EXPECT_EQ(c->Text(), L"Zoe");
  EXPECT_EQ(label->ShownText(), L"Zoe");
  Free(table);  // the old table goes: nothing holds its fields
  table = second;
  table->Edit();
  table->FieldByName(L"Name")->SetAsString(L"Zed");
  EXPECT_EQ(c->Text(), L"Zed");
  EXPECT_EQ(label->ShownText(), L"Zed");
  table->Cancel();
  table->Close();  // without a field: the caption, and an empty combo
  EXPECT_EQ(label->ShownText(), L"Contact");
  EXPECT_EQ(c->Text(), L"");
  table->Open();
  EXPECT_EQ(label->ShownText(), L"Zoe");
  label->SetCaption(L"");
  Free(table);
  table = nullptr;
  EXPECT_EQ(label->ShownText(), L"");
  EXPECT_EQ(c->Text(), L"");

  // Every line of a memo shows, whichever line end it uses.
  table = SecondTable(L"Memo");
  source->SetDataSet(table);
  label->SetDataField(L"Notes");
  table->Edit();
  table->FieldByName(L"Notes")->SetAsString(L"one");
  const int oneLine = label->Height();
  table->FieldByName(L"Notes")->SetAsString(L"one\ntwo\rthree\r\nfour");
  EXPECT_EQ(label->ShownText(), L"one\r\ntwo\r\nthree\r\nfour");
  EXPECT_GE(label->Height(), 4 * oneLine - 4);
}

TEST_F(DBControlsTest, ControlsMovedToAnotherSourceShowAndEditItsTable) {
  auto* label = Add<TfcLabel>(20, 60);
  label->SetDataSource(source);
  label->SetDataField(L"Name");
  auto* c = BoundCombo(L"Name");
  Show();
  table->Insert();  // the old table in another state than the new one
  TMemTable* zoe = SecondTable(L"Zoe");
  auto* second = new TDataSource(form);
  second->SetDataSet(zoe);
  c->SetDataSource(second);
  label->SetDataSource(second);
  EXPECT_EQ(c->Text(), L"Zoe");
  EXPECT_EQ(label->ShownText(), L"Zoe");
  Free(table);  // nothing holds its fields: entering the combo shows and edits the new one
  table = zoe;
  c->SetFocus();
  Settle();
  Type(L"y");
  Leave();
  EXPECT_EQ(Name(), c->Text());
  EXPECT_EQ(label->ShownText(), c->Text());
}

TEST_F(DBControlsTest, AComboTakesTypingOnceItsFieldGoes) {
  const std::vector<std::function<void()>> unbind = {
      [&] {
        Free(source);
        source = nullptr;
      },
      [&] {
        Free(table);
        table = nullptr;
      },
      [&] { LinkOf(form->Controls(form->ControlCount() - 1))->SetDataSource(nullptr); },
      [&] { LinkOf(form->Controls(form->ControlCount() - 1))->SetFieldName(L""); }};
  Show();
  for (size_t way = 0; way < unbind.size(); ++way) {
    SCOPED_TRACE(way);
    if (!table) table = SecondTable(L"Ann");
    if (!source) source = new TDataSource(form);
    source->SetDataSet(table);
    auto* c = BoundCombo(L"Name");
    c->SetFocus();
    Settle();
    table->Edit();
    table->Cancel();  // browsing again: the window is read-only until typing asks for edit state
    EXPECT_TRUE(GetWindowLongW(c->Handle(), GWL_STYLE) & ES_READONLY);
    unbind[way]();
    Settle();
    Type(L"ok");
    EXPECT_EQ(c->Text(), L"ok");
    other->SetFocus();
    Free(c);
  }
}

TEST_F(DBControlsTest, LeavingForAnotherChildOrFormWritesTheField) {
  auto* frame = new TForm(nullptr);
  frame->SetFormStyle(fsMDIForm);
  frame->SetBounds(40, 40, 640, 400);
  frame->Show();
  auto child = [&](int Left) {
    auto* f = new TForm(frame);
    f->SetFormStyle(fsMDIChild);
    f->SetBounds(Left, 10, 250, 150);
    f->Show();
    Settle();
    return f;
  };
  TForm* a = child(10);
  TForm* b = child(280);
  auto* c = new TfcStringCombo(a);
  c->SetParent(a);
  c->SetBounds(10, 10, 120, 21);
  c->SetDataSource(source);
  c->SetDataField(L"Name");
  auto* label = new TfcLabel(a);
  label->SetParent(a);
  label->SetBounds(10, 50, 100, 20);
  label->SetDataSource(source);
  label->SetDataField(L"Name");
  auto* there = new TfcStringCombo(b);
  there->SetParent(b);
  there->SetBounds(10, 10, 120, 21);
  SetForegroundWindow(frame->Handle());
  PumpUntil([&] { return GetActiveWindow() == frame->Handle(); });
  SendMessageW(frame->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a->Handle()), 0);
  Settle();
  c->SetFocus();
  Settle();
  KeyChord({}, VK_END);
  Type(L"x");
  EXPECT_EQ(Name(), L"Ann");
  KeyChord({VK_CONTROL}, VK_F6);
  EXPECT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == b; }, 5000));
  EXPECT_EQ(Name(), L"Annx");
  EXPECT_EQ(label->ShownText(), L"Annx");
  table->Post();  // a save from the other child keeps it
  EXPECT_EQ(Name(), L"Annx");

  SendMessageW(frame->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a->Handle()), 0);
  Settle();
  c->SetFocus();
  Settle();
  Type(L"y");
  Show();  // another form activated
  EXPECT_EQ(Name(), L"Annxy");
  Free(frame);
}

TEST_F(DBControlsTest, TreeComboKeepsAMousePickAndRefusesKeysWithoutAutoEdit) {
  auto* t = Add<TfcTreeCombo>(20, 20, 120, 21);
  TfcTreeNode* north = t->Items()->Add(nullptr, L"North");
  for (auto [text, data] : {std::pair{L"Beijing", L"BJ"}, std::pair{L"Shanghai", L"SH"}})
    t->Items()->AddChild(north, text)->SetStringData(data);
  t->SetDataSource(source);
  t->SetDataField(L"City");
  Show();
  EXPECT_EQ(t->Text(), L"Beijing");
  // A node picked with the mouse while browsing is the one written.
  MoveMouse(t->ButtonHolder()->ClientToScreen(TPoint(5, 5)));
  MouseDown();
  MouseUp();
  Settle();
  ASSERT_TRUE(t->GetDroppedDown());
  const TRect r = t->Items()->FindNode(L"Shanghai", false)->DisplayRect(true);
  MoveMouse(t->TreeView()->ClientToScreen(TPoint(r.Left + 4, (r.Top + r.Bottom) / 2 - 1)));
  MoveMouse(t->TreeView()->ClientToScreen(TPoint(r.Left + 5, (r.Top + r.Bottom) / 2)));
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_FALSE(t->GetDroppedDown());
  EXPECT_EQ(table->State(), dsEdit);
  EXPECT_EQ(t->Text(), L"Shanghai");
  Leave();
  EXPECT_EQ(table->FieldByName(L"City")->AsString(), L"Shanghai");
  table->Cancel();

  // With AutoEdit off the closed combo's keys change nothing.
  source->SetAutoEdit(false);
  t->SetFocus();
  Settle();
  for (WORD key : {VK_DOWN, VK_UP}) KeyChord({}, key);
  EXPECT_EQ(t->Text(), L"Beijing");
  EXPECT_EQ(table->State(), dsBrowse);
  source->SetAutoEdit(true);
  Leave();

  // In the data modes an empty value names no node, not the first without data.
  t->SetStoreDataUsing(TfcCustomTreeCombo::sdStoreData1);
  table->Append();
  EXPECT_EQ(t->Text(), L"");
  EXPECT_EQ(t->SelectedNode(), nullptr);
}

TEST_F(DBControlsTest, DataSourceActionsReachTheBoundSource) {
  struct NextRecord : TBasicAction {
    explicit NextRecord(TComponent* O) : TBasicAction(O) {}
    bool HandlesTarget(TObject* T) override { return dynamic_cast<TDataSource*>(T) != nullptr; }
    void ExecuteTarget(TObject* T) override { static_cast<TDataSource*>(T)->DataSet()->Next(); }
  };
  auto* label = Add<TfcLabel>(20, 60);
  label->SetDataSource(source);
  label->SetDataField(L"Name");
  auto* c = BoundCombo(L"Name");
  NextRecord next(nullptr);
  TBasicAction plain(nullptr);
  EXPECT_FALSE(label->ExecuteAction(&plain));
  EXPECT_TRUE(label->ExecuteAction(&next));
  EXPECT_EQ(label->ShownText(), L"Bob");
  table->First();
  EXPECT_TRUE(c->ExecuteAction(&next));
  EXPECT_EQ(c->Text(), L"Bob");
}

TEST_F(DBControlsTest, TextOfTwoLinesTakesTypingBoundOrNot) {
  auto* c = BoundCombo(L"Notes");
  Show();
  EXPECT_EQ(c->Text(), L"(Memo)");
  c->SetFocus();
  Settle();
  KeyChord({VK_CONTROL}, VK_END);
  Type(L"x");
  EXPECT_EQ(table->State(), dsEdit);
  Leave();
  EXPECT_EQ(table->FieldByName(L"Notes")->AsString(), L"first line\nsecondx");

  other->SetText(L"one\r\ntwo");
  other->SetFocus();
  Settle();
  KeyChord({VK_CONTROL}, VK_END);
  Type(L"y");
  EXPECT_EQ(other->Text(), L"one\r\ntwoy");
}

TEST_F(DBControlsTest, TypingAtTheFieldsSizeTakesNoHalfCharacter) {
  auto* c = BoundCombo(L"Name");  // 8 characters
  Show();
  c->SetFocus();
  Settle();
  KeyChord({}, VK_END);
  Type(L"abcd");  // Annabcd: room for one unit, not for a pair
  TypeInput(L"\U0001F600");
  EXPECT_EQ(c->Text(), L"Annabcd");
  KeyChord({}, VK_BACK);
  TypeInput(L"\U0001F600");  // room for the pair now
  EXPECT_EQ(c->Text(), L"Annabc\U0001F600");
  Leave();
  EXPECT_EQ(Name(), L"Annabc\U0001F600");
  // A paste cut at the field's size keeps no half of the last character.
  c->SetFocus();
  Settle();
  c->SelectAll();
  Clipboard()->SetAsText(L"1234567\U0001F600");
  KeyChord({VK_CONTROL}, 'V');
  EXPECT_EQ(c->Text(), L"1234567");
  Leave();
  EXPECT_EQ(Name(), L"1234567");
}
