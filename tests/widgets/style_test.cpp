// The program's look where the desktop's style falls short: a focus mark that
// every child can see (at least 3:1 against what lies under it), round marks
// of option buttons drawn whole, menus that mark only the chosen item, and
// Qt's own texts in French; every text readable and every mark seen under the
// light desktop, a dark one and a white-on-black one. Run at the screen scales
// 100 % and 150 %.
#include "about/frmabout.h"
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "pixelcontrast.h"
#include "widgets/programstyle.h"
#include "app/qttexts.h"
#include "tips/frmtip.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionMenuItem>
#include <QtTest>

namespace {

using pixelcontrast::contrast;

// The palettes of the schemes, by name: the style's own light one, a dark
// one as the gtk3 platform theme makes Adwaita-dark, and white on black.
QPalette schemePalette(const QString& scheme)
{
    if (scheme == QLatin1String("dark"))
        return pixelcontrast::darkPalette();
    if (scheme == QLatin1String("contrast"))
        return pixelcontrast::highContrastPalette();
    return QApplication::style()->standardPalette();
}

const char* const kSchemes[] = {"light", "dark", "contrast"};

// A picture of the window where `w` stands, `margin` pixels beyond it on
// every side: the focus mark of a link is drawn partly beside it.
constexpr int kMargin = 4;
QImage around(QWidget* top, QWidget* w)
{
    return top->grab(QRect(w->mapTo(top, QPoint(0, 0)), w->size())
                         .adjusted(-kMargin, -kMargin, kMargin, kMargin))
        .toImage();
}

} // namespace

class StyleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void focusMarkSeen_data();
    void focusMarkSeen();
    void focusMarkLeavesAGap_data();
    void focusMarkLeavesAGap();
    void textsReadable_data();
    void textsReadable();
    void roundMarksWhole();
    void onlyTheChosenMenuItemMarked();
    void qtTextsInFrench();

private:
    std::unique_ptr<fake::Platform> fake;
};

void StyleTest::initTestCase()
{
    fake = std::make_unique<fake::Platform>();
    ProgramStyle::install();
}

void StyleTest::cleanup()
{
    QApplication::setPalette(schemePalette(QStringLiteral("light")));
    delete Form1::instance();
    delete frmTip::instance();
    delete frmAbout::instance();
}

void StyleTest::focusMarkSeen_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    const QList<std::pair<const char*, const char*>> controls = {
        {"Form1", "Option3_0"}, {"Form1", "Option2"},  {"Form1", "Option4_1"},
        {"Form1", "Vérifier"},  {"Form1", "Generer"},  {"Form1", "Frame1"},
        {"Form1", "Frame2"},    {"frmTip", "cmdOK"},   {"frmTip", "chkLoadTipsAtStartup"},
        {"frmAbout", "cmdOK"},  {"frmAbout", "cmdSysInfo"}, {"frmAbout", "lblUrl"},
        {"frmAbout", "lblMail"}};
    for (const char* scheme : kSchemes)
        for (const auto& [window, control] : controls)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3").arg(scheme, window, control)))
                << QString(scheme) << QString(window) << QString(control);
}

// The pixels that change when a control takes the focus make a frame that
// stands out from what was there before by at least 3:1.
void StyleTest::focusMarkSeen()
{
    QFETCH(QString, scheme);
    QFETCH(QString, window);
    QFETCH(QString, control);
    QApplication::setPalette(schemePalette(scheme));
    QWidget* top = nullptr;
    if (window == "Form1") {
        Form1::resetRunState();
        top = Form1::Show();
    } else if (window == "frmTip") {
        frmTip::resetRunState();
        top = frmTip::Load();
    } else {
        top = frmAbout::Load();
    }
    QVERIFY(top);
    top->show();
    top->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(top));
    auto* target = top->findChild<QWidget*>(control);
    QVERIFY(target);
    // A row shows the mark on its current cell.
    QWidget* shown = target;
    if (auto* row = qobject_cast<BoardRow*>(target))
        shown = row->cell(row->current());

    top->setFocus(); // away from every control
    QVERIFY(!target->hasFocus());
    const QImage before = around(top, shown);
    target->setFocus(Qt::TabFocusReason);
    QVERIFY(target->hasFocus());
    const QImage after = around(top, shown);
    QCOMPARE(after.size(), before.size());

    int changed = 0, strong = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const QColor a = after.pixelColor(x, y), b = before.pixelColor(x, y);
            if (a == b)
                continue;
            ++changed;
            if (contrast(a, b) >= 3.0)
                ++strong;
        }
    }
    // At least a frame of one device pixel around a small caption. (Other
    // pixels may change too, such as a button becoming the default one.)
    QVERIFY2(strong >= 40,
             qPrintable(QString("%1 of %2 changed pixels reach 3:1").arg(strong).arg(changed)));
}

