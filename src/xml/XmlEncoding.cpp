#include "xml/XmlEncoding.h"

#include <algorithm>
#include <array>

namespace {

std::string lowerCased(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The value of the declaration's encoding pseudo-attribute, if there is one.
std::string declaredEncoding(std::string_view head) {
    std::size_t start = 0;
    while (start < head.size() && isSpace(head[start]))
        ++start;
    if (!head.substr(start).starts_with("<?xml"))
        return {};
    const std::size_t end = head.find("?>", start);
    const std::string_view declaration = head.substr(start, end == std::string_view::npos ? head.size() : end - start);
    std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos)
        return {};
    at += 8;
    while (at < declaration.size() && isSpace(declaration[at]))
        ++at;
    if (at >= declaration.size() || declaration[at] != '=')
        return {};
    ++at;
    while (at < declaration.size() && isSpace(declaration[at]))
        ++at;
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\''))
        return {};
    const std::size_t close = declaration.find(declaration[at], at + 1);
    if (close == std::string_view::npos)
        return {};
    return std::string(declaration.substr(at + 1, close - at - 1));
}

// Names under which documents declare the single-byte Western encoding. Files
// labelled ISO-8859-1 often hold windows-1252 quotes and dashes, so all of
// them are read as windows-1252, which gives every ISO-8859-1 letter the same.
bool isWesternSingleByte(const std::string& lower) {
    static constexpr std::string_view kNames[] = {
        "iso-8859-1", "iso8859-1", "iso_8859-1", "iso-ir-100", "latin1", "latin-1", "l1",
        "cp819", "ibm819", "csisolatin1", "windows-1252", "cp1252", "x-cp1252"};
    return std::find(std::begin(kNames), std::end(kNames), lower) != std::end(kNames);
}

bool isUtf8Name(const std::string& lower) {
    static constexpr std::string_view kNames[] = {
        "utf-8", "utf8", "us-ascii", "ascii", "iso646-us",
        // Declared wrongly: the bytes show an 8-bit text, which wins.
        "utf-16", "utf-16le", "utf-16be", "utf-32", "utf-32le", "utf-32be", "ucs-2", "ucs-4"};
    return std::find(std::begin(kNames), std::end(kNames), lower) != std::end(kNames);
}

XmlEncoding make(XmlEncoding::Kind kind, std::size_t mark, std::string name) {
    XmlEncoding encoding;
    encoding.kind = kind;
    encoding.byteOrderMark = mark;
    encoding.name = std::move(name);
    return encoding;
}

// windows-1252's characters for the bytes 0x80 to 0x9F; the five it leaves
// undefined keep the C1 control of the same number.
constexpr std::array<std::uint16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

XmlEncoding XmlEncoding::detect(std::string_view head) {
    using K = Kind;
    const auto starts = [&](std::string_view bytes) { return head.starts_with(bytes); };
    using namespace std::string_view_literals;
    if (starts("\xEF\xBB\xBF"))
        return make(K::Utf8, 3, "UTF-8");
    if (starts("\xFF\xFE\0\0"sv))
        return make(K::Utf32LE, 4, "UTF-32LE");
    if (starts("\0\0\xFE\xFF"sv))
        return make(K::Utf32BE, 4, "UTF-32BE");
    if (starts("\xFF\xFE"))
        return make(K::Utf16LE, 2, "UTF-16LE");
    if (starts("\xFE\xFF"))
        return make(K::Utf16BE, 2, "UTF-16BE");
    if (head.size() >= 4) {
        // Without a mark, the first character (normally "<") shows the pattern.
        const bool z0 = head[0] == 0, z1 = head[1] == 0, z2 = head[2] == 0, z3 = head[3] == 0;
        if (!z0 && z1 && z2 && z3)
            return make(K::Utf32LE, 0, "UTF-32LE");
        if (z0 && z1 && z2 && !z3)
            return make(K::Utf32BE, 0, "UTF-32BE");
        if (!z0 && z1 && !z2 && z3)
            return make(K::Utf16LE, 0, "UTF-16LE");
        if (z0 && !z1 && z2 && !z3)
            return make(K::Utf16BE, 0, "UTF-16BE");
    }
    const std::string declared = declaredEncoding(head);
    const std::string lower = lowerCased(declared);
    if (declared.empty() || isUtf8Name(lower))
        return make(K::Utf8, 0, "UTF-8");
    if (isWesternSingleByte(lower))
        return make(K::Windows1252, 0, declared);
    return make(K::Unsupported, 0, declared);
}

