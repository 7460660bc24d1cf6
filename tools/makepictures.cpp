// Draws every picture of the program with QPainter and writes them as PNG
// files:
//
//   makepictures <images folder> <hicolor icon folder>
//
// into the images folder: form1.png (main window icon, 16 colours),
// image1.png and image2.png (happy and sad faces), bulb.png (tip window),
// logo.png (About window, 42 x 113), colonnes.png (game window icon), each
// with its twin <name>@2x.png drawn at twice the size for screens of twice
// the pixel density; into the icon folder: <N>x<N>/apps/montivant.png for the
// desktop.
//
// The drawings are described in a 32-unit square (or in the logo's own
// pixels) and scaled, so the desktop icon at 256 px is the same figure as the
// 32 px window icon, and a twin is the same drawing as its picture with every
// unit two pixels wide. Backgrounds are transparent.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTextStream>

#include <cmath>
#include <functional>
#include <vector>

namespace {

const QColor kOutline(0x5a, 0x3a, 0x08);
const QColor kYellow(0xff, 0xd4, 0x1e);
const QColor kYellowLight(0xff, 0xf1, 0x8c);
const QColor kYellowShade(0xee, 0xa6, 0x00);
const QColor kRed(0xe0, 0x22, 0x2a);
const QColor kDarkRed(0x8c, 0x0e, 0x16);
const QColor kInk(0x22, 0x1a, 0x12);

// A transparent picture of w x h units, `scale` pixels to a unit.
QImage blank(int w, int h, int scale = 1)
{
    QImage img(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A painter that draws in units on a picture made by blank().
void begin(QPainter& p, int scale)
{
    p.setRenderHint(QPainter::Antialiasing);
    if (scale != 1)
        p.scale(scale, scale);
}

QPen outlinePen(double width)
{
    QPen pen(kOutline, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QRadialGradient yellowBall(QPointF centre, double radius)
{
    // Lit from the upper left, a warmer edge at the lower right.
    QRadialGradient g(centre, radius, centre + QPointF(-radius * 0.35, -radius * 0.4));
    g.setColorAt(0.0, kYellowLight);
    g.setColorAt(0.55, kYellow);
    g.setColorAt(1.0, kYellowShade);
    return g;
}

// An eye: white ball, dark pupil looking slightly up, and a glint.
void drawEye(QPainter& p, QPointF c, double r)
{
    p.setPen(QPen(kInk, r * 0.28));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r * 1.15);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(c + QPointF(r * 0.12, r * 0.1), r * 0.6, r * 0.7);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-r * 0.12, -r * 0.25), r * 0.26, r * 0.26);
}

// The program's friendly figure: a round yellow head on a small round body,
// arms waving, with big eyes, rosy cheeks and a wide red smile. Drawn in a
// 32 x 32 unit square. At small sizes white eyes would blur into grey, so
// they are drawn as dark ovals with a glint instead; below 32 px only the
// head is drawn, filling the square, since a body would be a few smudges.
void drawFigure(QPainter& p, bool small, bool headOnly)
{
    const double line = 1.3;
    if (headOnly) {
        p.translate(16, 16);
        p.scale(1.38, 1.38);
        p.translate(-16, -11.8);
    } else {

    // Arms, behind the body, both waving.
    p.setPen(QPen(kOutline, 4.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 22.5), QPointF(4.0, 17.5));
    p.drawLine(QPointF(22.5, 22.5), QPointF(28.0, 17.5));
    p.setPen(QPen(kYellow, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 22.5), QPointF(4.0, 17.5));
    p.drawLine(QPointF(22.5, 22.5), QPointF(28.0, 17.5));

    // Feet.
    p.setPen(outlinePen(line));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(11.5, 29.6), 3.4, 1.8);
    p.drawEllipse(QPointF(20.5, 29.6), 3.4, 1.8);

    // Body.
    p.setBrush(yellowBall(QPointF(16, 23.5), 7.5));
    p.drawEllipse(QPointF(16, 23.8), 7.0, 5.6);
    }

    // Head.
    p.setPen(outlinePen(line));
    p.setBrush(yellowBall(QPointF(16, 11.5), 11.0));
    p.drawEllipse(QPointF(16, 11.8), 10.6, 9.8);

    // Cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x8a, 0x70, 170));
    p.drawEllipse(QPointF(8.6, 14.6), 1.9, 1.3);
    p.drawEllipse(QPointF(23.4, 14.6), 1.9, 1.3);

    if (small) {
        for (double x : {12.0, 20.0}) {
            p.setBrush(kInk);
            p.drawEllipse(QPointF(x, 9.4), 2.1, 2.8);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(x - 0.7, 8.3), 0.85, 0.85);
        }
    } else {
        drawEye(p, QPointF(12.3, 9.6), 2.6);
        drawEye(p, QPointF(19.7, 9.6), 2.6);
    }

