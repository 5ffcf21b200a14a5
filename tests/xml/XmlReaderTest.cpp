#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

struct Parsed {
    std::unique_ptr<XmlNode> root = std::make_unique<XmlNode>();
    std::optional<std::size_t> end;
    XmlParseOptions options;
};

Parsed parse(std::string_view text, XmlParseOptions options = XmlParseOptions::backslash()) {
    Parsed result;
    result.options = options;
    result.end = result.root->parseFromText(text, 0, result.options);
    return result;
}

Parsed parseProgram(std::string_view text) { return parse(text, XmlParseOptions::program()); }

void expectError(const Parsed& p, int code, const std::string& message) {
    EXPECT_FALSE(p.end.has_value());
    EXPECT_TRUE(p.options.errorFlag);
    EXPECT_EQ(p.options.errorCode, code);
    EXPECT_EQ(p.options.errorMessage, message);
}

void expectSilentFailure(const Parsed& p) {
    EXPECT_FALSE(p.end.has_value());
    EXPECT_FALSE(p.options.errorFlag);
    EXPECT_EQ(p.options.errorCode, 0);
}

} // namespace

TEST(XmlReaderElements, EmptyElementsWithAndWithoutSpace) {
    for (std::string_view text : {"<a/>", "<a />"}) {
        Parsed p = parse(text);
        ASSERT_TRUE(p.end) << text;
        EXPECT_EQ(*p.end, text.size());
        EXPECT_EQ(p.root->name(), "a");
        EXPECT_EQ(p.root->value(), "");
        EXPECT_EQ(p.root->childCount(), 0);
        EXPECT_TRUE(p.root->attributes().empty());
    }
}

TEST(XmlReaderElements, OnlyTheFirstElementIsParsed) {
    const std::string text = "<a>1</a><b>2</b>";
    Parsed p = parse(text);
    ASSERT_TRUE(p.end);
    EXPECT_EQ(*p.end, 8u);
    EXPECT_EQ(p.root->name(), "a");
    EXPECT_EQ(p.root->childCount(), 0);
}

TEST(XmlReaderElements, DeclarationAndCommentBeforeTheRootAreNotStored) {
    Parsed p = parse("<?xml version=\"1.0\"?>\r\n<!-- made by hand -->\r\n<root><x>1</x></root>");
    ASSERT_TRUE(p.end);
    EXPECT_EQ(p.root->name(), "root");
    ASSERT_EQ(p.root->childCount(), 1);
    EXPECT_EQ(p.root->childAt(0)->name(), "x");
}

TEST(XmlReaderElements, ValueIsTheFirstNonBlankRunOfText) {
    Parsed p = parse("<a>\n  <b/>text<c/>more</a>");
    ASSERT_TRUE(p.end);
    EXPECT_EQ(p.root->value(), "text");
    EXPECT_EQ(p.root->childCount(), 2);

    // Without trimming, indentation before the first child is the parent's value.
    Parsed indented = parse("<a>\r\n\t<b>1</b>\r\n</a>");
    ASSERT_TRUE(indented.end);
    EXPECT_EQ(indented.root->value(), "\r\n");

    XmlParseOptions trimming = XmlParseOptions::backslash();
    trimming.trimValues = true;
    Parsed trimmed = parse("<a x=\" 1 \">  hello  <b/></a>", trimming);
    ASSERT_TRUE(trimmed.end);
    EXPECT_EQ(trimmed.root->value(), "hello");
    EXPECT_EQ(*trimmed.root->attributeValue("x"), "1");
}

TEST(XmlReaderElements, CommentsAndCDataBecomeChildrenInDocumentOrder) {
    Parsed p = parse("<a><b/><!-- note --><![CDATA[<raw>&amp;]]><c/></a>");
    ASSERT_TRUE(p.end);
    ASSERT_EQ(p.root->childCount(), 4);
    EXPECT_EQ(p.root->childAt(0)->name(), "b");
    EXPECT_EQ(p.root->childAt(1)->name(), "#COMMENT");
    EXPECT_EQ(p.root->childAt(1)->kind(), XmlNodeKind::Comment);
    EXPECT_EQ(p.root->childAt(1)->value(), " note ");
    EXPECT_EQ(p.root->childAt(2)->name(), "#CDATA");
    EXPECT_EQ(p.root->childAt(2)->kind(), XmlNodeKind::CData);
    EXPECT_EQ(p.root->childAt(2)->value(), "<raw>&amp;");
    EXPECT_EQ(p.root->childAt(3)->name(), "c");
    EXPECT_EQ(p.root->childAt(0)->parent(), p.root.get());
}

