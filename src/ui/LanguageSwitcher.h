#pragma once

#include <QString>
#include <QTranslator>

// Installs the catalogues of one of the three languages: the application's
// and the toolkit's. Switching to the language in force does nothing.
// UI thread only.
class LanguageSwitcher
{
public:
    enum Language { None = 0, ZhCn = 1, ZhHk = 2, EnUs = 3 };

    LanguageSwitcher() = default;
    ~LanguageSwitcher();
    LanguageSwitcher(const LanguageSwitcher &) = delete;
    LanguageSwitcher &operator=(const LanguageSwitcher &) = delete;

    // True when the language changed (the caller then retranslates).
    bool switchTo(Language language);
    Language current() const { return currentLanguage; }

    static QString appCatalogue(Language language);
    // Empty for English, whose toolkit texts are built in.
    static QString qtCatalogue(Language language);

private:
    QTranslator appTranslator;
    QTranslator qtTranslator;
    Language currentLanguage = None;
};
