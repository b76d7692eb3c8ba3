#pragma once

// Folders and files for the tests of the POSIX backend.
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdlib>

// Writes a file, executable when asked.
inline bool writeFile(const QString &path, const QByteArray &content, bool executable)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    auto permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    return file.setPermissions(permissions);
}

// Sets PATH for the life of the object.
class ScopedPath
{
public:
    explicit ScopedPath(const QByteArray &path)
    {
        if (const char *old = std::getenv("PATH"))
            m_old = old;
        ::setenv("PATH", path.constData(), 1);
    }
    ~ScopedPath() { ::setenv("PATH", m_old.constData(), 1); }
    ScopedPath(const ScopedPath &) = delete;
    ScopedPath &operator=(const ScopedPath &) = delete;

private:
    QByteArray m_old;
};
