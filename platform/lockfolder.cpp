#include "lockfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

bool isPrivateFolder(const QString& path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
        && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
#else
    return QFileInfo(path).isDir();
#endif
}

QString lockFolder(const QString& runtimeFolder, const QString& cacheFolder)
{
    if (isPrivateFolder(runtimeFolder))
        return QDir::cleanPath(runtimeFolder);
    if (!QDir::isAbsolutePath(cacheFolder))
        return QString();
    const QString folder = QDir::cleanPath(cacheFolder + QLatin1String("/montivant"));
#ifdef Q_OS_UNIX
    // Made for the user alone; a failure shows in the checks below.
    ::mkdir(QFile::encodeName(cacheFolder).constData(), 0700);
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
#else
    QDir().mkpath(folder);
#endif
    // The cache folder must be private too: in a folder that others can write,
    // ours could be renamed away and replaced between the check and the lock.
    if (!isPrivateFolder(cacheFolder) || !isPrivateFolder(folder))
        return QString();
    return folder;
}

QString userLockFolder()
{
#ifdef Q_OS_UNIX
    return lockFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
#else
    // Windows gives each user a temporary folder of their own.
    return QDir::tempPath();
#endif
}

} // namespace platform
