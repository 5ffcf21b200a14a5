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
    XmlTreeSink sink(element);
    writeChildren(sink);
    writeDeleteFlag(element, deleteFlag);
}

void Outcome::write(ElementSink& out, std::string_view name) const {
    out.open(name, deleteFlag);
    writeChildren(out);
    out.close();
}

void Outcome::writeChildren(ElementSink& out) const {
    writeText(out, "outcome_measure", outcome_measure);
    writeText(out, "outcome_time_frame", outcome_time_frame);
    writeBlockText(out, "outcome_description", outcome_description);
    writeText(out, "outcome_safety_issue", outcome_safety_issue);
}
