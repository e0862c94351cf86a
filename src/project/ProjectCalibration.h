#pragma once

#include <array>

// The colour calibration table as a project keeps it: the red, green and blue
// bytes of each of the 32 steps, steps in key order (key 1 first).
struct ProjectCalibration
{
    struct Step {
        int red = 0;
        int green = 0;
        int blue = 0;
        bool operator==(const Step &other) const
        {
            return red == other.red && green == other.green && blue == other.blue;
        }
    };

    std::array<Step, 32> steps{};

    // The table in force now, and the table put in force (user-interface thread).
    static ProjectCalibration current();
    void apply() const;

    bool operator==(const ProjectCalibration &other) const { return steps == other.steps; }
    bool operator!=(const ProjectCalibration &other) const { return !(*this == other); }
};
