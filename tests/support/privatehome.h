#pragma once

#include <QTemporaryDir>

namespace TestSupport {

// From its making to the end of the test program, the home and XDG folders point into a fresh
// temporary folder, so that a test program run by hand, outside ctest's private home, never
// touches the user's files. Made once, at the start of main().
class PrivateHome
{
public:
    PrivateHome();

private:
    QTemporaryDir m_home;
};

} // namespace TestSupport
