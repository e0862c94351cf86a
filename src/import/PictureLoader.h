#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// Reads one picture file for the picture import and says why when it cannot.
// Widget-free, so the command-line tool converts a file exactly as the import
// does: the whole decoded picture goes to the conversion, which cuts the same
// centred square that square() returns.
class PictureLoader
{
    Q_DECLARE_TR_FUNCTIONS(PictureLoader)
public:
    static constexpr int previewSide = 300;

    // What to do with a file whose data is cut short or damaged, which Qt's
    // reader still decodes in part (a JPEG cut in half is half grey).
    enum class Damaged { Refuse, Keep };

    // Reads the file at once. Whatever the name says, the content decides the format.
    explicit PictureLoader(const QString &path, Damaged damaged = Damaged::Refuse);

    bool isLoaded() const { return !decoded.isNull(); }
    // Loaded in part only (Damaged::Keep); damage() says what is wrong.
    bool isDamaged() const { return !damageFound.isEmpty(); }
    QString damage() const { return damageFound; }
    QString path() const { return file; }
    // Empty when loaded; otherwise a sentence such as "the file is empty."
    QString reason() const { return failure; }

    // The whole decoded picture; null when it could not be read.
    QImage picture() const { return decoded; }
    // The largest centred square of the picture.
    QRect squareRect() const { return centredSquare(decoded.size()); }
    QImage square() const;
    // The square scaled to fit previewSide x previewSide, fast transformation.
    QImage preview() const;

    // Side min(w, h), left (w - side) / 2, top (h - side) / 2.
    static QRect centredSquare(const QSize &size);

private:
    QString read(Damaged damaged);

    QString file;
    QString damageFound;
    QImage decoded;
    QString failure;
};
