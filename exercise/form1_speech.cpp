// Form1: what a screen reader hears besides the controls' names: the score
// after each scoring event, the state of each tile, the names of the option
// groups. The words themselves are in widgets/announcements.h.
#include "form1.h"

#include "widgets/announcements.h"
#include "widgets/accessibility.h"

#include <QGroupBox>
#include <QLabel>

void Form1::announceScore()
{
    accessibility::announce(this, announcements::score(Label3[0]->text(), Label3[1]->text(),
                                                       Label4->text()));
}

void Form1::noteTileColour(QWidget* control, const QColor& colour)
{
    // The twin of the tile's colour: light orange once used, pink for the
    // solution, light yellow again at the next drawing.
    for (QLabel* tile : Label1) {
        if (tile != control)
            continue;
        using announcements::TileUse;
        const TileUse use = colour == kLightOrange ? TileUse::Used
                          : colour == kPink        ? TileUse::Solution
                                                   : TileUse::Fresh;
        accessibility::setNameNote(tile, announcements::tileNote(use), tile != tileTakingFocus);
    }
}

void Form1::nameGroups()
{
    accessibility::nameGroup(Frame3, Frame3->title());
    accessibility::nameGroup(Frame5, Frame5->title());
    // The kind group shows no caption; its caption is heard only.
    Frame6->setTitle(QStringLiteral("Sorte de nombres"));
    accessibility::nameGroup(Frame6, Frame6->title());
}
