// Qt's translations from the system's translation folder (qt6-translations-l10n).
#include "shell/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include "languages/MainStrings.h"

namespace restallow {

QtTranslations::QtTranslations(QString folder)
    : folder_(folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : std::move(folder)) {}

QtTranslations::~QtTranslations() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

bool QtTranslations::Apply(int language) {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    missing_.clear();
    const char* code = language == kFrench ? "fr" : language == kGerman ? "de" : nullptr;
    if (!code) return true;
    const QString catalogue = QStringLiteral("qtbase_") + QLatin1String(code);
    if (!translator_.load(catalogue, folder_)) {
        missing_ = QDir::cleanPath(folder_ + u'/' + catalogue + QStringLiteral(".qm"));
        return false;
    }
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
}

}  // namespace restallow
