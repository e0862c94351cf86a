#include "FileBytes.h"
#include "LegacyCardFixture.h"
#include "TestWorkDir.h"
#include "ToolRun.h"
#include "app/DisplayParameters.h"
#include "card/CardRecords.h"
#include "card/CardWriter.h"
#include "card/LegacyCardReader.h"
#include "display/ImageObject.h"
#include "display/LedDataPreview.h"
#include "display/PolarSampling.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTest>

#include <atomic>

namespace {

QString hex256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

LegacyCardFixture showCard(int leds, int lines)
{
    LegacyCardFixture card(leds, lines);
    card.setPictureCount(3);
    card.setTimeByte(0, 25);
    card.setTimeByte(1, 10);
    card.setTimeByte(2, 5);
    card.setSequence(0, 4, 2);
    card.setSequence(3, 2, 7);
    return card;
}

QStringList files(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestRotavueCardRead : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;

    QString path(const QString &name) const { return work.filePath(name); }

private slots:
    void cleanup() { DisplayParameters::resetToDefaults(); }

    void legacyWritesWhatADownloadWould_data()
    {
        QTest::addColumn<int>("leds");
        QTest::addColumn<int>("lines");
        QTest::newRow("defaults") << 112 << 450;
        QTest::newRow("factory display") << 36 << 360;
    }

    void legacyWritesWhatADownloadWould()
    {
        QFETCH(int, leds);
        QFETCH(int, lines);
        const LegacyCardFixture card = showCard(leds, lines);
        QVERIFY(card.save(path("Z1.bin")));
        QStringList arguments = {"legacy", path("Z1.bin"), "-o", path("card.bin")};
        if (leds != 112)
            arguments << "--leds" << QString::number(leds) << "--lines" << QString::number(lines);
        const ToolRun run = runTool(arguments);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));

        // What the window does: read, then download.
        std::atomic<bool> keep{true};
        CardRecords records;
        QVERIFY(LegacyCardReader(keep).read(path("Z1.bin"), leds, lines, records).isEmpty());
        QVERIFY(CardWriter().write(records.pictureList(), records.sequenceList(), path("window.bin")).complete());
        const QByteArray written = fileBytes(path("card.bin"));
        QCOMPARE(written, fileBytes(path("window.bin")));

