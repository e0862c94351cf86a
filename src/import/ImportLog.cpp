#include "import/ImportLog.h"

Q_LOGGING_CATEGORY(lcImport, "rotavue.import")
