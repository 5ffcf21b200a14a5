#pragma once

#include <array>
#include <string>
#include <string_view>

class StudyRecord;

// The four cells of a protocol's row in the list of protocols.
class ProtocolListCells {
public:
    static constexpr std::array<std::string_view, 4> kHeaders = {
        "Unique Protocol ID", "Brief Title", "Overall Status", "Owner"};

    std::string uniqueProtocolId; // id_info org_study_id
    std::string briefTitle;       // brief title, then " (acronym)" when there is one
    std::string overallStatus;
    std::string owner; // id_info org_name
    // Uploading such a record replaces only what it carries, so lists mark it.
    bool partialUpload = false;
    static constexpr std::string_view kPartialMark = " (partial)";

    static ProtocolListCells of(const StudyRecord& record);
    std::array<std::string, 4> cells() const;
};
