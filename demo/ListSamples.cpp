// Samples of the list boxes: with images, with a caption and its Up, Down
// and Check buttons, in columns, a popup list dropped under a button, and
// two lists whose items drag from one to the other (--drag N shows a drag in
// column N).
#include <algorithm>

#include "demo/GalleryFrame.h"
#include "demo/SkinSamples.h"
#include "skinctrls/SkinButtons.h"
#include "skininputs/PopupListBox.h"
#include "skininputs/SkinListBox.h"

namespace {

const wchar_t* const kFruit[] = {L"Apple \x82F9\x679C", L"Banana \x9999\x8549", L"Cherry \x6A31\x6843",
                                 L"Grape \x8461\x8404",  L"Lemon \x67E0\x6AAC",  L"Mango \x8292\x679C",
                                 L"Peach \x6843\x5B50",  L"Pear \x68A8",         L"Plum \x674E\x5B50"};

constexpr int kRow = 18;

template <class T>
T* PutList(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, int W, int H, const wchar_t* Name = nullptr) {
  T* list = Place<T>(Parent, X, Y, W, H);
  list->DefaultFont()->SetName(kChineseFont);
  list->Font()->SetName(kChineseFont);
  // Rows as high as the skins' item strips in every look, so that heights
  // below hold whole rows.
  list->SetDefaultItemHeight(kRow);
  if (Name) list->SetSkinDataName(Name);
  list->SetSkinData(SkinData);
  for (const wchar_t* s : kFruit) list->Items()->Add(s);
  return list;
}

// Four small coloured squares, one a fruit.
TImageList* FruitImages(TComponent* Owner) {
  auto* images = new TImageList(Owner);
  images->SetSize(14, 14);
  const TColor colours[] = {static_cast<TColor>(0x3030D0), static_cast<TColor>(0x20C8E8),
                            static_cast<TColor>(0x5020A0), static_cast<TColor>(0x40A040)};
  for (TColor c : colours) {
    TBitmap b;
    b.SetSize(14, 14);
    b.Canvas()->Brush()->SetColor(clFuchsia);
    b.Canvas()->FillRect(TRect(0, 0, 14, 14));
    b.Canvas()->Brush()->SetColor(c);
    b.Canvas()->Pen()->SetColor(c);
    b.Canvas()->Ellipse(1, 1, 13, 13);
    images->AddMasked(&b, clFuchsia);
  }
  return images;
}

// Items dragged from one of these lists drop into the other at the row under the mouse.
void AllowItemDrags(TspSkinListBox* List) {
  List->SetListBoxDragMode(dmAutomatic);
  List->OnListBoxDragOver = [List](TObject*, TObject* Source, int X, int Y, TDragState, bool& Accept) {
    auto* from = dynamic_cast<TspListBox*>(Source);
    Accept = from && from != List->ListBox() && from->SkinListBox &&
             from->SkinListBox->ListBoxDragMode() == dmAutomatic && from->ItemIndex() >= 0;
    // The row the item will go to is shown selected.
    if (Accept) List->SetItemIndex(List->ItemAtPos(TPoint(X, Y), true));
  };
  List->OnListBoxDragDrop = [List](TObject*, TObject* Source, int X, int Y) {
    TspSkinCustomListBox* from = static_cast<TspListBox*>(Source)->SkinListBox;
    const int index = from->ItemIndex();
    const String text = from->Items()->Strings(index);
    from->Items()->Delete(index);
    const int at = List->ItemAtPos(TPoint(X, Y), true);
    List->Items()->Insert(at < 0 ? List->Items()->Count() : at, text);
    List->SetItemIndex(at < 0 ? List->Items()->Count() - 1 : at);
  };
}

}  // namespace

int BuildListSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  const int w = kSampleColumnWidth - 2 * X;

  // Images: item i shows image i; the items past the images keep the indent.
  // Six whole rows inside the two-pixel frame.
  auto* images = PutList<TspSkinListBox>(Parent, SkinData, X, Y, w / 2 - 3, 6 * kRow + 4);
  images->SetImages(FruitImages(Parent));
  images->SetItemIndex(1);
  // Several selected, with tab stops.
  auto* multi = PutList<TspSkinListBox>(Parent, SkinData, X + w / 2 + 3, Y, w - w / 2 - 3, 6 * kRow + 4);
  multi->SetMultiSelect(true);
  multi->Items()->Clear();
  for (int i = 0; i < 9; ++i) {
    const String fruit = kFruit[i];
    multi->Items()->Add(fruit.substr(0, fruit.find(L' ')) + L"\t" + std::to_wstring(i * 7));
  }
  auto* tabs = new TStringList();
  tabs->Add(L"60");
  multi->SetTabWidths(tabs);
  Free(tabs);
  multi->SetSelected(0, true);
  multi->SetSelected(2, true);
  multi->SetSelected(3, true);
  Y += 116;

  // A caption with a glyph-less title and the Up, Down and Check buttons.
  // Five whole rows under the 20-pixel caption.
  auto* captioned = PutList<TspSkinListBox>(Parent, SkinData, X, Y, w, 5 * kRow + 22, L"captionlistbox");
  captioned->SetCaptionMode(true);
  captioned->SetDefaultCaptionFont(captioned->DefaultFont());
  captioned->SetCaption(L"Caption buttons \x6807\x9898");
  captioned->SetItemIndex(4);
  captioned->OnCheckButtonClick = [captioned](TObject*) {
    if (captioned->ItemIndex() >= 0) captioned->SetCaption(L"\x2713 " + captioned->Items()->Strings(captioned->ItemIndex()));
  };
  Y += 126;

  // Columns that scroll sideways.
  auto* columns = PutList<TspSkinListBox>(Parent, SkinData, X, Y, w, 84);
  columns->SetColumns(2);
  for (const wchar_t* s : kFruit) columns->Items()->Add(String(s) + L" 2");
  Y += 90;

  // A button that drops a popup list under itself; a choice closes it.
  auto* button = Place<TspSkinButton>(Parent, X, Y, 150, 25);
  button->DefaultFont()->SetName(kChineseFont);
  button->SetCaption(L"Popup list \x5F39\x51FA\x5217\x8868");
  button->SetSkinData(SkinData);
  auto* popup = new TspPopupListBox(button);
  popup->SetParent(Parent);
  popup->SetBounds(0, 0, 150, 100);
  popup->DefaultFont()->SetName(kChineseFont);
  popup->Font()->SetName(kChineseFont);
  popup->SetSkinData(SkinData);
  for (const wchar_t* s : kFruit) popup->Items()->Add(s);
  popup->OnListBoxClick = [button, popup](TObject*) {
    if (popup->ItemIndex() >= 0) button->SetCaption(popup->Items()->Strings(popup->ItemIndex()));
    popup->Hide();
  };
  button->OnClick = [button, popup](TObject*) {
    if (popup->Visible()) popup->Hide();
    else popup->ShowAt(button->ClientToScreen(TPoint(0, button->Height())));
  };
  Y += 31;

  // Two lists to drag items between.
  auto* dragFrom = PutList<TspSkinListBox>(Parent, SkinData, X, Y, w / 2 - 3, 92);
  auto* dragTo = PutList<TspSkinListBox>(Parent, SkinData, X + w / 2 + 3, Y, w - w / 2 - 3, 92);
  dragTo->Items()->Clear();
  for (int i = 5; i < 9; ++i) dragFrom->Items()->Delete(5);
  for (int i = 5; i < 9; ++i) dragTo->Items()->Add(kFruit[i]);
  AllowItemDrags(dragFrom);
  AllowItemDrags(dragTo);
  // --drag N: the pair of column N (1 when not given) shows a drag under way.
  static int column = 0;
  int dragColumn = 1;
  if (HasArgument(L"--drag", &dragColumn) && ++column == std::max(1, dragColumn)) {
    const int row = dragFrom->ItemHeight();
    DragOnceShown(Parent, dragFrom->ListBox(), TPoint(30, row + row / 2), dragTo->ListBox(),
                  TPoint(30, 2 * row + row / 2));
  }
  return Y + 98;
}
