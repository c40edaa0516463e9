// The data layer without windows: field values by type, data set states and
// navigation, the events around posting, links and the in-memory table file.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "classlib/MemTable.h"
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
  EXPECT_EQ(notes->BlobType(), ftMemo);
  age->SetAsString(L"");
  EXPECT_TRUE(age->IsNull());
  t.Post();
  EXPECT_EQ(c.Name(), L"Annabell");
  EXPECT_EQ(t.FindField(L"Phone"), nullptr);
  EXPECT_THROW(t.FieldByName(L"Phone"), EDatabaseError);
  EXPECT_THROW(t.AddField(L"Phone", ftString, 10), EDatabaseError);  // only while closed
}

TEST(DataSetTest, NavigationMarksTheEnds) {
  Contacts c;
  TDataSet& t = c.table;
  EXPECT_TRUE(t.Bof());
  EXPECT_FALSE(t.Eof());
  EXPECT_EQ(t.RecNo(), 1);
  std::vector<String> seen;
  while (!t.Eof()) {
    seen.push_back(c.Name());
    t.Next();
  }
  EXPECT_EQ(seen, (std::vector<String>{L"Ann", L"Bob", L"Cy"}));
  EXPECT_EQ(t.RecNo(), 3);  // Next at the last record stays there
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

  t.Next();
  t.Edit();
  EXPECT_EQ(t.State(), dsEdit);
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
  EXPECT_EQ(events, "beforeEdit;afterCancel;beforePost;afterPost;afterCancel;beforeEdit;beforePost;afterPost;");

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
  t.Edit();  // an empty table inserts instead
  EXPECT_EQ(t.State(), dsInsert);
  t.Cancel();
  EXPECT_TRUE(t.IsEmpty());
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
  c.table.Cancel();
  link.log.clear();

  // A disabled source looks like a closed data set.
  source.SetEnabled(false);
  EXPECT_FALSE(link.Active());
  EXPECT_EQ(link.Field(), nullptr);
  source.SetEnabled(true);
  EXPECT_EQ(link.log, "data;inactive;data;active;");
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
  other.EmptyTable();
  EXPECT_TRUE(other.IsEmpty());
  std::remove(WideToUtf8(file).c_str());
}
