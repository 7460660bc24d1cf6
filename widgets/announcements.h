// What a screen reader is told as it happens, in the program's own French:
// the exercise's moves and score, and the reward game's. Only
// the words are here; the windows say when.
#pragma once

#include <QString>

namespace announcements {

// A tile picked from the keyboard, with its number as the tile shows it.
QString picked(const QString& number);
// A number put into slot `slot` (0 to 7), as the child counts: "case 1" first.
QString dropped(const QString& number, int slot);
// A new drawing of the eight numbers.
QString drawn();
// The score as its three labels show it: a label still empty is not read,
// the mark "8,0/10" is read "8,0 sur 10".
QString score(const QString& successes, const QString& failures, const QString& mark);
QString success();
// Where the solution is, and what it costs.
QString solution();
// The tenth success, said before the main window gives way to the game.
QString rewardComes();

// Said after a tile's number: used since the last drawing, or moved there by
// the solution; nothing for a tile not used yet.
enum class TileUse { Fresh, Used, Solution };
QString tileNote(TileUse use);

// The game window: how to start, a speed chosen, the score, the end.
QString gameOpened();
QString speedChosen(int speed);
// The score, and the best score when the game has just made it.
QString gameScore(const QString& score, bool best);
QString gameOver(const QString& score);

} // namespace announcements
