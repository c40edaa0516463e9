// Geometry of the generated window frame, shared by the frame and the caption
// buttons drawn on it (all in frame picture coordinates).
#pragma once

#include "classlib/Types.h"

namespace frame {

constexpr int kWidth = 260, kHeight = 150;
constexpr int kCaptionHeight = 32;
constexpr int kBorder = 4;                // left, right and bottom
constexpr int kTopRadius = 8, kBottomRadius = 5;
constexpr TRect kClient = Rect(kBorder, kCaptionHeight, kWidth - kBorder, kHeight - kBorder);
// Corner pieces: the left-top one holds the system menu button, the right-top
// one the other caption buttons; the bottom ones the rounded corners.
constexpr TPoint kLeftTop = Point(34, kCaptionHeight);
constexpr TPoint kRightTop = Point(104, kCaptionHeight);
constexpr TPoint kLeftBottom = Point(10, kHeight - 12);
constexpr TPoint kRightBottom = Point(kWidth - 10, kHeight - 12);

// Caption buttons: 28 x 22 on the caption's middle line, 2 pixels apart.
constexpr int kButtonWidth = 28, kButtonHeight = 22;
constexpr int kButtonTop = (kCaptionHeight - kButtonHeight) / 2;
constexpr TRect ButtonRect(int FromRight) {
  return Rect(kWidth - 6 - (FromRight + 1) * kButtonWidth - FromRight * 2, kButtonTop,
              kWidth - 6 - FromRight * kButtonWidth - FromRight * 2, kButtonTop + kButtonHeight);
}
constexpr TRect kSysMenuRect = Rect(6, kButtonTop, 30, kButtonTop + kButtonHeight);
constexpr TRect kIconRect = Rect(36, 8, 52, 24);
constexpr TRect kCaptionRect = Rect(56, 0, kRightTop.X, kCaptionHeight);
constexpr int kRollUpHeight = kCaptionHeight + kBorder;

}  // namespace frame
