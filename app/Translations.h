// Tonik's texts and Qt's own (the colour chooser, the standard buttons,
// --help's headings) in the user's language, installed while this lives,
// after the application object is made. English needs none; a language
// Tonik lacks stays English, a partly translated one shows what it has.
#pragma once

#include <QTranslator>

namespace tonik {

class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator tonik;
    QTranslator qt;
};

}  // namespace tonik
