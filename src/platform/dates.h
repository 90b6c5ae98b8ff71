#pragma once
// Calendar dates as day numbers counted from 30.12.1899 (day 0; 1.1.1900 is day 2), the
// Gregorian calendar throughout, years 1 to 9999.
#include <string>
#include <string_view>

namespace qv {

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

int DaysInMonth(int year, int month);
// False for a date that does not exist (31.02.) or lies outside the years 1 to 9999.
bool TryEncodeDate(int year, int month, int day, int& dayNumber);
CivilDate DecodeDate(int dayNumber);
// The same day of the month `months` calendar months later (earlier when negative), reduced to
// the last day of a shorter month: 31.01. plus one month is 28.02. or 29.02. The result may lie
// beyond the year 9999.
int AddMonths(int dayNumber, int months);

// "tt.mm.jj" or "tt.mm.jjjj" (also with one-digit day, month or year) between optional blanks;
// two-digit years 00-49 are 2000-2049, 50-99 are 1950-1999. StrToDate (numbers.h) is the
// throwing form.
bool TryStrToDate(std::string_view text, int& dayNumber);
// "dd.mm.yyyy".
std::string DateToStr(int dayNumber);

}  // namespace qv
