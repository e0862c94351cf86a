#include "ui/LanguageLog.h"

Q_LOGGING_CATEGORY(lcLanguage, "rotavue.ui.language")
