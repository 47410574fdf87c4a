// Locale names to Windows language ids, and ids to the program's three languages.
#include "shell/LanguageDetect.h"

#include <QLocale>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace restallow {

std::uint16_t WindowsLanguageId(const QString& locale) {
    static const std::pair<const char*, std::uint16_t> kIds[] = {
        {"fr_FR", 0x040C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"fr_LU", 0x140C}, {"fr_BE", 0x080C},
        {"fr_MC", 0x180C}, {"de_DE", 0x0407}, {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"de_LU", 0x1007},
        {"de_LI", 0x1407}, {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009},
        {"it_IT", 0x0410}, {"es_ES", 0x0C0A}, {"nl_NL", 0x0413}, {"fr", 0x040C},    {"de", 0x0407},
    };
    const QString name = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    for (const auto& [prefix, id] : kIds) {
        if (name == QLatin1String(prefix)) return id;
    }
    return 0x0409;
}

int DetectLanguage(std::uint16_t id) {
    static const std::uint16_t kFrench[] = {0x040C, 0x0C0C, 0x100C, 0x140C};
    static const std::uint16_t kGerman[] = {0x0407, 0x0807, 0x0C07, 0x1007, 0x1407};
    if (std::find(std::begin(kFrench), std::end(kFrench), id) != std::end(kFrench)) return 2;
    if (std::find(std::begin(kGerman), std::end(kGerman), id) != std::end(kGerman)) return 3;
    return 1;
}

QString UserLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return QString::fromLocal8Bit(value);
    }
    return QLocale::system().name();
}

}  // namespace restallow
