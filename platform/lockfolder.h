// Where the single-copy lock lives on Linux: a folder that no other user can write, so
// that no other account can plant a lock that stops this user's program.
#pragma once

#include <QString>

namespace platform {

// Whether `path` is a folder owned by the running user that neither its group
// nor other users can write.
bool isPrivateFolder(const QString& path);

// The folder for the lock: `runtimeFolder` (the session's runtime folder,
// XDG_RUNTIME_DIR) when it is set and private; otherwise the folder
// "montivant" in `cacheFolder` (the user's cache folder), made with mode 0700
// if missing, when it is private. The empty text when neither is: the program
// then runs without the single-copy test rather than lock in a shared place.
QString lockFolder(const QString& runtimeFolder, const QString& cacheFolder);

// lockFolder() for the running user's session.
QString userLockFolder();

} // namespace platform
