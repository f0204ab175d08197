#include "privatehome.h"

#include <QDir>

namespace TestSupport {

PrivateHome::PrivateHome()
{
    const char* const folders[][2] = { { "HOME", "" },
                                       { "XDG_CONFIG_HOME", "/.config" },
                                       { "XDG_DATA_HOME", "/.local/share" },
                                       { "XDG_CACHE_HOME", "/.cache" },
                                       { "XDG_RUNTIME_DIR", "/runtime" } };
    for (const auto& folder : folders) {
        const QString path = m_home.path() + QLatin1String(folder[1]);
        QDir().mkpath(path);
        qputenv(folder[0], QFile::encodeName(path));
    }
    QFile::setPermissions(m_home.path() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace TestSupport
