// Shared helpers of the skin data tests: paths of the test skin and small
// skin streams built in memory.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "classlib/TextCodec.h"
#include "classlib/ZLib.h"
#include "skin/SkinStream.h"

// The project folder, from the test data path that CTest passes.
inline String ProjectPath(const char* Relative) {
  const char* data = std::getenv("SKINGUI_TEST_DATA");
  std::string root = data ? std::string(data) + "/../.." : "../..";
#ifdef _WIN32
  if (!root.empty() && root[0] == '/') root = "Z:" + root;  // Wine maps Z: to the Unix root
#endif
  return Utf8ToWide(root + "/" + Relative);
}

inline TBmpImage SolidImage(int Width, int Height, uint8_t Blue) {
  TBmpImage image;
  image.Width = Width;
  image.Height = Height;
  image.BitCount = 24;
  image.Allocate();
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) image.Row(y)[x * 3] = Blue;
  return image;
}

inline void PutInt32(std::vector<uint8_t>& Out, int32_t v) {
  for (int i = 0; i < 4; ++i) Out.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}

// An inflated version 2 skin stream with a frame picture, active pictures of
// the given count and the INI lines.
inline std::vector<uint8_t> MakeSkinStream(const std::vector<String>& IniLines, int ActiveCount = 1) {
  TBmpImage slots[SkinPictureSlotCount];
  slots[spsPicture] = SolidImage(4, 3, 10);
  std::vector<TBmpImage> actives;
  for (int i = 0; i < ActiveCount; ++i) actives.push_back(SolidImage(2 + i, 2, uint8_t(20 + i)));
  TMemoryStream stream;
  WriteSkinStream(&stream, slots, actives, IniLines);
  return stream.Bytes();
}

// The .skn layout around a zlib stream of Inflated.
inline std::vector<uint8_t> MakeSkn(const std::vector<uint8_t>& Inflated, int32_t Version = 2) {
  std::vector<uint8_t> packed = ZCompressBuffer(Inflated.data(), Inflated.size(), zcMax);
  std::vector<uint8_t> skn;
  PutInt32(skn, Version);
  PutInt32(skn, static_cast<int32_t>(packed.size()));
  skn.insert(skn.end(), packed.begin(), packed.end());
  return skn;
}