TEST(XmlReaderElements, EndTagMayCarryTrailingSpace) {
    Parsed p = parse("<a><b>1</b ></a >");
    ASSERT_TRUE(p.end);
    ASSERT_EQ(p.root->childCount(), 1);
    EXPECT_EQ(p.root->childAt(0)->value(), "1");
}

TEST(XmlReaderAttributes, QuotedAndBareAttributesInOrder) {
    Parsed p = parse("<a one='1' two=\"2\" three >x</a>");
    ASSERT_TRUE(p.end);
    const auto& attributes = p.root->attributes();
    ASSERT_EQ(attributes.size(), 3u);
    EXPECT_EQ(attributes[0].name(), "one");
    EXPECT_EQ(attributes[0].value(), "1");
    EXPECT_EQ(attributes[1].name(), "two");
    EXPECT_EQ(attributes[1].value(), "2");
    EXPECT_EQ(attributes[2].name(), "three");
    EXPECT_EQ(attributes[2].value(), "");
    EXPECT_EQ(p.root->value(), "x");
}

TEST(XmlReaderAttributes, UnquotedValuesAndEntitiesInValues) {
    Parsed p = parse("<a x=plain y=\"&lt;&amp;&#65;\"/>");
    ASSERT_TRUE(p.end);
    EXPECT_EQ(*p.root->attributeValue("x"), "plain");
    EXPECT_EQ(*p.root->attributeValue("y"), "<&&#65;");
}

TEST(XmlReaderAttributes, QuoteWithoutItsPartnerIsNamed) {
    expectError(parse("<a x=\"open>text</a>"), 6, "The value of x in <a> must be closed with \"");
}

TEST(XmlReaderEntities, NamedReferencesDecodedNumericLeftAlone) {
    Parsed p = parse("<a>Fish &amp; chips&#xd;line &quot;2&quot; &apos;&lt;&gt; &bogus;</a>");
    ASSERT_TRUE(p.end);
    EXPECT_EQ(p.root->value(), "Fish & chips&#xd;line \"2\" '<> &bogus;");
}

// References at both ends, next to each other and cut short by the end of the
// text: the runs between them must land where the decoded text needs them.
TEST(XmlReaderEntities, ReferencesAtEdgesAndCutShort) {
    const struct {
        std::string_view text, value;
    } cases[] = {
        {"<a>&lt;x&gt;</a>", "<x>"},
        {"<a>&amp;&amp;&amp;</a>", "&&&"},
        {"<a>ab&</a>", "ab&"},
        {"<a>ab&am</a>", "ab&am"},
        {"<a>&quo</a>", "&quo"},
        {"<a>&</a>", "&"},
    };
    for (const auto& c : cases) {
        Parsed p = parseProgram(c.text);
        ASSERT_TRUE(p.end) << c.text;
        EXPECT_EQ(p.root->value(), c.value) << c.text;
    }
    // A table with an empty reference must not stall on the first '&'.
    static constexpr XmlEntityTable withEmpty = {{
        {'?', ""}, {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}}};
    XmlParseOptions options = XmlParseOptions::program();
    options.entities = &withEmpty;
    Parsed p = parse("<a>x&amp;&y&lt;</a>", options);
    ASSERT_TRUE(p.end);
    EXPECT_EQ(p.root->value(), "x&&y<");
}

// Values and names are searched in blocks of bytes: a reference or the end of
// a value or name at every place around the blocks' edges reads the same.
TEST(XmlReaderEntities, EveryPlaceAroundTheSearchBlocksIsRead) {
    for (std::size_t length = 0; length <= 80; ++length) {
        for (std::size_t at = 0; at <= length; at += (length < 40 ? 1 : 7)) {
            std::string value(length, 'v');
            value.insert(at, "&amp;");
            const std::string name = "n" + std::string(length % 37, 'm');
            const std::string text = "<" + name + ">" + value + "</" + name + ">";
            const Parsed p = parseProgram(text);
            ASSERT_TRUE(p.end) << text;
            EXPECT_EQ(*p.end, text.size()) << text;
            EXPECT_EQ(p.root->name(), name);
            EXPECT_EQ(p.root->value(), std::string(at, 'v') + "&" + std::string(length - at, 'v'));
        }
    }
}

