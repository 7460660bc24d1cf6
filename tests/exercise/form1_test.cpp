// The main window: its state after loading, the option handlers, the drawing,
// the resize scaling and the quit commands.
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "widgets/twips.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <utility>
#include <vector>

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stateAfterLoad();
    void layoutInTwips_data();
    void layoutInTwips();
    void orderOptions();
    void orderWhileGenererDisabledKeepsFocus();
    void levelOptions();
    void decimalsResetTheLevel();
    void drawIntegers();
    void drawsWithinOneTickDoNotRepeat();
    void drawDecimals();
    void drawSeparatesEqualNumbers();
    void drawResetsTheBoard();
    void resizeScalesAndComesBack();
    void minimizeChangesNothing();
    void zeroSizeIsPassedOver();
    void quitCommands();
    void secondCopyEndsDuringLoad();
    void lateKeyLeavesTheMenuOpen();
    void lateAltLeavesTheMenuBarAlone_data();
    void lateAltLeavesTheMenuBarAlone();

private:
    std::unique_ptr<fake::Platform> fake;
    Form1* w = nullptr;
};

void Form1Test::init()
{
    fake = std::make_unique<fake::Platform>();
    Form1::resetRunState();
    w = Form1::Load();
    QVERIFY(w);
}

void Form1Test::cleanup()
{
    delete Form1::instance();
    w = nullptr;
    fake.reset();
}

void Form1Test::stateAfterLoad()
{
    QCOMPARE(w->windowTitle(), QString("Range en ordre montivant ou démontivant"));
    QVERIFY(w->Option2->isChecked());
    QVERIFY(!w->Option1->isChecked());
    QVERIFY(w->Option3[0]->isChecked());
    QVERIFY(w->Option4[0]->isChecked());
    QCOMPARE(Form1::state().RangeMin, 1.0);
    QCOMPARE(Form1::state().RangeMax, 100.0);
    QCOMPARE(Form1::state().score.Successes, qint16(0));
    QVERIFY(Form1::state().OldWidth > 0 && Form1::state().OldHeight > 0);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(w->Label1[i]->text(), QString("?"));
        QCOMPARE(w->background(w->Label1[i]), Form1::kLightYellow);
        QCOMPARE(w->Label5[i]->text(), QString());
        QCOMPARE(w->background(w->Label5[i]), Form1::kLightGreen);
    }
    QVERIFY(w->Generer->isEnabled());
    QVERIFY(w->Verifier->isEnabled());
    QVERIFY(!w->cmdSort->isEnabled());
    QCOMPARE(w->Label2->text(), QString("Ex. : 698 > 455 > 362 > 19"));
    QCOMPARE(w->Label2->palette().color(QPalette::WindowText), QColor(192, 0, 192));
    QVERIFY(w->Image1->isHidden() && w->Image2->isHidden());
    QVERIFY(w->Label3[0]->text().isEmpty() && w->Label3[1]->text().isEmpty());
    QVERIFY(w->Label4->text().isEmpty());
    QCOMPARE(w->Generer->text(), QString("&Générer les nombres"));
    QCOMPARE(w->Arreter->text(), QString("&Quitter"));
    QCOMPARE(w->Verifier->text(), QString("&Vérifier"));
    QCOMPARE(w->cmdSort->text(), QString("Solution !"));
    QCOMPARE(w->Option4[1]->text(), QString("nombres décimaux"));
    QCOMPARE(w->Option3[4]->text(), QString("< 10 000 000"));
    QCOMPARE(w->Frame5->title(), QString("Niveau :"));
    QCOMPARE(w->mnAstuces->text(), QString("&Astuces"));
    QCOMPARE(w->apropos->text(), QString("&A propos"));
}

