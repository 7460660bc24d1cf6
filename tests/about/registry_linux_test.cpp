// The Linux stand-in for the registry: the system information tool found on
// the PATH, answered at the location where Windows records it.
#include "about/frmabout.h"
#include "fakes/fakeplatform.h"
#include "platform/registry_linux.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
// Makes a file in folder; executable when asked.
QString makeFile(const QString& folder, const QString& name, bool executable)
{
    const QString path = QDir(folder).filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner
                     | (executable ? QFile::ExeOwner : QFile::Permissions()));
    return path;
}
} // namespace

class LinuxRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void findsTheFirstToolOfTheList();
    void answersLocation1Only();
    void aboutButton_data();
    void aboutButton();
};

void LinuxRegistryTest::findsTheFirstToolOfTheList()
{
    QTemporaryDir a, b;
    const std::string both = a.path().toStdString() + ":" + b.path().toStdString();
    QVERIFY(platform::findSystemInfoTool(both).empty());

    // Not executable, or a folder by that name: passed over.
    makeFile(a.path(), QStringLiteral("hardinfo"), false);
    QVERIFY(QDir(a.path()).mkdir(QStringLiteral("kinfocenter")));
    const QString monitor = makeFile(b.path(), QStringLiteral("gnome-system-monitor"), true);
    QCOMPARE(platform::findSystemInfoTool(both), monitor.toStdString());

    // A tool earlier in the list wins over the folders' order.
    const QString kinfo = makeFile(b.path(), QStringLiteral("kinfocenter"), true);
    QCOMPARE(platform::findSystemInfoTool(both), kinfo.toStdString());
    // Within one tool, the first folder of the PATH wins, with or without its last slash.
    const QString hardinfoA = makeFile(a.path(), QStringLiteral("hardinfo2"), true);
    makeFile(b.path(), QStringLiteral("hardinfo2"), true);
    QCOMPARE(platform::findSystemInfoTool(both), hardinfoA.toStdString());
    QCOMPARE(platform::findSystemInfoTool(a.path().toStdString() + "/:" + b.path().toStdString()),
             hardinfoA.toStdString());

    // Empty and relative entries never find anything, even from inside the folder.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(b.path()));
    const std::string relative = platform::findSystemInfoTool(":.::./");
    QDir::setCurrent(previous);
    QVERIFY(relative.empty());
    QVERIFY(platform::findSystemInfoTool("").empty());
}

void LinuxRegistryTest::answersLocation1Only()
{
    QTemporaryDir dir;
    const QString tool = makeFile(dir.path(), QStringLiteral("kinfocenter"), true);
    std::unique_ptr<platform::Registry> r(platform::makeLinuxRegistry(dir.path().toStdString()));
    platform::RegKey key = 99;
    QCOMPARE(r->openKey(platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                        platform::kKeyQueryValue, &key),
             platform::kErrorFileNotFound);
    QCOMPARE(key, platform::RegKey(0));
    // Key names are compared without regard to case, as Windows does.
    QCOMPARE(r->openKey(platform::kHkeyLocalMachine, "software\\microsoft\\shared tools\\msinfo",
                        platform::kKeyQueryValue, &key),
             platform::kErrorSuccess);
    unsigned char data[1024] = {};
    std::uint32_t size = sizeof data, type = 0;
    QCOMPARE(r->queryValue(key, "MSINFO", &type, data, &size), platform::kErrorFileNotFound);
    QCOMPARE(r->queryValue(key, "path", &type, data, &size), platform::kErrorSuccess);
    QCOMPARE(type, platform::kRegSz);
    QCOMPARE(size, std::uint32_t(tool.toUtf8().size() + 1));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(data)), tool.toUtf8());
    // A path longer than the buffer fails like a long value.
    size = 8;
    QCOMPARE(r->queryValue(key, "PATH", &type, data, &size), platform::kErrorMoreData);
    r->closeKey(key);

    std::unique_ptr<platform::Registry> empty(platform::makeLinuxRegistry("/nonexistent"));
    QCOMPARE(empty->openKey(platform::kHkeyLocalMachine, frmAbout::kSysInfoKey1,
                            platform::kKeyQueryValue, &key),
             platform::kErrorFileNotFound);
}

void LinuxRegistryTest::aboutButton_data()
{
    QTest::addColumn<bool>("hasTool");
    QTest::newRow("starts the tool found") << true;
    QTest::newRow("without a tool says so") << false;
}

// The About window's button over this registry.
void LinuxRegistryTest::aboutButton()
{
    QFETCH(bool, hasTool);
    fake::Platform fake;
    QTemporaryDir dir;
    const QString tool =
        hasTool ? makeFile(dir.path(), QStringLiteral("gnome-system-monitor"), true) : QString();
    std::unique_ptr<platform::Registry> r(platform::makeLinuxRegistry(dir.path().toStdString()));
    platform::Services s;
    s.registry = r.get();
    platform::install(s);
    frmAbout::ShowModeless();
    QTest::mouseClick(frmAbout::instance()->cmdSysInfo, Qt::LeftButton);
    delete frmAbout::instance();
    QCOMPARE(fake.shell.started, hasTool ? QStringList{tool} : QStringList{});
    QCOMPARE(fake.dialogs.messages.size(), hasTool ? 0 : 1);
    if (!hasTool)
        QCOMPARE(fake.dialogs.messages[0].text, frmAbout::kNoSysInfoText);
}

QTEST_MAIN(LinuxRegistryTest)
#include "registry_linux_test.moc"
