// The question for a damaged GIF: it names the file, what is wrong and how
// many frames can be read, and adds nothing unless the user says so.
#include "ui/DamagedGifQuestion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class TestDamagedGifQuestion : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

void TestDamagedGifQuestion::answers_data()
{
    QTest::addColumn<int>("wholeFrames");
    QTest::addColumn<QString>("press"); // a button's object name, or "escape"
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("keepText");

    QTest::newRow("keep two frames") << 2 << DamagedGifQuestion::keepButtonName << true << "Import 2 frames";
    QTest::newRow("keep the first frame") << 1 << DamagedGifQuestion::keepButtonName << true << "Import the first frame";
    QTest::newRow("add nothing") << 3 << DamagedGifQuestion::dropButtonName << false << "Import 3 frames";
    QTest::newRow("escape adds nothing") << 3 << "escape" << false << "Import 3 frames";
}

void TestDamagedGifQuestion::answers()
{
    QFETCH(int, wholeFrames);
    QFETCH(QString, press);
    QFETCH(bool, kept);
    QFETCH(QString, keepText);

    ImageIntegrity::Finding damage;
    damage.damaged = true;
    damage.reason = QStringLiteral("the file ends inside frame %1.").arg(wholeFrames + 1);
    damage.wholeFrames = wholeFrames;

    QString text;
    QString shownKeepText;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        shownKeepText = box->findChild<QAbstractButton *>(DamagedGifQuestion::keepButtonName)->text();
        if (press == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->findChild<QAbstractButton *>(press)->click();
    });
    QCOMPARE(DamagedGifQuestion::keepFrames(nullptr, QStringLiteral("/tmp/party.gif"), damage), kept);
    QVERIFY2(text.contains(QLatin1String("/tmp/party.gif")) && text.contains(damage.reason), qPrintable(text));
    QCOMPARE(shownKeepText, keepText);
}

QTEST_MAIN(TestDamagedGifQuestion)
#include "tst_damagedgifquestion.moc"
