#include "model/Outcome.h"

#include "model/ElementRules.h"

void Outcome::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "outcome_measure", outcome_measure);
    readText(*element, "outcome_time_frame", outcome_time_frame);
    readBlockText(*element, "outcome_description", outcome_description);
    readText(*element, "outcome_safety_issue", outcome_safety_issue);
    deleteFlag = readDeleteFlag(*element);
}

void Outcome::writeIntoElement(XmlNode& element) const {
    writeText(element, "outcome_measure", outcome_measure);
    writeText(element, "outcome_time_frame", outcome_time_frame);
    writeBlockText(element, "outcome_description", outcome_description);
    writeText(element, "outcome_safety_issue", outcome_safety_issue);
    writeDeleteFlag(element, deleteFlag);
}
