#include "platform/log_text.h"

namespace platform {

std::vector<std::string> SplitCrLfLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string_view::npos;
         end = text.find("\r\n", start)) {
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace platform
