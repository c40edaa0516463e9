// The data page: a small contacts table in memory, shown by effect labels,
// custom combos and tree combos bound to its fields, and buttons that move
// through it, add, delete, post and cancel.
#include "classlib/MemTable.h"
#include "components/TFlatSpeedButtonUnit.h"
#include "components/fcLabel.h"
#include "components/fcStringCombo.h"
#include "components/fcTreeCombo.h"
#include "demo/GalleryFrame.h"
#include "demo/GalleryPages.h"

namespace {

const wchar_t* const kStateNames[] = {L"closed", L"browsing", L"editing", L"inserting"};

class TDataPage : public TGalleryPage {
 public:
  explicit TDataPage(TComponent* AOwner) : TGalleryPage(AOwner) {
    FFollowsSkin = true;
    BuildTable();
    BuildControls();
    BuildButtons();
    ShowPosition();
  }
  String ClassName() const override { return L"TDataPage"; }

  void LookChanged() override {
    TGalleryPage::LookChanged();
    const TGalleryLook& look = SkinLook();
    for (TWinControl* c : FCombos) {
      if (c->Color() != look.Window) c->SetColor(look.Window);
      c->Font()->SetColor(look.WindowText);
    }
    for (TfcLabel* l : {FNameLabel, FMemoLabel, FCodeLabel, FPosition}) l->Font()->SetColor(look.Title);
  }

 protected:
  // The skin's colours are known once the page has its window.
  void CreateHandleDone() override {
    TGalleryPage::CreateHandleDone();
    if (FLooked) return;
    FLooked = true;
    LookChanged();
  }

  void DrawPage(TCanvas* Canvas) override {
    DrawSectionTitle(Canvas, 16, 10, L"Contacts \x8054\x7CFB\x4EBA");
    const wchar_t* captions[] = {L"Name \x59D3\x540D", L"Group \x5206\x7EC4", L"City \x57CE\x5E02",
                                 L"City code \x4EE3\x7801"};
    for (int i = 0; i < 4; ++i) DrawNote(Canvas, 16, 44 + i * 34, captions[i]);
    DrawNote(Canvas, 16, 190, L"Custom combos (name, group) and tree combos: the city by its text, the");
    DrawNote(Canvas, 16, 204, L"code by the chosen node's data. Typing edits the record; Esc undoes it.");
    DrawSectionTitle(Canvas, 440, 10, L"Effect labels \x6548\x679C\x6807\x7B7E");
    DrawNote(Canvas, 440, 190, L"Labels follow the record: the name, the notes memo, the stored code.");
  }

 private:
  void BuildTable() {
    FTable = new TMemTable(this);
    FTable->AddField(L"Name", ftString, 20);
    FTable->AddField(L"Group", ftString, 12);
    FTable->AddField(L"City", ftString, 30);
    FTable->AddField(L"Code", ftString, 4);
    FTable->AddField(L"Notes", ftMemo);
    FTable->Open();
    const wchar_t* rows[][5] = {
        {L"Wang Fang \x738B\x82B3", L"Family", L"Beijing \x5317\x4EAC", L"BJ", L"Sister.\nCalls on Sundays."},
        {L"Li Wei \x674E\x4F1F", L"Work", L"Shanghai \x4E0A\x6D77", L"SH", L"Project lead."},
        {L"Zhang Min \x5F20\x654F", L"Friends", L"Shenzhen \x6DF1\x5733", L"SZ", L"Badminton on Fridays."},
        {L"Chen Jie \x9648\x6770", L"Work", L"Hangzhou \x676D\x5DDE", L"HZ", L""},
    };
    for (auto& r : rows) {
      FTable->Append();
      for (int i = 0; i < 5; ++i) FTable->Fields(i)->SetAsString(r[i]);
      FTable->Post();
    }
    FTable->First();
    FSource = new TDataSource(this);
    FSource->SetDataSet(FTable);
    FSource->OnDataChange = [this](TObject*, TField*) { ShowPosition(); };
    FSource->OnStateChange = [this](TObject*) { ShowPosition(); };
  }

  // The cities by province; each node carries its two-letter code as data.
  void FillCities(TfcTreeCombo* Combo) {
    const struct {
      const wchar_t* Province;
      std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> Cities;
    } provinces[] = {
        {L"North \x5317\x65B9", {{L"Beijing \x5317\x4EAC", L"BJ"}, {L"Tianjin \x5929\x6D25", L"TJ"}}},
        {L"East \x534E\x4E1C", {{L"Shanghai \x4E0A\x6D77", L"SH"}, {L"Hangzhou \x676D\x5DDE", L"HZ"}}},
        {L"South \x534E\x5357", {{L"Shenzhen \x6DF1\x5733", L"SZ"}, {L"Guangzhou \x5E7F\x5DDE", L"GZ"}}},
    };
    TfcTreeNodes* items = Combo->Items();
    for (const auto& p : provinces) {
      TfcTreeNode* province = items->Add(nullptr, p.Province);
      for (const auto& [city, code] : p.Cities) items->AddChild(province, city)->SetStringData(code);
    }
    Combo->SetOptions(TfcImgComboOptions{icoExpanded, icoEndNodesOnly});
  }

