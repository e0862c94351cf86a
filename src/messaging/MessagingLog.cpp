#include "messaging/MessagingLog.h"

Q_LOGGING_CATEGORY(lcMessaging, "rotavue.messaging")
