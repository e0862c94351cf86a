#pragma once

#include <QLoggingCategory>

// Debug output of the looper and its handlers ("rotavue.messaging").
Q_DECLARE_LOGGING_CATEGORY(lcMessaging)
