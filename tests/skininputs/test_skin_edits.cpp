// The edit base and the skinned edit under real messages: context menu,
// read-only mode, dialog keys, pasted line breaks, edit button and looks.
#include <map>

#include "SkinInputTestUtils.h"
#include "classlib/GuiCounts.h"
#include "skin/SkinForm.h"
#include "skin/SkinResStr.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinSpinEdit.h"
#include "skinctrls/SkinMenus.h"

namespace {

struct TMenuSeen {
  std::vector<String> Captions;
  std::vector<bool> Enabled;
};

// Ends the system menu that opens on a form without a skinned form.
void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  EndMenu();
}

TMenuSeen OpenMenu(TspCustomEdit* Edit) {
  SetTimer(nullptr, 0, 100, EndMenuSoon);
  SendMessageW(Edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Edit->Handle()), MAKELPARAM(-1, -1));
  TMenuSeen seen;
  TspSkinPopupMenu* menu = Edit->EditMenu();
  if (!menu) return seen;
  for (int i = 0; i < menu->Items()->Count(); ++i) {
    seen.Captions.push_back(menu->Items()->Items(i)->Caption());
    seen.Enabled.push_back(menu->Items()->Items(i)->Enabled());
  }
  return seen;
}

// Undo, -, Cut, Copy, Paste, Delete, -, Select All
enum { kUndo = 0, kCut = 2, kCopy = 3, kPaste = 4, kDelete = 5, kSelectAll = 7 };

}  // namespace

class EditBaseTest : public InputTest {};

TEST_F(EditBaseTest, ContextMenuWithDefaultCaptionsFollowsTheEditsState) {
  auto* edit = AddFocused<TspSkinEdit>(10, 10, 150, 20);
  Clipboard()->SetAsText(L"clip");
  TMenuSeen m = OpenMenu(edit);
  ASSERT_EQ(m.Captions.size(), 8u);
  EXPECT_EQ(m.Captions, (std::vector<String>{L"Undo", L"-", L"Cut", L"Copy", L"Paste", L"Delete", L"-",
                                             L"Select All"}));
  // Empty: nothing to cut, copy, delete or select; the clipboard can be pasted.
  EXPECT_FALSE(m.Enabled[kCut] || m.Enabled[kCopy] || m.Enabled[kDelete] || m.Enabled[kSelectAll]);
  EXPECT_TRUE(m.Enabled[kPaste]);

  edit->SetText(L"hello");
  SendMessageW(edit->Handle(), EM_SETSEL, 1, 3);
  m = OpenMenu(edit);
  EXPECT_TRUE(m.Enabled[kCut] && m.Enabled[kCopy] && m.Enabled[kDelete] && m.Enabled[kSelectAll]);

  edit->SetReadOnly(true);
  m = OpenMenu(edit);
  EXPECT_FALSE(m.Enabled[kCut] || m.Enabled[kPaste] || m.Enabled[kDelete]);
  EXPECT_TRUE(m.Enabled[kCopy]);
}

TEST_F(EditBaseTest, AStoreOnTheSkinFormGivesTheCaptionsAndLacksGiveEmptyOnes) {
  auto* data = new TspSkinData(form);
  auto* store = new TspResourceStrData(form);
  TStringList lines;
  lines.Add(L"EDIT_COPY=\x590D\x5236");
  lines.Add(L"EDIT_PASTE=\x7C98\x8D34");
  store->SetResStrings(&lines);
  data->SetResourceStrData(store);
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(data);
  auto* edit = AddFocused<TspSkinEdit>(10, 10, 150, 20);
  const TMenuSeen m = OpenMenu(edit);
  ASSERT_EQ(m.Captions.size(), 8u);
  EXPECT_EQ(m.Captions[kCopy], L"\x590D\x5236");
  EXPECT_EQ(m.Captions[kPaste], L"\x7C98\x8D34");
  EXPECT_EQ(m.Captions[kUndo], L"");
  // Freeing the edit while its menu is on screen closes the menu first.
  auto* menu = dynamic_cast<TspSkinMenu*>(skinForm->SkinMenu());
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(menu->Visible());
  Free(edit);
  EXPECT_FALSE(menu->Visible());
  Settle();
  EXPECT_FALSE(menu->Visible());
}

