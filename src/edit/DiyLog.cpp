#include "edit/DiyLog.h"

Q_LOGGING_CATEGORY(lcDiy, "rotavue.edit.diy")
