// The tips file without a window: encodings, line ends, files that cannot be
// read.
#include "tips/tipsfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TipsFileTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void anyBytesGiveLinesWithoutLineEnds();
    void readFile();
};

void TipsFileTest::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("tips");
    QTest::newRow("CR LF, ended") << QByteArray("a\r\nb\r\nc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("last line without end") << QByteArray("a\r\nb\r\nc") << QStringList{"a", "b", "c"};
    QTest::newRow("blank line is a tip") << QByteArray("a\r\n\r\nc\r\n") << QStringList{"a", "", "c"};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("two line ends") << QByteArray("\r\n\r\n") << QStringList{"", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("bare LF") << QByteArray("a\nb\nc\n") << QStringList{"a", "b", "c"};
    QTest::newRow("bare LF, last without end") << QByteArray("a\nb") << QStringList{"a", "b"};
    QTest::newRow("mixed ends") << QByteArray("a\r\nb\nc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("bare CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("blanks kept") << QByteArray("  a b  \r\n") << QStringList{"  a b  "};
    QTest::newRow("BOM alone") << QByteArray("\xEF\xBB\xBF") << QStringList{};
    // "Élève, à côté : 5 €" in each encoding.
    const QString accents = QStringLiteral("Élève, à côté : 5 €");
    QTest::newRow("Windows-1252")
        << QByteArray("\xC9l\xE8ve, \xE0 c\xF4t\xE9 : 5 \x80\r\nz") << QStringList{accents, "z"};
    QTest::newRow("UTF-8")
        << QByteArray("\xC3\x89l\xC3\xA8ve, \xC3\xA0 c\xC3\xB4t\xC3\xA9 : 5 \xE2\x82\xAC\nz")
        << QStringList{accents, "z"};
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xEF\xBB\xBF\xC3\x89l\xC3\xA8ve, \xC3\xA0 c\xC3\xB4t\xC3\xA9 : 5 \xE2\x82\xAC\r\nz")
        << QStringList{accents, "z"};
    // One Windows-1252 byte further on makes the whole file Windows-1252.
    QTest::newRow("UTF-8 look-alike, then a 1252 byte")
        << QByteArray("\xC3\xA9\r\n\xE9") << QStringList{"Ã©", "é"};
    // A UTF-8 sequence cut off by the end of the file is not UTF-8.
    QTest::newRow("cut-off sequence") << QByteArray("caf\xC3") << QStringList{"cafÃ"};
    QTest::newRow("1252 quotes and oe") << QByteArray("\x93\x9C\x94\r\nz") << QStringList{"“œ”", "z"};
}

void TipsFileTest::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, tips);
    QCOMPARE(tips::parseTips(bytes), tips);
}

// Whatever the bytes: no tip holds a line end, and the tips joined again give
// back the decoded text with its line ends made uniform.
void TipsFileTest::anyBytesGiveLinesWithoutLineEnds()
{
    QRandomGenerator random(20261207);
    const char alphabet[] = {'a', ' ', '\r', '\n', '\xC3', '\xA9', '\xE9', '\x80', '\0', '\xEF'};
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        for (int i = random.bounded(40); i > 0; --i)
            bytes.append(round % 2 ? char(random.bounded(256))
                                   : alphabet[random.bounded(int(sizeof alphabet))]);
        const QStringList tips = tips::parseTips(bytes);
        for (const QString& tip : tips)
            QVERIFY2(!tip.contains(QLatin1Char('\r')) && !tip.contains(QLatin1Char('\n')),
                     bytes.toHex().constData());
        QString text = tips::decodeTipsText(bytes);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        QCOMPARE(tips.join(QLatin1Char('\n')), text);
    }
}

void TipsFileTest::readFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TIPOFDAY.TXT"));
    QVERIFY(!tips::readTipsFile(QString()));
    QVERIFY(!tips::readTipsFile(path));
    QFile f(path);
    const std::pair<QByteArray, QStringList> files[] = {{"un\r\ndeux", {"un", "deux"}}, {"", {}}};
    for (const auto& [bytes, expected] : files) {
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        // Found, even empty: an empty file holds no tip but is no missing file.
        const auto read = tips::readTipsFile(path);
        QVERIFY(read);
        QCOMPARE(*read, expected);
    }
    // A folder by that name is no tips file.
    QVERIFY(f.remove() && QDir(dir.path()).mkdir(QStringLiteral("TIPOFDAY.TXT")));
    QVERIFY(!tips::readTipsFile(path));
}

QTEST_GUILESS_MAIN(TipsFileTest)
#include "tipsfile_test.moc"
