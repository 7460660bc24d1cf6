// montivant_drive: the program itself (its real platform: settings file, lock
// file, sounds, dialogs) driven from inside as a child would use it, for the
// reliability checks that need whole runs rather than a test's fakes.
//
//   montivant_drive play [NAME_LENGTH]   start as the program does, close the tip
//       window if it shows, win ten exercises, play the game to its end (giving
//       a name of NAME_LENGTH characters if a best score is asked for), then
//       quit from the main window that comes back.
//   montivant_drive handovers N          N times: ten exercises, three pieces of
//       the game and Q to end it, back to the exercise; then quit.
//   montivant_drive save SECTION KEY TEXT   SaveSetting, print "saved PID"
//       (its own process id, for the caller to kill), then wait to be killed.
//   montivant_drive read SECTION KEY     print the stored text or "<absent>".
//
// Every modal box is answered as a user would (OK, or the name typed). What
// happened is printed one fact a line, for the calling script to check.
#include "app/application.h"
#include "app/module1.h"
#include "app/topwindows.h"
#include "app/settings.h"
#include "exercise/form1.h"
#include "exercise/score.h"
#include "game/frmcolonnes.h"
#include "platform/platform.h"
#include "tests/reliability/rightorder.h"
#include "tips/frmtip.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <thread>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "montivant_drive: %s\n", why.toUtf8().constData());
    std::_Exit(3);
}

// Answers modal boxes and closes the start-up tip window, every few ms.
struct Answerer {
    QString name;
    int namesAsked = 0;
    int messages = 0;
    bool tipSeen = false;
    QTimer timer;

    void start()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { look(); });
        timer.start();
    }
    void look()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            ++namesAsked;
            input->setTextValue(name);
            input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ++messages;
            say(QStringLiteral("message: ") + box->text());
            box->accept();
        } else if (frmTip* tip = frmTip::instance(); tip && tip->isVisible()) {
            tipSeen = true;
            tip->close();
        }
    }
};

Answerer* answerer = nullptr;

// Puts the eight tiles into the slots in the asked order and checks.
void solveOnce(Form1* form)
{
    form->Generer_Click();
    const std::array<int, 8> order = rightOrder(form);
    for (int i = 0; i < 8; ++i)
        form->Label5_DragDrop(i, form->Label1[order[i]]);
    form->Verifier_Click();
}

// One round: ten successes hand over to the game; the game is played to its
// end, which brings a fresh main window back. Calls done() then.
class Round : public QObject {
public:
    // A quick round drops three pieces and then ends the game with Q; a full
    // one plays until the well is full.
    Round(bool quick, std::function<void()> done) : m_quick(quick), m_done(std::move(done))
    {
        QTimer::singleShot(0, this, [this] { exercise(); });
    }

private:
    void exercise()
    {
        Form1* form = Form1::instance();
        if (!form || !form->isVisible())
            fail(QStringLiteral("no main window to play in"));
        const int before = answerer->messages;
        for (int i = 0; i < 10 && Form1::instance() == form; ++i)
            solveOnce(form);
        if (answerer->messages != before)
            fail(QStringLiteral("a right answer was refused"));
        QTimer::singleShot(0, this, [this] { startGame(); });
    }

    void startGame()
    {
        m_game = frmColonnes::instance();
        if (!m_game || !m_game->isVisible())
            fail(QStringLiteral("the tenth success opened no game window"));
        say(QStringLiteral("game window opened"));
        m_game->mnuSpeed_Click(5);
        m_game->mnuNouveau_Click();
        m_steps = 0;
        m_lastPiece = -1;
        m_uniformPieces = 0;
        step();
    }

