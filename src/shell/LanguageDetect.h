// The language of a first start, chosen from the user's locale.
#pragma once

#include <QString>
#include <cstdint>

namespace restallow {

// The Windows language id of a locale name such as "de_AT.UTF-8" (0x0C07); 0x0409 when unknown.
std::uint16_t WindowsLanguageId(const QString& locale);
// 2 French for the French ids of France, Canada, Switzerland and Luxembourg; 3 German for
// those of Germany, Switzerland, Austria, Luxembourg and Liechtenstein; 1 English otherwise.
int DetectLanguage(std::uint16_t languageId);
// The locale of LC_ALL, LC_MESSAGES or LANG, in that order.
QString UserLocaleName();

}  // namespace restallow
