// Reading painting back: a window with its children painted into a bitmap,
// looked at pixel by pixel or as rows of characters, one per pixel.
#pragma once

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "classlib/Controls.h"

class TPaintedImage {
 public:
  // Control painted by PaintTo (its windowless children included) at its size.
  explicit TPaintedImage(TWinControl* Control) {
    FBitmap.SetSize(Control->Width(), Control->Height());
    Control->PaintTo(DC(), 0, 0);
    GdiFlush();
  }
  TPaintedImage(const TPaintedImage&) = delete;
  TPaintedImage& operator=(const TPaintedImage&) = delete;

  COLORREF At(int X, int Y) const { return GetPixel(DC(), X, Y); }

  // R row by row, each pixel the Legend's character for its colour, '?' for
  // a colour the legend lacks.
  std::vector<std::string> Rows(const TRect& R, const std::map<COLORREF, char>& Legend) const {
    std::vector<std::string> rows;
    for (int y = R.Top; y < R.Bottom; ++y) {
      std::string row;
      for (int x = R.Left; x < R.Right; ++x) {
        auto it = Legend.find(At(x, y));
        row += it == Legend.end() ? '?' : it->second;
      }
      rows.push_back(row);
    }
    return rows;
  }

  // The smallest rectangle holding every pixel of R that is not Background;
  // empty when there is none.
  TRect InkBounds(const TRect& R, COLORREF Background) const {
    TRect ink(R.Right, R.Bottom, R.Left, R.Top);
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if (At(x, y) != Background) {
          ink.Left = std::min(ink.Left, x);
          ink.Top = std::min(ink.Top, y);
          ink.Right = std::max(ink.Right, x + 1);
          ink.Bottom = std::max(ink.Bottom, y + 1);
        }
    return ink.Left < ink.Right ? ink : TRect();
  }

  // How many pixels of R are exactly Color.
  int Count(const TRect& R, COLORREF Color) const {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) n += At(x, y) == Color;
    return n;
  }

  // Whether R holds the same pixels here as at Other's R moved by (DX, DY).
  bool SameAs(const TPaintedImage& Other, const TRect& R, int DX = 0, int DY = 0) const {
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if (At(x, y) != Other.At(x + DX, y + DY)) return false;
    return true;
  }

 private:
  HDC DC() const { return FBitmap.Canvas()->Handle(); }
  mutable TBitmap FBitmap;
};
