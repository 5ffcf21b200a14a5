#pragma once

#include <cstddef>
#include <string_view>

// Receives the texts a rule looks at: the record's own (item 0) or one per
// entry of a list (items from 1).
class TextVisitor {
public:
    virtual void visit(std::size_t item, std::string_view text) = 0;

protected:
    ~TextVisitor() = default;
};

// A visitor that hands each text to a function object.
template <class Function> class TextVisitorOf final : public TextVisitor {
public:
    explicit TextVisitorOf(Function& function) : m_function(function) {}
    void visit(std::size_t item, std::string_view text) override { m_function(item, text); }

private:
    Function& m_function;
};
