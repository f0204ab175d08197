#pragma once

#include <QByteArray>
#include <QString>

// Files as the tests read and write them.
namespace TestSupport {

// The whole content of a file or resource; `missing` when it cannot be read.
QByteArray fileContents(const QString& path, const QByteArray& missing = QByteArray());
// Writes data to a new or truncated file; false when not all of it was written.
bool writeFile(const QString& path, const QByteArray& data);

} // namespace TestSupport
