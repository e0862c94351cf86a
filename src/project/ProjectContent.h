#pragma once

#include "project/ProjectCalibration.h"

#include <QList>

class ImageObject;
class MediaObject;

// A playlist read from a project file, with the display parameters and the
// calibration it was made for. Owns its records until they are taken; what
// is left is deleted with it, scratch files and all.
class ProjectContent
{
public:
    ProjectContent() = default;
    ~ProjectContent();
    ProjectContent(const ProjectContent &) = delete;
    ProjectContent &operator=(const ProjectContent &) = delete;

    int ledCount = 0;
    int lineCount = 0;
    ProjectCalibration calibration;
    QList<ImageObject *> pictures;   // the picture list, in row order
    QList<MediaObject *> sequences;  // the video list, in row order, each with its frames

    // The caller owns what these return.
    QList<ImageObject *> takePictures();
    QList<MediaObject *> takeSequences();
    // Every picture and frame, the way a card numbers its blocks.
    int recordCount() const;
};
