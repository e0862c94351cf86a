#include "edit/DiyForm.h"

#include "edit/DiyDrawing.h"
#include "edit/DiyFontFallback.h"
#include "edit/DiyFormHandler.h"
#include "edit/DiyLog.h"
#include "edit/DiyPainter.h"
#include "edit/DiyToolPanels.h"
#include "messaging/HandlerThread.h"
#include "ui_DiyForm.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPixmap>

namespace {

constexpr int defaultPointSize = 100;
constexpr int defaultPenWidth = 6;
constexpr int defaultTextRadius = 150;

void applyVisibility(QWidget *panel, DiyToolPanels::Visibility visibility)
{
    if (visibility != DiyToolPanels::Unchanged)
        panel->setVisible(visibility == DiyToolPanels::Shown);
}

} // namespace

DiyForm::DiyForm(const QString &fileName, int languageCode, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::DiyForm>())
{
    handler = std::make_unique<DiyFormHandler>(this, HandlerThread::instance());

    ui->setupUi(this);
    canvas = new DiyPainter(fileName, ui->scrollAreaWidgetContents);
    canvas->setObjectName(QStringLiteral("diyPainter"));
    ui->workAreaLayout->addWidget(canvas, 0, Qt::AlignCenter);
    ui->penTypeWidget->show();
    ui->textTypeWidget->hide();
    connectButtons();

    font = QFont(languageCode == englishLanguage ? tr("Airal Black") : tr("黑体"), defaultPointSize);
    applyTextFont();
    applyFontColour();

    changeTool(DiyTool::Move); // the window opens with the round area ready to be placed

    canvas->setPenStyle(Qt::SolidLine);
    canvas->setPenWidth(defaultPenWidth);
    canvas->setTextStyle(DiyTextStyle::Horizontal);

    showColour(ui->btnSelectPenColor, penColor);
    canvas->setPenColor(penColor);
    showColour(ui->btnSelectBrushColor, brushColor);
    canvas->setBrushColor(brushColor);
    showColour(ui->btnBackgroundColor, backgroundColor);
    canvas->setBackgroundColor(backgroundColor);

    ui->radiusWidget->hide();
    canvas->setTextRadius(defaultTextRadius);
}

DiyForm::~DiyForm() = default;

QImage DiyForm::image() const
{
    return canvas->getImage();
}

void DiyForm::connectButtons()
{
    const struct {
        QAbstractButton *button;
        void (DiyForm::*slot)();
    } clicks[] = {
        {ui->btnSelectPenColor, &DiyForm::onBtnSelectPenColorClick},
        {ui->btnSelectBrushColor, &DiyForm::onBtnSelectBrushColorClick},
        {ui->btnShapePen, &DiyForm::onBtnShapePenClick},
        {ui->btnShapeRect, &DiyForm::onBtnShapeRectClick},
        {ui->btnShapeRectRound, &DiyForm::onBtnShapeRoundRectClick},
        {ui->btnShapeLine, &DiyForm::onBtnShapeLineClick},
        {ui->btnShapeRound, &DiyForm::onBtnShapeRoundClick},
        {ui->btnShapeText, &DiyForm::onBtnShapeTextClick},
        {ui->btnShapeMove, &DiyForm::onBtnShapeMoveClick},
        {ui->btnShapeDel, &DiyForm::onBtnShapeDelClick},
        {ui->btnSelectFont, &DiyForm::onSelectFontClicked},
        {ui->btnSelectFontColor, &DiyForm::onSelectFontCololrClicked},
        {ui->okBut, &DiyForm::onBtnOk},
        {ui->cancelBut, &DiyForm::onBtnCancel},
        {ui->btnBackgroundColor, &DiyForm::onBtnSetBackgroundColor},
        {ui->btnReset, &DiyForm::onBtnReset},
        {ui->btnZoomIn, &DiyForm::onBtnZoomIn},
        {ui->btnZoomOut, &DiyForm::onBtnZoomOut},
    };
    for (const auto &click : clicks)
        connect(click.button, &QAbstractButton::clicked, this, click.slot);
    connect(ui->textStyle, &QComboBox::currentIndexChanged, this, &DiyForm::onTextStyleChanged);
    connect(ui->textRadius, &QSpinBox::valueChanged, this, &DiyForm::onTextRadiusValueChanged);
}

