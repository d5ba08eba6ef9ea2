// A rule's parameters (columns 2 to 6 of its row) and their conversions: paths joined to the
// candidate folder, 16-bit integers, and dates in the system's (Chinese) date format.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win/folder_listing.h"

namespace deskmark {

// p1 to p5, the texts of columns 2 to 6.
using RuleParams = std::array<std::string, 5>;

// The candidate folder followed directly by the parameter (the folder ends with "\").
std::string PathParam(std::string_view candidateFolder, std::string_view param);

// The parameter as a 16-bit integer, halves rounded to even; 0 when it is no number or does not
// fit.
int16_t IntParam(std::string_view param);

// The zero date, 1899-12-30 00:00, that a text which is no date gives.
inline const win::LocalSeconds kZeroDate = win::LocalSecondsOfCivil(1899, 12, 30, 0, 0, 0);

// A date and time as the system reads one typed in its date format: "2024/6/1", "2024-06-01",
// "2024.6.1", "2024年6月1日", two-digit years (00-29 this century, 30-99 the last), month first
// when the year comes last ("6/1/2024"); then optionally a time "8:05" or "8:05:30", with
// "AM"/"PM" or "上午"/"下午"; or a bare time on the zero date. Nothing else may follow.
std::optional<win::LocalSeconds> ParseDateTime(std::string_view text);

// ParseDateTime, or the zero date when the text is no date.
win::LocalSeconds DateParam(std::string_view param);

}  // namespace deskmark