        const int block = card.blockSize();
        QCOMPARE(written.size(), 4096 + 9 * block);
        QCOMPARE(written.mid(16, 30), QByteArray::fromHex("000100013201" "000200021401" "000300030a01"
                                                           "000400070102" "000800090107"));
        QCOMPARE(written.mid(4096 + block, block), card.pictureBlock(1));
        QCOMPARE(written.mid(4096 + 8 * block, block), card.frameBlock(3, 1));
    }

    void previewsOfALegacyFileAndOfItsCard()
    {
        const LegacyCardFixture card = showCard(8, 12);
        QVERIFY(card.save(path("small.bin")));
        const QStringList display = {"--leds", "8", "--lines", "12"};
        ToolRun run = runTool(QStringList{"preview", path("small.bin"), "-o", path("legacy-previews")} + display);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QStringList names;
        for (int b = 1; b <= 9; ++b)
            names.append(QStringLiteral("block-%1.png").arg(b, 4, 10, QLatin1Char('0')));
        QCOMPARE(files(path("legacy-previews")), names);
        QCOMPARE(QImage(path("legacy-previews/block-0002.png")),
                 LedDataPreview::ofRawSamples(card.pictureBlock(1), 8, 12));
        QCOMPARE(QImage(path("legacy-previews/block-0009.png")),
                 LedDataPreview::ofRawSamples(card.frameBlock(3, 1), 8, 12));

        // The card a download of it writes shows the same.
        run = runTool(QStringList{"legacy", path("small.bin"), "-o", path("small-card.bin")} + display);
        QCOMPARE(run.exitCode, 0);
        run = runTool(QStringList{"preview", path("small-card.bin"), "-o", path("card-previews")} + display);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(files(path("card-previews")), names);
        for (const QString &name : names)
            QCOMPARE(QImage(path("card-previews/") + name), QImage(path("legacy-previews/") + name));
    }

    void previewOfABuiltCardEqualsTheImport()
    {
        QImage picture(500, 300, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(200, 40, 150, 150, Qt::yellow);
        QVERIFY(picture.save(path("flag.png")));
        ToolRun run = runTool({"build", "-o", path("flag.bin"), path("flag.png")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        run = runTool({"preview", path("flag.bin"), "-o", path("flag-previews")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        ImageObject imported(1, QString(), 5, ImageObject::PictureFile);
        PolarSampling::imageToLedData(picture, &imported);
        QCOMPARE(QImage(path("flag-previews/block-0001.png")), imported.previewImage());

        // For another display the tool names the one the card fits.
        run = runTool({"preview", path("flag.bin"), "-o", path("other"), "--leds", "200"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("--leds 112 --lines 450")), qPrintable(run.err));
    }

    void infoDescribesALegacyFile()
    {
        const LegacyCardFixture card = showCard(8, 12);
        QVERIFY(card.save(path("info.bin")));
        const ToolRun run = runTool({"info", "--legacy", path("info.bin"), "--leds", "8", "--lines", "12"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(json.value("blockSize").toInt(), 288);
        const QJsonObject header = json.value("header").toObject();
        QCOMPARE(header.value("pictureCount").toInt(), 3);
        QCOMPARE(header.value("frameCounts").toArray(), QJsonArray({4, 0, 0, 2, 0}));
        QCOMPARE(header.value("loopCounts").toArray(), QJsonArray({2, 1, 1, 7, 1}));
        const QJsonArray pictures = json.value("pictures").toArray();
        QCOMPARE(pictures.size(), 3);
        QCOMPARE(pictures.at(1).toObject().value("slot").toInt(), 1);
        QCOMPARE(pictures.at(1).toObject().value("timeByte").toInt(), 10);
        QCOMPARE(pictures.at(1).toObject().value("sha256").toString(), hex256(card.pictureBlock(1)));
        const QJsonArray sequences = json.value("sequences").toArray();
        QCOMPARE(sequences.size(), 2);
        const QJsonObject second = sequences.at(1).toObject();
        QCOMPARE(second.value("slot").toInt(), 3);
        QCOMPARE(second.value("loopCount").toInt(), 7);
        QCOMPARE(second.value("frameCount").toInt(), 2);
        QCOMPARE(second.value("frames").toArray().at(0).toString(), hex256(card.frameBlock(3, 0)));
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("inMessage");
        QTest::addColumn<QString>("notCreated");
        QTest::newRow("legacy: missing") << QStringList{"legacy", "missing.bin", "-o", "out.bin"} << "does not exist"
                                         << "out.bin";
        QTest::newRow("legacy: truncated header") << QStringList{"legacy", "cut.bin", "-o", "out.bin"}
                                                  << "shorter than its 120-byte header" << "out.bin";
        QTest::newRow("legacy: not a card") << QStringList{"legacy", "notes.txt", "-o", "out.bin"}
                                            << "holds no complete picture" << "out.bin";
        QTest::newRow("legacy: unwritable output") << QStringList{"legacy", "good.bin", "-o", "no-such-folder/out.bin"}
                                                   << "no-such-folder" << "no-such-folder";
        QTest::newRow("legacy: output is the input") << QStringList{"legacy", "good.bin", "-o", "good.bin"}
                                                     << "would replace the input" << "";
        QTest::newRow("preview: missing") << QStringList{"preview", "missing.bin", "-o", "shots"} << "does not exist"
                                          << "shots";
        QTest::newRow("preview: truncated card") << QStringList{"preview", "cut-card.bin", "-o", "shots"}
                                                 << "does not fit" << "shots";
        QTest::newRow("preview: output is a file") << QStringList{"preview", "good.bin", "-o", "notes.txt"}
                                                   << "not a folder" << "";
        QTest::newRow("info: not a legacy file") << QStringList{"info", "--legacy", "cut.bin"} << "cut.bin" << "";
    }

    void badInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, inMessage);
        QFETCH(QString, notCreated);
        const LegacyCardFixture card = showCard(8, 12);
        QVERIFY(card.save(path("good.bin")));
        QVERIFY(card.save(path("cut.bin"), 100));
        QVERIFY(writeFileBytes(path("notes.txt"), QByteArray(300, 'n')));
        // A card of ours cut short: its markers are there, its blocks are not.
        QVERIFY(runTool({"legacy", path("good.bin"), "-o", path("card.bin"), "--leds", "8", "--lines", "12"}).exitCode
                == 0);
        QVERIFY(writeFileBytes(path("cut-card.bin"), fileBytes(path("card.bin")).left(4096 + 500)));
        const QByteArray goodBefore = fileBytes(path("good.bin"));

        QStringList absolute;
        for (const QString &argument : arguments)
            absolute.append(argument.contains(QLatin1Char('.')) || argument == QLatin1String("shots")
                                ? path(argument)
                                : argument);
        const ToolRun run = runTool(absolute + QStringList{"--leds", "8", "--lines", "12"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(inMessage), qPrintable(run.err));
        if (!notCreated.isEmpty())
            QVERIFY(!QFileInfo::exists(path(notCreated)));
        QCOMPARE(fileBytes(path("good.bin")), goodBefore);
        QCOMPARE(fileBytes(path("notes.txt")), QByteArray(300, 'n'));
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("legacy without output") << QStringList{"legacy", "Z1.bin"};
        QTest::newRow("preview without output") << QStringList{"preview", "Z1.bin"};
        QTest::newRow("legacy without a file") << QStringList{"legacy", "-o", "x.bin"};
        QTest::newRow("--legacy is for info") << QStringList{"preview", "--legacy", "Z1.bin", "-o", "d"};
    }

    void badUsage()
    {
        QFETCH(QStringList, arguments);
        const ToolRun run = runTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith(QLatin1String("rotavue-card: ")));
    }
};

QTEST_MAIN(TestRotavueCardRead)
#include "tst_rotavuecardread.moc"
