#pragma once

#include <QString>

// How the geometry dialogs read what the user typed as an LED or line count.
class DisplayCountInput
{
public:
    // What a text that is not a number (an empty one, say) stands for.
    static constexpr int notANumber = 40;
    static constexpr int ledCountMaximum = 500;
    static constexpr int lineCountMaximum = 600;

    // The text as a decimal number; notANumber when it is none.
    static int valueOf(const QString &text);
    // Whether the text may be confirmed: its value lies within 1 to maximum
    // (the conversion needs at least one LED and one line).
    static bool acceptable(const QString &text, int maximum);
};
