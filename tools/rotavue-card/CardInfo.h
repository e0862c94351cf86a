#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

// Reads a card file's table of contents back, for checking what a build wrote.
class CardInfo
{
    Q_DECLARE_TR_FUNCTIONS(CardInfo)
public:
    // Empty on success; otherwise a message naming the file and the reason.
    QString read(const QString &path, int ledCount, int lineCount);
    QJsonObject json() const { return result; }

private:
    QJsonObject result;
};
