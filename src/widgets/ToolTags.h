// The tags of the main window's tool buttons and of the label areas drawn over their labels.
#pragma once

#include <array>
#include <utility>

namespace restallow {

// Button tags, by the order of the buttons: Expand .. Close.
enum ToolTag {
    TagExpand = 1,
    TagMinimize = 2,
    TagCompile = 3,
    TagAdd = 4,
    TagDelete = 5,
    TagClear = 6,
    TagScript = 7,
    TagClose = 8
};

// Label-area tags, by the order of the areas down the column: the Readme area comes first and the
// Preview area sits between Compile and Add.
enum AreaTag {
    AreaReadme = 1,
    AreaExpand = 2,
    AreaMinimize = 3,
    AreaCompile = 4,
    AreaPreview = 5,
    AreaAdd = 6,
    AreaDelete = 7,
    AreaClear = 8,
    AreaScript = 9,
    AreaClose = 10,
};

// Each tool button and the label area over its label.
inline constexpr std::array<std::pair<ToolTag, AreaTag>, 8> kToolAreas = {{{TagExpand, AreaExpand},
                                                                           {TagMinimize, AreaMinimize},
                                                                           {TagCompile, AreaCompile},
                                                                           {TagAdd, AreaAdd},
                                                                           {TagDelete, AreaDelete},
                                                                           {TagClear, AreaClear},
                                                                           {TagScript, AreaScript},
                                                                           {TagClose, AreaClose}}};

// The label area over a tool button's label; 0 for a tag that names no button.
constexpr int AreaOfTool(int toolTag) {
    for (const auto& [tool, area] : kToolAreas) {
        if (tool == toolTag) return area;
    }
    return 0;
}

// The tool button under a label area; 0 for the Readme and Preview areas, which have none.
constexpr int ToolOfArea(int areaTag) {
    for (const auto& [tool, area] : kToolAreas) {
        if (area == areaTag) return tool;
    }
    return 0;
}

}  // namespace restallow
