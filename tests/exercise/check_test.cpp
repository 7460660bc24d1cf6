// The check of the answer: the messages with their texts, titles and icons, the
// error count, the verdict, the sounds, the pictures, the counts and the mark,
// the buttons and the focus. The board is set through its labels, which are
// its only store; one test fills it with real drags.
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using platform::MessageIcon;

Q_DECLARE_METATYPE(platform::MessageIcon)

namespace {

const QString kFill = QStringLiteral("Tu dois remplir toutes les cases !");
const QString kOops = QStringLiteral("OOPS, Quelque chose ne va pas !");
const QString kAttention = QStringLiteral("Attention !");
const QString kErrors = QStringLiteral("Erreur(s) !");

enum class Verdict { None, Success, Failure };

} // namespace

Q_DECLARE_METATYPE(Verdict)

class CheckTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void answers_data();
    void answers();
    void indexOrderSumsReallyDiffer();
    void directionIsReadAtTheCheck();
    void firstScoringCheckOfARun_data();
    void firstScoringCheckOfARun();
    void failureKeepsTheBoardAndChecksAgain();
    void refusedCheckChangesNoScore();
    void soundPlaysAfterTheErrorBox();
    void failuresDoNotResetSuccesses();
    void enterPressesVerifier();
    void wholeExerciseWithRealDrags();

    void showMark_data();
    void showMark();

private:
    void setBoard(const QStringList& tiles, const QStringList& slotTexts);
    std::unique_ptr<fake::Platform> fake;
    Form1* w = nullptr;
};

void CheckTest::init()
{
    fake = std::make_unique<fake::Platform>();
    Form1::resetRunState();
    w = Form1::Load();
    QVERIFY(w);
}

void CheckTest::cleanup()
{
    delete Form1::instance();
    w = nullptr;
    fake.reset();
}

void CheckTest::setBoard(const QStringList& tiles, const QStringList& slotTexts)
{
    QCOMPARE(tiles.size(), 8);
    QCOMPARE(slotTexts.size(), 8);
    for (int i = 0; i < 8; ++i) {
        w->Label1[i]->setText(tiles[i]);
        w->Label5[i]->setText(slotTexts[i]);
    }
}