  template <typename T>
  T* Bound(int Top, const wchar_t* Field) {
    auto* c = Place<T>(this, 110, Top, 300, 21);
    c->SetDataSource(FSource);
    c->SetDataField(Field);
    FCombos.push_back(c);
    return c;
  }

  void BuildControls() {
    auto* name = Bound<TfcStringCombo>(40, L"Name");
    name->SetShowButton(false);  // a plain framed edit, as the address book uses it
    name->Frame()->SetEnabled(true);
    auto* group = Bound<TfcStringCombo>(74, L"Group");
    for (const wchar_t* g : {L"Family", L"Friends", L"Work"}) group->Items()->Add(g);
    FillCities(Bound<TfcTreeCombo>(108, L"City"));
    auto* code = Bound<TfcTreeCombo>(142, L"Code");
    FillCities(code);
    code->SetStoreDataUsing(TfcCustomTreeCombo::sdStoreData1);

    auto* big = FNameLabel = Place<TfcLabel>(this, 440, 40);
    big->SetParentFont(false);
    big->Font()->SetName(L"Arial");
    big->Font()->SetHeight(-26);
    big->Font()->SetStyle({fsBold});
    big->SetTransparent(true);
    big->TextOptions()->Shadow()->SetEnabled(true);
    big->TextOptions()->Shadow()->SetXOffset(2);
    big->TextOptions()->Shadow()->SetYOffset(2);
    big->SetDataSource(FSource);
    big->SetDataField(L"Name");
    FMemoLabel = Place<TfcLabel>(this, 440, 90);
    FMemoLabel->SetAutoSize(false);  // a memo of several lines in a fixed box
    FMemoLabel->SetBounds(440, 90, 420, 48);
    FMemoLabel->TextOptions()->SetWordWrap(true);
    FMemoLabel->SetTransparent(true);
    FMemoLabel->SetDataSource(FSource);
    FMemoLabel->SetDataField(L"Notes");
    FCodeLabel = Place<TfcLabel>(this, 440, 150);
    FCodeLabel->SetTransparent(true);
    FCodeLabel->SetDataSource(FSource);
    FCodeLabel->SetDataField(L"Code");
  }

  void BuildButtons() {
    const struct {
      const wchar_t* Caption;
      std::function<void(TDataSet*)> Run;
    } buttons[] = {
        {L"|< First", [](TDataSet* D) { D->First(); }},  {L"< Prior", [](TDataSet* D) { D->Prior(); }},
        {L"Next >", [](TDataSet* D) { D->Next(); }},     {L"Last >|", [](TDataSet* D) { D->Last(); }},
        {L"+ Append", [](TDataSet* D) { D->Append(); }}, {L"- Delete", [](TDataSet* D) { D->Delete(); }},
        {L"Post", [](TDataSet* D) { D->Post(); }},       {L"Cancel", [](TDataSet* D) { D->Cancel(); }},
    };
    int left = 16;
    for (const auto& b : buttons) {
      auto* button = Place<TFlatSpeedButton>(this, left, 230, 76, 25);
      button->SetCaption(b.Caption);
      // Its faces (up, hot, down) are light in every skin: dark text reads on
      // them, where the page's text colour would not on a dark skin.
      button->Font()->SetColor(clBtnText);
      auto run = b.Run;
      // A speed button takes no focus: a combo's pending edit is written by the data set itself.
      button->OnClick = [this, run](TObject*) {
        try {
          run(FTable);
        } catch (const Exception& e) {  // deleting from an empty table, posting while browsing
          FPosition->SetCaption(e.Message());
        }
      };
      left += 82;
    }
    FPosition = Place<TfcLabel>(this, 16, 266);
    FPosition->SetTransparent(true);
  }

  void ShowPosition() {
    if (!FPosition || ComponentState().Contains(csDestroying)) return;
    const int n = FTable->RecordCount();
    const String where = FTable->State() == dsInsert ? String(L"new record")
                                                      : L"record " + IntToStr(FTable->RecNo()) + L" of " + IntToStr(n);
    FPosition->SetCaption(where + L", " + kStateNames[FTable->State()]);
  }

  TMemTable* FTable = nullptr;
  TDataSource* FSource = nullptr;
  std::vector<TfcCustomCombo*> FCombos;
  TfcLabel* FNameLabel = nullptr;
  TfcLabel* FMemoLabel = nullptr;
  TfcLabel* FCodeLabel = nullptr;
  TfcLabel* FPosition = nullptr;
  bool FLooked = false;
};

}  // namespace

TGalleryPage* NewDataPage(TComponent* AOwner) { return new TDataPage(AOwner); }
