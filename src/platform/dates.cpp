#include "platform/dates.h"

#include <algorithm>
#include <cstdio>

#include "platform/errors.h"
#include "platform/numbers.h"

namespace qv {

namespace {

// Days from 1.3.0000 in the proleptic Gregorian calendar (years counted from March, so that
// the leap day ends a year).
long DaysFromCivil(long year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra;
}

const long kDayZero = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Reads 1 to maxDigits digits at pos; returns the count read (0 when there is no digit).
int ReadNumber(std::string_view text, size_t& pos, int maxDigits, int& value) {
  int count = 0;
  value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    if (++count > maxDigits) return 0;
    value = value * 10 + (text[pos++] - '0');
  }
  return count;
}

bool Expect(std::string_view text, size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, int& dayNumber) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    return false;
  }
  dayNumber = static_cast<int>(DaysFromCivil(year, month, day) - kDayZero);
  return true;
}

CivilDate DecodeDate(int dayNumber) {
  const long z = dayNumber + kDayZero;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long dayOfEra = z - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long shiftedMonth = (5 * dayOfYear + 2) / 153;
  CivilDate date;
  date.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  date.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2));
  return date;
}

int AddMonths(int dayNumber, int months) {
  const CivilDate date = DecodeDate(dayNumber);
  const long monthCount = date.year * 12L + (date.month - 1) + months;
  const long year = monthCount >= 0 ? monthCount / 12 : (monthCount - 11) / 12;
  const int month = static_cast<int>(monthCount - year * 12) + 1;
  const int day = std::min(date.day, DaysInMonth(static_cast<int>(year), month));
  return static_cast<int>(DaysFromCivil(year, month, day) - kDayZero);
}

bool TryStrToDate(std::string_view text, int& dayNumber) {
  size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  int day = 0, month = 0, year = 0;
  if (ReadNumber(text, pos, 2, day) == 0 || !Expect(text, pos, '.') ||
      ReadNumber(text, pos, 2, month) == 0 || !Expect(text, pos, '.')) {
    return false;
  }
  const int yearDigits = ReadNumber(text, pos, 4, year);
  if (yearDigits == 0 || yearDigits == 3) return false;
  if (yearDigits <= 2) year += year < 50 ? 2000 : 1900;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return pos == text.size() && TryEncodeDate(year, month, day, dayNumber);
}

int StrToDate(std::string_view text) {
  int dayNumber = 0;
  if (!TryStrToDate(text, dayNumber)) {
    throw EConvertError("'" + std::string(text) + "' ist kein gültiges Datum");
  }
  return dayNumber;
}

std::string DateToStr(int dayNumber) {
  const CivilDate date = DecodeDate(dayNumber);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", date.day, date.month, date.year);
  return buffer;
}

}  // namespace qv
