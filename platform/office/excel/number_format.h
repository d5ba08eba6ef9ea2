// Number formats: the built-in formats by id with the text the suite reports for them
// (NumberFormat) and its Chinese form (NumberFormatLocal), the translation of any format code to
// its local form, whether a code shows dates or currency (which decides how a cell's value is
// typed), and the text a number shows under a code (what a column is fitted to). The texts are
// data tables (number_formats_zh.inc, number_format_words_zh.inc), not code.
#pragma once

#include <string>
#include <string_view>

namespace excel {

// The code of built-in format `id`; null for an id that is no built-in format.
const char* BuiltinFormatCode(int id);
// Its local form; null likewise.
const char* BuiltinFormatLocal(int id);

// A format code in the local form: "General" becomes "G/通用格式", "[Red]" "[红色]", ...;
// quoted text and escaped characters are left as they are.
std::string LocalFormatCode(std::string_view code);

// True for the built-in formats that show dates or times (14-22, 27-36, 45-47, 50-58).
bool IsBuiltinDateFormat(int id);
// True when a format code shows a date or time: a y, m, d, h or s outside quoted text,
// [brackets] and backslash escapes, in any section; "[h]", "[mm]", "[ss]" count as times.
bool IsDateFormatCode(std::string_view code);
// True when a (non-date) format code shows a currency symbol ("¥", "$", "€", "£", or a
// "[$¥-804]" tag with a symbol), quoted or not: the suite then hands the value out as currency.
bool IsCurrencyFormatCode(std::string_view code);

// The text a number shows under a format code, as a cell displays it in a wide enough column:
// sections by sign, digit placeholders, thousands separators, percent, exponents, literal text,
// dates and times. Conditions in brackets and fractions are approximated.
std::string FormatNumber(double value, std::string_view code);

}  // namespace excel
