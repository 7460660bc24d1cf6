// The tips file without a window: encodings, line ends, files that cannot be
// read.
#include "tips/tipsfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
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

namespace {

// Windows-1252 from 0x80 to 0x9F as the code page's table gives it, written as
// the characters themselves; the five bytes it leaves out keep the control
// character of their number. Every other byte is the code point of its number.
const QString kCp1252From80 = QStringLiteral(
    "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
    "\u0090‘’“”•–—˜™š›œ\u009DžŸ");

QChar cp1252(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 ? kCp1252From80[b - 0x80] : QChar(char16_t(b));
}

// Characters with their UTF-8 bytes written out.
struct Utf8Piece {
    const char* bytes;
    const char16_t* text;
};
const Utf8Piece kUtf8Pieces[] = {
    {"a", u"a"},       {" ", u" "},           {"\r", u"\r"},           {"\n", u"\n"},
    {"\t", u"\t"},     {"\xC3\xA9", u"é"},     {"\xC3\x89", u"É"},     {"\xC5\x93", u"œ"},
    {"\xE2\x82\xAC", u"€"}, {"\xE2\x80\x99", u"’"}, {"\xF0\x9F\x99\x82", u"\U0001F642"},
};

// Lines by an independent rule: cut at every CR LF, CR or LF; an end at the
// very end of the text makes no extra line.
QStringList linesOf(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

// Random files, each made with the text it must give: half of them in
// Windows-1252 (any bytes, with one 0xFF somewhere, which UTF-8 never holds),
// half in UTF-8 (characters from the table above, sometimes after a byte-order
// mark). The tips are the text's lines, none holding a line end.
void TipsFileTest::anyBytesGiveLinesWithoutLineEnds()
{
    QRandomGenerator random(20261207);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        QString text;
        const int length = random.bounded(40);
        if (round % 2) {
            const int ff = random.bounded(length + 1);
            for (int i = 0; i <= length; ++i) {
                const auto b = i == ff ? 0xFF : random.bounded(256);
                bytes.append(char(b));
            }
            if (bytes.startsWith("\xEF\xBB\xBF"))
                bytes[0] = 'x';
            for (const char c : bytes)
                text.append(cp1252(static_cast<unsigned char>(c)));
        } else {
            if (random.bounded(2))
                bytes.append("\xEF\xBB\xBF");
            for (int i = 0; i < length; ++i) {
                const Utf8Piece& piece = kUtf8Pieces[random.bounded(int(std::size(kUtf8Pieces)))];
                bytes.append(piece.bytes);
                text.append(QString::fromUtf16(piece.text));
            }
        }
        const QStringList tips = tips::parseTips(bytes);
        for (const QString& tip : tips)
            QVERIFY2(!tip.contains(QLatin1Char('\r')) && !tip.contains(QLatin1Char('\n')),
                     bytes.toHex().constData());
        QVERIFY2(tips == linesOf(text), bytes.toHex().constData());
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
