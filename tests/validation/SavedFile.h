#pragma once

// Builds collection files the way the program saves them: declaration and comment
// lines, tab indentation, every single-valued element written, CR CR LF line ends.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

struct TestElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string value; // model form: line breaks as the "&#xd;" marker
    std::vector<TestElement> children;

    TestElement& child(const std::string& childName); // first child of that name
    std::size_t indexOf(const std::string& childName) const;
};

TestElement leaf(const std::string& name, const std::string& value = "");
TestElement deletable(const std::string& name, const std::string& value = "");

// A clinical_study holding every element, with one or two entries in each list.
TestElement fullStudy();
// A clinical_study as an empty record is written: single-valued elements only.
TestElement emptyStudy();
TestElement collection(std::vector<TestElement> studies);

// The bytes of the saved file.
std::string savedFileText(const TestElement& collection);

// The 1-based number of the first line of `text` holding `needle`, and that line's
// text without its line end.
std::pair<long, std::string> lineOf(const std::string& text, const std::string& needle);

// A scratch folder, removed with everything in it on destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

// The schema shipped with the program.
std::string installedSchemaDir();

// A schema for the registry's namespace that takes any content below the collection.
std::string permissiveSchemaText();
