#include "ui/LanguageSwitcher.h"

#include <QCoreApplication>

LanguageSwitcher::~LanguageSwitcher()
{
    QCoreApplication::removeTranslator(&appTranslator);
    QCoreApplication::removeTranslator(&qtTranslator);
}

QString LanguageSwitcher::appCatalogue(Language language)
{
    switch (language) {
    case ZhCn:
        return QStringLiteral(":/ts/translate_zh_CN.qm");
    case ZhHk:
        return QStringLiteral(":/ts/translate_zh_HK.qm");
    case EnUs:
        return QStringLiteral(":/ts/translate_en_US.qm");
    case None:
        break;
    }
    return QString();
}

QString LanguageSwitcher::qtCatalogue(Language language)
{
    switch (language) {
    case ZhCn:
        return QStringLiteral(":/ts/qt_zh_CN.qm");
    case ZhHk:
        return QStringLiteral(":/ts/qt_zh_TW.qm");
    case EnUs:
    case None:
        break;
    }
    return QString();
}

bool LanguageSwitcher::switchTo(Language language)
{
    if (currentLanguage == language)
        return false;
    currentLanguage = language;
    (void)appTranslator.load(appCatalogue(language));
    QCoreApplication::installTranslator(&appTranslator);
    const QString toolkit = qtCatalogue(language);
    if (toolkit.isEmpty()) {
        QCoreApplication::removeTranslator(&qtTranslator);
    } else {
        (void)qtTranslator.load(toolkit);
        QCoreApplication::installTranslator(&qtTranslator);
    }
    return true;
}
