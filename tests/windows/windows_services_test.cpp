// Windows's own services as the program uses them, on the system's registry,
// shell and sound call (run under Wine here): what the registry holds is read
// back with reg.exe, as a parent or a school's technician would see it.
#include "about/frmabout.h"
#include "fakes/fakeplatform.h"
#include "platform/platform.h"
#include "platform/sound_windows.h"
#include "tips/tipsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>
#include <mmsystem.h>

namespace {

const QString kApp = QStringLiteral("montivant_services_test");

// reg.exe with the arguments; its output, or a failed test's message.
QString reg(const QStringList& arguments, bool* ok = nullptr)
{
    QProcess process;
    process.start(QStringLiteral("reg"), arguments);
    const bool ended = process.waitForFinished(60000);
    if (ok)
        *ok = ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString userKey(const QString& app, const QString& section)
{
    return QStringLiteral("HKCU\\Software\\montivant\\%1\\%2").arg(app, section);
}

// What the sound call was asked, by the recording player below.
QString g_playedFile;
unsigned g_playedFlags = 0;
int g_plays = 0;

} // namespace

class WindowsServicesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void settingsLiveInTheUsersRegistry_data();
    void settingsLiveInTheUsersRegistry();
    void absentAndHandEnteredValues();
    void soundsAskedByTheirFolder_data();
    void soundsAskedByTheirFolder();
    void aboutFindsTheTool_data();
    void aboutFindsTheTool();
    void tipsNameTheKeyTheProgramWrites();
};

void WindowsServicesTest::initTestCase()
{
    platform::installReal();
    reg({QStringLiteral("delete"), QStringLiteral("HKCU\\Software\\montivant\\") + kApp,
         QStringLiteral("/f")});
}

void WindowsServicesTest::settingsLiveInTheUsersRegistry_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("tips") << "Options" << "Show Tips at Startup" << "0";
    QTest::newRow("name") << "Meilleur Score" << "Nom" << "Jean, Marie";
    QTest::newRow("score") << "Meilleur Score" << "Score" << "-12";
}

// Each value under HKEY_CURRENT_USER\Software\montivant\<executable>\<section>,
// a text named as its key, readable by another program at once.
void WindowsServicesTest::settingsLiveInTheUsersRegistry()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    platform::SettingsMedium& medium = platform::settings();
    QVERIFY(medium.write(kApp, section, key, value));
    bool ok = false;
    const QString listed = reg({QStringLiteral("query"), userKey(kApp, section),
                                QStringLiteral("/v"), key}, &ok);
    QVERIFY2(ok, qPrintable(listed));
    QVERIFY2(listed.contains(QRegularExpression(
                 QStringLiteral("%1\\s+REG_SZ\\s+%2").arg(QRegularExpression::escape(key),
                                                          QRegularExpression::escape(value)))),
             qPrintable(listed));
    QCOMPARE(medium.read(kApp, section, key).value_or(QStringLiteral("<absent>")), value);
}

void WindowsServicesTest::absentAndHandEnteredValues()
{
    platform::SettingsMedium& medium = platform::settings();
    const QString accented = QStringLiteral("Léa Noël");
    QVERIFY(medium.write(kApp, QStringLiteral("Meilleur Score"), QStringLiteral("Nom"), accented));
    QCOMPARE(medium.read(kApp, QStringLiteral("Meilleur Score"), QStringLiteral("Nom")),
             std::optional<QString>(accented));
    QVERIFY(!medium.read(kApp, QStringLiteral("Absente"), QStringLiteral("Nom")));
    QVERIFY(!medium.read(kApp, QStringLiteral("Options"), QStringLiteral("Absente")));
    // A technician's number, entered as a DWORD, reads as its decimal text.
    bool ok = false;
    reg({QStringLiteral("add"), userKey(kApp, QStringLiteral("Options")), QStringLiteral("/v"),
         QStringLiteral("Show Tips at Startup"), QStringLiteral("/t"), QStringLiteral("REG_DWORD"),
         QStringLiteral("/d"), QStringLiteral("5"), QStringLiteral("/f")},
        &ok);
    QVERIFY(ok);
    QCOMPARE(medium.read(kApp, QStringLiteral("Options"), QStringLiteral("Show Tips at Startup")),
             std::optional<QString>(QStringLiteral("5")));
}

void WindowsServicesTest::soundsAskedByTheirFolder_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<bool>("present");
    QTest::newRow("program folder") << QString() << true;
    QTest::newRow("accented folder") << QStringLiteral("Élève Noël") << true;
    QTest::newRow("missing file") << QStringLiteral("vide") << false;
}

