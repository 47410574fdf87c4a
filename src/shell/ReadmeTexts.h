// The readme text in the three languages (the French list holds the English text).
#pragma once

#include <QStringList>

namespace restallow {

QStringList ReadmeLines(int language);

inline constexpr const char* kReadmeContact = "restallow@orvel.example";
inline constexpr const char* kReadmeNotice = "(c) 1999-2026 Orvel, written by the Resource Tallowin+ team";

}  // namespace restallow
