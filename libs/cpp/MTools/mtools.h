#pragma once

#include <QRegExp>
#include <QString>

// Small services of the foundation library.
namespace MTools {

// The English name of a month (1 = "January" ... 12 = "December"), translated in
// the context QObject; any other number gives the untranslated "Unknown".
QString monthName(int month);

// A case-sensitive expression for e-mail addresses, meant for QRegExp::exactMatch:
// local part, "@", domain, ".", and a top-level part of 2 to 4 letters or 1 to 3 digits.
QRegExp emailRegExp();

} // namespace MTools
