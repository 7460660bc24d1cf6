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

namespace {

const QString kFill = QStringLiteral("Tu dois remplir toutes les cases !");
const QString kOops = QStringLiteral("OOPS, Quelque chose ne va pas !");

enum class Verdict { None, Success, Failure };

// Eight texts written with blanks between them; "_" stands for an empty slot.
QStringList L(const char* texts)
{
    QStringList list = QString::fromUtf8(texts).split(' ');
    for (QString& text : list)
        if (text == "_")
            text.clear();
    return list;
}

} // namespace

Q_DECLARE_METATYPE(Verdict)

class CheckTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void answers_data();
    void answers();
    void indexOrderSumsReallyDiffer_data();
    void indexOrderSumsReallyDiffer();
    void directionIsReadAtTheCheck();
    void aRunOfChecks();
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
    QTest::addColumn<Verdict>("verdict");

    const QStringList tiles = L("7 3 9 1 5 8 2 6");
    const QStringList up = L("1 2 3 5 6 7 8 9");
    const QStringList down = L("9 8 7 6 5 3 2 1");
    const QStringList oneToEight = L("1 2 3 4 5 6 7 8");
    const QStringList decimals = L("1.1 2.2 3.3 4.4 5.5 7.7 6.6 8.8");
    auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };

    const QString none; // no message box
    const auto ok = Verdict::Success;
    const auto bad = Verdict::Failure;
    const auto refused = Verdict::None;

    row("one slot empty") << tiles << L("1 2 3 5 _ 7 8 9") << true << "," << kFill << refused;
    row("every slot empty") << tiles << L("_ _ _ _ _ _ _ _") << true << "," << kFill << refused;
    row("a number twice, one left out")
        << tiles << L("1 2 3 5 6 7 9 9") << true << "," << kOops << refused;
    row("4 twice instead of 3 and 5, in order")
        << oneToEight << L("1 2 4 4 4 6 7 8") << true << "," << none << ok;
    row("4 twice instead of 3 and 5, one pair out of order")
        << oneToEight << L("1 2 4 4 4 6 8 7") << true << "," << "1 Erreur(s)" << bad;
    row("ascending, right") << tiles << up << true << "," << none << ok;
    row("descending, right") << tiles << down << false << "," << none << ok;
    row("ascending, exactly reversed") << tiles << down << true << "," << "7 Erreur(s)" << bad;
    row("descending, exactly reversed") << tiles << up << false << "," << "7 Erreur(s)" << bad;
    row("two pairs out of order")
        << tiles << L("2 1 3 5 6 7 9 8") << true << "," << "2 Erreur(s)" << bad;
    row("equal neighbours, ascending")
        << L("5 5 1 9 5 3 3 7") << L("1 3 3 5 5 5 7 9") << true << "," << none << ok;
    row("equal neighbours, descending")
        << L("5 5 1 9 5 3 3 7") << L("9 7 5 5 5 3 3 1") << false << "," << none << ok;
    // Read up to the comma, 12,5 and 12,3 are both 12: equal, fine in this order.
    row("12,5 before 12,3") << L("12,3 12,5 1,2 3,4 5,6 7,8 9,1 10,2")
                            << L("1,2 3,4 5,6 7,8 9,1 10,2 12,5 12,3") << true << "," << none << ok;
    row("eight ? in eight slots")
        << QStringList(8, "?") << QStringList(8, "?") << true << "," << none << ok;
    row("grouped integers")
        << QStringList{"1 234", "56", "98 765", "3", "40 000", "7", "812", "9 999"}
        << QStringList{"98 765", "40 000", "9 999", "1 234", "812", "56", "7", "3"} << false
        << "," << none << ok;
    // Under a "." separator the decimals are read whole; the two rows' sums in
    // their own index orders differ in the last bit.
    row("decimals under a point separator")
        << decimals << L("1.1 2.2 3.3 4.4 5.5 6.6 7.7 8.8") << true << "." << none << ok;
    row("decimals under a point separator, the largest left out")
        << decimals << L("1.1 1.1 2.2 3.3 4.4 5.5 6.6 7.7") << true << "." << kOops << refused;
}

