#include "display/DisplayLog.h"

Q_LOGGING_CATEGORY(lcDisplay, "rotavue.display")
