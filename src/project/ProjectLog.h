#pragma once

#include <QLoggingCategory>

// Debug output of project files: saving, opening, the unsaved-changes question ("rotavue.project").
Q_DECLARE_LOGGING_CATEGORY(lcProject)
