#pragma once

#include <QByteArray>
#include <QMap>
#include <QTemporaryDir>

namespace TestSupport {

// While it lives, the home and XDG folders point into a fresh temporary folder, so that a
// test program run by hand, outside ctest's private home, never touches the user's files.
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