TEST(XmlReaderEntities, DecodedTextIsNotScannedAgain) {
    Parsed p = parse("<a>&amp;lt;</a>");
    ASSERT_TRUE(p.end);
    EXPECT_EQ(p.root->value(), "&lt;");

    XmlParseOptions raw = XmlParseOptions::program();
    raw.decodeEntities = false;
    Parsed undecoded = parse("<a>&amp;</a>", raw);
    EXPECT_EQ(undecoded.root->value(), "&amp;");
}

TEST(XmlReaderEscapes, BackslashOptionRemovesEscapes) {
    Parsed p = parse("<a>C:\\data and \\\\share</a>");
    ASSERT_TRUE(p.end);
    EXPECT_EQ(p.root->value(), "C:data and \\share");

    // An escaped "<" does not end the text; an escaped quote does not end a value.
    Parsed escaped = parse("<a v=\"say \\\"hi\\\"\">1 \\< 2</a>");
    ASSERT_TRUE(escaped.end);
    EXPECT_EQ(escaped.root->value(), "1 < 2");
    EXPECT_EQ(*escaped.root->attributeValue("v"), "say \"hi\"");
}

TEST(XmlReaderEscapes, WithoutEscapeCharacterBackslashIsAnOrdinaryByte) {
    Parsed p = parseProgram("<r><url>C:\\data\\</url><b v=\"end\\\">x\\</b></r>");
    ASSERT_TRUE(p.end);
    ASSERT_EQ(p.root->childCount(), 2);
    EXPECT_EQ(p.root->childAt(0)->value(), "C:\\data\\");
    EXPECT_EQ(*p.root->childAt(1)->attributeValue("v"), "end\\");
    EXPECT_EQ(p.root->childAt(1)->value(), "x\\");
}

TEST(XmlReaderEscapes, EscapeRemovalHappensBeforeEntityDecoding) {
    Parsed p = parse("<a>\\&amp;</a>");
    ASSERT_TRUE(p.end);
    EXPECT_EQ(p.root->value(), "&");
}

TEST(XmlReaderEndTags, StrayEndTagToleratedOrRejected) {
    const std::string text = "<a><b>1</b></x><c>2</c></a>";
    Parsed tolerant = parse(text);
    ASSERT_TRUE(tolerant.end);
    ASSERT_EQ(tolerant.root->childCount(), 2);
    EXPECT_EQ(tolerant.root->childAt(1)->name(), "c");

    XmlParseOptions strict = XmlParseOptions::backslash();
    strict.tolerateMismatchedEndTags = false;
    expectError(parse(text, strict), 3, "'<a> ... </x>' is not wel-formed.");
}

// End tags are matched word by word: names of every length up to a few words,
// differing from the start tag at its first, middle or last byte only.
TEST(XmlReaderEndTags, NamesOfEveryLengthMatchOnlyThemselves) {
    XmlParseOptions strict = XmlParseOptions::program();
    strict.tolerateMismatchedEndTags = false;
    for (std::size_t length = 1; length <= 20; ++length) {
        std::string name;
        for (std::size_t i = 0; i < length; ++i)
            name += static_cast<char>('a' + i % 26);
        Parsed same = parse("<" + name + ">x</" + name + ">", strict);
        EXPECT_EQ(same.end, 2 * length + 6) << name;
        for (std::size_t at : {std::size_t{0}, length / 2, length - 1}) {
            std::string other = name;
            other[at] = 'Z';
            Parsed p = parse("<r><" + name + ">x</" + other + "></r>", strict);
            EXPECT_EQ(p.options.errorMessage,
                      "'<" + name + "> ... </" + other + ">' is not wel-formed.")
                << name << " against " << other;
        }
    }
}

