#include "edit/DiyDrawing.h"
#include "edit/DiyForm.h"
#include "edit/DiyPainter.h"
#include "edit/DiyShape.h"
#include "edit/RoundAreaWidget.h"

#include "ModalAnswerer.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

template<typename T = QWidget>
T *child(DiyForm &form, const char *name)
{
    T *found = form.findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

DiyPainter *canvasOf(DiyForm &form)
{
    return form.findChild<DiyPainter *>();
}

void press(DiyForm &form, const char *button)
{
    child<QAbstractButton>(form, button)->click();
}

// Something drawn and still floating on the canvas.
void drawRectangle(DiyForm &form)
{
    press(form, "btnShapeRect");
    DiyPainter *canvas = canvasOf(form);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 150), QPointF(), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));
}

// The colour dialog's answer: the colour chosen, then OK or Cancel.
void thenColour(ModalAnswerer &answers, const QColor &colour, bool accept)
{
    answers.then([colour, accept](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        if (!dialog)
            return false;
        dialog->setCurrentColor(colour);
        accept ? dialog->accept() : dialog->reject();
        return true;
    });
}

const char *const toolButtons[] = {"btnShapePen", "btnShapeRect", "btnShapeLine", "btnShapeMove",
                                   "btnShapeRound", "btnShapeRectRound", "btnShapeText", "btnShapeDel"};

} // namespace

class TestDiyForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void formHasItsWidgets();
    void englishTexts();
    void opensPlacingTheRoundArea();
    void panelsPerTool_data();
    void panelsPerTool();
    void radiusBoxOnlyForRoundText();
    void defaultFonts_data();
    void defaultFonts();
    void pickedFontIsDrawnAsPicked();
    void penColourReachesTheFloatingShape();
    void cancelledColourDialogChangesNothing();
    void penWidthAndStyleReachTheCanvas();
    void zoomWithMoveToolSwitchesToPen();
    void okNoAcceptsWithTheSquare();
    void okYesCancelledFileDialogKeepsEditing();
    void okYesSavesAndAccepts();
    void okYesSaveFailureKeepsEditing();
    void okCancelKeepsEditing();
    void closeAsksOnlyWhenModified();
    void escapeDoesNothing();
    void enterInTextFieldDoesNotFinish();

private:
    QTranslator english;
    QTemporaryDir dir;
};

void TestDiyForm::initTestCase()
{
    // The program always runs with a catalogue; the keys alone are not texts.
    QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
    QCoreApplication::installTranslator(&english);
    QVERIFY(dir.isValid());
    ModalAnswerer::keepSettingsIn(dir.path());
    // The save dialog starts in the current folder: one with nothing else in it.
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("work"))));
    QDir::setCurrent(dir.filePath(QStringLiteral("work")));
}

