#pragma once
// Dates of the finance window as whole days: the month a date falls in, counted from the start.
namespace qv {

// The nearest integer to (date - start) / 30.45, with both as day numbers: 31 days give 1,
// 45 days 1, 46 days 2, 365 days 12; a date before the start gives a negative index. (A
// quotient of whole days by 30.45 never lies exactly halfway between two integers.)
int MonthIndex(int date, int start);

}  // namespace qv
