// The looks table's rows, one entry per skinned class of the driver lists:
// where the control stands, what it is given before it shows, and the
// setters of its own beside the common ones (LooksRows.h).
#include "tests/driver/LooksRows.h"

#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinListView.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinRadioGroup.h"
#include "skinctrls/SkinRichEdit.h"
#include "skinctrls/SkinScrollBar.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skinctrls/SkinTabs.h"
#include "skinctrls/SkinToolBar.h"
#include "skinctrls/SkinTrackBar.h"
#include "skinctrls/SkinTreeView.h"
#include "skininputs/SkinBoxCtrls_updown.h"
#include "skininputs/SkinCalendar.h"
#include "skininputs/SkinColorButton.h"
#include "skininputs/SkinColorGrids.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinDateEdit.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinFontCombos.h"
#include "skininputs/SkinLinkLabel.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinMaskEdits.h"
#include "skininputs/SkinNumEdits.h"
#include "skininputs/SkinPasswordEdit.h"
#include "skininputs/SkinScrollBox.h"
#include "skininputs/SkinSpinEdit.h"
#include "skininputs/SkinTrackEdit.h"
#include "skininputs/SkinURLEdit.h"

TCustomImageList* LooksImages(TComponent* Owner) {
  auto* images = new TCustomImageList(Owner, 16, 16);
  for (TColor colour : {clRed, clBlue}) {
    TBitmap b;
    b.SetSize(16, 16);
    b.Canvas()->Brush()->SetColor(colour);
    b.Canvas()->FillRect(TRect(0, 0, 16, 16));
    images->Add(&b, nullptr);
  }
  return images;
}