void CheckTest::answers_data()
{
    QTest::addColumn<QStringList>("tiles");
    QTest::addColumn<QStringList>("slotTexts");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("message"); // empty: no message box
    QTest::addColumn<QString>("title");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<Verdict>("verdict");

    const QStringList tiles = {"7", "3", "9", "1", "5", "8", "2", "6"};
    const QStringList up = {"1", "2", "3", "5", "6", "7", "8", "9"};
    const QStringList down = {"9", "8", "7", "6", "5", "3", "2", "1"};

    QTest::newRow("one slot empty")
        << tiles << QStringList{"1", "2", "3", "5", "", "7", "8", "9"} << true << ","
        << kFill << kAttention << MessageIcon::Information << Verdict::None;
    QTest::newRow("every slot empty")
        << tiles << QStringList(8, QString()) << true << "," << kFill << kAttention
        << MessageIcon::Information << Verdict::None;
    QTest::newRow("a number twice, one left out")
        << tiles << QStringList{"1", "2", "3", "5", "6", "7", "9", "9"} << true << ","
        << kOops << kAttention << MessageIcon::Warning << Verdict::None;
    QTest::newRow("4 twice instead of 3 and 5, in order")
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}
        << QStringList{"1", "2", "4", "4", "4", "6", "7", "8"} << true << "," << QString()
        << QString() << MessageIcon::None << Verdict::Success;
    QTest::newRow("4 twice instead of 3 and 5, one pair out of order")
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}
        << QStringList{"1", "2", "4", "4", "4", "6", "8", "7"} << true << ","
        << "1 Erreur(s)" << kErrors << MessageIcon::None << Verdict::Failure;
    QTest::newRow("ascending, right") << tiles << up << true << "," << QString() << QString()
                                      << MessageIcon::None << Verdict::Success;
    QTest::newRow("descending, right") << tiles << down << false << "," << QString()
                                       << QString() << MessageIcon::None << Verdict::Success;
    QTest::newRow("ascending, exactly reversed")
        << tiles << down << true << "," << "7 Erreur(s)" << kErrors << MessageIcon::None
        << Verdict::Failure;
    QTest::newRow("descending, exactly reversed")
        << tiles << up << false << "," << "7 Erreur(s)" << kErrors << MessageIcon::None
        << Verdict::Failure;
    QTest::newRow("two pairs out of order")
        << tiles << QStringList{"2", "1", "3", "5", "6", "7", "9", "8"} << true << ","
        << "2 Erreur(s)" << kErrors << MessageIcon::None << Verdict::Failure;

    const QStringList equalTiles = {"5", "5", "1", "9", "5", "3", "3", "7"};
    QTest::newRow("equal neighbours, ascending")
        << equalTiles << QStringList{"1", "3", "3", "5", "5", "5", "7", "9"} << true << ","
        << QString() << QString() << MessageIcon::None << Verdict::Success;
    QTest::newRow("equal neighbours, descending")
        << equalTiles << QStringList{"9", "7", "5", "5", "5", "3", "3", "1"} << false << ","
        << QString() << QString() << MessageIcon::None << Verdict::Success;

    // Read up to the comma: both are 12, equal, fine in either order.
    const QStringList commaTiles = {"12,3", "12,5", "1,2", "3,4", "5,6", "7,8", "9,1", "10,2"};
    QTest::newRow("12,3 before 12,5")
        << commaTiles << QStringList{"1,2", "3,4", "5,6", "7,8", "9,1", "10,2", "12,3", "12,5"}
        << true << "," << QString() << QString() << MessageIcon::None << Verdict::Success;
    QTest::newRow("12,5 before 12,3")
        << commaTiles << QStringList{"1,2", "3,4", "5,6", "7,8", "9,1", "10,2", "12,5", "12,3"}
        << true << "," << QString() << QString() << MessageIcon::None << Verdict::Success;

    QTest::newRow("eight ? in eight slots")
        << QStringList(8, "?") << QStringList(8, "?") << true << "," << QString() << QString()
        << MessageIcon::None << Verdict::Success;
    QTest::newRow("grouped integers")
        << QStringList{"1 234", "56", "98 765", "3", "40 000", "7", "812", "9 999"}
        << QStringList{"98 765", "40 000", "9 999", "1 234", "812", "56", "7", "3"} << false
        << "," << QString() << QString() << MessageIcon::None << Verdict::Success;

    // Under a "." separator the decimals are read whole; the two rows' sums in
    // their own index orders differ in the last bit.
    QTest::newRow("decimals under a point separator")
        << QStringList{"1.1", "2.2", "3.3", "4.4", "5.5", "7.7", "6.6", "8.8"}
        << QStringList{"1.1", "2.2", "3.3", "4.4", "5.5", "6.6", "7.7", "8.8"} << true << "."
        << QString() << QString() << MessageIcon::None << Verdict::Success;
    QTest::newRow("decimals under a point separator, one left out")
        << QStringList{"1.1", "2.2", "3.3", "4.4", "5.5", "7.7", "6.6", "8.8"}
        << QStringList{"1.1", "2.2", "3.3", "4.4", "5.5", "6.6", "8.8", "8.8"} << true << "."
        << kOops << kAttention << MessageIcon::Warning << Verdict::None;
}

