#include "edit/DiyFontFallback.h"

#include <QFontDatabase>
#include <QFontInfo>

QStringList DiyFontFallback::fallbackFamilies()
{
    return {QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
            QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("WenQuanYi Micro Hei")};
}

bool DiyFontFallback::isInstalled(const QString &family)
{
    return QFontDatabase::hasFamily(family);
}

QFont DiyFontFallback::resolve(const QFont &font)
{
    if (isInstalled(font.family()))
        return font;
    QFont fallback = font;
    QStringList families{font.family()};
    for (const QString &family : fallbackFamilies()) {
        if (isInstalled(family))
            families.append(family);
    }
    fallback.setFamilies(families);
    fallback.setStyleHint(QFont::SansSerif);
    fallback.setWeight(QFont::Bold);
    return fallback;
}

QFont DiyFontFallback::drawnAs(const QFont &font)
{
    const QFont drawn = resolve(font);
    const QFontInfo info(drawn);
    QFont single(info.family(), font.pointSize());
    single.setWeight(info.weight() >= QFont::Bold ? QFont::Bold : QFont::Normal);
    single.setItalic(info.italic());
    return single;
}
