// montivant_schemeshots FOLDER [light|dark|contrast|desktop] [WINDOW/CONTROL...]
// Opens the four windows as a child sees them (eight numbers drawn, one placed,
// a score, a game under way), saves a picture of each in FOLDER (Form1.png,
// frmTip.png, frmAbout.png, frmColonnes.png) and prints, for every text and
// mark, the contrast measured from the pictures' pixels. Under an X server the
// pictures are read back from the server.
//   light, dark, contrast: the style's light palette, a dark one, white on
//                          black; desktop (the default): what the platform
//                          theme gives.
//   WINDOW/CONTROL...: the cases that must pass; the tool fails (exit 1) when
//                      one of them is under its minimum or cannot be found.
#include "about/frmabout.h"
#include "app/application.h"
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "game/frmcolonnes.h"
#include "pixelcontrast.h"
#include "tips/frmtip.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QtTest>

#include <cstdio>

using namespace pixelcontrast;

namespace {

QImage shot(QWidget* top)
{
    if (!QTest::qWaitForWindowExposed(top))
        std::fprintf(stderr, "%s was never shown on the screen\n", qPrintable(top->objectName()));
    top->setFocus(); // no focus mark on a control
    // Painted and sent to the window system now, before the picture is taken.
    QCoreApplication::processEvents();
    top->repaint();
    QImage image;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        image = top->screen()->grabWindow(top->winId()).toImage();
    else
        image = top->grab().toImage();
    image.setDevicePixelRatio(top->devicePixelRatioF());
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: montivant_schemeshots FOLDER [scheme] [WINDOW/CONTROL...]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const QString scheme = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("desktop");
    QStringList required;
    for (int i = 3; i < argc; ++i)
        required.append(QString::fromLocal8Bit(argv[i]));

    // The font, the style and Qt's texts as the program's start sets them.
    application::prepare();
    fake::Platform fakes;
    fakes.environment.folder = QStringLiteral(MONTIVANT_RESOURCES);
    fakes.random.cycle = {0.12, 0.83, 0.47, 0.29, 0.66, 0.05, 0.91, 0.38, 0.74, 0.51};
    if (scheme == QLatin1String("light"))
        QApplication::setPalette(QApplication::style()->standardPalette());
    else if (scheme == QLatin1String("dark"))
        QApplication::setPalette(darkPalette());
    else if (scheme == QLatin1String("contrast"))
        QApplication::setPalette(highContrastPalette());

    const QPalette pal = QApplication::palette();
    std::printf("palette: window %s text %s base %s button %s disabled text %s\n",
                qPrintable(pal.color(QPalette::Window).name()),
                qPrintable(pal.color(QPalette::WindowText).name()),
                qPrintable(pal.color(QPalette::Base).name()),
                qPrintable(pal.color(QPalette::Button).name()),
                qPrintable(pal.color(QPalette::Disabled, QPalette::ButtonText).name()));
    const QList<Case> cases = windowCases();
    int failures = 0;
    for (const QString window : {"Form1", "frmTip", "frmAbout", "frmColonnes"}) {
        QWidget* top = openWindow(window);
        const QImage image = shot(top);
        image.save(QDir(folder).filePath(window + QStringLiteral(".png")));
        for (const Case& c : cases) {
            if (c.window != window)
                continue;
            const QString name = c.window + '/' + c.control;
            const Measure m = measure(image, top, c);
            const bool ok = m.found && m.ratio >= c.minimum();
            std::printf("%-10s %-14s %-22s %-5s %s on %s %6.2f %s\n", qPrintable(scheme),
                        qPrintable(c.window), qPrintable(c.control),
                        c.part == Part::Text ? "text" : "mark", qPrintable(m.front.name()),
                        qPrintable(m.behind.name()), m.ratio, ok ? "" : "LOW");
            if (required.contains(name) && !ok)
                ++failures;
            required.removeAll(name);
        }
        if (auto* game = qobject_cast<frmColonnes*>(top))
            game->tmrCase->stop();
        top->hide();
        delete top;
    }
    for (const QString& missing : required) {
        std::printf("not measured: %s\n", qPrintable(missing));
        ++failures;
    }
    return failures ? 1 : 0;
}
