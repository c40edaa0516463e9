// Geometry and stepping rules of the skinned list box.
#include "skininputs/ListBoxLayout.h"

#include <algorithm>

int ListBoxRowsHeight(bool Skinned, const TRect& SkinRect, const TRect& ClRect, int Rows, int ItemHeight,
                      int CaptionHeight, int HBarHeight) {
  const int rows = Rows * ListBoxItemHeight(ItemHeight);
  const int frame = Skinned ? SkinRect.Height() - ClRect.Height() : 4 + CaptionHeight;
  return frame + rows + HBarHeight;
}

TRect ListBoxSkinClient(const TRect& ClRect, const TRect& SkinRect, int W, int H) {
  return TRect(ClRect.Left, ClRect.Top, ClRect.Right + W - SkinRect.Width(), ClRect.Bottom + H - SkinRect.Height());
}

TspListBoxLayout CalcListBoxLayout(const TspListBoxLayoutInput& In) {
  TspListBoxLayout L;
  const int W = In.Width, H = In.Height, C = In.CaptionHeight;
  const TRect R = In.SkinClient;
  int hspace = 0;
  if (In.HBar && In.Columns == 0) {
    if (In.Skinned) {
      L.HBar = TRect(R.Left, R.Bottom - In.HBarSize, R.Right, R.Bottom);
      hspace = In.HBarSize;
    } else {
      L.HBar = Bounds(1, H - 20, W - 2, 19);
      hspace = 18;
    }
  }
  if (In.VBar) {
    if (In.Skinned && In.Columns > 0) {
      L.VBar = TRect(R.Left, R.Bottom - In.VBarSize, R.Right, R.Bottom);
      L.List = TRect(R.Left, R.Top, R.Right, R.Bottom - In.VBarSize);
    } else if (In.Skinned) {
      L.VBar = TRect(R.Right - In.VBarSize, R.Top, R.Right, R.Bottom - hspace);
      L.List = TRect(R.Left, R.Top, R.Right - In.VBarSize, R.Bottom - hspace);
    } else if (In.Columns > 0) {
      L.VBar = Bounds(1, H - 20, W - 2, 19);
      L.List = TRect(2, C + 1, W - 2, L.VBar.Top);
    } else {
      L.VBar = Bounds(W - 20, C, 19, H - 1 - C - hspace);
      L.List = TRect(2, C + 1, L.VBar.Left, H - 2 - hspace);
    }
  } else {
    // A horizontal bar alone still takes its strip from under the list.
    L.List = In.Skinned ? TRect(R.Left, R.Top, R.Right, R.Bottom - hspace) : TRect(2, C + 1, W - 2, H - 2 - hspace);
  }
  return L;
}

void DefaultCaptionButtons(int Width, int CaptionHeight, TRect (&Buttons)[3]) {
  const int b = std::min(17, CaptionHeight - 3);
  for (int i = 0; i < 3; ++i) Buttons[i] = TRect(Width - (i + 1) * b - 2, 2, Width - i * b - 2, b + 1);
}

TRect MoveListBoxPiece(const TRect& R, const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& RBPoint, int DW,
                       int DH) {
  if (R.IsEmpty()) return R;
  int dx = 0, dy = 0;
  if (R.Top >= LTPoint.Y) {
    dy = DH;
    if (R.Left >= RBPoint.X) dx = DW;
  } else if (R.Left >= RTPoint.X) {
    dx = DW;
  }
  return TRect(R.Left + dx, R.Top + dy, R.Right + dx, R.Bottom + dy);
}

int ListBoxCaptionX(TAlignment Alignment, const TRect& R, int CaptionWidth, bool Skinned) {
  const int pad = Skinned ? 2 : 0;
  switch (Alignment) {
    case taRightJustify: return R.Right - CaptionWidth - pad;
    case taCenter: return R.Left + pad + R.Width() / 2 - CaptionWidth / 2;
    default: return R.Left + pad;
  }
}

std::vector<int> ListBoxTabStops(const std::vector<String>& Entries) {
  std::vector<int> stops;
  for (const String& e : Entries) {
    if (stops.size() == 10) break;
    const bool digits = !e.empty() && std::all_of(e.begin(), e.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
    // Very long digit runs saturate rather than overflow.
    long long v = 0;
    if (digits)
      for (wchar_t c : e) v = std::min(v * 10 + (c - L'0'), 1000000LL);
    stops.push_back(static_cast<int>(v));
  }
  return stops;
}

int StepListIndex(int Index, int Count, int Direction) {
  if (Direction < 0) return Index > 0 ? Index - 1 : Index;
  return Index < Count - 1 ? Index + 1 : Index;
}

bool ListNeedsVBar(int Min, int Max, int Position, int Rows, int Count) {
  return Max > Min && Position <= Max && Rows < Count;
}

bool ListNeedsColumnBar(int Min, int Max, int Position, int Columns, int Rows, int Count) {
  return Max > Min && Position <= Max && Columns <= Max && Rows * Columns < Count;
}
