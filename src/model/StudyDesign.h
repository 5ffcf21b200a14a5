#pragma once

#include "model/FieldValue.h"
#include "model/InterventionalDesign.h"
#include "model/ObservationalDesign.h"

class ElementSink;
class XmlNode;

// Element "study_design". Both designs always exist and are always written,
// whatever the study type. No delete flag of its own.
class StudyDesign {
public:
    FieldValue study_type;
    InterventionalDesign interventional_design;
    ObservationalDesign observational_design;

    void readFromElement(const XmlNode* element);
    void writeIntoParent(XmlNode& parent) const;
    void write(ElementSink& out) const;
};
