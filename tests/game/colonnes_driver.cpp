// A small program that opens the game window alone on the real platform, to
// look at it and play it by hand or with xdotool under Xvfb.
//
// COLONNES_PIECES="RGB2,RBG2,RYM5" gives the first pieces: their colours from
// bottom to top (R K G B Y M) and their start column; the real random source
// takes over after them. The window's position and the well's place on the
// screen are printed, so that a script knows where to look.
#include "app/application.h"
#include "game/frmcolonnes.h"
#include "game/picturebox.h"
#include "platform/platform.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <deque>

namespace {

class ScriptedRandom : public platform::Random {
public:
    explicit ScriptedRandom(platform::Random& real) : m_real(real)
    {
        const QString script = qEnvironmentVariable("COLONNES_PIECES");
        for (const QString& piece : script.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (piece.size() != 4)
                continue;
            for (int i = 0; i < 3; ++i)
                m_queued.push_back((QStringLiteral("RKGBYM").indexOf(piece[i]) + 0.5) / 6.0);
            m_queued.push_back((piece[3].digitValue() - 1 + 0.5) / 5.0);
        }
    }
    double next() override
    {
        if (m_queued.empty())
            return m_real.next();
        const double v = m_queued.front();
        m_queued.pop_front();
        return v;
    }
    void mixInClock() override { m_real.mixInClock(); }

private:
    platform::Random& m_real;
    std::deque<double> m_queued;
};

// The driver runs beside any copy of the program already running for this
// user: the main window that the end of a game opens must not end it.
class AloneCopy : public platform::SingleCopy {
public:
    bool anotherCopyRunning() override { return false; }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Qt prepared as the program prepares it (its style, fonts and texts).
    application::prepare();
    platform::installReal();
    ScriptedRandom random(platform::random());
    AloneCopy alone;
    platform::Services s;
    s.random = &random;
    s.singleCopy = &alone;
    platform::install(s);

    frmColonnes* w = frmColonnes::Load();
    w->show();
    QTimer::singleShot(300, w, [w] {
        const QPoint well = w->picZone->mapToGlobal(w->picZone->contentsRect().topLeft());
        std::printf("window %d %d %d %d well %d %d\n", w->x(), w->y(), w->width(), w->height(),
                    well.x(), well.y());
        std::fflush(stdout);
    });
    return QApplication::exec();
}
