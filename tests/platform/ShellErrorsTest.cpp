#include "platform/ShellErrors.h"

#include "platform/Shell.h"

#include <gtest/gtest.h>

TEST(ShellErrors, KnownCodesHaveTheirOwnWords) {
    EXPECT_EQ(ShellErrors::text(ShellResult::OutOfResources),
              QStringLiteral("The operating system is out\nof memory or resources."));
    EXPECT_EQ(ShellErrors::text(2), QStringLiteral("The specified file was not found."));
    EXPECT_EQ(ShellErrors::text(26), QStringLiteral("A sharing violation occurred. "));
    EXPECT_EQ(ShellErrors::text(30), QStringLiteral("The DDE transaction could not\nbe completed "
                                                    "because other DDE transactions\nwere being "
                                                    "processed."));
    EXPECT_EQ(ShellErrors::text(ShellResult::NoAssociation),
              QStringLiteral("There is no application associated\nwith the given filename "
                             "extension."));
    EXPECT_EQ(ShellErrors::text(32),
              QStringLiteral("The specified dynamic-link library was not found."));
}

TEST(ShellErrors, OtherCodesAreUnknownWithTheirNumber) {
    EXPECT_EQ(ShellErrors::text(1), QStringLiteral("Unknown Error (1) occurred."));
    EXPECT_EQ(ShellErrors::text(12), QStringLiteral("Unknown Error (12) occurred."));
    EXPECT_EQ(ShellErrors::text(-5), QStringLiteral("Unknown Error (-5) occurred."));
}

TEST(ShellErrors, TheLinkMessageLeadsWithItsHeading) {
    EXPECT_EQ(ShellErrors::linkFailureMessage(5),
              QStringLiteral("Can't open link:\n\nThe operating system denied\naccess to the "
                             "specified file."));
    EXPECT_EQ(ShellErrors::linkFailureMessage(7),
              QStringLiteral("Can't open link:\n\nUnknown Error (7) occurred."));
}
