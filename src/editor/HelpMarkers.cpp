#include "editor/HelpMarkers.h"

#include "names/NamesAndAddresses.h"
#include "platform/DialogTemplate.h"

#include <array>
#include <string_view>

namespace {

// Indexed by id - kFirstId.
constexpr std::array<std::string_view, HelpMarkers::kLastId - HelpMarkers::kFirstId + 1> kKeys = {
    "PrimaryId", // 1121
    "BriefTitle",
    "Acronym",
    "OfficialTitle",
    "StudyType",
    "FDAReg",
    "INDApp",
    "SecondaryIds",
    "delayedPosting",
    "IndGrantor",
    "IndNumber", // 1131
    "IndSerialNumber",
    "HasExpandedAccess",
    "HasExpandedAccess",
    "section801",
    "Collaborators",
    "RespParty",
    "LeadSponsor",
    "IRBAffiliation",
    "IRBContact",
    "hasDMC", // 1141
    "RegulatoryAuthorities",
    "IRBName",
    "IRBApprovalStatus",
    "IRBApprovalNumber",
    "BriefSummary",
    "DetailedDescription",
    "VerificationDate",
    "OverallStatus",
    "OverallStatus",
    "StartDate", // 1151
    "PrimaryCompletionDate",
    "LastFollowUpDate",
    "IntDesign",
    "IntEndpoints",
    "IntEnrollment",
    "IntAllocation",
    "IntMasking",
    "NumberOfArms",
    "IntDesign",
    "StudyPhase", // 1161
    "IntPurpose",
    "ObsTiming",
    "ObsStudyDesign",
    "ObsBiospecimenRetention",
    "ObsBiospecimenDescription",
    "IntEnrollment",
    "NumberOfGroups",
    "Outcomes",
    "Outcomes",
    "Conditions", // 1171
    "Keywords",
    "InterventionType",
    "Interventions",
    "EligibilityGender",
    "EligibilityMinAge",
    "HealthyVolunteers",
    "EligibilitySamplingMethod",
    "EligibilityStudyPopulation",
    "EligibilityCriteria",
    "OverallStudyContact", // 1181
    "OverallStudyContactBackup",
    "StudyOfficials",
    "Locations",
    "References",
    "ExpandedAccessStatus",
    "GroupLabel",
    "Links",
};

constexpr std::array kBottomRightIds = {1167, 1168, 1174, 1183, 1184, 1187, 1188};

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString HelpMarkers::anchorKey(int id) {
    if (!isMarker(id)) {
        return {};
    }
    return fromView(kKeys[static_cast<std::size_t>(id - kFirstId)]);
}

QString HelpMarkers::address(int id) {
    const QString key = anchorKey(id);
    if (key.isEmpty()) {
        return {};
    }
    return fromView(names::kDefinitionsPage) + QLatin1Char('#') + key;
}

unsigned HelpMarkers::anchorFlags(int id) {
    for (const int bottomRight : kBottomRightIds) {
        if (id == bottomRight) {
            return AnchorBottomRight;
        }
    }
    return AnchorMoveRight;
}
