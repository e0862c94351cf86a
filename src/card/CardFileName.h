#pragma once

#include <QCoreApplication>
#include <QString>

// The name the user gives a card file, before ".bin" is added. Sticks are
// usually FAT or exFAT, which refuse more characters than Linux does.
class CardFileName
{
    Q_DECLARE_TR_FUNCTIONS(CardFileName)
public:
    static constexpr int maxBytes = 244; // name + ".bin" + the 7 bytes of the temporary suffix <= 255

    // Empty when the name can be used; otherwise a sentence for the user.
    static QString problem(const QString &name);

private:
    static qsizetype refusedCharacter(const QString &name); // index, or -1
    static bool onlyDotsAndSpaces(const QString &name);
};
