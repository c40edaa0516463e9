// The edit and the label; reflected notifications and cancel mode.
#include <gtest/gtest.h>

#include "ControlTestUtils.h"
#include "classlib/RichEdit.h"
#include "classlib/StdCtrls.h"

namespace {

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 300, 150);
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 24);
    auto inner = edit->WindowProc;
    edit->WindowProc = [this, inner](TMessage& m) {
      if (m.Msg == CN_CTLCOLOREDIT) ++colorQueries;
      if (m.Msg == CM_CANCELMODE) cancelSender = reinterpret_cast<TControl*>(m.LParam);
      inner(m);
    };
    edit->OnChange = [this](TObject*) { ++changes; };
    ok = new TButton(form);
    ok->SetParent(form);
    ok->SetBounds(10, 60, 75, 25);
    ok->SetDefault(true);
    ok->OnClick = [this](TObject*) { ++okClicks; };
    form->SetActiveControl(edit);
    ShowAndActivate(form);
    PumpUntil([&] { return edit->Focused(); });
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
  }
  TForm* form;
  TEdit* edit;
  TButton* ok;
  int colorQueries = 0, changes = 0, okClicks = 0;
  TControl* cancelSender = nullptr;
};

TEST_F(EditTest, TypingChangesTextAndEnterReachesTheDefaultButton) {
  for (wchar_t ch : String(L"ab\x4E2D")) PostMessageW(edit->Handle(), WM_CHAR, ch, 1);
  Settle();
  EXPECT_EQ(L"ab\x4E2D", edit->Text());
  EXPECT_EQ(3, changes);
  EXPECT_TRUE(edit->Modified());
  PostKey(VK_RETURN);
  EXPECT_EQ(1, okClicks);
  EXPECT_EQ(L"ab\x4E2D", edit->Text());
}

TEST_F(EditTest, ColourQueriesAreReflectedToTheEdit) {
  edit->SetColor(clYellow);
  RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Settle();
  EXPECT_GT(colorQueries, 0);
  HDC dc = GetDC(edit->Handle());
  HBRUSH brush = reinterpret_cast<HBRUSH>(
      SendMessageW(form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit->Handle())));
  EXPECT_EQ(RGB(255, 255, 0), GetBkColor(dc));
  LOGBRUSH lb;
  GetObjectW(brush, sizeof(lb), &lb);
  EXPECT_EQ(RGB(255, 255, 0), lb.lbColor);
  ReleaseDC(edit->Handle(), dc);
}

TEST_F(EditTest, SelectionAndRecreatingTheWindowKeepTheText) {
  edit->SetText(L"hello world");
  edit->SetSelStart(6);
  edit->SetSelLength(5);
  EXPECT_EQ(L"world", edit->SelText());
  edit->SetSelText(L"there");
  EXPECT_EQ(L"hello there", edit->Text());
  HWND before = edit->Handle();
  edit->SetPasswordChar(L'*');
  EXPECT_NE(before, edit->Handle());
  EXPECT_EQ(L"hello there", edit->Text());
  EXPECT_TRUE(GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_PASSWORD);
  EXPECT_TRUE(edit->Focused());  // focus came back to the new window
}

TEST_F(EditTest, PressingElsewhereSendsCancelModeToTheFocusedControl) {
  MoveMouse(Center(ok));
  MouseDown();
  MouseUp();
  ASSERT_TRUE(PumpUntil([&] { return okClicks == 1; }));
  EXPECT_EQ(ok, cancelSender);
}

TEST_F(EditTest, TabIntoTheEditSelectsAllOfIt) {
  edit->SetText(L"abc");
  ok->SetFocus();
  Settle();
  PostKey(VK_TAB);
  ASSERT_TRUE(edit->Focused());
  EXPECT_EQ(0, edit->SelStart());
  EXPECT_EQ(3, edit->SelLength());
}

// An edit over a multi-line window, as the combos make theirs.
class MultiLineEdit : public TCustomEdit {
 public:
  explicit MultiLineEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

 protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE;
  }
};

