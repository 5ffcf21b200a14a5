#include "model/DocumentDecoder.h"

#include <algorithm>

bool DocumentDecoder::append(std::string_view bytes) {
    if (!m_error.empty())
        return false;
    if (m_started)
        return decode(bytes);
    // A first piece long enough to tell the encoding is read where it is,
    // not copied into the head first.
    if (m_head.empty() && bytes.size() >= XmlEncoding::kHeadSize)
        return begin(bytes) && decode(bytes);
    m_head.append(bytes);
    return m_head.size() < XmlEncoding::kHeadSize || startWithHead();
}

bool DocumentDecoder::finish() {
    if (!m_error.empty() || (!m_started && !startWithHead()))
        return false;
    if (m_transcoder && !m_transcoder->finish())
        return failTranscoding();
    m_lines.finish();
    return true;
}

// The first bytes tell the encoding; they are decoded once it is known.
bool DocumentDecoder::startWithHead() {
    const std::string head = std::move(m_head);
    m_head.clear();
    return begin(head) && decode(head);
}

bool DocumentDecoder::begin(std::string_view head) {
    m_started = true;
    m_encoding = XmlEncoding::detect(head);
    if (m_encoding.kind == XmlEncoding::Kind::Unsupported) {
        m_error = "The file is encoded in " + m_encoding.name +
                  ", which Protoscribe cannot read. Save it as UTF-8 and open it again.";
        return false;
    }
    if (m_encoding.kind != XmlEncoding::Kind::Utf8)
        m_transcoder.emplace(m_encoding.kind);
    m_markLeft = m_encoding.byteOrderMark;
    return true;
}

bool DocumentDecoder::decode(std::string_view bytes) {
    const std::size_t mark = std::min(m_markLeft, bytes.size());
    bytes.remove_prefix(mark);
    m_markLeft -= mark;
    if (!m_transcoder) {
        m_lines.append(bytes);
        return true;
    }
    m_piece.clear();
    if (!m_transcoder->append(bytes, m_piece))
        return failTranscoding();
    m_lines.append(m_piece);
    return true;
}

bool DocumentDecoder::failTranscoding() {
    m_error = "The file is not valid " + m_encoding.name + ": the bytes at offset " +
              std::to_string(m_transcoder->errorOffset() + m_encoding.byteOrderMark) +
              " are no character of that encoding.";
    return false;
}
