#include "app/IniText.h"

#include <string_view>

namespace tonik {
namespace {

constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The section a header line opens, or nothing for other lines.
bool SectionOf(std::string_view line, std::string_view& section)
{
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return false;
    const size_t close = trimmed.find(']');
    section = Trim(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

std::string_view KeyOf(std::string_view line)
{
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return {};
    const size_t equals = trimmed.find('=');
    return equals == std::string_view::npos ? std::string_view{} : Trim(trimmed.substr(0, equals));
}

}  // namespace

std::string SetIniValues(const std::string& text, const std::string& section, const IniValues& values)
{
    std::vector<bool> found(values.size(), false);
    std::string result;
    result.reserve(text.size() + values.size() * 24);
    bool inSection = false;
    bool sectionSeen = false;
    size_t insertAt = std::string::npos;  // after the first section's last value
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        const std::string_view line(text.data() + start, next - start);
        // A byte-order mark belongs to the file's start, not to its first line.
        const std::string_view content = start == 0 && line.starts_with(UTF8_BOM) ? line.substr(3) : line;
        start = next;
        if (std::string_view name; SectionOf(content, name)) {
            inSection = name == section;
            result.append(line);
            if (inSection && !sectionSeen) {
                sectionSeen = true;
                insertAt = result.size();
            }
            continue;
        }
        const std::string_view key = inSection ? KeyOf(content) : std::string_view{};
        size_t index = 0;
        while (index < values.size() && (key.empty() || values[index].first != key))
            ++index;
        if (index == values.size()) {
            result.append(line);
        } else {
            found[index] = true;
            const size_t ending = line.find_last_not_of("\r\n") + 1;
            result += values[index].first + '=' + values[index].second;
            result.append(line.substr(ending));
            if (result.back() != '\n')
                result += '\n';
        }
        if (inSection && !key.empty() && insertAt != std::string::npos && result.size() >= insertAt &&
            !Trim(line).empty())
            insertAt = result.size();
    }

    std::string missing;
    for (size_t i = 0; i < values.size(); ++i) {
        if (!found[i])
            missing += values[i].first + '=' + values[i].second + '\n';
    }
    if (missing.empty())
        return result;
    if (sectionSeen) {
        if (insertAt > 0 && result[insertAt - 1] != '\n')
            missing.insert(missing.begin(), '\n');
        result.insert(insertAt, missing);
        return result;
    }
    if (!result.empty())
        result += result.back() == '\n' ? "\n" : "\n\n";
    return result + '[' + section + "]\n" + missing;
}

}  // namespace tonik
