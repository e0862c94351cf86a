// The calibration form: 32 rows of editors over the table, byte validators,
// and every keystroke reaching the table at once.
#include "display/SettingColorForm.h"
#include "display/TestColorUtil.h"
#include "display/TestValue.h"

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QScrollArea>
#include <QtTest>

#include <thread>

class TestSettingColorForm : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: the table comes into being on a worker thread, as when a
    // picture import converts before the form is ever opened.
    void initTestCase();
    void cleanup() { TestColorUtil::instance()->resetToDefaults(); }
    void formShape();
    void editorsShowTheTable();
    void typing_data();
    void typing();
    void closingKeepsTheEdits();
    void resetPutsTheDefaultsBack();
    void closeEndsTheForm();
};

void TestSettingColorForm::initTestCase()
{
    std::thread worker([] { TestColorUtil::instance(); });
    worker.join();
}

void TestSettingColorForm::formShape()
{
    SettingColorForm form;
    QCOMPARE(form.objectName(), QStringLiteral("SettingColorForm"));
    QCOMPARE(form.windowTitle(), QStringLiteral("颜色参数设置"));
    QVERIFY(form.isModal());
    QVERIFY(form.findChild<QScrollArea *>());

    QStringList rowLabels;
    QMap<QString, int> channelLabels;
    for (const QLabel *label : form.findChildren<QLabel *>()) {
        if (label->text().endsWith('.'))
            rowLabels << label->text();
        else
            ++channelLabels[label->text()];
    }
    QCOMPARE(rowLabels.size(), 32);
    for (int key = 1; key <= 32; ++key)
        QVERIFY2(rowLabels.contains(QString::number(key) + "."), qPrintable(QString::number(key)));
    QCOMPARE(channelLabels, (QMap<QString, int>{{"R:", 32}, {"G:", 32}, {"B:", 32}}));
    QCOMPARE(form.findChildren<QLineEdit *>().size(), 96);
}

void TestSettingColorForm::editorsShowTheTable()
{
    SettingColorForm form;
    for (int key = 1; key <= 32; ++key) {
        const TestValue *entry = TestColorUtil::instance()->value(key);
        const int outputs[] = {entry->red(), entry->green(), entry->blue()};
        for (int c = 0; c < 3; ++c) {
            const QString name = QStringLiteral("txt") + QLatin1Char("RGB"[c]) + QString::number(key);
            const QLineEdit *editor = form.findChild<QLineEdit *>(name);
            QVERIFY2(editor, qPrintable(name));
            QCOMPARE(editor->text(), QString::number(outputs[c]));
            QCOMPARE(editor->validator(), entry->validator());
        }
    }
}

void TestSettingColorForm::typing_data()
{
    QTest::addColumn<QString>("editorName");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");

    // Step 5 starts at red 5, green 4, blue 4; the editor is cleared first.
    QTest::newRow("third digit refused") << "txtR5" << "300" << "30" << 30;
    QTest::newRow("byte accepted") << "txtG5" << "255" << "255" << 255;
    QTest::newRow("letters refused") << "txtB5" << "a7b" << "7" << 7;
    QTest::newRow("cleared keeps the value") << "txtR5" << "" << "" << 5;
}

void TestSettingColorForm::typing()
{
    QFETCH(QString, editorName);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, stored);

    SettingColorForm form;
    auto *editor = form.findChild<QLineEdit *>(editorName);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, keys);

    // No event processing in between: the table follows each keystroke.
    const TestValue *entry = TestColorUtil::instance()->value(5);
    const QChar colour = editorName.at(3);
    const int actual = colour == 'R' ? entry->red() : colour == 'G' ? entry->green() : entry->blue();
    QCOMPARE(editor->text(), shown);
    QCOMPARE(actual, stored);
}

void TestSettingColorForm::closingKeepsTheEdits()
{
    {
        SettingColorForm form;
        auto *editor = form.findChild<QLineEdit *>("txtR32");
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "200");
        form.reject();
    }
    QCOMPARE(TestColorUtil::instance()->getTestRValue(255), 200);
    SettingColorForm reopened;
    QCOMPARE(reopened.findChild<QLineEdit *>("txtR32")->text(), QStringLiteral("200"));
}

void TestSettingColorForm::resetPutsTheDefaultsBack()
{
    SettingColorForm form;
    const TestValue *step5 = TestColorUtil::instance()->value(5);
    const int red = step5->red(), blue = step5->blue();
    auto *redBox = form.findChild<QLineEdit *>("txtR5");
    auto *blueBox = form.findChild<QLineEdit *>("txtB32");
    redBox->selectAll();
    QTest::keyClicks(redBox, "99");
    blueBox->selectAll();
    QTest::keyClicks(blueBox, "1");
    QCOMPARE(step5->red(), 99);
    auto *reset = form.findChild<QPushButton *>("btnReset");
    QVERIFY(reset);
    QCOMPARE(reset->text(), QStringLiteral("Reset to defaults"));
    reset->click();
    QCOMPARE(step5->red(), red);
    QCOMPARE(step5->blue(), blue);
    QCOMPARE(redBox->text(), QString::number(red));
    QCOMPARE(blueBox->text(), QString::number(TestColorUtil::instance()->value(32)->blue()));
    QVERIFY(TestColorUtil::instance()->value(32)->blue() != 1);
    // The table keeps working after a reset: typing still reaches it.
    redBox->selectAll();
    QTest::keyClicks(redBox, "42");
    QCOMPARE(step5->red(), 42);
}

void TestSettingColorForm::closeEndsTheForm()
{
    SettingColorForm form;
    auto *close = form.findChild<QPushButton *>("btnClose");
    QVERIFY(close);
    QTimer::singleShot(0, close, &QPushButton::click);
    QCOMPARE(form.exec(), int(QDialog::Accepted));
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(TestSettingColorForm)
#include "tst_settingcolorform.moc"
