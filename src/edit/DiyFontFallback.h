#pragma once

#include <QFont>
#include <QStringList>

// The editor's default text fonts name families that Linux rarely has (a heavy
// Latin sans and a Chinese "hei" sans). When a font's family is not installed,
// the text is drawn in a bold sans family instead, with a CJK family behind it
// for Chinese characters; an installed family is used as it is.
class DiyFontFallback
{
public:
    // Bold sans families tried in order, Latin ones first, then CJK ones.
    static QStringList fallbackFamilies();

    static bool isInstalled(const QString &family);
    // The font to draw with: the same font when its family is installed, else
    // the same size and style with fallbackFamilies() behind the family, bold.
    static QFont resolve(const QFont &font);
    // The installed family, style and size that resolve(font) draws with, as
    // a font of one family (what a font dialog can show).
    static QFont drawnAs(const QFont &font);
};
