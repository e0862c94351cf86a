#pragma once

#include <QCoreApplication>
#include <QString>

class QFile;
class QSize;

// The checks both picture readers make before trusting a file to Qt's reader.
class ImageFileCheck
{
    Q_DECLARE_TR_FUNCTIONS(ImageFileCheck)
public:
    // Opens device for reading, only when it is a regular file and never
    // blocking. Empty on success; otherwise a sentence such as "the file is
    // empty.", with folderReason said for a folder.
    static QString open(QFile &device, const QString &folderReason);
    // Decoding a picture this size would pass the reader's allocation limit.
    static bool tooLarge(const QSize &size);
};
