// Where the single-copy lock lives: only in a folder that no other user can
// write (the session's runtime folder, else a folder of the user's cache made
// for the user alone), never in a shared one; no folder at all rather than a
// shared one.
#include "platform/lockfolder.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folders of one case, in a temporary folder of the test.
enum class Runtime { Unset, Private, GroupWritable, SharedLikeTmp, Missing, Relative, OtherUsers };
enum class Cache { Missing, Private, ReadableByAll, LockFolderShared, LockFolderIsAFile, SharedLikeTmp,
                   ParentMissing, OtherUsers };
enum class Chosen { RuntimeFolder, CacheFolder, None };

int modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

bool makeFolder(const QString& path, int mode)
{
    return QDir().mkpath(path) && ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
}

// A folder that belongs to another user: made and given away when the test
// runs as root, else a system folder (owned by root, writable by nobody else).
QString foreignFolder(const QString& path)
{
    if (::geteuid() != 0)
        return QStringLiteral("/usr");
    makeFolder(path, 0755);
    if (::chown(QFile::encodeName(path).constData(), 65534, 65534) != 0)
        return QString();
    return path;
}

QString messages;
void recordMessage(QtMsgType, const QMessageLogContext&, const QString& text) { messages += text + '\n'; }

} // namespace

Q_DECLARE_METATYPE(Runtime)
Q_DECLARE_METATYPE(Cache)
Q_DECLARE_METATYPE(Chosen)

class LockFolderTest : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
    void sessionFoldersWithoutWarnings();
    void plantedLocksInSharedFoldersAreIgnored();
};

void LockFolderTest::choice_data()
{
    QTest::addColumn<Runtime>("runtime");
    QTest::addColumn<Cache>("cache");
    QTest::addColumn<Chosen>("chosen");
    using R = Runtime;
    using C = Cache;
    QTest::newRow("private runtime folder") << R::Private << C::Missing << Chosen::RuntimeFolder;
    QTest::newRow("no runtime folder: cache made 0700") << R::Unset << C::Missing << Chosen::CacheFolder;
    QTest::newRow("runtime folder writable by its group") << R::GroupWritable << C::Missing << Chosen::CacheFolder;
    QTest::newRow("runtime folder shared like /tmp") << R::SharedLikeTmp << C::Missing << Chosen::CacheFolder;
    QTest::newRow("runtime folder missing") << R::Missing << C::Private << Chosen::CacheFolder;
    QTest::newRow("runtime folder relative") << R::Relative << C::Private << Chosen::CacheFolder;
    QTest::newRow("runtime folder of another user") << R::OtherUsers << C::Private << Chosen::CacheFolder;
    QTest::newRow("cache readable by all, written by the user only")
        << R::Unset << C::ReadableByAll << Chosen::CacheFolder;
    QTest::newRow("lock folder writable by all") << R::Unset << C::LockFolderShared << Chosen::None;
    QTest::newRow("lock folder is a file") << R::Unset << C::LockFolderIsAFile << Chosen::None;
    QTest::newRow("cache folder shared like /tmp") << R::SharedLikeTmp << C::SharedLikeTmp << Chosen::None;
    QTest::newRow("cache folder cannot be made") << R::Unset << C::ParentMissing << Chosen::None;
    QTest::newRow("cache folder of another user") << R::Unset << C::OtherUsers << Chosen::None;
}

