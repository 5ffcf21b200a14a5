#include "model/StudyCollection.h"

#include "model/CollectionReader.h"
#include "names/NamesAndAddresses.h"
#include "model/TextForms.h"
#include "xml/XmlNode.h"

void StudyCollection::clear() {
    for (auto& record : records)
        record->emptyLists();
    records.clear();
}

StudyCollection::RootKind StudyCollection::rootKind(std::string_view rootName) {
    const std::string lower = lowerCased(rootName);
    if (lower == "clinical_study")
        return RootKind::ClinicalStudy;
    const std::size_t colon = lower.rfind(':');
    const std::string_view local =
        colon == std::string::npos ? std::string_view(lower) : std::string_view(lower).substr(colon + 1);
    return local == "study_collection" ? RootKind::Collection : RootKind::Other;
}

void StudyCollection::readFromRoot(const XmlNode* root) {
    clear();
    if (!root)
        return;
    NotKeptReport ignored;
    CollectionReader::readTree(*root, records, ignored);
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