// ---- tools ------------------------------------------------------------------

void DiyForm::changeTool(int tool)
{
    QAbstractButton *const buttons[] = {ui->btnShapePen, ui->btnShapeLine, ui->btnShapeRect, ui->btnShapeRectRound,
                                        ui->btnShapeRound, ui->btnShapeText, ui->btnShapeMove, ui->btnShapeDel};
    for (int code = DiyTool::Pen; code <= DiyTool::Erase; ++code)
        buttons[code - DiyTool::Pen]->setChecked(code == tool);
    ui->brushWidget->hide();
    canvas->selectTool(tool);
    if (tool > DiyTool::Erase)
        return;

    const DiyToolPanels panels = DiyToolPanels::forTool(tool);
    applyVisibility(ui->penTypeWidget, panels.penType);
    applyVisibility(ui->brushWidget, panels.brush);
    applyVisibility(ui->textTypeWidget, panels.textType);
    if (tool == DiyTool::Text) {
        updateFontLabel();
        showColour(ui->btnSelectFontColor, fontColor);
    }
}

void DiyForm::onBtnShapePenClick() { changeTool(DiyTool::Pen); }
void DiyForm::onBtnShapeRectClick() { changeTool(DiyTool::Rect); }
void DiyForm::onBtnShapeRoundRectClick() { changeTool(DiyTool::RoundRect); }
void DiyForm::onBtnShapeLineClick() { changeTool(DiyTool::Line); }
void DiyForm::onBtnShapeRoundClick() { changeTool(DiyTool::Ellipse); }
void DiyForm::onBtnShapeTextClick() { changeTool(DiyTool::Text); }
void DiyForm::onBtnShapeMoveClick() { changeTool(DiyTool::Move); }
void DiyForm::onBtnShapeDelClick() { changeTool(DiyTool::Erase); }

// A floating shape takes a new setting at once; text being typed keeps the focus.
void DiyForm::refresh()
{
    if (canvas->isTyping())
        canvas->focusTextEditor();
    else
        canvas->repaintShape();
}

// ---- pen, fill and background -------------------------------------------------

void DiyForm::showColour(QPushButton *button, const QColor &colour)
{
    QPixmap swatch(button->size());
    swatch.fill(DiyDrawing::effective(colour));
    button->setIcon(QIcon(swatch));
    button->setIconSize(button->size());
}

bool DiyForm::pickColour(QColor &colour, QPushButton *button)
{
    const QColor chosen = QColorDialog::getColor(colour, nullptr);
    if (!chosen.isValid())
        return false;
    colour = chosen;
    showColour(button, colour);
    return true;
}

void DiyForm::onBtnSelectPenColorClick()
{
    if (!pickColour(penColor, ui->btnSelectPenColor))
        return;
    canvas->setPenColor(penColor);
    canvas->repaintShape();
}

void DiyForm::onBtnSelectBrushColorClick()
{
    if (!pickColour(brushColor, ui->btnSelectBrushColor))
        return;
    canvas->setBrushColor(brushColor);
    canvas->repaintShape();
}

void DiyForm::onBtnSetBackgroundColor()
{
    if (!pickColour(backgroundColor, ui->btnBackgroundColor))
        return;
    canvas->setBackgroundColor(backgroundColor);
}

void DiyForm::on_penWidthSpinBox_valueChanged(int value)
{
    canvas->setPenWidth(value);
    canvas->repaintShape();
}

void DiyForm::on_penStyleComboBox_currentIndexChanged(int index)
{
    canvas->setPenStyle(index == 0 ? Qt::SolidLine : Qt::DotLine);
    canvas->repaintShape();
}

