#pragma once

#include <QLoggingCategory>

// Debug output of the video import ("rotavue.video").
Q_DECLARE_LOGGING_CATEGORY(lcVideo)
