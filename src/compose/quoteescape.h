#pragma once

#include <QString>
#include <QStringView>

// Appends a user text to out as it goes inside a double-quoted attribute
// value: each " as &quot;, everything else unchanged.
void appendQuoteEscaped(QString &out, QStringView text);
