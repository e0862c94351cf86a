#include "edit/EditLog.h"

Q_LOGGING_CATEGORY(lcEdit, "rotavue.edit")
