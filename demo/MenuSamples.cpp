// Menu samples: buttons and an area that open skinned popup menus (submenus,
// check and radio items, glyphs, a long scrolling list) and controls with
// skinned hints.
#include "classlib/StdCtrls.h"
#include "demo/SkinSamples.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinHint.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinMenus.h"

namespace {

TMenuItem* Add(TMenuItem* Parent, const String& Caption, TComponent* Owner) {
  auto* item = new TMenuItem(Owner);
  item->SetCaption(Caption);
  Parent->Add(item);
  return item;
}

// A 16 x 16 glyph: a coloured square with a white centre.
void PaintGlyph(TMenuItem* Item, TColor Color) {
  TBitmap* b = Item->Bitmap();
  b->SetSize(16, 16);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(Color);
  c->FillRect(TRect(0, 0, 16, 16));
  c->Brush()->SetColor(clWhite);
  c->FillRect(TRect(5, 5, 11, 11));
}

void BuildMainItems(TspSkinPopupMenu* Menu) {
  TMenuItem* root = Menu->Items();
  TMenuItem* open = Add(root, L"&Open \x6253\x5F00", Menu);
  open->SetShortCut(ShortCut('O', {ssCtrl}));
  PaintGlyph(open, 0x00A0E0);
  PaintGlyph(Add(root, L"&Save \x4FDD\x5B58", Menu), 0xC06000);
  Add(root, L"-", Menu);
  TMenuItem* view = Add(root, L"&View \x89C6\x56FE", Menu);
  TMenuItem* bar = Add(view, L"Tool bar", Menu);
  bar->SetChecked(true);
  Add(view, L"Status bar", Menu);
  Add(view, L"-", Menu);
  for (const wchar_t* size : {L"Small icons", L"Large icons", L"Details"}) {
    TMenuItem* item = Add(view, size, Menu);
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    item->OnClick = [item](TObject*) { item->SetChecked(true); };
  }
  view->Items(4)->SetChecked(true);
  TMenuItem* zoom = Add(view, L"Zoom", Menu);
  for (const wchar_t* z : {L"50%", L"100%", L"200%"}) Add(zoom, z, Menu);
  Add(root, L"-Options-", Menu)->SetEnabled(false);
  Add(root, L"Disabled", Menu)->SetEnabled(false);
  TMenuItem* close = Add(root, L"&Close \x5173\x95ED", Menu);
  close->SetName(L"DSF_CLOSE");
  close->SetShortCut(ShortCut(VK_F4, {ssAlt}));
}

TspSkinButton* AddButton(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, int W, const String& Caption) {
  auto* button = Place<TspSkinButton>(Parent, X, Y, W, 26);
  button->DefaultFont()->SetName(kChineseFont);
  button->SetCaption(Caption);
  button->SetSkinData(SkinData);
  return button;
}

// The form the samples belong to: pages are built before they are parented,
// so the owners lead there.
TCustomForm* OwningForm(TComponent* Component) {
  while (Component && !dynamic_cast<TCustomForm*>(Component)) Component = Component->Owner();
  return static_cast<TCustomForm*>(Component);
}

// The skinned form of the page's form (it brings its skin menu), made once.
TspSkinForm* SampleSkinForm(TCustomForm* form) {
  if (TspSkinForm* existing = GetSkinForm(form)) return existing;
  auto* skinForm = new TspSkinForm(form);
  // The interface font, which shows Chinese captions too.
  TFont font;
  font.Assign(skinForm->DefMenuItemFont());
  font.SetName(form->Font()->Name());
  skinForm->SetDefMenuItemFont(&font);
  return skinForm;
}

}  // namespace

int BuildMenuSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  TCustomForm* form = OwningForm(Parent);
  if (!form) return Y;
  SampleSkinForm(form);

  auto* menu = new TspSkinPopupMenu(Parent);
  menu->SetOwnerForm(form);
  menu->SetSkinData(SkinData);
  BuildMainItems(menu);
  // Two buttons and the note share the column's width.
  const int w = kSampleColumnWidth - 2 * X, half = (w - 8) / 2;
  TspSkinButton* open = AddButton(Parent, SkinData, X, Y, half, L"Menu \x83DC\x5355...");
  open->OnClick = [menu, open](TObject*) {
    const TPoint p = open->ClientToScreen(TPoint(0, 0));
    menu->PopupFromRectForControl(open, TRect(p.X, p.Y, p.X + open->Width(), p.Y + open->Height()), false);
  };

  auto* list = new TspSkinPopupMenu(Parent);
  list->SetOwnerForm(form);
  list->SetSkinData(SkinData);
  for (int i = 1; i <= 60; ++i) Add(list->Items(), L"Entry \x6761\x76EE " + std::to_wstring(i), list);
  TspSkinButton* longList = AddButton(Parent, SkinData, X + w - half, Y, half, L"Long list \x957F\x5217\x8868");
  longList->OnClick = [list, longList](TObject*) {
    const TPoint p = longList->ClientToScreen(TPoint(0, 0));
    list->PopupFromRect(TRect(p.X, p.Y, p.X + longList->Width(), p.Y + longList->Height()), false);
  };

  // A skinned label: its text takes the skin's colour over the column.
  auto* area = new TspSkinStdLabel(Parent);
  area->SetParent(Parent);
  area->SetAutoSize(false);
  area->SetBounds(X, Y + 36, w, 40);
  area->DefaultFont()->SetName(kChineseFont);
  area->SetSkinData(SkinData);
  area->SetCaption(L"Right-click here for the menu; hover for a hint.\n\x53F3\x952E\x6253\x5F00\x83DC\x5355");
  area->SetPopupMenu(menu);
  area->SetHint(L"A skinned hint@on two lines \x4E24\x884C");
  area->SetShowHint(true);
  open->SetHint(L"Opens the menu below the button");
  open->SetShowHint(true);

  // One hint component serves the whole application: the first column's.
  bool hasHint = false;
  for (int i = 0; i < form->ComponentCount(); ++i) hasHint = hasHint || dynamic_cast<TspSkinHint*>(form->Components(i));
  if (!hasHint) {
    auto* hint = new TspSkinHint(form);
    hint->SetSkinData(SkinData);
  }
  return Y + 80;
}
