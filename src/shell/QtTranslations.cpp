// Qt's translations from the system's translation folder (qt6-translations-l10n).
#include "shell/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "languages/MainStrings.h"

namespace restallow {

QtTranslations::~QtTranslations() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

bool QtTranslations::Apply(int language) {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    const char* code = language == kFrench ? "fr" : language == kGerman ? "de" : nullptr;
    if (!code) return true;
    if (!translator_.load(QStringLiteral("qtbase_") + QLatin1String(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
}

}  // namespace restallow