void TestDiyForm::formHasItsWidgets()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    QCOMPARE(child(form, "widget")->minimumWidth(), 140);
    QCOMPARE(child(form, "widget")->maximumWidth(), 140);
    QCOMPARE(child(form, "label_8")->styleSheet(),
             QStringLiteral("background-color: rgb(109, 109, 109);\ncolor: rgb(255, 255, 255);"));
    for (const char *name : toolButtons) {
        auto *button = child<QToolButton>(form, name);
        QVERIFY2(button, name);
        QCOMPARE(button->size(), QSize(55, 25));
        QVERIFY(button->isCheckable());
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QVERIFY2(!button->icon().isNull(), name);
    }
    for (const char *name : {"btnSelectPenColor", "btnSelectBrushColor", "btnSelectFontColor", "btnBackgroundColor"}) {
        auto *button = child<QPushButton>(form, name);
        QCOMPARE(button->size(), QSize(50, 20));
        QVERIFY(button->isFlat());
        QVERIFY(!button->isDefault());
        QCOMPARE(button->iconSize(), QSize(50, 20));
    }
    auto *width = child<QSpinBox>(form, "penWidthSpinBox");
    QCOMPARE(width->minimum(), 0);
    QCOMPARE(width->maximum(), 99);
    QCOMPARE(width->value(), 6);
    auto *radius = child<QSpinBox>(form, "textRadius");
    QCOMPARE(radius->minimum(), 30);
    QCOMPARE(radius->maximum(), 1000);
    QCOMPARE(radius->value(), 150);
    QCOMPARE(child<QComboBox>(form, "penStyleComboBox")->count(), 2);
    QCOMPARE(child<QComboBox>(form, "textStyle")->count(), 3);
    QVERIFY(child<QGroupBox>(form, "groupBox_2")->isFlat());
    QCOMPARE(child(form, "groupBox_2")->maximumHeight(), 50);
    QCOMPARE(child(form, "okBut")->maximumHeight(), 35);
    QCOMPARE(canvasOf(form)->parentWidget(), child(form, "scrollAreaWidgetContents"));
    for (const char *name : {"penTypeWidget", "brushWidget", "textTypeWidget", "radiusWidget", "backgroundColorWidget",
                             "groupBox", "groupBox_3", "scrollArea", "lblFont", "btnZoomIn", "btnZoomOut", "btnReset",
                             "cancelBut", "btnSelectFont"})
        QVERIFY2(child(form, name), name);

    // The canvas starts with the window's colours and pen.
    DiyPainter *canvas = canvasOf(form);
    QCOMPARE(canvas->penSettings().penColor, QColor(Qt::white));
    QVERIFY(!canvas->penSettings().brushColor.isValid());
    QCOMPARE(canvas->backgroundColor(), QColor(Qt::black));
    QCOMPARE(canvas->penSettings().penWidth, 6);
    QCOMPARE(canvas->penSettings().penStyle, Qt::SolidLine);
    QCOMPARE(canvas->textRadius(), 150);
    QCOMPARE(canvas->textStyle(), 0);
}

void TestDiyForm::englishTexts()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    QCOMPARE(form.windowTitle(), QStringLiteral("DIY"));
    QCOMPARE(child<QToolButton>(form, "btnShapeRectRound")->text(), QStringLiteral("RRect"));
    QCOMPARE(child<QPushButton>(form, "okBut")->text(), QStringLiteral("Ok"));
    QCOMPARE(child<QPushButton>(form, "btnReset")->text(), QStringLiteral("Revoke"));
    QCOMPARE(child<QComboBox>(form, "textStyle")->itemText(2), QStringLiteral("Round"));
    QCOMPARE(child<QLabel>(form, "lblFont")->text(), QStringLiteral("Font name:Airal Black\n font size:100"));
}

void TestDiyForm::opensPlacingTheRoundArea()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    QVERIFY(child<QToolButton>(form, "btnShapeMove")->isChecked());
    QVERIFY(canvasOf(form)->isAreaMoveMode());
    QVERIFY(!canvasOf(form)->findChild<RoundAreaWidget *>()->isHidden());
    QVERIFY(!child(form, "penTypeWidget")->isHidden());
    QVERIFY(child(form, "textTypeWidget")->isHidden());
    QVERIFY(child(form, "radiusWidget")->isHidden());
}

void TestDiyForm::panelsPerTool_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tool");
    QTest::addColumn<bool>("pen");
    QTest::addColumn<bool>("brush");
    QTest::addColumn<bool>("text");
    QTest::newRow("pen") << "btnShapePen" << int(DiyTool::Pen) << true << false << false;
    QTest::newRow("line") << "btnShapeLine" << int(DiyTool::Line) << true << true << false;
    QTest::newRow("rect") << "btnShapeRect" << int(DiyTool::Rect) << true << true << false;
    QTest::newRow("round rect") << "btnShapeRectRound" << int(DiyTool::RoundRect) << true << true << false;
    QTest::newRow("ellipse") << "btnShapeRound" << int(DiyTool::Ellipse) << true << true << false;
    QTest::newRow("text") << "btnShapeText" << int(DiyTool::Text) << false << false << true;
    QTest::newRow("erase") << "btnShapeDel" << int(DiyTool::Erase) << false << false << false;
}

