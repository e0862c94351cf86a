#pragma once

#include <QLoggingCategory>

// Debug output of card files, sticks and their dialogs ("rotavue.card").
Q_DECLARE_LOGGING_CATEGORY(lcCard)
