// The data layer without windows: field values by type, data set states and
// navigation, the events around posting, links and the in-memory table file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "classlib/MemTable.h"
#include "classlib/DateUtils.h"
#include "classlib/TextCodec.h"

namespace {

// A contacts table with a row per name.
struct Contacts {
  Contacts() {
    table.AddField(L"Name", ftString, 8);
    table.AddField(L"Age", ftInteger);
    table.AddField(L"Score", ftFloat);
    table.AddField(L"Born", ftDate);
    table.AddField(L"Vip", ftBoolean);
    table.AddField(L"Notes", ftMemo);
    table.Open();
    for (const wchar_t* n : {L"Ann", L"Bob", L"Cy"}) {
      table.Append();
      table.FieldByName(L"Name")->SetAsString(n);
      table.Post();
    }
    table.First();
  }
  String Name() { return table.FieldByName(L"Name")->AsString(); }
  // The names from the first record to the last; the current record stays.
  String Names() {
    String all;
    const int at = table.RecNo();
    for (table.First(); !table.Eof(); table.Next()) all += Name() + L",";
    table.Last();
    all += Name();
    table.SetRecNo(at);
    return all;
  }
  TMemTable table{nullptr};
};

// A link that records what it hears.
class RecordingLink : public TFieldDataLink {
 public:
  RecordingLink() {
    OnDataChange = [this](TObject*) { log += "data;"; };
    OnEditingChange = [this](TObject*) { log += Editing() ? "editing;" : "browsing;"; };
    OnActiveChange = [this](TObject*) { log += Active() ? "active;" : "inactive;"; };
    OnUpdateData = [this](TObject*) {
      log += "update;";
      Field()->SetAsString(pending);
    };
  }
  std::string log;
  String pending;
};

}  // namespace

TEST(DataSetTest, FieldValuesByType) {
  Contacts c;
  TDataSet& t = c.table;
  EXPECT_THROW(t.FieldByName(L"Name")->SetAsString(L"x"), EDatabaseError);  // browsing
  t.Edit();
  TField* name = t.FieldByName(L"name");  // names are found in any case
  name->SetAsString(L"Annabelle Lee");
  EXPECT_EQ(name->AsString(), L"Annabell");  // cut to the field size
  EXPECT_EQ(name->Size(), 8);
  TField* age = t.FieldByName(L"Age");
  age->SetAsString(L" 42 ");
  EXPECT_EQ(age->AsInteger(), 42);
  EXPECT_EQ(age->Alignment(), taRightJustify);
  age->SetAlignment(taCenter);
  EXPECT_EQ(age->Alignment(), taCenter);
  EXPECT_EQ(name->Alignment(), taLeftJustify);
  EXPECT_THROW(age->SetAsString(L"forty"), EConvertError);
  EXPECT_EQ(age->AsInteger(), 42);  // a refused text leaves the value
  TField* score = t.FieldByName(L"Score");
  score->SetAsFloat(2.5);
  EXPECT_EQ(score->AsString(), L"2.5");
  TField* vip = t.FieldByName(L"Vip");
  vip->SetAsString(L"yes");
  EXPECT_TRUE(vip->AsBoolean());
  EXPECT_EQ(vip->DisplayText(), L"True");
  EXPECT_THROW(vip->SetAsString(L"maybe"), EDatabaseError);
  TField* born = t.FieldByName(L"Born");
  born->SetAsDateTime(EncodeDate(1990, 5, 17));
  EXPECT_EQ(born->AsDateTime(), EncodeDate(1990, 5, 17));
  EXPECT_EQ(born->AsString(), DateToStr(EncodeDate(1990, 5, 17)));
  TField* notes = t.FieldByName(L"Notes");
  notes->SetAsString(L"line one\nline two");
  EXPECT_EQ(notes->AsString(), L"line one\nline two");
  EXPECT_EQ(notes->DisplayText(), L"(Memo)");  // a memo shows as a placeholder
  EXPECT_EQ(notes->Text(), L"line one\nline two");  // and edits as its value
  EXPECT_EQ(notes->BlobType(), ftMemo);
  age->SetAsString(L"");
  EXPECT_TRUE(age->IsNull());
  t.Post();
  EXPECT_EQ(c.Name(), L"Annabell");
  EXPECT_EQ(t.FindField(L"Phone"), nullptr);
  EXPECT_THROW(t.FieldByName(L"Phone"), EDatabaseError);
  EXPECT_THROW(t.AddField(L"Phone", ftString, 10), EDatabaseError);  // only while closed
  t.Close();
  EXPECT_THROW(t.AddField(L"NAME", ftString, 10), EDatabaseError);  // once only
  name->OnGetText = [](TField*, String& Text, bool Display) { Text = Display ? L"shown" : L"edited"; };
  t.Open();
  EXPECT_EQ(name->DisplayText(), L"shown");
  EXPECT_EQ(name->Text(), L"edited");
}

TEST(DataSetTest, NavigationMarksTheEnds) {
  Contacts c;
  TDataSet& t = c.table;
  int scrolls = 0;
  t.AfterScroll = [&](TDataSet*) { ++scrolls; };
  t.Close();
  t.Open();
  EXPECT_TRUE(t.Bof());
  EXPECT_FALSE(t.Eof());
  EXPECT_EQ(t.RecNo(), 1);
  std::vector<String> seen;
  while (!t.Eof()) {
    seen.push_back(c.Name());
    t.Next();
  }
  EXPECT_EQ(seen, (std::vector<String>{L"Ann", L"Bob", L"Cy"}));
  EXPECT_EQ(t.RecNo(), 3);  // Next at the last record stays there, and nothing scrolls
  EXPECT_EQ(scrolls, 2);
  t.Prior();
  EXPECT_FALSE(t.Eof());
  EXPECT_EQ(c.Name(), L"Bob");
  t.Prior();
  t.Prior();
  EXPECT_TRUE(t.Bof());
  EXPECT_EQ(c.Name(), L"Ann");
  t.Last();
  EXPECT_TRUE(t.Eof());
  EXPECT_EQ(c.Name(), L"Cy");
  t.SetRecNo(2);
  EXPECT_EQ(c.Name(), L"Bob");
  EXPECT_EQ(t.MoveBy(5), 1);
}