    // Open smile: red mouth with a dark edge and a little tongue.
    QPainterPath mouth;
    mouth.moveTo(10.6, 14.2);
    mouth.cubicTo(12.0, 15.0, 20.0, 15.0, 21.4, 14.2);
    mouth.cubicTo(20.6, 19.6, 11.4, 19.6, 10.6, 14.2);
    mouth.closeSubpath();
    p.setPen(QPen(kDarkRed, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kRed);
    p.drawPath(mouth);
}

// A fixed 16-colour palette for the window icon: transparent, the figure's
// colours and a few in-between shades for smooth edges.
std::vector<QRgb> figurePalette()
{
    return {
        qRgba(0, 0, 0, 0),
        kOutline.rgb(),
        qRgba(0x5a, 0x3a, 0x08, 120),  // half-covered outline pixels
        kYellow.rgb(),
        kYellowLight.rgb(),
        kYellowShade.rgb(),
        qRgb(0xb0, 0x80, 0x10),       // outline blended with yellow
        qRgb(0xff, 0xff, 0xff),
        kInk.rgb(),
        qRgb(0x8a, 0x84, 0x7c),       // eye edge blended
        kRed.rgb(),
        kDarkRed.rgb(),
        qRgb(0xff, 0x9a, 0x55),       // cheek on yellow
        qRgb(0xff, 0xe4, 0x58),       // between light and full yellow
        qRgb(0xc0, 0x3a, 0x10),       // outline blended with red
        qRgb(0xf6, 0xbc, 0x10),       // between full yellow and shade
    };
}

// Maps every pixel to the nearest palette entry (distance over the colour
// channels and alpha, unpremultiplied), giving an indexed 16-colour image.
QImage toPalette(const QImage& src, const std::vector<QRgb>& palette)
{
    const QImage argb = src.convertToFormat(QImage::Format_ARGB32);
    QImage out(argb.size(), QImage::Format_Indexed8);
    QList<QRgb> table(palette.begin(), palette.end());
    out.setColorTable(table);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            int best = 0;
            double bestDistance = 1e18;
            for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
                const QRgb q = palette[i];
                const double a = qAlpha(c) / 255.0;
                const double b = qAlpha(q) / 255.0;
                // Colour differences matter in proportion to how visible they are.
                const double w = std::min(a, b);
                const double dr = qRed(c) - qRed(q);
                const double dg = qGreen(c) - qGreen(q);
                const double db = qBlue(c) - qBlue(q);
                const double da = (qAlpha(c) - qAlpha(q)) * 1.5;
                const double d = w * (2 * dr * dr + 4 * dg * dg + db * db) + da * da * 3;
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            out.setPixel(x, y, static_cast<uint>(best));
        }
    }
    return out;
}

// The figure for a picture of size x size units; the details follow that
// size, so a twice-size twin keeps the drawing of its picture.
QImage figure(int size, int scale = 1)
{
    QImage img = blank(size, size, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size * scale / 32.0, size * scale / 32.0);
    drawFigure(p, size < 64, size < 32);
    return img;
}

