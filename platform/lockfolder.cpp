#include "lockfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool isPrivateFolder(const QString& path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
        && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString lockFolder(const QString& runtimeFolder, const QString& cacheFolder)
{
    if (isPrivateFolder(runtimeFolder))
        return QDir::cleanPath(runtimeFolder);
    if (!QDir::isAbsolutePath(cacheFolder))
        return QString();
    const QString folder = QDir::cleanPath(cacheFolder + QLatin1String("/montivant"));
    // Made for the user alone; a failure shows in the checks below.
    ::mkdir(QFile::encodeName(cacheFolder).constData(), 0700);
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    // The cache folder must be private too: in a folder that others can write,
    // ours could be renamed away and replaced between the check and the lock.
    if (!isPrivateFolder(cacheFolder) || !isPrivateFolder(folder))
        return QString();
    return folder;
}

QString userLockFolder()
{
    return lockFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
}

} // namespace platform
