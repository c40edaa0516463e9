// The tree view's options and the rules that need no window: check toggling,
// multi-selection ranges, hint timing and placement, and the geometry of one
// painted item (check cell, lines, expand button, check glyph).
#pragma once

#include <functional>
#include <vector>

#include "classlib/Types.h"

// Their order is that of the option bits a stored form carries.
enum TfcTreeViewOption {
  tvoExpandOnDblClk, tvoExpandButtons3D, tvoFlatCheckBoxes, tvoHideSelection, tvoRowSelect,
  tvoShowButtons, tvoShowLines, tvoShowRoot, tvoHotTrack, tvoAutoURL, tvoToolTips, tvoEditText,
  tvo3StateCheckbox
};
using TfcTreeViewOptions = TSet<TfcTreeViewOption>;
constexpr TfcTreeViewOptions fcDefaultTreeViewOptions{tvoExpandOnDblClk, tvoHideSelection, tvoShowButtons,
                                                      tvoShowLines, tvoShowRoot, tvoToolTips};

enum TfcSortType { fcstNone, fcstData, fcstText, fcstBoth };

// Bit for bit the system's custom-draw item states.
enum TfcItemState {
  fcisSelected, fcisGrayed, fcisDisabled, fcisChecked, fcisFocused, fcisDefault, fcisHot, fcisMarked,
  fcisIndeterminate
};
using TfcItemStates = TSet<TfcItemState>;

// Check-box kinds of a node.
constexpr int fcNoCheckbox = 0, fcCheckbox = 1, fcRadioButton = 2;

struct TfcCheckState {
  bool Checked = false, Grayed = false;
};
// A user's toggle: a radio button becomes checked; a checked three-state box
// becomes grayed (staying checked); anything else flips and loses the gray.
TfcCheckState fcToggledCheck(int CheckboxType, bool ThreeState, TfcCheckState State);

// A level takes part in multi-selection when it is the chosen one or every level is (-1).
inline bool fcLevelAllowed(int Level, int MultiSelectLevel) {
  return MultiSelectLevel == -1 || Level == MultiSelectLevel;
}
// Sibling indexes a Shift-press at Node multi-selects, anchored at Anchor. The
// anchor joins only when earlier choices are not cleared (AutoUnselect off).
std::vector<int> fcShiftRange(int Anchor, int Node, bool AutoUnselect);

// The cut-off text hint: shown when the text runs past the client width less
// 4, placed over the text, and hidden after 16 ticks of 250 ms.
constexpr int fcHintInterval = 250;
constexpr int fcHintMaxTicks = 16;
bool fcHintNeeded(const TRect& TextRect, int TextWidth, int ClientWidth);
TRect fcHintRect(const TRect& TextRect, const TPoint& ClientOrigin, int TextWidth, int TextHeight);
class TfcHintClock {
 public:
  // Counts one tick; true when the hint has been up long enough.
  bool Tick() { return ++FTicks > fcHintMaxTicks; }
  void Reset() { FTicks = 0; }
  int Ticks() const { return FTicks; }

 private:
  int FTicks = 0;
};

// What decides where one item's pieces go.
struct TfcItemLayout {
  TRect Text;              // the text rectangle the system lays out
  int Indent = 19;         // the tree's indent
  bool ShowsImage = false;  // Images assigned and ImageIndex not -2
  int ImagesWidth = 0;
  bool StateSpace = false;  // room for a check box or state image
  int StateWidth = 16;
};
// The cell left of the state-icon place, one indent wide.
TRect fcCheckCell(const TfcItemLayout& L);
// The x of the node's vertical line within its cell.
int fcLineX(const TRect& Cell);
// Centre of a rectangle; an odd half height rounds down by one more row.
TPoint fcCentre(const TRect& R);
// The expand button box around P for a row of RowHeight; Q is the inset of the strokes.
TRect fcExpandBox(const TPoint& P, int RowHeight, int& Q);
// The check or radio glyph box right of the cell.
TRect fcCheckGlyphBox(const TRect& Cell);

// Nodes one page moves over in a list of rows ItemHeight high.
inline int fcPageNodes(int ClientHeight, int ItemHeight) {
  return (ItemHeight > 0 ? ClientHeight / ItemHeight : 0) + 1;
}
// The first index from Start on, wrapping past Count - 1 to 0 and stopping
// before Start again, for which Matches holds; -1 when none does.
int fcFindWrapped(int Count, int Start, const std::function<bool(int)>& Matches);
// Text begins with Prefix, case ignored as the locale's upper-casing does.
bool fcStartsWithText(const String& Text, const String& Prefix);
