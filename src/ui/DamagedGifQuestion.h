#pragma once

#include "import/ImageIntegrity.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// Asks, for a GIF file that is damaged after its first whole frames, whether
// to import the frames that can be read or to add nothing. The message names
// the file, what is wrong and how many frames are whole.
class DamagedGifQuestion
{
    Q_DECLARE_TR_FUNCTIONS(DamagedGifQuestion)
public:
    static constexpr char keepButtonName[] = "btnKeepFrames";
    static constexpr char dropButtonName[] = "btnAddNothing";

    // True when the user chose to import the whole frames. Modal.
    static bool keepFrames(QWidget *parent, const QString &path, const ImageIntegrity::Finding &damage);
};
