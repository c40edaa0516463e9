// The contrast of two colours, as the common readability rule measures it:
// relative luminances L1 >= L2 give (L1 + 0.05) / (L2 + 0.05). Body text
// needs 4.5 to 1.
#pragma once

#include <cmath>
#include <cstdint>

constexpr double kTextContrast = 4.5;

// Rgb is 0x00RRGGBB.
inline double Luminance(uint32_t Rgb) {
  auto channel = [](uint32_t C) {
    const double c = (C & 0xFF) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(Rgb >> 16) + 0.7152 * channel(Rgb >> 8) + 0.0722 * channel(Rgb);
}

inline double Contrast(uint32_t A, uint32_t B) {
  const double a = Luminance(A) + 0.05, b = Luminance(B) + 0.05;
  return a > b ? a / b : b / a;
}

// A colour stored as 0x00BBGGRR, as records keep them, turned to 0x00RRGGBB.
inline uint32_t RgbOfBgr(uint32_t Bgr) {
  return ((Bgr & 0xFF) << 16) | (Bgr & 0xFF00) | ((Bgr >> 16) & 0xFF);
}
