#include "card/CardFileName.h"

namespace {
const QString refused = QStringLiteral("/\\:*?\"<>|");

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// The name as a message can show it.
QString printable(QString name)
{
    for (QChar &c : name) {
        if (isControl(c))
            c = QLatin1Char(' ');
    }
    return name.simplified();
}
}

qsizetype CardFileName::refusedCharacter(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isControl(name[i]) || refused.contains(name[i]))
            return i;
    }
    return -1;
}

bool CardFileName::onlyDotsAndSpaces(const QString &name)
{
    for (const QChar c : name) {
        if (c != QLatin1Char('.') && c != QLatin1Char(' '))
            return false;
    }
    return true;
}

QString CardFileName::problem(const QString &name)
{
    // Without a name the card file would be the hidden ".bin".
    if (name.isEmpty())
        return tr("Please enter a name for the card file.");
    const qsizetype at = refusedCharacter(name);
    const QChar c = at < 0 ? QChar() : name[at];
    if (at >= 0 && (c == QLatin1Char('/') || c == QLatin1Char('\\')))
        return tr("The file name \"%1\" contains \"%2\". Enter a name without a folder; "
                  "the card file always goes to the root of the stick.").arg(name, c);
    if (at >= 0 && isControl(c))
        return tr("The file name \"%1\" contains a control character, which a USB stick cannot store. "
                  "Please enter another name.").arg(printable(name));
    if (at >= 0)
        return tr("The file name \"%1\" contains \"%2\", which a USB stick cannot store in a file name. "
                  "Please leave out any of %3.").arg(name, c, QStringLiteral(": * ? \" < > |"));
    if (onlyDotsAndSpaces(name))
        return tr("The file name \"%1\" is made only of dots and spaces. "
                  "Please enter a name with letters or digits.").arg(name);
    if (name.toUtf8().size() > maxBytes)
        return tr("The file name \"%1...\" is too long for a USB stick. Please enter a shorter name.")
            .arg(name.left(20));
    return QString();
}
