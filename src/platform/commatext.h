#pragma once
// Comma text, the list notation of the settings file: items separated by commas; an item
// holding a comma, a blank or a double quote is set in double quotes with inner quotes doubled.
#include <string>
#include <string_view>
#include <vector>

namespace qv {

std::vector<std::string> SplitCommaText(std::string_view text);
std::string JoinCommaText(const std::vector<std::string>& items);

}  // namespace qv
