// The pictures on a screen of higher pixel density. The program runs here at
// a scale of 200 % (QT_SCALE_FACTOR=2, unless the environment asks for
// another scale): every window must show its pictures drawn from their
// twice-size twins, at the screen's device pixel ratio, never the 32-pixel
// pictures enlarged.
#include "about/frmabout.h"
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "game/frmcolonnes.h"
#include "widgets/pictures.h"
#include "tips/frmtip.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A pixmap's pixels, to compare with a picture loaded as a pixmap (both then
// went through the same premultiplied form).
QImage argb(const QPixmap& pm) { return pm.toImage().convertToFormat(QImage::Format_ARGB32); }

// How many of the fully opaque pixels of `picture` differ from `shot` when the
// picture's top left lies at `at` in the shot.
int opaqueMismatches(const QImage& shot, const QImage& picture, QPoint at)
{
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qAlpha(p) == 255 && shot.pixel(at + QPoint(x, y)) != p)
                ++wrong;
        }
    return wrong;
}

enum Window { MainWindow, TipWindow, AboutWindow, GameWindow };

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowsShowTheTwins_data();
    void windowsShowTheTwins();
    void windowIconsHoldBothSizes_data();
    void windowIconsHoldBothSizes();

private:
    QWidget* load(int window);
    std::unique_ptr<fake::Platform> m_fake;
    QTemporaryDir m_folder;
};

void PicturesTest::init()
{
    m_fake = std::make_unique<fake::Platform>();
    m_fake->environment.folder = m_folder.path();
    Form1::resetRunState();
    frmTip::resetRunState();
}

void PicturesTest::cleanup()
{
    delete frmColonnes::instance();
    delete frmAbout::instance();
    delete frmTip::instance();
    delete Form1::instance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* PicturesTest::load(int window)
{
    switch (window) {
    case MainWindow: return Form1::Load();
    case TipWindow: return frmTip::Load();
    case AboutWindow: return frmAbout::Load();
    default: return frmColonnes::Load();
    }
}

void PicturesTest::windowsShowTheTwins_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("picture");
    QTest::newRow("success face") << int(MainWindow) << "Image1" << "image1";
    QTest::newRow("failure face") << int(MainWindow) << "Image2" << "image2";
    QTest::newRow("light bulb") << int(TipWindow) << "Picture1" << "bulb";
    QTest::newRow("logo") << int(AboutWindow) << "Image1" << "logo";
}

// The label holds the picture at the screen's ratio, covering the 100 %
// picture's room one pixmap pixel to a device pixel; at 200 % it is the twin
// as drawn, and what the label paints shows the twin's own pixels.
void PicturesTest::windowsShowTheTwins()
{
    QFETCH(int, window);
    QFETCH(QString, label);
    QFETCH(QString, picture);
    QWidget* w = load(window);
    QVERIFY(w);
    auto* shown = w->findChild<QLabel*>(label);
    QVERIFY(shown);
    const qreal ratio = qApp->devicePixelRatio();
    QVERIFY2(ratio > 1.0, "run with QT_SCALE_FACTOR above 1");
    QCOMPARE(shown->devicePixelRatioF(), ratio);

    const QString path = QStringLiteral(":/images/%1.png").arg(picture);
    const QSize logical = QImage(path).size();
    const QPixmap pm = shown->pixmap();
    QCOMPARE(pm.devicePixelRatio(), ratio);
    QCOMPARE(pm.size(), QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio)));
    if (ratio != 2.0)
        return;
    const QImage twin = argb(QPixmap(pictures::twinPath(path)));
    QCOMPARE(argb(pm), twin);

    // On the screen: where the label aligns its picture, every opaque pixel of
    // the twin, device pixel for device pixel.
    const QImage shot = shown->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shot.size(), shown->size() * 2);
    const QRect at = QStyle::alignedRect(shown->layoutDirection(), shown->alignment(), logical,
                                         shown->contentsRect());
    QCOMPARE(opaqueMismatches(shot, twin, at.topLeft() * 2), 0);
}

void PicturesTest::windowIconsHoldBothSizes_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("picture");
    QTest::newRow("main window") << int(MainWindow) << "form1";
    QTest::newRow("tip window") << int(TipWindow) << "bulb";
    QTest::newRow("game window") << int(GameWindow) << "colonnes";
}

// The icon gives the window system the picture at 100 % and the twin at 200 %.
void PicturesTest::windowIconsHoldBothSizes()
{
    QFETCH(int, window);
    QFETCH(QString, picture);
    QWidget* w = load(window);
    QVERIFY(w);
    const QString path = QStringLiteral(":/images/%1.png").arg(picture);
    const QIcon icon = w->windowIcon();
    QCOMPARE(argb(icon.pixmap(QSize(32, 32), 1.0)), argb(QPixmap(path)));
    QCOMPARE(argb(icon.pixmap(QSize(32, 32), 2.0)), argb(QPixmap(pictures::twinPath(path))));
}

int main(int argc, char** argv)
{
    // The scale must be known before the application starts.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    PicturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "pictures_test.moc"
