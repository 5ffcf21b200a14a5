#include "model/InterventionalDesign.h"

#include "model/ElementRules.h"

#include <array>
#include <utility>

namespace {

// Field order is write order.
constexpr std::array<std::pair<const char*, std::string InterventionalDesign::*>, 12> kFields = {{
    {"interventional_subtype", &InterventionalDesign::interventional_subtype},
    {"phase", &InterventionalDesign::phase},
    {"assignment", &InterventionalDesign::assignment},
    {"allocation", &InterventionalDesign::allocation},
    {"masking", &InterventionalDesign::masking},
    {"masked_subject", &InterventionalDesign::masked_subject},
    {"masked_caregiver", &InterventionalDesign::masked_caregiver},
    {"masked_investigator", &InterventionalDesign::masked_investigator},
    {"masked_assessor", &InterventionalDesign::masked_assessor},
    {"control", &InterventionalDesign::control},
    {"endpoint", &InterventionalDesign::endpoint},
    {"number_of_arms", &InterventionalDesign::number_of_arms},
}};

} // namespace

void InterventionalDesign::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    for (const auto& [name, field] : kFields)
        readText(*element, name, this->*field);
    deleteFlag = readDeleteFlag(*element);
}

void InterventionalDesign::writeIntoParent(XmlNode& parent) const {
    XmlTreeSink sink(parent);
    write(sink);
}

void InterventionalDesign::write(ElementSink& out) const {
    out.open("interventional_design", deleteFlag);
    for (const auto& [name, field] : kFields)
        writeText(out, name, this->*field);
    out.close();
}
