#include "display/TestValue.h"

#include "display/StrictIntValidator.h"

namespace {
// An unparsable text (an empty field while the user retypes) keeps the old
// value; so does a number that is no LED byte, which would wrap when stored.
void storeParsed(std::atomic<int> &target, const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (ok && value >= 0 && value <= 255)
        target.store(value, std::memory_order_relaxed);
}
}

TestValue::TestValue(int red, int green, int blue, QObject *parent)
    : QObject(parent), r(red), g(green), b(blue), range(new StrictIntValidator(0, 255, this))
{
}

void TestValue::onTxtRChanged(const QString &text) { storeParsed(r, text); }
void TestValue::onTxtGChanged(const QString &text) { storeParsed(g, text); }
void TestValue::onTxtBChanged(const QString &text) { storeParsed(b, text); }
