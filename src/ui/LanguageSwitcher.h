#pragma once

#include <QObject>
#include <QTranslator>

// The three languages of the user interface. Each has an application
// catalogue and, for the Chinese ones, the toolkit's own catalogue; English
// uses the toolkit's built-in texts. Installing a catalogue makes every
// widget receive QEvent::LanguageChange, on which it retranslates itself.
class LanguageSwitcher : public QObject
{
    Q_OBJECT
public:
    enum Language { NoLanguage = 0, SimplifiedChinese = 1, TraditionalChinese = 2, English = 3 };

    explicit LanguageSwitcher(QObject *parent = nullptr);
    // Its catalogues leave the application with it: no language is in force.
    ~LanguageSwitcher() override;

    // The language in force, process-wide; NoLanguage before the first switch.
    static int currentLanguage();

    // UI thread. Writes the language's debug line ("onBtnZhCnClick",
    // "onBtnZhHkClick", "onBtnEnUsClick"), then, unless the language is in
    // force already, loads and installs its catalogues. Returns whether it did.
    bool select(Language language);

signals:
    void languageChanged(int language);

private:
    QTranslator appTranslator;
    QTranslator qtTranslator;
    bool installed = false;
};
