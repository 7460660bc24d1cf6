// The settings store: names, strict integer reading, and the real INI medium
// (durability, a garbage file, a refused write).
#include "app/settings.h"
#include "fakes/fakeplatform.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void toInt32_data();
    void toInt32();
    void defaultsAndNames();
    void numericKeyWithGarbage();
    void realMediumRoundTrip();
    void realMediumGarbageFile();
    void realMediumUnwritableFolder();
};

void SettingsTest::toInt32_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("one") << "1" << true << 1;
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("negative") << "-5" << true << -5;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("blanks around") << " 42 " << true << 42;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("word") << "oui" << false << 0;
    QTest::newRow("too large") << "3000000000" << false << 0;
    QTest::newRow("just too large") << "2147483648" << false << 0;
    QTest::newRow("just too small") << "-2147483649" << false << 0;
    QTest::newRow("eleven digits") << "99999999999" << false << 0;
    QTest::newRow("decimal") << "1.5" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("inner blank") << "1 2" << false << 0;
    QTest::newRow("many leading zeros") << "0000000000000000000012" << true << 12;
}

void SettingsTest::toInt32()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<qint32> read = settings::toInt32(text);
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(*read, value);
}

void SettingsTest::defaultsAndNames()
{
    fake::Platform fake;
    fake.environment.baseName = "autre";
    QCOMPARE(settings::GetSetting("Options", "Show Tips at Startup", 1), QString("1"));
    QCOMPARE(settings::GetSetting("Meilleur Score", "Nom", "Anonyme"), QString("Anonyme"));
    settings::SaveSetting("Meilleur Score", "Nom", "Léa");
    // Kept under the running executable's base name, taken at each call.
    QCOMPARE(fake.settings.writes, QStringList{"autre/Meilleur Score/Nom=Léa"});
    QCOMPARE(settings::GetSetting("Meilleur Score", "Nom", "Anonyme"), QString("Léa"));
    fake.environment.baseName = "montivant";
    QCOMPARE(settings::GetSetting("Meilleur Score", "Nom", "Anonyme"), QString("Anonyme"));
}

void SettingsTest::numericKeyWithGarbage()
{
    fake::Platform fake;
    const QString key = fake::Settings::path("montivant", "Meilleur Score", "Score");
    for (const char* text : {"abc", "99999999999", "1.5", ""}) {
        fake.settings.values[key] = text;
        QCOMPARE(settings::GetIntSetting("Meilleur Score", "Score", 10), 10);
    }
    fake.settings.values[key] = "-5";
    QCOMPARE(settings::GetIntSetting("Meilleur Score", "Score", 10), -5);
    fake.settings.refuseWrites = true;
    settings::SaveSetting("Meilleur Score", "Score", "12"); // ignored, no crash
    QCOMPARE(fake.settings.values[key], QString("-5"));
}

void SettingsTest::realMediumRoundTrip()
{
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    platform::installReal();
    platform::SettingsMedium& medium = platform::settings();
    QVERIFY(!medium.read("montivant", "Options", "Show Tips at Startup"));
    QVERIFY(medium.write("montivant", "Options", "Show Tips at Startup", "0"));
    QVERIFY(medium.write("montivant", "Meilleur Score", "Nom", "Jean, Marie"));
    // Durable at once: another reader sees it in the file.
    QFile file(home.path() + "/montivant/montivant.ini");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("[Options]"));
    QVERIFY(content.contains("Show%20Tips%20at%20Startup=0"));
    QVERIFY(content.contains("[Meilleur%20Score]"));
    QCOMPARE(*medium.read("montivant", "Options", "Show Tips at Startup"), QString("0"));
    QCOMPARE(*medium.read("montivant", "Meilleur Score", "Nom"), QString("Jean, Marie"));
}

void SettingsTest::realMediumGarbageFile()
{
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    QDir().mkpath(home.path() + "/montivant");
    QFile file(home.path() + "/montivant/montivant.ini");
    QVERIFY(file.open(QIODevice::WriteOnly));
    static const char garbage[] = "\x01\xff[Options\n=\n\x00\x00garbage]]]\nShow%20Tips";
    file.write(garbage, sizeof garbage - 1);
    file.close();
    platform::installReal();
    // Defaults come back, and the damaged file is left as it was for the user
    // to look at, not overwritten.
    QVERIFY(!platform::settings().read("montivant", "Options", "Show Tips at Startup"));
    QVERIFY(!platform::settings().write("montivant", "Options", "Show Tips at Startup", "1"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), qint64(sizeof garbage - 1));
}

void SettingsTest::realMediumUnwritableFolder()
{
    // A configuration folder that cannot be created: writes fail quietly.
    QTemporaryDir home;
    QFile blocker(home.path() + "/config");
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path() + "/config");
    platform::installReal();
    QVERIFY(!platform::settings().write("montivant", "Options", "Show Tips at Startup", "1"));
    QVERIFY(!platform::settings().read("montivant", "Options", "Show Tips at Startup"));
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