TEST_F(EditBaseTest, AnAssignedPopupMenuTakesThePlaceOfTheEditMenu) {
  auto* edit = AddFocused<TspSkinEdit>(10, 10, 150, 20);
  auto* own = new TPopupMenu(form);
  edit->SetPopupMenu(own);
  bool popped = false;
  own->OnPopup = [&](TObject*) { popped = true; };
  SetTimer(nullptr, 0, 100, EndMenuSoon);
  PostMessageW(edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), MAKELPARAM(50, 50));
  EXPECT_TRUE(PumpUntil([&] { return popped; }, 3000));
  EndMenu();
  Settle();
  EXPECT_EQ(edit->EditMenu(), nullptr);
}

TEST_F(EditBaseTest, ReadOnlyRefusesEveryWayOfChangingTheText) {
  auto* edit = AddFocused<TspSkinEdit>(10, 10, 150, 20);
  edit->SetText(L"fixed");
  edit->SetReadOnly(true);
  Clipboard()->SetAsText(L"pasted");
  SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
  TypeText(edit, L"x\b");
  TypeText(edit, String(1, wchar_t(22)));  // Ctrl+V
  KeyDownUp(edit, VK_DELETE);
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  SendMessageW(edit->Handle(), WM_CUT, 0, 0);
  SendMessageW(edit->Handle(), WM_CLEAR, 0, 0);
  // Paths the system edit takes by itself: IME characters and its own undo.
  SendMessageW(edit->Handle(), WM_IME_CHAR, L'y', 1);
  SendMessageW(edit->Handle(), EM_UNDO, 0, 0);
  Settle();
  EXPECT_EQ(edit->Text(), L"fixed");
  EXPECT_TRUE(GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_READONLY);
  // Writable again.
  edit->SetReadOnly(false);
  SendMessageW(edit->Handle(), EM_SETSEL, 5, 5);
  TypeText(edit, L"!");
  EXPECT_EQ(edit->Text(), L"fixed!");
}

TEST_F(EditBaseTest, EnterGoesToTheFormsDefaultButtonAndNeverIntoTheText) {
  auto* button = Add<TButton>(form, 200, 10, 60, 24);
  button->SetDefault(true);
  int clicks = 0, presses = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  auto* edit = AddFocused<TspSkinEdit>(10, 10, 150, 20);
  edit->OnKeyPress = [&](TObject*, wchar_t& Key) {
    ++presses;
    Key = L'z';  // ignored
  };
  edit->SetText(L"ab");
  TypeText(edit, L"\r");
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(presses, 1);
  EXPECT_EQ(edit->Text(), L"ab");
  edit->SetReadOnly(true);
  TypeText(edit, L"\r");
  EXPECT_EQ(clicks, 2);
}

TEST_F(EditBaseTest, APastedLineBreakEndsThePaste) {
  auto* edit = AddFocused<TspSkinEdit>(10, 10, 150, 20);
  Clipboard()->SetAsText(L"first\r\nsecond");
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"first");
  Clipboard()->SetAsText(L"one line");
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"firstone line");
}

class SkinEditTest : public InputTest {};

TEST_F(SkinEditTest, DefaultLookFrameButtonAndTextArea) {
  auto* edit = Add<TspSkinEdit>(form, 10, 10, 120, 22);
  edit->SetButtonMode(true);
  Settle();
  const TEditLayout l = edit->Layout();
  EXPECT_EQ(l.Button, TRect(98, 0, 120, 22));
  EXPECT_EQ(l.Text, TRect(2, 2, 96, 20));
  RECT cr;
  GetClientRect(edit->Handle(), &cr);
  EXPECT_EQ(cr.right, 94);
  EXPECT_EQ(cr.bottom, 18);
  TBitmap b;
  edit->DrawFrame(&b);
  EXPECT_EQ(b.Canvas()->Pixels(0, 5), Rgb(clBtnShadow));
  EXPECT_EQ(b.Canvas()->Pixels(1, 5), Rgb(clBtnFace));
  EXPECT_EQ(b.Canvas()->Pixels(98, 0), Rgb(clBtnShadow));
  EXPECT_EQ(b.Canvas()->Pixels(108, 10), Rgb(clBtnFace));
}

