#pragma once

#include <QObject>

#include <atomic>

class QIntValidator;

// One step of the colour calibration table: the bytes that drive the red,
// green and blue LEDs for the levels this step covers.
class TestValue : public QObject
{
    Q_OBJECT
public:
    TestValue(int red, int green, int blue, QObject *parent = nullptr);

    int red() const { return r.load(std::memory_order_relaxed); }
    int green() const { return g.load(std::memory_order_relaxed); }
    int blue() const { return b.load(std::memory_order_relaxed); }
    void setRed(int value) { r.store(value, std::memory_order_relaxed); }
    void setGreen(int value) { g.store(value, std::memory_order_relaxed); }
    void setBlue(int value) { b.store(value, std::memory_order_relaxed); }

    // 0 to 255, shared by the three editors of this step in the form.
    QIntValidator *validator() const { return range; }

public slots:
    void onTxtRChanged(const QString &text);
    void onTxtGChanged(const QString &text);
    void onTxtBChanged(const QString &text);

private:
    // Written on the UI thread while conversions read them on other threads.
    std::atomic<int> r;
    std::atomic<int> g;
    std::atomic<int> b;
    QIntValidator *range;
};
