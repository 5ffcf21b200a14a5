#include "platform/TextCodec.h"

#include <QList>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string result;
    for (int value : values) {
        result.push_back(static_cast<char>(value));
    }
    return result;
}

QString escaped(int byte) {
    return QString(QChar(char16_t(TextCodec::kEscapeFirst + byte - 0x80)));
}

void expectRoundTrip(const std::string& original) {
    EXPECT_EQ(TextCodec::encode(TextCodec::decode(original)), original);
}

} // namespace

TEST(TextCodec, EverySingleByteSurvives) {
    for (int value = 0; value < 256; ++value) {
        const std::string one = bytes({value});
        const QString decoded = TextCodec::decode(one);
        ASSERT_EQ(decoded.size(), 1) << value;
        if (value < 0x80) {
            EXPECT_EQ(decoded.at(0).unicode(), value);
        } else {
            EXPECT_EQ(decoded, escaped(value)) << value;
        }
        EXPECT_EQ(TextCodec::encode(decoded), one) << value;
    }
}

TEST(TextCodec, EveryPairOfBytesSurvives) {
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string pair = bytes({first, second});
            ASSERT_EQ(TextCodec::encode(TextCodec::decode(pair)), pair) << first << "," << second;
        }
    }
}

TEST(TextCodec, ValidUtf8DecodesAsText) {
    EXPECT_EQ(TextCodec::decode("Caf\xC3\xA9"), QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(TextCodec::decode("\xE2\x82\xAC"), QString(QChar(0x20AC)));
    const QString emoji = TextCodec::decode("\xF0\x9F\x98\x80");
    ASSERT_EQ(emoji.size(), 2);
    EXPECT_EQ(emoji.toUcs4().at(0), 0x1F600u);
    EXPECT_EQ(TextCodec::decode(bytes({0xF4, 0x8F, 0xBF, 0xBF})).toUcs4().at(0), 0x10FFFFu);
    EXPECT_EQ(TextCodec::encode(QString::fromUtf8("Gr\xC3\xBC\xC3\x9F \xF0\x9F\x98\x80")),
              "Gr\xC3\xBC\xC3\x9F \xF0\x9F\x98\x80");
}

TEST(TextCodec, NulBytesAreKept) {
    const std::string text("a\0b", 3);
    const QString decoded = TextCodec::decode(text);
    ASSERT_EQ(decoded.size(), 3);
    EXPECT_EQ(decoded.at(1).unicode(), 0);
    expectRoundTrip(text);
}

TEST(TextCodec, InvalidSequencesBecomeOneCharacterPerByte) {
    const std::vector<std::string> invalid = {
        bytes({0xC0, 0xAF}),             // overlong "/"
        bytes({0xC1, 0xBF}),             // overlong
        bytes({0xE0, 0x80, 0xAF}),       // overlong three-byte
        bytes({0xE0, 0x9F, 0xBF}),       // overlong, highest
        bytes({0xF0, 0x80, 0x80, 0xAF}), // overlong four-byte
        bytes({0xF0, 0x8F, 0xBF, 0xBF}), // overlong four-byte, highest
        bytes({0xED, 0xA0, 0x80}),       // high surrogate U+D800
        bytes({0xED, 0xBF, 0xBF}),       // low surrogate U+DFFF
        bytes({0xF4, 0x90, 0x80, 0x80}), // above U+10FFFF
        bytes({0xF5, 0x80, 0x80, 0x80}),
        bytes({0xFF, 0xFE}),
        bytes({0x80}), // stray continuation
    };
    for (const std::string& sequence : invalid) {
        const QString decoded = TextCodec::decode(sequence);
        ASSERT_EQ(decoded.size(), static_cast<qsizetype>(sequence.size()));
        for (std::size_t i = 0; i < sequence.size(); ++i) {
            EXPECT_EQ(decoded.at(static_cast<qsizetype>(i)),
                      escaped(static_cast<unsigned char>(sequence[i])).at(0));
        }
        expectRoundTrip(sequence);
    }
}

TEST(TextCodec, DecodingResumesAfterABrokenSequence) {
    // A truncated euro sign followed by a letter, then a valid e-acute.
    const QString decoded = TextCodec::decode(bytes({0xE2, 0x82, 'A', 0xC3, 0xA9}));
    EXPECT_EQ(decoded, escaped(0xE2) + escaped(0x82) + QStringLiteral("A") + QChar(0xE9));
    // Truncated at the very end of the text.
    EXPECT_EQ(TextCodec::decode(bytes({'x', 0xF0, 0x9F, 0x98})),
              QStringLiteral("x") + escaped(0xF0) + escaped(0x9F) + escaped(0x98));
}

TEST(TextCodec, MixedLatin1AndUtf8KeepTheirBytes) {
    // A file edited by two tools: Latin-1 "é" (E9) next to UTF-8 "é" (C3 A9).
    const std::string mixed = bytes({'r', 0xE9, 's', 'u', 'm', 0xC3, 0xA9, ' ', 0xA9, 0xB0});
    const QString decoded = TextCodec::decode(mixed);
    EXPECT_EQ(decoded.at(1), escaped(0xE9).at(0));
    EXPECT_EQ(decoded.at(5), QChar(0xE9));
    EXPECT_EQ(TextCodec::encode(decoded), mixed);
}

TEST(TextCodec, TextThatEncodesTheEscapeCharactersStillRoundTrips) {
    // U+F7A9 in valid UTF-8 must not come back as the single byte A9.
    const std::string privateUse = bytes({0xEF, 0x9E, 0xA9});
    EXPECT_EQ(TextCodec::decode(privateUse).size(), 3);
    expectRoundTrip(privateUse);
    EXPECT_EQ(TextCodec::decode(bytes({0xEF, 0x9E, 0x80})).size(), 3); // U+F780
    EXPECT_EQ(TextCodec::decode(bytes({0xEF, 0x9F, 0xBF})).size(), 3); // U+F7FF
    // The neighbours of the escape range are ordinary characters.
    EXPECT_EQ(TextCodec::decode(bytes({0xEF, 0x9D, 0xBF})), QString(QChar(0xF77F)));
    EXPECT_EQ(TextCodec::decode(bytes({0xEF, 0xA0, 0x80})), QString(QChar(0xF800)));
}

TEST(TextCodec, LoneSurrogatesInQtTextEncodeAsReplacement) {
    const QString lone = QStringLiteral("a") + QChar(char16_t(0xD800)) + QStringLiteral("b");
    EXPECT_EQ(TextCodec::encode(lone), "a\xEF\xBF\xBD"
                                       "b");
    const QString reversed = QString(QChar(char16_t(0xDC00))) + QChar(char16_t(0xD800));
    EXPECT_EQ(TextCodec::encode(reversed), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextCodec, RandomByteStringsRoundTrip) {
    std::mt19937 random(20100811);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int size = length(random);
        for (int i = 0; i < size; ++i) {
            // Favour the bytes that start and continue sequences.
            const int value = byte(random);
            text.push_back(static_cast<char>(round % 2 ? value : 0x80 | (value & 0x7F)));
        }
        ASSERT_EQ(TextCodec::encode(TextCodec::decode(text)), text) << round;
    }
}

TEST(TextCodec, AgreesWithQtOnValidText) {
    std::mt19937 random(42);
    std::uniform_int_distribution<char32_t> codePoint(1, 0x10FFFF);
    for (int round = 0; round < 2000; ++round) {
        char32_t value = codePoint(random);
        if ((value >= 0xD800 && value <= 0xDFFF) ||
            (value >= TextCodec::kEscapeFirst && value <= TextCodec::kEscapeLast)) {
            continue;
        }
        const QString text = QString::fromUcs4(&value, 1);
        const QByteArray utf8 = text.toUtf8();
        EXPECT_EQ(TextCodec::decode(std::string_view(utf8.constData(), utf8.size())), text);
        EXPECT_EQ(TextCodec::encode(text), utf8.toStdString());
    }
}

TEST(TextCodecLines, ModelLineBreaksBecomeQtLineBreaksAndBack) {
    EXPECT_EQ(TextCodec::decodeLines("one\r\ntwo\r\n"), QStringLiteral("one\ntwo\n"));
    EXPECT_EQ(TextCodec::encodeLines(QStringLiteral("one\ntwo\n")), "one\r\ntwo\r\n");
    EXPECT_EQ(TextCodec::encodeLines(QString()), "");
}

TEST(TextCodecLines, ModelTextWithCrLfBreaksRoundTrips) {
    const std::vector<std::string> texts = {
        "plain",
        "a\r\nb",
        "\r\n\r\n",
        "x\r\r\ny",     // a carriage return before the break stays
        "lone\rreturn", // so does one on its own
        bytes({0xE9, '\r', '\n', 0xC3, 0xA9, '\r', '\n', 0xFF}),
        bytes({0xE2, 0x82, '\r', '\n'}), // a broken sequence cut by the break
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(TextCodec::encodeLines(TextCodec::decodeLines(text)), text);
    }
    EXPECT_EQ(TextCodec::decodeLines("x\r\r\ny"), QStringLiteral("x\r\ny"));
}
