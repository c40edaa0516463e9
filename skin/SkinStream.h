// The inflated skin stream: frame pictures, active pictures and the skin's INI
// text. The zlib data that carries it goes through classlib/ZLib.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "classlib/BmpCodec.h"
#include "classlib/Classes.h"

// The version a skin stream is written in, and the highest one read.
constexpr int SkinStreamVersion = 2;
constexpr int MaxSkinStreamVersion = 3;
// No skin inflates beyond this; larger data is refused rather than allocated.
constexpr size_t MaxInflatedSkinSize = size_t(64) << 20;
// The most bytes such a skin takes compressed (zlib's bound on what deflate
// can add to data it cannot shrink).
constexpr size_t MaxCompressedSkinSize = MaxInflatedSkinSize + (MaxInflatedSkinSize >> 12) +
                                         (MaxInflatedSkinSize >> 14) + (MaxInflatedSkinSize >> 25) + 13;

// The five whole-frame picture slots, in stream order.
enum TspSkinPictureSlot { spsPicture, spsInactivePicture, spsMaskPicture, spsRollUpPicture, spsRollUpMaskPicture };
constexpr int SkinPictureSlotCount = 5;
// Whether a stream of Version carries the slot at all.
bool SkinStreamHasSlot(int Version, int Slot);

// The pictures are checked but not decoded: they point into the stream's
// bytes, which must outlive the content.
struct TspSkinStreamContent {
  int Version = 0;
  // A slot that is absent from the version or flagged empty holds an empty picture.
  TBmpView Slots[SkinPictureSlotCount];
  std::vector<TBmpView> ActivePictures;
  String IniText;
};

// Reads an inflated skin stream. A version above the highest known, a cut-off
// stream, a count the data cannot hold or a bad picture raises EReadError or
// EInvalidGraphic; the text after the pictures is code page 936.
void ReadSkinStream(const uint8_t* Data, size_t Size, TspSkinStreamContent& Content);

// Writes a 32-bit number as skin files and streams store it (little-endian).
void WriteSkinInt32(TStream* Dest, int32_t Value);

// Writes a version 2 skin stream. Empty images write the "empty" flag.
void WriteSkinStream(TStream* Dest, const TBmpImage (&Slots)[SkinPictureSlotCount],
                     const std::vector<TBmpImage>& ActivePictures, const std::vector<String>& IniLines);