// Rule: every control lies where the layout table puts it, in pixels of 15
// twips (96 dpi), relative to the window's client area or to its frame; edges
// are rounded, so neighbours stay flush. The pixel rectangles are written out
// from the table (its twips in the comments), and read from the shown window.
void Form1Test::layoutInTwips_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("pixels");
    auto row = [](const char* name, const char* parent, QRect pixels) {
        QTest::newRow(name) << QString::fromUtf8(parent) << pixels;
    };
    row("Frame6", "client", {96, 248, 369, 17}); // 1440, 3720, 5535, 255
    row("Option4_1", "Frame6", {176, 0, 121, 17}); // 2640, 0, 1815, 255
    row("Option4_0", "Frame6", {16, 0, 121, 17}); // 240, 0, 1815, 255
    row("Frame3", "client", {8, 200, 201, 41}); // 120, 3000, 3015, 615
    row("Option2", "Frame3", {96, 16, 97, 17}); // 1440, 240, 1455, 255
    row("Option1", "Frame3", {8, 16, 81, 17}); // 120, 240, 1215, 255
    row("Generer", "client", {520, 144, 83, 57}); // 7800, 2160, 1250, 855
    row("Arrêter", "client", {520, 272, 83, 57}); // 7800, 4080, 1250, 855
    row("Vérifier", "client", {522, 208, 83, 57}); // 7830, 3120, 1250, 855
    row("cmdSort", "client", {424, 273, 83, 57}); // 6360, 4095, 1250, 855
    row("Frame5", "client", {8, 144, 489, 41}); // 120, 2160, 7335, 615
    row("Option3_4", "Frame5", {368, 16, 97, 13}); // 5520, 240, 1455, 195
    row("Option3_3", "Frame5", {272, 16, 89, 13}); // 4080, 240, 1335, 195
    row("Option3_2", "Frame5", {184, 16, 89, 13}); // 2760, 240, 1335, 195
    row("Option3_1", "Frame5", {96, 16, 73, 13}); // 1440, 240, 1095, 195
    row("Option3_0", "Frame5", {8, 16, 49, 13}); // 120, 240, 735, 195
    row("Frame4", "client", {8, 264, 409, 65}); // 120, 3960, 6135, 975
    row("Image1", "Frame4", {16, 18, 32, 32}); // 240, 270, 480, 480
    row("Image2", "Frame4", {360, 18, 32, 32}); // 5400, 270, 480, 480
    row("Label3_0", "Frame4", {72, 18, 33, 32}); // 1080, 270, 495, 480
    row("Label3_1", "Frame4", {304, 18, 33, 32}); // 4560, 270, 495, 480
    row("Label4", "Frame4", {156, 18, 97, 32}); // 2340, 270, 1455, 480
    row("Frame2", "client", {8, 80, 593, 49}); // 120, 1200, 8895, 735
    row("Label5_0", "Frame2", {8, 16, 70, 23}); // 120, 240, 1050, 340
    row("Label5_1", "Frame2", {80, 16, 70, 23}); // 1200, 240, 1050, 340
    row("Label5_2", "Frame2", {152, 16, 70, 23}); // 2280, 240, 1050, 340
    row("Label5_3", "Frame2", {224, 16, 70, 23}); // 3360, 240, 1050, 340
    row("Label5_4", "Frame2", {296, 16, 70, 23}); // 4440, 240, 1050, 340
    row("Label5_5", "Frame2", {368, 16, 70, 23}); // 5520, 240, 1050, 340
    row("Label5_6", "Frame2", {440, 16, 70, 23}); // 6600, 240, 1050, 340
    row("Label5_7", "Frame2", {512, 16, 70, 23}); // 7680, 240, 1050, 340
    row("Frame1", "client", {8, 16, 593, 49}); // 120, 240, 8895, 735
    row("Label1_0", "Frame1", {8, 16, 70, 23}); // 120, 240, 1050, 340
    row("Label1_1", "Frame1", {80, 16, 70, 23}); // 1200, 240, 1050, 340
    row("Label1_2", "Frame1", {152, 16, 70, 23}); // 2280, 240, 1050, 340
    row("Label1_3", "Frame1", {224, 16, 70, 23}); // 3360, 240, 1050, 340
    row("Label1_4", "Frame1", {296, 16, 70, 23}); // 4440, 240, 1050, 340
    row("Label1_5", "Frame1", {368, 16, 70, 23}); // 5520, 240, 1050, 340
    row("Label1_6", "Frame1", {440, 16, 70, 23}); // 6600, 240, 1050, 340
    row("Label1_7", "Frame1", {512, 16, 70, 23}); // 7680, 240, 1050, 340
    row("Label2", "client", {224, 208, 273, 25}); // 3360, 3120, 4095, 375
}

void Form1Test::layoutInTwips()
{
    QFETCH(QString, parent);
    QFETCH(QRect, pixels);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->centralWidget()->size(), QSize(614, 342)); // 9210 x 5130 twips
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    const auto* control = w->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(w->controlsInOrder().size(), 41); // the table has no other control
}

