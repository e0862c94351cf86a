// Changing the LED count and the line count: reading the typed number, the
// range each dialog lets through, the confirmation that empties the playlist,
// and the LED data of pictures converted afterwards.
#include "app/DisplayCountInput.h"
#include "app/DisplayParameters.h"
#include "app/DisplayParametersNotifier.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "display/MediaObject.h"
#include "ui/CustomTableModel.h"
#include "ui/DisplayGeometryFlow.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"
#include "ui/UpdateLedCountDialog.h"
#include "ui/UpdateLineNumberDialog.h"

#include "LogCapture.h"
#include "ModalAnswerer.h"
#include "TestWorkDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

enum Parameter { Leds, Lines };

std::unique_ptr<DisplayCountDialog> dialogFor(int parameter)
{
    if (parameter == Leds)
        return std::make_unique<UpdateLedCountDialog>();
    return std::make_unique<UpdateLineNumberDialog>();
}

int currentValue(int parameter)
{
    return parameter == Leds ? DisplayParameters::ledCount() : DisplayParameters::lineCount();
}

// Answers the geometry dialog: the text typed (none keeps what is there),
// then accepted, or rejected.
void answerDialog(ModalAnswerer &answerer, const std::optional<QString> &text, bool accept = true)
{
    answerer.then([text, accept](QWidget *modal) {
        auto *dialog = qobject_cast<DisplayCountDialog *>(modal);
        if (!dialog)
            return false;
        if (text)
            dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(*text);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
        return true;
    });
}

// Answers the confirmation, keeping its text and informative text.
void answerQuestion(ModalAnswerer &answerer, QMessageBox::StandardButton button, QStringList *texts = nullptr)
{
    answerer.then([button, texts](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return false;
        if (texts)
            *texts = QStringList{box->text(), box->informativeText()};
        box->button(button)->click();
        return true;
    });
}

// A window with two pictures and a sequence, the second picture selected.
std::unique_ptr<MainWindow> windowWithPlaylist(const QString &picturePath)
{
    auto window = std::make_unique<MainWindow>();
    window->onBtnEnUsClick();
    window->addPictureFile(picturePath);
    window->addPictureFile(picturePath);
    auto *media = new MediaObject(0, QStringLiteral("clip.gif"));
    media->appendFrame(new ImageObject(1, QString(), 10, ImageObject::GifFrame));
    window->addSequence(media);
    window->form().tableView->setCurrentIndex(window->pictureModel()->index(1, 0));
    return window;
}

QRgb previewCentre(const MainWindow &window)
{
    const QBrush brush = window.form().previewWidget->palette().brush(QPalette::Window);
    return brush.textureImage().isNull() ? brush.color().rgb() : brush.textureImage().pixel(225, 225);
}

} // namespace

class TestDisplayGeometry : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    int cleared = 0;
    std::unique_ptr<QSignalSpy> announced; // the new values, told to the status bar
    std::unique_ptr<DisplayGeometryFlow> flow;

    bool run(int parameter) { return parameter == Leds ? flow->changeLedCount() : flow->changeLineCount(); }

    static void addParameters()
    {
        QTest::addColumn<int>("parameter");
        QTest::newRow("LED count") << int(Leds);
        QTest::newRow("line count") << int(Lines);
    }

