#pragma once

#include <QtGlobal>

// A message handler for the benchmarks: drops the debug lines (the records
// write one each), so the figures are not lost among them; warnings still show.
void quietDebug(QtMsgType type, const QMessageLogContext &context, const QString &text);