void TestDiyForm::panelsPerTool()
{
    QFETCH(QString, button);
    QFETCH(int, tool);
    QFETCH(bool, pen);
    QFETCH(bool, brush);
    QFETCH(bool, text);
    DiyForm form(QString(), DiyForm::englishLanguage);
    press(form, qPrintable(button));
    QCOMPARE(canvasOf(form)->currentShapeType(), tool);
    QVERIFY(!canvasOf(form)->isAreaMoveMode());
    for (const char *name : toolButtons)
        QCOMPARE(child<QToolButton>(form, name)->isChecked(), button == QLatin1String(name));
    QCOMPARE(!child(form, "penTypeWidget")->isHidden(), pen);
    QCOMPARE(!child(form, "brushWidget")->isHidden(), brush);
    QCOMPARE(!child(form, "textTypeWidget")->isHidden(), text);

    // The move tool hides the fill panel and leaves the others as they were.
    press(form, "btnShapeMove");
    QVERIFY(canvasOf(form)->isAreaMoveMode());
    QVERIFY(child(form, "brushWidget")->isHidden());
    QCOMPARE(!child(form, "penTypeWidget")->isHidden(), pen);
    QCOMPARE(!child(form, "textTypeWidget")->isHidden(), text);
}

void TestDiyForm::radiusBoxOnlyForRoundText()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    press(form, "btnShapeText");
    auto *style = child<QComboBox>(form, "textStyle");
    for (int index : {2, 0, 1, 2}) {
        style->setCurrentIndex(index);
        QCOMPARE(canvasOf(form)->textStyle(), index);
        QCOMPARE(!child(form, "radiusWidget")->isHidden(), index == 2);
    }
    child<QSpinBox>(form, "textRadius")->setValue(400);
    QCOMPARE(canvasOf(form)->textRadius(), 400);
    child<QSpinBox>(form, "textRadius")->setValue(5);
    QCOMPARE(canvasOf(form)->textRadius(), 30);
}

void TestDiyForm::defaultFonts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("family");
    QTest::newRow("English") << 3 << "Airal Black";
    QTest::newRow("simplified Chinese") << 1 << "黑体";
    QTest::newRow("traditional Chinese") << 2 << "黑体";
}

void TestDiyForm::defaultFonts()
{
    QFETCH(int, language);
    QFETCH(QString, family);
    DiyForm form(QString(), language);
    const QFont font = form.textFont();
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSize(), 100);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic());
    QVERIFY(child<QLabel>(form, "lblFont")->text().contains(family));
    // Neither family exists here: the canvas draws in a bold sans family.
    QCOMPARE(canvasOf(form)->textFont().family(), family);
    QVERIFY(QFontInfo(canvasOf(form)->textFont()).bold());
    QCOMPARE(canvasOf(form)->findChild<QLineEdit *>()->font(), canvasOf(form)->textFont());
}

void TestDiyForm::pickedFontIsDrawnAsPicked()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    ModalAnswerer answers;
    QFont offered;
    answers.then([&offered](QWidget *modal) {
        auto *dialog = qobject_cast<QFontDialog *>(modal);
        if (!dialog)
            return false;
        offered = dialog->currentFont();
        dialog->reject();
        return true;
    });
    press(form, "btnSelectFont");
    QVERIFY(answers.done());
    // The dialog offers the font the text is drawn in, and a cancel keeps the default.
    QCOMPARE(offered.family(), QFontInfo(canvasOf(form)->textFont()).family());
    QVERIFY(offered.bold());
    QCOMPARE(offered.pointSize(), 100);
    QCOMPARE(form.textFont().family(), QStringLiteral("Airal Black"));
    QVERIFY(canvasOf(form)->textFont().bold());

    answers.then([](QWidget *modal) {
        auto *dialog = qobject_cast<QFontDialog *>(modal);
        if (!dialog)
            return false;
        dialog->setCurrentFont(QFont(QStringLiteral("DejaVu Serif"), 30));
        dialog->accept();
        return true;
    });
    press(form, "btnSelectFont");
    QVERIFY(answers.done());
    QCOMPARE(canvasOf(form)->textFont().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(canvasOf(form)->textFont().pointSize(), 30);
    QVERIFY(!canvasOf(form)->textFont().bold());
    QCOMPARE(child<QLabel>(form, "lblFont")->text(), QStringLiteral("Font name:DejaVu Serif\n font size:30"));
    const QLineEdit *field = canvasOf(form)->findChild<QLineEdit *>();
    QCOMPARE(field->font(), canvasOf(form)->textFont());
    QCOMPARE(field->maximumHeight(), QFontMetrics(field->font()).height());
}

