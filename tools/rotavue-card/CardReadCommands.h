#pragma once

#include "CommandLine.h"

#include <QCoreApplication>
#include <QString>

class CardRecords;

// The commands that read cards back: "legacy" (a legacy file to the card a
// download of it would write), "preview" (one PNG per block) and
// "info --legacy" (a legacy file's content as JSON).
class CardReadCommands
{
    Q_DECLARE_TR_FUNCTIONS(CardReadCommands)
public:
    static bool handles(const CommandLine &command);
    // Runs the command with scratch files of its own. Empty on success, with
    // what to print in output; otherwise a message naming the file and the reason.
    static QString run(const CommandLine &command, QString &output);

private:
    static QString legacyToCard(const CommandLine &command);
    static QString writePreviews(const CommandLine &command);
    static QString describeLegacy(const CommandLine &command, QString &output);
    // Reads a legacy file or a card of ours, whichever the file is.
    static QString readAny(const CommandLine &command, CardRecords &records);
    static QString readLegacy(const CommandLine &command, CardRecords &records);
    static QString outputProblem(const QString &input, const QString &output);
};
