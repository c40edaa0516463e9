// The skinned form's core: finding it, relaying a skin change to the controls
// on its form, the order in which a control sees a switch, and window states
// with the status bar's size grip.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../classlib/ControlTestUtils.h"
#include "SkinTestData.h"
#include "skin/SkinForm.h"
#include "skin/SkinStoredSkin.h"

namespace {

std::vector<std::string> gLog;

// A control that takes part in skin changes and notes each re-read.
class TLinkedControl : public TCustomControl, public TspSkinLink {
 public:
  TLinkedControl(TComponent* AOwner, const char* AName, TspSkinData* ASkin)
      : TCustomControl(AOwner), FLogName(AName), FSkin(ASkin) {}
  TspSkinData* LinkedSkinData() const override { return FSkin; }
  void ChangeSkinData() override {
    std::string entry = FLogName;
    if (FSkin && FSkin->SkinChanging()) entry += " (changing)";
    gLog.push_back(entry);
  }

 private:
  std::string FLogName;
  TspSkinData* FSkin;
};

// A status bar stand-in that notes what the form asks of its grip.
class TGripControl : public TCustomControl, public TspSizeGripLink {
 public:
  using TCustomControl::TCustomControl;
  bool SizeGrip() const override { return FSizeGrip; }
  void SetShowGrip(bool Value) override {
    ShowGrip = Value;
    ++Calls;
  }
  bool FSizeGrip = true;
  bool ShowGrip = true;
  int Calls = 0;
};

// Notes the skin messages as the form's own handling sees them.
class TLoggingForm : public TForm {
 public:
  using TForm::TForm;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == MSG_BEFORE_SKIN_CHANGE) gLog.push_back("form 1225");
    if (Message.Msg == MSG_AFTER_SKIN_CHANGE) gLog.push_back("form 1226");
    if (Message.Msg == MSG_SKIN_CHANGE_DONE) gLog.push_back("form 1227");
    TForm::Dispatch(Message);
  }
};

template <typename T, typename... Args>
T* Place(TWinControl* Parent, Args&&... ConstructorArgs) {
  T* control = new T(Parent, std::forward<Args>(ConstructorArgs)...);
  control->SetParent(Parent);
  control->SetBounds(0, 0, 40, 20);
  return control;
}

class SkinFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gLog.clear();
    FForm = new TLoggingForm(nullptr);
    FForm->SetBounds(100, 100, 400, 300);
    FStored = new TspCompressedStoredSkin(FForm);
    FStored->LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
    FSkin = new TspSkinData(FForm);
    FOtherSkin = new TspSkinData(FForm);
  }
  void TearDown() override { Free(FForm); }

  TLoggingForm* FForm = nullptr;
  TspCompressedStoredSkin* FStored = nullptr;
  TspSkinData* FSkin = nullptr;
  TspSkinData* FOtherSkin = nullptr;
};

TEST_F(SkinFormTest, GetSkinFormFindsTheFirstOwnedSkinForm) {
  EXPECT_EQ(GetSkinForm(nullptr), nullptr);
  EXPECT_EQ(GetSkinForm(FForm), nullptr);
  auto* first = new TspSkinForm(FForm);
  new TspSkinForm(FForm);
  EXPECT_EQ(GetSkinForm(FForm), first);
  EXPECT_EQ(first->Form(), FForm);
}

TEST_F(SkinFormTest, SkinChangeReachesNestedControlsOfItsSkinOnly) {
  auto* skinForm = new TspSkinForm(FForm);
  skinForm->SetSkinData(FSkin);
  auto* outer = Place<TLinkedControl>(FForm, "outer", FSkin);
  Place<TLinkedControl>(outer, "nested", FSkin);
  Place<TLinkedControl>(FForm, "other", FOtherSkin);
  Place<TLinkedControl>(FForm, "unbound", nullptr);

  FSkin->LoadCompressedStoredSkin(FStored);
  const std::vector<std::string> expected = {"form 1225", "outer (changing)", "nested (changing)", "form 1226",
                                             "form 1227"};
  EXPECT_EQ(gLog, expected);

  // A change of another skin data leaves the form's controls alone; the one
  // control bound to it hears of it from the skin data, after the forms.
  gLog.clear();
  FOtherSkin->LoadCompressedStoredSkin(FStored);
  EXPECT_EQ(gLog, (std::vector<std::string>{"form 1225", "form 1226", "other", "form 1227"}));

  // Relaying without a skin data reaches every skinned control.
  gLog.clear();
  skinForm->RelaySkinChange(nullptr);
  EXPECT_EQ(gLog, (std::vector<std::string>{"outer", "nested", "other", "unbound"}));
}