void Form1Test::orderOptions()
{
    w->Generer->setFocus();
    w->Option1->setChecked(true);
    QCOMPARE(w->Label2->text(), QString("Ex. : 19 < 362 < 455 < 698"));
    QCOMPARE(w->Label2->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QCOMPARE(w->background(w->Label2), Form1::kLightYellow);
    QCOMPARE(w->focusWidget(), w->Generer);
    w->Option2->setChecked(true);
    QCOMPARE(w->Label2->text(), QString("Ex. : 698 > 455 > 362 > 19"));
    QCOMPARE(w->Label2->palette().color(QPalette::WindowText), QColor(192, 0, 192));
}

void Form1Test::orderWhileGenererDisabledKeepsFocus()
{
    w->Generer_Click();
    QVERIFY(!w->Generer->isEnabled());
    w->Verifier->setFocus();
    w->Option1->setChecked(true);
    QCOMPARE(w->Label2->text(), QString("Ex. : 19 < 362 < 455 < 698"));
    QCOMPARE(w->focusWidget(), w->Verifier);
}

void Form1Test::levelOptions()
{
    // Every level from the second on, then back to the first.
    for (int k = 1; k <= kLevelCount; ++k) {
        const int i = k % kLevelCount;
        QCOMPARE(w->Option3[i]->text(), QString::fromUtf8(kLevels[size_t(i)].caption));
        w->Option3[i]->setChecked(true);
        QCOMPARE(Form1::state().RangeMin, kLevels[size_t(i)].RangeMin);
        QCOMPARE(Form1::state().RangeMax, kLevels[size_t(i)].RangeMax);
    }
}

void Form1Test::decimalsResetTheLevel()
{
    w->Option3[1]->setChecked(true);
    w->Option4[1]->setChecked(true);
    QVERIFY(w->Option3[0]->isChecked());
    QCOMPARE(Form1::state().RangeMax, 100.0);
    for (int i = 0; i < kLevelCount; ++i)
        QCOMPARE(w->Option3[i]->isEnabled(), kLevels[size_t(i)].withDecimals);
    w->Option3[1]->setChecked(true); // "< 1000" may be chosen again
    QCOMPARE(Form1::state().RangeMin, 100.0);
    w->Option4[0]->setChecked(true);
    for (int i = 0; i < kLevelCount; ++i)
        QVERIFY(w->Option3[i]->isEnabled());
    QVERIFY(w->Option3[1]->isChecked()); // the level stays as it was
}

// Rule: tile i gets n = floor((RangeMax - RangeMin + 1) r + RangeMin) from one
// draw r, written with blanks between groups of three digits; every n lies
// within the level's bounds, r = 0 giving the lower and r just below 1 the
// upper bound.
void Form1Test::drawIntegers()
{
    // Level "< 100": n = floor(100 r + 1).
    fake->random.queued = {0.0, 0.999999, 0.5, 0.01, 0.2, 0.3, 0.4, 0.6};
    w->Generer_Click();
    const QStringList expected = {"1", "100", "51", "2", "21", "31", "41", "61"};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->Label1[i]->text(), expected[i]);
    QCOMPARE(fake->random.draws, 8);

    // Level "< 10 000 000": n = floor(9 000 001 r + 1 000 000), grouped.
    w->Option3[4]->setChecked(true);
    fake->random.queued = {0.999999999, 0.0, 0.5, 0.1, 0.2345678, 0.3, 0.4, 0.6};
    w->Generer->setEnabled(true);
    w->Generer_Click();
    const QStringList large = {"10 000 000", "1 000 000", "5 500 000", "1 900 000",
                               "3 111 110", "3 700 000", "4 600 000", "6 400 000"};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->Label1[i]->text(), large[i]);
}

// Rule: reseeding before each number must not make numbers drawn within one
// tick of the clock repeat or follow each other. With the real generator,
// eight drawings made at once at the largest level: no drawing repeats the one
// before, and among their 8 x 28 pairs of tiles hardly any are equal or next
// to each other (by chance, one pair in about 13 000 runs). Eight numbers
// drawn from one seed would be separated by the pass that removes equal
// numbers into a run n, n + 1, ..., n + 7.
void Form1Test::drawsWithinOneTickDoNotRepeat()
{
    platform::installReal();
    platform::Random& real = platform::random();
    fake->install();
    platform::Services services;
    services.random = &real;
    platform::install(services);

    w->Option3[4]->setChecked(true);
    QStringList previous;
    int closePairs = 0;
    for (int drawing = 0; drawing < 8; ++drawing) {
        w->Generer->setEnabled(true);
        w->Generer_Click();
        QStringList texts;
        QList<qint64> values;
        for (QLabel* tile : w->Label1) {
            texts.append(tile->text());
            values.append(tile->text().remove(QLatin1Char(' ')).toLongLong());
        }
        QVERIFY2(texts != previous, qPrintable(texts.join(QLatin1String(" | "))));
        previous = texts;
        for (int a = 0; a < 8; ++a)
            for (int b = a + 1; b < 8; ++b)
                if (qAbs(values[a] - values[b]) <= 1)
                    ++closePairs;
    }
    QVERIFY2(closePairs < 3, qPrintable(QString::number(closePairs)));
}