TEST(DataSetTest, EditInsertPostCancelAndDelete) {
  Contacts c;
  TDataSet& t = c.table;
  std::string events;
  t.BeforeEdit = [&](TDataSet*) { events += "beforeEdit;"; };
  t.BeforePost = [&](TDataSet*) { events += "beforePost;"; };
  t.AfterPost = [&](TDataSet*) { events += "afterPost;"; };
  t.AfterCancel = [&](TDataSet*) { events += "afterCancel;"; };
  t.OnNewRecord = [&](TDataSet* D) { D->FieldByName(L"Age")->SetAsInteger(18); };

  t.Cancel();  // browsing: nothing to cancel
  EXPECT_THROW(t.Post(), EDatabaseError);
  EXPECT_THROW(t.UpdateRecord(), EDatabaseError);
  t.Next();
  t.Edit();
  t.Edit();  // already editing: nothing happens again
  EXPECT_EQ(t.State(), dsEdit);
  t.FieldByName(L"Name")->SetAsString(L"Bob");  // the same value is no change
  EXPECT_FALSE(t.Modified());
  t.FieldByName(L"Name")->SetAsString(L"Rob");
  EXPECT_TRUE(t.Modified());
  t.Cancel();  // the old value comes back
  EXPECT_EQ(t.State(), dsBrowse);
  EXPECT_EQ(c.Name(), L"Bob");

  t.Insert();  // before the current record, with the new-record default
  EXPECT_EQ(t.State(), dsInsert);
  EXPECT_EQ(t.RecNo(), 0);
  EXPECT_EQ(t.FieldByName(L"Age")->AsInteger(), 18);
  t.FieldByName(L"Name")->SetAsString(L"Ada");
  t.Post();
  EXPECT_EQ(t.RecNo(), 2);
  EXPECT_EQ(t.RecordCount(), 4);

  t.Edit();
  t.FieldByName(L"Age")->SetAsInteger(30);
  t.Insert();  // an edit under way is posted first
  t.Cancel();
  EXPECT_EQ(t.FieldByName(L"Age")->AsInteger(), 30);
  t.Insert();
  t.Delete();  // drops the new record, not the one under it
  EXPECT_EQ(t.RecordCount(), 4);
  t.Append();
  EXPECT_TRUE(t.Eof());
  t.Cancel();  // a cancelled insert returns to where it started, end marks and all
  EXPECT_EQ(t.RecordCount(), 4);
  EXPECT_EQ(c.Name(), L"Ada");
  EXPECT_FALSE(t.Eof());

  t.Edit();
  t.FieldByName(L"Name")->SetAsString(L"Adah");
  t.Next();  // moving on posts the change
  EXPECT_EQ(t.State(), dsBrowse);
  t.Prior();
  EXPECT_EQ(c.Name(), L"Adah");
  EXPECT_EQ(events,
            "beforeEdit;afterCancel;beforePost;afterPost;beforeEdit;beforePost;afterPost;afterCancel;afterCancel;"
            "afterCancel;beforeEdit;beforePost;afterPost;");

  t.Delete();
  EXPECT_EQ(t.RecordCount(), 3);
  EXPECT_EQ(c.Name(), L"Bob");  // the next record takes its place
  t.Last();
  t.Delete();
  EXPECT_EQ(c.Name(), L"Bob");  // after the last, the one before
  t.Delete();
  t.Delete();
  EXPECT_TRUE(t.IsEmpty());
  EXPECT_TRUE(t.Eof() && t.Bof());
  EXPECT_THROW(t.Delete(), EDatabaseError);
  t.First();
  EXPECT_EQ(t.RecNo(), 0);
  t.Edit();  // an empty table inserts instead
  EXPECT_EQ(t.State(), dsInsert);
  t.Cancel();
  EXPECT_TRUE(t.IsEmpty());
}

TEST(DataSetTest, RecordsGoWhereInsertedAppendedAndPosted) {
  Contacts c;
  TDataSet& t = c.table;
  t.Insert();  // at the first record: before it
  t.FieldByName(L"Name")->SetAsString(L"Ada");
  t.Post();
  EXPECT_EQ(t.RecNo(), 1);
  EXPECT_EQ(c.Names(), L"Ada,Ann,Bob,Cy,Cy");
  t.Last();
  t.Insert();  // at the last record: before it, not after
  t.FieldByName(L"Name")->SetAsString(L"Bo");
  t.Post();
  EXPECT_EQ(t.RecNo(), 4);
  EXPECT_EQ(c.Name(), L"Bo");
  t.Append();
  EXPECT_EQ(c.Name(), L"");  // the new record shows blank, not the one before
  t.FieldByName(L"Name")->SetAsString(L"Zed");
  t.Post();
  EXPECT_EQ(c.Name(), L"Zed");  // after the post the new record is current
  EXPECT_EQ(t.RecNo(), 6);
  EXPECT_EQ(c.Names(), L"Ada,Ann,Bob,Bo,Cy,Zed,Zed");
  // A cancelled insert returns to the record it started from, at either end.
  t.First();
  t.Insert();
  t.Cancel();
  EXPECT_EQ(c.Name(), L"Ada");
  EXPECT_TRUE(t.Bof());
  t.Last();
  t.Append();
  t.Cancel();
  EXPECT_EQ(c.Name(), L"Zed");
  EXPECT_TRUE(t.Eof());
  EXPECT_EQ(t.RecordCount(), 6);

  TMemTable empty(nullptr);  // the first record of an empty table
  empty.AddField(L"N", ftInteger);
  empty.Open();
  EXPECT_EQ(empty.RecNo(), 0);
  empty.Insert();
  empty.Fields(0)->SetAsInteger(1);
  empty.Post();
  EXPECT_EQ(empty.RecNo(), 1);
  EXPECT_FALSE(empty.Eof() || empty.Bof());
  empty.Append();
  empty.Cancel();
  EXPECT_EQ(empty.Fields(0)->AsInteger(), 1);
}