void CheckTest::answers()
{
    QFETCH(QStringList, tiles);
    QFETCH(QStringList, slotTexts);
    QFETCH(bool, ascending);
    QFETCH(QString, separator);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(MessageIcon, icon);
    QFETCH(Verdict, verdict);

    fake->environment.separator = separator;
    fake->environment.folder = "/opt/montivant";
    (ascending ? w->Option1 : w->Option2)->setChecked(true);
    setBoard(tiles, slotTexts);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // A real click of the button.
    QTest::mouseClick(w->Verifier, Qt::LeftButton);

    if (message.isEmpty()) {
        QVERIFY(fake->dialogs.messages.isEmpty());
    } else {
        QCOMPARE(fake->dialogs.messages.size(), 1);
        QCOMPARE(fake->dialogs.messages[0].text, message);
        QCOMPARE(fake->dialogs.messages[0].title, title);
        QCOMPARE(fake->dialogs.messages[0].icon, icon);
    }
    QVERIFY(w->cmdSort->isEnabled() == (verdict != Verdict::Success));
    const ScoreState& score = Form1::state().score;

    switch (verdict) {
    case Verdict::None:
        QVERIFY(fake->sound.played.isEmpty());
        QCOMPARE(score.Successes, qint16(0));
        QVERIFY(!score.Failures.has_value());
        QVERIFY(w->Image1->isHidden() && w->Image2->isHidden());
        QVERIFY(w->Label3[0]->text().isEmpty() && w->Label3[1]->text().isEmpty());
        QVERIFY(w->Label4->text().isEmpty());
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(w->Label1[i]->text(), tiles[i]);
            QCOMPARE(w->Label5[i]->text(), slotTexts[i]);
        }
        QVERIFY(w->Verifier->isEnabled());
        break;
    case Verdict::Success:
        QCOMPARE(fake->sound.played, QStringList{"/opt/montivant/gagner.wav"});
        QVERIFY(w->Image1->isVisible() && w->Image2->isHidden());
        QCOMPARE(score.Successes, qint16(1));
        QVERIFY(!score.Failures.has_value());
        QCOMPARE(w->Label3[0]->text(), QString("1"));
        QCOMPARE(w->Label3[1]->text(), QString());
        QCOMPARE(w->Label4->text(), "10" + separator + "0/10");
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(w->Label1[i]->text(), QString("?"));
            QCOMPARE(w->Label5[i]->text(), QString());
        }
        QVERIFY(w->Generer->isEnabled());
        QVERIFY(w->Generer->hasFocus());
        QVERIFY(!w->Verifier->isEnabled());
        break;
    case Verdict::Failure:
        QCOMPARE(fake->sound.played, QStringList{"/opt/montivant/perdu.wav"});
        QVERIFY(w->Image2->isVisible() && w->Image1->isHidden());
        QCOMPARE(score.Successes, qint16(0));
        QCOMPARE(score.Failures, std::optional<qint32>(1));
        QCOMPARE(w->Label3[0]->text(), QString("0"));
        QCOMPARE(w->Label3[1]->text(), QString("1"));
        QCOMPARE(w->Label4->text(), "0" + separator + "0/10");
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(w->Label1[i]->text(), tiles[i]);
            QCOMPARE(w->Label5[i]->text(), slotTexts[i]);
        }
        QVERIFY(w->Verifier->isEnabled());
        break;
    }
    // The check never colours the board.
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(w->background(w->Label1[i]), Form1::kLightYellow);
        QCOMPARE(w->background(w->Label5[i]), Form1::kLightGreen);
    }
}

void CheckTest::indexOrderSumsReallyDiffer()
{
    // The premise of the decimal rows above: added in index order the two rows
    // give different doubles, so a check that did so would refuse the answer.
    const double tiles[] = {1.1, 2.2, 3.3, 4.4, 5.5, 7.7, 6.6, 8.8};
    const double answer[] = {1.1, 2.2, 3.3, 4.4, 5.5, 6.6, 7.7, 8.8};
    double a = 0, b = 0;
    for (int i = 0; i < 8; ++i) {
        a += tiles[i];
        b += answer[i];
    }
    QVERIFY(a != b);
}

void CheckTest::directionIsReadAtTheCheck()
{
    w->Option1->setChecked(true);
    setBoard({"4", "2", "3", "1", "8", "6", "7", "5"}, {"1", "2", "3", "4", "5", "6", "7", "8"});
    w->Option2->setChecked(true);
    w->Verifier_Click();
    QCOMPARE(fake->dialogs.messages.size(), 1);
    QCOMPARE(fake->dialogs.messages[0].text, QString("7 Erreur(s)"));
    w->Option1->setChecked(true);
    w->Verifier_Click();
    QCOMPARE(fake->dialogs.messages.size(), 1);
    QCOMPARE(Form1::state().score.Successes, qint16(1));
    QCOMPARE(Form1::state().score.Failures, std::optional<qint32>(1));
    QCOMPARE(w->Label4->text(), QString("5,0/10"));
}

void CheckTest::firstScoringCheckOfARun_data()
{
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("successes");
    QTest::addColumn<QString>("failures");
    QTest::addColumn<QString>("mark");
    QTest::newRow("a success") << true << "1" << "" << "10,0/10";
    QTest::newRow("a failure") << false << "0" << "1" << "0,0/10";
}