namespace {

using looks_rows::TSetter;

template <class T>
using TSetters = std::vector<TSetter<T>>;

template <class T>
std::function<void(T*)> Captioned(const wchar_t* Caption) {
  return [Caption](T* C) { C->SetCaption(Caption); };
}

// Two sheets, the first one shown.
void TwoSheets(TspSkinPageControl* P) {
  for (const wchar_t* name : {L"First Wg", L"Second"}) {
    auto* sheet = new TspSkinTabSheet(P);
    sheet->SetCaption(name);
    sheet->SetPageControl(P);
  }
}

std::vector<TLooksRow> MakeRows() {
  std::vector<TLooksRow> rows;
  const TRect button(10, 10, 130, 40), box(10, 10, 210, 130), bar(10, 10, 190, 30), edit(10, 10, 170, 32);

  // ---- skinctrls
  LooksOf<TspSkinButton>(rows, "TspSkinButton", button, Captioned<TspSkinButton>(L"Button Wg"),
                         {{"Images and ImageIndex",
                           [](TspSkinButton* B) {
                             B->SetImageList(LooksImages(B));
                             B->SetImageIndex(1);
                           }},
                          {"Layout", [](TspSkinButton* B) { B->SetLayout(blGlyphTop); }},
                          {"Default", [](TspSkinButton* B) { B->SetDefault(true); }},
                          {"UseSkinFontColor off", [](TspSkinButton* B) { B->SetUseSkinFontColor(false); }}});
  LooksOf<TspSkinSpeedButton>(rows, "TspSkinSpeedButton", button, Captioned<TspSkinSpeedButton>(L"Speed Wg"),
                              {{"Flat", [](TspSkinSpeedButton* B) { B->SetFlat(true); }},
                               {"ShowCaption off", [](TspSkinSpeedButton* B) { B->SetShowCaption(false); }},
                               {"Down", [](TspSkinSpeedButton* B) {
                                  B->SetGroupIndex(1);
                                  B->SetDown(true);
                                }}});
  LooksOf<TspSkinMenuSpeedButton>(rows, "TspSkinMenuSpeedButton", button,
                                  Captioned<TspSkinMenuSpeedButton>(L"Menu Wg"),
                                  {{"NewStyle", [](TspSkinMenuSpeedButton* B) { B->SetNewStyle(true); }},
                                   {"TrackButtonMode", [](TspSkinMenuSpeedButton* B) { B->SetTrackButtonMode(true); }}});
  LooksOf<TspSkinCheckRadioBox>(rows, "TspSkinCheckRadioBox", button, Captioned<TspSkinCheckRadioBox>(L"Check Wg"),
                                {{"Checked", [](TspSkinCheckRadioBox* B) { B->SetChecked(true); }},
                                 {"State grayed",
                                  [](TspSkinCheckRadioBox* B) {
                                    B->SetAllowGrayed(true);
                                    B->SetState(cbGrayed);
                                  }},
                                 {"Radio", [](TspSkinCheckRadioBox* B) { B->SetRadio(true); }},
                                 {"Flat", [](TspSkinCheckRadioBox* B) { B->SetFlat(true); }},
                                 {"Images and ImageIndex", [](TspSkinCheckRadioBox* B) {
                                    B->SetImages(LooksImages(B));
                                    B->SetImageIndex(0);
                                  }}});
  const auto panelSetters = [](auto* Tag) {
    using T = std::remove_pointer_t<decltype(Tag)>;
    return TSetters<T>{{"CaptionMode", [](T* P) { P->SetCaptionMode(true); }},
                       {"BorderStyle", [](T* P) { P->SetBorderStyle(bvNone); }},
                       {"Checked", [](T* P) {
                          P->SetCaptionMode(true);
                          P->SetCheckedMode(true);
                          P->SetChecked(true);
                        }},
                       {"CaptionImageList and index", [](T* P) {
                          P->SetCaptionMode(true);
                          P->SetCaptionImageList(LooksImages(P));
                          P->SetCaptionImageIndex(1);
                        }}};
  };
  LooksOf<TspSkinPanel>(rows, "TspSkinPanel", box, Captioned<TspSkinPanel>(L"Panel Wg"),
                        panelSetters(static_cast<TspSkinPanel*>(nullptr)));
  LooksOf<TspSkinGroupBox>(rows, "TspSkinGroupBox", box, Captioned<TspSkinGroupBox>(L"Group Wg"),
                           panelSetters(static_cast<TspSkinGroupBox*>(nullptr)));
  LooksOf<TspSkinPaintPanel>(rows, "TspSkinPaintPanel", box, Captioned<TspSkinPaintPanel>(L"Paint Wg"),
                             panelSetters(static_cast<TspSkinPaintPanel*>(nullptr)));
  LooksOf<TspSkinStatusBar>(rows, "TspSkinStatusBar", bar, Captioned<TspSkinStatusBar>(L"Status Wg"),
                            {{"SizeGrip", [](TspSkinStatusBar* S) { S->SetSizeGrip(true); }}});
  LooksOf<TspSkinRadioGroup>(rows, "TspSkinRadioGroup", box, Captioned<TspSkinRadioGroup>(L"Radio group"),
                             {{"ItemIndex", [](TspSkinRadioGroup* G) { G->SetItemIndex(1); }},
                              {"Columns", [](TspSkinRadioGroup* G) { G->SetColumns(2); }},
                              {"Items inserted", [](TspSkinRadioGroup* G) { G->Items()->Insert(0, L"zero"); }}});
  LooksOf<TspSkinRichEdit>(rows, "TspSkinRichEdit", box, nullptr,
                           {{"DefaultColor", [](TspSkinRichEdit* E) { E->SetDefaultColor(clAqua); }}});
  LooksOf<TspSkinScrollBar>(rows, "TspSkinScrollBar", bar, nullptr,
                            {{"Position", [](TspSkinScrollBar* S) { S->SetPosition(70); }},
                             {"Max below the position",
                              [](TspSkinScrollBar* S) {
                                S->SetPosition(60);
                                S->SetMax(40);
                              }},
                             {"PageSize", [](TspSkinScrollBar* S) { S->SetPageSize(50); }},
                             {"SetRange", [](TspSkinScrollBar* S) { S->SetRange(0, 10, 2, 5); }},
                             {"Kind vertical", [](TspSkinScrollBar* S) { S->SetKind(sbVertical); }},
                             {"Kind vertical, then SkinDataName vscrollbar", [](TspSkinScrollBar* S) {
                                S->SetKind(sbVertical);
                                S->SetSkinDataName(L"vscrollbar");
                              }}});
  LooksOf<TspSkinTrackBar>(rows, "TspSkinTrackBar", bar, nullptr,
                           {{"Value", [](TspSkinTrackBar* T) { T->SetValue(90); }},
                            {"MinValue above the value", [](TspSkinTrackBar* T) { T->SetMinValue(70); }},
                            {"MaxValue below the value", [](TspSkinTrackBar* T) { T->SetMaxValue(20); }},
                            {"Vertical", [](TspSkinTrackBar* T) { T->SetVertical(true); }},
                            {"Vertical, then SkinDataName trackbar", [](TspSkinTrackBar* T) {
                               T->SetVertical(true);
                               T->SetSkinDataName(L"trackbar");
                             }}});
  LooksOf<TspSkinPageControl>(rows, "TspSkinPageControl", box, TwoSheets,
                              {{"TabsInCenter", [](TspSkinPageControl* P) { P->SetTabsInCenter(true); }},
                               {"ShowCloseButtons", [](TspSkinPageControl* P) { P->SetShowCloseButtons(true); }},
                               {"Images", [](TspSkinPageControl* P) { P->SetImages(LooksImages(P)); }},
                               {"ActivePage", [](TspSkinPageControl* P) { P->SetActivePageIndex(1); }}});
  LooksOf<TspSkinToolBar>(rows, "TspSkinToolBar", bar, nullptr,
                          {{"Flat", [](TspSkinToolBar* T) { T->SetFlat(true); }},
                           {"BorderStyle", [](TspSkinToolBar* T) { T->SetBorderStyle(bvNone); }}});
  LooksOf<TspSkinTreeView>(rows, "TspSkinTreeView", box, nullptr,
                           {{"Items added", [](TspSkinTreeView* T) { T->Items()->Add(nullptr, L"added Wg"); }},
                            {"DefaultColor", [](TspSkinTreeView* T) { T->SetDefaultColor(clAqua); }}});
  LooksOf<TspSkinListView>(rows, "TspSkinListView", box, nullptr,
                           {{"DefaultColor", [](TspSkinListView* L) { L->SetDefaultColor(clAqua); }}});
  LooksOf<TspSkinStdLabel>(rows, "TspSkinStdLabel", button, Captioned<TspSkinStdLabel>(L"Label Wg"),
                           {{"UseSkinColor off", [](TspSkinStdLabel* L) { L->SetUseSkinColor(false); }},
                            {"EllipsType", [](TspSkinStdLabel* L) {
                               L->SetCaption(L"A caption far too long for the label's width");
                               L->SetEllipsType(spetEndEllips);
                             }}});
  LooksOf<TspSkinButtonLabel>(rows, "TspSkinButtonLabel", button, Captioned<TspSkinButtonLabel>(L"Button label"),
                              {{"Images and ImageIndex",
                                [](TspSkinButtonLabel* L) {
                                  L->SetImageList(LooksImages(L));
                                  L->SetImageIndex(1);
                                }},
                               {"Layout", [](TspSkinButtonLabel* L) { L->SetLayout(blGlyphRight); }},
                               {"WebStyle", [](TspSkinButtonLabel* L) { L->SetWebStyle(true); }}});
  LooksOf<TspSkinBevel>(rows, "TspSkinBevel", box, nullptr,
                        {{"DividerMode", [](TspSkinBevel* B) { B->SetDividerMode(true); }}});

  // ---- skininputs
  LooksOf<TspSkinUpDown>(rows, "TspSkinUpDown", TRect(10, 10, 60, 60), nullptr,
                         {{"Orientation vertical", [](TspSkinUpDown* U) { U->SetOrientation(udVertical); }},
                          {"Orientation vertical, then SkinDataName vupdown",
                           [](TspSkinUpDown* U) {
                             U->SetOrientation(udVertical);
                             U->SetSkinDataName(L"vupdown");
                           }},
                          {"Orientation vertical, then SkinDataName vupdown, then disabled",
                           [](TspSkinUpDown* U) {
                             U->SetOrientation(udVertical);
                             U->SetSkinDataName(L"vupdown");
                             U->SetEnabled(false);
                           }},
                          {"UseSkinSize off", [](TspSkinUpDown* U) { U->SetUseSkinSize(false); }}});
  LooksOf<TspSkinMonthCalendar>(rows, "TspSkinMonthCalendar", TRect(10, 10, 230, 170), nullptr,
                                {{"Date", [](TspSkinMonthCalendar* C) { C->SetDate(45000); }},
                                 {"FirstDayOfWeek", [](TspSkinMonthCalendar* C) { C->SetFirstDayOfWeek(Mon); }},
                                 {"BoldDays", [](TspSkinMonthCalendar* C) { C->SetBoldDays(true); }}});
  LooksOf<TspSkinColorButton>(rows, "TspSkinColorButton", button, nullptr,
                              {{"ColorValue", [](TspSkinColorButton* B) { B->SetColorValue(clLime); }}});
  LooksOf<TspSkinColorGrid>(rows, "TspSkinColorGrid", box, nullptr,
                            {{"ColorValue", [](TspSkinColorGrid* G) { G->SetColorValue(clBlue); }},
                             {"ColCount", [](TspSkinColorGrid* G) { G->SetColCount(4); }}});
  LooksOf<TspSkinCustomColorGrid>(rows, "TspSkinCustomColorGrid", box, nullptr,
                                  {{"AddColor", [](TspSkinCustomColorGrid* G) { G->AddColor(clRed); }},
                                   {"ColCount", [](TspSkinCustomColorGrid* G) { G->SetColCount(4); }}});
  const auto chosen = [](TspSkinComboBox* C) { C->SetItemIndex(1); };
  LooksOf<TspSkinComboBox>(rows, "TspSkinComboBox", TRect(10, 10, 170, 30), chosen,
                           {{"ItemIndex", [](TspSkinComboBox* C) { C->SetItemIndex(2); }},
                            {"Item inserted before the chosen one",
                             [](TspSkinComboBox* C) { C->Items()->Insert(0, L"zero Wg"); }},
                            {"Chosen item deleted", [](TspSkinComboBox* C) { C->Items()->Delete(1); }},
                            {"Chosen item's text", [](TspSkinComboBox* C) { C->Items()->SetStrings(1, L"new Wg"); }},
                            {"Style edit", [](TspSkinComboBox* C) { C->SetStyle(spcbEditStyle); }},
                            {"ToolButtonStyle", [](TspSkinComboBox* C) { C->SetToolButtonStyle(true); }},
                            {"Images", [](TspSkinComboBox* C) { C->SetImages(LooksImages(C)); }},
                            {"DefaultColor", [](TspSkinComboBox* C) {
                               C->SetUseSkinSize(false);
                               C->SetDefaultColor(clAqua);
                             }}});
  LooksOf<TspSkinDateEdit>(rows, "TspSkinDateEdit", edit, nullptr,
                           {{"Date", [](TspSkinDateEdit* E) { E->SetDate(45000); }}});
  const auto editSetters = [](auto* Tag) {
    using T = std::remove_pointer_t<decltype(Tag)>;
    return TSetters<T>{{"Alignment", [](T* E) { E->SetAlignment(taRightJustify); }},
                       {"DefaultColor", [](T* E) { E->SetDefaultColor(clAqua); }},
                       {"ButtonMode", [](T* E) { E->SetButtonMode(true); }},
                       {"Images and LeftImageIndex", [](T* E) {
                          E->SetImages(LooksImages(E));
                          E->SetLeftImageIndex(0);
                        }}};
  };
  const auto text = [](auto* E) { E->SetText(L"Text Wg"); };
  LooksOf<TspSkinEdit>(rows, "TspSkinEdit", edit, text, editSetters(static_cast<TspSkinEdit*>(nullptr)));
  LooksOf<TspSkinMaskEdit>(rows, "TspSkinMaskEdit", edit, text, editSetters(static_cast<TspSkinMaskEdit*>(nullptr)));
  LooksOf<TspSkinTimeEdit>(rows, "TspSkinTimeEdit", edit, nullptr, {});
  LooksOf<TspSkinURLEdit>(rows, "TspSkinURLEdit", edit, text, editSetters(static_cast<TspSkinURLEdit*>(nullptr)));
  LooksOf<TspSkinNumericEdit>(rows, "TspSkinNumericEdit", edit, nullptr,
                              {{"Value", [](TspSkinNumericEdit* E) { E->SetValue(42); }}});
  LooksOf<TspSkinTrackEdit>(rows, "TspSkinTrackEdit", edit, nullptr,
                            {{"Value", [](TspSkinTrackEdit* E) { E->SetValue(42); }}});
  LooksOf<TspSkinFontComboBox>(rows, "TspSkinFontComboBox", TRect(10, 10, 170, 30), nullptr,
                               {{"FontName", [](TspSkinFontComboBox* C) { C->SetFontName(L"Courier New"); }}});
  LooksOf<TspSkinFontSizeComboBox>(rows, "TspSkinFontSizeComboBox", TRect(10, 10, 170, 30), nullptr,
                                   {{"FontName", [](TspSkinFontSizeComboBox* C) { C->SetFontName(L"Arial"); }}});
  LooksOf<TspSkinLinkLabel>(rows, "TspSkinLinkLabel", button, Captioned<TspSkinLinkLabel>(L"Link Wg"),
                            {{"UseUnderLine off", [](TspSkinLinkLabel* L) { L->SetUseUnderLine(false); }},
                             {"GlowEffect", [](TspSkinLinkLabel* L) { L->SetGlowEffect(true); }}});
  LooksOf<TspSkinListBox>(rows, "TspSkinListBox", box, [](TspSkinListBox* L) { L->SetItemIndex(1); },
                          {{"ItemIndex", [](TspSkinListBox* L) { L->SetItemIndex(2); }},
                           {"Item inserted before the chosen one",
                            [](TspSkinListBox* L) { L->Items()->Insert(0, L"zero Wg"); }},
                           {"Items cleared", [](TspSkinListBox* L) { L->Items()->Clear(); }},
                           {"Columns", [](TspSkinListBox* L) { L->SetColumns(2); }},
                           {"CaptionMode", [](TspSkinListBox* L) { L->SetCaptionMode(true); }},
                           {"Images", [](TspSkinListBox* L) { L->SetImages(LooksImages(L)); }},
                           {"Sorted", [](TspSkinListBox* L) {
                              L->Items()->Add(L"a first");
                              L->SetSorted(true);
                            }}});
  LooksOf<TspSkinPasswordEdit>(rows, "TspSkinPasswordEdit", edit, text,
                               {{"PasswordKind", [](TspSkinPasswordEdit* E) { E->SetPasswordKind(pkTriangle); }},
                                {"TextAlignment", [](TspSkinPasswordEdit* E) { E->SetTextAlignment(taCenter); }},
                                {"DefaultColor", [](TspSkinPasswordEdit* E) { E->SetDefaultColor(clAqua); }}});
  LooksOf<TspSkinScrollBox>(rows, "TspSkinScrollBox", box, nullptr,
                            {{"BorderStyle", [](TspSkinScrollBox* B) { B->SetBorderStyle(bvNone); }}});
  LooksOf<TspSkinSpinEdit>(rows, "TspSkinSpinEdit", edit, nullptr,
                           {{"Value", [](TspSkinSpinEdit* E) { E->SetValue(42); }},
                            {"MaxValue below the value",
                             [](TspSkinSpinEdit* E) {
                               E->SetValue(42);
                               E->SetMaxValue(10);
                             }},
                            {"ValueType float", [](TspSkinSpinEdit* E) {
                               E->SetValueType(vtFloat);
                               E->SetDecimal(3);
                               E->SetValue(1.25);
                             }}});
  return rows;
}

}  // namespace

const std::vector<TLooksRow>& LooksRows() {
  static const std::vector<TLooksRow> rows = MakeRows();
  return rows;
}

const std::map<std::string, std::string>& LooksLeftOut() {
  static const std::map<std::string, std::string> reasons = {
      {"TspSkinTabSheet", "shows in its page control, whose rows change its tabs and pages"},
  };
  return reasons;
}
