#include "app/AboutText.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "ui/CustomTableModel.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"
#include "ui/ShortcutList.h"

#include "ModalAnswerer.h"
#include "TestWorkDir.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolBox>
#include <QTranslator>

namespace {

QStringList names(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions())
        result << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return result;
}

// The letter after a single '&', or a null character when there is none.
QChar mnemonic(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (text.at(i + 1) != QLatin1Char('&'))
                return text.at(i + 1).toLower();
            ++i;
        }
    }
    return QChar();
}

ImageObject *timed(int index)
{
    return new ImageObject(index, QString(), index, ImageObject::PictureFile);
}

QList<int> times(const MainWindow &window)
{
    QList<int> result;
    for (const ImageObject *picture : window.pictureList())
        result << int(picture->displayTime());
    return result;
}

} // namespace

class TestMainMenus : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    QTranslator english;

private slots:
    void initTestCase()
    {
        QVERIFY(work.isValid());
        ModalAnswerer::keepSettingsIn(work.filePath(QStringLiteral("config")));
        QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
        QCoreApplication::installTranslator(&english);
    }

    void theMenuBarIsTheUsualOne()
    {
        MainWindow window;
        const MainWindowForm &ui = window.form();
        QStringList titles;
        for (const QAction *menu : window.menuBar()->actions())
            titles << menu->menu()->objectName();
        QCOMPARE(titles, (QStringList{"fileMenu", "editMenu", "toolsMenu", "languageMenu", "helpMenu"}));
        QCOMPARE(names(ui.fileMenu),
                 (QStringList{"actionNewProject", "actionOpenProject", "-", "actionSaveProject", "actionSaveProjectAs",
                              "-", "actionOpenImage", "actionImportGif", "actionImportVideo", "actionNewDiy", "-",
                              "actionDownload", "-", "actionQuit"}));
        QCOMPARE(names(ui.editMenu), (QStringList{"actionDelete", "-", "actionMoveUp", "actionMoveDown"}));
        QCOMPARE(names(ui.helpMenu), (QStringList{"actionShortcuts", "actionAbout"}));
        QCOMPARE(ui.editMenu->title(), QStringLiteral("&Edit"));
        QCOMPARE(ui.helpMenu->title(), QStringLiteral("&Help"));
    }

    void everyMenuHasItsOwnMnemonic()
    {
        MainWindow window;
        QList<QChar> used;
        for (const QAction *item : window.menuBar()->actions()) {
            const QChar key = mnemonic(item->menu()->title());
            QVERIFY2(!key.isNull(), qPrintable(item->menu()->title()));
            QVERIFY2(!used.contains(key), qPrintable(item->menu()->title()));
            used << key;
        }
        // Within the Edit and Help menus too.
        for (const QMenu *menu : {window.form().editMenu, window.form().helpMenu}) {
            QList<QChar> inMenu;
            for (const QAction *action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                const QChar key = mnemonic(action->text());
                QVERIFY2(!key.isNull() && !inMenu.contains(key), qPrintable(action->text()));
                inMenu << key;
            }
        }
    }

    void shortcutsAreTheDesktopsAndNeverTwice()
    {
        MainWindow window;
        const MainWindowForm &ui = window.form();
        const QList<QPair<QAction *, QKeySequence::StandardKey>> standard{
            {ui.actionNewProject, QKeySequence::New},   {ui.actionOpenProject, QKeySequence::Open},
            {ui.actionSaveProject, QKeySequence::Save}, {ui.actionSaveProjectAs, QKeySequence::SaveAs},
            {ui.actionQuit, QKeySequence::Quit},        {ui.actionDelete, QKeySequence::Delete},
            {ui.actionShortcuts, QKeySequence::HelpContents}};
        for (const auto &[action, key] : standard) {
            if (!QKeySequence::keyBindings(key).isEmpty())
                QCOMPARE(action->shortcut(), QKeySequence::keyBindings(key).first());
            QVERIFY(!action->shortcut().isEmpty());
        }
        QList<QKeySequence> keys;
        for (const QAction *action : ui.allMenuActions()) {
            for (const QKeySequence &key : action->shortcuts()) {
                QVERIFY2(!keys.contains(key), qPrintable(key.toString()));
                keys << key;
            }
        }
        QVERIFY(!ui.actionMoveUp->shortcut().isEmpty());
        QVERIFY(!ui.actionMoveDown->shortcut().isEmpty());
    }

    void theToolbarSaysWhatEachButtonDoes()
    {
        MainWindow window;
        int buttons = 0;
        for (const QAction *action : window.form().toolBar->actions()) {
            if (action->isSeparator() || action->text().isEmpty())
                continue;
            ++buttons;
            QVERIFY2(!action->toolTip().isEmpty() && action->toolTip() != action->text(), qPrintable(action->text()));
        }
        QCOMPARE(buttons, 5);
    }

    void editMovesTheRowOfTheListShown_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<int>("selected");
        QTest::newRow("up") << 2 << true << QList<int>{1, 3, 2} << 1;
        QTest::newRow("down") << 0 << false << QList<int>{2, 1, 3} << 1;
        QTest::newRow("the first cannot go up") << 0 << true << QList<int>{1, 2, 3} << 0;
        QTest::newRow("the last cannot go down") << 2 << false << QList<int>{1, 2, 3} << 2;
    }

    void editMovesTheRowOfTheListShown()
    {
        QFETCH(int, row);
        QFETCH(bool, up);
        QFETCH(QList<int>, order);
        QFETCH(int, selected);
        MainWindow window;
        window.pictureModel()->appendItems({CustomTableItem(timed(1)), CustomTableItem(timed(2)),
                                            CustomTableItem(timed(3))});
        auto *media = new MediaObject(0, QStringLiteral("a.gif"));
        window.sequenceModel()->appendItems({CustomTableItem(media)});
        const MainWindowForm &ui = window.form();
        ui.toolBox->setCurrentIndex(0);
        ui.tableView->setCurrentIndex(window.pictureModel()->index(row, 0));
        (up ? ui.actionMoveUp : ui.actionMoveDown)->trigger();
        QCOMPARE(times(window), order);
        QCOMPARE(window.pictureList().first()->index(), 1);
        QCOMPARE(window.pictureList().last()->index(), 3);
        QCOMPARE(ui.tableView->currentIndex().row(), selected);
        QCOMPARE(window.sequenceList(), QList<MediaObject *>{media});
    }

    void editDeleteActsOnTheListShown()
    {
        MainWindow window;
        window.pictureModel()->appendItems({CustomTableItem(timed(1)), CustomTableItem(timed(2))});
        window.sequenceModel()->appendItems({CustomTableItem(new MediaObject(0, QStringLiteral("a.gif")))});
        const MainWindowForm &ui = window.form();
        ui.toolBox->setCurrentIndex(1);
        ui.tableViewMedia->setCurrentIndex(window.sequenceModel()->index(0, 0));
        ui.tableView->setCurrentIndex(window.pictureModel()->index(0, 0));
        ui.toolBox->setCurrentIndex(1);
        ui.actionDelete->trigger();
        QCOMPARE(window.sequenceModel()->rowCount(), 0);
        QCOMPARE(window.pictureModel()->rowCount(), 2);
        ui.toolBox->setCurrentIndex(0);
        ui.actionDelete->trigger();
        QCOMPARE(times(window), QList<int>{2});
    }

    void helpListsTheShortcuts()
    {
        MainWindow window;
        const QList<ShortcutList::Entry> entries = ShortcutList::of(window.form().allMenuActions());
        QStringList texts;
        for (const ShortcutList::Entry &entry : entries) {
            texts << entry.text;
            QVERIFY(!entry.keys.isEmpty());
        }
        QVERIFY2(texts.contains(QStringLiteral("Save Project")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY(texts.contains(QStringLiteral("Move Up")));
        QVERIFY(!texts.contains(QStringLiteral("About Rotavue"))); // it has no key
        const QString html = ShortcutList::html(window.form().allMenuActions());
        QVERIFY(html.contains(window.form().actionSaveProject->shortcut().toString(QKeySequence::NativeText)));
        // Listed once, however often it is met.
        QAction *save = window.form().actionSaveProject;
        QCOMPARE(ShortcutList::of({save, save, nullptr}).size(), 1);
    }

    void aboutNamesTheVersionAndTheLibraries()
    {
        const QString html = AboutText::html();
        QVERIFY(!AboutText::programVersion().isEmpty());
        QVERIFY(AboutText::programVersion() != QLatin1String("unknown"));
        QVERIFY(html.contains(AboutText::programVersion()));
        QVERIFY(html.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
        for (const AboutText::Library &library : AboutText::libraries()) {
            QVERIFY(!library.licence.isEmpty());
            QVERIFY(html.contains(library.licence));
        }
    }

    void thePictureChooserTakesWhatCamerasWrite()
    {
        MainWindow window;
        const QString typed = work.filePath(QStringLiteral("TYPED.JPG"));
        QImage photo(80, 60, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        QVERIFY(photo.save(typed, "JPG"));
        ModalAnswerer answers;
        answers.thenChooseFile(typed);
        answers.then([](QWidget *modal) {
            for (QPushButton *button : modal->findChildren<QPushButton *>()) {
                if (button->text() == QLatin1String("Import completed") && button->isEnabled()) {
                    button->click();
                    return true;
                }
            }
            return false;
        });
        window.onActionOpenImage();
        QTRY_VERIFY(answers.done());
        const QString filters = answers.texts().first();
        for (const char *pattern : {"*.JPG", "*.jpeg", "*.JPEG", "*.PNG", "*.png", "*.jpg"})
            QVERIFY2(filters.contains(QLatin1String(pattern)), qPrintable(filters));
        QCOMPARE(window.pictureModel()->rowCount(), 1);
    }
};

QTEST_MAIN(TestMainMenus)
#include "tst_mainmenus.moc"
