// Values set in the text of an INI file, leaving every other byte of it as it
// was: what another Tonik wrote, comments, other sections.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tonik {

using IniValues = std::vector<std::pair<std::string, std::string>>;

// The text with each name of section set to its value: every line that holds
// the name is replaced in place, names the section lacks follow its last
// value, and a section the text lacks is added at its end.
std::string SetIniValues(const std::string& text, const std::string& section, const IniValues& values);

}  // namespace tonik
