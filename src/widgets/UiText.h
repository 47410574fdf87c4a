// One text of the main window's table or of the message table in a language, as a QString.
#pragma once

#include <QString>

#include "languages/MainStrings.h"
#include "languages/MessageStrings.h"

namespace restallow {

inline QString UiText(int language, int index) { return QString::fromUtf8(MainStrings(language)[index]); }
inline QString MsgText(int language, MessageText text) { return QString::fromUtf8(MessageStrings(language)[text]); }

}  // namespace restallow
