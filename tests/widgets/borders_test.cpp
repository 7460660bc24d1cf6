// Frames closed on all four sides at every screen scale: the tiles and slots,
// the board's two rows, the game's speed box and its well. At a fractional
// scale a line on a control's last logical row can fall half outside the
// pixels that the control covers; each line must be on them. Run at 125 % and
// 175 % (and at 100 %).
#include "fakes/fakeplatform.h"
#include "pixelcontrast.h"
#include "widgets/programstyle.h"

#include <QFrame>
#include <QtTest>

#include <cmath>

class BordersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void closed_data();
    void closed();

private:
    std::unique_ptr<fake::Platform> fake;
};

void BordersTest::initTestCase()
{
    fake = std::make_unique<fake::Platform>();
    ProgramStyle::install();
}

void BordersTest::closed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    for (const char* prefix : {"Label1_", "Label5_"})
        for (int i = 0; i < 8; ++i)
            QTest::newRow(qPrintable(QStringLiteral("%1%2").arg(prefix).arg(i)))
                << "Form1" << QStringLiteral("%1%2").arg(prefix).arg(i);
    QTest::newRow("Frame1") << "Form1" << "Frame1";
    QTest::newRow("Frame2") << "Form1" << "Frame2";
    QTest::newRow("lblVitesse") << "frmColonnes" << "lblVitesse";
    QTest::newRow("picZone") << "frmColonnes" << "picZone";
}

// The outermost row or column of device pixels that the control covers, on
// each side, shows the frame's colour there: the window text's for a plain
// box; the shadow's on the top and left of a sunken panel, the light's on its
// bottom and right.
void BordersTest::closed()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QWidget* top = pixelcontrast::openWindow(window);
    QVERIFY(top);
    top->setFocus();
    auto* frame = top->findChild<QFrame*>(control);
    QVERIFY(frame);
    const QImage shot = top->grab().toImage();
    const qreal s = shot.devicePixelRatio();
    const QRect g(frame->mapTo(top, QPoint(0, 0)), frame->size());
    const int left = qRound(g.left() * s), topRow = qRound(g.top() * s);
    const int right = qRound((g.right() + 1) * s) - 1, bottom = qRound((g.bottom() + 1) * s) - 1;
    const bool sunken = frame->frameShadow() == QFrame::Sunken;
    const QPalette& p = frame->palette();
    const QColor plain = p.color(frame->foregroundRole());
    const QColor topLeft = sunken ? p.color(QPalette::Dark) : plain;
    const QColor bottomRight = sunken ? p.color(QPalette::Light) : plain;
    // Sampled a third and two thirds along each side, clear of the corners
    // and of a centred text.
    for (double along : {1.0 / 3, 2.0 / 3}) {
        const int x = left + int((right - left) * along), y = topRow + int((bottom - topRow) * along);
        const struct { const char* side; QPoint at; QColor wanted; } sides[] = {
            {"top", {x, topRow}, topLeft},       {"left", {left, y}, topLeft},
            {"bottom", {x, bottom}, bottomRight}, {"right", {right, y}, bottomRight}};
        for (const auto& side : sides) {
            const QColor seen = shot.pixelColor(side.at);
            QVERIFY2(seen.rgb() == side.wanted.rgb(),
                     qPrintable(QStringLiteral("%1 side at (%2, %3): %4, not %5")
                                    .arg(side.side)
                                    .arg(side.at.x())
                                    .arg(side.at.y())
                                    .arg(seen.name(), side.wanted.name())));
        }
    }
    delete top;
}

QTEST_MAIN(BordersTest)
#include "borders_test.moc"
