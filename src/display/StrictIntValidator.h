#pragma once

#include <QIntValidator>

// An integer validator that refuses a number outside its range as it is
// typed. QIntValidator lets "300" through for 0 to 255 as intermediate input
// (it has no more digits than the top), so an editor would show and report it.
class StrictIntValidator : public QIntValidator
{
    Q_OBJECT
public:
    StrictIntValidator(int bottom, int top, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
};
