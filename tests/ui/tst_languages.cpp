// Switching languages: each language's catalogues loaded once, the toolkit's
// texts back to English after Chinese, the window, its menus, row editors and
// open dialogs retranslated, and a font for the Chinese texts.
#include "display/ImageObject.h"
#include "edit/UpdateImageContract.h"
#include "ui/CustomTableModel.h"
#include "ui/LanguageSwitcher.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"
#include "ui/UpdateLedCountDialog.h"

#include "LogCapture.h"
#include "TestWorkDir.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolBox>
#include <QtTest>

namespace {

QString toolkitCancel()
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

// Counts the catalogue installations and removals the application is told of.
class LanguageChanges : public QObject
{
public:
    LanguageChanges() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

// The texts a user sees of the main window, its menus and status bar.
QStringList windowTexts(const MainWindow &window)
{
    const MainWindowForm &ui = window.form();
    QStringList texts = {ui.toolsMenu->title(), ui.actionLedCount->text(), ui.actionLineCount->text(),
                         ui.languageMenu->title(), ui.actionOpenImage->text(), ui.actionSettingColor->text(),
                         ui.toolBox->itemText(0), ui.btnDelImage->text(), ui.lineLabel->text(), ui.ledLabel->text()};
    texts << window.findChild<QAction *>(QStringLiteral("contrastAction"))->text();
    return texts;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;

private slots:
    void englishSlotTwiceLogsTwiceLoadsOnce()
    {
        MainWindow window;
        LanguageChanges changes;
        LogCapture log;
        window.onBtnEnUsClick();
        window.onBtnEnUsClick();
        QCOMPARE(log.count(QStringLiteral("onBtnEnUsClick")), 2);
        QCOMPARE(changes.count, 1);
        QCOMPARE(window.form().actionOpenImage->text(), QStringLiteral("Import Picture"));
    }

    void eachLanguageHasItsTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("simplified") << int(LanguageSwitcher::ZhCn) << QStringLiteral("调整对比度")
                                    << QStringLiteral("取消");
        QTest::newRow("traditional") << int(LanguageSwitcher::ZhHk) << QStringLiteral("調整對比度")
                                     << QStringLiteral("取消");
        QTest::newRow("english") << int(LanguageSwitcher::EnUs) << QStringLiteral("Adjust the contrast")
                                 << QStringLiteral("Cancel");
    }

