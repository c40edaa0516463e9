// The looks table: a skinned control changed by a setter while shown looks,
// pixel for pixel, like a fresh control made the same way and given the same
// change before it first painted: after the setter alone, after its form
// repainted, and after it was invalidated. Every row (LooksRows.cpp) runs with kept looks on and
// with them off (a budget of nothing keeps no look). RunShards runs the
// table in shards (GTEST_TOTAL_SHARDS) side by side while the test holds the
// desktop: each shard's form stands at a place of its own, topmost, and is
// never activated, so that the shards read their own pixels from the screen.
#include <windows.h>

#include <cstdlib>
#include <set>
#include <tuple>
#include <vector>

#include "../skinctrls/SkinCtrlTestUtils.h"
#include "classlib/TextCodec.h"
#include "skin/SkinForm.h"
#include "skin/SkinLink.h"
#include "skinctrls/SkinLookCache.h"
#include "skinctrls/SkinRichEdit.h"
#include "tests/driver/Driver.h"
#include "tests/driver/LooksRows.h"
#include "tests/driver/Makers.h"

namespace {

// The shard's place on the screen: shards side by side along the bottom.
TPoint FormPlace() {
  const char* shard = std::getenv("GTEST_SHARD_INDEX");
  const int index = shard ? std::atoi(shard) : 0;
  return TPoint(20 + (index % 4) * 310, 500 + (index / 4 % 2) * 250);
}

// Keeps no look while it lives when Kept is false.
class TLookBudget {
 public:
  explicit TLookBudget(bool Kept) : FWas(TspLookCache::Budget()) {
    if (!Kept) TspLookCache::SetBudget(0);
  }
  ~TLookBudget() { TspLookCache::SetBudget(FWas); }
  TLookBudget(const TLookBudget&) = delete;
  TLookBudget& operator=(const TLookBudget&) = delete;

 private:
  size_t FWas;
};

using TParam = std::tuple<size_t, bool>;  // the row, kept looks on

// Rows whose setter alone does not show the change yet, on faults not mended
// here: the row's class and setter, and the fault. The form's repaint and
// Invalidate are checked for them all the same.
struct TKnown {
  const char* Class;
  const char* Setter;
  const char* Fault;
};
const std::vector<TKnown> kKnown = {};

const char* KnownFault(const TLooksRow& Row) {
  for (const TKnown& k : kKnown)
    if (Row.Class == k.Class && Row.Setter == k.Setter) return k.Fault;
  return nullptr;
}

class LooksTable : public ::testing::TestWithParam<TParam> {
 protected:
  static void SetUpTestSuite() {
    stored = new TspCompressedStoredSkin(nullptr);
    stored->LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    const TPoint at = FormPlace();
    form->SetBounds(at.X, at.Y, 300, 240);
    skin = new TspSkinData(form);
    skin->LoadCompressedStoredSkin(stored);
    (new TspSkinForm(form))->SetSkinData(skin);
    // Shown above every other window and never activated, not even when the
    // system looks for a window to activate as another program's closes: the
    // other shards and tests keep the focus and the pointer they have, and no
    // control of the table shows a focused look.
    SetWindowLongW(form->Handle(), GWL_EXSTYLE, GetWindowLongW(form->Handle(), GWL_EXSTYLE) | WS_EX_NOACTIVATE);
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
    Settle();
  }
  static void TearDownTestSuite() {
    Free(form);
    delete stored;
    Settle();
  }

  // The row's control, given the row's preparation, placed and dressed; the
  // fresh one is given the change too, before it first paints.
  static TControl* Make(const TLooksRow& Row, bool Fresh, const TRect& Bounds) {
    TControl* c = Row.New(form);
    Row.Prepare(c);
    c->SetParent(form);
    Row.Dress(c, skin);
    c->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    if (Fresh) Row.Change(c);
    Settle();
    return c;
  }

