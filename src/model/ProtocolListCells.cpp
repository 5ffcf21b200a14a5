#include "model/ProtocolListCells.h"

#include "model/StudyRecord.h"

ProtocolListCells ProtocolListCells::of(const StudyRecord& record) {
    ProtocolListCells row;
    row.uniqueProtocolId = record.id_info.org_study_id;
    row.briefTitle = record.brief_title.displayText();
    if (!record.acronym.empty())
        row.briefTitle += " (" + record.acronym + ")";
    row.overallStatus = record.overall_status.displayText();
    row.owner = record.id_info.org_name;
    row.partialUpload = record.isPartialUpload();
    return row;
}

std::array<std::string, 4> ProtocolListCells::cells() const {
    return {uniqueProtocolId, briefTitle, overallStatus, owner};
}
