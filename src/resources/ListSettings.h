// The settings the Resource List works with; the settings store keeps all but UpDown.
#pragma once

#include <QString>

#include "platform/OutputKind.h"

namespace restallow {

struct ListSettings {
    int CI = 0;      // sort column 0..3
    int UpDown = 1;  // 1 ascending, anything else descending; never stored
    long long StartID = 2000;
    int ResKind = kResOutput;  // or kDcrOutput
    QString InitialDir;        // the Add dialog's folder
    int FilterIndex = 1;       // the Add dialog's filter
    QString SaveDir;           // the script save dialog's folder
    int SaveFilterIndex = 1;
    int Language = 0;  // 1 English, 2 French, 3 German; 0 not chosen yet

    bool operator==(const ListSettings&) const = default;
};

}  // namespace restallow
