#include "edit/ContrastLog.h"

Q_LOGGING_CATEGORY(lcContrast, "rotavue.edit.contrast")