void CheckTest::firstScoringCheckOfARun()
{
    QFETCH(bool, success);
    QFETCH(QString, successes);
    QFETCH(QString, failures);
    QFETCH(QString, mark);
    w->Option1->setChecked(true);
    setBoard({"30", "10", "20", "40", "50", "60", "70", "80"},
             success ? QStringList{"10", "20", "30", "40", "50", "60", "70", "80"}
                     : QStringList{"20", "10", "30", "40", "50", "60", "70", "80"});
    w->Verifier_Click();
    QCOMPARE(w->Label3[0]->text(), successes);
    QCOMPARE(w->Label3[1]->text(), failures);
    QCOMPARE(w->Label4->text(), mark);
    QCOMPARE(Form1::state().score.Mark, success ? 10 : 0);
}

void CheckTest::failureKeepsTheBoardAndChecksAgain()
{
    w->Option1->setChecked(true);
    const QStringList tiles = {"30", "10", "20", "40", "50", "60", "70", "80"};
    setBoard(tiles, {"20", "10", "30", "40", "50", "60", "70", "80"});
    w->Verifier_Click();
    w->Verifier_Click();
    w->Verifier_Click();
    QCOMPARE(Form1::state().score.Failures, std::optional<qint32>(3));
    QCOMPARE(w->Label3[1]->text(), QString("3"));
    QCOMPARE(fake->sound.played.size(), 3);
    QCOMPARE(fake->dialogs.messages.size(), 3);
    QCOMPARE(w->Label1[0]->text(), QString("30"));
    QCOMPARE(w->Label5[0]->text(), QString("20"));
    // The child mends the answer.
    w->Label5[0]->setText("10");
    w->Label5[1]->setText("20");
    w->Verifier_Click();
    QCOMPARE(w->Label3[0]->text(), QString("1"));
    QCOMPARE(w->Label3[1]->text(), QString("3"));
    QCOMPARE(w->Label4->text(), QString("2,0/10")); // 2.5 goes to the even 2
    QVERIFY(!w->Image1->isHidden() && !w->Image2->isHidden());
}

void CheckTest::refusedCheckChangesNoScore()
{
    // A success and a failure first, then the two refusals.
    w->Option1->setChecked(true);
    setBoard(QStringList(8, "?"), QStringList(8, "?"));
    w->Verifier_Click();
    setBoard({"2", "1", "3", "4", "5", "6", "7", "8"}, {"2", "1", "3", "4", "5", "6", "7", "8"});
    w->Verifier_Click();
    QCOMPARE(w->Label4->text(), QString("5,0/10"));
    const QStringList played = fake->sound.played;

    w->Label5[4]->clear();
    w->Verifier_Click();
    w->Label5[4]->setText("8");
    w->Verifier_Click();
    QCOMPARE(fake->dialogs.messages.size(), 3);
    QCOMPARE(fake->dialogs.messages[1].text, kFill);
    QCOMPARE(fake->dialogs.messages[2].text, kOops);
    QCOMPARE(fake->sound.played, played);
    QCOMPARE(Form1::state().score.Successes, qint16(1));
    QCOMPARE(Form1::state().score.Failures, std::optional<qint32>(1));
    QCOMPARE(w->Label3[0]->text(), QString("1"));
    QCOMPARE(w->Label3[1]->text(), QString("1"));
    QCOMPARE(w->Label4->text(), QString("5,0/10"));
}

void CheckTest::soundPlaysAfterTheErrorBox()
{
    w->Option1->setChecked(true);
    setBoard({"2", "1", "3", "4", "5", "6", "7", "8"}, {"2", "1", "3", "4", "5", "6", "7", "8"});
    int playedWhileOpen = -1;
    bool countedWhileOpen = true;
    fake->dialogs.onMessage = [&](const fake::Dialogs::Message&) {
        playedWhileOpen = int(fake->sound.played.size());
        countedWhileOpen = Form1::state().score.Failures.has_value();
    };
    w->Verifier_Click();
    QCOMPARE(playedWhileOpen, 0);
    QVERIFY(!countedWhileOpen);
    QCOMPARE(fake->sound.played.size(), 1);
}

void CheckTest::failuresDoNotResetSuccesses()
{
    w->Option1->setChecked(true);
    for (int round = 0; round < 9; ++round) {
        setBoard({"2", "1", "3", "4", "5", "6", "7", "8"},
                 {"1", "2", "3", "4", "5", "6", "7", "8"});
        w->Verifier_Click();
        setBoard({"2", "1", "3", "4", "5", "6", "7", "8"},
                 {"2", "1", "3", "4", "5", "6", "7", "8"});
        w->Verifier_Click();
    }
    QCOMPARE(Form1::state().score.Successes, qint16(9));
    QCOMPARE(Form1::state().score.Failures, std::optional<qint32>(9));
    QCOMPARE(w->Label4->text(), QString("5,0/10"));
    QCOMPARE(Form1::instance(), w);
}

