// The tags of the tool buttons and of the label areas over their labels.
#include <gtest/gtest.h>

#include <set>

#include "widgets/ToolTags.h"

namespace restallow {
namespace {

// The areas run down the column: Readme, one per button from Expand to Compile, Preview, then one
// per button from Add to Close.
TEST(ToolTags, EveryButtonHasItsOwnAreaInColumnOrderAndTheAreaLeadsBack) {
    std::set<int> areas;
    int previous = AreaReadme;
    for (int tool = TagExpand; tool <= TagClose; ++tool) {
        const int area = AreaOfTool(tool);
        EXPECT_GT(area, previous) << tool;
        EXPECT_EQ(ToolOfArea(area), tool);
        areas.insert(area);
        previous = area;
    }
    EXPECT_EQ(areas.size(), 8u);
    EXPECT_EQ(AreaOfTool(TagCompile) + 1, AreaPreview);
    EXPECT_EQ(AreaOfTool(TagAdd), AreaPreview + 1);
    EXPECT_EQ(AreaOfTool(TagClose), AreaClose);
}

TEST(ToolTags, TheReadmeAndPreviewAreasAndUnknownTagsNameNoButton) {
    EXPECT_EQ(ToolOfArea(AreaReadme), 0);
    EXPECT_EQ(ToolOfArea(AreaPreview), 0);
    EXPECT_EQ(ToolOfArea(0), 0);
    EXPECT_EQ(ToolOfArea(AreaClose + 1), 0);
    EXPECT_EQ(AreaOfTool(0), 0);
    EXPECT_EQ(AreaOfTool(TagClose + 1), 0);
}

}  // namespace
}  // namespace restallow
