#pragma once

#include <QString>

#include <optional>

// What the row editors' + and - buttons and typed values may make of a
// picture's display time and a sequence's loop count.
class StepRules
{
public:
    static constexpr double timeStep = 0.2;
    static constexpr double minTypedTime = 1;
    static constexpr double maxTime = 100;
    static constexpr int minLoops = 1;
    static constexpr int maxLoops = 255;

    // Below 100 s a step up adds 0.2 s (so 99.9 s gives 100.1 s); 100 s or more becomes 100.
    static double timeUp(double seconds);
    // Above 0.2 s a step down takes 0.2 s off; 0.2 s or less becomes 0.2.
    static double timeDown(double seconds);
    static int loopUp(int loops);
    static int loopDown(int loops);

    // A typed display time: 1 to 100 s with at most one decimal ("5.2");
    // nothing for any other text, which is then not stored.
    static std::optional<double> typedTime(const QString &text);
    // A typed loop count: a whole number from 1 to 255.
    static std::optional<int> typedLoopCount(const QString &text);
};
