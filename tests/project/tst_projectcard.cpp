// rotavue-card build with a project file as its input.
#include "ProjectFixture.h"

#include "TestWorkDir.h"
#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "project/ProjectWriter.h"

#include <QProcess>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString err;
};

Run build(const QStringList &items, const QString &card)
{
    QProcess process;
    process.start(QStringLiteral(ROTAVUE_CARD_BINARY), QStringList{QStringLiteral("build"), QStringLiteral("-o"), card} + items);
    Run run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class TestProjectCard : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;

private slots:
    void cleanup() { DisplayParameters::resetToDefaults(); }

    void theToolWritesTheProgramsCard_data()
    {
        QTest::addColumn<int>("leds");
        QTest::addColumn<int>("lines");
        QTest::newRow("default display") << 112 << 450;
        QTest::newRow("other display") << 40 << 300;
    }

    void theToolWritesTheProgramsCard()
    {
        QFETCH(int, leds);
        QFETCH(int, lines);
        DisplayParameters::setLedCount(leds);
        DisplayParameters::setLineCount(lines);
        ProjectFixture show;
        show.addPicture(QSize(320, 200), 1, 5);
        show.addPicture(QSize(200, 300), 2, 2.5)->setContrast(0.4f);
        show.addGif(5, 3);
        const QByteArray downloaded = show.card(work.filePath(QStringLiteral("downloaded.bin")));
        QVERIFY(!downloaded.isEmpty());
        const QString project = work.filePath(QStringLiteral("show.rotavue"));
        QVERIFY(ProjectWriter().save(ProjectWriter::Input::current(show.pictures, show.sequences), project).ok);
        DisplayParameters::resetToDefaults(); // the tool takes the project's, whatever it is told

        const QString card = work.filePath(QStringLiteral("tool.bin"));
        const Run run = build({project}, card);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(readBytes(card), downloaded);
    }

    void badProjectsFail_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("withPicture");
        QTest::addColumn<QString>("expected");
        QTest::newRow("not a project") << QByteArray("just text") << false << "is not a Rotavue project";
        QTest::newRow("empty") << QByteArray() << false << "the file is empty";
        QTest::newRow("with other items") << QByteArray() << true << "must be the only item";
    }

    void badProjectsFail()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, withPicture);
        QFETCH(QString, expected);
        const QString project = work.filePath(QStringLiteral("bad.rotavue"));
        QVERIFY(writeBytes(project, content));
        QStringList items{project};
        if (withPicture) {
            items.prepend(work.filePath(QStringLiteral("p.png")));
            QVERIFY(ProjectFixture::picture(QSize(30, 30), 1).save(items.first()));
        }
        const QString card = work.filePath(QStringLiteral("bad.bin"));
        const Run run = build(items, card);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(project) && run.err.contains(expected), qPrintable(run.err));
        QVERIFY(!QFile::exists(card));
    }
};

QTEST_GUILESS_MAIN(TestProjectCard)
#include "tst_projectcard.moc"
