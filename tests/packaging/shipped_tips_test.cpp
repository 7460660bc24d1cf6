// The tips file that the program ships, read as a French parent and a child
// see it: Windows-1252 text with CR LF line ends, French spacing that keeps
// "« < 100 »" and "case ?" together on a line, every tip whole in the tip
// window, and a way back to the tips that really works.
#include "app/settings.h"
#include "fakes/fakeplatform.h"
#include "widgets/fonts.h"
#include "platform/platform.h"
#include "tips/frmtip.h"
#include "tips/tipsfile.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

namespace {
const QChar kNbsp(0x00A0);

QByteArray shippedBytes()
{
    QFile f(QStringLiteral(MONTIVANT_TIPS_FILE));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList shippedTips() { return tips::parseTips(shippedBytes()); }

void addTipRows()
{
    QTest::addColumn<QString>("tip");
    const QStringList all = shippedTips();
    for (int i = 0; i < all.size(); ++i)
        QTest::addRow("tip %d", i + 1) << all[i];
}
} // namespace

class ShippedTipsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowsTextWithCrLf();
    void frenchSpacing_data() { addTipRows(); }
    void frenchSpacing();
    void wholeInTheWindow_data() { addTipRows(); }
    void wholeInTheWindow();
    void theWayBackToTheTipsWorks();
};

void ShippedTipsTest::initTestCase()
{
    // The program's own font: the window was laid out with it.
    QApplication::setFont(fonts::dialogDefault());
    QVERIFY2(shippedTips().size() >= 12, MONTIVANT_TIPS_FILE);
}

// Read as Windows-1252 (not valid UTF-8), every line ended by CR LF, no empty
// tip.
void ShippedTipsTest::windowsTextWithCrLf()
{
    const QByteArray bytes = shippedBytes();
    QVERIFY(!bytes.isValidUtf8());
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    for (const QString& tip : shippedTips())
        QVERIFY(!tip.trimmed().isEmpty());
}

// A non-breaking space after « and before », :, ?, ! and ; (outside an
// address such as http://).
void ShippedTipsTest::frenchSpacing()
{
    QFETCH(QString, tip);
    for (qsizetype i = 0; i < tip.size(); ++i) {
        const QChar c = tip[i];
        if (c == QChar(0x00AB))
            QVERIFY2(i + 1 < tip.size() && tip[i + 1] == kNbsp, qPrintable(tip.left(i + 1)));
        if (QStringLiteral("»:?!;").contains(c) && !tip.mid(i).startsWith(QLatin1String("://")))
            QVERIFY2(i > 0 && tip[i - 1] == kNbsp, qPrintable(tip.left(i + 1)));
    }
    // A level's caption stays in one piece.
    QVERIFY(!tip.contains(QLatin1String("< ")));
}

// Each tip fits the tip window's text label: no line wider than the label,
// and all its lines within the label's height.
void ShippedTipsTest::wholeInTheWindow()
{
    QFETCH(QString, tip);
    fake::Platform fakes;
    QTemporaryDir dir;
    fakes.environment.folder = dir.path();
    frmTip::resetRunState();
    frmTip::ShowModeless();
    frmTip* window = frmTip::instance();
    QVERIFY(window);
    QLabel* label = window->lblTipText;
    label->setText(tip);
    const QRect box = label->contentsRect();

    QTextLayout layout(tip, label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        QVERIFY2(line.naturalTextWidth() <= box.width(),
                 qPrintable(tip.mid(line.textStart(), line.textLength())));
        height += line.height();
        ++lines;
    }
    layout.endLayout();
    QVERIFY2(height <= box.height(), qPrintable(QStringLiteral("%1 lines").arg(lines)));
    QVERIFY(label->heightForWidth(box.width()) <= box.height());
    delete window;
}

// Unticking the box saves 0 and the tip window never opens again; the tip
// that explains it names the settings file and the line to change. Done as
// the tip says, on the file the program really writes, the tips come back.
void ShippedTipsTest::theWayBackToTheTipsWorks()
{
    const QStringList all = shippedTips();
    const auto tipNaming = [&](const QString& text) {
        for (const QString& tip : all)
            if (tip.contains(text))
                return tip;
        return QString();
    };
    const QString wayBack = tipNaming(QStringLiteral("montivant.ini"));
    QVERIFY(!wayBack.isEmpty());
    QVERIFY(wayBack.contains(QLatin1String("~/.config/montivant/montivant.ini")));
    static const QRegularExpression change(QStringLiteral("remplacez (\\S+=0) par =1"));
    const QRegularExpressionMatch m = change.match(wayBack);
    QVERIFY2(m.hasMatch(), qPrintable(wayBack));
    // The tips file's place on an installed system, and how a game starts.
    QVERIFY(!tipNaming(QStringLiteral("/etc/montivant/TIPOFDAY.TXT")).isEmpty());
    QVERIFY(tipNaming(QStringLiteral("F2")).contains(QStringLiteral("«\u00a0Nouveau\u00a0»")));

    // The real settings store, in a folder of the test's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    platform::installReal();
    settings::SaveSetting(settings::kOptions, settings::kShowTips, QStringLiteral("0"));
    const QString ini = config.filePath(QStringLiteral("montivant/%1.ini")
                                            .arg(platform::environment().executableBaseName()));
    QFile file(ini);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(ini));
    QByteArray text = file.readAll();
    file.close();
    const QByteArray line = m.captured(1).toUtf8();
    QVERIFY2(text.contains("[Options]") && text.contains(line), text.constData());
    QCOMPARE(settings::GetIntSetting(settings::kOptions, settings::kShowTips, 1), 0);

    text.replace(line, line.left(line.size() - 1) + "1");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.flush();
    // The parent edits the file later than the program wrote it (Qt knows a
    // file has changed by its time and size, and this edit keeps the size).
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(settings::GetIntSetting(settings::kOptions, settings::kShowTips, 1), 1);
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_MAIN(ShippedTipsTest)
#include "shipped_tips_test.moc"
