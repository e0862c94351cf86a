#include "ui/StepRules.h"

#include <QRegularExpression>

double StepRules::timeUp(double seconds)
{
    return seconds >= maxTime ? maxTime : seconds + timeStep;
}

double StepRules::timeDown(double seconds)
{
    return seconds > timeStep ? seconds - timeStep : timeStep;
}

int StepRules::loopUp(int loops)
{
    return loops > maxLoops - 1 ? maxLoops : loops + 1;
}

int StepRules::loopDown(int loops)
{
    return loops < minLoops + 1 ? minLoops : loops - 1;
}

std::optional<double> StepRules::typedTime(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*\\d{1,3}(\\.\\d?)?\\s*$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double seconds = text.trimmed().toDouble(&ok);
    if (!ok || seconds < minTypedTime || seconds > maxTime)
        return std::nullopt;
    return seconds;
}

std::optional<int> StepRules::typedLoopCount(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*\\d{1,3}\\s*$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const int loops = text.trimmed().toInt();
    if (loops < minLoops || loops > maxLoops)
        return std::nullopt;
    return loops;
}
