#pragma once

#include <sys/types.h>

namespace TestSupport {

// While it lives, the file accesses of the calling thread are checked as
// those of an ordinary user ("nobody", who owns no file of the tests), also
// when the tests run as root, whose rights would let every write succeed.
// Folders and files that this user is to reach must allow it to others.
class OrdinaryUser
{
public:
    OrdinaryUser();
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    uid_t m_previous;
};

} // namespace TestSupport
