#include "validation/SourceLine.h"

#include <fstream>

std::string sourceLineText(const std::string& path, long lineNumber) {
    if (lineNumber < 1)
        return {};
    std::ifstream file(path, std::ios::binary);
    std::string line;
    for (long current = 1; current <= lineNumber; ++current) {
        if (!std::getline(file, line))
            return {};
    }
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}
