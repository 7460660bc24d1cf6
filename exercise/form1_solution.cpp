// Form1: the solution. The window sorts the tiles' captions themselves by
// answering the sort engine's comparisons and exchanges; seeing the solution
// counts as a failure.
#include "form1.h"

#include "widgets/announcements.h"
#include "widgets/accessibility.h"
#include "platform/platform.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

void Form1::cmdSort_Click()
{
    cmdSort->setEnabled(false);
    Verifier->setEnabled(false);
    Generer->setEnabled(true);
    // Disabling the focused button and then Vérifier hands the focus down the
    // tab order to Quitter, where the next Enter would end the program. The
    // focus goes to the one button the child needs next, as after a success.
    Generer->setFocus();
    for (QLabel* tile : Label1)
        setBackground(tile, kPink);
    // The numbers move: a picked tile would now hold another number.
    pickTile(-1);

    SortComparer& owner = *this;
    cSortUtil = std::make_unique<clsSort>(owner);
    cSortUtil->Sort(qint16(Label1.size()));

    Image2->show();
    PlaySoundFile(QStringLiteral("perdu.wav"));
    ScoreState& score = state().score;
    score.addFailure();
    ShowMark();
    Label3[1]->setText(QString::number(score.failuresOrZero()));
    accessibility::announce(this, announcements::solution());
    announceScore();
}

// Item k of the sort is the tile Label1(k - 1).
void Form1::Compare(qint16 I, qint16 J, bool& IsGreater)
{
    const double vJ = CaptionValue(Label1[J - 1]->text());
    const double vI = CaptionValue(Label1[I - 1]->text());
    IsGreater = vI > vJ;
    // Descending: equal neighbours are exchanged as well.
    if (Option2->isChecked())
        IsGreater = !IsGreater;
}

// Only the captions move; the colours stay where they are.
void Form1::Swap(qint16 I, qint16 J)
{
    swapHeld = Label1[I - 1]->text();
    Label1[I - 1]->setText(Label1[J - 1]->text());
    Label1[J - 1]->setText(swapHeld);
}
