// Samples of the skinned combo boxes: fixed list, edit style, stretched,
// tool-button look, with images and tabs, disabled, and the font name and
// size boxes. --dropskincombo opens the first combo's list once it shows.
#include <algorithm>

#include "demo/GalleryFrame.h"
#include "demo/SkinSamples.h"
#include "skininputs/SkinFontCombos.h"

namespace {

const wchar_t* const kFruit[] = {L"Apple \x82F9\x679C", L"Banana \x9999\x8549", L"Cherry \x6A31\x6843",
                                 L"Grape \x8461\x8404", L"Lemon \x67E0\x6AAC", L"Mango \x8292\x679C",
                                 L"Orange \x6A59\x5B50", L"Peach \x6843\x5B50", L"Pear \x68A8",
                                 L"Plum \x674E\x5B50"};

template <typename T>
T* AddCombo(TWinControl* Parent, TspSkinData* SkinData, int Left, int& Top, int Width) {
  T* c = Place<T>(Parent, Left, Top, Width, 20);
  c->DefaultFont()->SetName(kChineseFont);
  c->Font()->SetName(kChineseFont);
  c->SetSkinData(SkinData);
  Top = c->Top() + c->Height() + 6;
  return c;
}

TspSkinComboBox* gToDrop = nullptr;

void CALLBACK DropSample(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  if (gToDrop && gToDrop->IsShowing()) gToDrop->DropDown();
}

void Fill(TspSkinCustomComboBox* C, int Index) {
  for (const wchar_t* s : kFruit) C->Items()->Add(s);
  C->SetItemIndex(Index);
}

}  // namespace

int BuildComboSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  const int w = kSampleColumnWidth - 2 * X;
  auto* fixed = AddCombo<TspSkinComboBox>(Parent, SkinData, X, Y, w);
  Fill(fixed, 2);

  auto* edit = AddCombo<TspSkinComboBox>(Parent, SkinData, X, Y, w);
  Fill(edit, -1);
  edit->SetStyle(spcbEditStyle);
  edit->SetText(L"Type: completes \x8F93\x5165");

  auto* stretched = AddCombo<TspSkinComboBox>(Parent, SkinData, X, Y, w);
  stretched->SetUseSkinSize(false);
  stretched->SetHeight(28);
  Fill(stretched, 4);

  auto* tabs = AddCombo<TspSkinComboBox>(Parent, SkinData, X, Y, w);
  tabs->TabWidths()->Add(L"90");
  for (const wchar_t* s : {L"Name\tValue", L"Width\t120", L"Height\t20"}) tabs->Items()->Add(s);
  tabs->SetItemIndex(1);

  auto* disabled = AddCombo<TspSkinComboBox>(Parent, SkinData, X, Y, w);
  Fill(disabled, 0);
  disabled->SetEnabled(false);

  int beside = Y;
  auto* tool = AddCombo<TspSkinComboBox>(Parent, SkinData, X, Y, w / 2 - 4);
  tool->SetToolButtonStyle(true);
  tool->SetHeight(22);
  Fill(tool, 6);
  auto* editTool = AddCombo<TspSkinComboBox>(Parent, SkinData, X + w / 2, beside, w / 2);
  Fill(editTool, 7);
  editTool->SetReadOnly(true);
  editTool->SetStyle(spcbEditStyle);
  Y = std::max(Y, editTool->Top() + editTool->Height() + 6);

  auto* names = AddCombo<TspSkinFontComboBox>(Parent, SkinData, X, Y, w);
  names->SetFontName(kChineseFont);
  beside = Y;
  auto* sizes = AddCombo<TspSkinFontSizeComboBox>(Parent, SkinData, X, Y, w / 2 - 4);
  sizes->SetStyle(spcbEditStyle);
  sizes->SetFontName(names->FontName());
  sizes->SetText(L"10");
  auto* fixedSizes = AddCombo<TspSkinFontSizeComboBox>(Parent, SkinData, X + w / 2, beside, w / 2);
  fixedSizes->SetFontName(kChineseFont);
  fixedSizes->SetItemIndex(4);
  names->OnChange = [names, sizes, fixedSizes](TObject*) {
    sizes->SetFontName(names->FontName());
    fixedSizes->SetFontName(names->FontName());
  };

  // The first skinned column's list opens once the page has shown.
  if (SkinData && !gToDrop && HasArgument(L"--dropskincombo")) {
    gToDrop = fixed;
    SetTimer(nullptr, 0, 800, DropSample);
  }
  return Y;
}
