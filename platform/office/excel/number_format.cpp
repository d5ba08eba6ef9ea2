// Number format tables and the formatter.
#include "platform/office/excel/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/base/date_serial.h"
#include "platform/base/text.h"

namespace excel {
namespace {

struct Builtin {
  int id;
  const char* code;
  const char* local;
};
const Builtin kBuiltins[] = {
#include "platform/office/excel/number_formats_zh.inc"
};

struct Word {
  const char* code;
  const char* local;
};
const Word kWords[] = {
#include "platform/office/excel/number_format_words_zh.inc"
};

const Builtin* FindBuiltin(int id) {
  for (const Builtin& b : kBuiltins) {
    if (b.id == id) return &b;
  }
  return nullptr;
}

// Splits a code into its sections at ";" outside quotes, brackets and escapes.
std::vector<std::string_view> Sections(std::string_view code) {
  std::vector<std::string_view> sections;
  size_t start = 0;
  for (size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '"') {
      const size_t end = code.find('"', i + 1);
      i = end == std::string_view::npos ? code.size() : end;
    } else if (c == '[') {
      const size_t end = code.find(']', i + 1);
      i = end == std::string_view::npos ? code.size() : end;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;
    } else if (c == ';') {
      sections.push_back(code.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(code.substr(start));
  return sections;
}

std::string TrimZeros(std::string text) {
  if (text.find('.') == std::string::npos) return text;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

// "General": up to 11 characters, switching to an exponent for large and tiny numbers.
std::string GeneralText(double v) {
  if (v == 0) return "0";
  const double a = std::fabs(v);
  char buffer[64];
  if (a >= 1e11 || a < 1e-9) {
    std::snprintf(buffer, sizeof buffer, "%.5E", v);
    std::string s = buffer;
    const size_t e = s.find('E');
    std::string mantissa = TrimZeros(s.substr(0, e));
    std::string exponent = s.substr(e + 1);  // "+11" or "-05"
    const char sign = exponent[0];
    exponent.erase(0, 1);
    while (exponent.size() > 2 && exponent[0] == '0') exponent.erase(0, 1);
    return mantissa + "E" + sign + exponent;
  }
  // A whole number prints as its digits: no printf needed.
  if (a == std::floor(a)) return std::to_string(static_cast<long long>(v));
  const int intDigits = a >= 1 ? static_cast<int>(std::floor(std::log10(a))) + 1 : 1;
  const int decimals = std::max(0, 10 - intDigits - (v < 0 ? 1 : 0));
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
  return TrimZeros(buffer);
}

// printf's "%.*f" of a magnitude; a whole one below 1e15 is exact without printf.
std::string FixedDigits(double magnitude, int decimals) {
  if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
    std::string digits = std::to_string(static_cast<long long>(magnitude));
    if (decimals > 0) {
      digits += '.';
      digits.append(static_cast<size_t>(decimals), '0');
    }
    return digits;
  }
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
  return buffer;
}

std::string GroupThousands(const std::string& digits) {
  std::string out;
  const size_t n = digits.size();
  for (size_t i = 0; i < n; ++i) {
    out += digits[i];
    if ((n - i - 1) % 3 == 0 && i + 1 < n) out += ',';
  }
  return out;
}

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};
const char* const kChineseDays[] = {"日", "一", "二", "三", "四", "五", "六"};

std::string FormatDate(double serial, std::string_view code) {
  const base::CivilTime t = base::CivilTimeFromSerial(serial);
  const int64_t days = static_cast<int64_t>(std::floor(serial));
  const int weekday = static_cast<int>(((days - 1) % 7 + 7) % 7);  // serial 1 was a Sunday
  bool twelveHour = false;
  for (size_t i = 0; i < code.size(); ++i) {
    if (base::StartsWithNoCase(code.substr(i), "AM/PM") || code.substr(i).starts_with("上午/下午"))
      twelveHour = true;
  }
  std::string out;
  bool lastWasHour = false;
  auto two = [](int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v);
    return std::string(b);
  };
  for (size_t i = 0; i < code.size();) {
    const char c = code[i];
    const char lower = base::AsciiLower(c);
    size_t run = 1;
    while (i + run < code.size() && base::AsciiLower(code[i + run]) == lower) ++run;
    if (c == '"') {
      const size_t end = code.find('"', i + 1);
      out += code.substr(i + 1, (end == std::string_view::npos ? code.size() : end) - i - 1);
      i = end == std::string_view::npos ? code.size() : end + 1;
      continue;
    }
    if (c == '\\' && i + 1 < code.size()) {
      out += code[i + 1];
      i += 2;
      continue;
    }
    if (c == '_' || c == '*') {
      if (c == '_') out += ' ';
      i += 2;
      continue;
    }
    if (c == '[') {
      const size_t end = code.find(']', i);
      const std::string_view inner =
          code.substr(i + 1, end == std::string_view::npos ? 0 : end - i - 1);
      const char k = inner.empty() ? 0 : base::AsciiLower(inner[0]);
      const double hours = std::floor(serial * 24 + 1e-9);
      if (k == 'h') out += std::to_string(static_cast<int64_t>(hours));
      if (k == 'm') out += std::to_string(static_cast<int64_t>(std::floor(serial * 1440 + 1e-9)));
      if (k == 's') out += std::to_string(static_cast<int64_t>(std::floor(serial * 86400 + 0.5)));
      if (k == 'h' || k == 'm' || k == 's') lastWasHour = k == 'h';
      i = end == std::string_view::npos ? code.size() : end + 1;
      continue;
    }
    if (base::StartsWithNoCase(code.substr(i), "AM/PM")) {
      out += t.hour < 12 ? "AM" : "PM";
      i += 5;
      continue;
    }
    if (code.substr(i).starts_with("上午/下午")) {
      out += t.hour < 12 ? "上午" : "下午";
      i += std::strlen("上午/下午");
      continue;
    }
    switch (lower) {
      case 'y':
        out += run > 2 ? std::to_string(t.date.year) : two(static_cast<int>(t.date.year % 100));
        break;
      case 'm': {
        // Minutes after an hour or before seconds, months otherwise.
        size_t next = i + run;
        while (next < code.size() && std::strchr(":. ", code[next]) != nullptr) ++next;
        const bool minutes =
            lastWasHour || (next < code.size() && base::AsciiLower(code[next]) == 's');
        if (minutes) {
          out += run >= 2 ? two(t.minute) : std::to_string(t.minute);
        } else if (run >= 4) {
          out += kMonths[t.date.month - 1];
        } else if (run == 3) {
          out += std::string(kMonths[t.date.month - 1]).substr(0, 3);
        } else {
          out += run == 2 ? two(static_cast<int>(t.date.month)) : std::to_string(t.date.month);
        }
        break;
      }
      case 'd':
        if (run >= 4) {
          out += kDays[weekday];
        } else if (run == 3) {
          out += std::string(kDays[weekday]).substr(0, 3);
        } else {
          out += run == 2 ? two(static_cast<int>(t.date.day)) : std::to_string(t.date.day);
        }
        break;
      case 'a':
        if (run >= 3) {
          out += std::string(run >= 4 ? "星期" : "") + kChineseDays[weekday];
        } else {
          out.append(run, c);
        }
        break;
      case 'h': {
        int h = t.hour;
        if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
        out += run >= 2 ? two(h) : std::to_string(h);
        break;
      }
      case 's':
        out += run >= 2 ? two(t.second) : std::to_string(t.second);
        break;
      case 'e':
        out += std::to_string(t.date.year);
        break;
      default:
        out.append(code.substr(i, run));
        break;
    }
    if (lower != ' ' && lower != ':') lastWasHour = lower == 'h';
    i += run;
  }
  return out;
}

std::string FormatDigits(double value, std::string_view code) {
  std::string prefix, suffix;
  int intZeros = 0, decimals = 0;
  bool grouping = false, percent = false, exponent = false, seenDigit = false, afterPoint = false;
  int scale = 0;  // trailing commas divide by 1000 each
  bool text = false;
  for (size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    std::string* literal = seenDigit ? &suffix : &prefix;
    if (c == '"') {
      const size_t end = code.find('"', i + 1);
      literal->append(
          code.substr(i + 1, (end == std::string_view::npos ? code.size() : end) - i - 1));
      i = end == std::string_view::npos ? code.size() : end;
    } else if (c == '\\' && i + 1 < code.size()) {
      // A multi-byte character is escaped whole.
      size_t len = 1;
      while (i + 1 + len < code.size() &&
             (static_cast<unsigned char>(code[i + 1 + len]) & 0xC0) == 0x80)
        ++len;
      literal->append(code.substr(i + 1, len));
      i += len;
    } else if (c == '_') {
      *literal += ' ';
      ++i;
    } else if (c == '*') {
      ++i;
    } else if (c == '[') {
      const size_t end = code.find(']', i);
      const std::string_view inner =
          code.substr(i + 1, end == std::string_view::npos ? 0 : end - i - 1);
      if (inner.starts_with("$")) literal->append(inner.substr(1, inner.find('-') - 1));
      i = end == std::string_view::npos ? code.size() : end;
    } else if (c == '0' || c == '#' || c == '?') {
      seenDigit = true;
      if (exponent) {
        continue;  // the exponent's own digits
      } else if (afterPoint) {
        ++decimals;
      } else if (c == '0') {
        ++intZeros;
      }
      scale = 0;
    } else if (c == '.' && !exponent) {
      afterPoint = true;
      seenDigit = true;
    } else if (c == ',') {
      if (seenDigit && !afterPoint) {
        grouping = true;
        ++scale;
      }
    } else if ((c == 'E' || c == 'e') && i + 1 < code.size() &&
               (code[i + 1] == '+' || code[i + 1] == '-')) {
      exponent = true;
      ++i;
    } else if (c == '%') {
      percent = true;
      *literal += '%';
    } else if (c == '@') {
      text = true;
    } else {
      literal->push_back(c);
    }
  }
  if (!seenDigit) {
    if (text) return prefix + GeneralText(value) + suffix;
    return prefix + suffix;
  }
  // Grouping commas directly before the point or the end scale instead of group.
  if (scale > 0 && grouping) {
    value /= std::pow(1000.0, scale);
    grouping =
        code.find(",0") != std::string_view::npos || code.find(",#") != std::string_view::npos;
  }
  if (percent) value *= 100;
  char buffer[400];
  std::string number;
  if (exponent) {
    std::snprintf(buffer, sizeof buffer, "%.*E", decimals, value);
    number = buffer;
  } else {
    if (std::fabs(value) >= 1e300) return "#";
    std::string digits = FixedDigits(std::fabs(value), decimals);
    const size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : digits.substr(point);
    if (whole == "0" && intZeros == 0) whole.clear();
    while (static_cast<int>(whole.size()) < intZeros) whole.insert(whole.begin(), '0');
    if (grouping) whole = GroupThousands(whole);
    number = whole + fraction;
    if (value < 0 && digits.find_first_not_of("0.") != std::string::npos)
      return "-" + prefix + number + suffix;
  }
  return prefix + number + suffix;
}

}  // namespace

const char* BuiltinFormatCode(int id) {
  const Builtin* b = FindBuiltin(id);
  return b == nullptr ? nullptr : b->code;
}

const char* BuiltinFormatLocal(int id) {
  const Builtin* b = FindBuiltin(id);
  return b == nullptr ? nullptr : b->local;
}

std::string LocalFormatCode(std::string_view code) {
  std::string out;
  for (size_t i = 0; i < code.size();) {
    const char c = code[i];
    if (c == '"') {
      const size_t end = code.find('"', i + 1);
      const size_t stop = end == std::string_view::npos ? code.size() : end + 1;
      out.append(code.substr(i, stop - i));
      i = stop;
      continue;
    }
    if (c == '\\' && i + 1 < code.size()) {
      out.append(code.substr(i, 2));
      i += 2;
      continue;
    }
    bool replaced = false;
    for (const Word& w : kWords) {
      const size_t n = std::strlen(w.code);
      if (base::StartsWithNoCase(code.substr(i), w.code)) {
        out += w.local;
        i += n;
        replaced = true;
        break;
      }
    }
    if (!replaced) out += code[i++];
  }
  return out;
}

bool IsBuiltinDateFormat(int id) {
  return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
         (id >= 50 && id <= 58);
}

bool IsDateFormatCode(std::string_view code) {
  for (size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '"') {
      const size_t end = code.find('"', i + 1);
      if (end == std::string_view::npos) return false;
      i = end;
    } else if (c == '[') {
      const size_t end = code.find(']', i + 1);
      if (end == std::string_view::npos) return false;
      const std::string_view inner = code.substr(i + 1, end - i - 1);
      if (!inner.empty() && inner.find_first_not_of("hHmMsS") == std::string_view::npos)
        return true;
      i = end;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;  // the next character is literal (or padding)
    } else if (std::strchr("yYmMdDhHsS", c) != nullptr && c != '\0') {
      return true;
    } else if ((c == 'a' || c == 'A') && i + 2 < code.size() &&
               base::AsciiLower(code[i + 1]) == 'a' && base::AsciiLower(code[i + 2]) == 'a') {
      return true;  // "aaa", "aaaa": the day of the week in Chinese
    }
  }
  return false;
}

