#include "TestHome.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {
QString privateFolderTemplate()
{
    // ctest names the folder for the test programs' temporary files; it may not exist yet (and the
    // platform's temporary path falls back to /tmp for a folder that does not exist).
    QString base = qEnvironmentVariable("TMPDIR");
    if (base.isEmpty() || !QDir().mkpath(base)) {
        base = QDir::tempPath();
    }
    return base + u"/velmora-test-XXXXXX"_s;
}
} // namespace

TestHome::TestHome() : m_root(privateFolderTemplate())
{
    if (!m_root.isValid()) {
        return;
    }
    const QDir root(m_root.path());
    const struct
    {
        const char *variable;
        QString folder;
    } folders[] = {
        {"HOME", u"home"_s},
        {"XDG_CONFIG_HOME", u"home/.config"_s},
        {"XDG_DATA_HOME", u"home/.local/share"_s},
        {"XDG_STATE_HOME", u"home/.local/state"_s},
        {"XDG_CACHE_HOME", u"home/.cache"_s},
        {"XDG_RUNTIME_DIR", u"runtime"_s},
        {"TMPDIR", u"tmp"_s},
    };
    for (const auto &entry : folders) {
        const QString path = root.filePath(entry.folder);
        root.mkpath(entry.folder);
        qputenv(entry.variable, QFile::encodeName(path));
    }
    // Qt refuses a runtime folder that others may read.
    QFile::setPermissions(root.filePath(u"runtime"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    root.mkpath(u"home/Documents"_s);
    // The user's own folder names (documents, videos) come from a file in the configuration
    // folder; without one they are the plain names under the private home.
    qunsetenv("XDG_DOCUMENTS_DIR");
    qunsetenv("XDG_VIDEOS_DIR");
}
