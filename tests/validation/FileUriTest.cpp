#include "validation/FileUri.h"

#include <gtest/gtest.h>

TEST(FileUriTest, PathsSurviveTheRoundTrip) {
    for (const std::string path : {"/tmp/plain.xml", "/tmp/my docs/100% #1?.xml",
                                   "/tmp/caf\xc3\xa9/a&b;c.xml", "/tmp/a%20b"}) {
        const std::string uri = fileUriFromPath(path);
        EXPECT_EQ(uri.rfind("file:///", 0), 0u) << uri;
        EXPECT_EQ(uri.find(' '), std::string::npos) << uri;
        EXPECT_EQ(pathFromFileUri(uri), path);
    }
    EXPECT_EQ(fileUriFromPath("/tmp/my docs/x.xml"), "file:///tmp/my%20docs/x.xml");
    EXPECT_EQ(fileUriFromPath("file:///kept%20as%20is"), "file:///kept%20as%20is");
    EXPECT_EQ(pathFromFileUri("file://localhost/tmp/x%2"), "/tmp/x%2");
    EXPECT_EQ(pathFromFileUri("relative/x.xml"), "relative/x.xml");
}