    void eachLanguageHasItsTexts()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, cancel);
        LanguageSwitcher languages;
        QVERIFY(languages.switchTo(LanguageSwitcher::Language(language)));
        QCOMPARE(QCoreApplication::translate("UpdateImageContract", "updatecontract_btn_title"), title);
        QCOMPARE(toolkitCancel(), cancel);
    }

    void toolkitTextsAreEnglishAgainAfterChinese()
    {
        LanguageSwitcher languages;
        languages.switchTo(LanguageSwitcher::ZhHk);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), QStringLiteral("關閉"));
        languages.switchTo(LanguageSwitcher::ZhCn);
        QCOMPARE(toolkitCancel(), QStringLiteral("取消"));
        QDialogButtonBox open(QDialogButtonBox::Cancel);
        languages.switchTo(LanguageSwitcher::EnUs);
        QCOMPARE(toolkitCancel(), QStringLiteral("Cancel"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), QStringLiteral("Close"));
        QTRY_COMPARE(open.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    }

    void theWindowAndItsMenusFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("checked");
        QTest::newRow("simplified") << QStringLiteral("onBtnZhCnClick")
                                    << QStringList{QStringLiteral("工具(&T)"), QStringLiteral("LED数量…"),
                                                   QStringLiteral("分辨率…"), QStringLiteral("语言(&L)"),
                                                   QStringLiteral("导入图片"), QStringLiteral("颜色调试参数"),
                                                   QStringLiteral("图片列表"), QStringLiteral("删除图片"),
                                                   QStringLiteral(" 线数：450"), QStringLiteral(" LED数：112"),
                                                   QStringLiteral("调整对比度")}
                                    << QStringLiteral("actionZhCn");
        QTest::newRow("traditional") << QStringLiteral("onBtnZhHkClick")
                                     << QStringList{QStringLiteral("工具(&T)"), QStringLiteral("LED數量…"),
                                                    QStringLiteral("解像度…"), QStringLiteral("語言(&L)"),
                                                    QStringLiteral("匯入圖片"), QStringLiteral("顏色調試參數"),
                                                    QStringLiteral("圖片列表"), QStringLiteral("刪除圖片"),
                                                    QStringLiteral(" 線數：450"), QStringLiteral(" LED數：112"),
                                                    QStringLiteral("調整對比度")}
                                     << QStringLiteral("actionZhHk");
        QTest::newRow("english") << QStringLiteral("onBtnEnUsClick")
                                 << QStringList{QStringLiteral("&Tools"), QStringLiteral("LED count…"),
                                                QStringLiteral("Line count…"), QStringLiteral("&Language"),
                                                QStringLiteral("Import Picture"), QStringLiteral("Colour calibration"),
                                                QStringLiteral("Picture List"), QStringLiteral("Del"),
                                                QStringLiteral(" LINE:450"), QStringLiteral(" LED:112"),
                                                QStringLiteral("Adjust contrast")}
                                 << QStringLiteral("actionEnUs");
    }

    void theWindowAndItsMenusFollowTheLanguage()
    {
        QFETCH(QString, slot);
        QFETCH(QStringList, texts);
        QFETCH(QString, checked);
        MainWindow window;
        // Start from another language, so that each row really switches.
        window.onBtnZhHkClick();
        window.onBtnEnUsClick();
        QVERIFY(QMetaObject::invokeMethod(&window, slot.toLatin1().constData()));
        QCOMPARE(windowTexts(window), texts);
        const QList<QAction *> languages = window.form().languageGroup->actions();
        QCOMPARE(languages.size(), 3);
        for (QAction *action : languages)
            QCOMPARE(action->isChecked(), action->objectName() == checked);
    }

    void openRowEditorsAndDialogsFollowTheLanguage()
    {
        MainWindow window;
        window.onBtnEnUsClick();
        auto *image = new ImageObject(1, QString(), 5, ImageObject::PictureFile);
        // Three pictures: the position box offers the positions that exist.
        window.pictureModel()->appendItems({CustomTableItem(image),
                                            CustomTableItem(new ImageObject(2, QString(), 5, ImageObject::PictureFile)),
                                            CustomTableItem(new ImageObject(3, QString(), 5, ImageObject::PictureFile))});
        const QModelIndex row = window.pictureModel()->index(0, 0);
        window.form().tableView->openPersistentEditor(row);
        QWidget *editor = window.form().tableView->indexWidget(row);
        QVERIFY(editor);
        auto *unit = editor->findChild<QLabel *>(QStringLiteral("unitLabel"));
        auto *position = editor->findChild<QComboBox *>(QStringLiteral("positionBox"));
        QCOMPARE(unit->text(), QStringLiteral("s"));
        UpdateLedCountDialog leds(&window);
        UpdateImageContract contrast(nullptr, image, &window);
        auto *contrastLabel = contrast.findChild<QLabel *>(QStringLiteral("label"));
        QCOMPARE(leds.windowTitle(), QStringLiteral("Change the LED count"));
        QCOMPARE(contrastLabel->text(), QStringLiteral("Contrast:"));

        window.onBtnZhHkClick();
        QTRY_COMPARE(unit->text(), QStringLiteral("秒"));
        QCOMPARE(position->itemText(2), QStringLiteral("第3張"));
        QTRY_COMPARE(leds.windowTitle(), QStringLiteral("修改LED數量"));
        QCOMPARE(leds.findChild<QPushButton *>(QStringLiteral("cancelButton"))->text(), QStringLiteral("取消"));
        QTRY_COMPARE(contrastLabel->text(), QStringLiteral("對比度："));
        QCOMPARE(contrast.windowTitle(), QStringLiteral("調整對比度"));
    }

    void chineseHasAFont()
    {
        QVERIFY2(!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty(),
                 "no font for simplified Chinese: run scripts/install-deps.sh");
        QVERIFY(!QFontDatabase::families(QFontDatabase::TraditionalChinese).isEmpty());
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
