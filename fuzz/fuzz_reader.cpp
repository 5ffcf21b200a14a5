// Parses arbitrary bytes with the program's options and with the backslash
// option, writes what was parsed and parses that text again. Reading the
// root's children one at a time must give what parsing the whole tree gives,
// and reading them from a source in pieces what reading the whole text gives.
#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlReader.h"
#include "xml/XmlPieceSource.h"
#include "xml/XmlWriteOptions.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
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

// What a handled parse shows: the children handed over (every third one
// kept), the end, the error and the root that remains.
std::string handledParse(XmlReader& reader, const XmlParseOptions& options) {
    XmlWriteOptions& write = XmlWriteOptions::programDefault();
    std::string seen;
    int count = 0;
    const XmlReader::ChildHandler take = [&](const XmlNode&, XmlNode& child) {
        seen += child.writeAsText(write);
        return ++count % 3 != 0;
    };
    XmlNode root;
    const std::optional<std::size_t> end = reader.parse(root, 0, take);
    return seen + "|" + (end ? std::to_string(*end) : "-") + "|" +
           std::to_string(options.errorFlag) + std::to_string(options.errorPosition) + " " +
           std::to_string(options.errorCode) + options.errorMessage + "|" +
           std::to_string(reader.rootPosition()) + root.name() + "=" + root.value() +
           root.writeAsText(write);
}

// Read from a source in pieces, a few bytes ahead, the text gives what it
// gives whole.
void piecesAgree(std::string_view text) {
    XmlParseOptions wholeOptions = XmlParseOptions::program();
    XmlReader whole(text, wholeOptions);
    const std::string expected = handledParse(whole, wholeOptions);
    XmlPieceSource source(text, 1 + text.size() % 7);
    XmlParseOptions options = XmlParseOptions::program();
    XmlReader pieces(source, options, 1 + text.size() % 5);
    if (handledParse(pieces, options) != expected || source.misused())
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
    piecesAgree(text);
    return 0;
}
