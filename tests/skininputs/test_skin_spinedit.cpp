// The spin edit on a real form: value and limit rules, typing through the
// inner edit, steps by keys and wheel, repeat counted in ticks, and the
// default look read back in pixels.
#include <cmath>

#include "../classlib/PaintedImage.h"
#include "SkinInputTestUtils.h"
#include "skininputs/SkinSpinEdit.h"

namespace {

class SpinEditTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    spin = Add<TspSkinSpinEdit>(form, 10, 10, 120, 20);  // buttons at 103..118
    spin->OnChange = [this](TObject*) { ++changes; };
    spin->OnUpButtonClick = [this](TObject*) { ++upClicks; };
    spin->OnDownButtonClick = [this](TObject*) { ++downClicks; };
    Settle();
  }
  void Mouse(UINT Msg, int X, int Y) {
    SendMessageW(spin->Handle(), Msg, Msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(X, Y));
  }
  void Tick() { SendMessageW(spin->Handle(), WM_TIMER, 1, 0); }
  // The inner edit focused and emptied, ready for typing.
  void StartTyping() {
    spin->Edit()->SetFocus();
    Settle();
    spin->Edit()->SetText(L"");
    changes = 0;
  }
  String EditText() { return spin->Edit()->Text(); }
  static TColor Pixel(const TPaintedImage& I, int X, int Y) { return I.At(X, Y); }

  TspSkinSpinEdit* spin = nullptr;
  int changes = 0, upClicks = 0, downClicks = 0;
};

TEST_F(SpinEditTest, DefaultsAndLayoutWithoutSkin) {
  EXPECT_EQ(spin->SkinDataName(), L"spinedit");
  EXPECT_EQ(EditText(), L"0");
  EXPECT_EQ(spin->Increment(), 1.0);
  EXPECT_EQ(spin->ValueType(), vtInteger);
  EXPECT_EQ(spin->ButtonRect(0), TRect(103, 2, 118, 10));
  EXPECT_EQ(spin->ButtonRect(1), TRect(103, 10, 118, 18));
  EXPECT_EQ(spin->Edit()->Left(), 2);
  EXPECT_EQ(spin->Edit()->Width(), 101);
  const int h = spin->Edit()->Height();
  EXPECT_GT(h, 8);
  EXPECT_EQ(spin->Edit()->Top(), 10 - h / 2);
}

TEST_F(SpinEditTest, ValueWritesLimitAndAlwaysReport) {
  spin->SetValue(0);  // unchanged, still reported
  EXPECT_EQ(changes, 1);
  spin->SetValue(-7.5);  // no limits while both are 0
  EXPECT_EQ(spin->Value(), -7.5);
  EXPECT_EQ(EditText(), L"-8");  // halves to even
  spin->SetMaxValue(20);
  spin->SetMinValue(10);
  EXPECT_EQ(spin->Value(), 10);
  spin->SetValue(25);
  EXPECT_EQ(spin->Value(), 20);
  EXPECT_EQ(EditText(), L"20");
  spin->SetValueType(vtFloat);
  spin->SetDecimal(1);
  spin->SetValue(12.25);
  EXPECT_EQ(EditText(), L"12.3");
  // Back to integers the step is rounded, and never 0.
  spin->SetIncrement(0.3);
  spin->SetValueType(vtInteger);
  EXPECT_EQ(spin->Increment(), 1.0);
  spin->SetValueType(vtFloat);
  spin->SetIncrement(2.5);
  spin->SetValueType(vtInteger);
  EXPECT_EQ(spin->Increment(), 2.0);
}

TEST_F(SpinEditTest, TypingBelowTheMinimumStaysAboveTheMaximumIsRewritten) {
  spin->SetMaxValue(20);
  spin->SetMinValue(10);
  spin->SetValue(15);
  StartTyping();
  TypeText(spin->Edit(), L"5");
  EXPECT_EQ(EditText(), L"5");
  EXPECT_EQ(spin->Value(), 10);
  EXPECT_EQ(changes, 1);
  spin->Edit()->SetText(L"");
  TypeText(spin->Edit(), L"25");
  EXPECT_EQ(EditText(), L"20");
  EXPECT_EQ(spin->Value(), 20);
  // A negative number under a positive minimum cannot come back: rewritten.
  spin->Edit()->SetText(L"");
  TypeText(spin->Edit(), L"-3");
  EXPECT_EQ(spin->Value(), 10);
  EXPECT_EQ(EditText(), L"10");
}

TEST_F(SpinEditTest, IncompleteOrInvalidTextChangesNothing) {
  spin->SetValueType(vtFloat);
  spin->SetValue(4);
  StartTyping();
  for (const wchar_t* text : {L"-", L"", L"1-2", L".5"}) {
    spin->Edit()->SetText(text);
    EXPECT_EQ(spin->Value(), 4) << text;
  }
  EXPECT_EQ(changes, 0);
  // Leaving the edit shows the value again.
  Add<TspSkinNumEdit>(form, 10, 40, 50, 20)->SetFocus();
  Settle();
  EXPECT_EQ(EditText(), L"4.00");
}