TEST(DataSetTest, MovingKeepsATypedEditAndDropsAnUntouchedNewRecord) {
  Contacts c;
  TDataSet& t = c.table;
  TDataSource source(nullptr);
  source.SetDataSet(&t);
  RecordingLink link;  // a control with typed text not yet written
  link.SetFieldName(L"Name");
  link.SetDataSource(&source);
  // Every move posts what the control holds: Next, Prior, First, Last, RecNo.
  const std::vector<std::function<void()>> moves = {
      [&] { t.Next(); }, [&] { t.Prior(); }, [&] { t.Last(); }, [&] { t.First(); }, [&] { t.SetRecNo(2); }};
  for (size_t i = 0; i < moves.size(); ++i) {
    SCOPED_TRACE(i);
    const int at = t.RecNo();
    ASSERT_TRUE(link.Edit());
    link.pending = L"Typed" + IntToStr(static_cast<int64_t>(i));
    link.Modified();
    moves[i]();
    EXPECT_EQ(t.State(), dsBrowse);
    t.SetRecNo(at);
    EXPECT_EQ(c.Name(), link.pending);
  }
  // A new record nobody touched goes when the user moves on, also after an
  // edit was posted and with defaults set by OnNewRecord.
  t.Edit();
  t.FieldByName(L"Age")->SetAsInteger(3);
  t.Post();
  for (int defaults = 0; defaults < 2; ++defaults) {
    if (defaults) t.OnNewRecord = [](TDataSet* D) { D->FieldByName(L"Vip")->SetAsBoolean(true); };
    for (const std::function<void()>& move : moves) {
      t.Append();
      move();
      EXPECT_EQ(t.RecordCount(), 3);
    }
  }
  t.Edit();  // an edit that changed nothing is not a change
  EXPECT_FALSE(t.Modified());
}

TEST(DataSetTest, BlankValuesOfEveryTypeShowBlank) {
  Contacts c;
  c.table.Append();
  for (int i = 0; i < c.table.FieldCount(); ++i) {
    TField* f = c.table.Fields(i);
    SCOPED_TRACE(f->FieldName());
    EXPECT_TRUE(f->IsNull());
    EXPECT_EQ(f->AsString(), L"");
    EXPECT_EQ(f->DisplayText(), f->IsBlob() ? L"(Memo)" : L"");
  }
  TField* age = c.table.FieldByName(L"Age");
  EXPECT_EQ(age->AsInteger(), 0);
  EXPECT_EQ(age->AsFloat(), 0);
  EXPECT_FALSE(c.table.FieldByName(L"Vip")->AsBoolean());
  EXPECT_EQ(c.table.FieldByName(L"Born")->AsDateTime(), 0);
  EXPECT_FALSE(c.table.FieldByName(L"Name")->AsBoolean());
  age->SetAsInteger(4);
  age->SetAsString(L"  ");  // blanks clear a number
  EXPECT_TRUE(age->IsNull());
  c.table.FieldByName(L"Name")->SetAsString(L" ");  // but are a string's value
  EXPECT_EQ(c.Name(), L" ");
}

TEST(DataSetTest, ConversionsBetweenTypesAndTheDecimalSeparator) {
  Contacts c;
  TDataSet& t = c.table;
  t.Edit();
  TField* score = t.FieldByName(L"Score");
  TField* age = t.FieldByName(L"Age");
  TField* vip = t.FieldByName(L"Vip");
  TField* name = t.FieldByName(L"Name");
  TField* born = t.FieldByName(L"Born");
  FormatSettings().DecimalSeparator = L',';
  score->SetAsString(L"3,5");
  EXPECT_EQ(score->AsFloat(), 3.5);
  EXPECT_EQ(score->AsString(), L"3,5");
  EXPECT_EQ(score->AsInteger(), 4);  // halves to even
  name->SetAsFloat(0.25);
  EXPECT_EQ(c.Name(), L"0,25");
  EXPECT_EQ(name->AsFloat(), 0.25);
  FormatSettings().DecimalSeparator = L'.';
  EXPECT_EQ(score->AsString(), L"3.5");  // stored apart from the separator
  age->SetAsFloat(3.5);
  EXPECT_EQ(age->AsInteger(), 4);
  EXPECT_EQ(age->AsFloat(), 4);
  age->SetAsBoolean(true);
  EXPECT_EQ(age->AsInteger(), 1);
  vip->SetAsInteger(-7);
  EXPECT_EQ(vip->AsString(), L"True");
  EXPECT_EQ(vip->AsInteger(), 1);
  vip->SetAsFloat(0);
  EXPECT_EQ(vip->AsFloat(), 0);
  vip->SetAsBoolean(false);
  EXPECT_EQ(vip->AsString(), L"False");
  age->SetAsBoolean(false);
  EXPECT_EQ(age->AsString(), L"0");
  name->SetAsBoolean(false);
  EXPECT_EQ(c.Name(), L"False");
  EXPECT_FALSE(name->AsBoolean());
  name->SetAsString(L"Y");
  EXPECT_TRUE(name->AsBoolean());
  name->SetAsInteger(-12);
  EXPECT_EQ(name->AsInteger(), -12);
  born->SetAsString(DateToStr(EncodeDate(2001, 2, 3)));
  EXPECT_EQ(born->AsDateTime(), EncodeDate(2001, 2, 3));
  EXPECT_EQ(born->AsInteger(), static_cast<int>(EncodeDate(2001, 2, 3)));
  TField* notes = t.FieldByName(L"Notes");
  notes->SetAsDateTime(EncodeDate(2001, 2, 3));
  EXPECT_EQ(notes->AsDateTime(), EncodeDate(2001, 2, 3));
  score->SetAsDateTime(1.5);
  EXPECT_EQ(score->AsFloat(), 1.5);
  EXPECT_THROW(vip->SetAsDateTime(1), EDatabaseError);
  EXPECT_THROW(born->SetAsBoolean(true), EDatabaseError);
  EXPECT_THROW(score->SetAsFloat(HUGE_VAL), EDatabaseError);  // no file could give it back
  EXPECT_THROW(born->SetAsDateTime(NAN), EDatabaseError);
  EXPECT_THROW(name->AsBoolean(), EDatabaseError);
  EXPECT_EQ(score->AsFloat(), 1.5);  // the refused values left it
  score->SetAsFloat(0);
  EXPECT_EQ(score->AsString(), L"0");  // zero is no blank
}

