// The solution: the window sorts the tiles' captions through the sort engine in
// the chosen direction, turns the row pink, leaves the slots alone and counts
// a failure.
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "game/frmcolonnes.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// Eight texts written with blanks between them.
QStringList L(const char* texts) { return QString::fromUtf8(texts).split(' '); }

} // namespace

class SolutionTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sortsTheRow_data();
    void sortsTheRow();
    void afterScoresAndNoHandOver();
    void realClickAfterACheck();

private:
    QStringList tiles() const;
    std::unique_ptr<fake::Platform> fake;
    Form1* w = nullptr;
};

void SolutionTest::init()
{
    fake = std::make_unique<fake::Platform>();
    Form1::resetRunState();
    w = Form1::Load();
    QVERIFY(w);
}

void SolutionTest::cleanup()
{
    delete Form1::instance();
    w = nullptr;
    fake.reset();
}

QStringList SolutionTest::tiles() const
{
    QStringList texts;
    for (QLabel* tile : w->Label1)
        texts.append(tile->text());
    return texts;
}

void SolutionTest::sortsTheRow_data()
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("shown");
    const QStringList example = L("7 3 9 1 5 8 2 6");
    QTest::newRow("ascending") << example << true << L("1 2 3 5 6 7 8 9");
    QTest::newRow("descending") << example << false << L("9 8 7 6 5 3 2 1");
    QTest::newRow("grouped, ascending")
        << QStringList{"1 234", "56", "98 765", "3", "40 000", "7", "812", "9 999"} << true
        << QStringList{"3", "7", "56", "812", "1 234", "9 999", "40 000", "98 765"};
    // 12,3 and 12,5 both read as 12: never exchanged with each other under
    // ascending, exchanged whenever compared under descending (other exchanges
    // can still move either of them).
    const QStringList comma = L("12,3 12,5 1,2 3,4 5,6 7,8 9,1 10,2");
    const QStringList up = L("1,2 3,4 5,6 7,8 9,1 10,2 12,3 12,5");
    const QStringList down = L("12,5 12,3 10,2 9,1 7,8 5,6 3,4 1,2");
    QTest::newRow("equal readings, ascending")
        << comma << true << L("1,2 3,4 5,6 7,8 9,1 10,2 12,5 12,3");
    QTest::newRow("equal readings, descending") << comma << false << down;
    QTest::newRow("equal readings in order, ascending") << up << true << up;
    QTest::newRow("equal readings in order, descending")
        << down << false << L("12,3 12,5 10,2 9,1 7,8 5,6 3,4 1,2");
    QTest::newRow("decimals, descending") << L("1.5 0.25 12.125 3 2.75 0.5 9.875 6") << false
                                          << L("12.125 9.875 6 3 2.75 1.5 0.5 0.25");
    QTest::newRow("placeholders before any drawing")
        << QStringList(8, "?") << false << QStringList(8, "?");
}

void SolutionTest::sortsTheRow()
{
    QFETCH(QStringList, row);
    QFETCH(bool, ascending);
    QFETCH(QStringList, shown);
    (ascending ? w->Option1 : w->Option2)->setChecked(true);
    for (int i = 0; i < 8; ++i)
        w->Label1[i]->setText(row[i]);
    w->Label5[0]->setText("7");
    w->Label5[3]->setText("3");
    w->cmdSort->setEnabled(true);
    w->cmdSort_Click();

    QCOMPARE(tiles(), shown);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(w->background(w->Label1[i]), Form1::kPink);
        QCOMPARE(w->background(w->Label5[i]), Form1::kLightGreen);
        // The slots keep what the child placed.
        QCOMPARE(w->Label5[i]->text(), i == 0 ? "7" : i == 3 ? "3" : "");
    }
    QVERIFY(!w->cmdSort->isEnabled());
    QVERIFY(!w->Verifier->isEnabled());
    QVERIFY(w->Generer->isEnabled());
    QCOMPARE(fake->sound.played, QStringList{"/opt/montivant/perdu.wav"});
    QCOMPARE(Form1::state().score.Failures, std::optional<qint32>(1));
    QCOMPARE(w->Label3[0]->text(), QString());
    QCOMPARE(w->Label3[1]->text(), QString("1"));
    QCOMPARE(w->Label4->text(), QString("0,0/10"));
    QCOMPARE(Form1::state().score.Mark, 0);
    QVERIFY(!w->Image2->isHidden() && w->Image1->isHidden());
}

void SolutionTest::afterScoresAndNoHandOver()
{
    // Nine successes before: the solution adds a failure, rewrites the mark
    // and the failure count only, and never opens the game.
    ScoreState& score = Form1::state().score;
    score.Successes = 9;
    score.Failures = 2;
    w->Label3[0]->setText("old");
    w->cmdSort_Click();
    QCOMPARE(score.Failures, std::optional<qint32>(3));
    QCOMPARE(w->Label3[1]->text(), QString("3"));
    QCOMPARE(w->Label3[0]->text(), QString("old"));
    QCOMPARE(w->Label4->text(), QString("8,0/10"));

    score.Successes = 10;
    w->cmdSort_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(score.Successes, qint16(10));
    QCOMPARE(Form1::instance(), w);
    QVERIFY(!frmColonnes::instance());
}

void SolutionTest::realClickAfterACheck()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    for (int i = 0; i < 8; ++i)
        fake->random.queued.push_back((80.5 - 10 * i) / 100.0); // 81, 71, ... 11
    w->Option1->setChecked(true);
    QTest::mouseClick(w->Generer, Qt::LeftButton);
    QVERIFY(!w->cmdSort->isEnabled());
    QTest::mouseClick(w->Verifier, Qt::LeftButton);
    QTest::mouseClick(w->cmdSort, Qt::LeftButton);
    QCOMPARE(tiles(), L("11 21 31 41 51 61 71 81"));
    // The focus is not left on Quitter: Enter now draws new numbers, which
    // restores the row's colours, and does not end the program.
    QVERIFY(w->Generer->hasFocus());
    for (int i = 0; i < 8; ++i)
        fake->random.queued.push_back((10.5 + 10 * i) / 100.0);
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(fake->application.quits, 0);
    QCOMPARE(w->Label1[0]->text(), QString("11"));
    for (QLabel* tile : w->Label1)
        QCOMPARE(w->background(tile), Form1::kLightYellow);
}

QTEST_MAIN(SolutionTest)
#include "solution_test.moc"
