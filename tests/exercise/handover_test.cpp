// The hand-over to the reward game: at the tenth success the check plays its
// sound and updates the score, then the game window replaces the main window,
// which comes back from zero when the game ends.
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "game/frmcolonnes.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class HandoverTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tenthSuccessOpensTheGame();
    void mainWindowComesBackFromZero();

private:
    // A check of a board whose slots repeat its tiles: right with eight "?"
    // (all read as 0, all equal), wrong with 8 7 ... 1 in ascending order.
    void check(Form1* w, bool right);
    static QList<QWidget*> visibleWindows();
    std::unique_ptr<fake::Platform> fake;
};

void HandoverTest::init()
{
    fake = std::make_unique<fake::Platform>();
    Form1::resetRunState();
    QVERIFY(Form1::Load());
}

void HandoverTest::cleanup()
{
    delete frmColonnes::instance();
    delete Form1::instance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w))
            delete w;
    fake.reset();
}

void HandoverTest::check(Form1* w, bool right)
{
    w->Option1->setChecked(true);
    for (int i = 0; i < 8; ++i) {
        const QString text = right ? QStringLiteral("?") : QString::number(8 - i);
        w->Label1[i]->setText(text);
        w->Label5[i]->setText(text);
    }
    w->Verifier->setEnabled(true);
    QTest::mouseClick(w->Verifier, Qt::LeftButton);
}

QList<QWidget*> HandoverTest::visibleWindows()
{
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown.append(w);
    return shown;
}

void HandoverTest::tenthSuccessOpensTheGame()
{
    QPointer<Form1> w = Form1::Show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    for (int round = 0; round < 9; ++round) {
        check(w, true);
        if (round % 3 == 0)
            check(w, false);
    }
    QCOMPARE(Form1::state().score.Successes, qint16(9));
    QCOMPARE(Form1::state().score.Failures, std::optional<qint32>(3));
    QVERIFY(!frmColonnes::instance());
    fake->sound.played.clear();

    check(w, true);

    QVERIFY(frmColonnes::instance());
    QVERIFY(frmColonnes::instance()->isVisible());
    QCOMPARE(fake->sound.played, QStringList{"/opt/montivant/gagner.wav"});
    // The window lives until the event loop destroys it: the check ran to
    // its end and the score was written before the hand-over.
    QVERIFY(w);
    QVERIFY(!w->isVisible());
    QCOMPARE(w->Label3[0]->text(), QString("10"));
    QCOMPARE(w->Label3[1]->text(), QString("3"));
    QCOMPARE(w->Label4->text(), QString("8,0/10")); // 10 of 13: 7.69 gives 8
    QCOMPARE(Form1::state().score.Successes, qint16(0));
    QCOMPARE(Form1::state().score.Failures, std::optional<qint32>(0));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
    QVERIFY(!Form1::instance());
    QCOMPARE(visibleWindows(), QList<QWidget*>{frmColonnes::instance()});
    QTest::qWait(20);
    // The hand-over is not the end of the program.
    QCOMPARE(fake->application.quits, 0);
}

void HandoverTest::mainWindowComesBackFromZero()
{
    Form1::state().score.Successes = 9;
    Form1::state().score.Failures = 4;
    QPointer<Form1> first = Form1::Show();
    check(first, true);
    QPointer<frmColonnes> game = frmColonnes::instance();
    QVERIFY(game);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);

    // A game, lost at once, through the game window's own end.
    game->mnuNouveau->trigger();
    for (int i = 0; i < 4; ++i)
        game->tmrCase_Timer();
    QTest::keyClick(game, Qt::Key_Q);
    QVERIFY(game->field().Perdu);
    game->tmrCase_Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!game);

    Form1* w = Form1::instance();
    QVERIFY(w);
    QCOMPARE(visibleWindows(), QList<QWidget*>{w});
    QCOMPARE(Form1::state().score.Successes, qint16(0));
    QCOMPARE(Form1::state().score.Failures, std::optional<qint32>(0));
    for (QLabel* score : {w->Label3[0], w->Label3[1], w->Label4})
        QVERIFY(score->text().isEmpty());
    QVERIFY(w->Image1->isHidden() && w->Image2->isHidden());
    for (QLabel* tile : w->Label1)
        QCOMPARE(tile->text(), QString("?"));

    // The failure count is no longer unset: a first success now shows 0.
    check(w, true);
    QCOMPARE(w->Label3[0]->text(), QString("1"));
    QCOMPARE(w->Label3[1]->text(), QString("0"));
    QCOMPARE(w->Label4->text(), QString("10,0/10"));
}

QTEST_MAIN(HandoverTest)
#include "handover_test.moc"
