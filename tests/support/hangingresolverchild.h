#pragma once

#include <QProcessEnvironment>
#include <QString>

// Child processes in which the lookup of every host name ending in ".hang.test" never answers, as
// on a network whose name server never replies: the lookup blocks whichever thread calls the C
// library's getaddrinfo. Other names are looked up as usual. A test program or a benchmark runs a
// part of itself again in such a child.
namespace TestSupport {

// This program's environment with the hanging resolver preloaded, a lookup blocking for the given
// time and then failing (-1: for good).
QProcessEnvironment hangingResolverEnvironment(int hangMilliseconds = -1);
// True in a process started with that environment.
bool resolverHangs();
// Runs the data row of the test function now running again, in such a child. Returns what the
// child printed when it failed or was still running after timeout milliseconds (it is killed then),
// and an empty text when it passed.
QString runThisRowWithHangingResolver(int timeout = 30000);

} // namespace TestSupport
