// Pieces that leave nothing sound to draw, each in the library's own skins:
// a skin rectangle smaller than its corners or client, a corner point past
// its rectangle, an item rectangle smaller than its offsets, a track that
// does not fit its bar, a frame client of one pixel, and colours past 24
// bits. Every control of a form, and the form and an MDI frame themselves,
// show no more pure black than under the sound skin: a control with such a
// record draws as without a skin.
#include <cstdio>

#include "../skinctrls/EditedTestSkin.h"
#include "SkinInputTestUtils.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinHint.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinScrollBar.h"
#include "skinctrls/SkinTreeView.h"
#include "skininputs/SkinListBox.h"

namespace {

struct TOddPiece {
  const wchar_t* Name;
  std::vector<TIniEdit> Edits;
};

std::vector<TOddPiece> OddPieces() {
  return {
      {L"skin-rect-smaller-than-its-corners",
       {{"button", "skinrect", "146,66,151,71"}, {"panel", "skinrect", "44,0,49,5"},
        {"groupbox", "skinrect", "110,0,115,5"}}},
      {L"skin-rect-cut-to-its-picture", {{"button", "skinrect", "-32767,-32767,5,5"}}},
      {L"section-given-twice", {{"", "", "\r\n[button]\r\nskinrect=146,66,151,71\r\n"}}},
      {L"section-given-twice-sound-after-odd",
       {{"button", "skinrect", "146,66,151,71"}, {"", "", "\r\n[button]\r\nskinrect=146,66,210,92\r\n"}}},
      {L"section-given-twice-with-odd-corners",
       {{"", "", "\r\n[button]\r\nlefttoppoint=300,300\r\nclientrect=0,0,1,1\r\n"}}},
      {L"corner-past-its-rectangle", {{"panel", "lefttoppoint", "3008,22"}}},
      {L"item-smaller-than-its-offsets", {{"listbox", "itemrect", "0,48,5,53"}}},
      {L"item-offset-at-its-limit", {{"listbox", "itemrightoffset", "256"}}},
      {L"track-past-its-bar", {{"hscrollbar", "trackarea", "5,5,5,40"}}},
      {L"track-past-its-vertical-bar", {{"vscrollbar", "trackarea", "5,5,40,5"}}},
      {L"colour-past-24-bits", {{"treeview", "bgcolor", "0x01FFFFFF"}, {"listbox", "fontcolor", "0x02FFFFFF"}}},
      {L"colour-minus-one", {{"treeview", "bgcolor", "-1"}}},
      {L"colour-of-no-colour", {{"treeview", "bgcolor", "536870911"}}},
      {L"frame-client-of-one-pixel", {{"FORMINFO", "clientrect", "0,0,1,1"}}},
      {L"popup-and-hint-corner-past-their-picture",
       {{"POPUPWINDOW", "lefttoppoint", "3008,22"}, {"HINTWINDOW", "lefttoppoint", "3008,22"}}},
      {L"popup-and-hint-corners-crossed",
       {{"POPUPWINDOW", "righttoppoint", "2,3"}, {"HINTWINDOW", "rightbottompoint", "28,2"}}},
      {L"popup-and-hint-empty-client", {{"POPUPWINDOW", "itemsrect", "0,0,0,0"}, {"HINTWINDOW", "clientrect", "6,4,6,4"}}},
      {L"popup-and-hint-corners-in-one-row",
       {{"POPUPWINDOW", "leftbottompoint", "3,3"}, {"POPUPWINDOW", "rightbottompoint", "29,3"},
        {"HINTWINDOW", "leftbottompoint", "4,4"}, {"HINTWINDOW", "rightbottompoint", "28,4"}}},
      {L"popup-and-hint-corners-in-one-column",
       {{"POPUPWINDOW", "righttoppoint", "3,3"}, {"POPUPWINDOW", "rightbottompoint", "3,29"},
        {"HINTWINDOW", "righttoppoint", "4,4"}, {"HINTWINDOW", "rightbottompoint", "4,20"}}},
      {L"popup-and-hint-corners-at-one-point",
       {{"POPUPWINDOW", "righttoppoint", "3,3"}, {"POPUPWINDOW", "leftbottompoint", "3,3"},
        {"POPUPWINDOW", "rightbottompoint", "3,3"}, {"HINTWINDOW", "righttoppoint", "4,4"},
        {"HINTWINDOW", "leftbottompoint", "4,4"}, {"HINTWINDOW", "rightbottompoint", "4,4"}}},
      {L"menu-item-smaller-than-its-offsets",
       {{"menuitem", "skinrect", "0,0,6,24"}, {"mainmenubaritem", "skinrect", "0,56,8,78"}}},
      {L"menu-item-offset-at-its-limit",
       {{"menuitem", "itemrightoffset", "256"}, {"mainmenubaritem", "itemleftoffset", "256"}}},
      {L"menu-item-lit-piece-smaller-than-its-offsets",
       {{"menuitem", "activeskinrect", "0,24,7,48"}, {"mainmenubaritem", "activeskinrect", "0,78,9,100"}}},
      {L"menu-item-empty-pieces",
       {{"menuitem", "activeskinrect", "0,24,0,48"}, {"mainmenubaritem", "skinrect", "0,0,0,0"}}},
      {L"menu-item-empty", {{"menuitem", "skinrect", "0,0,0,0"}}},
      {L"menu-divider-of-no-width", {{"menuitem", "dividerrect", "4,48,4,56"}}},
  };
}

// The share of Part of the window (window coordinates; all of it when
// empty), frame included, that is solid black.
double BlackShare(HWND Window, TRect Part = TRect()) {
  RECT r = {};
  GetWindowRect(Window, &r);
  if (Part.IsEmpty()) Part = TRect(0, 0, r.right - r.left, r.bottom - r.top);
  const int w = Part.Width(), h = Part.Height();
  TBitmap shot;
  shot.SetSize(w, h);
  HDC dc = GetWindowDC(Window);
  BitBlt(shot.Canvas()->Handle(), 0, 0, w, h, dc, Part.Left, Part.Top, SRCCOPY);
  ReleaseDC(Window, dc);
  std::vector<bool> black(size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) black[size_t(y) * w + x] = (shot.Canvas()->Pixels(x, y) & 0xFFFFFF) == 0;
  // Pixels of solid black, black with all eight neighbours: a box left
  // undrawn, not the strokes of text or of a glyph.
  int solid = 0;
  for (int y = 1; y + 1 < h; ++y)
    for (int x = 1; x + 1 < w; ++x) {
      bool all = true;
      for (int dy = -1; dy <= 1 && all; ++dy)
        for (int dx = -1; dx <= 1 && all; ++dx) all = black[size_t(y + dy) * w + x + dx];
      solid += all;
    }
  return double(solid) / std::max(1, w * h);
}

// The form's menu bar, its items at rest and its first item lit.
std::vector<double> MenuBarShares(TForm* Form) {
  TspSkinForm* frame = GetSkinForm(Form);
  frame->UpdateMenuBar();
  Settle();
  const TRect first = frame->MenuBarItemRect(0), last = frame->MenuBarItemRect(2);
  const TRect bar(first.Left, first.Top, last.Right, last.Bottom);
  if (bar.IsEmpty()) return {0, 0};
  const double rest = BlackShare(Form->Handle(), bar);
  RECT r = {};
  GetWindowRect(Form->Handle(), &r);
  SendMessageW(Form->Handle(), WM_NCMOUSEMOVE, HTMENU,
               MAKELPARAM(r.left + first.Left + first.Width() / 2, r.top + first.Top + first.Height() / 2));
  Settle();
  const double lit = BlackShare(Form->Handle(), first);
  SendMessageW(Form->Handle(), WM_NCMOUSELEAVE, 0, 0);
  return {rest, lit};
}

TForm* SkinnedForm(TspSkinData* Skin, TFormStyle Style, int Left) {
  auto* form = new TForm(nullptr);
  form->SetFormStyle(Style);
  form->SetBounds(Left, 20, 420, 320);
  (new TspSkinForm(form))->SetSkinData(Skin);
  return form;
}

// The windows that show only while open or lit: the form's menu bar, a menu
// level and a hint, opened under the skin loaded now and measured, then
// closed.
std::vector<double> PopupShares(TForm* Form, TspSkinData* Skin, TPopupMenu* Menu, TspSkinHint* Hint) {
  TspSkinMenu* levels = FindSkinMenu(GetSkinForm(Form));
  levels->PopupItems(nullptr, Skin, false, Menu->Items(), TRect(150, 150, 150, 150), 0);
  Settle();
  double menu = 1, lit = 1;
  if (levels->Visible()) {
    TspSkinPopupWindow* level = levels->Level(0);
    menu = BlackShare(level->Handle());
    level->Items(0)->Enter(false);
    Settle();
    lit = BlackShare(level->Handle());
  }
  levels->CloseSkinMenu();
  Hint->ShowHintAt(TPoint(60, 60), L"A hint of some length");
  Settle();
  const double hint = BlackShare(Hint->HintWindow()->Handle());
  Hint->HideSkinHint();
  std::vector<double> shares = MenuBarShares(Form);
  shares.insert(shares.end(), {menu, lit, hint});
  return shares;
}

TEST(SkinSmallPieces, NoPieceDrawsBlackWhereTheSoundSkinHasNone) {
  for (const char* base : {"Default", "Dark"}) {
    SCOPED_TRACE(base);
    auto* owner = new TForm(nullptr);
    auto* skin = new TspSkinData(owner);
    TForm* form = SkinnedForm(skin, fsNormal, 10);
    TForm* mdi = SkinnedForm(skin, fsMDIForm, 440);
    auto* button = Put<TspSkinButton>(form, skin, 10, 10, 120, 30);
    button->SetCaption(L"Button");
    auto* list = Put<TspSkinListBox>(form, skin, 140, 10, 120, 90);
    for (int i = 0; i < 12; ++i) list->Items()->Add(L"item");
    auto* tree = Put<TspSkinTreeView>(form, skin, 270, 10, 120, 90);
    tree->Items()->Add(nullptr, L"node");
    // One vertical bar keeps the record a scroll bar names first, the
    // horizontal one's; the other takes the vertical record.
    auto* vbar = new TspSkinScrollBar(form);
    vbar->SetKind(sbVertical);
    vbar->SetParent(form);
    vbar->SetBounds(10, 110, 18, 120);
    vbar->SetSkinData(skin);
    auto* vbar2 = Put<TspSkinScrollBar>(form, skin, 10, 140, 18, 120);
    vbar2->SetKind(sbVertical);
    vbar2->SetSkinDataName(L"vscrollbar");
    const std::vector<std::pair<TWinControl*, const wchar_t*>> windows = {
        {button, L"button"},
        {list, L"listbox"},
        {tree, L"treeview"},
        {vbar, L"vertical scroll bar"},
        {vbar2, L"vertical scroll bar of its own record"},
        {Put<TspSkinScrollBar>(form, skin, 40, 110, 120, 18), L"horizontal scroll bar"},
        {Put<TspSkinPanel>(form, skin, 170, 110, 100, 80), L"panel"},
        {Put<TspSkinGroupBox>(form, skin, 280, 110, 100, 80), L"groupbox"},
        {form, L"form"},
        {mdi, L"MDI frame"},
    };
    // A control draws as under the sound skin or as without one.
    auto* menu = new TPopupMenu(form);
    for (const wchar_t* caption : {L"Open", L"Save", L"-", L"Close"}) {
      auto* item = new TMenuItem(menu);
      item->SetCaption(caption);
      menu->Items()->Add(item);
    }
    auto* bar = new TMainMenu(form);
    for (const wchar_t* caption : {L"File", L"Edit", L"View"}) {
      auto* item = new TMenuItem(bar);
      item->SetCaption(caption);
      bar->Items()->Add(item);
    }
    form->SetMenu(bar);
    Application->SetMainForm(form);
    auto* hint = new TspSkinHint(form);
    hint->SetSkinData(skin);
    ShowAndActivate(mdi);
    ShowAndActivate(form);
    std::vector<double> bound, popupBound = PopupShares(form, skin, menu, hint);
    for (const auto& [window, name] : windows) bound.push_back(BlackShare(window->Handle()));
    skin->LoadCompressedStoredSkin(StoredSkin(owner, EditedSkin(base, L"sound", {})));
    Settle();
    for (size_t i = 0; i < windows.size(); ++i) bound[i] = std::max(bound[i], BlackShare(windows[i].first->Handle()));
    const std::vector<double> soundPopups = PopupShares(form, skin, menu, hint);
    for (size_t i = 0; i < popupBound.size(); ++i) popupBound[i] = std::max(popupBound[i], soundPopups[i]);
    for (const TOddPiece& odd : OddPieces()) {
      SCOPED_TRACE(WideToUtf8(odd.Name));
      skin->LoadCompressedStoredSkin(StoredSkin(owner, EditedSkin(base, odd.Name, odd.Edits)));
      Settle();
      for (size_t i = 0; i < windows.size(); ++i)
        EXPECT_LE(BlackShare(windows[i].first->Handle()), bound[i] + 0.02) << WideToUtf8(windows[i].second);
      const std::vector<double> popups = PopupShares(form, skin, menu, hint);
      const char* names[] = {"menu bar", "lit menu bar item", "menu level", "menu level with a lit item", "hint"};
      for (size_t i = 0; i < popups.size(); ++i) EXPECT_LE(popups[i], popupBound[i] + 0.02) << names[i];
    }
    Application->SetMainForm(nullptr);
    Free(mdi);
    Free(form);
    Free(owner);
  }
}

}  // namespace

// A frame label of 64 KB, the reader's limit for a value, loads and paints
// in about the time of a short one (printed; the test's limit catches a
// fitting that measures once a character).
TEST(SkinSmallPieces, LabelTextAtTheReadersLimitLoadsAndPaints) {
  auto* owner = new TForm(nullptr);
  auto* skin = new TspSkinData(owner);
  TForm* form = SkinnedForm(skin, fsNormal, 10);
  ShowAndActivate(form);
  for (size_t length : {size_t(8), size_t(65535)}) {
    const String ini = EditedSkin("Objects", L"long-label", {{"objlabel", "textvalue", std::string(length, 'W')}});
    const DWORD start = GetTickCount();
    skin->LoadCompressedStoredSkin(StoredSkin(owner, ini));
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Settle();
    std::printf("a label of %u characters: loaded and painted in %lu ms\n", unsigned(length), GetTickCount() - start);
    EXPECT_FALSE(skin->Empty());
  }
  Free(form);
  Free(owner);
}