TEST(DataSetTest, ReadOnlyRefusesChanges) {
  Contacts c;
  TDataSet& t = c.table;
  t.FieldByName(L"Age")->SetReadOnly(true);
  EXPECT_FALSE(t.FieldByName(L"Age")->CanModify());
  EXPECT_TRUE(t.FieldByName(L"Name")->CanModify());
  t.Edit();
  EXPECT_THROW(t.FieldByName(L"Age")->SetAsInteger(3), EDatabaseError);
  t.Cancel();
  t.SetReadOnly(true);
  EXPECT_FALSE(t.FieldByName(L"Name")->CanModify());
  EXPECT_THROW(t.Edit(), EDatabaseError);
  EXPECT_THROW(t.Append(), EDatabaseError);
  EXPECT_THROW(t.Delete(), EDatabaseError);
  EXPECT_EQ(t.State(), dsBrowse);
  t.Close();
  EXPECT_EQ(t.State(), dsInactive);
  EXPECT_THROW(t.Next(), EDatabaseError);
  EXPECT_EQ(t.RecordCount(), 0);
  EXPECT_EQ(t.FieldByName(L"Name")->AsString(), L"");  // a closed set shows nothing
}

TEST(DataLinkTest, FieldLinkFollowsTheDataSet) {
  Contacts c;
  TDataSource source(nullptr);
  RecordingLink link;
  link.SetFieldName(L"Name");
  link.SetDataSource(&source);
  EXPECT_EQ(link.Field(), nullptr);
  source.SetDataSet(&c.table);
  EXPECT_EQ(link.log, "data;active;");  // the field is found and shown
  ASSERT_NE(link.Field(), nullptr);
  link.log.clear();

  c.table.Next();
  EXPECT_EQ(link.log, "data;");
  link.log.clear();
  c.table.Edit();
  c.table.FieldByName(L"Age")->SetAsInteger(5);  // another field: nothing to show
  EXPECT_EQ(link.log, "editing;data;");
  link.log.clear();

  // A pending edit is written when the record is posted, and only then.
  link.Modified();
  link.pending = L"Bobby";
  c.table.Post();
  EXPECT_EQ(link.log, "update;browsing;data;");
  EXPECT_EQ(c.Name(), L"Bobby");
  link.log.clear();

  // An unmodified link writes nothing.
  c.table.Edit();
  c.table.Post();
  EXPECT_EQ(link.log, "editing;data;browsing;data;");
  link.log.clear();

  // Edit through the link: refused read-only, by AutoEdit off, by a read-only field.
  link.SetReadOnly(true);
  EXPECT_FALSE(link.Edit());
  EXPECT_EQ(c.table.State(), dsBrowse);
  link.SetReadOnly(false);
  source.SetAutoEdit(false);
  EXPECT_FALSE(link.Edit());
  source.SetAutoEdit(true);
  c.table.FieldByName(L"Name")->SetReadOnly(true);
  EXPECT_FALSE(link.CanModify());
  EXPECT_FALSE(link.Edit());
  EXPECT_EQ(c.table.State(), dsBrowse);
  c.table.FieldByName(L"Name")->SetReadOnly(false);
  EXPECT_TRUE(link.Edit());
  EXPECT_EQ(c.table.State(), dsEdit);
  // Made read-only while editing, a link drops its pending edit; a plain one stops editing.
  TDataLink plain;
  plain.SetDataSource(&source);
  EXPECT_TRUE(plain.Editing());
  plain.SetReadOnly(true);
  EXPECT_FALSE(plain.Editing());
  c.table.Cancel();
  EXPECT_FALSE(plain.Edit());
  EXPECT_EQ(c.table.State(), dsBrowse);
  // A link moved to a field that cannot change stops editing.
  c.table.FieldByName(L"Age")->SetReadOnly(true);
  ASSERT_TRUE(link.Edit());
  link.SetFieldName(L"Age");
  EXPECT_FALSE(link.Editing());
  link.SetFieldName(L"Name");
  EXPECT_TRUE(link.Editing());
  c.table.FieldByName(L"Age")->SetReadOnly(false);
  link.Modified();
  link.SetReadOnly(true);
  EXPECT_FALSE(link.IsModified());
  TField* told = nullptr;
  int updates = 0;
  source.OnDataChange = [&](TObject*, TField* Field) { told = Field; };
  source.OnUpdateData = [&](TObject*) { ++updates; };
  c.table.UpdateRecord();
  EXPECT_EQ(updates, 1);
  link.SetReadOnly(false);
  link.Field()->SetAsString(L"Bobo");  // the source names the field that changed
  EXPECT_EQ(told, link.Field());
  link.SetReadOnly(false);
  plain.SetDataSourceFixed(true);  // a fixed source is not to be changed
  TDataSource another(nullptr);
  EXPECT_THROW(plain.SetDataSource(&another), EDatabaseError);
  EXPECT_EQ(plain.DataSource(), &source);
  c.table.Cancel();
  link.log.clear();

  // A disabled source looks like a closed data set, and passes nothing on.
  int changes = 0;
  source.OnDataChange = [&](TObject*, TField*) { ++changes; };
  source.SetEnabled(false);
  EXPECT_FALSE(link.Active());
  EXPECT_EQ(link.Field(), nullptr);
  c.table.Next();
  c.table.FieldByName(L"Age")->SetAlignment(taCenter);
  EXPECT_EQ(changes, 0);
  source.SetEnabled(true);
  EXPECT_EQ(link.log, "data;inactive;data;active;");
  c.table.FieldByName(L"Age")->SetAlignment(taLeftJustify);  // the controls redraw
  c.table.FieldByName(L"Age")->SetAlignment(taLeftJustify);
  EXPECT_EQ(changes, 1);
}