void CheckTest::answers()
{
    QFETCH(QStringList, tiles);
    QFETCH(QStringList, slotTexts);
    QFETCH(bool, ascending);
    QFETCH(QString, separator);
    QFETCH(QString, message);
    QFETCH(Verdict, verdict);
    const bool success = verdict == Verdict::Success;
    const bool failure = verdict == Verdict::Failure;

    fake->environment.separator = separator;
    (ascending ? w->Option1 : w->Option2)->setChecked(true);
    setBoard(tiles, slotTexts);
    // The box comes first: no sound and no count while it is open.
    fake->dialogs.onMessage = [this](const fake::Dialogs::Message&) {
        QVERIFY(fake->sound.played.isEmpty());
        QVERIFY(!Form1::state().score.Failures.has_value());
    };
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::mouseClick(w->Verifier, Qt::LeftButton);

    if (message.isEmpty()) {
        QVERIFY(fake->dialogs.messages.isEmpty());
    } else {
        QCOMPARE(fake->dialogs.messages.size(), 1);
        const auto& box = fake->dialogs.messages[0];
        QCOMPARE(box.text, message);
        const bool refused = message == kFill || message == kOops;
        QCOMPARE(box.title, refused ? "Attention !" : "Erreur(s) !");
        QCOMPARE(box.icon, message == kFill   ? MessageIcon::Information
                           : message == kOops ? MessageIcon::Warning
                                              : MessageIcon::None);
    }

    const ScoreState& score = Form1::state().score;
    const QString folder = "/opt/montivant/";
    QCOMPARE(fake->sound.played, success   ? QStringList{folder + "gagner.wav"}
                                 : failure ? QStringList{folder + "perdu.wav"}
                                           : QStringList());
    QCOMPARE(w->Image1->isVisible(), success);
    QCOMPARE(w->Image2->isVisible(), failure);
    QCOMPARE(score.Successes, qint16(success ? 1 : 0));
    QCOMPARE(score.Failures, failure ? std::optional<qint32>(1) : std::nullopt);
    QCOMPARE(score.Mark, success ? 10 : 0);
    const bool scored = success || failure;
    QCOMPARE(w->Label3[0]->text(), scored ? QString::number(success) : QString());
    QCOMPARE(w->Label3[1]->text(), failure ? "1" : "");
    QCOMPARE(w->Label4->text(), scored ? (success ? "10" : "0") + separator + "0/10" : "");
    // A right answer clears the board; anything else leaves it to be mended.
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(w->Label1[i]->text(), success ? "?" : tiles[i]);
        QCOMPARE(w->Label5[i]->text(), success ? "" : slotTexts[i]);
        // The check never colours the board.
        QCOMPARE(w->background(w->Label1[i]), Form1::kLightYellow);
        QCOMPARE(w->background(w->Label5[i]), Form1::kLightGreen);
    }
    QCOMPARE(w->cmdSort->isEnabled(), !success);
    QCOMPARE(w->Verifier->isEnabled(), !success);
    if (success)
        QVERIFY(w->Generer->isEnabled() && w->Generer->hasFocus());
}

// Rule: a right answer made of decimals is accepted, also when the tiles and
// the slots, added up each in its own index order, give doubles that differ in
// the last bit (checked first, so that each row really has such numbers).
void CheckTest::indexOrderSumsReallyDiffer_data()
{
    QTest::addColumn<QStringList>("tiles");
    QTest::addColumn<QStringList>("slotTexts");
    QTest::addColumn<bool>("ascending");
    QTest::newRow("two tiles swapped, ascending")
        << L("1.1 2.2 3.3 4.4 5.5 7.7 6.6 8.8") << L("1.1 2.2 3.3 4.4 5.5 6.6 7.7 8.8") << true;
    QTest::newRow("tenths in order, descending")
        << L("0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8") << L("0.8 0.7 0.6 0.5 0.4 0.3 0.2 0.1") << false;
    QTest::newRow("tenths shuffled, ascending")
        << L("0.4 0.7 0.6 0.3 0.1 0.5 0.8 0.2") << L("0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8") << true;
    QTest::newRow("tenths shuffled, descending")
        << L("0.4 0.7 0.6 0.3 0.1 0.5 0.8 0.2") << L("0.8 0.7 0.6 0.5 0.4 0.3 0.2 0.1") << false;
}

void CheckTest::indexOrderSumsReallyDiffer()
{
    QFETCH(QStringList, tiles);
    QFETCH(QStringList, slotTexts);
    QFETCH(bool, ascending);
    auto indexOrderSum = [](const QStringList& texts) {
        double sum = 0;
        for (const QString& text : texts)
            sum = roundedToDouble(sum + text.toDouble()); // as amd64 adds, on i386 too
        return sum;
    };
    QVERIFY(indexOrderSum(tiles) != indexOrderSum(slotTexts));

    fake->environment.separator = ".";
    (ascending ? w->Option1 : w->Option2)->setChecked(true);
    setBoard(tiles, slotTexts);
    w->Verifier_Click();
    QCOMPARE(fake->dialogs.messages.size(), 0);
    QCOMPARE(Form1::state().score.Successes, qint16(1));
    QCOMPARE(fake->sound.played, QStringList{"/opt/montivant/gagner.wav"});
}

