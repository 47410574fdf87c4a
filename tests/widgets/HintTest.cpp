// Hints: the tooltip and the label a container draws, from one text.
#include <gtest/gtest.h>

#include "widgets/Hint.h"

namespace restallow {
namespace {

TEST(Hint, SplitsTooltipAndLabel) {
    EXPECT_EQ(HintTooltip(QStringLiteral("Add a new resource|Add|")), QStringLiteral("Add a new resource"));
    EXPECT_EQ(HintLabel(QStringLiteral("Add a new resource|Add|")), QStringLiteral("Add"));
    EXPECT_EQ(HintTooltip(QStringLiteral("|Resource List|")), QString());
    EXPECT_EQ(HintTooltip(QStringLiteral("Copy or \rexpand the file|Expand|")),
              QStringLiteral("Copy or \nexpand the file"));
    EXPECT_EQ(HintLabel(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(HintTooltip(QStringLiteral("plain")), QStringLiteral("plain"));
}

}  // namespace
}  // namespace restallow
