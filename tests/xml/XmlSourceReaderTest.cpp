#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"
#include "xml/XmlReader.h"
#include "xml/XmlPieceSource.h"
#include "xml/XmlWriteOptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

// Everything a handled parse lets a caller see.
struct Outcome {
    std::optional<std::size_t> end;
    XmlParseOptions options;
    std::size_t rootPosition = 0;
    std::vector<std::string> handled;
    std::string root;

    bool operator==(const Outcome& other) const {
        return end == other.end && options.errorFlag == other.options.errorFlag &&
               options.errorPosition == other.options.errorPosition &&
               options.errorCode == other.options.errorCode &&
               options.errorMessage == other.options.errorMessage &&
               rootPosition == other.rootPosition && handled == other.handled &&
               root == other.root;
    }
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << "end " << (o.end ? std::to_string(*o.end) : "none") << ", error "
               << o.options.errorCode << " at " << o.options.errorPosition << " '"
               << o.options.errorMessage << "', root at " << o.rootPosition << ", "
               << o.handled.size() << " handled, root " << o.root;
}

// The handler takes two children of every three, so that kept and taken
// children both occur.
Outcome readWith(XmlReader& reader, XmlParseOptions& options) {
    Outcome outcome;
    int count = 0;
    const XmlReader::ChildHandler take = [&](const XmlNode&, XmlNode& child) {
        outcome.handled.push_back(child.writeAsText(XmlWriteOptions::programDefault()));
        return ++count % 3 != 0;
    };
    XmlNode root;
    outcome.end = reader.parse(root, 0, take);
    outcome.options = options;
    outcome.rootPosition = reader.rootPosition();
    outcome.root = root.name() + "=" + root.value() + "|" +
                   root.writeAsText(XmlWriteOptions::programDefault());
    return outcome;
}

Outcome readWhole(std::string_view text, XmlParseOptions options) {
    XmlReader reader(text, options);
    return readWith(reader, options);
}

Outcome readFrom(XmlPieceSource& source, XmlParseOptions options, std::size_t readAhead) {
    XmlReader reader(source, options, readAhead);
    Outcome outcome = readWith(reader, options);
    EXPECT_FALSE(source.misused()) << "dropped more than was read";
    return outcome;
}

Outcome readInPieces(std::string_view text, const XmlParseOptions& options,
                     std::size_t pieceSize, std::size_t readAhead) {
    XmlPieceSource source(text, pieceSize);
    return readFrom(source, options, readAhead);
}

const char* const kTexts[] = {
    "",
    "no markup",
    "<a/>",
    "<?xml version=\"1.0\"?>\n<!-- c -->\n<!DOCTYPE r [<!ENTITY e \"<x>\">]>\n<r a=\"1\" b='2' c=3 d>"
    "\n\t<x>1 &amp; 2</x>\n\t<y/>\n\t<!-- note -->\n\t<![CDATA[ <raw> ]]>\n\ttail\n\t<z k=\"v\">"
    "<w>deep</w></z>\n</r>\ntrailing",
    "<r>\n<a>1</a>\n<b>2</b>\n<c>3</c>\n<d>4</d>\n<e>5</e>\n</r>",
    "<r><a>1</a></x><b>2</b></r >",
    "<r>text first<a/>then more<b/></r>",
    "<r><a>\\<b\\></a><b>x\\</b></b></r>",
    "<r><a>unclosed</r>",
    "<r><a b=\"never closed></a></r>",
    "<r><a b></a><c/></r>",
    "<r><a/ ></r>",
    "<r><!-- never closed </r>",
    "<r><?pi never closed",
    "<r>\n<a>1</a>\n<b>2</b>",
    "<r><a><b><c>",
    "< r><x/></>",
    "<r><\va>x</\va></r>",
    "<r>\n\t<a>1</a>\n\t</r",
    "<r><a>1</a><",
    "<r><a>1</a></",
    "<r><a>1</a></r",
    "<!DOCTYPE",
    "<!DOCTYPE r [ <!ENTITY e 'x'>",
    "<?xml version=\"1.0\"",
    "<!-- c --> <root a=\"1\" b",
    "<!-- c --> <root a=\"1\"",
    "<a ' y=><b/>text after a child, then an unclosed one<c/d></a>",
};

} // namespace

