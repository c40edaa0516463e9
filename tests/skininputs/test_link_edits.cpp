// The URL edit and the link label opening addresses through the replaceable
// shell function, and the link label's look.
#include "SkinInputTestUtils.h"
#include "classlib/ShellOpen.h"
#include "skininputs/SkinLinkLabel.h"
#include "skininputs/SkinURLEdit.h"

class LinkTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    old = SetShellOpenHandler([this](HWND Owner, const String& Op, const String& Address) {
      opened.push_back(Op + L" " + Address);
      owner = Owner;
    });
  }
  void TearDown() override {
    SetShellOpenHandler(old);
    InputTest::TearDown();
  }
  TShellOpenHandler old;
  std::vector<String> opened;
  HWND owner = nullptr;
};

TEST_F(LinkTest, UrlEditOpensItsTextUnderTheMouse) {
  auto* edit = Add<TspSkinURLEdit>(form, 10, 10, 200, 20);
  edit->SetText(L"example.org");
  Settle();
  MoveMouse(edit->ClientToScreen(TPoint(150, 8)));  // right of the text
  MoveMouse(edit->ClientToScreen(TPoint(5, 8)));
  EXPECT_TRUE(edit->LinkLook());
  EXPECT_TRUE(edit->Font()->Style().Contains(fsUnderline));
  ClickAt(edit, TPoint(5, 8));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], L"Open example.org");
  EXPECT_EQ(owner, form->Handle());
  // Right of the text the link look goes.
  MoveMouse(edit->ClientToScreen(TPoint(150, 8)));
  EXPECT_FALSE(edit->LinkLook());
  EXPECT_FALSE(edit->Font()->Style().Contains(fsUnderline));
}

TEST_F(LinkTest, MailLinksNeedAnAtSign) {
  auto* edit = Add<TspSkinURLEdit>(form, 10, 10, 200, 20);
  edit->SetLinkType(spltMail);
  edit->SetText(L"nobody");
  Settle();
  MoveMouse(edit->ClientToScreen(TPoint(150, 8)));
  MoveMouse(edit->ClientToScreen(TPoint(4, 8)));
  ClickAt(edit, TPoint(4, 8));
  EXPECT_TRUE(opened.empty());
  edit->SetText(L"a@b.cn");
  MoveMouse(edit->ClientToScreen(TPoint(150, 8)));
  MoveMouse(edit->ClientToScreen(TPoint(4, 8)));
  ClickAt(edit, TPoint(4, 8));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], L"Open mailto:a@b.cn");
}

TEST_F(LinkTest, UrlEditWithoutExecuteIsAPlainEdit) {
  auto* edit = Add<TspSkinURLEdit>(form, 10, 10, 200, 20);
  edit->SetExecute(false);
  edit->SetText(L"example.org");
  Settle();
  MoveMouse(edit->ClientToScreen(TPoint(150, 8)));
  MoveMouse(edit->ClientToScreen(TPoint(5, 8)));
  ClickAt(edit, TPoint(5, 8));
  EXPECT_FALSE(edit->LinkLook());
  EXPECT_TRUE(opened.empty());
}

TEST_F(LinkTest, LinkLabelOpensItsUrlAfterOnClick) {
  auto* label = new TspSkinLinkLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 60, 10, 10);
  label->SetAutoSize(true);
  label->SetCaption(L"\x4E3B\x9875 home");
  std::vector<String> order;
  label->OnClick = [&](TObject*) { order.push_back(L"click"); };
  Settle();
  ClickAt(label, TPoint(3, 3));
  EXPECT_EQ(order.size(), 1u);
  EXPECT_TRUE(opened.empty());  // no URL: only OnClick
  label->SetURL(L"https://example.org/");
  // Not so soon that the two clicks make a double click.
  MoveMouse(TPoint(2, 2));
  Sleep(GetDoubleClickTime() + 50);
  ClickAt(label, TPoint(3, 3));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], L"open https://example.org/");
  EXPECT_EQ(owner, nullptr);
  // Longer than any URL: nothing opens (the shell of Wine writes past its
  // stack on such an address).
  label->SetURL(L"https://" + String(2076, L'w'));
  label->Click();
  label->SetURL(L"https://" + String(2075, L'w'));
  label->Click();
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[1].size(), 5u + 2083u);
}

TEST_F(LinkTest, LinkLabelLookHotColourUnderlineAndGlowOffset) {
  auto* label = new TspSkinLinkLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 60, 120, 40);
  label->SetCaption(L"WWWWWW");
  label->DefaultFont()->SetColor(clBlack);
  Settle();
  auto hasColour = [&](TColor C) {
    auto shot = Snapshot(form);
    for (int y = 60; y < 100; ++y)
      for (int x = 10; x < 130; ++x)
        if (shot->Canvas()->Pixels(x, y) == C) return true;
    return false;
  };
  EXPECT_FALSE(hasColour(clBlue));
  MoveMouse(label->ClientToScreen(TPoint(5, 5)));
  EXPECT_TRUE(label->Hot());
  EXPECT_TRUE(hasColour(clBlue));
  // Without underline the last text row of the glyph box stays clear.
  auto lowestInk = [&]() {
    auto shot = Snapshot(form);
    int lowest = -1;
    for (int y = 60; y < 100; ++y)
      for (int x = 10; x < 130; ++x)
        if (shot->Canvas()->Pixels(x, y) != shot->Canvas()->Pixels(200, 200)) lowest = y;
    return lowest;
  };
  const int underlined = lowestInk();
  label->SetUseUnderLine(false);
  Settle();
  EXPECT_LT(lowestInk(), underlined);
  label->SetGlowEffect(true);
  label->SetGlowSize(7);
  Settle();
  EXPECT_GE(lowestInk(), underlined);
}