// A yellow face, smiling or sad, in a 32 x 32 square.
QImage face(bool happy, int scale)
{
    QImage img = blank(32, 32, scale);
    QPainter p(&img);
    begin(p, scale);
    const QPointF c(16, 16);
    p.setPen(outlinePen(1.4));
    p.setBrush(yellowBall(c, 15.0));
    p.drawEllipse(c, 14.6, 14.6);

    // Eyes: dark ovals with a glint; the sad face's sit a little lower.
    const double eyeY = happy ? 11.6 : 12.6;
    for (double x : {11.2, 20.8}) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(x, eyeY), 2.0, 2.7);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x - 0.6, eyeY - 1.0), 0.75, 0.75);
    }

    if (happy) {
        // Rosy cheeks and a wide open smile.
        p.setBrush(QColor(0xff, 0x80, 0x60, 150));
        p.drawEllipse(QPointF(7.4, 17.6), 2.2, 1.5);
        p.drawEllipse(QPointF(24.6, 17.6), 2.2, 1.5);
        QPainterPath mouth;
        mouth.moveTo(8.6, 17.8);
        mouth.cubicTo(11.0, 19.0, 21.0, 19.0, 23.4, 17.8);
        mouth.cubicTo(22.2, 26.4, 9.8, 26.4, 8.6, 17.8);
        mouth.closeSubpath();
        p.setPen(QPen(kDarkRed, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kRed);
        p.drawPath(mouth);
        // Teeth line at the top of the mouth.
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        QPainterPath teeth;
        teeth.moveTo(10.2, 18.9);
        teeth.cubicTo(13.0, 19.9, 19.0, 19.9, 21.8, 18.9);
        teeth.lineTo(21.4, 20.3);
        teeth.cubicTo(18.6, 21.2, 13.4, 21.2, 10.6, 20.3);
        teeth.closeSubpath();
        p.drawPath(teeth);
    } else {
        // Eyebrows raised in the middle and a soft downturned mouth.
        p.setPen(QPen(kOutline, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.4, 8.6), QPointF(12.8, 7.0));
        p.drawLine(QPointF(23.6, 8.6), QPointF(19.2, 7.0));
        QPainterPath mouth;
        mouth.moveTo(10.4, 24.2);
        mouth.cubicTo(12.6, 19.6, 19.4, 19.6, 21.6, 24.2);
        p.setPen(QPen(kDarkRed, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mouth);
    }
    return img;
}

// A yellow light bulb with a red exclamation mark, a grey screw base and a
// few short rays.
QImage bulb(int scale)
{
    QImage img = blank(32, 32, scale);
    QPainter p(&img);
    begin(p, scale);

    // Rays.
    p.setPen(QPen(QColor(0xf0, 0xa8, 0x00), 1.4, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(16, 11.5);
    for (double deg : {-150.0, -115.0, -65.0, -30.0}) {
        const double a = deg * M_PI / 180.0;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(centre + dir * 12.2, centre + dir * 14.6);
    }
    p.drawLine(QPointF(2.0, 12.5), QPointF(3.6, 12.5));
    p.drawLine(QPointF(28.4, 12.5), QPointF(30.0, 12.5));

    // Glass: a round top narrowing into a neck.
    QPainterPath glass;
    glass.moveTo(12.6, 22.2);
    glass.cubicTo(12.4, 19.0, 7.6, 17.2, 7.6, 11.6);
    glass.cubicTo(7.6, 6.6, 11.4, 3.2, 16.0, 3.2);
    glass.cubicTo(20.6, 3.2, 24.4, 6.6, 24.4, 11.6);
    glass.cubicTo(24.4, 17.2, 19.6, 19.0, 19.4, 22.2);
    glass.closeSubpath();
    p.setPen(outlinePen(1.3));
    p.setBrush(yellowBall(QPointF(16, 11.5), 10.0));
    p.drawPath(glass);

    // Glint.
    p.setPen(QPen(QColor(255, 255, 255, 210), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10.2, 6.0, 8.0, 8.0), 110 * 16, 55 * 16);

    // Screw base: three grey bands and a dark tip.
    QLinearGradient metal(11, 0, 21, 0);
    metal.setColorAt(0.0, QColor(0x8a, 0x90, 0x98));
    metal.setColorAt(0.4, QColor(0xe4, 0xe8, 0xec));
    metal.setColorAt(1.0, QColor(0x70, 0x76, 0x80));
    p.setPen(QPen(QColor(0x3c, 0x40, 0x48), 1.0));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(11.8, 22.0, 8.4, 2.6), 1.1, 1.1);
    p.drawRoundedRect(QRectF(12.1, 24.4, 7.8, 2.4), 1.1, 1.1);
    p.drawRoundedRect(QRectF(12.4, 26.6, 7.2, 2.2), 1.1, 1.1);
    p.setBrush(QColor(0x3c, 0x40, 0x48));
    p.setPen(Qt::NoPen);
    QPainterPath tip;
    tip.moveTo(13.8, 28.6);
    tip.lineTo(18.2, 28.6);
    tip.cubicTo(17.8, 30.8, 14.2, 30.8, 13.8, 28.6);
    p.drawPath(tip);

    // Exclamation mark.
    p.setBrush(kRed);
    p.setPen(QPen(kDarkRed, 0.8));
    QPainterPath bar;
    bar.moveTo(14.3, 6.4);
    bar.lineTo(17.7, 6.4);
    bar.lineTo(16.9, 14.8);
    bar.lineTo(15.1, 14.8);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(16.0, 17.6), 1.6, 1.6);
    return img;
}

// The game's icon: a falling column of three coloured squares.
QImage colonnes(int scale)
{
    QImage img = blank(32, 32, scale);
    QPainter p(&img);
    begin(p, scale);
    const QColor colours[] = {QColor(0xe8, 0x30, 0x30), QColor(0x2e, 0xb8, 0x40),
                              QColor(0x2c, 0x6c, 0xe8)};
    for (int i = 0; i < 3; ++i) {
        const QRectF r(10.5, 0.5 + i * 10.5, 10.0, 10.0);
        const QColor c = colours[i];
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0.0, c.lighter(145));
        g.setColorAt(0.5, c);
        g.setColorAt(1.0, c.darker(125));
        p.setPen(QPen(c.darker(220), 1.0));
        p.setBrush(g);
        p.drawRoundedRect(r, 2.0, 2.0);
        // A small shine in the upper left corner.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawRoundedRect(QRectF(r.left() + 2.0, r.top() + 2.0, 3.0, 2.0), 1.0, 1.0);
    }
    return img;
}

