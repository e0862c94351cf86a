// The project flow's questions and commands, with the user's answers scripted.
#include "ProjectFixture.h"

#include "TestWorkDir.h"
#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/TestColorUtil.h"
#include "display/TestValue.h"
#include "project/ProjectFlow.h"
#include "project/ProjectPrompts.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "ui/CustomTableModel.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Answers as the test says and remembers what it was asked.
class ScriptedPrompts : public ProjectPrompts
{
public:
    Answer answer = Answer::Cancel;
    QString fileToOpen;
    QString fileToSave;
    bool switchDisplay = false;
    bool cancelWork = false;
    QStringList asked;
    QStringList told;

    Answer askSaveChanges(const QString &name) override
    {
        asked.append(QStringLiteral("save changes of ") + name);
        return answer;
    }
    QString chooseFileToOpen(const QString &) override
    {
        asked.append(QStringLiteral("file to open"));
        return fileToOpen;
    }
    QString chooseFileToSave(const QString &suggested) override
    {
        asked.append(QStringLiteral("file to save, suggested ") + QFileInfo(suggested).fileName());
        return fileToSave;
    }
    bool askSwitchDisplay(const QString &, int leds, int lines, int, int) override
    {
        asked.append(QStringLiteral("switch to %1 x %2").arg(leds).arg(lines));
        return switchDisplay;
    }
    void tell(const QString &message) override { told.append(message); }
    void runBusy(const QString &, const Work &work) override
    {
        const std::atomic<bool> flag{cancelWork};
        work(flag);
    }
};

// The window's lists, as far as the flow sees them: models that own their rows.
class Lists
{
public:
    ~Lists() { clear(); }
    void clear()
    {
        pictureModel.delRow(0, pictureModel.rowCount());
        sequenceModel.delRow(0, sequenceModel.rowCount());
    }
    void add(ImageObject *picture) { pictureModel.appendNumbered(picture); }
    QList<ImageObject *> pictures() const { return pictureModel.objectsOf<ImageObject>(); }
    ProjectFlow::Playlist access()
    {
        return {[this] { return pictures(); }, [this] { return sequenceModel.objectsOf<MediaObject>(); },
                [this](const QList<ImageObject *> &p, const QList<MediaObject *> &s) {
                    clear();
                    for (ImageObject *picture : p)
                        pictureModel.appendItems({CustomTableItem(picture)});
                    for (MediaObject *sequence : s)
                        sequenceModel.appendItems({CustomTableItem(sequence)});
                    ++replaced;
                }};
    }
    void watchBoth(ProjectFlow &flow)
    {
        flow.watch(&pictureModel);
        flow.watch(&sequenceModel);
    }
    CustomTableModel pictureModel{{}, 1};
    CustomTableModel sequenceModel{{}, 1};
    int replaced = 0;
};

ImageObject *picture(int seed, double seconds = 5)
{
    ProjectFixture fixture;
    ImageObject *record = fixture.addPicture(QSize(40, 40), seed, seconds);
    fixture.pictures.clear();
    return record;
}

} // namespace

class TestProjectFlow : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;

    QString savedProject(const char *name, int pictureCount)
    {
        ProjectFixture fixture;
        for (int i = 0; i < pictureCount; ++i)
            fixture.addPicture(QSize(40, 40), 10 + i, 1 + i);
        const QString path = work.filePath(QLatin1String(name));
        return ProjectWriter().save(ProjectWriter::Input::current(fixture.pictures, fixture.sequences), path).ok ? path
                                                                                                                 : QString();
    }

    static int picturesIn(const QString &path)
    {
        const ProjectReader::Result result = ProjectReader().read(path);
        return result.ok ? int(result.content->pictures.size()) : -1;
    }

