// The main window: its state after loading, the option handlers, the drawing,
// the resize scaling and the quit commands.
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "platform/twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stateAfterLoad();
    void layoutInTwips();
    void orderOptions();
    void orderWhileGenererDisabledKeepsFocus();
    void levelOptions();
    void decimalsResetTheLevel();
    void drawIntegers();
    void drawDecimals();
    void drawSeparatesEqualNumbers();
    void drawResetsTheBoard();
    void resizeScalesAndComesBack();
    void minimizeChangesNothing();
    void zeroSizeIsPassedOver();
    void quitCommands();
    void secondCopyEndsDuringLoad();

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

void Form1Test::layoutInTwips()
{
    // Tile i and slot i lie at 120 + 1080 i twips in their frames.
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(twips::geometry(w->Label1[i]), QRectF(120 + 1080 * i, 240, 1050, 340));
        QCOMPARE(twips::geometry(w->Label5[i]), twips::geometry(w->Label1[i]));
        QCOMPARE(w->Label1[i]->geometry(), twips::toPixels(twips::geometry(w->Label1[i])));
    }
    QCOMPARE(twips::geometry(w->Frame2), QRectF(120, 1200, 8895, 735));
    QCOMPARE(twips::geometry(w->Verifier), QRectF(7830, 3120, 1250, 855));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->centralWidget()->size(), QSize(614, 342)); // 9210 x 5130 twips
    QCOMPARE(w->controlsInOrder().size(), 41);
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
    const double expected[5][2] = {{1, 100}, {100, 1000}, {1000, 10000}, {10000, 100000},
                                   {1000000, 10000000}};
    for (int i : {1, 2, 3, 4, 0}) {
        w->Option3[i]->setChecked(true);
        QCOMPARE(Form1::state().RangeMin, expected[i][0]);
        QCOMPARE(Form1::state().RangeMax, expected[i][1]);
    }
}

void Form1Test::decimalsResetTheLevel()
{
    w->Option3[1]->setChecked(true);
    w->Option4[1]->setChecked(true);
    QVERIFY(w->Option3[0]->isChecked());
    QCOMPARE(Form1::state().RangeMax, 100.0);
    for (int i = 2; i <= 4; ++i)
        QVERIFY(!w->Option3[i]->isEnabled());
    QVERIFY(w->Option3[1]->isEnabled());
    w->Option3[1]->setChecked(true); // "< 1000" may be chosen again
    QCOMPARE(Form1::state().RangeMin, 100.0);
    w->Option4[0]->setChecked(true);
    for (int i = 2; i <= 4; ++i)
        QVERIFY(w->Option3[i]->isEnabled());
    QVERIFY(w->Option3[1]->isChecked()); // the level stays as it was
}

void Form1Test::drawIntegers()
{
    // Level "< 100": n = floor(100 r + 1).
    fake->random.queued = {0.0, 0.999999, 0.5, 0.01, 0.2, 0.3, 0.4, 0.6};
    w->Generer_Click();
    const QStringList expected = {"1", "100", "51", "2", "21", "31", "41", "61"};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->Label1[i]->text(), expected[i]);
    QCOMPARE(fake->random.reseeds, 8);
    QCOMPARE(fake->random.draws, 8);

    w->Option3[4]->setChecked(true);
    fake->random.queued = {0.999999999, 0.0, 0.5, 0.1, 0.2, 0.3, 0.4, 0.6};
    w->Generer->setEnabled(true);
    w->Generer_Click();
    QCOMPARE(w->Label1[0]->text(), QString("10 000 000"));
    QCOMPARE(w->Label1[1]->text(), QString("1 000 000"));
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

void Form1Test::secondCopyEndsDuringLoad()
{
    delete Form1::instance();
    fake->singleCopy.another = true;
    QVERIFY(!Form1::Load());
    QCOMPARE(fake->application.terminations, 1);
    QVERIFY(!Form1::instance());
    QVERIFY(fake->settings.writes.isEmpty());
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
