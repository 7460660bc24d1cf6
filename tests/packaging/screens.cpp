// montivant_screens FOLDER: the program as a child uses it, driven from inside
// through its windows' own handlers, with a picture of each window taken on
// the way for the guide for parents (scripts/screenshots runs it under Xvfb):
//   tip.png       the tip window at start-up;
//   main.png      the main window before the first drawing;
//   exercise.png  eight numbers drawn, three of them already placed;
//   success.png   after three right answers: the smiling face and the score;
//   game.png      the reward game, a few pieces into a game.
// The numbers and the pieces come from a fixed seed, so that the pictures
// only change when the windows do.
#include "app/application.h"
#include "app/module1.h"
#include "app/topwindows.h"
#include "exercise/form1.h"
#include "exercise/score.h"
#include "game/frmcolonnes.h"
#include "platform/platform.h"
#include "tests/reliability/rightorder.h"
#include "tips/frmtip.h"

#include <QApplication>
#include <QDir>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>

namespace {

class FixedRandom final : public platform::Random {
public:
    double next() override { return m_generator.generateDouble(); }
    void mixInClock() override {}

private:
    QRandomGenerator m_generator{20261207};
};

// The pictures are for reading, not for hearing.
class Silence final : public platform::Sound {
public:
    void play(const QString&) override {}
};

QString g_folder;

[[noreturn]] void fail(const char* why)
{
    std::fprintf(stderr, "montivant_screens: %s\n", why);
    std::_Exit(3);
}

void shoot(QWidget* window, const char* name)
{
    if (!window || !window->isVisible())
        fail(name);
    QImageWriter writer(QDir(g_folder).filePath(QString::fromLatin1(name)), "png");
    writer.setQuality(0); // the strongest compression
    if (!writer.write(window->grab().toImage()))
        fail(name);
    std::printf("%s\n", name);
}

void answer(Form1* form, int count)
{
    const std::array<int, 8> order = rightOrder(form);
    for (int i = 0; i < count; ++i)
        form->Label5_DragDrop(i, form->Label1[order[i]]);
}

void exercise()
{
    Form1* form = Form1::instance();
    if (!form)
        fail("no main window");
    shoot(form, "main.png");

    form->Generer_Click();
    answer(form, 3);
    shoot(form, "exercise.png");

    answer(form, 8);
    form->Verifier_Click();
    for (int i = 0; i < 2; ++i) {
        form->Generer_Click();
        answer(form, 8);
        form->Verifier_Click();
    }
    shoot(form, "success.png");

    // Seven more: the tenth success opens the game.
    for (int i = 0; i < 7; ++i) {
        form->Generer_Click();
        answer(form, 8);
        form->Verifier_Click();
    }
    QTimer::singleShot(0, [] {
        frmColonnes* game = frmColonnes::instance();
        if (!game)
            fail("no game window after ten successes");
        game->mnuNouveau_Click();
        using colonnes::GameField;
        // Nine pieces, one per column in turn from the left, each moved
        // once it has entered the well and dropped; then one falling.
        for (int piece = 0; piece < 9; ++piece) {
            game->tmrCase_Timer();
            for (int step = 0; step < 5; ++step)
                game->Form_KeyDown(GameField::kKeyLeft, 0);
            for (int step = 0; step < piece % 6; ++step)
                game->Form_KeyDown(GameField::kKeyRight, 0);
            game->Form_KeyDown(GameField::kKeySpace, 0);
        }
        for (int tick = 0; tick < 6; ++tick)
            game->tmrCase_Timer();
        shoot(game, "game.png");
        game->mnuQuitter_Click();
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        fail("usage: montivant_screens FOLDER");
    g_folder = QString::fromLocal8Bit(argv[1]);
    application::prepare();
    platform::installReal();
    static FixedRandom fixedRandom;
    static Silence silence;
    platform::Services services;
    services.random = &fixedRandom;
    services.sound = &silence;
    platform::install(services);

    // The tip window opens modally at start-up: its picture is taken, then it
    // is closed, as the child would close it.
    QTimer tipWatch;
    QObject::connect(&tipWatch, &QTimer::timeout, [&] {
        frmTip* tip = frmTip::instance();
        if (tip && tip->isVisible()) {
            tipWatch.stop();
            shoot(tip, "tip.png");
            tip->close();
        }
    });
    tipWatch.start(100);
    Module1::Main();
    tipWatch.stop();
    QTimer::singleShot(200, exercise);
    const int code = QApplication::exec();
    topwindows::destroyRemaining();
    return code;
}
