// Qt's own texts (standard buttons, file dialogs) in the program's language.
#pragma once

#include <QTranslator>

namespace restallow {

class QtTranslations {
public:
    ~QtTranslations();
    // 2 French, 3 German; English (or a language without a translation) removes it again.
    // Returns false when the translation for French or German could not be loaded.
    bool Apply(int language);

private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace restallow
