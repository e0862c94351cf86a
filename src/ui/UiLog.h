#pragma once

#include <QLoggingCategory>

// Debug output of the main window, its playlist and row editors ("rotavue.ui").
Q_DECLARE_LOGGING_CATEGORY(lcUi)