TEST(DataLinkTest, FreeingTheSourceOrTheDataSetUnlinks) {
  auto* table = new Contacts;
  auto* source = new TDataSource(nullptr);
  int stateChanges = 0;
  source->OnStateChange = [&](TObject*) { ++stateChanges; };
  RecordingLink link;
  link.SetFieldName(L"Name");
  link.SetDataSource(source);
  source->SetDataSet(&table->table);
  table->table.Edit();
  source->SetEnabled(true);  // no change of state: no notice
  EXPECT_EQ(stateChanges, 2);
  delete table;  // the source hears of it and becomes inactive
  EXPECT_EQ(source->DataSet(), nullptr);
  EXPECT_EQ(source->State(), dsInactive);
  EXPECT_FALSE(link.Active());
  EXPECT_EQ(link.Field(), nullptr);
  Free(source);
  EXPECT_EQ(link.DataSource(), nullptr);
  EXPECT_FALSE(link.Edit());
}

TEST(DataLinkTest, LinksMadeInEitherOrderAndComponentsComingAndGoing) {
  Contacts a, b;
  b.table.Next();
  TComponent owner(nullptr);
  auto* source = new TDataSource(&owner);
  source->SetDataSet(&a.table);
  RecordingLink nameLast, sourceLast;
  nameLast.SetDataSource(source);
  nameLast.SetFieldName(L"Name");  // the field name after the source
  sourceLast.SetFieldName(L"Name");
  sourceLast.SetDataSource(source);
  for (RecordingLink* l : {&nameLast, &sourceLast}) EXPECT_EQ(l->Field(), a.table.FieldByName(L"Name"));
  // Components made and freed on the same owner leave the links alone.
  Free(new TDataSource(&owner));
  Free(new TMemTable(&owner));
  EXPECT_EQ(source->DataSet(), &a.table);
  EXPECT_TRUE(nameLast.Active());

  // Pointed at another open table, the links take its fields and values.
  nameLast.log.clear();
  source->SetDataSet(&b.table);
  EXPECT_EQ(nameLast.Field(), b.table.FieldByName(L"Name"));
  EXPECT_EQ(nameLast.Field()->AsString(), L"Bob");
  EXPECT_EQ(nameLast.log, "data;inactive;data;active;");
  a.table.Next();  // the old table is heard no more
  a.table.Close();
  EXPECT_TRUE(nameLast.Active());
  EXPECT_EQ(nameLast.log, "data;inactive;data;active;");

  // A link moved to another source hears only the new one.
  TDataSource second(nullptr);
  a.table.Open();
  second.SetDataSet(&a.table);
  sourceLast.SetDataSource(&second);
  sourceLast.log.clear();
  b.table.Next();
  EXPECT_EQ(sourceLast.log, "");
  a.table.Next();
  EXPECT_EQ(sourceLast.log, "data;");
  Free(source);
  EXPECT_EQ(nameLast.DataSource(), nullptr);
}

