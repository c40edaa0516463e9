// Free routines shared by the fc components: text pieces and tokens, rectangle
// and colour arithmetic, small glyphs, property access by name, platform
// versions. Positions in texts are 1-based, as the callers count them.
#pragma once

#include <cstdint>
#include <vector>

#include "classlib/GraphicsTypes.h"
#include "classlib/StringList.h"
#include "classlib/Types.h"

// ---- text (portable) ----
// Characters Start .. Stop - 1; Stop 0 means to the end.
String fcCopyRange(const String& S, int Start, int Stop);
// Position of Sub in S at or after Start, or 0.
int fcPosFrom(const String& Sub, const String& S, int Start);
// Position of occurrence N + 1 of Sub (N = 0 the first), or 0.
int fcPosNth(const String& Sub, const String& S, int N);
// 0 for an empty S, else 1 plus the (possibly overlapping) occurrences of Delim.
int fcCountPieces(const String& S, const String& Delim);
// Piece N (0-based) of S cut at Delim; empty past the last piece.
String fcGetPiece(const String& S, const String& Delim, int N);
String fcReplaceAll(const String& S, const String& Old, const String& New);
// Accelerator marks removed; "&&" stays as one ampersand.
String fcStripAmpersands(const String& S);
// Index of the first string equal to Text when both are upper-cased with the
// locale's rules; -1 when none is.
int fcStringsIndexOfText(const TStrings* Strings, const String& Text);

// fcGetToken options.
constexpr int fcgtSkipBlanks = 1;   // skip blanks and tabs first
constexpr int fcgtQuoted = 2;       // a double quote starts a quoted token
constexpr int fcgtStripQuotes = 4;  // quoted tokens lose their quotes
constexpr int fcgtKeepBlanks = 8;   // a blank does not end the token
// The next token of S at Pos (1-based), moving Pos past it; a delimiter at Pos
// is a token of its own. Delims lists the delimiter characters.
void fcGetToken(const String& S, int& Pos, int Options, const String& Delims, String& Token);

// ---- numbers, records, rectangles (portable) ----
inline int fcMin(int A, int B) { return A < B ? A : B; }
inline int fcMax(int A, int B) { return A > B ? A : B; }
template <typename T>
T fcIfThen(bool Flag, T A, T B) { return Flag ? A : B; }
inline void fcSetPoint(int X, int Y, TPoint& P) { P = TPoint(X, Y); }
inline int fcRectWidth(const TRect& R) { return R.Right - R.Left; }
inline int fcRectHeight(const TRect& R) { return R.Bottom - R.Top; }
inline void fcSetFlag(bool On, uint32_t& Flags, uint32_t Mask) { Flags = On ? (Flags | Mask) : (Flags & ~Mask); }
// The largest rectangle of W x H proportions in R, at R's top-left corner.
// An empty R or picture gives R's top-left corner with no size.
void fcFitRect(const TRect& R, int W, int H, TRect& Result);
// The same size, centred along the free axis.
void fcFitRectCentered(const TRect& R, int W, int H, TRect& Result);
// The points at which a W x H graphic is drawn to tile an area of AreaW x
// AreaH from its origin; none for an empty graphic.
std::vector<TPoint> fcTilePoints(int W, int H, int AreaW, int AreaH);
// The one-pixel segments' start points of a dotted line from P1 to P2.
std::vector<TPoint> fcDottedLinePoints(const TPoint& P1, const TPoint& P2);
