#pragma once

class ImageObject;
class QString;

// Where a picture import hands over its results: the main window's picture list.
class PictureSink
{
public:
    virtual ~PictureSink() = default;

    // Appends a converted picture; the sink owns it from now on.
    virtual void addPicture(ImageObject *object) = 0;
    // Converts the file itself and appends the result.
    virtual void addPictureFile(const QString &path) = 0;
};
