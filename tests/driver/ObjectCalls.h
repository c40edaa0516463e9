// The calls the driver makes on one object: each setter and method named
// below that the object's class has, with values the driver picks (zero,
// negative, huge, empty and long texts, nullptr where a pointer is taken).
// A new setter or method goes in one of the lists.
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "classlib/Forms.h"
#include "classlib/Menus.h"
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
  X(SetAlphaBlend) X(SetSizeable) X(SetHideSelection) X(SetMultiSelect) X(SetDoubleBuffered)
#define DRIVER_TEXT_SETTERS(X) X(SetCaption) X(SetText) X(SetHint) X(SetEditMask) X(SetSkinDataName) X(SetURL)
#define DRIVER_METHODS(X)                                                                                      \
  X(Invalidate) X(Repaint) X(Update) X(Refresh) X(Show) X(Hide) X(BringToFront) X(SendToBack) X(Clear)         \
  X(SelectAll) X(Click) X(SetFocus) X(Tile) X(Cascade) X(Next) X(Previous) X(ArrangeIcons) X(Close) X(Release) \
  X(FullExpand) X(FullCollapse) X(DropDown) X(CloseUp) X(CheckActive) X(UpdateMenuBar) X(ChangeSkinData)       \
  X(Realign)

inline std::string ShortText(const String& Text) {
  if (Text.size() > 40) return std::string(1, static_cast<char>(Text[0])) + "*" + std::to_string(Text.size());
  return "\"" + WideToUtf8(Text) + "\"";
}

namespace driver_calls {
using TCalls = std::vector<TObjectCall>;

#define DRIVER_INT_ONE(S)                                                                            \
  template <class T>                                                                                 \
  auto Add_##S(T* O, const std::string& L, TCalls& C, int)->decltype(O->S(std::declval<int>()), void()) {   \
    C.push_back({#S, [O, L](TDriver& D) {                                                            \
                   const int v = D.AnyInt();                                                        \
                   D.Log(L + "." #S "(" + std::to_string(v) + ")");                                 \
                   O->S(v);                                                                          \
                 }});                                                                                \
  }                                                                                                  \
  template <class T>                                                                                 \
  void Add_##S(T*, const std::string&, TCalls&, long) {}
DRIVER_INT_SETTERS(DRIVER_INT_ONE)
#undef DRIVER_INT_ONE

#define DRIVER_BOOL_ONE(S)                                                                           \
  template <class T>                                                                                 \
  auto Add_##S(T* O, const std::string& L, TCalls& C, int)->decltype(O->S(std::declval<bool>()), void()) {  \
    C.push_back({#S, [O, L](TDriver& D) {                                                            \
                   const bool v = D.OneIn(2);                                                       \
                   D.Log(L + "." #S "(" + (v ? "true" : "false") + ")");                            \
                   O->S(v);                                                                          \
                 }});                                                                                \
  }                                                                                                  \
  template <class T>                                                                                 \
  void Add_##S(T*, const std::string&, TCalls&, long) {}
DRIVER_BOOL_SETTERS(DRIVER_BOOL_ONE)
#undef DRIVER_BOOL_ONE

#define DRIVER_TEXT_ONE(S)                                                                             \
  template <class T>                                                                                   \
  auto Add_##S(T* O, const std::string& L, TCalls& C, int)->decltype(O->S(std::declval<String>()), void()) {  \
    C.push_back({#S, [O, L](TDriver& D) {                                                              \
                   const String v = D.AnyText();                                                      \
                   D.Log(L + "." #S "(" + ShortText(v) + ")");                                        \
                   O->S(v);                                                                            \
                 }});                                                                                  \
  }                                                                                                    \
  template <class T>                                                                                   \
  void Add_##S(T*, const std::string&, TCalls&, long) {}
DRIVER_TEXT_SETTERS(DRIVER_TEXT_ONE)
#undef DRIVER_TEXT_ONE

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

// Setters that take a pointer or an enumeration.
template <class T>
auto Add_SkinData(T* O, const std::string& L, TCalls& C, int) -> decltype(O->SetSkinData(std::declval<TspSkinData*>()), void()) {
  C.push_back({"SetSkinData", [O, L](TDriver& D) {
                 TspSkinData* v = D.OneIn(3) ? nullptr : D.Skin();
                 D.Log(L + ".SetSkinData(" + (v ? "skin" : "nullptr") + ")");
                 O->SetSkinData(v);
               }});
}
template <class T>
void Add_SkinData(T*, const std::string&, TCalls&, long) {}

template <class T>
auto Add_Align(T* O, const std::string& L, TCalls& C, int) -> decltype(O->SetAlign(alNone), void()) {
  C.push_back({"SetAlign", [O, L](TDriver& D) {
                 const auto v = static_cast<TAlign>(D.Below(alClient + 1));
                 D.Log(L + ".SetAlign(" + std::to_string(v) + ")");
                 O->SetAlign(v);
               }});
}
template <class T>
void Add_Align(T*, const std::string&, TCalls&, long) {}

template <class T>
auto Add_WindowState(T* O, const std::string& L, TCalls& C, int) -> decltype(O->SetWindowState(wsNormal), void()) {
  C.push_back({"SetWindowState", [O, L](TDriver& D) {
                 const auto v = static_cast<TWindowState>(D.Below(3));
                 D.Log(L + ".SetWindowState(" + std::to_string(v) + ")");
                 O->SetWindowState(v);
               }});
}
template <class T>
void Add_WindowState(T*, const std::string&, TCalls&, long) {}

template <class T>
auto Add_PopupMenu(T* O, const std::string& L, TCalls& C, int) -> decltype(O->SetPopupMenu(nullptr), void()) {
  C.push_back({"SetPopupMenu", [O, L](TDriver& D) {
                 const TLiveObject* m = D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TPopupMenu*>(l.Object); });
                 D.Log(L + ".SetPopupMenu(" + (m ? m->Class : "nullptr") + ")");
                 O->SetPopupMenu(m ? static_cast<TPopupMenu*>(m->Object) : nullptr);
               }});
}
template <class T>
void Add_PopupMenu(T*, const std::string&, TCalls&, long) {}

template <class T>
auto Add_ActiveControl(T* O, const std::string& L, TCalls& C, int) -> decltype(O->SetActiveControl(nullptr), void()) {
  C.push_back({"SetActiveControl", [O, L](TDriver& D) {
                 const TLiveObject* c = D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TWinControl*>(l.Object); });
                 D.Log(L + ".SetActiveControl(" + (c ? c->Class : "nullptr") + ")");
                 O->SetActiveControl(c ? static_cast<TWinControl*>(c->Object) : nullptr);
               }});
}
template <class T>
void Add_ActiveControl(T*, const std::string&, TCalls&, long) {}

template <class T>
auto Add_Menu(T* O, const std::string& L, TCalls& C, int) -> decltype(O->SetMenu(nullptr), void()) {
  C.push_back({"SetMenu", [O, L](TDriver& D) {
                 const TLiveObject* m = D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TMainMenu*>(l.Object); });
                 D.Log(L + ".SetMenu(" + (m ? m->Class : "nullptr") + ")");
                 O->SetMenu(m ? static_cast<TMainMenu*>(m->Object) : nullptr);
               }});
}
template <class T>
void Add_Menu(T*, const std::string&, TCalls&, long) {}
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
  Add_SkinData(O, Label, c, 0);
  Add_Align(O, Label, c, 0);
  Add_WindowState(O, Label, c, 0);
  Add_PopupMenu(O, Label, c, 0);
  Add_ActiveControl(O, Label, c, 0);
  Add_Menu(O, Label, c, 0);
  return c;
}
