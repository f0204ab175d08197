#pragma once

#include <QString>

namespace Platform {

// What the program tells its maker about the system it runs on.
//
// The maker's update service describes each build by the oldest Windows
// version it runs on ("xp", "vista", "7", "8", "8.1", "10", "11"). Windows
// versions are compared as generations: 51 (XP), 60 (Vista), 61 (7), 62 (8),
// 63 (8.1), 100 (10), 110 (11). On any other system the program runs as a
// current desktop program, so the running system is reported as the
// generation of Windows 10: a build for Windows 10 or older covers it, a build
// that asks for Windows 11 does not.
class SystemInfo
{
public:
    // The generation of the running system (see above).
    static int windowsGeneration();
    // The generation that a version name stands for; 0 for an unknown name.
    static int generationOf(const QString& versionName);
    // The running system in words for messages to the maker, for example
    // "Linux Debian GNU/Linux 12 (bookworm)".
    static QString systemName();
};

} // namespace Platform
