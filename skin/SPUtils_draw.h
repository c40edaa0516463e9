// Small drawing helpers of the skinned controls: default marks and arrows,
// caption-button glyphs, frames of glyph strips, the screen and monitor
// rectangles.
#pragma once

#include "classlib/Graphics.h"
#include "skin/SPUtils_geometry.h"

void DrawCheckMark(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRadioMark(TCanvas* Canvas, int X, int Y, TColor Color);
// A downward triangle of 5, 3 and 1 pixels centred in R.
void DrawDropDownArrow(TCanvas* Canvas, const TRect& R, TColor Color);
// A four-row arrow centred in R: Direction 1 left, 2 right, 3 up, 4 down;
// any other direction draws nothing.
void DrawArrowInRect(TCanvas* Canvas, const TRect& R, TColor Color, int Direction);
// The chevron of the skins' arrows for a skinned button composed at run
// time: an open V, 7 pixels across and 2 thick, centred in R; directions as
// DrawArrowInRect's.
void DrawChevronInRect(TCanvas* Canvas, const TRect& R, TColor Color, int Direction);
// Every other pixel of the outline, in the canvas font colour.
void DrawDottedFocusRect(TCanvas* Canvas, const TRect& R);
// The look without a skin of a small part (tab, cell, small button): a
// navy frame over a blue-grey fill when pressed, a lighter fill when hot,
// else a shadow frame over the button face.
void DrawDefaultPartLook(TCanvas* Canvas, const TRect& R, bool Hot, bool Pressed);

// Caption-button glyphs drawn when a skin gives no picture.
void DrawCloseGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawSysMenuGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMinimizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMaximizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRestoreGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRollDownGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawTriangleGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawSquareGlyph(TCanvas* Canvas, int X, int Y, TColor Color);

// The glyph of a caption button's skin "command" (0 close, 1 maximize,
// 2 minimize, 3 system menu, 4 default: none, 5 roll-up, 6 minimize to tray)
// in the window state (0 normal, 1 minimized, 2 maximized) and roll-up state
// of its form.
void DrawCommandGlyph(TCanvas* Canvas, int X, int Y, TColor Color, int Command, int WindowState, bool RolledUp);

// Frame Index (from 1) of a strip of Count equal frames, drawn transparently
// (the frame's bottom-left pixel is the transparent colour). Nothing for an
// empty strip or a count below 1.
void DrawBitmapFrame(TCanvas* Canvas, int X, int Y, TBitmap* Strip, int Count, int Index);
void DrawBitmapFrame(TCanvas* Canvas, int X, int Y, int Index, int Count, TBitmap* Strip);

bool HasSeveralMonitors();
void GetScreenRect(bool WorkArea, TRect& R);
// The nearest monitor's rectangle or work area; the screen without monitor functions.
void GetMonitorRect(HWND Window, bool WorkArea, TRect& R);

// Copies the screen area of the bitmap's size with its top-left at (X, Y).
void CopyScreenToBitmap(int X, int Y, TBitmap* Bitmap);