TEST_F(SpinEditTest, NumbersBeyondAnIntegerNeverRaise) {
  spin->SetValue(3);
  StartTyping();
  EXPECT_NO_THROW(TypeText(spin->Edit(), L"99999999999"));
  // The last value that converted stays.
  EXPECT_EQ(spin->Value(), 999999999);
  EXPECT_EQ(EditText(), L"99999999999");
  // Set from code: clamped to the ints, NaN keeps the value.
  spin->SetValue(1e300);
  EXPECT_EQ(EditText(), L"2147483647");
  spin->SetValue(std::nan(""));
  EXPECT_EQ(spin->Value(), 2147483647.0);
  EXPECT_EQ(EditText(), L"2147483647");
}

TEST_F(SpinEditTest, KeysAndWheelStepAndReport) {
  spin->SetIncrement(5);
  StartTyping();
  spin->Edit()->SetText(L"0");
  KeyDownUp(spin->Edit(), VK_UP);
  KeyDownUp(spin->Edit(), VK_UP);
  KeyDownUp(spin->Edit(), VK_DOWN);
  EXPECT_EQ(spin->Value(), 5);
  EXPECT_EQ(upClicks, 2);
  EXPECT_EQ(downClicks, 1);
  // Turned toward the user steps up.
  SendMessageW(spin->Edit()->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(spin->Value(), 10);
  EXPECT_EQ(EditText(), L"10");
}

TEST_F(SpinEditTest, HoldingRepeatsInTicksAndReleaseStepsOnlyOverTheButton) {
  Mouse(WM_LBUTTONDOWN, 110, 5);
  EXPECT_EQ(spin->Value(), 0);  // nothing at the press
  Tick();                        // the first tick only shortens the timer
  EXPECT_EQ(spin->Value(), 0);
  Tick();
  Tick();
  EXPECT_EQ(spin->Value(), 2);
  Mouse(WM_LBUTTONUP, 110, 5);
  EXPECT_EQ(spin->Value(), 3);
  EXPECT_EQ(upClicks, 1);
  // Dragged off the held button: released there, no step and no click.
  Mouse(WM_LBUTTONDOWN, 110, 14);
  Mouse(WM_MOUSEMOVE, 60, 14);
  Mouse(WM_LBUTTONUP, 60, 14);
  EXPECT_EQ(spin->Value(), 3);
  EXPECT_EQ(downClicks, 0);
  // The right edge of a button counts as outside.
  Mouse(WM_LBUTTONDOWN, 118, 5);
  Mouse(WM_LBUTTONUP, 118, 5);
  EXPECT_EQ(spin->Value(), 3);
  EXPECT_EQ(upClicks, 1);
}

TEST_F(SpinEditTest, AHeldButtonKeepsTheOtherFromLightingUp) {
  // The real pointer rests on the control: no leave comes between the messages.
  MoveMouse(spin->ClientToScreen(TPoint(110, 5)));
  Mouse(WM_MOUSEMOVE, 110, 14);
  EXPECT_EQ(Pixel(TPaintedImage(spin), 105, 12), TColor(0xD2BDB6));  // hot without a press
  Mouse(WM_LBUTTONDOWN, 110, 5);
  Mouse(WM_MOUSEMOVE, 110, 14);  // onto the down button, the up one held
  EXPECT_EQ(Pixel(TPaintedImage(spin), 105, 12), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(TPaintedImage(spin), 105, 3), ColorToRGB(clBtnFace));  // the held one is off too
  Mouse(WM_MOUSEMOVE, 110, 5);  // back on the held button
  EXPECT_EQ(Pixel(TPaintedImage(spin), 105, 3), TColor(0xB59385));
  Mouse(WM_LBUTTONUP, 110, 5);
  EXPECT_EQ(spin->Value(), 1);
  EXPECT_EQ(downClicks, 0);
}

TEST_F(SpinEditTest, DefaultLookFramesAndPressedButton) {
  TPaintedImage idle(spin);
  EXPECT_EQ(Pixel(idle, 0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(idle, 1, 1), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(idle, 105, 3), ColorToRGB(clBtnFace));
  Mouse(WM_LBUTTONDOWN, 110, 14);
  TPaintedImage pressed(spin);
  EXPECT_EQ(Pixel(pressed, 103, 10), ColorToRGB(clNavy));
  EXPECT_EQ(Pixel(pressed, 105, 12), TColor(0xB59385));
  Mouse(WM_LBUTTONUP, 110, 14);
  EXPECT_EQ(spin->Value(), -1);
}

}  // namespace

// The system may hand the focus to a hidden spin edit (as a skin switch gives
// it back to the window that had it): its edit cannot take it, and nothing raises.
TEST_F(SpinEditTest, AHiddenSpinEditGivenTheFocusKeepsIt) {
  spin->Hide();
  ::SetFocus(spin->Handle());
  Settle();
  EXPECT_EQ(ExceptionsReachingApplication(), 0);
  EXPECT_FALSE(spin->Edit()->Focused());
}
