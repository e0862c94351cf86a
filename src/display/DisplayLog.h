#pragma once

#include <QLoggingCategory>

// Debug output of conversion, records, preview and playback ("rotavue.display").
Q_DECLARE_LOGGING_CATEGORY(lcDisplay)
