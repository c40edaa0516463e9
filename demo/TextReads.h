// Reads every text the program draws as it is drawn: its colour and the face
// under it, for the contrast checks of the gallery and the tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "classlib/GraphicsTypes.h"
#include "classlib/Types.h"

struct TTextRead {
  String Text;
  String Where;       // what the reader was told was on screen (TTextReader::SetWhere)
  TColor Color = 0;   // the text colour, 0x00BBGGRR
  TColor Face = 0;    // the colour under the glyphs before they were drawn
  RECT Box = {};      // where the text went, in the DC's logical units
  double Contrast() const;
};

// While one exists, the program's calls of DrawTextW, DrawTextExW, DrawTextA,
// TabbedTextOutW, ExtTextOutW and TextOutW (its import table: the library's
// every text, not the system's own drawing inside those calls) go through it.
// Each call that draws into a colour surface is read: the face under the
// glyphs is the most common colour, before the call, of the pixels the call
// changed (of its whole box when it changed none: text in its face's colour),
// or the background colour of an opaque call. A copy of the same text drawn
// again within two pixels on the same surface (an engraved or shadowed
// look), over the first while it is still there, is read once: as its top
// copy on the face under the first copy.
// One reader at a time, on the GUI thread.
class TTextReader {
 public:
  TTextReader();
  ~TTextReader();
  TTextReader(const TTextReader&) = delete;
  TTextReader& operator=(const TTextReader&) = delete;

  void SetWhere(const String& Where) { FWhere = Where; }
  // The texts read so far; Take empties the list.
  const std::vector<TTextRead>& Reads();
  std::vector<TTextRead> Take();
  // How many import entries were redirected (0: nothing will be read).
  int Hooked() const { return FHooked; }

  // Called by the hooks.
  void Read(HDC DC, const String& Text, const RECT& Box, bool Opaque, const std::function<void()>& Draw);

 private:
  void Flush();
  // Whether this text, about to be read, lies over the last one read.
  bool OverLast(HDC DC, const String& Text, const RECT& Area, const std::vector<uint32_t>& Before) const;
  String FWhere;
  std::vector<TTextRead> FReads;
  bool FPending = false;
  TTextRead FLast;
  HDC FLastDC = nullptr;
  RECT FLastArea = {};
  std::vector<uint32_t> FLastPixels;  // the last text's area after it was drawn
  int FHooked = 0;
};
