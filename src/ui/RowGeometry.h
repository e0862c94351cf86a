#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// Where the controls of a playlist row sit, shared by the live row editors
// and the delegates that paint rows not being edited.
namespace RowGeometry {

constexpr int thumbSide = 60;
constexpr int controlHeight = 25;
constexpr int positionChoices = 50;
constexpr int positionWidth = 70;
constexpr int spacerWidth = 35;
constexpr int editWidth = 40;
constexpr int unitWidth = 25;
constexpr int buttonWidth = 20;
constexpr int infoWidth = 120;
constexpr int loopLabelWidth = 80; // room for "Cycle times"
constexpr int infoTop = 10;
constexpr int loopTop = 30;

// Top of the picture row's controls: centred on the thumbnail.
int controlTop(const QImage &thumbnail);

// The picture row's controls, left to right, relative to the row.
struct ImageRow {
    QRect position, spacer, edit, unit, add, del;
};
ImageRow imageRow(int thumbWidth, int y0);

struct MediaRow {
    QRect info, loopLabel, loopEdit, add, del;
};
MediaRow mediaRow(int thumbWidth);

QPushButton *makeStepButton(const QString &iconPath, QWidget *parent);

} // namespace RowGeometry
