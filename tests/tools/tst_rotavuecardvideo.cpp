#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "edit/GetImgeLocationDialog.h"
#include "import/LoadMediaDialog.h"

#include "TestClip.h"
#include "TestWorkDir.h"
#include "ToolRun.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QSize clipSize(400, 300);

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The frames the import dialog makes of a stretch, the crop dialog closed with OK untouched.
QList<QByteArray> dialogLedData(const QString &path, int fromSecond, int toSecond)
{
    QList<QByteArray> blocks;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto *crop = qobject_cast<GetImgeLocationDialog *>(QApplication::activeModalWidget()))
            crop->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    });
    answer.start(10);
    LoadMediaDialog dialog;
    dialog.show();
    if (!dialog.openVideo(path))
        return blocks;
    auto *start = dialog.findChild<QPushButton *>(QStringLiteral("okBut"));
    if (!QTest::qWaitFor([&] { return start->isEnabled(); }, 20000))
        return blocks;
    dialog.findChild<QSlider *>(QStringLiteral("sliderStartTime"))->setValue(fromSecond);
    dialog.findChild<QSlider *>(QStringLiteral("sliderEndTime"))->setValue(toSecond - fromSecond);
    start->click();
    const QList<ImageObject *> frames = dialog.takeFrames();
    for (ImageObject *frame : frames)
        blocks.append(frame->ledData());
    qDeleteAll(frames);
    return blocks;
}

} // namespace

class TestRotavueCardVideo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void clipStretchMatchesTheImport();
    void clipsAreListedWithTheGifsInOrder();
    void badClipIsRefused_data();
    void badClipIsRefused();

private:
    QString clipPath;
    TestWorkDir work;
    QTemporaryDir files;
};

void TestRotavueCardVideo::initTestCase()
{
    setToolCacheHome(work.filePath(QStringLiteral("cache")));
    clipPath = files.filePath(QStringLiteral("clip ä.mp4"));
    const QString made = TestClip::make(clipPath, 14, clipSize);
    QVERIFY2(made.isEmpty(), qPrintable(made));
}

void TestRotavueCardVideo::clipStretchMatchesTheImport()
{
    const QString card = files.filePath(QStringLiteral("video.bin"));
    const ToolRun run = runTool({"build", "-o", card, "--from", "10", "--to", "12", clipPath});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    const ToolRun info = runTool({"info", card});
    QCOMPARE(info.exitCode, 0);
    const QJsonObject toc = QJsonDocument::fromJson(info.out.toUtf8()).object();
    const QJsonArray entries = toc.value("entries").toArray();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.at(0).toObject().value("firstBlock").toInt(), 1);
    QCOMPARE(entries.at(0).toObject().value("lastBlock").toInt(), 21);

    const QList<QByteArray> imported = dialogLedData(clipPath, 10, 12);
    QCOMPARE(imported.size(), 21);
    const QByteArray bytes = readFile(card);
    const int block = PolarSampling::minimumLength;
    for (int i = 0; i < imported.size(); ++i)
        QVERIFY2(bytes.mid(4096 + i * block, block) == imported.at(i), qPrintable(QString::number(i)));
}

void TestRotavueCardVideo::clipsAreListedWithTheGifsInOrder()
{
    const QString card = files.filePath(QStringLiteral("two.bin"));
    // Whole clip of a short clip, then a stretch of the long one, three loops each.
    const QString shortClip = files.filePath(QStringLiteral("short.mkv"));
    const QString made = TestClip::make(shortClip, 1.5, QSize(160, 120));
    QVERIFY2(made.isEmpty(), qPrintable(made));
    const ToolRun run =
        runTool({"build", "-o", card, "-r", "3", shortClip, "--from", "2", "--to", "2.5", clipPath});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const ToolRun info = runTool({"info", card});
    const QJsonArray entries = QJsonDocument::fromJson(info.out.toUtf8()).object().value("entries").toArray();
    QCOMPARE(entries.size(), 2);
    // The whole short clip ends at its last whole second: 0 s to 1 s.
    QCOMPARE(entries.at(0).toObject().value("lastBlock").toInt(), 11);
    QCOMPARE(entries.at(1).toObject().value("firstBlock").toInt(), 12);
    QCOMPARE(entries.at(1).toObject().value("lastBlock").toInt(), 17);
    QCOMPARE(entries.at(1).toObject().value("repeat").toInt(), 3);
}

void TestRotavueCardVideo::badClipIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::newRow("text named as a clip") << QStringList{"notes.mp4"} << 1 << "no video";
    QTest::newRow("stretch after the end") << QStringList{"--from", "20", "--to", "21", "clip"} << 1 << "no frame";
    QTest::newRow("--to before --from") << QStringList{"--from", "5", "--to", "4", "clip"} << 2 << "--to";
    QTest::newRow("--from without a clip") << QStringList{"clip", "--from", "1"} << 2 << "--from";
}

void TestRotavueCardVideo::badClipIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QFile notes(files.filePath(QStringLiteral("notes.mp4")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("nothing to see here\n");
    notes.close();
    for (QString &argument : arguments) {
        if (argument == QLatin1String("clip"))
            argument = clipPath;
        else if (argument == QLatin1String("notes.mp4"))
            argument = notes.fileName();
    }
    const QString card = files.filePath(QStringLiteral("bad.bin"));
    const ToolRun run = runTool(QStringList{"build", "-o", card} + arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(said, Qt::CaseInsensitive), qPrintable(run.err));
    QVERIFY(!QFile::exists(card));
}

QTEST_MAIN(TestRotavueCardVideo)
#include "tst_rotavuecardvideo.moc"
