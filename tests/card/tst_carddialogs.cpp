#include "MessageBoxCatcher.h"

#include "LogCapture.h"
#include "card/GetSaveFileDialog.h"
#include "card/SelectUsbPathDialog.h"
#include "card/SetSaveParamsDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QStringList rows(const SelectUsbPathDialog &dialog)
{
    QStringList texts;
    const auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listWidget"));
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QPushButton *button(const QWidget &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

UsbDiskList disks(const QStringList &paths)
{
    UsbDiskList list;
    for (const QString &path : paths)
        list.append(UsbDiskInfo{path, 7.5f, 3.0f});
    return list;
}

} // namespace

class TestCardDialogs : public QObject
{
    Q_OBJECT
private slots:
    void selectUsbForm();
    void selectUsbStartsOnTheFirstStick();
    void selectUsbFollowsMounts();
    void selectUsbRemovingTheChosenStick();
    void selectUsbOkWithoutStickStaysOpen();
    void selectUsbCancel();
    void saveFileForm();
    void saveFileAccepts_data();
    void saveFileAccepts();
    void saveFileRefuses_data();
    void saveFileRefuses();
    void saveFileCancel();
    void saveParams_data();
    void saveParams();
};

void TestCardDialogs::selectUsbForm()
{
    SelectUsbPathDialog dialog({});
    QCOMPARE(dialog.objectName(), QStringLiteral("SelectUsbPathDialog"));
    QCOMPARE(dialog.size(), QSize(557, 306));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("选择U盘路径"));
    const auto *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("当前检测到的所有U盘："));
    QCOMPARE(label->styleSheet(), QStringLiteral("background-color: rgb(104, 104, 104);\ncolor: rgb(255, 255, 255);"));
    QCOMPARE(button(dialog, "okBut")->text(), QStringLiteral("确定"));
    QCOMPARE(button(dialog, "cancelBut")->text(), QStringLiteral("取消"));
    QCOMPARE(button(dialog, "okBut")->maximumHeight(), 35);
    const auto *group = dialog.findChild<QGroupBox *>(QStringLiteral("groupBox"));
    QVERIFY(group && group->isFlat());
    QCOMPARE(group->maximumHeight(), 50);
    const auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listWidget"));
    QVERIFY(list && !list->wordWrap() && !list->isSortingEnabled());
}

void TestCardDialogs::selectUsbStartsOnTheFirstStick()
{
    LogCapture log;
    SelectUsbPathDialog dialog(disks({QStringLiteral("/media/ann/B"), QStringLiteral("/media/ann/A")}));
    QCOMPARE(rows(dialog), (QStringList{QStringLiteral("/media/ann/B"), QStringLiteral("/media/ann/A")}));
    QCOMPARE(dialog.selectedPath(), QStringLiteral("/media/ann/B"));
    QVERIFY(log.contains(QStringLiteral("#SelectUsbPathDialog# currentSelectUsbChanged \"/media/ann/B\"")));
}

void TestCardDialogs::selectUsbFollowsMounts()
{
    SelectUsbPathDialog dialog({});
    QCOMPARE(dialog.selectedPath(), QString());
    dialog.usbMountEvent(QStringLiteral("/media/ann/FAIR"));
    QCOMPARE(dialog.selectedPath(), QStringLiteral("/media/ann/FAIR")); // the only row becomes current
    dialog.usbMountEvent(QStringLiteral("/media/ann/SHOP"));
    QCOMPARE(rows(dialog), (QStringList{QStringLiteral("/media/ann/FAIR"), QStringLiteral("/media/ann/SHOP")}));
    QCOMPARE(dialog.selectedPath(), QStringLiteral("/media/ann/FAIR"));

    dialog.usbUMountEvent(QStringLiteral("/media/ann/SHOP"));
    dialog.usbUMountEvent(QStringLiteral("/media/ann/NEVER"));
    QCOMPARE(rows(dialog), QStringList{QStringLiteral("/media/ann/FAIR")});

    dialog.show();
    button(dialog, "okBut")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedPath(), QStringLiteral("/media/ann/FAIR"));
}

void TestCardDialogs::selectUsbRemovingTheChosenStick()
{
    SelectUsbPathDialog dialog(disks({QStringLiteral("/media/a"), QStringLiteral("/media/b")}));
    dialog.usbUMountEvent(QStringLiteral("/media/a"));
    QCOMPARE(dialog.selectedPath(), QStringLiteral("/media/b"));
    dialog.usbUMountEvent(QStringLiteral("/media/b"));
    QCOMPARE(rows(dialog), QStringList());
    QCOMPARE(dialog.selectedPath(), QString()); // a pulled stick is never handed out
}

