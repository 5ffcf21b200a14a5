#include "editor/lists/ItemTexts.h"

#include <gtest/gtest.h>

TEST(ItemTextsLinks, SchemeIsAddedOnlyWhenNoWebSchemeOccurs) {
    EXPECT_EQ(ItemTexts::withWebScheme("www.example.org"), "http://www.example.org");
    EXPECT_EQ(ItemTexts::withWebScheme("HTTPS://Example.org/A"), "HTTPS://Example.org/A");
    EXPECT_EQ(ItemTexts::withWebScheme("http://x"), "http://x");
    EXPECT_EQ(ItemTexts::withWebScheme("ftp://files.org"), "http://ftp://files.org");
    EXPECT_EQ(ItemTexts::withWebScheme("ftp://go.org/?to=http://x"), "ftp://go.org/?to=http://x");
    EXPECT_EQ(ItemTexts::withWebScheme("http:/half"), "http://http:/half");
}