bool IsCurrencyFormatCode(std::string_view code) {
  if (IsDateFormatCode(code)) return false;
  static const char* const kSymbols[] = {"$", "¥", "￥", "€", "£"};
  for (size_t i = 0; i < code.size(); ++i) {
    if (code[i] == '[') {
      const size_t end = code.find(']', i + 1);
      if (end == std::string_view::npos) return false;
      // "[$¥-804]" names a symbol; "[$-804]" only a locale.
      if (code[i + 1] == '$' && i + 2 < end && code[i + 2] != '-') return true;
      i = end;
      continue;
    }
    for (const char* s : kSymbols) {
      if (code.substr(i).starts_with(s)) return true;
    }
  }
  return false;
}

std::string FormatNumber(double value, std::string_view code) {
  if (!std::isfinite(value)) return "#NUM!";
  std::vector<std::string_view> sections = Sections(code);
  std::string_view section = sections[0];
  bool absolute = false;
  if (value < 0 && sections.size() >= 2) {
    section = sections[1];
    absolute = true;
  } else if (value == 0 && sections.size() >= 3) {
    section = sections[2];
  }
  if (absolute) value = -value;
  if (base::Trim(section).empty() && sections.size() > 1) return {};
  if (base::EqualsNoCase(base::Trim(section), "General") || base::Trim(section).empty())
    return GeneralText(value);
  if (IsDateFormatCode(section)) {
    if (value < 0 || value >= 2958466) return "########";
    return FormatDate(value, section);
  }
  return FormatDigits(value, section);
}

}  // namespace excel
