// Tests only: the class ids and dispatch ids of the controls in sample_controls.ocx.
#pragma once

#include "platform/com/clsid.h"
#include "platform/com/dispatch.h"

namespace com::testing {

inline constexpr Clsid kSampleClsid = Clsid::Of("{3F1C2B7A-5D44-4E0B-9A61-0C7E2D9B1A01}");
inline constexpr Clsid kSecondClsid = Clsid::Of("{3F1C2B7A-5D44-4E0B-9A61-0C7E2D9B1A02}");
inline constexpr Clsid kRawClsid = Clsid::Of("{3F1C2B7A-5D44-4E0B-9A61-0C7E2D9B1A03}");
inline constexpr char kSampleProgId[] = "KirvTest.SampleControl";

// SampleControl
inline constexpr DispId kName = 1;        // BSTR, saved as "Name"
inline constexpr DispId kGrade = 2;       // I2, saved as "Grade"
inline constexpr DispId kDebug = 3;       // BOOL, saved as "Debug", default true
inline constexpr DispId kScore = 4;       // R8, read-only
inline constexpr DispId kAnswer = 5;      // BSTR; putting it grades: Score = length of Name
inline constexpr DispId kRun = 10;        // Run(path&, file&, debug&) -> R8, see below
inline constexpr DispId kFail = 11;       // fails with run-time error 6
inline constexpr DispId kThrow = 12;      // throws std::runtime_error("boom")
inline constexpr DispId kSay = 13;        // Say(text): a message box captioned "SampleControl"
inline constexpr DispId kWindow = 14;     // "<child id>|<window name>|<style>" of its window
inline constexpr DispId kDestroyed = 15;  // how many instances had their window destroyed
inline constexpr DispId kAdd = 16;        // Add(I4, I4) -> I4

// SecondControl
inline constexpr DispId kValue = 1;  // I4

// RawControl: written without the dispatch table.
inline constexpr DispId kRawThrow = 1;   // throws
inline constexpr DispId kRawAnswer = 2;  // returns I4 42

}  // namespace com::testing
