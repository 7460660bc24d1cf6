// Form1: the check of the answer, the score display, the sounds and the
// hand-over to the reward game at the tenth success.
#include "form1.h"

#include "widgets/announcements.h"
#include "app/handover.h"
#include "widgets/accessibility.h"
#include "platform/platform.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <numeric>

namespace {

using Values = std::array<double, 8>;

bool allFilled(const std::array<QLabel*, 8>& cells)
{
    return std::none_of(cells.begin(), cells.end(),
                        [](const QLabel* slot) { return slot->text().isEmpty(); });
}

Values valuesOf(const std::array<QLabel*, 8>& labels)
{
    Values values{};
    for (size_t i = 0; i < labels.size(); ++i)
        values[i] = CaptionValue(labels[i]->text());
    return values;
}

// The sum of eight values added in ascending order. Added in the rows' own
// orders, the same eight decimals could differ in the last bit and a right
// answer would be refused; in one fixed order the same numbers always give
// the same sum, each step rounded to a double so that every machine gives it.
double orderedSum(Values values)
{
    std::sort(values.begin(), values.end());
    return std::accumulate(values.begin(), values.end(), 0.0,
                           [](double sum, double v) { return roundedToDouble(sum + v); });
}

// Whether the slots hold the proposed numbers, as far as their sums tell.
bool sameNumbers(const Values& proposed, const Values& answer)
{
    return orderedSum(proposed) == orderedSum(answer);
}

// The neighbouring pairs out of the chosen order; equal neighbours never are.
qint16 orderErrors(const Values& answer, bool ascending, bool descending)
{
    qint16 errors = 0;
    for (size_t i = 0; i + 1 < answer.size(); ++i) {
        if ((ascending && answer[i + 1] < answer[i]) || (descending && answer[i + 1] > answer[i]))
            ++errors;
    }
    return errors;
}

} // namespace

void Form1::Verifier_Click()
{
    cmdSort->setEnabled(true);
    const QString attention = QStringLiteral("Attention !");
    if (!allFilled(Label5)) {
        platform::dialogs().message(this, QStringLiteral("Tu dois remplir toutes les cases !"),
                                    attention, platform::MessageIcon::Information);
    } else {
        const Values answer = valuesOf(Label5);
        const Values proposed = valuesOf(Label1);
        if (!sameNumbers(proposed, answer)) {
            platform::dialogs().message(this, QStringLiteral("OOPS, Quelque chose ne va pas !"),
                                        attention, platform::MessageIcon::Warning);
        } else {
            // The direction is read now, not when the slots were filled.
            const qint16 errors = orderErrors(answer, Option1->isChecked(), Option2->isChecked());
            if (errors > 0)
                platform::dialogs().message(this, QString::number(errors)
                                                + QStringLiteral(" Erreur(s)"),
                                            QStringLiteral("Erreur(s) !"),
                                            platform::MessageIcon::None);
            if (errors == 0)
                checkSucceeded();
            else
                checkFailed();
            showScore();
            announceScore();
        }
    }
    if (state().score.Successes == 10)
        OpenRewardGame();
}

void Form1::checkSucceeded()
{
    PlaySoundFile(QStringLiteral("gagner.wav"));
    Image1->show();
    ++state().score.Successes;
    for (int i = 0; i < 8; ++i) {
        Label1[i]->setText(QStringLiteral("?"));
        Label5[i]->setText(QString());
    }
    pickTile(-1);
    cmdSort->setEnabled(false);
    Generer->setEnabled(true);
    Verifier->setEnabled(false);
    Generer->setFocus();
    // A failure is told by its message box; a success only by a face and a
    // sound, so it is also said to a screen reader.
    accessibility::announce(this, announcements::success());
}

void Form1::checkFailed()
{
    PlaySoundFile(QStringLiteral("perdu.wav"));
    Image2->show();
    state().score.addFailure();
}

void Form1::showScore()
{
    const ScoreState& score = state().score;
    Label3[0]->setText(QString::number(score.Successes));
    Label3[1]->setText(score.Failures ? QString::number(*score.Failures) : QString());
    ShowMark();
}

void Form1::ShowMark()
{
    ScoreState& score = state().score;
    const std::optional<qint32> mark = markOutOfTen(score.Successes, score.failuresOrZero());
    if (!mark)
        return;
    score.Mark = *mark;
    Label4->setText(formatMark(score.Mark, platform::environment().decimalSeparator()));
}

void Form1::PlaySoundFile(const QString& fileName)
{
    // The sound files lie in the program's folder. A name given with a
    // leading separator ("\gagner.wav") is taken as the bare file name: glued
    // to the folder as it stands it would name a file beside the folder.
    QString name = fileName;
    while (name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    platform::sound().play(platform::joinPath(platform::environment().programFolder(), name));
}

void Form1::OpenRewardGame() { handover::toRewardGame(this); }
