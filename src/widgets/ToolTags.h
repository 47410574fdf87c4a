// The tags of the main window's tool buttons and of the label areas drawn over their labels.
#pragma once

namespace restallow {

// Button tags, by the order of the buttons: Expand .. Close.
enum ToolTag { TagExpand = 1, TagMinimize = 2, TagCompile = 3, TagAdd = 4, TagDelete = 5, TagClear = 6, TagScript = 7, TagClose = 8 };

// Label-area tags 1..10: Readme, Expand, Minimize, Compile, Preview, Add .. Close.
enum AreaTag { AreaReadme = 1, AreaPreview = 5, AreaClose = 10 };

// The label area over a tool button's label: the Readme area comes first and the Preview area
// sits between Compile and Add.
constexpr int AreaOfTool(int toolTag) { return toolTag <= TagCompile ? toolTag + 1 : toolTag + 2; }

}  // namespace restallow
