// Items dragged from one skinned list box to another with the real mouse,
// through the drag members and events forwarded to the inner lists.
#include <string>
#include <vector>

#include "SkinInputTestUtils.h"
#include "classlib/DragDrop.h"
#include "skininputs/SkinListBox.h"

namespace {

class SkinListBoxDragTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    from = Add<TspSkinListBox>(form, 10, 10, 150, 200);
    to = Add<TspSkinListBox>(form, 220, 10, 150, 200);
    for (int i = 0; i < 5; ++i) from->Items()->Add(L"item " + std::to_wstring(i));
    to->Items()->Add(L"first");
    from->SetListBoxDragMode(dmAutomatic);
    from->SetListBoxDragCursor(crMultiDrag);
    from->OnListBoxStartDrag = [&](TObject* Sender, TDragObject*&) {
      log.push_back(Sender == from->ListBox() ? "start" : "start?");
    };
    from->OnListBoxEndDrag = [&](TObject*, TObject* Target, int, int) {
      endTarget = Target;
      log.push_back("end");
    };
    // Each box takes items from the other one only.
    for (TspSkinListBox* box : {from, to}) {
      box->OnListBoxDragOver = [box](TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
        Accept = Source != box->ListBox() && dynamic_cast<TspListBox*>(Source);
      };
      box->OnListBoxDragDrop = [this, box](TObject* Sender, TObject* Source, int X, int Y) {
        TspSkinCustomListBox* source = static_cast<TspListBox*>(Source)->SkinListBox;
        const int at = box->ItemAtPos(TPoint(X, Y), true);
        const String text = source->Items()->Strings(source->ItemIndex());
        source->Items()->Delete(source->ItemIndex());
        box->Items()->Insert(at < 0 ? box->Items()->Count() : at, text);
        log.push_back(Sender == box->ListBox() ? "drop" : "drop?");
      };
    }
    Settle();
  }
  TPoint Row(TspSkinListBox* Box, int Index) const {
    return Box->ListBox()->ClientToScreen(TPoint(30, Index * Box->ItemHeight() + Box->ItemHeight() / 2));
  }
  void Drag(TspSkinListBox* Box, int Index, const TPoint& To) {
    MoveMouse(Row(Box, Index));
    MouseDown();
    Settle();
    MoveMouse(TPoint(Row(Box, Index).X + 10, Row(Box, Index).Y));
    MoveMouse(To);
  }
  std::string Log() const {
    std::string s;
    for (const std::string& e : log) s += (s.empty() ? "" : " ") + e;
    return s;
  }
  TspSkinListBox* from = nullptr;
  TspSkinListBox* to = nullptr;
  std::vector<std::string> log;
  TObject* endTarget = nullptr;
};

TEST_F(SkinListBoxDragTest, AnItemMovesToTheOtherBoxWhereItIsDropped) {
  EXPECT_EQ(dmAutomatic, from->ListBox()->DragMode());
  EXPECT_EQ(dmManual, to->ListBoxDragMode());
  Drag(from, 2, Row(to, 0));
  EXPECT_EQ(Screen->Cursors(crMultiDrag), GetCursor());
  MouseUp();
  Settle();
  EXPECT_EQ("start drop end", Log());
  EXPECT_EQ(to->ListBox(), endTarget);
  ASSERT_EQ(4, from->Items()->Count());
  EXPECT_EQ(L"item 3", from->Items()->Strings(2));
  ASSERT_EQ(2, to->Items()->Count());
  EXPECT_EQ(L"item 2", to->Items()->Strings(0));
}

TEST_F(SkinListBoxDragTest, ABoxRefusesItsOwnItemsAndAManualBoxStartsNoDrag) {
  Drag(from, 1, Row(from, 4));
  EXPECT_EQ(Screen->Cursors(crNoDrop), GetCursor());
  MouseUp();
  Settle();
  EXPECT_EQ("start end", Log());
  EXPECT_EQ(nullptr, endTarget);
  EXPECT_EQ(5, from->Items()->Count());
  // The other box stays manual: dragging from it moves nothing.
  log.clear();
  Drag(to, 0, Row(from, 0));
  MouseUp();
  Settle();
  EXPECT_TRUE(log.empty()) << Log();
  EXPECT_EQ(1, to->Items()->Count());
  EXPECT_EQ(5, from->Items()->Count());
}

}  // namespace
