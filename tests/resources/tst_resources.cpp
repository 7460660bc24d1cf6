// Every picture that the windows ask for is compiled in with its exact size
// and with its twin drawn at twice that size,
// and the two sounds beside the executable are short 16-bit PCM WAV files.

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void picture_data();
    void picture();
    void sound_data();
    void sound();
};

void TestResources::picture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("main window icon") << "form1.png" << QSize(32, 32);
    QTest::newRow("success") << "image1.png" << QSize(32, 32);
    QTest::newRow("failure") << "image2.png" << QSize(32, 32);
    QTest::newRow("tip bulb") << "bulb.png" << QSize(32, 32);
    QTest::newRow("logo") << "logo.png" << QSize(42, 113);
    QTest::newRow("game icon") << "colonnes.png" << QSize(32, 32);
}

void TestResources::picture()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage img(QStringLiteral(":/images/") + name);
    QVERIFY2(!img.isNull(), qPrintable(name));
    QCOMPARE(img.size(), size);
    // A transparent background: the corners show whatever is behind.
    QVERIFY(img.hasAlphaChannel());
    if (name == QLatin1String("form1.png"))
        QVERIFY(img.colorCount() > 0 && img.colorCount() <= 16);

    // Its twin for screens of twice the density: the same drawing at exactly
    // twice the size, with the same transparent corners and, for the window
    // icon, the same 16 colours.
    const QString twinName = name.chopped(4) + QStringLiteral("@2x.png");
    const QImage twin(QStringLiteral(":/images/") + twinName);
    QVERIFY2(!twin.isNull(), qPrintable(twinName));
    QCOMPARE(twin.size(), size * 2);
    QVERIFY(twin.hasAlphaChannel());
    QCOMPARE(twin.pixelColor(0, 0).alpha(), img.pixelColor(0, 0).alpha());
    if (name == QLatin1String("form1.png"))
        QVERIFY(twin.colorCount() > 0 && twin.colorCount() <= 16);
    // The same drawing: shrunk back to the picture's size, the twin differs
    // from it by 1 to 5 levels in 255 on average; the other face, the closest
    // wrong drawing, differs by 11.
    const QImage a = img.convertToFormat(QImage::Format_ARGB32);
    const QImage b = twin.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                         .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_ARGB32);
    double difference = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            difference += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q))
                          + qAbs(qBlue(p) - qBlue(q)) + qAbs(qAlpha(p) - qAlpha(q));
        }
    difference /= 4.0 * size.width() * size.height();
    QVERIFY2(difference < 8, qPrintable(QString::number(difference)));
}

void TestResources::sound_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("success") << "gagner.wav";
    QTest::newRow("failure") << "perdu.wav";
}

// Reads the RIFF header and the chunks; checks the format and the length.
void TestResources::sound()
{
    QFETCH(QString, name);
    QFile file(QStringLiteral(MONTIVANT_SOUND_DIR "/") + name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray wav = file.readAll();
    QVERIFY(wav.size() > 44);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(wav.mid(8, 4), QByteArray("WAVE"));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));

    const char* p = wav.constData();
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0, dataBytes = 0;
    qsizetype dataAt = -1;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(p + at + 4);
        QVERIFY(at + 8 + qsizetype(size) <= wav.size());
        if (id == "fmt ") {
            format = qFromLittleEndian<quint16>(p + at + 8);
            channels = qFromLittleEndian<quint16>(p + at + 10);
            rate = qFromLittleEndian<quint32>(p + at + 12);
            bits = qFromLittleEndian<quint16>(p + at + 22);
        } else if (id == "data") {
            dataBytes = size;
            dataAt = at + 8;
        }
        at += 8 + size + (size & 1);
    }
    QCOMPARE(format, quint16(1));
    QCOMPARE(channels, quint16(1));
    QCOMPARE(bits, quint16(16));
    QVERIFY(rate == 22050 || rate == 44100);
    QVERIFY(dataAt > 0 && dataBytes > 0);
    const double seconds = dataBytes / 2.0 / rate;
    QVERIFY2(seconds > 0.2 && seconds < 1.0, qPrintable(QString::number(seconds)));

    // Soft start and end (no click), and headroom below full scale.
    const auto sample = [&](quint32 i) { return qFromLittleEndian<qint16>(p + dataAt + 2 * i); };
    const quint32 count = dataBytes / 2;
    int peak = 0;
    for (quint32 i = 0; i < count; ++i)
        peak = qMax(peak, qAbs(int(sample(i))));
    QVERIFY(peak > 3000 && peak < 26000);
    QVERIFY(qAbs(sample(0)) < 200);
    QVERIFY(qAbs(sample(count - 1)) < 200);
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