private slots:
    void cleanup()
    {
        DisplayParameters::resetToDefaults();
        TestColorUtil::instance()->resetToDefaults();
    }

    void changesMarkTheProjectAndSavingClearsIt()
    {
        Lists lists;
        ScriptedPrompts prompts;
        ProjectFlow flow(lists.access(), &prompts);
        lists.watchBoth(flow);
        QSignalSpy changed(&flow, &ProjectFlow::stateChanged);
        QCOMPARE(flow.windowTitle(QStringLiteral("Rotavue Display")), QStringLiteral("Untitled[*] - Rotavue Display"));
        QVERIFY(!flow.isModified());

        lists.add(picture(1));
        QVERIFY(flow.isModified());
        QCOMPARE(changed.count(), 1);
        lists.pictureModel.refreshObject(lists.pictures().first()); // a time edited in the row
        QCOMPARE(changed.count(), 1);                                // already marked

        prompts.fileToSave = work.filePath(QStringLiteral("first")); // the suffix is added
        QVERIFY(flow.saveAs());
        QCOMPARE(prompts.asked, QStringList{QStringLiteral("file to save, suggested Untitled.rotavue")});
        QCOMPARE(flow.path(), work.filePath(QStringLiteral("first.rotavue")));
        QVERIFY(!flow.isModified());
        QCOMPARE(flow.windowTitle(QStringLiteral("R")), QStringLiteral("first[*] - R"));
        QCOMPARE(picturesIn(flow.path()), 1);

        lists.pictureModel.refreshObject(lists.pictures().first());
        QVERIFY(flow.isModified());
        QVERIFY(flow.save()); // to the same file, without asking
        QCOMPARE(prompts.asked.size(), 1);
        QVERIFY(!flow.isModified());
    }

    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        for (const char *command : {"close", "new", "open"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, save").arg(QLatin1String(command))))
                << command << int(ProjectPrompts::Answer::Save);
            QTest::newRow(qPrintable(QStringLiteral("%1, discard").arg(QLatin1String(command))))
                << command << int(ProjectPrompts::Answer::Discard);
            QTest::newRow(qPrintable(QStringLiteral("%1, cancel").arg(QLatin1String(command))))
                << command << int(ProjectPrompts::Answer::Cancel);
        }
    }

    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        const QString other = savedProject("other.rotavue", 3);
        QVERIFY(!other.isEmpty());
        const QString mine = savedProject("mine.rotavue", 1);
        Lists lists;
        ScriptedPrompts prompts;
        ProjectFlow flow(lists.access(), &prompts);
        lists.watchBoth(flow);
        QVERIFY(flow.openFile(mine));
        lists.add(picture(2)); // the unsaved change
        prompts.answer = ProjectPrompts::Answer(answer);
        prompts.fileToOpen = other;

        bool done = false;
        if (command == QLatin1String("close"))
            done = flow.confirmDiscard();
        else if (command == QLatin1String("new"))
            done = flow.newProject();
        else
            done = flow.open();

        QCOMPARE(prompts.asked.value(0), QStringLiteral("save changes of mine"));
        const bool cancelled = prompts.answer == ProjectPrompts::Answer::Cancel;
        QCOMPARE(done, !cancelled);
        // Saved only when the user said so; the file chooser only when going on.
        QCOMPARE(picturesIn(mine), prompts.answer == ProjectPrompts::Answer::Save ? 2 : 1);
        QCOMPARE(prompts.asked.contains(QStringLiteral("file to open")), command == QLatin1String("open") && !cancelled);
        if (cancelled) {
            QCOMPARE(lists.pictures().size(), 2);
            QVERIFY(flow.isModified());
            QCOMPARE(flow.path(), mine);
        } else if (command == QLatin1String("new")) {
            QCOMPARE(lists.pictures().size(), 0);
            QCOMPARE(flow.path(), QString());
            QVERIFY(!flow.isModified());
        } else if (command == QLatin1String("open")) {
            QCOMPARE(lists.pictures().size(), 3);
            QCOMPARE(flow.path(), other);
            QVERIFY(!flow.isModified());
        }
        QVERIFY(prompts.told.isEmpty());
    }

    void nothingIsAskedWithoutChangesOrWithAnEmptyPlaylist()
    {
        Lists lists;
        ScriptedPrompts prompts;
        ProjectFlow flow(lists.access(), &prompts);
        lists.watchBoth(flow);
        QVERIFY(flow.confirmDiscard()); // nothing changed
        lists.add(picture(3));
        lists.pictureModel.delRow(0, 1); // the user deleted it again: modified, but empty
        QVERIFY(flow.isModified());
        QVERIFY(flow.confirmDiscard());
        QVERIFY(flow.newProject());
        QVERIFY(prompts.asked.isEmpty());
    }

    void aBadFileKeepsThePlaylist()
    {
        const QString bad = work.filePath(QStringLiteral("bad.rotavue"));
        QVERIFY(writeBytes(bad, QByteArray("no project here")));
        Lists lists;
        ScriptedPrompts prompts;
        ProjectFlow flow(lists.access(), &prompts);
        lists.watchBoth(flow);
        lists.add(picture(4));
        prompts.answer = ProjectPrompts::Answer::Discard;
        QVERIFY(!flow.openFile(bad));
        QCOMPARE(prompts.told.size(), 1);
        QVERIFY2(prompts.told.first().contains(bad), qPrintable(prompts.told.first()));
        QCOMPARE(lists.replaced, 0);
        QCOMPARE(lists.pictures().size(), 1);
        QVERIFY(flow.isModified()); // still the unsaved work it was
    }

    void otherDisplayParametersAsk_data()
    {
        QTest::addColumn<bool>("switchDisplay");
        QTest::newRow("switch") << true;
        QTest::newRow("cancel") << false;
    }

    void otherDisplayParametersAsk()
    {
        QFETCH(bool, switchDisplay);
        DisplayParameters::setLedCount(48);
        TestColorUtil::instance()->value(5)->setBlue(77);
        const QString small = savedProject("small.rotavue", 2);
        DisplayParameters::resetToDefaults();
        TestColorUtil::instance()->resetToDefaults();

        Lists lists;
        ScriptedPrompts prompts;
        ProjectFlow flow(lists.access(), &prompts);
        lists.add(picture(5));
        prompts.switchDisplay = switchDisplay;
        QCOMPARE(flow.openFile(small), switchDisplay);
        QCOMPARE(prompts.asked, QStringList{QStringLiteral("switch to 48 x 450")});
        QCOMPARE(DisplayParameters::ledCount(), switchDisplay ? 48 : 112);
        QCOMPARE(TestColorUtil::instance()->value(5)->blue(), switchDisplay ? 77 : 4);
        QCOMPARE(lists.pictures().size(), switchDisplay ? 2 : 1);
    }

    void failedOrCancelledSavesKeepTheState_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("unwritable") << false;
        QTest::newRow("cancelled") << true;
    }

    void failedOrCancelledSavesKeepTheState()
    {
        QFETCH(bool, cancel);
        Lists lists;
        ScriptedPrompts prompts;
        ProjectFlow flow(lists.access(), &prompts);
        lists.watchBoth(flow);
        lists.add(picture(6));
        prompts.cancelWork = cancel;
        prompts.fileToSave = cancel ? work.filePath(QStringLiteral("never.rotavue"))
                                    : work.filePath(QStringLiteral("no/such/folder/show.rotavue"));
        QVERIFY(!flow.save());
        QCOMPARE(prompts.told.size(), cancel ? 0 : 1);
        QVERIFY(cancel || prompts.told.first().contains(prompts.fileToSave));
        QVERIFY(flow.isModified());
        QCOMPARE(flow.path(), QString());
        QVERIFY(!QFile::exists(prompts.fileToSave));
        // A save that fails on the way out of the question keeps the window open.
        prompts.answer = ProjectPrompts::Answer::Save;
        QVERIFY(!flow.confirmDiscard());
    }

    void aDisplayChangeForgetsTheProject()
    {
        Lists lists;
        ScriptedPrompts prompts;
        ProjectFlow flow(lists.access(), &prompts);
        QVERIFY(flow.openFile(savedProject("kept.rotavue", 1)));
        flow.playlistDiscarded();
        QCOMPARE(flow.path(), QString());
        QCOMPARE(flow.name(), QStringLiteral("Untitled"));
    }
};

QTEST_GUILESS_MAIN(TestProjectFlow)
#include "tst_projectflow.moc"
