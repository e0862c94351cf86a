// Writes the seed corpora of the fuzz targets: small valid files of every
// kind the targets read, and a few cut or damaged ones.
//   make_fuzz_seeds FOLDER   ->  FOLDER/cardtoc/*, FOLDER/import/*, ...
#include "app/DisplayParameters.h"
#include "card/CardTableOfContents.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"

#include "EncodedPicture.h"
#include "GifWriter.h"
#include "LegacyCardFixture.h"
#include "ProjectFixture.h"
#include "project/ProjectWriter.h"
#include "TestWorkDir.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QPainter>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>

namespace {

bool save(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray table(int pictures, const QList<int> &sequenceFrames)
{
    QList<ImageObject *> pictureList;
    QList<MediaObject *> sequenceList;
    for (int i = 0; i < pictures; ++i)
        pictureList.append(new ImageObject(i + 1, QString(), 2.5 * (i + 1), ImageObject::PictureFile));
    for (int s = 0; s < sequenceFrames.size(); ++s) {
        auto *sequence = new MediaObject(s, QStringLiteral("seq"));
        sequence->setLoopCount(s + 2);
        for (int f = 0; f < sequenceFrames.at(s); ++f)
            sequence->appendFrame(new ImageObject(f + 1, QString(), 10, ImageObject::GifFrame));
        sequenceList.append(sequence);
    }
    const QByteArray bytes = CardTableOfContents::build(pictureList, sequenceList);
    qDeleteAll(pictureList);
    qDeleteAll(sequenceList);
    return bytes;
}

// The smallest pages keep a project seed within the fuzzers' input size.
bool shrinkPages(const QString &path)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("seed"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        ok = db.open() && query.exec(QStringLiteral("PRAGMA page_size = 512")) && query.exec(QStringLiteral("VACUUM"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("seed"));
    return ok;
}

QImage pattern(const QSize &size, int seed)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(qRgb(30 * seed, 200 - 20 * seed, 90));
    QPainter painter(&picture);
    painter.fillRect(size.width() / 4, size.height() / 4, size.width() / 2, size.height() / 3, Qt::white);
    painter.setPen(Qt::red);
    painter.drawEllipse(QRect(QPoint(1, 1), size / 2));
    return picture;
}

QByteArray progressiveJpeg(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(picture);
    return bytes;
}

QByteArray gif(int frames, const QSize &size)
{
    GifWriter writer;
    for (int i = 0; i < frames; ++i)
        writer.addFrame(pattern(size, i), 5 * (i + 1));
    return writer.toByteArray();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    if (argc != 2) {
        std::fputs("usage: make_fuzz_seeds FOLDER\n", stderr);
        return 2;
    }
    const TestWorkDir work; // scratch files of the records
    const QString cards = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("cardtoc"));
    const QString imports = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("import"));
    const QString legacy = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("legacycard"));
    const QString projects = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("project"));
    if (!QDir().mkpath(cards) || !QDir().mkpath(imports) || !QDir().mkpath(legacy) || !QDir().mkpath(projects))
        return 1;

    const QByteArray example = table(2, {30});
    bool ok = save(cards, "empty.toc", table(0, {}));
    ok = ok && save(cards, "example.toc", example);
    ok = ok && save(cards, "many.toc", table(40, {3, 0, 7}));
    ok = ok && save(cards, "short.toc", example.left(3000));
    ok = ok && save(cards, "nomarkers.toc", QByteArray(4096, '\x22'));

    const QImage small = pattern(QSize(24, 16), 1);
    const QByteArray jpeg = encodedPicture(small, "JPG");
    const QByteArray png = encodedPicture(small, "PNG");
    const QByteArray threeFrames = gif(3, QSize(12, 10));
    ok = ok && save(imports, "small.jpg", jpeg);
    ok = ok && save(imports, "progressive.jpg", progressiveJpeg(pattern(QSize(32, 32), 2)));
    ok = ok && save(imports, "small.png", png);
    ok = ok && save(imports, "alpha.png", encodedPicture(pattern(QSize(8, 8), 3).convertToFormat(QImage::Format_ARGB32), "PNG"));
    ok = ok && save(imports, "three.gif", threeFrames);
    ok = ok && save(imports, "one.gif", gif(1, QSize(5, 7)));
    ok = ok && save(imports, "cut.jpg", jpeg.left(jpeg.size() / 2));
    ok = ok && save(imports, "cut.png", png.chopped(1));
    ok = ok && save(imports, "cut.gif", GifWriter::truncatedInFrame(threeFrames, 1));
    ok = ok && save(imports, "notrailer.gif", threeFrames.chopped(1));
    // For the 2-LED, 3-line display the fuzz target reads for.
    LegacyCardFixture card(2, 3);
    card.setPictures(3, 25);
    card.setSequence(0, 4, 2);
    card.setSequence(3, 1, 7);
    const QByteArray legacyBytes = card.bytes();
    ok = ok && save(legacy, "three-pictures-two-sequences.bin", legacyBytes);
    ok = ok && save(legacy, "cut.bin", legacyBytes.left(legacyBytes.size() - 10));
    ok = ok && save(legacy, "header-only.bin", legacyBytes.left(120));
    LegacyCardFixture empty(2, 3);
    ok = ok && save(legacy, "empty.bin", empty.bytes());

    // A tiny display keeps the LED line data of the project seeds small.
    DisplayParameters::setLedCount(2);
    DisplayParameters::setLineCount(3);
    {
        ProjectFixture show;
        show.addPicture(QSize(8, 8), 1, 2.5);
        show.addGif(2, 3);
        const QString shown = QDir(projects).filePath(QStringLiteral("small.rotavue"));
        ok = ok && ProjectWriter().save(ProjectWriter::Input::current(show.pictures, show.sequences), shown).ok
             && shrinkPages(shown);
        QFile file(shown);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        ok = ok && !bytes.isEmpty() && save(projects, "cut.rotavue", bytes.left(bytes.size() / 2));
        ProjectFixture none;
        const QString empty = QDir(projects).filePath(QStringLiteral("empty.rotavue"));
        ok = ok && ProjectWriter().save(ProjectWriter::Input::current(none.pictures, none.sequences), empty).ok
             && shrinkPages(empty);
    }
    return ok ? 0 : 1;
}
