// The registered tab scroller factory.
#include "skinctrls/TabScroller.h"

namespace {

TspTabScrollerFactory& Slot() {
  static TspTabScrollerFactory factory = nullptr;
  return factory;
}

}  // namespace

TspTabScrollerFactory TabScrollerFactory() { return Slot(); }
void SetTabScrollerFactory(TspTabScrollerFactory Factory) { Slot() = Factory; }
