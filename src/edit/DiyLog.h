#pragma once

#include <QLoggingCategory>

// Debug output of the drawing canvas and its editor window ("rotavue.edit.diy").
Q_DECLARE_LOGGING_CATEGORY(lcDiy)
