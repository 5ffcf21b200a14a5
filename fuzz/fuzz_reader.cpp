// Parses arbitrary bytes with the program's options and with the backslash
// option, writes what was parsed and parses that text again.
#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    roundTrip(text, XmlParseOptions::program());
    roundTrip(text, XmlParseOptions::backslash());
    XmlParseOptions strict = XmlParseOptions::program();
    strict.tolerateMismatchedEndTags = false;
    strict.trimValues = true;
    roundTrip(text, strict);
    return 0;
}
