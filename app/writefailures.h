#pragma once

#include <QString>

// Collects the files that an export run could not write. While a collector
// exists it is the current one, and every writer reports its failed files to
// it through report(); without a collector a report goes nowhere.
class WriteFailures
{
public:
    WriteFailures();
    ~WriteFailures();
    WriteFailures(const WriteFailures&) = delete;
    WriteFailures& operator=(const WriteFailures&) = delete;

    // path could not be written; reason says why in plain words.
    static void report(const QString& path, const QString& reason = QString());

    int count() const { return m_count; }
    QString first() const { return m_first; }
    QString firstReason() const { return m_firstReason; }

private:
    WriteFailures* m_previous;
    int m_count = 0;
    QString m_first;
    QString m_firstReason;
};
