#include "card/CardLog.h"

Q_LOGGING_CATEGORY(lcCard, "rotavue.card")
