#include "ui/RowGeometry.h"

#include <QIcon>
#include <QPushButton>

namespace RowGeometry {

int controlTop(const QImage &thumbnail)
{
    const int height = thumbnail.isNull() ? thumbSide : thumbnail.height();
    return (height - controlHeight) / 2;
}

ImageRow imageRow(int thumbWidth, int y0)
{
    ImageRow row;
    int x = thumbWidth;
    row.position = QRect(x, y0, positionWidth, controlHeight);
    x += positionWidth;
    row.spacer = QRect(x, y0, spacerWidth, controlHeight);
    x += spacerWidth;
    row.edit = QRect(x, y0, editWidth, controlHeight);
    x += editWidth;
    row.unit = QRect(x, y0, unitWidth, controlHeight);
    x += unitWidth;
    row.add = QRect(x, y0, buttonWidth, controlHeight);
    row.del = QRect(x + buttonWidth, y0, buttonWidth, controlHeight);
    return row;
}

MediaRow mediaRow(int thumbWidth)
{
    const int w = thumbWidth;
    MediaRow row;
    row.info = QRect(w, infoTop, infoWidth, controlHeight);
    row.loopLabel = QRect(w, loopTop, loopLabelWidth, controlHeight);
    row.loopEdit = QRect(w + loopLabelWidth, loopTop, editWidth, controlHeight);
    row.add = QRect(w + loopLabelWidth + editWidth, loopTop, buttonWidth, controlHeight);
    row.del = QRect(w + loopLabelWidth + editWidth + buttonWidth, loopTop, buttonWidth, controlHeight);
    return row;
}

QPushButton *makeStepButton(const QString &iconPath, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setFlat(true);
    button->setIcon(QIcon(iconPath));
    button->setIconSize(QSize(16, 16));
    button->setMinimumSize(buttonWidth, 20);
    button->setMaximumSize(buttonWidth, controlHeight);
    button->resize(buttonWidth, controlHeight);
    return button;
}

} // namespace RowGeometry