// The vertical logo, 42 x 113: a column of five number tiles in ascending
// order beside the name written from bottom to top, on a rounded blue card.
QImage logo(int scale)
{
    QImage img = blank(42, 113, scale);
    QPainter p(&img);
    begin(p, scale);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF card(0.5, 0.5, 41.0, 112.0);
    QLinearGradient bg(0, 0, 0, 113);
    bg.setColorAt(0.0, QColor(0x3f, 0x8c, 0xf0));
    bg.setColorAt(1.0, QColor(0x1e, 0x4f, 0xb4));
    p.setPen(QPen(QColor(0x14, 0x36, 0x80), 1.0));
    p.setBrush(bg);
    p.drawRoundedRect(card, 6.0, 6.0);

    // Name, reading upwards along the left half.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    font.setStretch(QFont::SemiCondensed);
    QFontMetricsF fm(font);
    const QString name = QStringLiteral("montivant");
    const double available = 101.0;
    double width = fm.horizontalAdvance(name);
    if (width > available) {
        font.setPixelSize(static_cast<int>(15 * available / width));
        fm = QFontMetricsF(font);
        width = fm.horizontalAdvance(name);
    }
    p.save();
    p.translate(18.5, 56.5);
    p.rotate(-90);
    p.setFont(font);
    const QPointF base(-width / 2, (fm.ascent() - fm.descent()) / 2);
    p.setPen(QColor(0x10, 0x2a, 0x66, 140));
    p.drawText(base + QPointF(0.8, 0.8), name);
    p.setPen(Qt::white);
    p.drawText(base, name);
    p.restore();

    // Number tiles 1 to 5 down the right side, growing a little as they go.
    const QColor colours[] = {QColor(0xf0, 0x40, 0x40), QColor(0xff, 0x98, 0x1a),
                              QColor(0xff, 0xd4, 0x1e), QColor(0x3c, 0xc0, 0x4c),
                              QColor(0xc0, 0x6a, 0xf0)};
    QFont digits(QStringLiteral("DejaVu Sans"));
    digits.setBold(true);
    double y = 8.0;
    for (int i = 0; i < 5; ++i) {
        const double s = 13.0 + i * 1.0;
        const QRectF tile(33.0 - s / 2, y, s, s);
        p.setPen(QPen(colours[i].darker(170), 1.0));
        p.setBrush(colours[i]);
        p.drawRoundedRect(tile, 3.0, 3.0);
        digits.setPixelSize(static_cast<int>(s - 3));
        p.setFont(digits);
        p.setPen(i == 2 ? QColor(0x5a, 0x3a, 0x08) : Qt::white);
        p.drawText(tile, Qt::AlignCenter, QString::number(i + 1));
        y += s + 4.0;
    }
    return img;
}

bool save(const QImage& img, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.save(path, "PNG")) {
        QTextStream(stderr) << "makepictures: cannot write " << path << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: makepictures <images folder> <hicolor icon folder>\n";
        return 2;
    }
    const QString images = QString::fromLocal8Bit(argv[1]);
    const QString icons = QString::fromLocal8Bit(argv[2]);

    struct Picture {
        const char* name;
        std::function<QImage(int scale)> draw;
    };
    const Picture pictures[] = {
        {"form1", [](int s) { return toPalette(figure(32, s), figurePalette()); }},
        {"image1", [](int s) { return face(true, s); }},
        {"image2", [](int s) { return face(false, s); }},
        {"bulb", bulb},
        {"logo", logo},
        {"colonnes", colonnes},
    };
    bool ok = true;
    for (const Picture& picture : pictures) {
        const QString base = images + QLatin1Char('/') + QLatin1String(picture.name);
        ok = save(picture.draw(1), base + QStringLiteral(".png")) && ok;
        ok = save(picture.draw(2), base + QStringLiteral("@2x.png")) && ok;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok = save(figure(size), QStringLiteral("%1/%2x%2/apps/montivant.png").arg(icons).arg(size)) && ok;
    return ok ? 0 : 1;
}
