// Little-endian numbers in byte buffers, as file formats store them.
#pragma once

#include <cstdint>
#include <vector>

inline uint16_t LoadLE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t LoadLE32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline int32_t LoadLE32Signed(const uint8_t* p) { return static_cast<int32_t>(LoadLE32(p)); }

inline void StoreLE32(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
  p[2] = uint8_t(v >> 16);
  p[3] = uint8_t(v >> 24);
}

inline void AppendLE16(std::vector<uint8_t>& Out, uint32_t v) {
  Out.push_back(uint8_t(v));
  Out.push_back(uint8_t(v >> 8));
}
inline void AppendLE32(std::vector<uint8_t>& Out, uint32_t v) {
  AppendLE16(Out, v & 0xFFFF);
  AppendLE16(Out, v >> 16);
}
