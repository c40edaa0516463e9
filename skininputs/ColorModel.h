// The colour picker's arithmetic: RGB, HSL and HSB conversions, the colour
// object kept in three forms, the basic colour table, the cell layout of the
// colour grids, the custom slots, and the geometry of the hue ring and box.
#pragma once

#include <array>
#include <cstdint>

#include "classlib/GraphicsTypes.h"
#include "classlib/Types.h"

struct TRGBBytes {
  uint8_t R = 0, G = 0, B = 0;
  bool operator==(const TRGBBytes& O) const { return R == O.R && G == O.G && B == O.B; }
  bool operator!=(const TRGBBytes& O) const { return !(*this == O); }
};

inline TRGBBytes ColorBytes(TColor C) {
  return {uint8_t(C & 0xFF), uint8_t((C >> 8) & 0xFF), uint8_t((C >> 16) & 0xFF)};
}
inline TColor BytesColor(const TRGBBytes& C) { return C.R | (C.G << 8) | (C.B << 16); }

// HSL with each part 0..1.
struct THSL {
  double H = 0, S = 0, L = 0;
};
// HSB fields: H 0..359 degrees, S and B 0..100 percent.
struct THSB {
  int H = 0, S = 0, B = 0;
  bool operator==(const THSB& O) const { return H == O.H && S == O.S && B == O.B; }
};

THSL RGBToHSL(const TRGBBytes& C);
TRGBBytes HSLToRGB(double H, double S, double L);

// The hue scale shared by both HSB directions and the hue ring: degrees out
// of a full turn, so that 360 is 0 again and a colour converted there and
// back keeps its hue.
constexpr int HueDegrees = 360;

// Fills Hsb from C. A grey has no hue: Hsb.H keeps what it held.
void RGBToHSB(const TRGBBytes& C, THSB& Hsb);
TRGBBytes HSBToRGB(const THSB& Hsb);

// A colour held as RGB bytes, HSL parts and HSL bytes, kept consistent.
class TPSPColor {
 public:
  void SetRGB(TColor Color);
  void SetHSL(double H, double S, double L);
  void SetHSLBytes(uint8_t H, uint8_t S, uint8_t L);
  void Assign(const TPSPColor& Other) { *this = Other; }

  TColor Color() const { return BytesColor(FRGB); }
  const TRGBBytes& Bytes() const { return FRGB; }
  const THSL& HSL() const { return FHSL; }
  uint8_t HByte() const { return FHB; }
  uint8_t SByte() const { return FSB; }
  uint8_t LByte() const { return FLB; }

 private:
  void BytesFromHSL();
  TRGBBytes FRGB;
  THSL FHSL;
  uint8_t FHB = 0, FSB = 0, FLB = 0;
};

constexpr int BasicColorCount = 48;
extern const std::array<TColor, BasicColorCount> BasicColors;
// Index (0-based) of C in the basic table; -1 when it is none of them.
int BasicColorIndex(TColor C);

// Cells of a colour grid laid out in a client rectangle.
struct TColorGridLayout {
  int Left = 0, Top = 0, CellW = 0, CellH = 0, ColCount = 1, RowCount = 1;
  // Cell K (from 1): the colour square's corner; the cell's frame is one
  // pixel further out and CellW x CellH is its inside.
  TPoint CellOrigin(int K) const;
  // The frame drawn around cell K (selection frame) and the area a click picks.
  TRect CellFrame(int K) const;
  TRect CellHitRect(int K) const;
  // The colour square of cell K, smaller when selected.
  TRect CellSwatch(int K, bool Selected) const;
  // The first of the first Count cells whose hit rectangle holds P; 0 for none.
  int CellAt(const TPoint& P, int Count) const;
};
TColorGridLayout ColorGridLayout(const TRect& Client, int ColCount, int RowCount);

// Twelve custom colour slots filled in turn; the thirteenth colour goes to slot 1.
struct TCustomColorSlots {
  static constexpr int Count = 12;
  std::array<TColor, Count> Colors;
  int LastWritten = 0;  // 0 before the first AddColor
  TCustomColorSlots() { Colors.fill(0xFFFFFF); }
  void AddColor(TColor C);
  TColor Slot(int K) const { return Colors[K - 1]; }  // K from 1
};

// Geometry of the hue ring (195 x 195) and the saturation/lightness box.
namespace HueRing {
constexpr int Size = 195, Thickness = 20;
constexpr int BoxLeft = 44, BoxRight = 150;  // box 44..150 both ways
constexpr int BoxSpan = BoxRight - BoxLeft;
constexpr int MarkerRadius = 87;  // (Size - Thickness) div 2
// Clockwise angle of P from straight up around (Cx, Cy), whole degrees, 0..359.
int AngleFromTop(int X, int Y, double Cx, double Cy);
// The ring's hue at an angle: hue grows counter-clockwise from red at the top.
inline int HueAtAngle(int A) { return (HueDegrees - A) % HueDegrees; }
// Inside the ellipse (L, T, R, B) as GDI's region of that ellipse would be.
bool InEllipse(int X, int Y, int L, int T, int R, int B);
// Inside the ring's drawn region and the region that picks.
bool InRingPaint(int X, int Y);
bool InRingPick(int X, int Y);
bool InBox(int X, int Y);
// Hue byte for a press in the ring at (X, Y).
uint8_t PickHueByte(int X, int Y);
// S and L bytes for a press in (or dragged past) the box.
void PickBoxBytes(int X, int Y, uint8_t& S, uint8_t& L);
// Marker centres for a colour.
TPoint BoxMarker(const THSL& C);
TPoint RingMarker(const THSL& C);
}  // namespace HueRing

// The colour button's menu: an optional "Automatic" entry, 40 fixed colours
// and an optional "More colors..." entry, in that order.
constexpr int ColorButtonColorCount = 40;
extern const std::array<TColor, ColorButtonColorCount> ColorButtonColors;
struct TColorMenuPlan {
  bool ShowAuto = true, ShowMore = true;
  int Count() const { return ColorButtonColorCount + ShowAuto + ShowMore; }
  int MoreIndex() const { return ShowMore ? Count() - 1 : -1; }
  // The colour of item Index; Auto for the "Automatic" entry. Not for "More".
  TColor ItemColor(int Index, TColor Auto) const;
  // The item to highlight for Value (all colours already resolved to RGB):
  // the first colour item equal to it, "Automatic" included; else "More
  // colors..." when shown; else -1.
  int Highlight(TColor Value, TColor Auto) const;
};
