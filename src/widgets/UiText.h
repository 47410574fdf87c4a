// One text of the language tables in a language, as a QString.
#pragma once

#include <QString>

#include "languages/MainStrings.h"
#include "languages/MessageStrings.h"

namespace restallow {

inline QString UiText(int language, int index) { return QString::fromUtf8(MainStrings(language)[index]); }

// One text of the later messages' table in a language.
inline QString MsgText(int language, MessageText index) { return QString::fromUtf8(MessageStrings(language)[index]); }

}  // namespace restallow
