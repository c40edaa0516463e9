// A handler on every event an object has: each event name below that the
// object's class has (and a program can reach) gets a handler that tells the
// driver, which may do one legal thing from it (HandlerActions.h).
// A new event name goes in DRIVER_EVENTS.
#pragma once

#include <functional>
#include <type_traits>

#include "classlib/Event.h"
#include "tests/driver/Driver.h"

#define DRIVER_EVENTS(X)                                                                                          \
  X(AfterCancel) X(AfterClose) X(AfterDelete) X(AfterEdit) X(AfterInsert) X(AfterOpen) X(AfterPost) X(AfterScroll) \
  X(BeforeCancel) X(BeforeClose) X(BeforeDelete) X(BeforeEdit) X(BeforeInsert) X(BeforeOpen) X(BeforePost)       \
  X(BeforeScroll) X(OnNewRecord) X(OnActivate) X(OnActiveChange) X(OnAfterClose) X(OnAfterDropDown) X(OnBalloonHintClick) X(OnButtonClick)       \
  X(OnCalcNodeAttributes) X(OnCancelMode) X(OnChange) X(OnChangeColor) X(OnChangeRollUpState) X(OnChanging)       \
  X(OnCheckButtonClick) X(OnCheckValidItem) X(OnChecked) X(OnClick) X(OnClose) X(OnCloseQuery) X(OnCloseUp)      \
  X(OnClosed) X(OnCollapsed) X(OnCollapsing) X(OnColumnClick) X(OnComboBoxDrawItem) X(OnContextPopup)           \
  X(OnCycle) X(OnDataChange) X(OnDateChange) X(OnDblClick) X(OnDeactivate) X(OnDeletion) X(OnDestroy)             \
  X(OnDownButtonClick) X(OnDownClick) X(OnDragDrop) X(OnDragOver) X(OnDrawHeaderSection) X(OnDrawItem)            \
  X(OnDrawSkinTab) X(OnDrawTab) X(OnDrawText) X(OnDropDown) X(OnEditEnter) X(OnEditExit) X(OnEditKeyDown)        \
  X(OnEditKeyPress) X(OnEditKeyUp) X(OnEdited) X(OnEditing) X(OnEditingChange) X(OnEndDrag) X(OnEnter)           \
  X(OnExecute) X(OnExit) X(OnExpanded) X(OnExpanding) X(OnGetImageIndex) X(OnGetSelectedIndex) X(OnGetText)      \
  X(OnHide) X(OnHideTrackMenu) X(OnInsert) X(OnItemClick) X(OnKeyDown) X(OnKeyPress) X(OnKeyUp) X(OnLastChange)  \
  X(OnLeftButtonClick) X(OnListBoxClick) X(OnListBoxDblClick) X(OnListBoxDragDrop) X(OnListBoxDragOver)           \
  X(OnListBoxEndDrag) X(OnListBoxKeyDown) X(OnListBoxKeyPress) X(OnListBoxKeyUp) X(OnListBoxMouseDown)            \
  X(OnListBoxMouseMove) X(OnListBoxMouseUp) X(OnListBoxStartDrag) X(OnMenuClose) X(OnMenuPopup) X(OnMouseDown)    \
  X(OnMouseEnter) X(OnMouseLeave) X(OnMouseMove) X(OnMouseUp) X(OnMouseWheel) X(OnMsgFormClick) X(OnNodeChange)  \
  X(OnNumberClick) X(OnObjectChange) X(OnObjectClick) X(OnPageDown) X(OnPageUp) X(OnPaint) X(OnPanelPaint)       \
  X(OnPick) X(OnPopup) X(OnResize) X(OnRightButtonClick) X(OnSelectItem) X(OnSelectionChange) X(OnShortCut)      \
  X(OnShow) X(OnShowDialog) X(OnShowTrackMenu) X(OnSkinMenuClose) X(OnSkinMenuOpen) X(OnStartDrag)                \
  X(OnStartDragButton) X(OnStartToTrigger) X(OnStateChange) X(OnTabGetDrawParamsEvent) X(OnTabMouseDown)          \
  X(OnTabMouseEnter) X(OnTabMouseLeave) X(OnTabMouseUp) X(OnTimer) X(OnTimerTrigger) X(OnToggleCheckbox)          \
  X(OnUpButtonClick) X(OnUpClick) X(OnUpdate) X(OnUpdateData)

// The out-parameters a handler may set: an OnClose's action.
inline void NoteCloseAction(TCloseAction*& To, TCloseAction& Action) { To = &Action; }
template <class T>
void NoteCloseAction(TCloseAction*&, T&&) {}

// The handler: tells the driver, leaves other out-parameters alone, returns a default.
template <class R, class... A>
void HookEvent(TDriver& D, TComponent* Owner, const char* Name, TEvent<R(A...)>& Event) {
  Event = [&D, Owner, Name](A... Args) -> R {
    TCloseAction* close = nullptr;
    (NoteCloseAction(close, Args), ...);
    D.EventRaised(Owner, Name, close);
    if constexpr (!std::is_void<R>::value) return R();
  };
}

namespace driver_hooks {
#define DRIVER_HOOK_ONE(E)                                                        \
  template <class T>                                                              \
  auto Hook_##E(TDriver& D, T* O, int)->decltype(HookEvent(D, O, #E, O->E), void()) {     \
    HookEvent(D, O, #E, O->E);                                                    \
  }                                                                               \
  template <class T>                                                              \
  void Hook_##E(TDriver&, T*, long) {}
DRIVER_EVENTS(DRIVER_HOOK_ONE)
#undef DRIVER_HOOK_ONE
}  // namespace driver_hooks

template <class T>
void HookEvents(TDriver& D, T* Object) {
#define DRIVER_HOOK_CALL(E) driver_hooks::Hook_##E(D, Object, 0);
  DRIVER_EVENTS(DRIVER_HOOK_CALL)
#undef DRIVER_HOOK_CALL
}
