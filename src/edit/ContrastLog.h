#pragma once

#include <QLoggingCategory>

// Debug output of the contrast adjustment ("rotavue.edit.contrast").
Q_DECLARE_LOGGING_CATEGORY(lcContrast)