void Form1Test::drawDecimals()
{
    fake->environment.separator = ",";
    w->Option4[1]->setChecked(true);
    w->Option3[1]->setChecked(true); // 100 to 1000
    // Pairs (integer part, fraction).
    fake->random.queued = {0.0, 0.25, 0.999999, 0.5, 0.1, 0.0, 0.2, 0.125,
                           0.3, 0.1,  0.4,      0.2, 0.5, 0.3, 0.6, 0.75};
    w->Generer_Click();
    QCOMPARE(fake->random.draws, 16);
    QCOMPARE(w->Label1[0]->text(), QString("100,25"));
    QCOMPARE(w->Label1[1]->text(), QString("1 000,5"));
    QCOMPARE(w->Label1[2]->text(), QString("190"));
    QCOMPARE(w->Label1[3]->text(), QString("280,125"));
}

void Form1Test::drawSeparatesEqualNumbers()
{
    // 0.565 draws 57 at level "< 100", at tiles 2 and 5.
    fake->random.queued = {0.0, 0.1, 0.565, 0.2, 0.3, 0.565, 0.7, 0.8};
    w->Generer_Click();
    QCOMPARE(w->Label1[2]->text(), QString("57"));
    QCOMPARE(w->Label1[5]->text(), QString("58"));
}

void Form1Test::drawResetsTheBoard()
{
    for (int i = 0; i < 8; ++i) {
        w->Label5[i]->setText("?");
        w->setBackground(w->Label1[i], Form1::kLightOrange);
    }
    w->cmdSort->setEnabled(true);
    w->Generer_Click();
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(w->Label5[i]->text(), QString());
        QCOMPARE(w->background(w->Label5[i]), Form1::kLightGreen);
        QCOMPARE(w->background(w->Label1[i]), Form1::kLightYellow);
        QVERIFY(w->Label1[i]->text() != QString("?"));
    }
    QVERIFY(!w->Generer->isEnabled());
    QVERIFY(w->Verifier->isEnabled());
    QVERIFY(!w->cmdSort->isEnabled());
}

void Form1Test::resizeScalesAndComesBack()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QSize normal = w->size();
    QList<QRect> before;
    for (QWidget* c : w->controlsInOrder())
        before.append(c->geometry());
    const QFont tileFont = w->Label1[0]->font();
    const QRect lastTile = w->Label1[7]->geometry();

    for (int round = 0; round < 10; ++round) {
        w->resize(normal.width() * 3 / 2, normal.height() * 2);
        QTRY_COMPARE(w->size(), QSize(normal.width() * 3 / 2, normal.height() * 2));
        // Spread in proportion to the outer size, fonts unchanged.
        const QRect tile = w->Label1[7]->geometry();
        QVERIFY(qAbs(tile.left() - lastTile.left() * 3 / 2) <= 2);
        QVERIFY(qAbs(tile.width() - lastTile.width() * 3 / 2) <= 2);
        QCOMPARE(w->Label1[0]->font(), tileFont);
        w->resize(normal);
        QTRY_COMPARE(w->size(), normal);
        const QList<QWidget*> controls = w->controlsInOrder();
        for (int i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i]->geometry(), before[i]);
    }
    // The window's own maximize and restore come back the same way.
    w->showMaximized();
    QTest::qWait(50);
    w->showNormal();
    QTRY_COMPARE(w->size(), normal);
    const QList<QWidget*> controls = w->controlsInOrder();
    for (int i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->geometry(), before[i]);
}

void Form1Test::minimizeChangesNothing()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QRect tile = w->Label1[3]->geometry();
    const float oldWidth = Form1::state().OldWidth;
    w->setWindowState(Qt::WindowMinimized);
    w->resize(100, 100);
    QCOMPARE(w->Label1[3]->geometry(), tile);
    QCOMPARE(Form1::state().OldWidth, oldWidth);
}

