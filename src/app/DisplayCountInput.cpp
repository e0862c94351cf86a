#include "app/DisplayCountInput.h"

int DisplayCountInput::valueOf(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : notANumber;
}

bool DisplayCountInput::acceptable(const QString &text, int maximum)
{
    const int value = valueOf(text);
    return value >= 1 && value <= maximum;
}