TEST_F(EditTest, TextSetByTheProgramRaisesOnChangeOnceInEveryKindOfEdit) {
  auto* multi = new MultiLineEdit(form);
  auto* rich = new TRichEdit(form);
  auto* unshown = new TEdit(form);  // no window yet
  int multiChanges = 0, richChanges = 0, unshownChanges = 0;
  multi->OnChange = [&](TObject*) { ++multiChanges; };
  rich->OnChange = [&](TObject*) { ++richChanges; };
  unshown->OnChange = [&](TObject*) { ++unshownChanges; };
  multi->SetParent(form);
  rich->SetParent(form);
  multi->SetBounds(10, 40, 100, 24);
  rich->SetBounds(120, 40, 100, 60);
  edit->SetText(L"one");
  multi->SetText(L"one");
  rich->SetText(L"one");
  unshown->SetText(L"one");
  Settle();
  EXPECT_EQ(1, changes);
  EXPECT_EQ(1, multiChanges);
  EXPECT_EQ(1, richChanges);
  EXPECT_EQ(1, unshownChanges);
  // The same text again is no change.
  multi->SetText(L"one");
  EXPECT_EQ(1, multiChanges);
  // Typed text is reported by the window, once.
  multi->SetFocus();
  multi->SetSelStart(3);
  PostMessageW(multi->Handle(), WM_CHAR, L'x', 1);
  Settle();
  EXPECT_EQ(L"onex", multi->Text());
  EXPECT_EQ(2, multiChanges);
}

// A descendant that keeps its base's class name but wraps a system control.
class BareEdit : public TWinControl {
 public:
  explicit BareEdit(TComponent* AOwner) : TWinControl(AOwner) {}

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, L"EDIT");
  }
};

TEST(SubClassTest, AWrappedSystemControlNeverSharesAPlainWindowClass) {
  TForm form(nullptr);
  auto* plain = new TWinControl(&form);
  plain->SetParent(&form);
  plain->HandleNeeded();
  auto* edit = new BareEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(0, 0, 100, 24);
  // The system edit keeps its state in the window's extra bytes.
  EXPECT_NE(0, SendMessageW(edit->Handle(), EM_GETLIMITTEXT, 0, 0));
  SendMessageW(edit->Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"typed"));
  EXPECT_EQ(L"typed", edit->Text());
  EXPECT_EQ(0, GetClassLongW(plain->Handle(), GCL_CBWNDEXTRA));
}

TEST(LabelTest, AutoSizeFitsTheTextAndLayoutCentresIt) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetCaption(L"Some text");
  const int oneLine = label->Height();
  EXPECT_GT(label->Width(), 20);
  EXPECT_GT(oneLine, 5);
  label->SetCaption(L"Some text\nand a second line");
  EXPECT_GT(label->Height(), oneLine * 3 / 2);

  // Fixed size, centred both ways, painted into a DC of our own.
  label->SetAutoSize(false);
  label->SetCaption(L"X");
  label->SetBounds(0, 0, 60, 60);
  label->SetAlignment(taCenter);
  label->SetLayout(tlCenter);
  label->SetColor(clWhite);
  label->Font()->SetColor(clBlack);
  label->Font()->SetSize(20);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 60, 60);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  int minX = 60, maxX = -1, minY = 60, maxY = -1;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x)
      if (GetPixel(dc, x, y) != RGB(255, 255, 255)) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
      }
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  ASSERT_GE(maxX, 0) << "nothing drawn";
  EXPECT_NEAR(30, (minX + maxX) / 2, 4);
  EXPECT_NEAR(30, (minY + maxY) / 2, 6);
}

class Shouting : public TCustomLabel {
 public:
  explicit Shouting(TComponent* AOwner) : TCustomLabel(AOwner) {}
  int Measured = 0;

 protected:
  String GetLabelText() const override { return Caption() + L"!!!!!!!!"; }
  void DoDrawText(TRect& Rect, UINT Flags) override {
    if (Flags & DT_CALCRECT) ++Measured;
    TCustomLabel::DoDrawText(Rect, Flags);
  }
};

TEST(LabelTest, DescendantsChangeTheTextForMeasuringToo) {
  TForm form(nullptr);
  auto* plain = new TLabel(&form);
  plain->SetParent(&form);
  plain->SetCaption(L"Hi");
  auto* loud = new Shouting(&form);
  loud->SetParent(&form);
  loud->SetCaption(L"Hi");
  EXPECT_GT(loud->Measured, 0);
  EXPECT_GT(loud->Width(), plain->Width() * 2);
}

}  // namespace
