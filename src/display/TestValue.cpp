#include "display/TestValue.h"

#include <QIntValidator>

namespace {
// An unparsable text (an empty field while the user retypes) keeps the old value.
void storeParsed(std::atomic<int> &target, const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (ok)
        target.store(value, std::memory_order_relaxed);
}
}

TestValue::TestValue(int red, int green, int blue, QObject *parent)
    : QObject(parent), r(red), g(green), b(blue), range(new QIntValidator(0, 255, this))
{
}

void TestValue::onTxtRChanged(const QString &text) { storeParsed(r, text); }
void TestValue::onTxtGChanged(const QString &text) { storeParsed(g, text); }
void TestValue::onTxtBChanged(const QString &text) { storeParsed(b, text); }