void LockFolderTest::choice()
{
    QFETCH(Runtime, runtime);
    QFETCH(Cache, cache);
    QFETCH(Chosen, chosen);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString base = dir.path();

    QString run;
    switch (runtime) {
    case Runtime::Unset: break;
    case Runtime::Private: run = base + "/run"; QVERIFY(makeFolder(run, 0700)); break;
    case Runtime::GroupWritable: run = base + "/run"; QVERIFY(makeFolder(run, 0770)); break;
    case Runtime::SharedLikeTmp: run = base + "/run"; QVERIFY(makeFolder(run, 01777)); break;
    case Runtime::Missing: run = base + "/run"; break;
    case Runtime::Relative: run = "run"; break;
    case Runtime::OtherUsers: run = foreignFolder(base + "/run"); QVERIFY(!run.isEmpty()); break;
    }

    QString cacheFolder = base + "/home/.cache";
    QVERIFY(makeFolder(base + "/home", 0700));
    const QString lockIn = cacheFolder + "/montivant";
    switch (cache) {
    case Cache::Missing: break;
    case Cache::Private: QVERIFY(makeFolder(cacheFolder, 0700)); break;
    case Cache::ReadableByAll: QVERIFY(makeFolder(lockIn, 0755)); QVERIFY(makeFolder(cacheFolder, 0755)); break;
    case Cache::LockFolderShared: QVERIFY(makeFolder(lockIn, 0777)); break;
    case Cache::LockFolderIsAFile:
        QVERIFY(makeFolder(cacheFolder, 0700));
        QVERIFY(QFile(lockIn).open(QIODevice::WriteOnly));
        break;
    case Cache::SharedLikeTmp: QVERIFY(makeFolder(cacheFolder, 01777)); break;
    case Cache::ParentMissing: cacheFolder = base + "/gone/.cache"; break;
    case Cache::OtherUsers: cacheFolder = foreignFolder(cacheFolder); QVERIFY(!cacheFolder.isEmpty()); break;
    }

    const QString folder = platform::lockFolder(run, cacheFolder);
    switch (chosen) {
    case Chosen::RuntimeFolder: QCOMPARE(folder, run); break;
    case Chosen::CacheFolder:
        QCOMPARE(folder, lockIn);
        if (cache == Cache::Missing) {
            // Made for the user alone, and the cache folder with it.
            QCOMPARE(modeOf(lockIn), 0700);
            QCOMPARE(modeOf(cacheFolder), 0700);
        }
        break;
    case Chosen::None: QCOMPARE(folder, QString()); break;
    }
    // Never a folder that another user can write.
    if (!folder.isEmpty())
        QCOMPARE(modeOf(folder) & 022, 0);
}

// The program's own choice reads the session's runtime folder and the user's
// cache folder (XDG_CACHE_HOME), and prints nothing, also without a runtime
// folder: a second copy ends silently.
void LockFolderTest::sessionFoldersWithoutWarnings()
{
    QTemporaryDir dir;
    QVERIFY(makeFolder(dir.path() + "/run", 0700));
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path() + "/run"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.path() + "/cache"));
    const QString withRuntime = platform::userLockFolder();
    qunsetenv("XDG_RUNTIME_DIR");
    const QString withoutRuntime = platform::userLockFolder();
    qInstallMessageHandler(previous);
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
    qputenv("XDG_CACHE_HOME", oldCache);
    QCOMPARE(withRuntime, dir.path() + "/run");
    QCOMPARE(withoutRuntime, dir.path() + "/cache/montivant");
    QCOMPARE(messages, QString());
}

// The real single-copy test takes its lock in the runtime folder; live locks
// planted in the temporary folder, where the lock used to be, do not count.
void LockFolderTest::plantedLocksInSharedFoldersAreIgnored()
{
    // The real lock is held until the process ends: its folder goes after it
    // (an exit handler registered before the lock exists runs after it is gone).
    static QTemporaryDir dir;
    dir.setAutoRemove(false);
    std::atexit([] { QDir(dir.path()).removeRecursively(); });
    const QString run = dir.path() + "/run";
    const QString tmp = dir.path() + "/tmp";
    QVERIFY(makeFolder(run, 0700));
    QVERIFY(makeFolder(tmp, 01777));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(run));
    qputenv("TMPDIR", QFile::encodeName(tmp));
    // Held by this live process, as another user's live process would hold it.
    QLockFile planted(tmp + QStringLiteral("/montivant-%1.lock").arg(::getuid()));
    QVERIFY(planted.tryLock(0));
    QLockFile planted2(tmp + "/montivant.lock");
    QVERIFY(planted2.tryLock(0));

    platform::installReal();
    QVERIFY(!platform::singleCopy().anotherCopyRunning());
    QVERIFY(QFile::exists(run + "/montivant.lock"));
    // The answer stays for the whole run.
    QVERIFY(!platform::singleCopy().anotherCopyRunning());
}

QTEST_MAIN(LockFolderTest)
#include "lockfolder_test.moc"
