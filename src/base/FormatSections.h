// Formats of numbers and dates come in sections separated by ";"; a ";"
// inside quoted text ("…" or '…') separates nothing.
#pragma once

#include <QString>

// Position of the first section break at or after from, or -1.
qsizetype NextSectionBreak(const QString& format, qsizetype from = 0);
