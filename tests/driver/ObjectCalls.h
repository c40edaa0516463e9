// The calls the driver makes on one object: each setter and method named
// below that the object's class has, with values the driver picks (zero,
// negative, huge, empty and long texts, nullptr where a pointer is taken).
// A new setter or method goes in one of the lists.
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "classlib/DB.h"
#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "classlib/TextCodec.h"
#include "skin/SkinData.h"
#include "tests/driver/Driver.h"

#define DRIVER_INT_SETTERS(X)                                                                                   \
  X(SetLeft) X(SetTop) X(SetWidth) X(SetHeight) X(SetMin) X(SetMax) X(SetPosition) X(SetValue) X(SetItemIndex)  \
  X(SetPageSize) X(SetLargeChange) X(SetSmallChange) X(SetMaxLength) X(SetTabIndex) X(SetActivePageIndex)      \
  X(SetSpacing) X(SetMargin) X(SetBorderWidth) X(SetColor) X(SetDefaultHeight) X(SetIncrement) X(SetDecimal)    \
  X(SetProgress) X(SetMaxValue) X(SetMinValue) X(SetMinTabWidth) X(SetDefaultTabWidth) X(SetNumGlyphs)          \
  X(SetGroupIndex) X(SetFrequency) X(SetColumns) X(SetItemHeight) X(SetDefMenuItemHeight)                       \
  X(SetMaxMenuItemsInWindow) X(SetIndent) X(SetSelStart) X(SetSelLength) X(SetTopIndex) X(SetAlphaBlendValue)
#define DRIVER_BOOL_SETTERS(X)                                                                                  \
  X(SetVisible) X(SetEnabled) X(SetTabStop) X(SetShowHint) X(SetParentFont) X(SetParentColor) X(SetAutoSize)    \
  X(SetChecked) X(SetDown) X(SetFlat) X(SetReadOnly) X(SetWordWrap) X(SetTransparent) X(SetAllowAllUp)         \
  X(SetDefault) X(SetCancel) X(SetUseSkinFont) X(SetUseSkinSize) X(SetShowCloseButtons) X(SetKeyPreview)       \
  X(SetAutoScroll) X(SetMultiLine) X(SetSorted) X(SetShowButtons) X(SetMoveTabs) X(SetRollUpState)             \
  X(SetAlphaBlend) X(SetSizeable) X(SetHideSelection) X(SetMultiSelect) X(SetDoubleBuffered) X(SetOwnerDraw)
#define DRIVER_TEXT_SETTERS(X) X(SetCaption) X(SetText) X(SetHint) X(SetEditMask) X(SetSkinDataName) X(SetURL)
#define DRIVER_METHODS(X)                                                                                      \
  X(Invalidate) X(Repaint) X(Update) X(Refresh) X(Show) X(Hide) X(BringToFront) X(SendToBack) X(Clear)         \
  X(SelectAll) X(Click) X(SetFocus) X(Tile) X(Cascade) X(Next) X(Previous) X(ArrangeIcons) X(Close) X(Release) \
  X(FullExpand) X(FullCollapse) X(DropDown) X(CloseUp) X(CheckActive) X(UpdateMenuBar) X(ChangeSkinData)       \
  X(Realign) X(Open) X(First) X(Last) X(Prior) X(Insert) X(Append) X(Post) X(Cancel) X(Delete)

inline std::string ShortText(const String& Text) {
  if (Text.size() > 40) return std::string(1, static_cast<char>(Text[0])) + "*" + std::to_string(Text.size());
  return "\"" + WideToUtf8(Text) + "\"";
}

namespace driver_calls {
using TCalls = std::vector<TObjectCall>;

// A setter of one value, Pick'd by the driver and Show'n in the log.
#define DRIVER_VALUE_SETTER(S, Type, Pick, Show)                                                    \
  template <class T>                                                                                \
  auto Add_##S(T* O, const std::string& L, TCalls& C, int)->decltype(O->S(std::declval<Type>()), void()) { \
    C.push_back({#S, [O, L](TDriver& D) {                                                           \
                   Type const v = Pick;                                                             \
                   D.Log(L + "." #S "(" + Show + ")");                                              \
                   O->S(v);                                                                         \
                 }});                                                                               \
  }                                                                                                 \
  template <class T>                                                                                \
  void Add_##S(T*, const std::string&, TCalls&, long) {}
#define DRIVER_INT_ONE(S) DRIVER_VALUE_SETTER(S, int, D.AnyInt(), std::to_string(v))
#define DRIVER_BOOL_ONE(S) DRIVER_VALUE_SETTER(S, bool, D.OneIn(2), std::string(v ? "true" : "false"))
#define DRIVER_TEXT_ONE(S) DRIVER_VALUE_SETTER(S, String, D.AnyText(), ShortText(v))
DRIVER_INT_SETTERS(DRIVER_INT_ONE)
DRIVER_BOOL_SETTERS(DRIVER_BOOL_ONE)
DRIVER_TEXT_SETTERS(DRIVER_TEXT_ONE)
// The skin data, and setters of an enumeration.
// A handler that gives another skin data offers it (see TDriver::OfferSkin).
DRIVER_VALUE_SETTER(SetSkinData, TspSkinData*, D.Offered() ? D.Offered() : D.OneIn(3) ? nullptr : D.Skin(),
                    std::string(!v ? "nullptr" : v == D.Skin() ? "skin" : "another skin"))
