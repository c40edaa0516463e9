// Where the MDI tabs bar puts its tabs, which tab is under a point, where a
// dragged tab would land and when a tab's close button closes its child:
// plain rules that the window layer of the bar calls.
#pragma once

#include <vector>

#include "classlib/Types.h"

constexpr int kMDITabsMargin = 15;  // room of each menu button at the bar's ends

struct TspMDITabsLayout {
  std::vector<TRect> Rects;    // one per tab; empty for a hidden tab
  std::vector<bool> Visible;
  int HiddenCount = 0;
  int DragLimit = 0;           // a dragged tab stays inside 0 .. DragLimit
};

struct TspMDITabsMetrics {
  int Count = 0;
  int Width = 0;               // of the bar
  int Height = 0;              // of a tab
  int DefaultTabWidth = 100;
  int MinTabWidth = 0;
  int DragIndex = -1;          // the tab being dragged, or -1
  int DragOffset = 0;
};

TspMDITabsLayout LayoutMDITabs(const TspMDITabsMetrics& M);

// The first visible tab whose rectangle holds P, edges included; -1 for none.
int MDITabAt(const TspMDITabsLayout& L, const TPoint& P);

// Where the dragged tab DragIndex goes when dropped (-1: nowhere).
int MDITabDropTarget(const TspMDITabsLayout& L, int DragIndex, int DragOffset);

// The x of the insertion mark for a drop on Target.
int MDITabDropMarkX(const TspMDITabsLayout& L, int Target, int DragOffset);

// The close button of a tab of Size x Height pixels, relative to the tab.
TRect MDITabCloseButtonRect(int TabWidth, int TabHeight, int Size, int RightOffset);

// Moves the element at From to To, the others keeping their order.
template <typename T>
void MoveListItem(std::vector<T>& List, int From, int To) {
  const int n = static_cast<int>(List.size());
  if (From < 0 || From >= n || To < 0 || To >= n || From == To) return;
  T item = std::move(List[From]);
  List.erase(List.begin() + From);
  List.insert(List.begin() + To, std::move(item));
}

// The press and release of one tab's close button: a release closes the
// child only when the press started on that same close button of that tab
// and the tab was not dragged in between.
struct TspMDICloseTracker {
  int PressedTab = -1;
  void Press(int Tab, bool OnCloseButton) { PressedTab = OnCloseButton ? Tab : -1; }
  void DragStarted() { PressedTab = -1; }
  // True when the release at Tab over its close button closes it; the press ends.
  bool Release(int Tab, bool OnCloseButton) {
    const bool closes = OnCloseButton && Tab >= 0 && Tab == PressedTab;
    PressedTab = -1;
    return closes;
  }
};
