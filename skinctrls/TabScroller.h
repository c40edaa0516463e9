// The control that scrolls the tabs of a skinned page control. The input
// controls build on these controls, so the page control cannot name their
// up-down: the up-down registers a factory here, and the page control makes
// its scroller through it.
#pragma once

#include "classlib/Classes.h"

class TWinControl;

class TspTabScroller {
 public:
  virtual ~TspTabScroller() = default;
  // The window itself; it is a component owned by the page control.
  virtual TWinControl* ScrollerControl() = 0;
  virtual void SetScrollerMin(int Value) = 0;
  virtual void SetScrollerMax(int Value) = 0;
  virtual int ScrollerPosition() const = 0;
  virtual void SetScrollerPosition(int Value) = 0;
  virtual void SetScrollerIncrement(int Value) = 0;
  virtual void SetScrollerOnChange(TNotifyEvent Value) = 0;
  // Looks the named record up in SkinData (nullptr: the default look).
  virtual void SetScrollerSkin(class TspSkinData* SkinData, const String& SkinDataName) = 0;
};

using TspTabScrollerFactory = TspTabScroller* (*)(TComponent* Owner);

// The factory registered last, or nullptr: the page control then keeps the
// tab control's own scroller.
TspTabScrollerFactory TabScrollerFactory();
void SetTabScrollerFactory(TspTabScrollerFactory Factory);
