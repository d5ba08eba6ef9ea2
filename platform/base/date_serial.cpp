#include "platform/base/date_serial.h"

#include <cmath>

namespace base {

int64_t DaysFromCivil(const CivilDate& date) {
  int64_t y = date.year;
  const unsigned m = date.month;
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + date.day - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

CivilDate CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  CivilDate out;
  out.day = doy - (153 * mp + 2) / 5 + 1;
  out.month = mp < 10 ? mp + 3 : mp - 9;
  out.year = static_cast<int64_t>(yoe) + era * 400 + (out.month <= 2);
  return out;
}

double SerialFromCivilTime(const CivilTime& time) {
  const double day = SerialFromCivil(time.date);
  const double fraction = (time.hour * 3600.0 + time.minute * 60.0 + time.second) / 86400.0;
  // The fraction counts forward from midnight also before the epoch, where days run backward.
  return day < 0 ? day - fraction : day + fraction;
}

CivilTime CivilTimeFromSerial(double serial) {
  double days = std::trunc(serial);
  int64_t seconds = std::llround(std::fabs(serial - days) * 86400.0);
  if (seconds >= 86400) {
    seconds = 0;
    days += serial < 0 ? -1 : 1;
  }
  CivilTime out;
  out.date = CivilFromDays(static_cast<int64_t>(days) + kSerialEpochDays);
  out.hour = static_cast<int>(seconds / 3600);
  out.minute = static_cast<int>(seconds / 60 % 60);
  out.second = static_cast<int>(seconds % 60);
  return out;
}

double SerialFromUnixSeconds(double seconds) {
  return seconds / 86400.0 - kSerialEpochDays;
}

double UnixSecondsFromSerial(double serial) {
  return (serial + kSerialEpochDays) * 86400.0;
}

}  // namespace base
