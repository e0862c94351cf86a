#include "FileBytes.h"
#include "TestWorkDir.h"
#include "app/WorkDirectory.h"
#include "card/CardRecords.h"
#include "card/FactoryContent.h"
#include "card/LegacyCardReader.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"

#include <QTest>

#include <atomic>

class TestFactoryContent : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;

private slots:
    void theBuiltFileIsALegacyCardForTheFactoryDisplay()
    {
        const QString built = QStringLiteral(ROTAVUE_FACTORY_CONTENT);
        std::atomic<bool> keep{true};
        CardRecords records;
        const QString problem = LegacyCardReader(keep).read(built, FactoryContent::ledCount,
                                                            FactoryContent::lineCount, records);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(fileBytes(built).size(), 120 + (100 + 24 + 12) * 38880);
        QCOMPARE(records.pictureList().size(), 5);
        QCOMPARE(records.pictureList().at(0)->displayTime(), 5.0); // the welcome picture
        for (int i = 1; i < 5; ++i)
            QCOMPARE(records.pictureList().at(i)->displayTime(), 10.0);
        QCOMPARE(records.sequenceList().size(), 2);
        QCOMPARE(records.sequenceList().at(0)->frameCount(), 24);
        QCOMPARE(records.sequenceList().at(0)->loopCount(), 3);
        QCOMPARE(records.sequenceList().at(1)->frameCount(), 12);
        // Drawn, not blank: every picture lights LEDs.
        for (ImageObject *picture : records.pictureList())
            QVERIFY(picture->ledData().size() - picture->ledData().count('\0') > picture->ledData().size() / 50);
    }

    void foundInTheWorkDirectoryFirst()
    {
        const QString inWorkDir = WorkDirectory::workDir() + QStringLiteral("/default.bin");
        QFile::remove(inWorkDir);
        // Missing everywhere: the work directory's path, for the message.
        QCOMPARE(FactoryContent::path(), inWorkDir);
        QVERIFY(writeFileBytes(inWorkDir, "x"));
        QCOMPARE(FactoryContent::path(), inWorkDir);
        QCOMPARE(FactoryContent::installedPath(QStringLiteral("/opt/rotavue/bin")),
                 QStringLiteral("/opt/rotavue/share/rotavue/default.bin"));
    }
};

QTEST_MAIN(TestFactoryContent)
#include "tst_factorycontent.moc"
