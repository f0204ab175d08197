// A stand-in for the C library's getaddrinfo, preloaded into one process (LD_PRELOAD) to play a
// name server that never answers: the lookup of a host name ending in ".hang.test" blocks the
// calling thread for good, or, when LUMASTRAND_RESOLVER_HANG_MS is set, for that many milliseconds
// and then fails as a lookup that timed out. Every other name goes to the C library.

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <netdb.h>
#include <time.h>
#include <unistd.h>

namespace {

using GetAddrInfo = int (*)(const char*, const char*, const addrinfo*, addrinfo**);

bool hangs(const char* node)
{
    static const char suffix[] = ".hang.test";
    const size_t length = node ? std::strlen(node) : 0;
    const size_t suffixLength = sizeof suffix - 1;
    return length > suffixLength && std::strcmp(node + length - suffixLength, suffix) == 0;
}

long hangMilliseconds = -1; // for good

// Read before any thread runs. Programs this process starts get the C library's own lookups.
__attribute__((constructor)) void setUp()
{
    if (const char* limit = std::getenv("LUMASTRAND_RESOLVER_HANG_MS"))
        hangMilliseconds = std::atol(limit);
    unsetenv("LD_PRELOAD");
}

} // namespace

extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints,
                           addrinfo** result) noexcept
{
    if (hangs(node)) {
        if (hangMilliseconds < 0) {
            for (;;)
                pause();
        }
        timespec wait { hangMilliseconds / 1000, hangMilliseconds % 1000 * 1000000 };
        while (nanosleep(&wait, &wait) != 0) { }
        return EAI_AGAIN;
    }
    static const auto next = reinterpret_cast<GetAddrInfo>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return next(node, service, hints, result);
}