DRIVER_VALUE_SETTER(SetAlign, TAlign, static_cast<TAlign>(D.Below(alClient + 1)), std::to_string(v))
DRIVER_VALUE_SETTER(SetWindowState, TWindowState, static_cast<TWindowState>(D.Below(3)), std::to_string(v))
DRIVER_VALUE_SETTER(SetStyle, TListBoxStyle, static_cast<TListBoxStyle>(D.Below(2)), std::to_string(v))
DRIVER_VALUE_SETTER(SetDragMode, TDragMode, static_cast<TDragMode>(D.Below(2)), std::to_string(v))
DRIVER_VALUE_SETTER(SetDataField, String, D.OneOf<String>({L"Name", L"City", L"", L"None"}), ShortText(v))
#undef DRIVER_INT_ONE
#undef DRIVER_BOOL_ONE
#undef DRIVER_TEXT_ONE
#undef DRIVER_VALUE_SETTER

#define DRIVER_METHOD_ONE(S)                                                \
  template <class T>                                                        \
  auto Add_##S(T* O, const std::string& L, TCalls& C, int)->decltype(O->S(), void()) { \
    C.push_back({#S, [O, L](TDriver& D) {                                   \
                   D.Log(L + "." #S "()");                                  \
                   O->S();                                                  \
                 }});                                                       \
  }                                                                         \
  template <class T>                                                        \
  void Add_##S(T*, const std::string&, TCalls&, long) {}
DRIVER_METHODS(DRIVER_METHOD_ONE)
#undef DRIVER_METHOD_ONE

// Setters that take another object: a live one of the class, or nullptr.
template <class TArg>
TArg* AnyLiveOf(TDriver& D, std::string& Label) {
  const TLiveObject* o = D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TArg*>(l.Object) != nullptr; });
  Label = o ? o->Class : "nullptr";
  return o ? static_cast<TArg*>(o->Object) : nullptr;
}

#define DRIVER_OBJECT_SETTERS(X)                                                                               \
  X(SetPopupMenu, TPopupMenu) X(SetActiveControl, TWinControl) X(SetMenu, TMainMenu)                          \
  X(SetDataSource, TDataSource) X(SetDataSet, TDataSet)
#define DRIVER_OBJECT_ONE(S, TArg)                                                                 \
  template <class T>                                                                               \
  auto Add_##S(T* O, const std::string& L, TCalls& C, int)->decltype(O->S(std::declval<TArg*>()), void()) { \
    C.push_back({#S, [O, L](TDriver& D) {                                                          \
                   std::string name;                                                               \
                   TArg* v = AnyLiveOf<TArg>(D, name);                                             \
                   D.Log(L + "." #S "(" + name + ")");                                             \
                   O->S(v);                                                                        \
                 }});                                                                              \
  }                                                                                                \
  template <class T>                                                                               \
  void Add_##S(T*, const std::string&, TCalls&, long) {}
DRIVER_OBJECT_SETTERS(DRIVER_OBJECT_ONE)
#undef DRIVER_OBJECT_ONE

// The focus given to the edit inside a compound control (a spin, a combo
// that has one).
template <class T>
auto Add_FocusPart(T* O, const std::string& L, TCalls& C, int) -> decltype(O->Edit()->SetFocus(), void()) {
  C.push_back({"FocusPart", [O, L](TDriver& D) {
                 D.Log(L + ".Edit()->SetFocus()");
                 if (auto* part = O->Edit()) part->SetFocus();
               }});
}
template <class T>
void Add_FocusPart(T*, const std::string&, TCalls&, long) {}
}  // namespace driver_calls

template <class T>
std::vector<TObjectCall> CallsOf(T* O, const std::string& Label) {
  using namespace driver_calls;
  TCalls c;
#define DRIVER_ADD(S) Add_##S(O, Label, c, 0);
  DRIVER_INT_SETTERS(DRIVER_ADD)
  DRIVER_BOOL_SETTERS(DRIVER_ADD)
  DRIVER_TEXT_SETTERS(DRIVER_ADD)
  DRIVER_METHODS(DRIVER_ADD)
#undef DRIVER_ADD
  Add_SetSkinData(O, Label, c, 0);
  Add_SetAlign(O, Label, c, 0);
  Add_SetWindowState(O, Label, c, 0);
  Add_SetDragMode(O, Label, c, 0);
  Add_SetStyle(O, Label, c, 0);
  Add_SetDataField(O, Label, c, 0);
  Add_FocusPart(O, Label, c, 0);
#define DRIVER_ADD_OBJECT(S, TArg) Add_##S(O, Label, c, 0);
  DRIVER_OBJECT_SETTERS(DRIVER_ADD_OBJECT)
#undef DRIVER_ADD_OBJECT
  return c;
}