TEST_F(SkinFormTest, SkinChangingStateSpansTheChange) {
  auto* skinForm = new TspSkinForm(FForm);
  skinForm->SetSkinData(FSkin);
  bool changingDuringBefore = false;
  // Posting the messages by hand: the form acts only on its own skin data.
  FForm->Perform(MSG_BEFORE_SKIN_CHANGE, reinterpret_cast<WPARAM>(FOtherSkin), 1000);
  EXPECT_FALSE(skinForm->SkinChanging());
  FForm->Perform(MSG_BEFORE_SKIN_CHANGE, reinterpret_cast<WPARAM>(FSkin), 1000);
  changingDuringBefore = skinForm->SkinChanging();
  FForm->Perform(MSG_AFTER_SKIN_CHANGE, reinterpret_cast<WPARAM>(FSkin), 1000);
  EXPECT_TRUE(changingDuringBefore);
  EXPECT_FALSE(skinForm->SkinChanging());
}

TEST_F(SkinFormTest, FreedSkinDataAndFreedSkinFormLeaveNoLinks) {
  auto* skinForm = new TspSkinForm(FForm);
  skinForm->SetSkinData(FSkin);
  skinForm->SetMenusSkinData(FOtherSkin);
  Free(FSkin);
  Free(FOtherSkin);
  EXPECT_EQ(skinForm->SkinData(), nullptr);
  EXPECT_EQ(skinForm->MenusSkinData(), nullptr);
  // The form's messages go to its own handling again once the skinned form is gone.
  Free(skinForm);
  gLog.clear();
  FForm->Perform(MSG_AFTER_SKIN_CHANGE, 0, 1000);
  EXPECT_EQ(gLog, std::vector<std::string>{"form 1226"});
}

TEST_F(SkinFormTest, WindowStatesToggleTheStatusBarGrip) {
  auto* skinForm = new TspSkinForm(FForm);
  skinForm->SetSkinData(FSkin);
  FSkin->LoadCompressedStoredSkin(FStored);  // names "statusbar" as the status bar
  auto* grip = Place<TGripControl>(FForm);
  grip->SetName(L"statusbar");
  ShowAndActivate(FForm);

  skinForm->SetWindowState(2);
  Settle();
  EXPECT_EQ(FForm->WindowState(), wsMaximized);
  EXPECT_TRUE(IsZoomed(FForm->Handle()));
  EXPECT_FALSE(grip->ShowGrip);

  // Writing the state the form has does nothing.
  const int calls = grip->Calls;
  skinForm->SetWindowState(2);
  Settle();
  EXPECT_EQ(grip->Calls, calls);

  skinForm->SetWindowState(0);
  Settle();
  EXPECT_EQ(skinForm->WindowState(), 0);
  EXPECT_FALSE(IsZoomed(FForm->Handle()));
  EXPECT_TRUE(grip->ShowGrip);

  // Maximizing through the system (not the skinned form) is followed too.
  ShowWindow(FForm->Handle(), SW_MAXIMIZE);
  Settle();
  EXPECT_EQ(skinForm->WindowState(), 2);
  EXPECT_FALSE(grip->ShowGrip);

  // A status bar without a grip is left alone.
  ShowWindow(FForm->Handle(), SW_RESTORE);
  Settle();
  grip->FSizeGrip = false;
  const int before = grip->Calls;
  skinForm->SetWindowState(2);
  Settle();
  EXPECT_EQ(grip->Calls, before);
}

TEST_F(SkinFormTest, WindowStateSetWhileHiddenAppliesWhenShown) {
  FForm->SetWindowState(wsMaximized);
  EXPECT_EQ(FForm->WindowState(), wsMaximized);
  ShowAndActivate(FForm);
  EXPECT_TRUE(IsZoomed(FForm->Handle()));
}

}  // namespace
