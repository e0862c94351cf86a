#include "edit/DiyToolPanels.h"

#include "edit/DiyDrawing.h"

DiyToolPanels DiyToolPanels::forTool(int tool)
{
    switch (tool) {
    case DiyTool::Pen:
        return {Shown, Hidden, Hidden};
    case DiyTool::Line:
    case DiyTool::Rect:
    case DiyTool::RoundRect:
    case DiyTool::Ellipse:
        return {Shown, Shown, Hidden};
    case DiyTool::Text:
        return {Hidden, Hidden, Shown};
    case DiyTool::Move:
        return {Unchanged, Hidden, Unchanged};
    default:
        return {Hidden, Hidden, Hidden};
    }
}
