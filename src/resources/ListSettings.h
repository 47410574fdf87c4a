// The settings the Resource List works with; the settings store keeps all but UpDown.
#pragma once

#include <QString>

namespace restallow {

struct ListSettings {
    int CI = 0;        // sort column 0..3
    int UpDown = 1;    // 1 ascending, anything else descending
    long long StartID = 2000;
    int ResKind = 0;   // 0 .res, 1 .dcr
    QString InitialDir;
    int FilterIndex = 1;
    int Language = 1;
};

}  // namespace restallow
