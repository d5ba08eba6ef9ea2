// Units the office object models convert between: points (1/72 inch), pixels at the 96 dots per
// inch the suites lay out at, and English metric units (EMU, 914400 per inch).
#pragma once

#include <cstdint>

namespace office {

inline constexpr double kPixelsPerInch = 96.0;
inline constexpr double kPointsPerInch = 72.0;
inline constexpr int64_t kEmuPerInch = 914400;
inline constexpr int64_t kEmuPerPoint = 12700;

inline double PointsToPixels(double points) {
  return points * kPixelsPerInch / kPointsPerInch;
}
inline double PixelsToPoints(double pixels) {
  return pixels * kPointsPerInch / kPixelsPerInch;
}
inline double EmuToPoints(int64_t emu) {
  return static_cast<double>(emu) / kEmuPerPoint;
}

}  // namespace office
