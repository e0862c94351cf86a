#include "display/StrictIntValidator.h"

StrictIntValidator::StrictIntValidator(int bottom, int top, QObject *parent) : QIntValidator(bottom, top, parent)
{
}

QValidator::State StrictIntValidator::validate(QString &input, int &pos) const
{
    const State state = QIntValidator::validate(input, pos);
    if (state != Intermediate)
        return state;
    bool ok = false;
    const qlonglong value = locale().toLongLong(input, &ok);
    // More digits only make a positive number larger: it can never get back
    // into the range. Anything else (such as "" or "3" below 10) still can.
    if (ok && value > 0 && value > top())
        return Invalid;
    return state;
}
