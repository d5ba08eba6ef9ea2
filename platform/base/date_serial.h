// Date serials as the platform counts them: days since 1899-12-30, the time of day as the
// fraction ("OLE automation dates", also what a spreadsheet cell holds). Civil dates are in the
// proleptic Gregorian calendar.
#pragma once

#include <cstdint>

namespace base {

struct CivilDate {
  int64_t year = 1899;
  unsigned month = 12;
  unsigned day = 30;
};

struct CivilTime {
  CivilDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Days since 1970-01-01 of a civil date, and back.
int64_t DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(int64_t daysSince1970);

// 1899-12-30 in days since 1970-01-01.
inline constexpr int64_t kSerialEpochDays = -25569;

// The serial of a day at midnight.
inline double SerialFromCivil(const CivilDate& date) {
  return static_cast<double>(DaysFromCivil(date) - kSerialEpochDays);
}

// The serial of a date and time of day.
double SerialFromCivilTime(const CivilTime& time);

// The civil date and time a serial stands for, rounded to the second. The day is the serial's
// whole part, the time its fraction counted from midnight whatever the sign, as the platform
// reads negative serials (-1.25 is 1899-12-29 06:00:00).
CivilTime CivilTimeFromSerial(double serial);

// Serials of Unix times (seconds since 1970-01-01, in the same zone as the serial).
double SerialFromUnixSeconds(double seconds);
double UnixSecondsFromSerial(double serial);

}  // namespace base