// A link's field belongs to its source's data set, whatever moved it: a link
// moved to a source whose table is in the same state, or one a throwing
// handler passed over, must not keep the old table's field and read it once
// that table is freed.
TEST(DataLinkTest, ALinkNeverKeepsAFieldOfADataSetItLeft) {
  auto* a = new Contacts;
  Contacts b;
  TDataSource sourceA(nullptr), sourceB(nullptr);
  sourceA.SetDataSet(&a->table);
  sourceB.SetDataSet(&b.table);
  b.table.Next();
  RecordingLink link;
  link.SetFieldName(L"Name");
  link.SetDataSource(&sourceA);
  link.log.clear();
  link.SetDataSource(&sourceB);  // both tables browsing
  EXPECT_EQ(link.Field(), b.table.FieldByName(L"Name"));
  EXPECT_EQ(link.log, "data;inactive;data;active;");
  delete a;
  EXPECT_EQ(link.Field()->AsString(), L"Bob");
  // A handler that points the source at one table while it leaves for
  // another: the link ends on the table the source ends on.
  Contacts third, fourth;
  TDataSource source(nullptr);
  source.SetDataSet(&b.table);
  link.SetDataSource(&source);
  bool pointed = false;
  source.OnStateChange = [&](TObject*) {
    if (!std::exchange(pointed, true)) source.SetDataSet(&fourth.table);
  };
  source.SetDataSet(&third.table);
  EXPECT_EQ(link.Field(), third.table.FieldByName(L"Name"));
  link.SetDataSource(&sourceB);

  // A handler that throws while the data set closes stops no other link.
  RecordingLink thrower, other;
  for (RecordingLink* l : {&thrower, &other}) {
    l->SetFieldName(L"Name");
    l->SetDataSource(&sourceB);
  }
  thrower.OnActiveChange = [](TObject*) { throw Exception(L"from a handler"); };
  EXPECT_THROW(b.table.Close(), Exception);
  for (RecordingLink* l : {&link, &thrower, &other}) {
    EXPECT_FALSE(l->Active());
    EXPECT_EQ(l->Field(), nullptr);
  }

  // Nothing binds to a source or a data set that is being freed.
  auto* c = new Contacts;
  auto* sourceC = new TDataSource(nullptr);
  sourceC->SetDataSet(&c->table);
  TDataSource late(nullptr);
  RecordingLink bound, latecomer;
  std::function<void()> bindAgain;
  int refused = 0;
  bound.OnActiveChange = [&](TObject*) {
    try {
      if (bindAgain) bindAgain();
    } catch (const EDatabaseError&) {
      ++refused;
    }
  };
  bound.SetDataSource(sourceC);
  bindAgain = [&] { latecomer.SetDataSource(sourceC); };
  Free(sourceC);
  EXPECT_EQ(latecomer.DataSource(), nullptr);
  bindAgain = nullptr;
  bound.SetDataSource(&late);
  late.SetDataSet(&c->table);
  bindAgain = [&] { late.SetDataSet(&c->table); };
  delete c;
  EXPECT_EQ(late.DataSet(), nullptr);
  EXPECT_EQ(refused, 2);
}

TEST(DataLinkTest, UpdateRecordIsNotEchoed) {
  Contacts c;
  TDataSource source(nullptr);
  source.SetDataSet(&c.table);
  RecordingLink writer, other;
  for (RecordingLink* l : {&writer, &other}) {
    l->SetFieldName(L"Name");
    l->SetDataSource(&source);
    l->log.clear();
  }
  writer.Edit();
  writer.Modified();
  writer.pending = L"Anna";
  writer.UpdateRecord();
  EXPECT_FALSE(writer.IsModified());  // written once
  EXPECT_EQ(writer.log, "editing;data;update;");  // its own write does not come back to it
  EXPECT_EQ(other.log, "editing;data;data;");     // another control on the field shows it
  c.table.Next();
  c.table.Prior();
  EXPECT_EQ(c.Name(), L"Anna");  // moving on posted the written edit
}

TEST(MemTableTest, FileKeepsEveryValueAndMatchesColumnsByName) {
  const String file = L"test_db_contacts.txt";
  {
    Contacts c;
    c.table.Edit();
    c.table.FieldByName(L"Notes")->SetAsString(L"tab\there\r\nback\\slash 中文");
    c.table.FieldByName(L"Score")->SetAsFloat(0.1);
    c.table.SaveToFile(file);  // posts the edit first
    EXPECT_EQ(c.table.State(), dsBrowse);
  }
  TMemTable other(nullptr);
  other.AddField(L"Notes", ftMemo);
  other.AddField(L"Name", ftString, 20);
  other.AddField(L"Email", ftString, 40);  // not in the file: empty
  other.AddField(L"Score", ftFloat);
  other.Open();
  other.LoadFromFile(file);
  EXPECT_EQ(other.RecordCount(), 3);
  EXPECT_EQ(other.RecNo(), 1);
  EXPECT_EQ(other.FieldByName(L"Name")->AsString(), L"Ann");
  EXPECT_EQ(other.FieldByName(L"Notes")->AsString(), L"tab\there\r\nback\\slash 中文");
  EXPECT_EQ(other.FieldByName(L"Score")->AsFloat(), 0.1);
  EXPECT_EQ(other.FieldByName(L"Email")->AsString(), L"");
  other.Last();
  EXPECT_EQ(other.FieldByName(L"Name")->AsString(), L"Cy");
  std::remove(WideToUtf8(file).c_str());
}

TEST(MemTableTest, EmptyingAndLoadingInEveryState) {
  Contacts c;
  TMemoryStream file;
  c.table.SaveToStream(&file);
  auto enter = [](TMemTable& T, int State) {  // closed, browsing, editing, inserting
    if (State == 0) T.Close();
    if (State == 2) T.Edit();
    if (State == 3) T.Insert();
    if (State >= 2) T.FieldByName(L"Name")->SetAsString(L"Edited");
  };
  for (int state = 0; state < 4; ++state) {
    SCOPED_TRACE(state);
    Contacts t;
    enter(t.table, state);
    t.table.EmptyTable();
    EXPECT_EQ(t.table.State(), state ? dsBrowse : dsInactive);
    t.table.Open();
    t.table.Last();
    EXPECT_TRUE(t.table.IsEmpty());
    EXPECT_TRUE(t.table.Bof() && t.table.Eof());
    t.table.Append();  // a table emptied takes records again
    t.table.FieldByName(L"Name")->SetAsString(L"New");
    t.table.Post();
    EXPECT_EQ(t.table.RecordCount(), 1);
    enter(t.table, state);
    file.SetPosition(0);
    t.table.LoadFromStream(&file);  // a pending edit goes with the old records
    t.table.Open();
    EXPECT_EQ(t.table.State(), dsBrowse);
    EXPECT_EQ(t.Names(), L"Ann,Bob,Cy,Cy");
    EXPECT_EQ(t.table.RecNo(), 1);
  }
}

