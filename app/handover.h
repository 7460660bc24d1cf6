// The hand-over between the exercise and the reward game: the one module that
// knows both windows, so that neither of them knows the other.
#pragma once

class Form1;
class frmColonnes;

namespace handover {

// At the tenth success: the game window is created and loaded, the score
// starts again from zero, the main window closes (destroyed once its running
// handler has returned) and the game is shown in its place. Without a game
// window the exercise stays on the screen rather than leaving the child with
// no window at all.
void toRewardGame(Form1* exercise);

// At the end of a game: the main window comes back, created afresh, and the
// game window closes (destroyed once its running handler has returned).
void backToExercise(frmColonnes* game);

} // namespace handover
