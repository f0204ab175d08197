#include "privatehome.h"

#include <QDir>

namespace TestSupport {

namespace {
const char* const kFolders[][2] = {
    { "HOME", "" },
    { "XDG_CONFIG_HOME", "/.config" },
    { "XDG_DATA_HOME", "/.local/share" },
    { "XDG_CACHE_HOME", "/.cache" },
    { "XDG_RUNTIME_DIR", "/runtime" },
};
} // namespace

PrivateHome::PrivateHome()
{
    for (const auto& folder : kFolders) {
        if (qEnvironmentVariableIsSet(folder[0]))
            m_previous.insert(folder[0], qgetenv(folder[0]));
        const QString path = m_home.path() + QLatin1String(folder[1]);
        QDir().mkpath(path);
        qputenv(folder[0], QFile::encodeName(path));
    }
    QFile::setPermissions(m_home.path() + QLatin1String("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

PrivateHome::~PrivateHome()
{
    for (const auto& folder : kFolders) {
        if (m_previous.contains(folder[0]))
            qputenv(folder[0], m_previous.value(folder[0]));
        else
            qunsetenv(folder[0]);
    }
}

} // namespace TestSupport
