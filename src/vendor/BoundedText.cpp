#include "vendor/BoundedText.h"

#include "platform/TextCodec.h"

#include <algorithm>

namespace {

// No UTF-16 unit comes from more than three bytes, so this many bytes decode
// to more units than the limit whenever the text is longer, and a sequence cut
// at their end decodes past the limit.
constexpr std::size_t kBytesPerUnit = 4;

} // namespace

QString BoundedText::decode(std::string_view bytes, qsizetype limit) {
    const auto enough = static_cast<std::size_t>(std::max<qsizetype>(limit, 1)) * kBytesPerUnit;
    QString text = TextCodec::decode(bytes.substr(0, enough));
    if (text.size() <= limit) {
        return text;
    }
    qsizetype end = std::max<qsizetype>(limit, 0);
    if (end > 0 && text.at(end - 1).isHighSurrogate()) {
        --end;
    }
    text.truncate(end);
    return text;
}
