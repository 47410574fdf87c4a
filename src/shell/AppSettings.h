// Every setting of the main window, with the built-in defaults of a first start.
#pragma once

#include <QString>
#include <QStringList>

#include "resources/ListSettings.h"

namespace restallow {

// Background looks.
enum Outfit { OutfitGradient = 4, OutfitMarbled = 5, OutfitBtnFace = 6 };

struct AppSettings {
    ListSettings list;
    QString Filename1InitialDir;
    int Filename1FilterIndex = 3;
    QString Filename2InitialDir;
    int PrevLeft = 10;
    int PrevTop = 10;
    bool PreviewChecked = false;
    int Hints = 0;     // 0 tooltips shown, 1 off
    int Queries = 0;   // 0 ask before closing with an unsaved list, 1 never ask
    int ShowInfo = 1;  // 1 readme at start
    int Outfit = OutfitBtnFace;
    QStringList IncludeDirs;  // given to the compiler after the script's own folder
    QStringList Defines;      // NAME or NAME=VALUE, given to the compiler

    bool operator==(const AppSettings&) const = default;
};

}  // namespace restallow
