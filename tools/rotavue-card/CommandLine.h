#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the user asked rotavue-card to do, read from its arguments.
class CommandLine
{
public:
    enum class Action { Help, Version, Led, Build, Info, Legacy, Preview };

    // One picture, GIF or video clip of a build, with the time and loop count
    // in force where it stood.
    struct Item {
        QString path;
        bool gif = false; // decided from the file's content when the build reads it
        double seconds = 5;
        int loops = 1;
        qint64 fromMs = -1; // a clip's stretch; -1: from its start
        qint64 toMs = -1;   // -1: to its end
    };

    // False when the arguments do not make a valid command; error() says why.
    bool parse(const QStringList &arguments);
    QString error() const { return problem; }

    Action action = Action::Help;
    QString input;        // led: the picture; info: the card; legacy, preview: the file
    QString output;       // led, build, legacy; preview: the folder
    bool legacyInfo = false; // info --legacy
    int leds = 112;
    int lines = 450;
    bool keepDamaged = false; // led and build: convert what can be read of damaged input
    QList<Item> items;    // build, in the order given

    static QString usage();

private:
    bool fail(const QString &why);
    bool readNumber(const QStringList &args, int &i, const QString &option, double low, double high, double &value);
    bool readWholeNumber(const QStringList &args, int &i, const QString &option, int low, int high, int &value);
    bool parseCommand(const QString &command, const QStringList &args);

    QString problem;
};