void TestDiyForm::penColourReachesTheFloatingShape()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    drawRectangle(form);
    auto *shape = canvasOf(form)->findChild<DiyShape *>();
    QCOMPARE(shape->currentImage().pixel(6, 30), qRgb(255, 255, 255)); // the default white pen

    ModalAnswerer answers;
    thenColour(answers, QColor(0, 200, 100), true);
    press(form, "btnSelectPenColor");
    QVERIFY(answers.done());
    QCOMPARE(canvasOf(form)->penSettings().penColor, QColor(0, 200, 100));
    QCOMPARE(shape->currentImage().pixel(6, 30), qRgb(0, 200, 100));
    const QImage swatch = child<QPushButton>(form, "btnSelectPenColor")->icon().pixmap(QSize(50, 20)).toImage();
    QCOMPARE(swatch.pixel(25, 10), qRgb(0, 200, 100));
}

void TestDiyForm::cancelledColourDialogChangesNothing()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    ModalAnswerer answers;
    thenColour(answers, Qt::yellow, false);
    press(form, "btnBackgroundColor");
    QVERIFY(answers.done());
    QCOMPARE(canvasOf(form)->backgroundColor(), QColor(Qt::black));
}

void TestDiyForm::penWidthAndStyleReachTheCanvas()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    drawRectangle(form);
    child<QSpinBox>(form, "penWidthSpinBox")->setValue(10);
    QCOMPARE(canvasOf(form)->penSettings().penWidth, 10);
    QCOMPARE(canvasOf(form)->findChild<DiyShape *>()->currentImage().size(), QSize(120, 70));
    child<QComboBox>(form, "penStyleComboBox")->setCurrentIndex(1);
    QCOMPARE(canvasOf(form)->penSettings().penStyle, Qt::DotLine);
    child<QComboBox>(form, "penStyleComboBox")->setCurrentIndex(0);
    QCOMPARE(canvasOf(form)->penSettings().penStyle, Qt::SolidLine);
}

void TestDiyForm::zoomWithMoveToolSwitchesToPen()
{
    for (const char *zoom : {"btnZoomIn", "btnZoomOut"}) {
        DiyForm form(QString(), DiyForm::englishLanguage);
        QVERIFY(canvasOf(form)->isAreaMoveMode());
        press(form, zoom);
        QVERIFY(child<QToolButton>(form, "btnShapePen")->isChecked());
        QVERIFY(!child<QToolButton>(form, "btnShapeMove")->isChecked());
        QVERIFY(!canvasOf(form)->isAreaMoveMode());
        QCOMPARE(canvasOf(form)->zoomLevel(), QByteArray(zoom).endsWith("In") ? 1 : -1);
    }
}

void TestDiyForm::okNoAcceptsWithTheSquare()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    form.show();
    drawRectangle(form);
    ModalAnswerer answers;
    answers.thenAnswer(QMessageBox::No);
    press(form, "okBut");
    QVERIFY(answers.done());
    QCOMPARE(answers.titles().value(0), QStringLiteral("Tip"));
    QCOMPARE(answers.texts().value(0), QStringLiteral("Do you want to save the DIY effect to the computer?"));
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(form.isHidden());
    QVERIFY(!canvasOf(form)->isModified());
    const QImage square = form.image();
    QCOMPARE(square.size(), QSize(450, 450));
    QCOMPARE(square.pixel(100, 120), qRgb(255, 255, 255)); // the merged white outline
    QCOMPARE(square.pixel(300, 300), qRgb(0, 0, 0));      // the black background
}

