#include "ui/GeometryLog.h"

Q_LOGGING_CATEGORY(lcGeometry, "rotavue.ui.geometry")
