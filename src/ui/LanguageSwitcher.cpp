#include "ui/LanguageSwitcher.h"

#include "ui/LanguageLog.h"

#include <QCoreApplication>

namespace {

int g_currentLanguage = LanguageSwitcher::NoLanguage; // UI thread only

struct Catalogues
{
    const char *debugLine;
    const char *application;
    const char *toolkit; // null: the toolkit's built-in English
};

Catalogues cataloguesOf(LanguageSwitcher::Language language)
{
    switch (language) {
    case LanguageSwitcher::SimplifiedChinese:
        return {"onBtnZhCnClick", ":/ts/translate_zh_CN.qm", ":/ts/qt_zh_CN.qm"};
    case LanguageSwitcher::TraditionalChinese:
        return {"onBtnZhHkClick", ":/ts/translate_zh_HK.qm", ":/ts/qt_zh_TW.qm"};
    case LanguageSwitcher::English:
    case LanguageSwitcher::NoLanguage:
        break;
    }
    return {"onBtnEnUsClick", ":/ts/translate_en_US.qm", nullptr};
}

} // namespace

LanguageSwitcher::LanguageSwitcher(QObject *parent) : QObject(parent)
{
}

LanguageSwitcher::~LanguageSwitcher()
{
    // The translators remove themselves from the application as they go.
    if (installed)
        g_currentLanguage = NoLanguage;
}

int LanguageSwitcher::currentLanguage()
{
    return g_currentLanguage;
}

bool LanguageSwitcher::select(Language language)
{
    if (language == NoLanguage)
        return false;
    const Catalogues catalogues = cataloguesOf(language);
    qCDebug(lcLanguage, "%s", catalogues.debugLine);
    if (g_currentLanguage == language && installed)
        return false;
    g_currentLanguage = language;
    installed = true;
    // A catalogue that does not load leaves its texts as their keys.
    if (!appTranslator.load(QString::fromLatin1(catalogues.application)))
        qCWarning(lcLanguage) << "#LanguageSwitcher# cannot load" << catalogues.application;
    QCoreApplication::installTranslator(&appTranslator);
    if (catalogues.toolkit) {
        if (!qtTranslator.load(QString::fromLatin1(catalogues.toolkit)))
            qCWarning(lcLanguage) << "#LanguageSwitcher# cannot load" << catalogues.toolkit;
        QCoreApplication::installTranslator(&qtTranslator);
    } else {
        QCoreApplication::removeTranslator(&qtTranslator);
    }
    emit languageChanged(language);
    return true;
}