  static inline TspCompressedStoredSkin* stored = nullptr;
  static inline TForm* form = nullptr;
  static inline TspSkinData* skin = nullptr;
};

// Pixels that differ between what a step shows and the fresh control;
// "size" when the sizes differ.
std::string Differ(TBitmap* Shown, TBitmap* Fresh) {
  const int n = DifferentPixels(Shown, Fresh);
  return n < 0 ? "another size" : std::to_string(n) + " pixels differ";
}

// With LOOKS_TABLE_SHOTS naming a folder, a failing row leaves its pictures
// there (ROW-step.bmp) to be looked at.
void KeepShots(const std::string& Row, std::initializer_list<std::pair<const char*, TBitmap*>> Steps) {
  const char* folder = std::getenv("LOOKS_TABLE_SHOTS");
  if (!folder) return;
  const std::string row = Row.substr(Row.find('/') + 1);
  for (const auto& s : Steps) s.second->SaveToFile(Utf8ToWide(std::string(folder) + "/" + row + "-" + s.first + ".bmp"));
}

TEST_P(LooksTable, AChangedControlLooksLikeAFreshOne) {
  const TLooksRow& row = LooksRows()[std::get<0>(GetParam())];
  ASSERT_NE(GetActiveWindow(), form->Handle()) << "the table's form was activated: its controls would show focus";
  const TLookBudget budget(std::get<1>(GetParam()));
  TControl* shown = Make(row, false, row.Bounds);
  const std::unique_ptr<TBitmap> before = ScreenPixels(shown);
  row.Change(shown);
  Settle();
  const std::unique_ptr<TBitmap> bySetter = ScreenPixels(shown);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle();
  const std::unique_ptr<TBitmap> byForm = ScreenPixels(shown);
  shown->Invalidate();
  Settle();
  const std::unique_ptr<TBitmap> byInvalidate = ScreenPixels(shown);
  const TRect bounds = shown->BoundsRect();
  Free(shown);
  Settle();

  // A change that resizes the control (a record of another size) is put
  // against a fresh control given the same final bounds.
  TControl* fresh = Make(row, true, bounds);
  const std::unique_ptr<TBitmap> wanted = ScreenPixels(fresh);
  Free(fresh);
  Settle();
  const int unchanged = DifferentPixels(before.get(), wanted.get()) == 0;
  if (const char* known = KnownFault(row))
    RecordProperty("known", known);
  else
    EXPECT_EQ(DifferentPixels(bySetter.get(), wanted.get()), 0)
        << "after the setter: " << Differ(bySetter.get(), wanted.get());
  EXPECT_EQ(DifferentPixels(byForm.get(), wanted.get()), 0)
      << "after the form repainted: " << Differ(byForm.get(), wanted.get());
  EXPECT_EQ(DifferentPixels(byInvalidate.get(), wanted.get()), 0)
      << "after Invalidate: " << Differ(byInvalidate.get(), wanted.get());
  if (HasFailure())
    KeepShots(::testing::UnitTest::GetInstance()->current_test_info()->name(),
              {{"before", before.get()}, {"setter", bySetter.get()}, {"form", byForm.get()},
               {"invalidate", byInvalidate.get()}, {"fresh", wanted.get()}});
  if (unchanged) RecordProperty("unchanged", "the change shows nothing at this size and skin");
}

std::vector<TParam> AllParams() {
  std::vector<TParam> params;
  for (size_t i = 0; i < LooksRows().size(); ++i)
    for (bool kept : {true, false}) params.emplace_back(i, kept);
  return params;
}

std::string ParamName(const ::testing::TestParamInfo<TParam>& Info) {
  const TLooksRow& row = LooksRows()[std::get<0>(Info.param)];
  std::string name = row.Class + "_" + row.Setter + (std::get<1>(Info.param) ? "_kept" : "_unkept");
  for (char& c : name)
    if (!isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Rows, LooksTable, ::testing::ValuesIn(AllParams()), ParamName);

// Every skinned class of the driver lists has rows or a reason: a control
// that joins a list joins the table, or the table fails.
TEST(LooksTableLists, EverySkinnedClassOfTheDriverListsHasRowsOrAReason) {
  std::set<std::string> inTable;
  for (const TLooksRow& r : LooksRows()) inTable.insert(r.Class);
  std::set<std::string> listed;
  TDriver d(1);
  d.SetHandlersAct(false);
  // A skinned form never shown: one shown would pass its activation on to a
  // shard's form as it goes.
  auto* onForm = new TForm(nullptr);
  (new TspSkinForm(onForm))->SetSkinData(d.Skin());
  d.RunCall(0, [&] {
    // Sheets go on a page control of their kind.
    FindMaker("TspSkinPageControl")->Make(d, onForm);
    FindMaker("TPageControl")->Make(d, onForm);
    for (const TMaker& m : ControlMakers()) {
      listed.insert(m.Class);
      TComponent* made = m.Make(d, onForm);
      ASSERT_NE(made, nullptr) << m.Class << ": its maker made nothing";
      const bool skinned = dynamic_cast<TspSkinLink*>(made) || dynamic_cast<TspSkinRichEdit*>(made);
      if (skinned && !inTable.count(m.Class) && !LooksLeftOut().count(m.Class))
        ADD_FAILURE() << m.Class << ": a skinned class with no rows in tests/driver/LooksRows.cpp (or a reason)";
    }
  });
  EXPECT_EQ(d.Finish(), "");
  Free(onForm);
  for (const std::string& c : inTable) EXPECT_TRUE(listed.count(c)) << c << ": rows for a class no driver list makes";
  for (const auto& c : LooksLeftOut()) EXPECT_TRUE(listed.count(c.first)) << c.first << ": left out, but in no driver list";
}

}  // namespace
