#pragma once

#include <QLoggingCategory>

// Debug output of language switching ("rotavue.ui.language").
Q_DECLARE_LOGGING_CATEGORY(lcLanguage)
