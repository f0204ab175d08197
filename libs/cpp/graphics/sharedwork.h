#pragma once

#include <functional>

namespace MGraphX {

// Runs work(0) to work(count - 1), each once and in no set order, on the
// calling thread and on the threads of Qt's global pool that are free now,
// and returns when all are done. The caller always takes part and waits only
// for the threads that did start, so a call from a thread of the pool (a host
// blurring pictures in a batch) cannot wait for work that no free thread
// will ever take.
void shareOut(int count, const std::function<void(int)>& work);

} // namespace MGraphX
