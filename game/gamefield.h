// The rules of the column game, apart from any widget: the well, the falling
// piece, its moves, the search for lines of three and the fall of the squares.
//
// A GameField draws and updates its captions through a FieldView, which the game
// window implements with its drawing area, its labels and its tick timer; a test
// implements it with a recorder and drives the field without a window.
#pragma once

#include <QRect>
#include <QString>
#include <QtGlobal>

#include <array>

namespace colonnes {

// A colour as 0x00BBGGRR (red in the low byte).
using Couleur = quint32;

inline constexpr Couleur kRouge = 0x000000FF;
inline constexpr Couleur kNoir = 0x00000000;
inline constexpr Couleur kVert = 0x0000FF00;
inline constexpr Couleur kBleu = 0x00FF0000;
inline constexpr Couleur kJaune = 0x0000FFFF;
inline constexpr Couleur kMagenta = 0x00FF00FF;
// An empty cell.
inline constexpr Couleur kBlanc = 0x00FFFFFF;
// The flash of removed squares.
inline constexpr Couleur kCyan = 0x00FFFF00;

// The piece colours by their number 1..6 (index 0 plays no part).
inline constexpr std::array<Couleur, 7> kCouleurs = {kNoir,  kRouge, kNoir,   kVert,
                                                     kBleu, kJaune, kMagenta};

inline constexpr int kColonnes = 6;
inline constexpr int kLignes = 18;
// A cell is 240 twips square; the well covers (0, 0) to (1440, 4320).
inline constexpr int kCase = 240;

// The captions that the field updates.
enum class Caption { StatCouleur, Blocs, Score, Carres, Meilleur, Nom };

class FieldView {
public:
    virtual ~FieldView() = default;
    // Fills a rectangle of the well, given in twips, outline and inside in one colour.
    virtual void fillRect(const QRect& twips, Couleur colour) = 0;
    // Shows what has been drawn at once, without waiting for the event loop.
    virtual void repaintNow() = 0;
    // Sets a caption; index is the control index (lblStatCouleur(0..5)), 0 otherwise.
    virtual void setCaption(Caption which, int index, const QString& text) = 0;
    // The tick timer: whether a game has given it an interval, and stopping and
    // restarting it (a restart runs a full interval anew).
    virtual bool timerHasInterval() = 0;
    virtual void stopTimer() = 0;
    virtual void startTimer() = 0;
};

class GameField {
public:
    explicit GameField(FieldView& view);

    // The well: columns 0..6, rows 0..18; column 0 and row 0 are a border that
    // holds 0 and is never written, so it always counts as occupied.
    std::array<std::array<Couleur, kLignes + 1>, kColonnes + 1> Grille{};
    // Cells that belong to a line of three in the current pass (1) or not (0).
    std::array<std::array<int, kLignes + 1>, kColonnes + 1> Marque{};
    // The falling piece: Bloc[1] bottom, Bloc[2] middle, Bloc[3] top, Bloc[4] white.
    std::array<Couleur, 5> Bloc{};
    // Squares generated per colour number 1..6 since the game began.
    std::array<qint32, 7> StatCouleur{};

    qint32 ScoreCourant = 0;
    qint32 NbCarres = 0;
    qint32 NbBlocs = 0;
    QString NomMeilleur;
    qint32 MeilleurScore = 0;
    // Column 1..6 of the piece, and row 0..18 of its bottom square (0: not in the well yet).
    qint32 XPos = 0;
    qint32 YPos = 0;
    bool Perdu = false;
    bool EnBas = false;

    static bool isEmpty(Couleur c) { return c == kBlanc; }

    // A new piece and its start column, from the platform's random source.
    void GenBloc();
    void GenXPos();
    // Stores the piece in the well and draws it, with a white cell just above it.
    void DessineBloc();
    // Clears the piece's cells in the well and on the screen.
    void DessineBlanc();

    bool TestEnBas() const;
    bool TestPerdu() const;

    // Key-down with a virtual-key code; acts only while the timer has an
    // interval and the game is not lost.
    void KeyDown(int keyCode);
    void Rotation();
    void Gauche();
    void Droite();
    void Descend();
    void Descente();

    // Finds the lines of three, scores and removes them with their flash, lets
    // the squares above fall, and repeats until nothing matches.
    void ChercheSol();
    // A pause of a little over 20 ms by the platform's millisecond counter,
    // during which no event is handled.
    void Attendre();

    // The reset of a new game: an empty well, counters at 0, the first piece
    // made and waiting above the well.
    void NouvellePartie();
    // One tick of a game that is not lost: settles a resting piece and brings
    // the next one, then lets the piece fall one row.
    void Tombe();
    // Paints the whole well white (the end of a game).
    void PeintBlanc();

    // Draws cell (c, r) of the well in a colour.
    void drawCell(int c, int r, Couleur colour);

    // Key codes.
    static constexpr int kKeyLeft = 37;
    static constexpr int kKeyUp = 38;
    static constexpr int kKeyRight = 39;
    static constexpr int kKeyDown = 40;
    static constexpr int kKeySpace = 32;
    static constexpr int kKeyQ = 81;
    static bool isGameKey(int code)
    {
        return code == kKeyLeft || code == kKeyUp || code == kKeyRight || code == kKeyDown
            || code == kKeySpace || code == kKeyQ;
    }

private:
    void setCaption(Caption which, int index, qint32 value);
    // One pass of the search: marks and scores the lines; true when some were found.
    bool markLines();
    FieldView& m_view;
};

} // namespace colonnes
