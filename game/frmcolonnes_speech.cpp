// frmColonnes: what a screen reader hears. The labels are stops of the Tab
// chain, each read with what it counts; the window tells how to start when it
// opens, and the score, the best score and the speed when they change (the
// speed by its own label when that has the focus).
#include "frmcolonnes.h"

#include "widgets/announcements.h"
#include "widgets/accessibility.h"

#include <QLabel>
#include <QTimer>

void frmColonnes::setUpSpeech()
{
    accessibility::nameAfterText(lblCarres, QStringLiteral("Carrés : "));
    accessibility::nameAfterText(lblBlocs, QStringLiteral("Blocs : "));
    accessibility::nameAfterText(lblScore, QStringLiteral("Score : "));
    accessibility::nameAfterText(lblMeilleur, QStringLiteral("Meilleur score : "));
    accessibility::nameAfterText(lblNom, QStringLiteral("Meilleur joueur : "));
    // Tab only: a click leaves the focus where it was. The game's keys are
    // taken by the window whichever label has the focus; Tab is not one.
    QList<QWidget*> chain{lblVitesse};
    for (QLabel* counter : lblStatCouleur)
        chain << counter;
    chain << lblCarres << lblBlocs << lblScore << lblMeilleur << lblNom;
    for (QWidget* w : chain)
        w->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

void frmColonnes::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    accessibility::announce(this, announcements::gameOpened());
}

void frmColonnes::speedChanged(int speed)
{
    // The speed's own label, when it has the focus, is read with its new text
    // as the menu gives the focus back to it: a notice would say it twice.
    if (focusWidget() == lblVitesse)
        return;
    accessibility::announce(this, announcements::speedChosen(speed));
}

void frmColonnes::scoreCaptionChanged(colonnes::Caption which)
{
    if (which == colonnes::Caption::Score)
        m_scoreToTell = true;
    else if (which == colonnes::Caption::Meilleur && m_opened)
        m_bestToTell = true;
    else
        return;
    // The score and the best score change together in one step of the game:
    // told once, when the step is over.
    QTimer::singleShot(0, this, [this] {
        if (!m_scoreToTell && !m_bestToTell)
            return;
        accessibility::announce(this, announcements::gameScore(lblScore->text(), m_bestToTell));
        m_scoreToTell = m_bestToTell = false;
    });
}
