// Parameter conversions.
#include "grading/deskmark/checks/params.h"

#include "platform/base/text.h"
#include "platform/vb/variant.h"

namespace deskmark {
namespace {

struct Number {
  int64_t value = 0;
  int digits = 0;
};

// Reads text from the front of `rest` as it goes.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : rest_(text) {}

  bool AtEnd() const { return rest_.empty(); }
  void SkipBlanks() { rest_ = base::TrimLeft(rest_); }

  bool ReadNumber(Number& out) {
    out = {};
    while (!rest_.empty() && rest_[0] >= '0' && rest_[0] <= '9' && out.digits < 9) {
      out.value = out.value * 10 + (rest_[0] - '0');
      ++out.digits;
      rest_.remove_prefix(1);
    }
    return out.digits > 0;
  }

  // Consumes `token` when the text goes on with it (ASCII case ignored).
  bool Take(std::string_view token) {
    if (!base::StartsWithNoCase(rest_, token)) return false;
    rest_.remove_prefix(token.size());
    return true;
  }

  std::string_view Rest() const { return rest_; }
  void Reset(std::string_view rest) { rest_ = rest; }

 private:
  std::string_view rest_;
};

unsigned DaysInMonth(int64_t year, unsigned month) {
  static const unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

struct Date {
  int64_t year = 1899;
  unsigned month = 12, day = 30;
};

std::optional<Date> ReadDate(Scanner& in) {
  const std::string_view start = in.Rest();
  Number a, b, c;
  if (!in.ReadNumber(a)) return std::nullopt;
  bool chinese = false;
  std::string_view sep;
  for (std::string_view s : {"/", "-", ".", "年"}) {
    if (in.Take(s)) {
      sep = s;
      break;
    }
  }
  if (sep.empty() || !in.ReadNumber(b)) {
    in.Reset(start);
    return std::nullopt;
  }
  if (sep == "年") {
    chinese = true;
    if (!in.Take("月")) return std::nullopt;
  } else if (!in.Take(sep)) {
    return std::nullopt;
  }
  if (!in.ReadNumber(c)) return std::nullopt;
  if (chinese) in.Take("日");

  Number year = a, month = b, day = c;
  // Year last, month first: the way dates are also written.
  if (!chinese && a.digits <= 2 && (c.digits >= 3 || c.value > 31)) year = c, month = a, day = b;
  int64_t y = year.value;
  if (year.digits <= 2) y += y < 30 ? 2000 : 1900;
  if (month.value < 1 || month.value > 12) return std::nullopt;
  const auto m = static_cast<unsigned>(month.value);
  if (day.value < 1 || day.value > DaysInMonth(y, m)) return std::nullopt;
  return Date{y, m, static_cast<unsigned>(day.value)};
}

// A time of day in seconds; "AM"/"PM" or "上午"/"下午" before or after it.
std::optional<int> ReadTime(Scanner& in) {
  int half = 0;  // 1 morning, 2 afternoon
  auto takeHalf = [&] {
    if (in.Take("上午") || in.Take("AM"))
      half = 1;
    else if (in.Take("下午") || in.Take("PM"))
      half = 2;
  };
  takeHalf();
  in.SkipBlanks();
  Number h, m, s;
  if (!in.ReadNumber(h) || !in.Take(":") || !in.ReadNumber(m)) return std::nullopt;
  if (in.Take(":") && !in.ReadNumber(s)) return std::nullopt;
  if (half == 0) {
    in.SkipBlanks();
    takeHalf();
  }
  int64_t hour = h.value;
  if (half != 0) {
    if (hour < 1 || hour > 12) return std::nullopt;
    hour = hour % 12 + (half == 2 ? 12 : 0);
  }
  if (hour > 23 || m.value > 59 || s.value > 59) return std::nullopt;
  return static_cast<int>(hour * 3600 + m.value * 60 + s.value);
}

}  // namespace

std::string PathParam(std::string_view candidateFolder, std::string_view param) {
  std::string path(candidateFolder);
  path += param;
  return path;
}

int16_t IntParam(std::string_view param) {
  return vb::CInt(vb::Variant::String(std::string(param))).value_or(0);
}

std::optional<win::LocalSeconds> ParseDateTime(std::string_view text) {
  Scanner in(base::Trim(text));
  if (in.AtEnd()) return std::nullopt;
  Date date;
  int time = 0;
  if (std::optional<Date> d = ReadDate(in)) {
    date = *d;
    in.SkipBlanks();
    if (!in.AtEnd()) {
      std::optional<int> t = ReadTime(in);
      if (!t) return std::nullopt;
      time = *t;
    }
  } else {
    std::optional<int> t = ReadTime(in);
    if (!t) return std::nullopt;
    time = *t;
  }
  in.SkipBlanks();
  if (!in.AtEnd()) return std::nullopt;
  return win::LocalSecondsOfCivil(date.year, date.month, date.day, 0, 0, 0) + time;
}

win::LocalSeconds DateParam(std::string_view param) {
  return ParseDateTime(param).value_or(kZeroDate);
}

}  // namespace deskmark
