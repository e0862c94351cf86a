#pragma once

#include <QLoggingCategory>

// Debug output of reading cards back into the playlist ("rotavue.card.reader").
Q_DECLARE_LOGGING_CATEGORY(lcCardReader)