// ---- text -------------------------------------------------------------------

void DiyForm::updateFontLabel()
{
    ui->lblFont->setText(tr("diyform_lblfont_title").arg(font.family()).arg(font.pointSize()));
}

void DiyForm::applyTextFont()
{
    updateFontLabel();
    // The default families are rarely installed: draw them in a bold sans
    // family. A font the user picked is drawn as picked.
    const QFont drawn = fontPicked ? font : DiyFontFallback::resolve(font);
    canvas->setTextFont(drawn);
    canvas->setTextEditorFont(drawn);
}

void DiyForm::applyFontColour()
{
    showColour(ui->btnSelectFontColor, fontColor);
    canvas->setTextColor(fontColor);
    canvas->setTextEditorColour(fontColor);
}

void DiyForm::onSelectFontClicked()
{
    // The dialog cannot show a family that is not installed: it starts from
    // the font the text is drawn in, and a cancel leaves the font as it was.
    const QFont start = fontPicked ? font : DiyFontFallback::drawnAs(font);
    bool chosen = false;
    const QFont picked = QFontDialog::getFont(&chosen, start, this);
    if (chosen) {
        font = picked;
        fontPicked = true;
    }
    applyTextFont();
    refresh();
}

void DiyForm::onSelectFontCololrClicked()
{
    if (!pickColour(fontColor, ui->btnSelectFontColor))
        return;
    applyFontColour();
    refresh();
}

void DiyForm::onTextStyleChanged(int index)
{
    if (index < DiyTextStyle::Horizontal || index > DiyTextStyle::Round)
        return;
    canvas->setTextStyle(index);
    ui->radiusWidget->setVisible(index == DiyTextStyle::Round);
    refresh();
}

void DiyForm::onTextRadiusValueChanged(int value)
{
    canvas->setTextRadius(value);
    refresh();
}

// ---- zoom, undo, finishing ----------------------------------------------------

void DiyForm::onBtnZoomIn()
{
    if (ui->btnShapeMove->isChecked())
        changeTool(DiyTool::Pen); // fixes the round area where the user left it
    canvas->zoomIn();
}

void DiyForm::onBtnZoomOut()
{
    if (ui->btnShapeMove->isChecked())
        changeTool(DiyTool::Pen);
    canvas->zoomOut();
}

void DiyForm::onBtnReset()
{
    canvas->revokeCancel();
}

bool DiyForm::saveTo(const QString &fileName)
{
    QString error;
    if (canvas->saveImage(fileName, &error))
        return true;
    QMessageBox::warning(this, tr("dialog_title_tip"),
                         tr("The picture could not be saved to %1: %2").arg(QDir::toNativeSeparators(fileName), error));
    return false;
}

void DiyForm::onBtnOk()
{
    const auto answer = QMessageBox::warning(this, tr("dialog_title_tip"), tr("diyform_save_diy_tip"),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) {
        QString fileName = QFileDialog::getSaveFileName(this, tr("diyform_save_diy_selectfile"), QString(),
                                                        tr("Images (*.png)"));
        if (fileName.isEmpty())
            return;
        if (QFileInfo(fileName).suffix().isEmpty())
            fileName += QStringLiteral(".png"); // the filter's type, as the user expects
        if (!saveTo(fileName))
            return; // the drawing stays open, so nothing is lost
        accept();
    } else if (answer == QMessageBox::No) {
        canvas->finishPending();
        canvas->setModified(false);
        accept();
    }
}

void DiyForm::onBtnCancel()
{
    close();
}

void DiyForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore(); // the drawing is not thrown away by a stray key
        return;
    }
    QDialog::keyPressEvent(event);
}

void DiyForm::closeEvent(QCloseEvent *event)
{
    if (canvas->isModified()) {
        const auto answer = QMessageBox::warning(this, tr("dialog_title_tip"), tr("diyform_cancel_diy_title"),
                                                 QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
    }
    QDialog::closeEvent(event); // rejects
}
