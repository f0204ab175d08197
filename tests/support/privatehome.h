#pragma once

#include <QByteArray>
#include <QMap>
#include <QTemporaryDir>

namespace TestSupport {

// While it lives, the home folder and the XDG folders of the process point
// into a fresh temporary folder, so that a test program started by hand,
// outside the private home that ctest gives it, never reads or writes the
// user's own settings and files. Made before the application object.
class PrivateHome
{
public:
    PrivateHome();
    ~PrivateHome();
    PrivateHome(const PrivateHome&) = delete;
    PrivateHome& operator=(const PrivateHome&) = delete;

private:
    QTemporaryDir m_home;
    QMap<QByteArray, QByteArray> m_previous; // unset variables are absent
};

} // namespace TestSupport