// The program asks for "<its folder>/gagner.wav": the system gets the file's
// full native name, wide (a user's accented folder survives), played
// asynchronously and never replaced by the default sound.
void WindowsServicesTest::soundsAskedByTheirFolder()
{
    QFETCH(QString, folderName);
    QFETCH(bool, present);
    QTemporaryDir temporary;
    QString folder = platform::environment().programFolder();
    if (!folderName.isEmpty()) {
        folder = temporary.filePath(folderName);
        QVERIFY(QDir().mkpath(folder));
    }
    const QString path = platform::joinPath(folder, QStringLiteral("gagner.wav"));
    QFile::remove(path);
    if (present)
        QVERIFY(QFile::copy(QStringLiteral(MONTIVANT_SOUND_DIR "/gagner.wav"), path));
    QCOMPARE(QFileInfo::exists(path), present);

    g_plays = 0;
    const platform::system::WavePlayer real = platform::system::wavePlayer;
    platform::system::wavePlayer = [](const wchar_t* file, unsigned flags) {
        g_playedFile = QString::fromWCharArray(file);
        g_playedFlags = flags;
        ++g_plays;
        return true;
    };
    platform::sound().play(path);
    platform::system::wavePlayer = real;

    QCOMPARE(g_plays, present ? 1 : 0);
    if (!present)
        return;
    QCOMPARE(g_playedFile, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    QVERIFY(QFileInfo(g_playedFile).isFile());
    const unsigned wanted = SND_FILENAME | SND_ASYNC | SND_NODEFAULT;
    QCOMPARE(g_playedFlags & wanted, wanted);
}

void WindowsServicesTest::aboutFindsTheTool_data()
{
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::newRow("first location") << true << false;
    QTest::newRow("second location") << false << true;
    QTest::newRow("both, the first wins") << true << true;
    QTest::newRow("neither") << false << false;
}

// "Infos système" reads the two registry locations with the system's calls
// and starts the tool that one of them names; the tool really runs.
void WindowsServicesTest::aboutFindsTheTool()
{
    QFETCH(bool, first);
    QFETCH(bool, second);
    const QString key1 = QStringLiteral("HKLM\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    const QString key2 = QStringLiteral("HKLM\\SOFTWARE\\Microsoft\\Shared Tools Location");
    reg({QStringLiteral("delete"), key1, QStringLiteral("/f")});
    reg({QStringLiteral("delete"), key2, QStringLiteral("/f")});

    QTemporaryDir folder;
    const QString tool1 = QDir::toNativeSeparators(folder.filePath(QStringLiteral("outil.exe")));
    const QString tool2 = QDir::toNativeSeparators(folder.filePath(QStringLiteral("MSINFO32.EXE")));
    QVERIFY(QFile::copy(QStringLiteral(MONTIVANT_PLANTED_TOOL), tool1));
    QVERIFY(QFile::copy(QStringLiteral(MONTIVANT_PLANTED_TOOL), tool2));
    bool ok = true;
    if (first)
        reg({QStringLiteral("add"), key1, QStringLiteral("/v"), QStringLiteral("PATH"),
             QStringLiteral("/d"), tool1, QStringLiteral("/f")}, &ok);
    QVERIFY(ok);
    if (second)
        reg({QStringLiteral("add"), key2, QStringLiteral("/v"), QStringLiteral("MSINFO"),
             QStringLiteral("/d"), QDir::toNativeSeparators(folder.path()), QStringLiteral("/f")},
            &ok);
    QVERIFY(ok);

    // The windows' own services are fakes, the registry and the shell real.
    fake::Platform fakes;
    platform::installReal();
    platform::Services others;
    others.dialogs = &fakes.dialogs;
    platform::install(others);
    frmAbout::ShowModeless();
    frmAbout* about = frmAbout::instance();
    QVERIFY(about);
    QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);

    const QString ran = first ? tool1 + QStringLiteral(".ran")
                              : second ? tool2 + QStringLiteral(".ran") : QString();
    if (!ran.isEmpty()) {
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(ran), qPrintable(ran + " never written"), 30000);
        QVERIFY(fakes.dialogs.messages.isEmpty());
    } else {
        QCOMPARE(fakes.dialogs.messages.size(), 1);
    }
    const QString other = first ? tool2 + QStringLiteral(".ran") : tool1 + QStringLiteral(".ran");
    QVERIFY(!QFile::exists(other));
    delete about;
    platform::installReal();
    reg({QStringLiteral("delete"), key1, QStringLiteral("/f")});
    reg({QStringLiteral("delete"), key2, QStringLiteral("/f")});
}

// The parents' tip names the registry key and value that bring the tips back:
// the program writes exactly there, and an edit made as the tip says is read.
void WindowsServicesTest::tipsNameTheKeyTheProgramWrites()
{
    QFile file(QStringLiteral(MONTIVANT_TIPS_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString wayBack;
    for (const QString& tip : tips::parseTips(file.readAll()))
        if (tip.contains(QLatin1String("HKEY_CURRENT_USER")))
            wayBack = tip;
    QVERIFY(!wayBack.isEmpty());
    const QRegularExpressionMatch key =
        QRegularExpression(QStringLiteral("HKEY_CURRENT_USER, puis (\\S+),")).match(wayBack);
    QVERIFY2(key.hasMatch(), qPrintable(wayBack));
    QVERIFY(wayBack.contains(QLatin1String("Show Tips at Startup")));
    const QString named = QStringLiteral("HKCU\\") + key.captured(1);
    QCOMPARE(named, userKey(QStringLiteral("montivant"), QStringLiteral("Options")));

    platform::SettingsMedium& medium = platform::settings();
    const QString options = QStringLiteral("Options"), value = QStringLiteral("Show Tips at Startup");
    QVERIFY(medium.write(QStringLiteral("montivant"), options, value, QStringLiteral("0")));
    bool ok = false;
    QVERIFY(reg({QStringLiteral("query"), named, QStringLiteral("/v"), value}, &ok).contains(value));
    QVERIFY(ok);
    reg({QStringLiteral("add"), named, QStringLiteral("/v"), value, QStringLiteral("/d"),
         QStringLiteral("1"), QStringLiteral("/f")},
        &ok);
    QVERIFY(ok);
    QCOMPARE(medium.read(QStringLiteral("montivant"), options, value),
             std::optional<QString>(QStringLiteral("1")));
}

QTEST_MAIN(WindowsServicesTest)
#include "windows_services_test.moc"
