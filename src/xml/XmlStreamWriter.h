#pragma once

#include "xml/XmlWriteOptions.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

// Writes XML text piece by piece in the program's layout: every node on a line
// of its own (a line break, then a tab per level), a space after every
// attribute, and the entity table's references for the characters it names.
// The tree writer and the collection file's writer both go through it.
//
// A node is written in many short pieces; they are gathered in a buffer of
// the writer's own and appended to the output in large ones, which costs far
// less than appending each. The output is complete after flush().
class XmlStreamWriter {
public:
    // Takes the quote character and the entity rules of `options`.
    XmlStreamWriter(std::string& out, const XmlWriteOptions& options);
    // Leaves what the buffer holds: a destructor that appended could throw
    // while an exception unwinds, which ends the program.
    ~XmlStreamWriter() = default;
    XmlStreamWriter(const XmlStreamWriter&) = delete;
    XmlStreamWriter& operator=(const XmlStreamWriter&) = delete;

    // Appends what the buffer holds to the output.
    void flush();

    // What starts a line before its tabs; "\r\n" unless set.
    void setLineBreak(std::string_view lineBreak);
    // Writes "&" as it is where "#" follows it, so that a character reference
    // in a value stays a reference.
    void setKeepCharacterReferences(bool keep) { m_keepReferences = keep; }

    // A line break and `depth` tabs (none for a depth below one).
    void lineStart(int depth) {
        const std::size_t length = m_lineBreakSize + static_cast<std::size_t>(std::max(depth, 0));
        if (m_indent.size() < length)
            m_indent.resize(length, '\t');
        put(std::string_view(m_indent.data(), length));
    }
    // "<name"; the attributes may follow.
    void startTag(std::string_view name) {
        if (hasRoomFor(1 + name.size())) {
            m_buffer[m_used++] = '<';
            putInRoom(name);
        } else {
            put('<');
            put(name);
        }
        m_firstAttribute = true;
    }
    // The first attribute of a tag is set off by a space; every one is
    // followed by a space.
    void attribute(std::string_view name, std::string_view value);
    void endStartTag() { put('>'); }
    void endEmptyElement() { put("/>"); }
    void endTag(std::string_view name) {
        if (hasRoomFor(3 + name.size())) {
            m_buffer[m_used++] = '<';
            m_buffer[m_used++] = '/';
            putInRoom(name);
            m_buffer[m_used++] = '>';
        } else {
            put("</");
            put(name);
            put('>');
        }
    }
    void text(std::string_view text);
    void comment(std::string_view text);
    void cdata(std::string_view text);

    // The output, after flush().
    std::string& out() { return m_out; }

private:
    class EncodableScan;

    static constexpr std::size_t kBufferSize = 8192;
    // The longest piece copyShort() takes.
    static constexpr std::size_t kShortPiece = 16;

    void put(char c) {
        if (m_used == m_capacity)
            makeRoom();
        m_buffer[m_used++] = c;
    }
    void put(std::string_view piece) {
        if (piece.size() > m_capacity - m_used)
            putLong(piece);
        else
            putInRoom(piece);
    }
    // Flushes the buffer unless `size` more bytes fit; false when they do not
    // fit even then.
    bool hasRoomFor(std::size_t size) {
        if (size <= m_capacity - m_used)
            return true;
        makeRoom();
        return size <= m_capacity;
    }
    void putInRoom(std::string_view piece) {
        if (piece.size() <= kShortPiece)
            m_used += copyShort(piece, m_buffer.get() + m_used);
        else
            m_used += piece.copy(m_buffer.get() + m_used, piece.size());
    }
    // Most pieces are short: copied in two overlapping moves of a fixed size,
    // they cost less than a call to the library.
    static std::size_t copyShort(std::string_view piece, char* to) {
        const std::size_t size = piece.size();
        if (size >= 8)
            copyEnds<std::uint64_t>(piece, to);
        else if (size >= 4)
            copyEnds<std::uint32_t>(piece, to);
        else if (size > 0) {
            to[0] = piece[0];
            to[size / 2] = piece[size / 2];
            to[size - 1] = piece[size - 1];
        }
        return size;
    }
    // The first and the last sizeof(Word) bytes; they meet or overlap.
    template <class Word> static void copyEnds(std::string_view piece, char* to) {
        Word head;
        Word tail;
        std::memcpy(&head, piece.data(), sizeof head);
        std::memcpy(&tail, piece.data() + piece.size() - sizeof tail, sizeof tail);
        std::memcpy(to, &head, sizeof head);
        std::memcpy(to + piece.size() - sizeof tail, &tail, sizeof tail);
    }
    void putLong(std::string_view piece);
    // Flushes the buffer; makes it on first use, so that a writer that is
    // never written to costs nothing.
    void makeRoom();

    // The reference written for the byte at `at`; empty when it stays as it is.
    std::string_view referenceAt(std::string_view text, std::size_t at) const;

    std::string& m_out;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity = 0;
    std::size_t m_used = 0;
    char m_quote;
    bool m_encode;
    bool m_keepReferences = false;
    bool m_firstAttribute = true;
    // For each of the five characters a reference may stand for, in the order
    // of kEncodable, the table's first reference; empty when it has none.
    std::array<std::string_view, 5> m_references{};
    // The line break followed by tabs; a line start is a prefix of it.
    std::string m_indent;
    std::size_t m_lineBreakSize = 0;
};
