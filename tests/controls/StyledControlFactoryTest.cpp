#include "controls/StyledControlFactory.h"

#include "controls/CXPButton.h"
#include "controls/CXPGroupBox.h"
#include "platform/DialogBuilder.h"

#include <QDialog>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(StyledControlFactory, EveryButtonAndGroupBoxOfATemplateIsStyled) {
    QDialog dialog;
    StyledControlFactory factory;
    const DialogControls controls = DialogBuilder(factory).build(
        &dialog,
        {.controls = {
             {.id = 10, .kind = ControlKind::GroupBox, .text = QStringLiteral("Link")},
             {.id = 11, .kind = ControlKind::Edit},
             {.id = 1, .kind = ControlKind::DefaultPushButton, .text = QStringLiteral("OK")},
             {.id = 2, .kind = ControlKind::PushButton, .text = QStringLiteral("&Cancel")},
         }});
    ASSERT_NE(controls.get<CXPButton>(1), nullptr);
    EXPECT_TRUE(controls.get<CXPButton>(1)->isDefault());
    EXPECT_EQ(controls.get<CXPButton>(2)->displayText(), QStringLiteral("Cancel"));
    ASSERT_NE(controls.get<CXPGroupBox>(10), nullptr);
    EXPECT_EQ(controls.get<CXPGroupBox>(10)->displayTitle(), QStringLiteral(" Link "));
    EXPECT_NE(controls.get<QLineEdit>(11), nullptr);
}