void StyleTest::focusMarkLeavesAGap_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    for (const char* control : {"Option3_0", "Option3_1", "Option3_2", "Option3_3", "Option3_4",
                                "Option1", "Option2", "Option4_0", "Option4_1", "Vérifier",
                                "Generer"})
        QTest::newRow(control) << "Form1" << QString(control);
    QTest::newRow("tip check box") << "frmTip" << "chkLoadTipsAtStartup";
    QTest::newRow("tip OK") << "frmTip" << "cmdOK";
    QTest::newRow("about web link") << "frmAbout" << "lblUrl";
    QTest::newRow("about mail link") << "frmAbout" << "lblMail";
}

// At least one pixel between the focus mark and the caption's strokes: no
// pixel of the mark touches, even by a corner, a pixel that the caption had
// darkened or lightened before the control took the focus.
void StyleTest::focusMarkLeavesAGap()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QWidget* top = window == "Form1" ? static_cast<QWidget*>(Form1::Show())
                   : window == "frmTip" ? static_cast<QWidget*>(frmTip::Load())
                                        : static_cast<QWidget*>(frmAbout::Load());
    QVERIFY(top);
    top->show();
    top->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(top));
    auto* target = top->findChild<QWidget*>(control);
    QVERIFY(target);
    top->setFocus();
    const QImage before = around(top, target);
    target->setFocus(Qt::TabFocusReason);
    QVERIFY(target->hasFocus());
    const QImage after = around(top, target);
    QCOMPARE(after.size(), before.size());
    // The caption alone: right of the round mark or check box, inside a
    // button's bevel.
    QRect caption = target->rect();
    QStyleOptionButton o;
    o.initFrom(target);
    if (qobject_cast<QPushButton*>(target))
        caption = target->style()->subElementRect(QStyle::SE_PushButtonFocusRect, &o, target).adjusted(2, 2, -2, -2);
    else if (qobject_cast<QRadioButton*>(target))
        caption.setLeft(target->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, target).left());
    else if (qobject_cast<QCheckBox*>(target))
        caption.setLeft(target->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, target).left());
    const qreal ratio = before.devicePixelRatio();
    const QRect inkArea(QPoint(int((caption.left() + kMargin) * ratio), int((caption.top() + kMargin) * ratio)),
                        QPoint(int((caption.right() + 1 + kMargin) * ratio) - 1,
                               int((caption.bottom() + 1 + kMargin) * ratio) - 1));
    const QColor face = pixelcontrast::dominant(before, inkArea);
    auto ink = [&](int x, int y) {
        return inkArea.contains(x, y) && contrast(before.pixelColor(x, y), face) > 1.5;
    };
    int marks = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (contrast(after.pixelColor(x, y), before.pixelColor(x, y)) < 3.0)
                continue;
            ++marks;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (!after.rect().contains(nx, ny) || (dx == 0 && dy == 0))
                        continue;
                    // A pixel of the caption that the mark left as it was.
                    if (ink(nx, ny) && after.pixelColor(nx, ny) == before.pixelColor(nx, ny))
                        QFAIL(qPrintable(QStringLiteral("the mark at (%1, %2) touches the caption at (%3, %4)")
                                             .arg(x).arg(y).arg(nx).arg(ny)));
                }
        }
    }
    QVERIFY(marks > 0);
}

void StyleTest::textsReadable_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<pixelcontrast::Case>("which");
    for (const char* scheme : kSchemes)
        for (const pixelcontrast::Case& c : pixelcontrast::windowCases())
            QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3 %4")
                                         .arg(scheme, c.window, c.control,
                                              c.part == pixelcontrast::Part::Text ? "text" : "mark")))
                << QString(scheme) << c;
}

