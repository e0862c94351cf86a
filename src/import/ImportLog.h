#pragma once

#include <QLoggingCategory>

// Debug output of the picture and GIF imports ("rotavue.import").
Q_DECLARE_LOGGING_CATEGORY(lcImport)
