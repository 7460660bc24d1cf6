#include "pixelcontrast.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QWidget>
#include <QtTest>

#include "about/frmabout.h"
#include "exercise/form1.h"
#include "game/frmcolonnes.h"
#include "game/gamefield.h"
#include "tips/frmtip.h"

#include <cmath>

namespace pixelcontrast {

double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF())
               + 0.0722 * channel(c.blueF());
    };
    double la = luminance(a), lb = luminance(b);
    if (la < lb)
        std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

namespace {

QHash<QRgb, int> histogram(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    return counts;
}

} // namespace

QColor dominant(const QImage& image, const QRect& area)
{
    const QHash<QRgb, int> counts = histogram(image, area);
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most || (it.value() == most && it.key() < best)) {
            most = it.value();
            best = it.key();
        }
    return most < 0 ? QColor() : QColor(best);
}

QColor strongest(const QImage& image, const QRect& area, const QColor& behind)
{
    const QHash<QRgb, int> counts = histogram(image, area);
    QColor best;
    double ratio = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() < 2)
            continue;
        const double r = contrast(QColor(it.key()), behind);
        if (r > ratio) {
            ratio = r;
            best = QColor(it.key());
        }
    }
    return best;
}

QList<Case> windowCases()
{
    QList<Case> cases;
    auto add = [&](const char* window, std::initializer_list<const char*> controls,
                   Part part = Part::Text) {
        for (const char* c : controls)
            cases.append({QString::fromUtf8(window), QString::fromUtf8(c), part});
    };
    add("Form1", {"Label1_0", "Label1_1", "Label5_0", "Label2", "Option1", "Option2", "Option3_0",
                  "Option3_4", "Option4_0", "Option4_1", "Frame3", "Frame5", "Frame4", "Label3_0",
                  "Label3_1", "Label4", "Generer", "Vérifier", "Arrêter", "cmdSort", "menubar"});
    add("Form1", {"Option1", "Option2", "Option3_1", "Option4_1"}, Part::Mark);
    add("frmTip", {"lblTipText", "Label1", "chkLoadTipsAtStartup", "cmdOK", "cmdNextTip"});
    add("frmTip", {"chkLoadTipsAtStartup"}, Part::Mark);
    add("frmAbout", {"lblTitle", "lblVersion", "lblDescription", "Label3", "lblUrl", "lblMail",
                     "cmdOK", "cmdSysInfo"});
    add("frmColonnes", {"lblVitesse", "lbl_0", "lbl_1", "lbl_2", "lbl_3", "lblCarres", "lblBlocs",
                        "lblScore", "lblMeilleur", "lblNom", "lblStatCouleur_0",
                        "lblStatCouleur_5", "menubar"});
    return cases;
}

namespace {

// The place of the text or of the mark of `w`, in `w`'s own coordinates.
QRect partRect(QWidget* w, Part part)
{
    if (auto* b = qobject_cast<QRadioButton*>(w); b || qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton o;
        o.initFrom(w);
        const bool radio = b != nullptr;
        const auto element = part == Part::Mark
            ? (radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator)
            : (radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents);
        return w->style()->subElementRect(element, &o, w);
    }
    if (qobject_cast<QPushButton*>(w))
        return w->rect().adjusted(4, 4, -4, -4);
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const QFontMetrics m = box->fontMetrics();
        return QRect(8, 0, m.horizontalAdvance(box->title()) + 4, m.height());
    }
    if (qobject_cast<QMenuBar*>(w))
        return w->rect().adjusted(2, 2, -2, -2);
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->contentsRect().adjusted(1, 1, -1, -1);
    return w->rect();
}

} // namespace

Measure measure(const QImage& shot, QWidget* top, const Case& c)
{
    Measure m;
    QWidget* w = c.control == QLatin1String("menubar") ? top->findChild<QMenuBar*>()
                                                       : top->findChild<QWidget*>(c.control);
    if (!w || !w->isVisible())
        return m;
    const qreal ratio = shot.devicePixelRatio();
    auto device = [&](const QRect& r) {
        const QRect g(w->mapTo(top, r.topLeft()), r.size());
        // Whole device pixels inside the logical rectangle.
        return QRect(QPoint(int(std::ceil(g.left() * ratio)), int(std::ceil(g.top() * ratio))),
                     QPoint(int(std::floor((g.right() + 1) * ratio)) - 1,
                            int(std::floor((g.bottom() + 1) * ratio)) - 1));
    };
    const QRect area = device(partRect(w, c.part));
    m.behind = dominant(shot, c.part == Part::Mark ? device(w->rect()) : area);
    m.front = strongest(shot, area, m.behind);
    if (!m.behind.isValid() || !m.front.isValid())
        return m;
    m.found = true;
    m.ratio = contrast(m.front, m.behind);
    return m;
}

QWidget* openWindow(const QString& window)
{
    QWidget* top = nullptr;
    if (window == QLatin1String("Form1")) {
        Form1::resetRunState();
        Form1* form = Form1::Show();
        form->Generer_Click();
        form->Label5_DragDrop(0, form->Label1[0]);
        form->Label3[0]->setText(QStringLiteral("3"));
        form->Label3[1]->setText(QStringLiteral("1"));
        form->Label4->setText(QStringLiteral("7,5"));
        top = form;
    } else if (window == QLatin1String("frmTip")) {
        frmTip::resetRunState();
        top = frmTip::Load();
        top->show();
    } else if (window == QLatin1String("frmAbout")) {
        top = frmAbout::Load();
        top->show();
    } else {
        frmColonnes* game = frmColonnes::Load();
        game->show();
        game->mnuNouveau_Click();
        game->tmrCase->stop();
        for (int piece = 0; piece < 6; ++piece) {
            game->tmrCase_Timer();
            for (int step = 0; step < piece; ++step)
                game->Form_KeyDown(colonnes::GameField::kKeyRight, 0);
            game->Form_KeyDown(colonnes::GameField::kKeySpace, 0);
        }
        game->tmrCase->stop();
        top = game;
    }
    if (!QTest::qWaitForWindowExposed(top))
        qWarning("%s not exposed", qPrintable(window));
    return top;
}

QPalette darkPalette()
{
    // What Qt's gtk3 platform theme makes of Adwaita:dark (measured).
    QPalette p(QColor(0x32, 0x32, 0x32));
    const QColor text(0xf0, 0xf0, 0xf0);
    p.setColor(QPalette::Window, QColor(0x32, 0x32, 0x32));
    p.setColor(QPalette::Button, QColor(0x32, 0x32, 0x32));
    p.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(role, text);
        p.setColor(QPalette::Disabled, role, QColor(0x82, 0x82, 0x82));
    }
    return p;
}

QPalette highContrastPalette()
{
    QPalette p(Qt::black);
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase,
                      QPalette::ToolTipBase})
        p.setColor(role, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                      QPalette::BrightText, QPalette::ToolTipText})
        p.setColor(role, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0xff, 0xff, 0x00));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Link, QColor(0x80, 0xc0, 0xff));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xa0, 0xa0, 0xa0));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xa0, 0xa0, 0xa0));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0xa0, 0xa0, 0xa0));
    return p;
}

} // namespace pixelcontrast
