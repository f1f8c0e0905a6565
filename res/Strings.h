// Tonik's string resources.
#pragma once

#include <string>

namespace tonik {

// The string of a resource id; empty for an unknown id.
std::string LoadStringResource(int id);

}  // namespace tonik
