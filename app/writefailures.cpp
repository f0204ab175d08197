#include "writefailures.h"

namespace {
WriteFailures* current = nullptr;
}

WriteFailures::WriteFailures()
    : m_previous(current)
{
    current = this;
}

WriteFailures::~WriteFailures()
{
    current = m_previous;
}

void WriteFailures::report(const QString& path, const QString& reason)
{
    if (!current)
        return;
    if (current->m_count == 0) {
        current->m_first = path;
        current->m_firstReason = reason;
    }
    ++current->m_count;
}
