#include "card/CardReaderLog.h"

Q_LOGGING_CATEGORY(lcCardReader, "rotavue.card.reader")