namespace {

// Loads Bytes into a contacts table; returns the message of the refusal, or
// "" when the load took the file.
String Load(Contacts& C, const std::string& Bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  stream.SetPosition(0);
  try {
    C.table.LoadFromStream(&stream);
  } catch (const EDatabaseError& e) {
    return e.Message();
  }
  return String();
}

std::string Saved(TMemTable& T) {
  TMemoryStream stream;
  T.SaveToStream(&stream);
  std::string bytes(static_cast<size_t>(stream.Size()), '\0');
  stream.SetPosition(0);
  stream.ReadBuffer(&bytes[0], stream.Size());
  return bytes;
}

}  // namespace

TEST(MemTableTest, ABadFileIsRefusedByLineAndColumnAndChangesNothing) {
  const std::string head = "Name\tAge\tScore\tBorn\tVip\n";
  const struct {
    std::string bytes;
    const wchar_t* message;
  } bad[] = {
      {"", L"no field names"},
      {head + "Ann\t1\t2\t3\t1", L"line 2: the file ends inside the line"},
      {head + "Ann\t1\t2\n", L"line 2: 3 values where the first line names 5"},
      {head + "Ann\t1\t2\t3\t1\t6\n", L"line 2: 6 values"},
      {head + "Ann\t1\t2\t3\t1\nBo\tabc\t\t\t\n", L"line 3, column 2 (Age): 'abc' is not an integer"},
      {head + "Bo\t12abc\t\t\t\n", L"'12abc' is not an integer"},
      {head + "Bo\t99999999999\t\t\t\n", L"is not an integer"},
      {head + "Bo\t+1\t\t\t\n", L"is not an integer"},
      {head + "Bo\t\t1.5.3\t\t\n", L"column 3 (Score): '1.5.3' is not a number"},
      {head + "Bo\t\t1e999\t\t\n", L"'1e999' is not a number"},
      {head + "Bo\t\t.\t\t\n", L"'.' is not a number"},
      {head + "Bo\t\t1:5\t\t\n", L"'1:5' is not a number"},
      {head + "Bo\t\t inf\t\t\n", L"is not a number"},
      {head + "Bo\t\t\tyesterday\t\n", L"column 4 (Born): 'yesterday' is not a date"},
      {head + "Bo\t\t\t31-02-2020\t\n", L"is not a date"},
      {head + "Bo\t\t\t2958466\t\n", L"is not a date"},  // the day after 9999-12-31
      {head + "Bo\t\t\t-693594\t\n", L"is not a date"},  // the day before 0001-01-01
      {head + "Bo\t\t\t\tmaybe\n", L"column 5 (Vip): 'maybe' is not a boolean"},
      {head + "B\xC3\t\t\t\t\n", L"line 2, column 1: bytes that are not UTF-8"},
      {head + "Bo\t\xED\xA0\x80\t\t\t\n", L"column 2: bytes that are not UTF-8"},
      {"\xFF\xFEN\0a\0", L"line 1"},  // UTF-16
      {head + "Bo\t1\t\t\t\rCy\t2\t\t\t\n", L"line 2, column 5: a carriage return without a line feed"},
      {head + std::string("B\0o\t\t\t\t\n", 9), L"line 2, column 1: a NUL byte"},
      {head + "B\\q\t\t\t\t\n", L"column 1: a backslash not followed by"},
      {head + "Bo\t\t\t\t\\\n", L"column 5: a backslash"},
      {"Phone\tEmail\n", L"line 1: no column names a field"},
      {"Name\tAge\tname\n", L"line 1, column 3 (name): the field is named twice"},
  };
  for (const auto& b : bad) {
    SCOPED_TRACE(b.message);
    Contacts c;
    c.table.SetName(L"Contacts");
    c.table.Next();
    c.table.Edit();
    c.table.FieldByName(L"Age")->SetAsInteger(9);
    const String message = Load(c, b.bytes);
    EXPECT_NE(message.find(b.message), String::npos) << WideToUtf8(message);
    EXPECT_EQ(message.rfind(L"Contacts: ", 0), 0u);
    // The records, the current one and its pending edit are as they were.
    EXPECT_EQ(c.table.State(), dsEdit);
    EXPECT_EQ(c.table.FieldByName(L"Age")->AsInteger(), 9);
    c.table.Cancel();
    EXPECT_EQ(c.Names(), L"Ann,Bob,Cy,Cy");
    EXPECT_EQ(c.Name(), L"Bob");
  }
}

TEST(MemTableTest, FileSpellingsTheLoadTakesAndTheSaveWrites) {
  Contacts c;
  // A byte-order mark, CR LF line ends, spelled booleans, a number in any
  // form of digits (kept as written: it reads back to the same value), a
  // blank of every type and a string past its size.
  ASSERT_EQ(Load(c, "\xEF\xBB\xBFName\tVip\tAge\tScore\tBorn\tExtra\r\n"
                    "Annabelle Lee\tTrue\t007\t.5e1\t36000.5\tignored\r\n"
                    "Bo\tfalse\t-3\t1e+300\t-693593\t\n"
                    "Cy\t0\t\t-0\t1E-2\t\n"
                    "\t\t\t\t\t\n"),
            L"");
  EXPECT_EQ(c.table.RecordCount(), 4);
  EXPECT_EQ(c.Name(), L"Annabell");  // cut as SetAsString cuts it
  EXPECT_TRUE(c.table.FieldByName(L"Vip")->AsBoolean());
  EXPECT_EQ(c.table.FieldByName(L"Score")->AsFloat(), 5);
  const std::string saved = Saved(c.table);
  EXPECT_EQ(saved,
            "Name\tAge\tScore\tBorn\tVip\tNotes\n"
            "Annabell\t7\t.5e1\t36000.5\t1\t\n"
            "Bo\t-3\t1e+300\t-693593\t0\t\n"
            "Cy\t\t-0\t1E-2\t0\t\n"
            "\t\t\t\t\t\n");
  ASSERT_EQ(Load(c, saved), L"");  // what the save wrote loads to the same bytes
  EXPECT_EQ(Saved(c.table), saved);
}