// Every text of the four windows at least 4.5:1 against what is behind it,
// every round mark and check box at least 3:1, measured from the windows'
// pixels.
void StyleTest::textsReadable()
{
    QFETCH(QString, scheme);
    QFETCH(pixelcontrast::Case, which);
    QApplication::setPalette(schemePalette(scheme));
    QWidget* top = pixelcontrast::openWindow(which.window);
    QVERIFY(top);
    top->setFocus(); // no focus mark over the texts
    auto* control = top->findChild<QWidget*>(which.control);
    // The light desktop's own disabled texts and round marks are its look,
    // which the program keeps as it is.
    if (scheme == QLatin1String("light")
        && (which.part == pixelcontrast::Part::Mark || (control && !control->isEnabled())))
        QSKIP("the light desktop's own drawing");
    const QImage shot = top->grab().toImage();
    const pixelcontrast::Measure m = pixelcontrast::measure(shot, top, which);
    delete top;
    QVERIFY2(m.found, "nothing to measure");
    QVERIFY2(m.ratio >= which.minimum(),
             qPrintable(QStringLiteral("%1 on %2: %3:1")
                            .arg(m.front.name(), m.behind.name())
                            .arg(m.ratio, 0, 'f', 2)));
}

// The level options are lower than Fusion's round mark: the mark is drawn
// smaller rather than cut, as high as it is wide.
void StyleTest::roundMarksWhole()
{
    Form1::resetRunState();
    Form1* w = Form1::Show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->setFocus(); // no focus mark beside the round marks
    for (QRadioButton* option : w->Option3) {
        const QImage image = option->grab().toImage();
        const QColor background = option->palette().color(QPalette::Window);
        QStyleOptionButton o;
        o.initFrom(option);
        const QRect mark = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &o, option);
        // The mark's extent in device pixels: what differs from the background
        // left of the caption.
        const int columns = int((mark.right() + 2) * image.devicePixelRatio());
        int top = image.height(), bottom = -1, left = columns, right = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < columns && x < image.width(); ++x) {
                if (contrast(image.pixelColor(x, y), background) > 1.15) {
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
            }
        }
        const int height = bottom - top + 1, width = right - left + 1;
        QVERIFY2(width > 4 && height >= width,
                 qPrintable(QString("%1: a mark %2 wide and %3 high")
                                .arg(option->objectName())
                                .arg(width)
                                .arg(height)));
    }
}

// A menu of checkable items shows a mark beside the chosen one only: the
// others are drawn exactly as items that cannot be checked.
void StyleTest::onlyTheChosenMenuItemMarked()
{
    QMenu menu;
    QStyleOptionMenuItem item;
    item.initFrom(&menu);
    item.rect = QRect(0, 0, 120, 22);
    item.text = QStringLiteral("&2 Lent");
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.menuHasCheckableItems = true;
    item.maxIconWidth = 16;
    auto render = [&](QStyleOptionMenuItem::CheckType type, bool checked) {
        QImage image(item.rect.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        QStyleOptionMenuItem o = item;
        o.checkType = type;
        o.checked = checked;
        menu.style()->drawControl(QStyle::CE_MenuItem, &o, &p, &menu);
        return image;
    };
    const QImage plain = render(QStyleOptionMenuItem::NotCheckable, false);
    QCOMPARE(render(QStyleOptionMenuItem::NonExclusive, false), plain);
    QVERIFY(render(QStyleOptionMenuItem::NonExclusive, true) != plain);
}

// The buttons of Qt's dialogs and the edit menu of a text box speak French.
void StyleTest::qtTextsInFrench()
{
    QVERIFY2(qttexts::installFrench(), "Qt's French catalogue (qt6-translations-l10n) is missing");
    QInputDialog dialog;
    dialog.setLabelText(QStringLiteral("Bravo! vous avez le meilleur score, votre nom : "));
    dialog.show();
    QStringList buttons;
    for (QAbstractButton* b : dialog.findChild<QDialogButtonBox*>()->buttons())
        buttons.append(b->text().remove('&'));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Annuler", "OK"}));

    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList entries;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            entries.append(a->text().remove('&').section('\t', 0, 0));
    QVERIFY2(entries.contains("Coller") && entries.contains("Copier"), qPrintable(entries.join(", ")));
    for (const char* english : {"Paste", "Copy", "Cut", "Undo", "Select All"})
        QVERIFY2(!entries.contains(english), english);
}

QTEST_MAIN(StyleTest)
#include "style_test.moc"
