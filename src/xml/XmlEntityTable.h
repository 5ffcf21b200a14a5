#pragma once

#include <array>
#include <string_view>

// One row of the entity table shared by the reader and the writer.
struct XmlEntity {
    char character;
    std::string_view reference;
};

using XmlEntityTable = std::array<XmlEntity, 5>;

// The five named references, in the order in which they are tried.
inline constexpr XmlEntityTable kXmlEntities = {{
    {'&', "&amp;"},
    {'"', "&quot;"},
    {'\'', "&apos;"},
    {'<', "&lt;"},
    {'>', "&gt;"},
}};