TEST(DataSetTest, ValuesNoFileCouldGiveBackAreRefusedWhenSet) {
  Contacts c;
  c.table.Edit();
  TField* born = c.table.FieldByName(L"Born");
  TField* name = c.table.FieldByName(L"Name");
  TField* notes = c.table.FieldByName(L"Notes");
  born->SetAsDateTime(-693593);  // 0001-01-01
  born->SetAsDateTime(2958465.5);  // noon of 9999-12-31
  EXPECT_THROW(born->SetAsDateTime(2958466), EDatabaseError);
  EXPECT_THROW(born->SetAsDateTime(-693594), EDatabaseError);
  EXPECT_THROW(born->SetAsFloat(1e9), EDatabaseError);
  EXPECT_THROW(born->SetAsInteger(3000000), EDatabaseError);
  EXPECT_EQ(born->AsFloat(), 2958465.5);  // a refused value leaves the one before
  EXPECT_THROW(name->SetAsString(String(L"A\0B", 3)), EDatabaseError);
  EXPECT_THROW(notes->SetAsString(String(L"line\0", 5)), EDatabaseError);
  EXPECT_THROW(notes->SetAsString(String(1, static_cast<wchar_t>(0xD83D)) + L"x"), EDatabaseError);
  EXPECT_THROW(notes->SetAsString(String(1, static_cast<wchar_t>(0xDE00))), EDatabaseError);
  notes->SetAsString(L"smile \U0001F600");
  // A value cut at the field's size loses a whole character, never half of one.
  const String emoji = L"\U0001F600";
  name->SetAsString(L"1234567" + emoji);
  EXPECT_EQ(name->AsString(), L"1234567" + (emoji.size() == 1 ? emoji : String()));
  c.table.Post();
  const std::string saved = Saved(c.table);
  ASSERT_EQ(Load(c, saved), L"");
  EXPECT_EQ(Saved(c.table), saved);
  // Loaded from a file, a value is cut in the same way.
  ASSERT_EQ(Load(c, "Name\n12345678\n1234567\xF0\x9F\x98\x80\n"), L"");
  c.table.Last();
  EXPECT_EQ(c.Name(), L"1234567" + (emoji.size() == 1 ? emoji : String()));
}

TEST(DataSetTest, ErrorsNameTheComponentOnlyWhenItHasAName) {
  auto message = [](const TComponent* C) {
    try {
      DatabaseError(C, L"went wrong");
    } catch (const EDatabaseError& e) {
      return e.Message();
    }
    return String();
  };
  TMemTable table(nullptr);
  EXPECT_EQ(message(nullptr), L"went wrong");
  EXPECT_EQ(message(&table), L"went wrong");
  table.SetName(L"People");
  EXPECT_EQ(message(&table), L"People: went wrong");
}

TEST(MemTableTest, WhatTheUserSeesAfterEmptyingAddingAFieldAndPostingThroughALink) {
  Contacts c;
  c.table.Next();
  c.table.EmptyTable();  // the fields show no deleted record
  EXPECT_TRUE(c.table.FieldByName(L"Name")->IsNull());
  EXPECT_EQ(c.Name(), L"");

  // A line that begins with an escape, and a field added after the load.
  ASSERT_EQ(Load(c, "Name\tNotes\n\\tAnn\t\\\\x\nBob\t\n"), L"");
  EXPECT_EQ(c.Name(), L"\tAnn");
  EXPECT_EQ(c.table.FieldByName(L"Notes")->AsString(), L"\\x");
  c.table.Close();
  c.table.AddField(L"Email", ftString, 30);
  c.table.Open();
  c.table.Next();
  // A link with no OnUpdateData handler: posting writes nothing through it.
  TDataSource source(nullptr);
  source.SetDataSet(&c.table);
  TFieldDataLink link;
  link.SetDataSource(&source);
  link.SetFieldName(L"Email");
  c.table.Edit();
  link.Modified();
  c.table.FieldByName(L"Email")->SetAsString(L"bob@example.com");
  c.table.Post();
  EXPECT_FALSE(link.IsModified());
  const std::string saved = Saved(c.table);
  EXPECT_NE(saved.find("\\tAnn\t"), std::string::npos);
  ASSERT_EQ(Load(c, saved), L"");
  c.table.Last();
  EXPECT_EQ(c.table.FieldByName(L"Email")->AsString(), L"bob@example.com");
  c.table.First();
  EXPECT_EQ(c.table.FieldByName(L"Email")->AsString(), L"");
}

TEST(MemTableTest, ManyEditsInsertsAndDeletesKeepEveryRecord) {
  Contacts c;  // the bytes of edited records pile up until the table drops them
  for (int i = 0; i < 2000; ++i) {
    c.table.SetRecNo(1 + i % 3);
    c.table.Edit();
    c.table.FieldByName(L"Notes")->SetAsString(L"edit " + IntToStr(i));
    c.table.Post();
    if (i % 500 == 0) {
      c.table.Insert();
      c.table.FieldByName(L"Name")->SetAsString(L"N" + IntToStr(i));
      c.table.Post();
      c.table.Delete();
    }
  }
  EXPECT_EQ(c.Names(), L"Ann,Bob,Cy,Cy");
  c.table.Last();
  EXPECT_EQ(c.table.FieldByName(L"Notes")->AsString(), L"edit 1997");
  const std::string saved = Saved(c.table);
  ASSERT_EQ(Load(c, saved), L"");
  EXPECT_EQ(Saved(c.table), saved);
}
