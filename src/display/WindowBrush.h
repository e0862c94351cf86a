#pragma once

class QBrush;
class QWidget;

// Fills a widget's background with a brush (a colour, a picture, the ring
// texture) in every colour group, as the preview areas and the crop circle do.
class WindowBrush
{
public:
    static void apply(QWidget *widget, const QBrush &brush);
};
