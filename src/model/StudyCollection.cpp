#include "model/StudyCollection.h"

#include "model/NamesAndAddresses.h"
#include "model/TextForms.h"
#include "xml/XmlNode.h"

void StudyCollection::clear() {
    for (auto& record : records)
        record->emptyLists();
    records.clear();
}

bool StudyCollection::isClinicalStudyRoot(const std::string& rootName) {
    return lowerCased(rootName) == "clinical_study";
}

void StudyCollection::readFromRoot(const XmlNode* root) {
    clear();
    if (!root)
        return;
    if (isClinicalStudyRoot(root->name())) {
        appendNew(records).readFromClinicalStudy(root);
        return;
    }
    for (const auto& child : root->children()) {
        if (child->name() == "clinical_study")
            appendNew(records).readFromClinicalStudy(child.get());
    }
}

XmlNode& StudyCollection::appendCollectionElement(XmlNode& document) {
    XmlNode& collection = document.appendChildElement(std::string(kElementName), {});
    collection.addAttribute("xmlns:prs", std::string(names::kPrsNamespace));
    collection.addAttribute("xmlns:rrs", std::string(names::kRrsNamespace));
    collection.addAttribute("xmlns:xsi", std::string(names::kXsiNamespace));
    return collection;
}

void StudyCollection::writeIntoDocument(XmlNode* document) const {
    if (!document)
        return;
    XmlNode& collection = appendCollectionElement(*document);
    for (const auto& record : records)
        record->writeIntoCollection(&collection);
}