// What the tree has no place for is recorded where it is, so that a load can
// say what its save will lack.
TEST(XmlReaderEndTags, SkippedPartsAreRecorded) {
    using Kind = XmlSkippedPart::Kind;
    // Kind, the text the part starts with, its name, the open element.
    using Part = std::tuple<Kind, std::string_view, std::string, std::string>;
    using Found = std::tuple<Kind, std::size_t, std::string, std::string>;
    const std::vector<std::pair<std::string_view, std::vector<Part>>> cases = {
        {"<a><b>1</b></x><c>2</c></a>", {{Kind::EndTag, "</x>", "x", "a"}}},
        {"<a>v</x> tail<c/></a>",
         {{Kind::EndTag, "</x>", "x", "a"}, {Kind::Text, "tail", "", "a"}}},
        {"<?xml version=\"1.0\"?>\n<!-- c --><?style x?><!DOCTYPE a>junk<a>t</a>",
         {{Kind::ProcessingInstruction, "<?style", "style", ""},
          {Kind::DocumentType, "<!DOCTYPE", "", ""},
          {Kind::Text, "junk", "", ""}}},
        {"<a>A<![CDATA[x]]> B</a>", {{Kind::Text, "B", "", "a"}}},
        {"<r><a>A<![CDATA[x]]> B</a></r>", {}},
        {"<r><a>A<![CDATA[x]]>]]&gt;</a></r>", {{Kind::Text, "]]&gt;", "", "a"}}},
        {"<a>A<?pi x?>B</a>",
         {{Kind::ProcessingInstruction, "<?pi", "pi", "a"}, {Kind::Text, "B", "", "a"}}},
        {"<a> <b/> <!-- c --> </a>", {}},
        {"<a><b/>tail</a>", {}},
    };
    for (const auto& [text, parts] : cases) {
        const Parsed p = parseProgram(text);
        ASSERT_TRUE(p.end) << text;
        std::vector<Found> found;
        for (const XmlSkippedPart& part : p.options.skippedParts)
            found.emplace_back(part.kind, part.position, part.name, part.openElement);
        std::vector<Found> expected;
        for (const auto& [kind, start, name, open] : parts)
            expected.emplace_back(kind, text.find(start), name, open);
        EXPECT_EQ(found, expected) << text;
        EXPECT_EQ(p.options.skippedPartCount, parts.size());
    }
}

// Text after a CDATA section follows it as a section of its own: the value
// comes before every child, and the text would read before the section. The
// root keeps to the old rule, as its children go to a handler one by one.
TEST(XmlReaderEndTags, TextAfterACDataSectionKeepsItsPlace) {
    const std::vector<std::pair<std::string_view, std::string>> cases = {
        {"<a><![CDATA[x]]>B</a>", "|[x][B]"},
        {"<a>A<![CDATA[x]]> B&amp;C<![CDATA[y]]>D</a>", "A|[x][ B&C][y][D]"},
        {"<a><![CDATA[x]]>\n  </a>", "\n  |[x]"},
        {"<a><![CDATA[x]]>]]&gt;</a>", "|[x]"},
    };
    for (const auto& [element, expected] : cases) {
        const std::string text = "<r>" + std::string(element) + "</r>";
        const Parsed p = parseProgram(text);
        ASSERT_TRUE(p.end) << text;
        ASSERT_EQ(p.root->childCount(), 1) << text;
        const XmlNode& a = *p.root->childAt(0);
        std::string found = a.value() + "|";
        for (const auto& child : a.children())
            found += child->kind() == XmlNodeKind::CData ? "[" + child->value() + "]"
                                                         : "<" + child->name() + ">";
        EXPECT_EQ(found, expected) << text;
    }
    const Parsed root = parseProgram("<a><![CDATA[x]]>B</a>");
    EXPECT_EQ(root.root->value(), "B");
    EXPECT_EQ(root.root->childCount(), 1);
}

// Input that ends inside an element names the innermost element still open,
// at its start tag: a mistyped end tag no longer swallows the rest of a file.
TEST(XmlReaderErrors, MissingEndTags) {
    struct Case {
        std::string_view text;
        std::string_view message;
        std::size_t position;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"<a><b>x</b> ", "it must be closed with </a>", 0},
             {"<study>some text", "study must be closed with </study>", 0},
             {"<a><b/></a", "it must be closed with </a>", 7},
             {"<a><b/>", "it must be closed with </a>", 0},
             {"<a>\n  <b>x</b>\n", "it must be closed with </a>", 0},
             {"<a>\n<t>x</T>\n<c>y</c>\n</a>\n", "it must be closed with </t>", 4},
             {"<a>\r\n<t>x</T>\r\n<c>y</c>\r\n</a>\r\n", "it must be closed with </t>", 5},
             {"<a>x<b/>tail", "it must be closed with </a>", 0},
             {"<a><?pi?>", "it must be closed with </a>", 0},
         }) {
        const Parsed p = parse(c.text);
        expectError(p, 2, std::string(c.message));
        EXPECT_EQ(p.options.errorPosition, c.position) << c.text;
    }
}

TEST(XmlReaderErrors, ChildRunningToTheEndKeepsThePartialTree) {
    Parsed p = parse("<a><b>1</b><c>2");
    expectError(p, 2, "c must be closed with </c>");
    ASSERT_EQ(p.root->childCount(), 2);
    EXPECT_EQ(p.root->childAt(1)->name(), "c");
}

