#pragma once

#include <QLoggingCategory>

// Debug output of the display geometry dialogs ("rotavue.ui.geometry").
Q_DECLARE_LOGGING_CATEGORY(lcGeometry)
