// The busy dialog as its owners drive it: completion from inside the modal
// loop, cancel while the job still runs, and its layout.
#include "import/ProgressDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

// An owner as the main window and the video import keep one.
struct Owner {
    ProgressDialog *progressDialog = nullptr;
    bool jobRunning = true;

    void onJobFinished()
    {
        jobRunning = false;
        if (progressDialog) {
            progressDialog->accept();
            delete progressDialog;
            progressDialog = nullptr;
        }
    }
};

QLabel *indicatorOf(const ProgressDialog &dialog)
{
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->movie())
            return label;
    }
    return nullptr;
}

} // namespace

class TestProgressDialog : public QObject
{
    Q_OBJECT
public:
    enum CancelBy { CancelButton, EscapeKey, WindowClose };
    Q_ENUM(CancelBy)

private slots:
    void animationRunsWithoutOwner();
    void completionEndsModalLoop();
    void cancelLeavesJobRunning_data();
    void cancelLeavesJobRunning();
    void longMessageStaysCentredAboveBar();
};

void TestProgressDialog::animationRunsWithoutOwner()
{
    ProgressDialog dialog(QStringLiteral("Writing the card"));
    QLabel *indicator = indicatorOf(dialog);
    QVERIFY(indicator);
    QCOMPARE(indicator->size(), QSize(72, 72));
    QMovie *movie = indicator->movie();
    QCOMPARE(movie->parent(), &dialog);
    QCOMPARE(movie->fileName(), QStringLiteral(":/images/progress.gif"));
    if (movie->isValid()) // the animation is drawn by someone else and may be missing yet
        QCOMPARE(movie->state(), QMovie::Running);
    QCOMPARE(dialog.textLabel()->text(), QStringLiteral("Writing the card"));
}

void TestProgressDialog::completionEndsModalLoop()
{
    Owner owner;
    owner.progressDialog = new ProgressDialog(QStringLiteral("Writing the card"));
    QPointer<ProgressDialog> watch = owner.progressDialog;
    QTimer::singleShot(0, [&owner] { owner.onJobFinished(); });
    owner.progressDialog->exec(); // returns although the dialog is gone
    QVERIFY(watch.isNull());
    QCOMPARE(owner.progressDialog, nullptr);
    QVERIFY(!owner.jobRunning);
}

void TestProgressDialog::cancelLeavesJobRunning_data()
{
    QTest::addColumn<CancelBy>("cancelBy");
    QTest::newRow("Cancel button") << CancelButton;
    QTest::newRow("Escape") << EscapeKey;
    QTest::newRow("title-bar close") << WindowClose;
}

void TestProgressDialog::cancelLeavesJobRunning()
{
    QFETCH(CancelBy, cancelBy);

    Owner owner;
    owner.progressDialog = new ProgressDialog(QStringLiteral("Reading the stick"));
    ProgressDialog *dialog = owner.progressDialog;
    QTimer::singleShot(0, dialog, [dialog, cancelBy] {
        switch (cancelBy) {
        case CancelButton:
            dialog->findChild<QDialogButtonBox *>()->buttons().constFirst()->click();
            break;
        case EscapeKey:
            QTest::keyClick(dialog, Qt::Key_Escape);
            break;
        case WindowClose:
            dialog->close();
            break;
        }
    });
    QCOMPARE(owner.progressDialog->exec(), int(QDialog::Rejected));
    QVERIFY(owner.jobRunning); // how the owner tells a cancel from a completion
    QCOMPARE(owner.progressDialog, dialog);
    delete owner.progressDialog;
    owner.progressDialog = nullptr;
}

void TestProgressDialog::longMessageStaysCentredAboveBar()
{
    ProgressDialog dialog(QStringLiteral("Writing the card file to the stick, this takes a while for long playlists"));
    dialog.resize(900, 200);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto *bar = dialog.findChild<QGroupBox *>();
    QVERIFY(bar);
    QCOMPARE(bar->height(), 40);
    QCOMPARE(bar->minimumHeight(), 40);
    QCOMPARE(bar->maximumHeight(), 40);
    QCOMPARE(bar->geometry().bottom(), dialog.height() - 1);
    const QList<QAbstractButton *> buttons = bar->findChild<QDialogButtonBox *>()->buttons();
    QCOMPARE(buttons.size(), 1);

    const QRect indicator = indicatorOf(dialog)->geometry();
    const QRect text = dialog.textLabel()->geometry();
    const int leftGap = indicator.left();
    const int rightGap = dialog.width() - 1 - text.right();
    QVERIFY2(leftGap > 0 && qAbs(leftGap - rightGap) <= 1,
             qPrintable(QStringLiteral("left %1, right %2").arg(leftGap).arg(rightGap)));
}

QTEST_MAIN(TestProgressDialog)
#include "tst_progressdialog.moc"
