#pragma once

#include <string>
#include <string_view>

// The two forms of multi-line text: the display form breaks lines with CR LF
// (as edit controls expect), the XML form with the five characters "&#xd;".
inline constexpr std::string_view kLineBreakMarker = "&#xd;";
inline constexpr std::string_view kDisplayLineBreak = "\r\n";

// Every CR LF, then every remaining LF, becomes the marker. A lone CR stays.
std::string toXmlForm(std::string_view text);
// The XML form of an element's text as any tool may have written it: every
// character reference to a CR or LF in any spelling ("&#13;", "&#x0D;",
// "&#10;"...), taken together with a real line break or an LF reference right
// after it, is one marker, and so is every CR LF or LF. A lone CR stays.
std::string fromElementText(std::string_view text);
// Every marker becomes CR LF.
std::string toDisplayForm(std::string_view text);
// The display form of an element's text: toDisplayForm(fromElementText(text))
// in one pass.
std::string displayFromElementText(std::string_view text);

// True for "true" and "1" in any letter case; false for anything else.
bool booleanFromText(std::string_view text);
std::string_view booleanToText(bool value);

// Lower-cases ASCII letters; bytes of multibyte characters are left alone.
std::string lowerCased(std::string_view text);
// Whether lowerCased(text) holds `lowerWord`, without making it.
bool holdsIgnoringCase(std::string_view text, std::string_view lowerWord);