void appendUtf8(std::uint32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::size_t XmlTranscoder::unitSize() const {
    switch (m_kind) {
    case XmlEncoding::Kind::Utf16LE:
    case XmlEncoding::Kind::Utf16BE:
        return 2;
    case XmlEncoding::Kind::Utf32LE:
    case XmlEncoding::Kind::Utf32BE:
        return 4;
    default:
        return 1;
    }
}

std::uint32_t XmlTranscoder::unitAt(const unsigned char* b) const {
    switch (m_kind) {
    case XmlEncoding::Kind::Utf16LE:
        return b[0] | (b[1] << 8);
    case XmlEncoding::Kind::Utf16BE:
        return (b[0] << 8) | b[1];
    case XmlEncoding::Kind::Utf32LE:
        return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    case XmlEncoding::Kind::Utf32BE:
        return (static_cast<std::uint32_t>(b[0]) << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
    default:
        return b[0];
    }
}

bool XmlTranscoder::fail(std::size_t offset) {
    m_errorOffset = offset;
    return false;
}

bool XmlTranscoder::append(std::string_view bytes, std::string& out) {
    const std::size_t unit = unitSize();
    std::size_t used = 0;
    if (!m_partial.empty()) {
        used = std::min(unit - m_partial.size(), bytes.size());
        m_partial.append(bytes.substr(0, used));
        if (m_partial.size() < unit)
            return true;
        const std::string whole = std::move(m_partial);
        m_partial.clear();
        if (!appendUnits(whole, out))
            return false;
    }
    const std::size_t complete = (bytes.size() - used) / unit * unit;
    if (!appendUnits(bytes.substr(used, complete), out))
        return false;
    m_partial.assign(bytes.substr(used + complete));
    return true;
}

// `bytes` holds whole code units, the first one at m_offset.
bool XmlTranscoder::appendUnits(std::string_view bytes, std::string& out) {
    const std::size_t unit = unitSize();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    out.reserve(out.size() + bytes.size());
    for (std::size_t i = 0; i < bytes.size(); i += unit, m_offset += unit) {
        const std::uint32_t code = unitAt(data + i);
        if (m_kind == XmlEncoding::Kind::Windows1252) {
            appendUtf8(code >= 0x80 && code < 0xA0 ? kWindows1252High[code - 0x80] : code, out);
            continue;
        }
        const bool high = code >= 0xD800 && code < 0xDC00;
        const bool low = code >= 0xDC00 && code < 0xE000;
        if (m_highSurrogate != 0) {
            if (!low)
                return fail(m_offset - unit);
            appendUtf8(0x10000 + ((m_highSurrogate - 0xD800) << 10) + (code - 0xDC00), out);
            m_highSurrogate = 0;
        } else if (unit == 2 && high) {
            m_highSurrogate = code;
        } else if (low || high || code > 0x10FFFF) {
            return fail(m_offset);
        } else {
            appendUtf8(code, out);
        }
    }
    return true;
}

// Input that ends inside a character (or after half a surrogate pair) is faulty.
bool XmlTranscoder::finish() {
    if (m_highSurrogate != 0)
        return fail(m_offset - unitSize());
    if (!m_partial.empty())
        return fail(m_offset);
    return true;
}
