#include "gamefield.h"

#include "exercise/score.h"
#include "platform/platform.h"

#include <algorithm>
#include <cmath>

namespace colonnes {
namespace {

// The four directions of a line of three, in the order in which the search tests
// them. Each line is counted once, at its anchor: the lowest cell of a vertical
// or diagonal line, the leftmost cell of a horizontal one. A direction applies
// where its third cell still lies in the well.
struct Direction {
    int dc;
    int dr;
};
constexpr std::array<Direction, 4> kDirections = {{
    {-1, -1}, // diagonal up and to the left
    {0, -1},  // vertical, upwards
    {+1, -1}, // diagonal up and to the right
    {+1, 0},  // horizontal, to the right
}};

bool inWell(int c, int r) { return c >= 1 && c <= kColonnes && r >= 1 && r <= kLignes; }

// A draw of ⌊n·u⌋ + 1 with u in [0, 1), kept within 1..n whatever the source gives.
int drawOneTo(int n)
{
    const double u = platform::random().next();
    const int k = int(std::floor(roundedToDouble(n * u))) + 1;
    return std::clamp(k, 1, n);
}

} // namespace

GameField::GameField(FieldView& view) : m_view(view)
{
    // The border keeps the 0 it starts with; the playing cells start empty.
    for (int c = 1; c <= kColonnes; ++c)
        for (int r = 1; r <= kLignes; ++r)
            Grille[c][r] = kBlanc;
    Bloc[4] = kBlanc;
}

void GameField::setCaption(Caption which, int index, qint32 value)
{
    m_view.setCaption(which, index, QString::number(value));
}

void GameField::drawCell(int c, int r, Couleur colour)
{
    m_view.fillRect(QRect((c - 1) * kCase, (r - 1) * kCase, kCase, kCase), colour);
}

void GameField::GenBloc()
{
    for (int i = 1; i <= 3; ++i) {
        const int k = drawOneTo(6);
        Bloc[i] = kCouleurs[k];
        ++StatCouleur[k];
        setCaption(Caption::StatCouleur, k - 1, StatCouleur[k]);
    }
    ++NbBlocs;
    setCaption(Caption::Blocs, 0, NbBlocs);
    Bloc[4] = kBlanc;
}

void GameField::GenXPos()
{
    // Five start columns: column 6 is reached only by moving right.
    XPos = drawOneTo(5);
}

void GameField::DessineBlanc()
{
    for (int i = 1; i <= 3; ++i) {
        if (YPos - i >= 0) {
            const int r = YPos + 1 - i;
            Grille[XPos][r] = kBlanc;
            drawCell(XPos, r, kBlanc);
        }
    }
}

void GameField::DessineBloc()
{
    // The fourth, white cell erases the square that the piece has just left
    // when it falls by one row.
    for (int i = 1; i <= 4; ++i) {
        if (YPos - i >= 0) {
            const int r = YPos + 1 - i;
            Grille[XPos][r] = Bloc[i];
            drawCell(XPos, r, Bloc[i]);
        }
    }
}

bool GameField::TestEnBas() const
{
    // Row 18 is tested first: there is no row 19 to read.
    if (YPos >= kLignes)
        return true;
    return !isEmpty(Grille[XPos][YPos + 1]);
}

bool GameField::TestPerdu() const { return YPos < 3; }

void GameField::KeyDown(int keyCode)
{
    if (!m_view.timerHasInterval() || Perdu)
        return;
    if (keyCode == kKeyUp)
        Rotation();
    if (keyCode == kKeyLeft)
        Gauche();
    if (keyCode == kKeyRight)
        Droite();
    if (keyCode == kKeyDown)
        Descend();
    if (keyCode == kKeySpace)
        Descente();
    if (keyCode == kKeyQ)
        Perdu = true;
}

void GameField::Rotation()
{
    const Couleur bottom = Bloc[1];
    Bloc[1] = Bloc[2];
    Bloc[2] = Bloc[3];
    Bloc[3] = bottom;
    Bloc[4] = kBlanc;
    DessineBloc();
}

void GameField::Gauche()
{
    if (XPos < 2)
        return;
    // The cell beside the bottom square decides: the settled squares of a column
    // are contiguous from the bottom, so the cells above it are empty too. In
    // row 0 it is the border, so a piece moves sideways only once in the well.
    if (isEmpty(Grille[XPos - 1][YPos])) {
        DessineBlanc();
        --XPos;
        DessineBloc();
        EnBas = TestEnBas();
    }
}

void GameField::Droite()
{
    if (XPos > 5)
        return;
    if (isEmpty(Grille[XPos + 1][YPos])) {
        DessineBlanc();
        ++XPos;
        DessineBloc();
        EnBas = TestEnBas();
    }
}

void GameField::Descend()
{
    if (EnBas || YPos >= kLignes)
        return;
    DessineBlanc();
    ++YPos;
    DessineBloc();
    EnBas = TestEnBas();
}

void GameField::Descente()
{
    if (EnBas)
        return;
    // The lowest empty cell of the column, just above its settled squares.
    int r = kLignes;
    while (r >= 1 && !isEmpty(Grille[XPos][r]))
        --r;
    if (r < 1)
        return; // a full column: nowhere to drop to
    DessineBlanc();
    YPos = r;
    DessineBloc();
    EnBas = true;
}

bool GameField::markLines()
{
    const qint32 s0 = ScoreCourant;
    for (int c = 1; c <= kColonnes; ++c)
        for (int r = 1; r <= kLignes; ++r)
            Marque[c][r] = 0;
    // Grille is only read here, so the result does not depend on the scan order.
    for (int c = 1; c <= kColonnes; ++c) {
        for (int r = 1; r <= kLignes; ++r) {
            const Couleur v = Grille[c][r];
            if (isEmpty(v))
                continue;
            for (const Direction& d : kDirections) {
                const int c2 = c + 2 * d.dc;
                const int r2 = r + 2 * d.dr;
                if (!inWell(c2, r2))
                    continue;
                if (Grille[c + d.dc][r + d.dr] == v && Grille[c2][r2] == v) {
                    Marque[c][r] = 1;
                    Marque[c + d.dc][r + d.dr] = 1;
                    Marque[c2][r2] = 1;
                    ++ScoreCourant;
                }
            }
        }
    }
    return ScoreCourant != s0;
}

void GameField::ChercheSol()
{
    m_view.stopTimer();
    while (markLines()) {
        setCaption(Caption::Score, 0, ScoreCourant);
        if (ScoreCourant > MeilleurScore) {
            setCaption(Caption::Meilleur, 0, ScoreCourant);
            m_view.setCaption(Caption::Nom, 0, QStringLiteral("???"));
        }
        for (int c = 1; c <= kColonnes; ++c) {
            for (int r = 1; r <= kLignes; ++r) {
                if (Marque[c][r] == 1) {
                    Grille[c][r] = kBlanc;
                    ++NbCarres;
                }
            }
        }
        setCaption(Caption::Carres, 0, NbCarres);

        // No events are handled during the flash: each phase is shown by a
        // repaint of its own.
        for (int flash = 0; flash < 8; ++flash) {
            for (const Couleur colour : {kCyan, kBlanc}) {
                for (int c = 1; c <= kColonnes; ++c)
                    for (int r = 1; r <= kLignes; ++r)
                        if (Marque[c][r] == 1)
                            drawCell(c, r, colour);
                m_view.repaintNow();
                Attendre();
            }
        }

        // The squares of each column close up at the bottom, keeping their order.
        for (int c = 1; c <= kColonnes; ++c) {
            int d = kLignes;
            for (int r = kLignes; r >= 1; --r) {
                if (!isEmpty(Grille[c][r])) {
                    Grille[c][d] = Grille[c][r];
                    if (r != d)
                        Grille[c][r] = kBlanc;
                    --d;
                }
            }
            for (int r = 1; r <= kLignes; ++r)
                drawCell(c, r, Grille[c][r]);
        }
    }
    m_view.startTimer();
}

void GameField::Attendre()
{
    // The counter is monotonic: it never wraps, so the difference is enough.
    // The thread sleeps rather than spinning; no event is handled either way,
    // and the counter is read again after each sleep, so that a sleep that ends
    // early still makes the wait last until the counter exceeds t0 + 20.
    platform::Clock& clock = platform::clock();
    const qint64 t0 = clock.milliseconds();
    for (qint64 now = clock.milliseconds(); now <= t0 + 20; now = clock.milliseconds())
        clock.sleep(t0 + 21 - now);
}

void GameField::NouvellePartie()
{
    for (int c = 1; c <= kColonnes; ++c) {
        for (int r = 1; r <= kLignes; ++r) {
            Grille[c][r] = kBlanc;
            drawCell(c, r, kBlanc);
        }
        StatCouleur[c] = 0;
        m_view.setCaption(Caption::StatCouleur, c - 1, QStringLiteral("0"));
    }
    NbBlocs = 0;
    ScoreCourant = 0;
    NbCarres = 0;
    m_view.setCaption(Caption::Carres, 0, QStringLiteral("0"));
    m_view.setCaption(Caption::Blocs, 0, QStringLiteral("0"));
    m_view.setCaption(Caption::Score, 0, QStringLiteral("0"));
    Perdu = false;
    EnBas = false;
    GenBloc();
    GenXPos();
    YPos = 0;
}

void GameField::Tombe()
{
    if (EnBas) {
        ChercheSol();
        GenBloc();
        GenXPos();
        YPos = 0;
    }
    ++YPos;
    DessineBloc();
    EnBas = TestEnBas();
    // Only a landing during a tick is tested: one through a key is settled as it is.
    if (EnBas)
        Perdu = TestPerdu();
}

void GameField::PeintBlanc()
{
    m_view.fillRect(QRect(0, 0, kColonnes * kCase, kLignes * kCase), kBlanc);
}

} // namespace colonnes
