#include "ordinaryuser.h"

#include <sys/fsuid.h>

namespace TestSupport {

namespace {
const uid_t kNobody = 65534;
} // namespace

// The file-system user of a thread alone decides its file rights; leaving
// root drops root's right to pass over them, and coming back restores it.
OrdinaryUser::OrdinaryUser()
    : m_previous(uid_t(setfsuid(kNobody)))
{
}

OrdinaryUser::~OrdinaryUser()
{
    setfsuid(m_previous);
}

} // namespace TestSupport