void TestCardDialogs::selectUsbOkWithoutStickStaysOpen()
{
    SelectUsbPathDialog dialog({});
    dialog.show();
    MessageBoxCatcher box;
    button(dialog, "okBut")->click();
    QTRY_VERIFY(box.caught());
    QCOMPARE(box.title(), QStringLiteral("dialog_title_tip"));
    QCOMPARE(box.text(), QStringLiteral("selectusb_title"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected)); // not ended
}

void TestCardDialogs::selectUsbCancel()
{
    SelectUsbPathDialog dialog(disks({QStringLiteral("/media/a")}));
    dialog.show();
    button(dialog, "cancelBut")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestCardDialogs::saveFileForm()
{
    GetSaveFileDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("GetSaveFileDialog"));
    QCOMPARE(dialog.size(), QSize(513, 200));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("请输入保存的文件名"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("请输入保存的文件名！"));
    const auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("txtFileName"));
    QVERIFY(edit && edit->text().isEmpty() && !edit->validator());
    QCOMPARE(edit->minimumHeight(), 35);
    QCOMPARE(button(dialog, "okBut")->text(), QStringLiteral("确定"));
    QCOMPARE(button(dialog, "cancelBut")->text(), QStringLiteral("取消"));
}

void TestCardDialogs::saveFileAccepts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("plain") << QStringLiteral("show") << QStringLiteral("#GetSaveFileDialog# onBtnOkClick \"show\" , len = 4");
    QTest::newRow("chinese counts bytes") << QStringLiteral("展示") << QStringLiteral("#GetSaveFileDialog# onBtnOkClick \"展示\" , len = 6");
}

void TestCardDialogs::saveFileAccepts()
{
    QFETCH(QString, name);
    QFETCH(QString, logLine);
    GetSaveFileDialog dialog;
    dialog.show();
    dialog.findChild<QLineEdit *>(QStringLiteral("txtFileName"))->setText(name);
    LogCapture log;
    button(dialog, "okBut")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.fileName(), name);
    QCOMPARE(log.count(logLine), 1);
}

void TestCardDialogs::saveFileRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("slash") << QStringLiteral("may/show");
    QTest::newRow("backslash") << QStringLiteral("may\\show");
    QTest::newRow("colon") << QStringLiteral("show:1");
    QTest::newRow("question mark") << QStringLiteral("show?");
    QTest::newRow("dots") << QStringLiteral("...");
    QTest::newRow("empty") << QString();
}

void TestCardDialogs::saveFileRefuses()
{
    QFETCH(QString, name);
    GetSaveFileDialog dialog;
    dialog.show();
    dialog.findChild<QLineEdit *>(QStringLiteral("txtFileName"))->setText(name);
    MessageBoxCatcher box;
    button(dialog, "okBut")->click();
    QTRY_VERIFY(box.caught());
    QCOMPARE(box.title(), QStringLiteral("dialog_title_tip"));
    QVERIFY2(box.text().contains(name), qPrintable(box.text()));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    // Mended, the same dialog accepts.
    dialog.findChild<QLineEdit *>(QStringLiteral("txtFileName"))->setText(QStringLiteral("show"));
    button(dialog, "okBut")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestCardDialogs::saveFileCancel()
{
    GetSaveFileDialog dialog;
    dialog.show();
    dialog.findChild<QLineEdit *>(QStringLiteral("txtFileName"))->setText(QStringLiteral("show"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestCardDialogs::saveParams_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("ok");
    QTest::newRow("only video, ok") << 1 << true;
    QTest::newRow("only pictures, cancel") << 2 << false;
}

void TestCardDialogs::saveParams()
{
    QFETCH(int, choice);
    QFETCH(bool, ok);
    SetSaveParamsDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("设置U盘参数"));
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("cmbPlayerModel"));
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("图片和视频都播放"));
    QCOMPARE(combo->itemText(1), QStringLiteral("只播放视频"));
    QCOMPARE(combo->itemText(2), QStringLiteral("只播放图片"));
    QCOMPARE(dialog.playerModel(), 0);
    dialog.show();
    combo->setCurrentIndex(choice);
    button(dialog, ok ? "okBut" : "cancelBut")->click();
    QCOMPARE(dialog.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(dialog.playerModel(), choice);
}

QTEST_MAIN(TestCardDialogs)
#include "tst_carddialogs.moc"
