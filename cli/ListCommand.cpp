#include "cli/ListCommand.h"

#include "cli/CliCommand.h"
#include "cli/CollectionLoading.h"
#include "model/ProtocolListCells.h"
#include "model/StudyCollection.h"

namespace {

std::string oneLineCell(const std::string& cell) {
    std::string line;
    line.reserve(cell.size());
    for (std::size_t i = 0; i < cell.size(); ++i) {
        const char c = cell[i];
        if (c == '\r' && i + 1 < cell.size() && cell[i + 1] == '\n')
            continue;
        line += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
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
