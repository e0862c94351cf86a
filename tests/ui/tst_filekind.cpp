#include "ui/DropPlan.h"
#include "ui/FileKind.h"

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The patterns between the parentheses of a file chooser's filter.
QStringList patternsOf(const QString &filter)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\(([^)]*)\\)")).match(filter);
    return match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Whether a chooser showing only these patterns lists the name: it matches
// them case by case, as a Linux file system names files.
bool chooserShows(const QStringList &patterns, const QString &name)
{
    for (const QString &pattern : patterns) {
        const QRegularExpression glob(QRegularExpression::wildcardToRegularExpression(pattern));
        if (glob.match(name).hasMatch())
            return true;
    }
    return false;
}
}

class TestFileKind : public QObject
{
    Q_OBJECT

private slots:
    void kindByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::newRow("png") << "a.png" << int(FileKind::Picture);
        QTest::newRow("PNG from a phone") << "IMG_0001.PNG" << int(FileKind::Picture);
        QTest::newRow("jpg") << "b.jpg" << int(FileKind::Picture);
        QTest::newRow("JPG from a camera") << "DSC00042.JPG" << int(FileKind::Picture);
        QTest::newRow("jpeg") << "c.jpeg" << int(FileKind::Picture);
        QTest::newRow("JPEG") << "c.JPEG" << int(FileKind::Picture);
        QTest::newRow("bmp, read by Qt") << "d.bmp" << int(FileKind::Picture);
        QTest::newRow("gif") << "e.gif" << int(FileKind::Gif);
        QTest::newRow("GIF") << "E.GIF" << int(FileKind::Gif);
        QTest::newRow("mp4") << "f.mp4" << int(FileKind::Video);
        QTest::newRow("MKV") << "F.MKV" << int(FileKind::Video);
        QTest::newRow("avi") << "g.avi" << int(FileKind::Video);
        QTest::newRow("rmvb") << "g.rmvb" << int(FileKind::Video);
        QTest::newRow("project") << "show.rotavue" << int(FileKind::Project);
        QTest::newRow("project, upper case") << "SHOW.ROTAVUE" << int(FileKind::Project);
        QTest::newRow("text") << "notes.txt" << int(FileKind::Unknown);
        QTest::newRow("no suffix") << "README" << int(FileKind::Unknown);
        QTest::newRow("only the last suffix counts") << "photo.png.txt" << int(FileKind::Unknown);
        QTest::newRow("picture with dots") << "holiday.2024.jpg" << int(FileKind::Picture);
    }

    void kindByName()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QCOMPARE(int(FileKind::of(QStringLiteral("/some/folder/") + name)), kind);
    }

    void chooserFiltersShowWhatCamerasWrite_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shown");
        const QString pictures = FileKind::pictureFilter();
        const QString gifs = FileKind::gifFilter();
        const QString videos = FileKind::videoFilter();
        QTest::newRow("png") << pictures << "a.png" << true;
        QTest::newRow("PNG") << pictures << "a.PNG" << true;
        QTest::newRow("JPG") << pictures << "DSC00042.JPG" << true;
        QTest::newRow("jpeg") << pictures << "c.jpeg" << true;
        QTest::newRow("JPEG") << pictures << "c.JPEG" << true;
        QTest::newRow("gif is no still picture") << pictures << "e.gif" << false;
        QTest::newRow("text") << pictures << "notes.txt" << false;
        QTest::newRow("gif") << gifs << "e.gif" << true;
        QTest::newRow("GIF") << gifs << "E.GIF" << true;
        QTest::newRow("png is no GIF") << gifs << "a.png" << false;
        QTest::newRow("MP4") << videos << "CLIP.MP4" << true;
        QTest::newRow("mkv") << videos << "clip.mkv" << true;
    }

    void chooserFiltersShowWhatCamerasWrite()
    {
        QFETCH(QString, filter);
        QFETCH(QString, name);
        QFETCH(bool, shown);
        QCOMPARE(chooserShows(patternsOf(filter), name), shown);
    }

    void pictureFilterOffersEveryStillFormatQtReads()
    {
        const QStringList patterns = patternsOf(FileKind::pictureFilter());
        QVERIFY(FileKind::pictureFilter().startsWith(QLatin1String("image Files (")));
        for (const QByteArray &format : QImageReader::supportedImageFormats()) {
            const QString suffix = QString::fromLatin1(format).toLower();
            if (suffix == QLatin1String("gif") || suffix.startsWith(QLatin1String("svg")))
                continue;
            QVERIFY2(patterns.contains(QStringLiteral("*.") + suffix), qPrintable(suffix));
            QVERIFY2(patterns.contains(QStringLiteral("*.") + suffix.toUpper()), qPrintable(suffix));
            // Each suffix the filter offers is imported as a picture.
            QCOMPARE(int(FileKind::of(QStringLiteral("x.") + suffix.toUpper())), int(FileKind::Picture));
        }
        QStringList once = patterns;
        QCOMPARE(once.removeDuplicates(), 0);
    }

    void dropPlans_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<QStringList>("gifs");
        QTest::addColumn<QStringList>("videos");
        QTest::addColumn<QString>("project");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QStringList>("unknown");
        QTest::newRow("pictures keep their order") << QStringList{"b.png", "a.JPG", "c.jpeg"}
                                                   << QStringList{"b.png", "a.JPG", "c.jpeg"} << QStringList{}
                                                   << QStringList{} << QString() << QStringList{} << QStringList{};
        QTest::newRow("a mix") << QStringList{"a.png", "b.gif", "c.mp4", "d.txt", "e.JPG"}
                               << QStringList{"a.png", "e.JPG"} << QStringList{"b.gif"} << QStringList{"c.mp4"}
                               << QString() << QStringList{} << QStringList{"d.txt"};
        QTest::newRow("a project alone opens") << QStringList{"show.rotavue"} << QStringList{} << QStringList{}
                                               << QStringList{} << QString("show.rotavue") << QStringList{}
                                               << QStringList{};
        QTest::newRow("a project among pictures does not")
            << QStringList{"a.png", "show.rotavue"} << QStringList{"a.png"} << QStringList{} << QStringList{}
            << QString() << QStringList{"show.rotavue"} << QStringList{};
        QTest::newRow("two projects") << QStringList{"a.rotavue", "b.rotavue"} << QStringList{} << QStringList{}
                                      << QStringList{} << QString() << QStringList{"a.rotavue", "b.rotavue"}
                                      << QStringList{};
        QTest::newRow("a folder named like a picture") << QStringList{"folder.png/"} << QStringList{}
                                                        << QStringList{} << QStringList{} << QString()
                                                        << QStringList{} << QStringList{"folder.png/"};
    }

    void dropPlans()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, pictures);
        QFETCH(QStringList, gifs);
        QFETCH(QStringList, videos);
        QFETCH(QString, project);
        QFETCH(QStringList, refused);
        QFETCH(QStringList, unknown);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        auto inDir = [&dir](const QStringList &list) {
            QStringList paths;
            for (const QString &name : list)
                paths << dir.filePath(name.endsWith(QLatin1Char('/')) ? name.chopped(1) : name);
            return paths;
        };
        QList<QUrl> urls;
        for (const QString &name : names) {
            if (name.endsWith(QLatin1Char('/')))
                QVERIFY(QDir(dir.path()).mkdir(name.chopped(1)));
            urls << QUrl::fromLocalFile(inDir({name}).first());
        }
        const DropPlan plan = DropPlan::of(urls);
        QCOMPARE(plan.pictures, inDir(pictures));
        QCOMPARE(plan.gifs, inDir(gifs));
        QCOMPARE(plan.videos, inDir(videos));
        QCOMPARE(plan.project, project.isEmpty() ? QString() : inDir({project}).first());
        QCOMPARE(plan.refusedProjects, inDir(refused));
        QCOMPARE(plan.unknown, inDir(unknown));
        QCOMPARE(plan.isEmpty(), names.isEmpty());
    }

    void onlyLocalFilesAreDropped()
    {
        const QList<QUrl> web{QUrl(QStringLiteral("https://example.org/a.png"))};
        QVERIFY(!DropPlan::carriesFiles(web));
        QVERIFY(DropPlan::of(web).isEmpty());
        QVERIFY(DropPlan::carriesFiles(web + QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/tmp/a.png"))}));
        QVERIFY(!DropPlan::carriesFiles({}));
    }
};

QTEST_GUILESS_MAIN(TestFileKind)
#include "tst_filekind.moc"
