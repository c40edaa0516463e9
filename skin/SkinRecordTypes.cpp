#include "skin/SkinRecordTypes.h"

namespace {

template <typename Base>
struct TTypeRow {
  const wchar_t* TypeName;
  Base* (*Create)(const String& Name);
};

template <typename T, typename Base>
Base* Make(const String& Name) { return new T(Name); }

template <typename Base, size_t N>
Base* CreateFromTable(const TTypeRow<Base> (&Table)[N], const String& TypeName, const String& Name) {
  for (const auto& row : Table)
    if (TypeName == row.TypeName) return row.Create(Name);
  return nullptr;
}

template <typename Base, size_t N>
std::vector<String> TypeNames(const TTypeRow<Base> (&Table)[N]) {
  std::vector<String> names;
  for (const auto& row : Table) names.push_back(row.TypeName);
  return names;
}

using O = TspDataSkinObject;
const TTypeRow<O> kObjectTypes[] = {
    {L"menuitem", Make<TspDataSkinMenuItem, O>},
    {L"mainmenubaritem", Make<TspDataSkinMainMenuBarItem, O>},
    {L"mainmenuitem", Make<TspDataSkinMainMenuItem, O>},
    {L"stdbutton", Make<TspDataSkinStdButton, O>},
    {L"mainmenubarbutton", Make<TspDataSkinMainMenuBarButton, O>},
    {L"button", Make<TspDataSkinButton, O>},
    {L"caption", Make<TspDataSkinCaption, O>},
    {L"trackbar", Make<TspDataSkinTrackBar, O>},
    {L"gauge", Make<TspDataSkinGauge, O>},
    {L"framegauge", Make<TspDataSkinFrameGaugeObject, O>},
    {L"frameregulator", Make<TspDataSkinFrameRegulatorObject, O>},
    {L"label", Make<TspDataSkinLabel, O>},
    {L"bitlabel", Make<TspDataSkinBitLabel, O>},
    {L"switch", Make<TspDataSkinSwitch, O>},
    {L"animate", Make<TspDataSkinAnimate, O>},
    {L"userobject", Make<TspDataUserObject, O>},
};

using C = TspDataSkinControl;
const TTypeRow<C> kControlTypes[] = {
    {L"slider", Make<TspDataSkinSlider, C>},
    {L"bevel", Make<TspDataSkinBevel, C>},
    {L"panel", Make<TspDataSkinPanelControl, C>},
    {L"expanel", Make<TspDataSkinExPanelControl, C>},
    {L"menubutton", Make<TspDataSkinMenuButtonControl, C>},
    {L"button", Make<TspDataSkinButtonControl, C>},
    {L"checkradio", Make<TspDataSkinCheckRadioControl, C>},
    {L"gauge", Make<TspDataSkinGaugeControl, C>},
    {L"splitter", Make<TspDataSkinSplitterControl, C>},
    {L"trackbar", Make<TspDataSkinTrackBarControl, C>},
    {L"label", Make<TspDataSkinLabelControl, C>},
    {L"stdlabel", Make<TspDataSkinStdLabelControl, C>},
    {L"bitlabel", Make<TspDataSkinBitLabelControl, C>},
    {L"frameregulator", Make<TspDataSkinFrameRegulator, C>},
    {L"framegauge", Make<TspDataSkinFrameGauge, C>},
    {L"animate", Make<TspDataSkinAnimateControl, C>},
    {L"updown", Make<TspDataSkinUpDownControl, C>},
    {L"switch", Make<TspDataSkinSwitchControl, C>},
    {L"grid", Make<TspDataSkinGridControl, C>},
    {L"tab", Make<TspDataSkinTabControl, C>},
    {L"mainmenubar", Make<TspDataSkinMainMenuBar, C>},
    {L"controlbar", Make<TspDataSkinControlBar, C>},
    {L"memo", Make<TspDataSkinMemoControl, C>},
    {L"edit", Make<TspDataSkinEditControl, C>},
    {L"checklistbox", Make<TspDataSkinCheckListBox, C>},
    {L"listbox", Make<TspDataSkinListBox, C>},
    {L"combobox", Make<TspDataSkinComboBox, C>},
    {L"scrollbar", Make<TspDataSkinScrollBarControl, C>},
    {L"spinedit", Make<TspDataSkinSpinEditControl, C>},
    {L"scrollbox", Make<TspDataSkinScrollBoxControl, C>},
    {L"treeview", Make<TspDataSkinTreeView, C>},
    {L"listview", Make<TspDataSkinListView, C>},
    {L"richedit", Make<TspDataSkinRichEdit, C>},
};

}  // namespace

TspDataSkinObject* CreateSkinObjectRecord(const String& TypeName, const String& Name) {
  return CreateFromTable(kObjectTypes, TypeName, Name);
}

TspDataSkinControl* CreateSkinControlRecord(const String& TypeName, const String& Name) {
  return CreateFromTable(kControlTypes, TypeName, Name);
}

std::vector<String> SkinObjectTypeNames() { return TypeNames(kObjectTypes); }

std::vector<String> SkinControlTypeNames() { return TypeNames(kControlTypes); }
