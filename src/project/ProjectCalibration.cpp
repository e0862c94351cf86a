#include "project/ProjectCalibration.h"

#include "display/TestColorUtil.h"
#include "display/TestValue.h"

static_assert(std::tuple_size<decltype(ProjectCalibration::steps)>::value == TestColorUtil::stepCount,
              "one entry per calibration step");

ProjectCalibration ProjectCalibration::current()
{
    ProjectCalibration table;
    const TestColorUtil *util = TestColorUtil::instance();
    for (int key = 1; key <= TestColorUtil::stepCount; ++key) {
        if (const TestValue *value = util->value(key))
            table.steps[size_t(key - 1)] = {value->red(), value->green(), value->blue()};
    }
    return table;
}

void ProjectCalibration::apply() const
{
    const TestColorUtil *util = TestColorUtil::instance();
    for (int key = 1; key <= TestColorUtil::stepCount; ++key) {
        TestValue *value = util->value(key);
        if (!value)
            continue;
        const Step &step = steps[size_t(key - 1)];
        value->setRed(step.red);
        value->setGreen(step.green);
        value->setBlue(step.blue);
    }
}
