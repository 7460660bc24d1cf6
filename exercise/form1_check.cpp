// Form1: the check of the answer, the score display, the sounds and the
// hand-over to the reward game at the tenth success.
#include "form1.h"

#include "app/topwindows.h"
#include "game/frmcolonnes.h"
#include "widgets/accessibility.h"
#include "platform/platform.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <numeric>

namespace {

// The sum of eight values added in ascending order. Added in the rows' own
// orders, the same eight decimals could differ in the last bit and a right
// answer would be refused; in one fixed order the same numbers always give
// the same sum, each step rounded to a double so that every machine gives it.
double orderedSum(std::array<double, 8> values)
{
    std::sort(values.begin(), values.end());
    return std::accumulate(values.begin(), values.end(), 0.0,
                           [](double sum, double v) { return roundedToDouble(sum + v); });
}

} // namespace

void Form1::Verifier_Click()
{
    ScoreState& score = state().score;
    cmdSort->setEnabled(true);

    bool filled = true;
    for (QLabel* slot : Label5) {
        if (slot->text().isEmpty())
            filled = false;
    }

    if (!filled) {
        platform::dialogs().message(this, QStringLiteral("Tu dois remplir toutes les cases !"),
                                    QStringLiteral("Attention !"),
                                    platform::MessageIcon::Information);
    } else {
        std::array<double, 8> answer{};
        std::array<double, 8> proposed{};
        for (int i = 0; i < 8; ++i) {
            answer[i] = CaptionValue(Label5[i]->text());
            proposed[i] = CaptionValue(Label1[i]->text());
        }

        if (orderedSum(proposed) != orderedSum(answer)) {
            platform::dialogs().message(this, QStringLiteral("OOPS, Quelque chose ne va pas !"),
                                        QStringLiteral("Attention !"),
                                        platform::MessageIcon::Warning);
        } else {
            // The direction is read now, not when the slots were filled.
            const bool ascending = Option1->isChecked();
            const bool descending = Option2->isChecked();
            qint16 errors = 0;
            for (int i = 0; i < 7; ++i) {
                if ((ascending && answer[i + 1] < answer[i])
                    || (descending && answer[i + 1] > answer[i]))
                    ++errors;
            }
            if (errors > 0) {
                platform::dialogs().message(this,
                                            QString::number(errors)
                                                + QStringLiteral(" Erreur(s)"),
                                            QStringLiteral("Erreur(s) !"),
                                            platform::MessageIcon::None);
            }

            if (errors == 0) {
                PlaySoundFile(QStringLiteral("gagner.wav"));
                Image1->show();
                ++score.Successes;
                for (int i = 0; i < 8; ++i) {
                    Label1[i]->setText(QStringLiteral("?"));
                    Label5[i]->setText(QString());
                }
                pickTile(-1);
                cmdSort->setEnabled(false);
                Generer->setEnabled(true);
                Verifier->setEnabled(false);
                Generer->setFocus();
                // A failure is told by its message box; a success only by a
                // face and a sound, so it is also said to a screen reader.
                accessibility::announce(this, QStringLiteral("Réussi ! Bravo !"));
            } else {
                PlaySoundFile(QStringLiteral("perdu.wav"));
                Image2->show();
                score.addFailure();
            }

            Label3[0]->setText(QString::number(score.Successes));
            Label3[1]->setText(score.Failures ? QString::number(*score.Failures) : QString());
            ShowMark();
        }
    }

    if (score.Successes == 10)
        OpenRewardGame();
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

void Form1::OpenRewardGame()
{
    frmColonnes* game = frmColonnes::Load();
    ScoreState& score = state().score;
    score.Successes = 0;
    score.Failures = 0;
    // Without a game window the exercise stays on the screen rather than
    // leaving the child with no window at all.
    if (!game)
        return;
    // Destroyed once the running handler has returned to the event loop.
    topwindows::closeAndDestroy(this);
    game->show();
}
