#pragma once

#include "model/BlockText.h"

#include <string>

// Element "study_document": a document or data set the study makes available;
// carries a delete flag. Its type is always written, the rest when it holds text.
class StudyDocument {
public:
    std::string study_document_type;
    std::string study_document_other_type;
    std::string url;
    std::string study_document_identifier;
    BlockText study_document_comments;
    bool deleteFlag = false;

    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.text("study_document_type", self.study_document_type);
        f.optionalText("study_document_other_type", self.study_document_other_type);
        f.optionalText("url", self.url);
        f.optionalText("study_document_identifier", self.study_document_identifier);
        f.optionalBlockText("study_document_comments", self.study_document_comments);
    }
};
