// The fixtures written once by an independent implementation (fixtures/*.mjs).
#pragma once

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "color/HtmlCode.h"

namespace tonik {

// The rows of a fixture: tab-separated fields, "# " lines left out.
inline std::vector<std::vector<std::string>> Fixture(const char* name)
{
    std::ifstream file(std::string(TONIK_COLOR_FIXTURES) + "/" + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.starts_with("# "))
            continue;
        std::vector<std::string> fields;
        std::stringstream stream(line);
        for (std::string field; std::getline(stream, field, '\t');)
            fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

inline uint32_t Code(const std::string& hex)
{
    uint32_t value = 0;
    EXPECT_TRUE(ParseHtmlCode(hex, value)) << hex;
    return ApplyHtmlValue(0, value);
}

// Each channel within one step of 8 bits.
inline void ExpectNear(uint32_t got, uint32_t expected, const std::string& what)
{
    for (int shift : {0, 8, 16})
        EXPECT_LE(std::abs(int(got >> shift & 0xFF) - int(expected >> shift & 0xFF)), 1)
            << what << ": " << FormatHtmlCode(got) << " for " << FormatHtmlCode(expected);
}

}  // namespace tonik
