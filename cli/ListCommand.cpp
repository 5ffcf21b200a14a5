#include "cli/ListCommand.h"

#include "cli/CliCommand.h"
#include "cli/CollectionLoading.h"
#include "model/ProtocolListCells.h"
#include "model/RegistryText.h"
#include "model/StudyCollection.h"

#include <algorithm>
#include <string_view>

namespace {

void appendEscaped(std::string& line, unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    line += "\\x";
    line += kHex[byte >> 4];
    line += kHex[byte & 0xF];
}

// A cell on one line that cannot drive the terminal: line breaks and tabs
// become spaces; control characters (C0, DEL, C1) and bytes that are no UTF-8
// are written as escapes such as \x1b.
std::string oneLineCell(std::string_view cell) {
    std::string line;
    line.reserve(cell.size());
    for (std::size_t i = 0; i < cell.size();) {
        const auto c = static_cast<unsigned char>(cell[i]);
        if (c == '\r' && i + 1 < cell.size() && cell[i + 1] == '\n') {
            ++i;
        } else if (c == '\r' || c == '\n' || c == '\t') {
            line += ' ';
            ++i;
        } else if (c < 0x20 || c == 0x7F) {
            appendEscaped(line, c);
            ++i;
        } else if (c < 0x80) {
            line += static_cast<char>(c);
            ++i;
        } else if (const std::size_t length = RegistryText::utf8Length(cell, i);
                   length > 0 && !(c == 0xC2 && static_cast<unsigned char>(cell[i + 1]) < 0xA0)) {
            line.append(cell.substr(i, length));
            i += length;
        } else {
            for (std::size_t k = 0; k < std::max<std::size_t>(length, 1); ++k)
                appendEscaped(line, static_cast<unsigned char>(cell[i + k]));
            i += std::max<std::size_t>(length, 1);
        }
    }
    return line;
}

} // namespace

std::string listLine(const StudyRecord& record) {
    std::string line;
    bool first = true;
    const ProtocolListCells row = ProtocolListCells::of(record);
    for (const std::string& cell : row.cells()) {
        if (!first)
            line += '\t';
        first = false;
        line += oneLineCell(cell);
    }
    if (row.partialUpload)
        line += "\tpartial";
    return line;
}

int runList(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    StudyCollection collection;
    if (!loadCollectionOrReport(arguments.at(0), collection, err))
        return kExitLoadFailed;
    for (const auto& record : collection.records)
        out << listLine(*record) << "\n";
    out.flush();
    if (!out) {
        err << "cannot write the list\n";
        return kExitWriteFailed;
    }
    return kExitSuccess;
}
