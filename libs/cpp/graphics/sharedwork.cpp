#include "sharedwork.h"

#include <QSemaphore>
#include <QThreadPool>

#include <atomic>

namespace MGraphX {

void shareOut(int count, const std::function<void(int)>& work)
{
    std::atomic<int> next { 0 };
    const auto takeTurns = [&next, count, &work] {
        for (int index = next++; index < count; index = next++)
            work(index);
    };
    QSemaphore finished;
    int helpers = 0;
    QThreadPool* pool = QThreadPool::globalInstance();
    for (int helper = 1; helper < count && helper < pool->maxThreadCount(); ++helper) {
        if (!pool->tryStart([&takeTurns, &finished] {
                takeTurns();
                finished.release();
            }))
            break;
        ++helpers;
    }
    takeTurns();
    finished.acquire(helpers);
}

} // namespace MGraphX
