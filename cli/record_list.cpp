#include "cli/record_list.h"

namespace velnorit::cli {

std::string asTerminalLines(const std::string& list) {
    std::string lines;
    lines.reserve(list.size() + 1);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == '\r' && i + 1 < list.size() && list[i + 1] == '\n') continue;
        lines += list[i];
    }
    return lines + '\n';
}

} // namespace velnorit::cli
