#include "printing/outcome.h"

// Warnings and worse unless QT_LOGGING_RULES says otherwise.
Q_LOGGING_CATEGORY(lcPrinting, "tarvello.printing", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSaving, "tarvello.saving", QtWarningMsg)
