#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "edit/GetImgeLocationDialog.h"
#include "import/LoadMediaDialog.h"
#include "ui/CustomTableModel.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"

#include "TestClip.h"
#include "TestWorkDir.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBox>
#include <QtTest>

namespace {

// Closes the crop dialog with OK and presses Start once the dialog offers it.
class UserAtTheDialog : public QObject
{
public:
    QStringList messages;
    UserAtTheDialog()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *crop = qobject_cast<GetImgeLocationDialog *>(modal)) {
                crop->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                messages.append(box->text());
                box->accept();
            } else if (auto *dialog = qobject_cast<LoadMediaDialog *>(modal)) {
                auto *start = dialog->findChild<QPushButton *>(QStringLiteral("okBut"));
                if (start->isEnabled())
                    start->click();
            }
        });
        timer.start(20);
    }

private:
    QTimer timer;
};

} // namespace

class TestVideoImport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(work.isValid());
        clip = clips.filePath(QStringLiteral("three seconds.avi"));
        const QString made = TestClip::make(clip, 3.2, QSize(320, 240));
        QVERIFY2(made.isEmpty(), qPrintable(made));
    }

    void importVideoIsOffered()
    {
        MainWindow window;
        QVERIFY(window.form().actionImportVideo->isEnabled());
    }

    void wholeClipBecomesOneSequenceOnTheVideoPage()
    {
        MainWindow window;
        window.form().toolBox->setCurrentIndex(0);
        UserAtTheDialog user;
        window.importVideo(clip);
        QVERIFY2(user.messages.isEmpty(), qPrintable(user.messages.join('\n')));
        QCOMPARE(window.sequenceModel()->rowCount(), 1);
        MediaObject *media = window.sequenceList().first();
        QVERIFY(!media->isGif());
        QCOMPARE(media->name(), clip);
        // 0 s to 3 s, the clip's last whole second.
        QCOMPARE(media->frameCount(), 31);
        for (int i = 0; i < media->frameCount(); ++i) {
            QCOMPARE(media->frame(i)->index(), i + 1);
            QCOMPARE(TestClip::frameShownIn(media->frame(i), QSize(320, 240)), (i * 100 + 39) / 40);
        }
        QCOMPARE(window.form().toolBox->currentIndex(), 1);
        window.onBtnPlayClick();
        QVERIFY(window.playing());
        window.onBtnStopClick();
    }

    void unreadableClipAddsNothing()
    {
        MainWindow window;
        const QString path = clips.filePath(QStringLiteral("words.mkv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is no film\n");
        file.close();
        UserAtTheDialog user;
        window.importVideo(path);
        QCOMPARE(user.messages.size(), 1);
        QVERIFY2(user.messages.first().contains(QLatin1String("words.mkv")), qPrintable(user.messages.first()));
        QCOMPARE(window.sequenceModel()->rowCount(), 0);
    }

private:
    TestWorkDir work;
    QTemporaryDir clips;
    QString clip;
};

QTEST_MAIN(TestVideoImport)
#include "tst_videoimport.moc"