void CheckTest::enterPressesVerifier()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->Option3[1]->setFocus();
    QTest::keyClick(w->Option3[1], Qt::Key_Return);
    QCOMPARE(fake->dialogs.messages.size(), 1);
    QCOMPARE(fake->dialogs.messages[0].text, kFill);
    QVERIFY(w->cmdSort->isEnabled());
}

void CheckTest::wholeExerciseWithRealDrags()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->Option1->setChecked(true);
    const double draws[] = {0.705, 0.305, 0.905, 0.105, 0.505, 0.805, 0.205, 0.605};
    for (double r : draws)
        fake->random.queued.push_back(r);
    QTest::mouseClick(w->Generer, Qt::LeftButton);
    // 71, 31, 91, 11, 51, 81, 21, 61: ascending order is tiles 3, 6, 1, 4, 7, 0, 5, 2.
    const int order[] = {3, 6, 1, 4, 7, 0, 5, 2};
    QWindow* window = w->windowHandle();
    for (int k = 0; k < 8; ++k) {
        QLabel* tile = w->Label1[order[k]];
        const QPoint from = tile->mapTo(w, tile->rect().center());
        const QPoint to = w->Label5[k]->mapTo(w, w->Label5[k]->rect().center());
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(window, (from + to) / 2);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
    }
    QCOMPARE(w->Label5[0]->text(), QString("11"));
    QCOMPARE(w->Label5[7]->text(), QString("91"));
    QTest::mouseClick(w->Verifier, Qt::LeftButton);
    QVERIFY(fake->dialogs.messages.isEmpty());
    QCOMPARE(w->Label3[0]->text(), QString("1"));
    QCOMPARE(fake->sound.played, QStringList{"/opt/montivant/gagner.wav"});
    // The colours of the dropped tiles are left as they were.
    QCOMPARE(w->background(w->Label1[0]), Form1::kLightOrange);
}

void CheckTest::showMark_data()
{
    QTest::addColumn<qint16>("successes");
    QTest::addColumn<std::optional<qint32>>("failures");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint32>("mark");
    using F = std::optional<qint32>;
    QTest::newRow("1/1") << qint16(1) << F(1) << "," << "5,0/10" << 5;
    QTest::newRow("1/3, 2.5 to 2") << qint16(1) << F(3) << "," << "2,0/10" << 2;
    QTest::newRow("3/1, 7.5 to 8") << qint16(3) << F(1) << "," << "8,0/10" << 8;
    QTest::newRow("9/11, 4.5 to 4") << qint16(9) << F(11) << "," << "4,0/10" << 4;
    QTest::newRow("2/1, 6.67 to 7") << qint16(2) << F(1) << "," << "7,0/10" << 7;
    QTest::newRow("4/0") << qint16(4) << F(0) << "," << "10,0/10" << 10;
    QTest::newRow("4/unset") << qint16(4) << F() << "," << "10,0/10" << 10;
    QTest::newRow("0/5") << qint16(0) << F(5) << "," << "0,0/10" << 0;
    QTest::newRow("point separator") << qint16(3) << F(1) << "." << "8.0/10" << 8;
    QTest::newRow("0/0 changes nothing") << qint16(0) << F(0) << "," << "before" << -1;
    QTest::newRow("0/unset changes nothing") << qint16(0) << F() << "," << "before" << -1;
}

void CheckTest::showMark()
{
    QFETCH(qint16, successes);
    QFETCH(std::optional<qint32>, failures);
    QFETCH(QString, separator);
    QFETCH(QString, shown);
    QFETCH(qint32, mark);
    fake->environment.separator = separator;
    ScoreState& score = Form1::state().score;
    score.Successes = successes;
    score.Failures = failures;
    score.Mark = -1;
    w->Label4->setText("before");
    w->ShowMark();
    QCOMPARE(w->Label4->text(), shown);
    QCOMPARE(score.Mark, mark);
}

QTEST_MAIN(CheckTest)
#include "check_test.moc"