TEST(XmlReaderErrors, SlashNotFollowedByGreaterThan) {
    expectError(parse("<a/ >"), 1, "Element must be closed.");
}

TEST(XmlReaderErrors, AttributeWithoutSpaceOrEquals) {
    expectError(parse("<study x"), 4, "<study> attribute has error ");
}

// Only a text without any element fails without a message.
TEST(XmlReaderErrors, UnterminatedMarkupIsNamed) {
    expectSilentFailure(parse(""));
    expectSilentFailure(parse("no markup at all"));
    expectError(parse("<unterminated"), 6, "The start tag <unterminated must be closed with >");
    expectError(parse("<a b=\"1\" c "), 6, "The start tag <a must be closed with >");
    expectError(parse("<!-- never closed"), 6, "The comment must be closed with -->");
    expectError(parse("<?xml never closed"), 6, "The processing instruction must be closed with ?>");
    expectError(parse("<a><![CDATA[x"), 6, "The CDATA section must be closed with ]]>");
    expectError(parse("<!DOCTYPE a [ <!ENTITY x \"y\">"), 6,
                "The document type declaration must be closed with >");
}

TEST(XmlReaderElements, DocumentTypeDeclarationBeforeTheRootIsSkipped) {
    for (std::string_view text : {"<!DOCTYPE a><a>x</a>", "<?xml?>\n<!DOCTYPE a [\n<!ENTITY e \"<b>\">\n]>\n<a>x</a>"}) {
        const Parsed p = parse(text);
        ASSERT_TRUE(p.end) << text;
        EXPECT_EQ(p.root->name(), "a");
        EXPECT_EQ(p.root->value(), "x");
    }
}

TEST(XmlReaderErrors, OnlyTheFirstErrorIsRecorded) {
    XmlParseOptions options = XmlParseOptions::backslash();
    options.recordError(7, XmlParseError::ElementNotClosed, "earlier");
    Parsed p = parse("<a>text", options);
    EXPECT_EQ(p.options.errorCode, 1);
    EXPECT_EQ(p.options.errorMessage, "earlier");
    EXPECT_EQ(p.options.errorPosition, 7u);
}

TEST(XmlReaderDepth, NestingBeyondTheLimitIsRefused) {
    auto nested = [](int levels) {
        std::string text;
        for (int i = 0; i < levels; ++i)
            text += "<n" + std::to_string(i) + ">";
        for (int i = levels; i-- > 0;)
            text += "</n" + std::to_string(i) + ">";
        return text;
    };
    Parsed deepest = parse(nested(XmlParseOptions::kMaxDepth));
    EXPECT_TRUE(deepest.end);
    EXPECT_FALSE(deepest.options.errorFlag);

    expectError(parse(nested(XmlParseOptions::kMaxDepth + 1)), 5, "<n512> is nested too deeply.");

    std::string hostile;
    for (int i = 0; i < 1000000; ++i)
        hostile += "<a>";
    expectError(parse(hostile), 5, "<a> is nested too deeply.");
}

// The nodes a reader makes live as long as the tree holding them, whichever
// of reader and tree goes first; a node parsed into again drops its old tree.
TEST(XmlReaderLifetime, TreesOutliveTheirReaderAndReparsingReplacesThem) {
    XmlNode holder("holder");
    {
        XmlParseOptions options = XmlParseOptions::program();
        ASSERT_TRUE(holder.parseFromText("<a><b>one</b><!--c--></a>", 0, options));
    }
    XmlNode& copy = holder.appendCopyOf(*holder.childAt(0));
    XmlParseOptions options = XmlParseOptions::program();
    ASSERT_TRUE(copy.parseFromText("<x><y>two</y></x>", 0, options));
    ASSERT_TRUE(holder.parseFromText("<p><q>three</q></p>", 0, options));
    ASSERT_EQ(holder.childCount(), 1);
    EXPECT_EQ(holder.name(), "p");
    EXPECT_EQ(holder.childAt(0)->value(), "three");
    EXPECT_EQ(holder.childAt(0)->parent(), &holder);

    auto outer = std::make_unique<XmlNode>();
    ASSERT_TRUE(outer->parseFromText("<o><i/></o>", 0, options));
    XmlNode& inner = *outer->childAt(0);
    ASSERT_TRUE(inner.parseFromText("<i><j>deep</j></i>", 0, options));
    EXPECT_EQ(inner.childAt(0)->value(), "deep");
    outer.reset();
}
