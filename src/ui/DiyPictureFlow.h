#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class CustomTableModel;
class ImageObject;
class QModelIndex;
class QWidget;

// The main window's side of DIY pictures: a new drawing becomes a playlist
// picture, and an edited picture is rebuilt from the editor's result. Each
// opens the DIY editor modally over the window, sized like it.
class DiyPictureFlow : public QObject
{
    Q_OBJECT
public:
    static constexpr double displayTime = 5;

    // language gives the current language code, which picks the editor's default font.
    DiyPictureFlow(CustomTableModel *pictures, QWidget *window, std::function<int()> language);

    // New DIY: true when a picture was appended as the last row.
    bool newDiy();
    // Edits the picture of the row; true when it was rebuilt from the drawing.
    bool editPicture(const QModelIndex &index);

    // The halves after the editor: the square saved as "diy_<n>.png" in the temp
    // directory and appended (null and a message when it cannot be saved) ...
    ImageObject *addPicture(const QImage &square);
    // ... or saved over the record's own copy in the temp directory (a file
    // elsewhere is never overwritten: the record gets a new copy instead).
    bool replacePicture(ImageObject *object, const QModelIndex &index, const QImage &square);

    // Any thread. The temp directory + "diy_" + n + ".png", n counting from 1 per process.
    static QString nextDiyFileName();
    static bool isOwnCopy(const QString &path);

private:
    bool runEditor(const QString &fileName, QImage &square);
    bool saveSquare(const QImage &square, const QString &path);

    CustomTableModel *model;
    QWidget *window;
    std::function<int()> language;
};