void TestDiyForm::okYesCancelledFileDialogKeepsEditing()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    form.show();
    drawRectangle(form);
    const QImage before = canvasOf(form)->findChild<DiyShape *>()->currentImage();
    ModalAnswerer answers;
    answers.thenAnswer(QMessageBox::Yes);
    answers.thenCancelFileDialog();
    press(form, "okBut");
    QVERIFY(answers.done());
    QCOMPARE(answers.titles().value(1), QStringLiteral("Save the DIY effect"));
    QCOMPARE(answers.texts().value(1), QStringLiteral("Images (*.png)"));
    QVERIFY(form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected)); // not ended
    QVERIFY(canvasOf(form)->isModified());
    QCOMPARE(canvasOf(form)->findChild<DiyShape *>()->currentImage(), before);
}

void TestDiyForm::okYesSavesAndAccepts()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    form.show();
    drawRectangle(form);
    const QString path = dir.filePath(QStringLiteral("drawing")); // the filter's suffix is added
    ModalAnswerer answers;
    answers.thenAnswer(QMessageBox::Yes);
    answers.thenChooseFile(path);
    press(form, "okBut");
    QVERIFY(answers.done());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!canvasOf(form)->isModified());
    const QImage saved(path + QStringLiteral(".png"));
    QCOMPARE(saved.size(), QSize(450, 450));
    QCOMPARE(saved.pixel(100, 120), qRgb(255, 255, 255));
}

void TestDiyForm::okYesSaveFailureKeepsEditing()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    form.show();
    drawRectangle(form);
    // Under a plain file no file can be made, not even by root.
    QFile plain(dir.filePath(QStringLiteral("plain.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString path = plain.fileName() + QStringLiteral("/drawing.png");
    ModalAnswerer answers;
    answers.thenAnswer(QMessageBox::Yes);
    answers.thenChooseFile(path);
    answers.thenAnswer(QMessageBox::Ok);
    press(form, "okBut");
    QTRY_VERIFY(answers.done());
    QVERIFY2(answers.texts().value(2).contains(path), qPrintable(answers.texts().value(2)));
    QVERIFY(form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(canvasOf(form)->isModified());
}

void TestDiyForm::okCancelKeepsEditing()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    form.show();
    drawRectangle(form);
    ModalAnswerer answers;
    answers.thenAnswer(QMessageBox::Cancel);
    press(form, "okBut");
    QVERIFY(answers.done());
    QVERIFY(form.isVisible());
    QVERIFY(canvasOf(form)->isModified());
}

void TestDiyForm::closeAsksOnlyWhenModified()
{
    {
        DiyForm form(QString(), DiyForm::englishLanguage);
        form.show();
        ModalAnswerer answers;
        press(form, "cancelBut");
        QCOMPARE(answers.answered(), 0);
        QVERIFY(form.isHidden());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }
    DiyForm form(QString(), DiyForm::englishLanguage);
    form.show();
    drawRectangle(form);
    ModalAnswerer answers;
    answers.thenAnswer(QMessageBox::No);
    press(form, "cancelBut");
    QVERIFY(answers.done());
    QCOMPARE(answers.texts().value(0), QStringLiteral("Really want to give up the effect of DIY?"));
    QVERIFY(form.isVisible());

    answers.thenAnswer(QMessageBox::Yes);
    form.close(); // the window frame's close asks the same
    QVERIFY(answers.done());
    QVERIFY(form.isHidden());
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

void TestDiyForm::escapeDoesNothing()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ModalAnswerer answers;
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(form.isVisible());
    QCOMPARE(answers.answered(), 0);
}

void TestDiyForm::enterInTextFieldDoesNotFinish()
{
    DiyForm form(QString(), DiyForm::englishLanguage);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    press(form, "btnShapeText");
    DiyPainter *canvas = canvasOf(form);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    auto *field = canvas->findChild<QLineEdit *>();
    QVERIFY(field->isVisible());
    QTest::keyClicks(field, QStringLiteral("Hello"));
    ModalAnswerer answers;
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(field->isHidden());
    QVERIFY(!canvas->findChild<DiyShape *>()->isHidden());
    QVERIFY(form.isVisible());
    QCOMPARE(answers.answered(), 0);
}

QTEST_MAIN(TestDiyForm)
#include "tst_diyform.moc"
