#pragma once

#include <QLoggingCategory>

// Debug output of the crop dialog ("rotavue.edit").
Q_DECLARE_LOGGING_CATEGORY(lcEdit)
