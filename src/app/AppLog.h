#pragma once

#include <QLoggingCategory>

// Debug output of start-up and the work and temp folders ("rotavue.app").
Q_DECLARE_LOGGING_CATEGORY(lcApp)
