#include "ui/UiLog.h"

Q_LOGGING_CATEGORY(lcUi, "rotavue.ui")
