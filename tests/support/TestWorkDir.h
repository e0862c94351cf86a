#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away work directory for one test: scratch files go to its "temp".
class TestWorkDir
{
public:
    TestWorkDir();
    bool isValid() const { return dir.isValid(); }
    QString path() const { return dir.path(); }
    QString tempDir() const;
    QString filePath(const QString &name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
};