void CheckTest::directionIsReadAtTheCheck()
{
    w->Option1->setChecked(true);
    setBoard(L("4 2 3 1 8 6 7 5"), L("1 2 3 4 5 6 7 8"));
    w->Option2->setChecked(true);
    w->Verifier_Click();
    QCOMPARE(fake->dialogs.messages.size(), 1);
    QCOMPARE(fake->dialogs.messages[0].text, QString("7 Erreur(s)"));
    w->Option1->setChecked(true);
    w->Verifier_Click();
    QCOMPARE(fake->dialogs.messages.size(), 1);
    QCOMPARE(Form1::state().score.Successes, qint16(1));
}

// A success, failures on the same board, refusals, then the mended answer:
// the counts add up, refusals count nothing, and each picture stays up once
// shown.
void CheckTest::aRunOfChecks()
{
    const ScoreState& score = Form1::state().score;
    w->Option1->setChecked(true);
    setBoard(QStringList(8, "?"), QStringList(8, "?"));
    w->Verifier_Click();

    setBoard(L("30 10 20 40 50 60 70 80"), L("20 10 30 40 50 60 70 80"));
    for (int i = 0; i < 3; ++i)
        w->Verifier_Click();
    QCOMPARE(score.Failures, std::optional<qint32>(3));
    QCOMPARE(w->Label3[1]->text(), QString("3"));
    QCOMPARE(fake->sound.played.size(), 4);
    QCOMPARE(fake->dialogs.messages.size(), 3);
    QVERIFY(!w->Image1->isHidden() && !w->Image2->isHidden());

    const QStringList played = fake->sound.played;
    w->Label5[4]->clear();
    w->Verifier_Click();
    w->Label5[4]->setText("80");
    w->Verifier_Click();
    QCOMPARE(fake->dialogs.messages.size(), 5);
    QCOMPARE(fake->dialogs.messages[3].text, kFill);
    QCOMPARE(fake->dialogs.messages[4].text, kOops);
    QCOMPARE(fake->sound.played, played);
    QCOMPARE(score.Successes, qint16(1));
    QCOMPARE(score.Failures, std::optional<qint32>(3));
    QCOMPARE(w->Label3[0]->text(), QString("1"));
    QCOMPARE(w->Label4->text(), QString("2,0/10"));

    // The child mends the answer.
    setBoard(L("30 10 20 40 50 60 70 80"), L("10 20 30 40 50 60 70 80"));
    w->Verifier_Click();
    QCOMPARE(w->Label3[0]->text(), QString("2"));
    QCOMPARE(w->Label3[1]->text(), QString("3"));
    QCOMPARE(w->Label4->text(), QString("4,0/10"));
    QVERIFY(!w->Image1->isHidden() && !w->Image2->isHidden());
}

void CheckTest::enterPressesVerifier()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->Option3[1]->setFocus();
    QTest::keyClick(w->Option3[1], Qt::Key_Return);
    QCOMPARE(fake->dialogs.messages.size(), 1);
    QCOMPARE(fake->dialogs.messages[0].text, kFill);
}

void CheckTest::wholeExerciseWithRealDrags()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->Option1->setChecked(true);
    for (double r : {0.705, 0.305, 0.905, 0.105, 0.505, 0.805, 0.205, 0.605})
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
    QCOMPARE(fake->sound.played, QStringList{"/opt/montivant/gagner.wav"});
    // The colours of the dropped tiles are left as they were.
    QCOMPARE(w->background(w->Label1[0]), Form1::kLightOrange);
}

// Successes out of all checks, times ten, rounded half to even.
void CheckTest::showMark_data()
{
    QTest::addColumn<qint16>("successes");
    QTest::addColumn<std::optional<qint32>>("failures");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint32>("mark");
    using F = std::optional<qint32>;
    QTest::newRow("1/3, 2.5 to 2") << qint16(1) << F(3) << "2,0/10" << 2;
    QTest::newRow("3/1, 7.5 to 8") << qint16(3) << F(1) << "8,0/10" << 8;
    QTest::newRow("2/1, 6.67 to 7") << qint16(2) << F(1) << "7,0/10" << 7;
    QTest::newRow("4/unset") << qint16(4) << F() << "10,0/10" << 10;
    QTest::newRow("0/0 changes nothing") << qint16(0) << F(0) << "before" << -1;
    QTest::newRow("0/unset changes nothing") << qint16(0) << F() << "before" << -1;
}

void CheckTest::showMark()
{
    QFETCH(qint16, successes);
    QFETCH(std::optional<qint32>, failures);
    QFETCH(QString, shown);
    QFETCH(qint32, mark);
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
