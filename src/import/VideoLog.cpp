#include "import/VideoLog.h"

Q_LOGGING_CATEGORY(lcVideo, "rotavue.video")
