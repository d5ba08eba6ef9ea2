// Lengths as the office file formats store them and as the object models report them. EMU
// (English Metric Units) are what drawings store: 914400 to the inch, 12700 to the point,
// 360000 to the centimetre. The object models report points; the suites lay out their screens
// in pixels at 96 dpi (spreadsheet column widths and row heights are counted in them).
// Twips (1/20 point) and half-points are the word processor's own units.
#pragma once

#include <cmath>
#include <cstdint>

namespace office {

inline constexpr int64_t kEmuPerInch = 914400;
inline constexpr int64_t kEmuPerPoint = 12700;
inline constexpr int64_t kEmuPerCm = 360000;
inline constexpr int64_t kEmuPerPixel = 9525;  // at 96 dpi
inline constexpr double kPointsPerInch = 72.0;
inline constexpr double kPixelsPerInch = 96.0;
inline constexpr double kPointsPerCm = 72.0 / 2.54;  // 28.3464..., not the checks' 28.35

inline constexpr double EmuToPoints(int64_t emu) {
  return static_cast<double>(emu) / kEmuPerPoint;
}
inline constexpr double EmuToCm(int64_t emu) {
  return static_cast<double>(emu) / kEmuPerCm;
}
inline constexpr double EmuToInches(int64_t emu) {
  return static_cast<double>(emu) / kEmuPerInch;
}
// Pixels at `dpi` dots per inch, not rounded.
inline constexpr double EmuToPixels(int64_t emu, double dpi = kPixelsPerInch) {
  return static_cast<double>(emu) * dpi / kEmuPerInch;
}

// Whole EMU, the nearest one (halves away from zero, as lengths are written to files).
inline int64_t PointsToEmu(double points) {
  return std::llround(points * kEmuPerPoint);
}
inline int64_t CmToEmu(double cm) {
  return std::llround(cm * kEmuPerCm);
}
inline int64_t PixelsToEmu(double pixels, double dpi = kPixelsPerInch) {
  return std::llround(pixels * kEmuPerInch / dpi);
}

// Points and screen pixels at 96 dpi, not rounded.
inline constexpr double PointsToPixels(double points) {
  return points * kPixelsPerInch / kPointsPerInch;
}
inline constexpr double PixelsToPoints(double pixels) {
  return pixels * kPointsPerInch / kPixelsPerInch;
}

inline constexpr double PointsToCm(double points) {
  return points / kPointsPerCm;
}
inline constexpr double CmToPoints(double cm) {
  return cm * kPointsPerCm;
}
inline constexpr double TwipsToPoints(int64_t twips) {
  return static_cast<double>(twips) / 20.0;
}
inline constexpr double HalfPointsToPoints(int64_t halfPoints) {
  return static_cast<double>(halfPoints) / 2.0;
}

}  // namespace office