void Form1Test::zeroSizeIsPassedOver()
{
    Form1::state().OldWidth = 0;
    const QRect tile = w->Label1[3]->geometry();
    w->Form_Resize();
    QCOMPARE(w->Label1[3]->geometry(), tile);
    QCOMPARE(Form1::state().OldWidth, 0.0f); // kept until a usable size comes
}

void Form1Test::quitCommands()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::mouseClick(w->Arreter, Qt::LeftButton);
    QCOMPARE(fake->application.quits, 1);
    w->Quitter->trigger();
    QCOMPARE(fake->application.quits, 2);
    w->Option3[2]->setFocus();
    QTest::keyClick(w->Option3[2], Qt::Key_Escape);
    QCOMPARE(fake->application.quits, 3);
    QVERIFY(Form1::instance()); // nothing closed the window by itself
}

// The load of a second copy ends it before anything else: the store is
// neither read nor written, and no window is left.
void Form1Test::secondCopyEndsDuringLoad()
{
    delete Form1::instance();
    Form1::resetRunState();
    fake->settings.reads.clear();
    fake->singleCopy.asked = 0;
    fake->singleCopy.another = true;
    QVERIFY(!Form1::Load());
    QCOMPARE(fake->singleCopy.asked, 1);
    QCOMPARE(fake->application.terminations, 1);
    QVERIFY(!Form1::instance());
    QCOMPARE(fake->settings.reads, QStringList());
    QCOMPARE(fake->settings.writes, QStringList());
    // None of the load handler's later steps ran.
    QCOMPARE(Form1::state().RangeMax, 0.0);
    QCOMPARE(Form1::state().OldWidth, 0.0f);
}

// Rule: a key handed to the window after one of its menus opened (a screen
// reader hands each key on once it has heard it) leaves the menu open.
void Form1Test::lateKeyLeavesTheMenuOpen()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->Fichier->popup(w->mapToGlobal(QPoint(0, 0)));
    QCOMPARE(QApplication::activePopupWidget(), w->Fichier);
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent alt(type, Qt::Key_Alt, type == QEvent::KeyPress ? Qt::AltModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(w->windowHandle(), &alt);
        QVERIFY(w->Fichier->isVisible());
    }
    w->Fichier->close();
}

namespace {
// Holds the keys of the window system, as a screen reader's bridge does, and
// hands them back to their window when the reader has answered.
class Reader final : public QObject
{
public:
    void answer()
    {
        for (auto& [window, key] : held)
            QCoreApplication::postEvent(window, key.release());
        held.clear();
        QCoreApplication::processEvents();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!event->spontaneous() || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        held.emplace_back(watched, std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(), key->text()));
        return true;
    }

private:
    std::vector<std::pair<QObject*, std::unique_ptr<QKeyEvent>>> held;
};
} // namespace

void Form1Test::lateAltLeavesTheMenuBarAlone_data()
{
    // Keys as typed: A(lt) or G, d(own) or u(p); "|": the reader answers.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("menuBarSelected");
    QTest::newRow("Alt+G") << "Ad Gd Gu Au" << false;
    QTest::newRow("Alt+G, Alt let go first") << "Ad Gd Au Gu" << false;
    QTest::newRow("Alt alone") << "Ad Au" << true;
    QTest::newRow("Alt+G twice, the reader answering between") << "Ad Gd Au Gu Ad | Gd Gu Au" << false;
}

// Rule: the menu bar follows Alt as it was typed, though a screen reader hands
// every key to the window a second time, late.
void Form1Test::lateAltLeavesTheMenuBarAlone()
{
    QFETCH(QString, keys);
    QFETCH(bool, menuBarSelected);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    Reader reader;
    qApp->installEventFilter(&reader);
    bool altHeld = false;
    for (const QString& step : keys.split(QLatin1Char(' '))) {
        if (step == QLatin1String("|")) {
            reader.answer();
            continue;
        }
        const bool alt = step[0] == QLatin1Char('A'), down = step[1] == QLatin1Char('d');
        // The window system gives the modifiers held before the key.
        const Qt::KeyboardModifiers held = altHeld ? Qt::AltModifier : Qt::NoModifier;
        QTest::simulateEvent(w->windowHandle(), down, alt ? Qt::Key_Alt : Qt::Key_G, held,
                             alt ? QString() : QStringLiteral("g"), false);
        if (alt)
            altHeld = down;
    }
    reader.answer();
    QCOMPARE(w->menuBar()->activeAction() != nullptr, menuBarSelected);
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
