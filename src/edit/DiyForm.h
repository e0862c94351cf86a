#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QImage>

#include <memory>

class DiyFormHandler;
class DiyPainter;
class QAbstractButton;
class QPushButton;

namespace Ui {
class DiyForm;
}

// The modal DIY editor: tool buttons and the option panels of the current
// tool on the left, the drawing canvas in a scroll area, zoom and undo, and
// OK / cancel. After an accepted run the caller reads image(), the 450 x 450
// square under the round display area.
class DiyForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int englishLanguage = 3;

    // fileName empty: a new, blank picture. languageCode picks the default
    // text font: English (3) or Chinese (any other).
    DiyForm(const QString &fileName, int languageCode, QWidget *parent = nullptr);
    ~DiyForm() override;

    QImage image() const;
    QFont textFont() const { return font; }

public slots:
    void onBtnSelectPenColorClick();
    void onBtnSelectBrushColorClick();
    void on_penWidthSpinBox_valueChanged(int value);
    void on_penStyleComboBox_currentIndexChanged(int index);
    void onBtnShapePenClick();
    void onBtnShapeRectClick();
    void onBtnShapeRoundRectClick();
    void onBtnShapeLineClick();
    void onBtnShapeRoundClick();
    void onBtnShapeTextClick();
    void onBtnShapeMoveClick();
    void onBtnShapeDelClick();
    void onSelectFontClicked();
    void onSelectFontCololrClicked();
    void onTextStyleChanged(int index);
    void onTextRadiusValueChanged(int value);
    void onBtnOk();
    void onBtnCancel();
    void onBtnSetBackgroundColor();
    void onBtnReset();
    void onBtnZoomIn();
    void onBtnZoomOut();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectButtons();
    void changeTool(int tool);
    void refresh();
    // Colour dialog from initial; false when cancelled. Shows the colour on the button.
    bool pickColour(QColor &colour, QPushButton *button);
    void showColour(QPushButton *button, const QColor &colour);
    void applyTextFont();
    void updateFontLabel();
    void applyFontColour();
    bool saveTo(const QString &fileName);

    std::unique_ptr<Ui::DiyForm> ui;
    DiyPainter *canvas = nullptr;
    QFont font;
    bool fontPicked = false; // from the font dialog, not the default
    QColor fontColor;
    QColor penColor = Qt::white;
    QColor brushColor;
    QColor backgroundColor = Qt::black;
    std::unique_ptr<DiyFormHandler> handler;
};