private slots:
    void init()
    {
        DisplayParameters::resetToDefaults();
        QCoreApplication::processEvents(); // announcements of the reset above
        cleared = 0;
        announced = std::make_unique<QSignalSpy>(DisplayParametersNotifier::instance(),
                                                 &DisplayParametersNotifier::changed);
        flow = std::make_unique<DisplayGeometryFlow>(nullptr, [this] { ++cleared; });
    }

    void cleanupTestCase() { DisplayParameters::resetToDefaults(); }

    void readingTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("empty reads as 40") << QString() << 500 << 40 << true;
        QTest::newRow("not a number") << QStringLiteral("+") << 500 << 40 << true;
        QTest::newRow("zero") << QStringLiteral("0") << 500 << 0 << false;
        QTest::newRow("one") << QStringLiteral("1") << 500 << 1 << true;
        QTest::newRow("top LED count") << QStringLiteral("500") << 500 << 500 << true;
        QTest::newRow("above the LED count") << QStringLiteral("501") << 500 << 501 << false;
        QTest::newRow("top line count") << QStringLiteral("600") << 600 << 600 << true;
        QTest::newRow("above the line count") << QStringLiteral("601") << 600 << 601 << false;
    }

    void readingTheText()
    {
        QFETCH(QString, text);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(bool, acceptable);
        QCOMPARE(DisplayCountInput::valueOf(text), value);
        QCOMPARE(DisplayCountInput::acceptable(text, maximum), acceptable);
    }

    void typingIsLimitedToTheRange_data()
    {
        QTest::addColumn<int>("parameter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("okEnabled");
        QTest::newRow("LED 501") << int(Leds) << QStringLiteral("501") << QStringLiteral("50") << true;
        QTest::newRow("LED 500") << int(Leds) << QStringLiteral("500") << QStringLiteral("500") << true;
        QTest::newRow("LED 0") << int(Leds) << QStringLiteral("0") << QStringLiteral("0") << false;
        QTest::newRow("LED letters") << int(Leds) << QStringLiteral("a-1") << QStringLiteral("1") << true;
        QTest::newRow("line 601") << int(Lines) << QStringLiteral("601") << QStringLiteral("60") << true;
        QTest::newRow("line 600") << int(Lines) << QStringLiteral("600") << QStringLiteral("600") << true;
        QTest::newRow("line 0") << int(Lines) << QStringLiteral("0") << QStringLiteral("0") << false;
        QTest::newRow("line nothing") << int(Lines) << QString() << QString() << true;
    }

    void typingIsLimitedToTheRange()
    {
        QFETCH(int, parameter);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, okEnabled);
        const auto dialog = dialogFor(parameter);
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"));
        QCOMPARE(edit->text(), QString::number(currentValue(parameter)));
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->isEnabled(), okEnabled);
    }

    void acceptingTheSameNumberChangesNothing_data() { addParameters(); }
    void acceptingTheSameNumberChangesNothing()
    {
        QFETCH(int, parameter);
        const int before = currentValue(parameter);
        ModalAnswerer answerer;
        answerDialog(answerer, std::nullopt);
        answerQuestion(answerer, QMessageBox::Cancel); // would stop a question, which must not come
        QVERIFY(!run(parameter));
        QCOMPARE(answerer.answered(), 1);
        QCOMPARE(cleared, 0);
        QCOMPARE(currentValue(parameter), before);
    }

    void emptyTextSetsFortyAfterTheQuestion_data() { addParameters(); }
    void emptyTextSetsFortyAfterTheQuestion()
    {
        QFETCH(int, parameter);
        LogCapture log;
        QStringList question;
        ModalAnswerer answerer;
        answerDialog(answerer, QString());
        answerQuestion(answerer, QMessageBox::Ok, &question);
        QVERIFY(run(parameter));
        QVERIFY(answerer.done());
        QCOMPARE(question, QStringList({parameter == Leds ? QStringLiteral("LED数量被修改.")
                                                          : QStringLiteral("分辨率被修改."),
                                        QStringLiteral("所有的打开的图片效果将会被删除，是否继续？")}));
        QCOMPARE(currentValue(parameter), 40);
        QCOMPARE(cleared, 1);
        QTRY_COMPARE(announced->size(), 1);
        QVERIFY(log.contains(parameter == Leds ? QStringLiteral("#MainWindow# onBtnLedCount() 40")
                                               : QStringLiteral("#MainWindow# onBtnLineNumber() 40")));
    }

    void cancelKeepsEverything_data() { addParameters(); }
    void cancelKeepsEverything()
    {
        QFETCH(int, parameter);
        const int before = currentValue(parameter);
        {
            ModalAnswerer answerer;
            answerDialog(answerer, QStringLiteral("200"));
            answerQuestion(answerer, QMessageBox::Cancel);
            QVERIFY(!run(parameter));
            QVERIFY(answerer.done());
        }
        {
            ModalAnswerer answerer;
            answerDialog(answerer, QStringLiteral("200"), false);
            answerQuestion(answerer, QMessageBox::Cancel);
            QVERIFY(!run(parameter));
            QCOMPARE(answerer.answered(), 1);
        }
        QCOMPARE(currentValue(parameter), before);
        QCOMPARE(cleared, 0);
        QCoreApplication::processEvents();
        QCOMPARE(announced->size(), 0);
    }

    void picturesAfterwardsUseTheNewValue_data()
    {
        QTest::addColumn<int>("parameter");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("lineBytes");
        QTest::addColumn<int>("length");
        QTest::newRow("6 LEDs: padded") << int(Leds) << 6 << 13 << 114688;
        QTest::newRow("500 LEDs") << int(Leds) << 500 << 1125 << 1125 * 450;
        QTest::newRow("600 lines") << int(Lines) << 600 << 252 << 252 * 600;
        QTest::newRow("1 line: padded") << int(Lines) << 1 << 252 << 114688;
    }

    void picturesAfterwardsUseTheNewValue()
    {
        QFETCH(int, parameter);
        QFETCH(int, value);
        QFETCH(int, lineBytes);
        QFETCH(int, length);
        ModalAnswerer answerer;
        answerDialog(answerer, QString::number(value));
        answerQuestion(answerer, QMessageBox::Ok);
        QVERIFY(run(parameter));
        QImage picture(300, 300, QImage::Format_RGB32);
        picture.fill(Qt::white);
        ImageObject image(1, QString(), 5, ImageObject::PictureFile);
        PolarSampling::imageToLedData(picture, &image);
        QCOMPARE(PolarSampling::lineBytes(DisplayParameters::ledCount()), lineBytes);
        QCOMPARE(image.ledData().size(), length);
        // White lights every LED of every line: the sampled lines are all set.
        const QByteArray data = image.ledData();
        const int lines = DisplayParameters::lineCount();
        QCOMPARE(data.left(lineBytes * lines).count('\0'), 0);
    }

    void theWindowEmptiesItsListsAndShowsTheNewValues()
    {
        const QString path = work.filePath(QStringLiteral("red.png"));
        QImage red(200, 200, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(path));
        const auto window = windowWithPlaylist(path);
        QVERIFY(previewCentre(*window) != qRgb(255, 255, 255));
        QVERIFY(!window->form().btnPlay->isHidden()); // the sequence is selected
        {
            ModalAnswerer answerer;
            answerDialog(answerer, QStringLiteral("6"));
            answerQuestion(answerer, QMessageBox::Ok);
            answerer.thenAnswer(QMessageBox::Discard); // the unsaved playlist
            window->onBtnLedCount();
            QVERIFY(answerer.done());
        }
        {
            ModalAnswerer answerer;
            answerDialog(answerer, QStringLiteral("600"));
            answerQuestion(answerer, QMessageBox::Ok);
            window->onBtnLineNumber();
            QVERIFY(answerer.done());
        }
        QCOMPARE(window->pictureModel()->rowCount(), 0);
        QCOMPARE(window->sequenceModel()->rowCount(), 0);
        QCOMPARE(window->selectedSequence(), nullptr);
        QCOMPARE(previewCentre(*window), qRgb(255, 255, 255));
        QVERIFY(!window->form().btnDelImage->isEnabled());
        QVERIFY(window->form().btnPlay->isHidden());
        QCOMPARE(window->form().lineLabel->text(), QStringLiteral(" LINE:600"));
        QCOMPARE(window->form().ledLabel->text(), QStringLiteral(" LED:6"));

        window->addPictureFile(path);
        ImageObject *image = window->pictureList().value(0);
        QVERIFY(image);
        QCOMPARE(image->ledData().size(), 114688); // 13-byte lines x 600, padded
    }

    void cancelInTheWindowKeepsListsSelectionAndValue_data() { addParameters(); }
    void cancelInTheWindowKeepsListsSelectionAndValue()
    {
        QFETCH(int, parameter);
        const QString path = work.filePath(QStringLiteral("green.png"));
        QImage green(200, 200, QImage::Format_RGB32);
        green.fill(Qt::green);
        QVERIFY(green.save(path));
        const auto window = windowWithPlaylist(path);
        const QList<ImageObject *> pictures = window->pictureList();
        ModalAnswerer answerer;
        answerDialog(answerer, QStringLiteral("200"));
        answerQuestion(answerer, QMessageBox::Cancel);
        if (parameter == Leds)
            window->onBtnLedCount();
        else
            window->onBtnLineNumber();
        QVERIFY(answerer.done());
        QCOMPARE(window->pictureList(), pictures);
        QCOMPARE(window->sequenceModel()->rowCount(), 1);
        QCOMPARE(window->form().tableView->currentIndex().row(), 1);
        QVERIFY(window->form().btnDelImage->isEnabled());
        QCOMPARE(DisplayParameters::ledCount(), 112);
        QCOMPARE(DisplayParameters::lineCount(), 450);
        QCOMPARE(window->form().ledLabel->text(), QStringLiteral(" LED:112"));
    }
};

QTEST_MAIN(TestDisplayGeometry)
#include "tst_displaygeometry.moc"