    // A drop and a tick, each from the event loop, until the game is over.
    void step()
    {
        if (!m_game) {
            QTimer::singleShot(0, this, [this] { back(); });
            return;
        }
        if (++m_steps > 20000)
            fail(QStringLiteral("the game does not end"));
        m_score = m_game->field().ScoreCourant;
        m_best = m_game->field().MeilleurScore;
        // The first twelve pieces in one colour each: they vanish on landing,
        // and each scores a line, so the game passes the default best score
        // of a fresh store (10) and the name is asked for.
        auto& field = m_game->field();
        if (field.NbBlocs != m_lastPiece) {
            m_lastPiece = field.NbBlocs;
            if (!m_quick && m_uniformPieces < 12) {
                ++m_uniformPieces;
                field.Bloc[2] = field.Bloc[3] = field.Bloc[1];
            }
        }
        const bool stop = m_quick && field.NbBlocs > 3;
        m_game->Form_KeyDown(stop ? colonnes::GameField::kKeyQ : colonnes::GameField::kKeySpace, 0);
        if (m_game)
            m_game->tmrCase_Timer();
        QTimer::singleShot(0, this, [this] { step(); });
    }

    void back()
    {
        Form1* form = Form1::instance();
        if (!form || !form->isVisible())
            fail(QStringLiteral("no main window after the game"));
        say(QStringLiteral("game over: score %1").arg(m_score));
        m_done();
    }

    bool m_quick;
    std::function<void()> m_done;
    QPointer<frmColonnes> m_game;
    int m_steps = 0;
    qint32 m_lastPiece = -1;
    int m_uniformPieces = 0;
    qint32 m_score = 0;
    qint32 m_best = 0;
};

int finish(int code)
{
    // As the program's entry does: windows still up after a quit are destroyed.
    topwindows::destroyRemaining();
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList args = [&] {
        QStringList a;
        for (int i = 1; i < argc; ++i)
            a << QString::fromLocal8Bit(argv[i]);
        return a;
    }();
    const QString mode = args.value(0);

    // The settings medium needs the executable's name: the program's own, so
    // that the store is the one the program reads.
    QApplication app(argc, argv);
    // Qt prepared as the program prepares it (its style, fonts and texts).
    application::prepare();
    platform::installReal();

    if (mode == QLatin1String("save") && args.size() == 4) {
        settings::SaveSetting(args[1], args[2], args[3]);
        say(QStringLiteral("saved %1").arg(QCoreApplication::applicationPid()));
        for (;;)
            std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    if (mode == QLatin1String("read") && args.size() == 3) {
        say(settings::GetSetting(args[1], args[2], QStringLiteral("<absent>")));
        return 0;
    }

    int rounds = 0;
    Answerer answers;
    answerer = &answers;
    answers.name = QStringLiteral("Léa");
    if (mode == QLatin1String("play")) {
        rounds = 1;
        if (args.size() > 1) {
            const int length = args[1].toInt();
            QString name;
            while (name.size() < length)
                name += QStringLiteral("Léa Zoé ");
            // Exactly that many characters, ending with one that no trimming removes.
            answers.name = name.left(std::max(0, length - 1)) + QStringLiteral("!");
        }
    } else if (mode == QLatin1String("handovers") && args.size() == 2) {
        rounds = args[1].toInt();
    } else {
        std::fprintf(stderr, "usage: montivant_drive play [NAME_LENGTH] | handovers N | "
                             "save SECTION KEY TEXT | read SECTION KEY\n");
        return 2;
    }

    answers.start();
    Module1::Main();
    if (!Form1::instance())
        fail(QStringLiteral("no main window after the start-up"));
    say(QStringLiteral("tips window shown: %1").arg(answers.tipSeen ? 1 : 0));
    say(QStringLiteral("best score on the store: %1 by \"%2\"")
            .arg(settings::GetSetting(settings::kBestScore, settings::kScore, QStringLiteral("")),
                 settings::GetSetting(settings::kBestScore, settings::kName, QStringLiteral("")).left(40)));

    int done = 0;
    std::function<void()> next;
    Round* current = nullptr;
    next = [&] {
        if (current)
            current->deleteLater();
        if (done == rounds) {
            say(QStringLiteral("names asked: %1").arg(answers.namesAsked));
            say(QStringLiteral("rounds: %1").arg(done));
            Form1::instance()->Quitter_Click();
            return;
        }
        ++done;
        current = new Round(mode == QLatin1String("handovers"), [&] { next(); });
    };
    QTimer::singleShot(0, [&] {
        current = nullptr;
        next();
    });
    const int code = QApplication::exec();
    answers.timer.stop();
    say(QStringLiteral("ended: %1").arg(code));
    return finish(code);
}