// Between the clearing of the skin data and the message after the change the
// edit still has its record, but its picture is gone with the skin; a frame
// or erase message the system sends then (a form's frame changing, say) must
// give the look without a skin. Drawing the freed picture faulted, and the
// fault, caught where the message was dispatched, left the paint's bitmaps
// undeleted.
TEST_F(SkinEditTest, FramePaintedWhileTheSkinIsClearedHasTheLookWithoutASkin) {
  TspSkinData* skin = NewTestSkin(form);
  auto* edit = Add<TspSkinEdit>(form, 10, 10, 150, 22);
  edit->SetSkinData(skin);
  Settle();
  ASSERT_NE(edit->SkinIndex(), -1);
  skin->BroadcastMessage(MSG_BEFORE_SKIN_CHANGE);
  skin->ClearAll();
  TBitmap b;
  edit->DrawFrame(&b);
  EXPECT_EQ(b.Canvas()->Pixels(0, 5), Rgb(clBtnShadow));
  EXPECT_EQ(b.Canvas()->Pixels(1, 5), Rgb(clBtnFace));
  const int before = GdiObjectsInUse();
  for (int i = 0; i < 10; ++i) {
    SendMessageW(edit->Handle(), WM_NCPAINT, 1, 0);
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  }
  EXPECT_EQ(GdiObjectsInUse(), before);
  skin->BroadcastMessage(MSG_AFTER_SKIN_CHANGE);
  skin->BroadcastMessage(MSG_SKIN_CHANGE_DONE);
  Settle();
}

// Messages sent to each window, but for an edit's paint of its text into the
// context of its own paint.
std::map<std::pair<HWND, UINT>, int> gSent;

LRESULT CALLBACK NoteSent(int Code, WPARAM W, LPARAM L) {
  const auto* m = reinterpret_cast<const CWPSTRUCT*>(L);
  if (Code == HC_ACTION && !(m->message == WM_PAINT && m->wParam)) ++gSent[{m->hwnd, m->message}];
  return CallNextHookEx(nullptr, Code, W, L);
}

// A shown switch to a skin of the same shapes draws an edit's frame and text
// area once, and moves no edit: a spin edit placed at another height took the
// skin's at once, as the switch gives it.
TEST_F(SkinEditTest, ASkinSwitchDrawsAnEditOnceAndMovesNone) {
  TspSkinData* skin = NewTestSkin(form);
  (new TspSkinForm(form))->SetSkinData(skin);
  auto* edit = Put<TspSkinEdit>(form, skin, 10, 10, 150, 22);
  edit->SetText(L"Text \x6587");
  auto* spin = Put<TspSkinSpinEdit>(form, skin, 10, 40, 120, 14);
  Settle();
  auto* record = RecordOf<TspDataSkinSpinEditControl>(skin, L"spinedit");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(spin->Height(), record->SkinRect.Height());
  const std::unique_ptr<TBitmap> before = ScreenPixels(edit);
  gSent.clear();
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, NoteSent, nullptr, GetCurrentThreadId());
  skin->LoadCompressedStoredSkin(TestStoredSkin());
  UpdateWindow(form->Handle());
  UnhookWindowsHookEx(hook);
  for (UINT m : {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}) EXPECT_EQ((gSent[{edit->Handle(), m}]), 1) << std::hex << m;
  for (HWND w : {edit->Handle(), spin->Handle(), spin->Edit()->Handle()})
    EXPECT_EQ((gSent[{w, WM_WINDOWPOSCHANGING}]), 0);
  Settle();
  EXPECT_EQ(DifferentPixels(ScreenPixels(edit).get(), before.get()), 0);
}

