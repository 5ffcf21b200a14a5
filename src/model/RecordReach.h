#pragma once

#include "model/StudyRecord.h"
#include "model/TextVisitor.h"

#include <memory>
#include <string>
#include <string_view>

// The texts a rule row looks at, named by chains of members so that the
// rule table stays data: one<&StudyRecord::brief_title>, or
// each<In<&StudyRecord::location>, In<&Location::facility, &Facility::name>>.
namespace reach {

template <auto... Members> struct In {
    template <class Root> static const auto& of(const Root& root) { return (root .* ... .* Members); }
};

inline std::string_view textOf(const std::string& text) { return text; }
inline std::string_view textOf(const FieldValue& field) { return field.xmlText(); }
inline std::string_view textOf(const BlockText& block) { return block.text(); }
inline std::string_view textOf(const TextBlock& block) { return block.text(); }

template <class T> const T& entryOf(const std::unique_ptr<T>& entry) { return *entry; }
template <class T> const T& entryOf(const T& entry) { return entry; }

template <auto... Members> void one(const StudyRecord& record, TextVisitor& visitor) {
    visitor.visit(0, textOf(In<Members...>::of(record)));
}

template <class List, class Item = In<>> void each(const StudyRecord& record, TextVisitor& visitor) {
    std::size_t item = 0;
    for (const auto& entry : List::of(record))
        visitor.visit(++item, textOf(Item::of(entryOf(entry))));
}

// The texts of several reaches, one after the other.
template <auto... Reaches> void all(const StudyRecord& record, TextVisitor& visitor) {
    (Reaches(record, visitor), ...);
}

} // namespace reach
