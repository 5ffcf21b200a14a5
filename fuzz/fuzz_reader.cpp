// Parses arbitrary bytes with the program's options and with the backslash
// option, writes what was parsed and parses that text again. Reading the
// root's children one at a time must give what parsing the whole tree gives.
#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlReader.h"
#include "xml/XmlWriteOptions.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void roundTrip(std::string_view text, XmlParseOptions options) {
    XmlNode root;
    if (!root.parseFromText(text, 0, options))
        return;
    XmlWriteOptions& write = XmlWriteOptions::programDefault();
    const int depth = write.depth;
    const std::string written = root.writeAsText(write);
    if (write.depth != depth)
        std::abort();
    XmlNode again;
    XmlParseOptions second = options;
    second.clearError();
    again.parseFromText(written, 0, second);
    XmlNode copy;
    copy.appendCopyOf(again);
}

void childByChildAgrees(std::string_view text) {
    XmlWriteOptions& write = XmlWriteOptions::programDefault();
    XmlParseOptions wholeOptions = XmlParseOptions::program();
    XmlNode whole;
    const bool wholeOk = whole.parseFromText(text, 0, wholeOptions).has_value();
    std::string wholeChildren;
    for (const auto& child : whole.children())
        wholeChildren += child->writeAsText(write);

    XmlParseOptions options = XmlParseOptions::program();
    XmlReader reader(text, options);
    XmlNode root;
    std::string children;
    const XmlReader::ChildHandler take = [&](const XmlNode&, XmlNode& child) {
        children += child.writeAsText(write);
        return true;
    };
    const bool ok = reader.parse(root, 0, take).has_value();
    if (ok != wholeOk || options.errorFlag != wholeOptions.errorFlag ||
        options.errorPosition != wholeOptions.errorPosition ||
        options.errorMessage != wholeOptions.errorMessage)
        std::abort();
    if (ok && (children != wholeChildren || root.childCount() != 0))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    roundTrip(text, XmlParseOptions::program());
    roundTrip(text, XmlParseOptions::backslash());
    XmlParseOptions strict = XmlParseOptions::program();
    strict.tolerateMismatchedEndTags = false;
    strict.trimValues = true;
    roundTrip(text, strict);
    childByChildAgrees(text);
    return 0;
}