// A text read in pieces, as short as one byte, with the text before each
// child dropped, gives what the whole text gives: the same children to the
// handler, the same tree, the same end, error and positions.
TEST(XmlSourceReaderTest, PiecesGiveWhatTheWholeTextGives) {
    XmlParseOptions strict = XmlParseOptions::program();
    strict.tolerateMismatchedEndTags = false;
    strict.trimValues = true;
    XmlParseOptions earlier = XmlParseOptions::program();
    earlier.recordError(3, XmlParseError::AttributeError, "earlier");
    for (const XmlParseOptions& options :
         {XmlParseOptions::program(), XmlParseOptions::backslash(), strict, earlier}) {
        for (std::string_view text : kTexts) {
            const Outcome whole = readWhole(text, options);
            for (std::size_t piece : {1, 2, 3, 4, 5, 7, 64}) {
                for (std::size_t readAhead : {1, 2, 3, 4, 5, 1 << 20}) {
                    EXPECT_EQ(readInPieces(text, options, piece, readAhead), whole)
                        << text << " in pieces of " << piece << ", read ahead " << readAhead;
                }
            }
        }
    }
}

TEST(XmlSourceReaderTest, ALongTextIsNeverHeldWhole) {
    std::string text = "<?xml version=\"1.0\"?>\n<collection kind=\"long\">";
    for (int i = 0; i < 2000; ++i)
        text += "\n\t<item n=\"" + std::to_string(i) + "\"><name>Item &amp; " + std::to_string(i) +
                "</name><empty/></item>";
    const std::string unclosed = text;
    text += "\n</collection>";

    for (const std::string& document : {text, unclosed}) {
        const Outcome whole = readWhole(document, XmlParseOptions::program());
        XmlPieceSource used(document, 100);
        EXPECT_EQ(readFrom(used, XmlParseOptions::program(), 256), whole);
        EXPECT_GT(used.dropped(), document.size() / 2);
        EXPECT_LT(used.mostHeld(), 4096u);
    }
    // The root's start tag, long dropped, is where an unclosed root is named.
    EXPECT_EQ(readWhole(unclosed, XmlParseOptions::program()).options.errorPosition, 22u);
}

// Children the handler takes give their nodes and child lists back for the
// next ones: what it keeps must come out of the read as the plain parse has
// it, however the lists of taken and kept children differ in length (past
// the lengths kept for reuse too).
TEST(XmlSourceReaderTest, KeptChildrenSurviveTheReuseOfTakenOnes) {
    std::string text = "<r>";
    for (int i = 0; i < 40; ++i) {
        text += "<s n=\"" + std::to_string(i) + "\">";
        for (int k = 0; k < (i * 7) % 5 + (i % 13 == 0 ? 70 : 0); ++k)
            text += "<c>" + std::to_string(k) + "<g/><g/></c>";
        text += "</s>";
    }
    text += "</r>";
    XmlNode plain;
    XmlParseOptions plainOptions = XmlParseOptions::program();
    ASSERT_TRUE(plain.parseFromText(text, 0, plainOptions));

    for (std::size_t piece : {std::size_t{7}, text.size()}) {
        XmlPieceSource source(text, piece);
        XmlParseOptions options = XmlParseOptions::program();
        XmlReader reader(source, options, 16);
        int count = 0;
        const XmlReader::ChildHandler take = [&](const XmlNode&, XmlNode&) {
            return ++count % 3 != 0;
        };
        XmlNode root;
        ASSERT_TRUE(reader.parse(root, 0, take));
        ASSERT_EQ(root.childCount(), 13);
        for (int i = 0; i < root.childCount(); ++i) {
            const XmlNode& expected = *plain.childAt(3 * i + 2);
            EXPECT_EQ(root.childAt(i)->writeAsText(XmlWriteOptions::programDefault()),
                      expected.writeAsText(XmlWriteOptions::programDefault()))
                << "kept child " << i << ", pieces of " << piece;
        }
    }
}
