#include "platform/qt/file_filter.h"

namespace platform::qt {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string patternsOf(std::string_view list) {
    std::string out;
    for (std::string_view pattern : split(list, ';')) {
        if (pattern.empty()) continue;
        if (!out.empty()) out += ' ';
        out += pattern == "*.*" ? std::string_view("*") : pattern;
    }
    return out;
}

}  // namespace

std::vector<std::string> nameFilters(std::string_view filter) {
    std::vector<std::string> filters;
    std::vector<std::string_view> parts = split(filter, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string_view name = parts[i];
        if (name.empty()) break;  // "||" ends the list
        std::string patterns = patternsOf(parts[i + 1]);
        if (patterns.empty()) continue;
        filters.push_back(std::string(name) + " (" + patterns + ")");
    }
    return filters;
}

}  // namespace platform::qt
