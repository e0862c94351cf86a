#pragma once

// Which option panels of the DIY editor a tool shows.
class DiyToolPanels
{
public:
    enum Visibility { Hidden, Shown, Unchanged };

    Visibility penType = Hidden;
    Visibility brush = Hidden;
    Visibility textType = Hidden;

    // Pen: pen options. Line and the shapes: pen and fill. Text: text options.
    // Erase: none. Move: the fill panel goes, the others stay as they were.
    static DiyToolPanels forTool(int tool);
};
