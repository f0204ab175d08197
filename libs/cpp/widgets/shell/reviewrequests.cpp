#include "reviewrequests.h"

bool ReviewRequests::stopped(const QDate& today) const
{
    if (count < MaximumRequests)
        return false;
    // A request count without a readable date cannot be timed; it starts the
    // counts again rather than stopping the requests for good.
    if (!lastDate.isValid())
        return false;
    return lastDate.daysTo(today) < PauseDays;
}

bool ReviewRequests::call(const QDate& today, bool force)
{
    if (stopped(today))
        return false;
    if (count >= MaximumRequests) {
        calls = 0;
        count = 0;
    }
    ++calls;
    if (!force && count != 0 && calls % 2 != 0)
        return false;
    ++count;
    lastDate = today;
    return true;
}
