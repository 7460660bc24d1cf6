#include "handover.h"

#include "app/topwindows.h"
#include "exercise/form1.h"
#include "game/frmcolonnes.h"

namespace handover {

void toRewardGame(Form1* exercise)
{
    frmColonnes* game = frmColonnes::Load();
    ScoreState& score = Form1::state().score;
    score.Successes = 0;
    score.Failures = 0;
    if (!game)
        return;
    topwindows::closeAndDestroy(exercise);
    game->show();
}

void backToExercise(frmColonnes* game)
{
    Form1::Show();
    topwindows::closeAndDestroy(game);
}

} // namespace handover
