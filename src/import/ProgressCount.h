#pragma once

#include <QCoreApplication>
#include <QWidget>

class QLabel;
class QProgressBar;

// How far a busy job is, under its message: "n of m" and a bar. Hidden
// until the first count arrives. With the total unknown (0), only n shows
// and the bar runs without an end.
class ProgressCount : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressCount(QWidget *parent = nullptr);

    void setCount(int done, int total);
    QString text() const;

    // "3 of 10"; "3" when the total is unknown.
    static QString countText(int done, int total);

private:
    QLabel *label;
    QProgressBar *bar;
};
