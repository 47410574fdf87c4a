// Qt's own texts (standard buttons, file dialogs) in the program's language.
#pragma once

#include <QTranslator>

namespace restallow {

class QtTranslations {
public:
    // folder: where the catalogues lie; empty: Qt's translation folder.
    explicit QtTranslations(QString folder = {});
    ~QtTranslations();
    // 2 French, 3 German; English (or a language without a translation) removes it again.
    // Returns false when the translation for French or German could not be loaded.
    bool Apply(int language);
    // The catalogue that the last Apply could not load, with its folder; empty after a success.
    const QString& Missing() const { return missing_; }

private:
    QString folder_;
    QTranslator translator_;
    bool installed_ = false;
    QString missing_;
};

}  // namespace restallow