// A switch to another skin shows an edit as a fresh edit of that skin shows,
// whoever redraws it at the end: the skinned form of its skin, nobody but the
// skin (a plain form), or the skin while the form's skinned form has another.
TEST_F(SkinEditTest, ASwitchedEditShowsWhatAFreshOneShowsOnAnyForm) {
  TspCompressedStoredSkin* dark = StoredSkin(form, ProjectPath("skins/Dark/skin.ini"));
  for (int formSkin : {0, 1, 2}) {  // the edit's skin, none, another
    auto* host = new TForm(nullptr);
    host->SetBounds(0, 0, 300, 120);
    TspSkinData* skin = NewTestSkin(host);
    if (formSkin != 1) (new TspSkinForm(host))->SetSkinData(formSkin == 0 ? skin : NewTestSkin(host));
    host->Show();
    auto* edit = Put<TspSkinEdit>(host, skin, 10, 10, 150, 22);
    edit->SetText(L"Wg");
    Settle();
    skin->LoadCompressedStoredSkin(dark);
    Settle();
    const std::unique_ptr<TBitmap> switched = ScreenPixels(edit);
    Free(edit);
    auto* fresh = Put<TspSkinEdit>(host, skin, 10, 10, 150, 22);
    fresh->SetText(L"Wg");
    Settle();
    EXPECT_EQ(DifferentPixels(ScreenPixels(fresh).get(), switched.get()), 0) << "form skin " << formSkin;
    Free(host);
    Settle();
  }
}

// The frame and the text area drawn from one composition of the whole edit
// show what they show drawn apart (as a blend that keeps all of the edit draws
// them), at widths narrower than the skin's picture and wider, idle and hot.
TEST_F(SkinEditTest, OneCompositionShowsWhatTheFrameAndTextAreaDrawnApartShow) {
  TspSkinData* skin = NewTestSkin(form);
  for (int width : {12, 30, 150}) {
    for (bool hot : {false, true}) {
      auto* edit = Put<TspSkinEdit>(form, skin, 10, 10, width, 22);
      edit->SetText(L"Wg");
      if (hot) edit->Perform(CM_MOUSEENTER, 0, 0);
      Settle();
      const std::unique_ptr<TBitmap> one = ScreenPixels(edit);
      edit->SetAlphaBlendValue(255);
      edit->SetAlphaBlend(true);
      Settle();
      EXPECT_EQ(DifferentPixels(ScreenPixels(edit).get(), one.get()), 0) << width << (hot ? " hot" : " idle");
      Free(edit);
    }
  }
}

TEST_F(SkinEditTest, EditButtonClicksOnlyWhenReleasedOverIt) {
  auto* edit = Add<TspSkinEdit>(form, 10, 10, 120, 22);
  edit->SetButtonMode(true);
  int clicks = 0;
  edit->OnButtonClick = [&](TObject*) { ++clicks; };
  Settle();
  RECT wr;
  GetWindowRect(edit->Handle(), &wr);
  const TPoint onButton(wr.left + 108, wr.top + 10);
  MoveMouse(onButton);
  EXPECT_TRUE(edit->EditButtonHot());
  TBitmap hot;
  edit->DrawFrame(&hot);
  EXPECT_EQ(hot.Canvas()->Pixels(108, 10), 0xD2BDB6);
  MouseDown();
  Settle();
  EXPECT_TRUE(edit->EditButtonPressed());
  MouseUp();
  Settle();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(edit->Focused());
  // Pressed, then released away from the control: no click.
  MoveMouse(onButton);
  MouseDown();
  Settle();
  MoveMouse(TPoint(onButton.X, onButton.Y + 80));
  MouseUp();
  Settle();
  EXPECT_EQ(clicks, 1);
}

TEST_F(SkinEditTest, SkinRecordGivesHeightFontAndStateColours) {
  TspSkinData* skin = NewTestSkin(form);
  auto* record = RecordOf<TspDataSkinEditControl>(skin, L"edit");
  ASSERT_NE(record, nullptr);
  auto* edit = Add<TspSkinEdit>(form, 10, 10, 150, 40);
  edit->SetSkinData(skin);
  Settle();
  EXPECT_EQ(edit->Height(), record->SkinRect.Height());
  EXPECT_EQ(edit->Font()->Color(), record->FontColor);
  edit->SetFocus();
  Settle();
  EXPECT_EQ(edit->Font()->Color(), record->ActiveFontColor);
  form->SetFocus();
  edit->SetEnabled(false);
  Settle();
  EXPECT_EQ(edit->Font()->Color(), record->DisabledFontColor);
  // Without the skin's font the height follows the default font.
  edit->SetEnabled(true);
  edit->SetUseSkinFont(false);
  edit->DefaultFont()->SetHeight(30);
  Settle();
  EXPECT_GT(edit->Height(), record->SkinRect.Height() + 10);
  // No such record: the default look, sized by DefaultWidth and DefaultHeight.
  edit->SetUseSkinFont(true);
  edit->SetDefaultWidth(90);
  edit->SetDefaultHeight(26);
  edit->SetSkinDataName(L"nosuchedit");
  edit->ChangeSkinData();
  EXPECT_EQ(edit->SkinIndex(), -1);
  EXPECT_EQ(edit->Width(), 90);
  EXPECT_EQ(edit->Height(), 26);
}

