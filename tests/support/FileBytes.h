#pragma once

#include <QByteArray>
#include <QString>

// Whole files as bytes, for fixtures and for comparing what was written.
QByteArray fileBytes(const QString &path); // empty when it cannot be read
bool writeFileBytes(const QString &path, const QByteArray &bytes);