// A skin change while the user types keeps the edit's window: the text, the
// caret and the selection stay, and typing goes on where it was.
TEST_F(SkinEditTest, ASkinChangeWhileTypingKeepsTextCaretAndSelection) {
  TspCompressedStoredSkin* dark = StoredSkin(form, ProjectPath("skins/Dark/skin.ini"));
  TspSkinData* skin = NewTestSkin(form);
  (new TspSkinForm(form))->SetSkinData(skin);
  auto* edit = Put<TspSkinEdit>(form, skin, 10, 10, 150, 22);
  int enters = 0;
  edit->OnEnter = [&](TObject*) { ++enters; };
  edit->SetFocus();
  Settle();
  TypeInput(L"ab");
  const HWND handle = edit->Handle();
  skin->LoadCompressedStoredSkin(dark);
  Settle();
  TypeInput(L"cd");
  EXPECT_EQ(edit->Text(), L"abcd");
  SendMessageW(edit->Handle(), EM_SETSEL, 1, 3);
  skin->ClearAll();
  Settle();
  EXPECT_EQ(edit->Handle(), handle);
  EXPECT_EQ(GetFocus(), handle);
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(edit->SelLength(), 2);
  TypeInput(L"x");
  EXPECT_EQ(edit->Text(), L"axd");
  EXPECT_EQ(enters, 1) << "the focus never left the edit";
}

TEST_F(SkinEditTest, ImageButtonsNeedAnImageList) {
  auto* edit = Add<TspSkinEdit>(form, 10, 10, 150, 22);
  edit->SetLeftImageIndex(0);
  Settle();
  RECT before;
  SendMessageW(edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&before));
  EXPECT_LE(before.left, 2);  // no list: the text takes the whole width
  auto* images = new TImageList(form);
  images->SetSize(16, 16);
  TBitmap pic;
  pic.SetSize(16, 16);
  images->Add(&pic, nullptr);
  int clicks = 0;
  edit->OnLeftButtonClick = [&](TObject*) { ++clicks; };
  edit->SetImages(images);
  Settle();
  RECT after;
  SendMessageW(edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&after));
  EXPECT_GE(after.left, 18);
  ClickAt(edit, TPoint(10, 10));
  EXPECT_EQ(clicks, 1);
}

TEST_F(EditBaseTest, OnAnMDIChildTheEditMenuOpensThroughTheMainFormsSkinnedForm) {
  auto* frame = new TForm(nullptr);
  frame->SetFormStyle(fsMDIForm);
  frame->SetBounds(30, 30, 500, 360);
  auto* frameData = new TspSkinData(frame);
  auto* frameSkin = new TspSkinForm(frame);
  frameSkin->SetSkinData(frameData);
  Application->SetMainForm(frame);
  frame->Show();
  auto* child = new TForm(frame);
  child->SetFormStyle(fsMDIChild);
  child->SetBounds(10, 10, 260, 160);
  auto* childSkin = new TspSkinForm(child);
  childSkin->SetSkinData(new TspSkinData(child));
  auto* edit = new TspSkinEdit(child);
  edit->SetParent(child);
  edit->SetBounds(10, 10, 150, 20);
  child->Show();
  Settle();
  SendMessageW(edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), MAKELPARAM(40, 40));
  ASSERT_NE(edit->EditMenu(), nullptr);
  EXPECT_EQ(edit->EditMenu()->OwnerForm(), frame);
  TspSkinMenu* frameMenu = FindSkinMenu(frameSkin);
  ASSERT_NE(frameMenu, nullptr);
  EXPECT_TRUE(frameMenu->Visible());
  EXPECT_FALSE(FindSkinMenu(childSkin)->Visible());
  EXPECT_EQ(edit->EditMenu()->SkinData(), frameData);
  frameMenu->CloseSkinMenu();
  Application->SetMainForm(nullptr);
  Free(frame);
  Settle();
}
