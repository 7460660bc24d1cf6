// frmColonnes, the reward game window "Colonnes": its controls, menus, tick
// timer and best score. The rules of the game are in GameField (gamefield.h);
// the window draws, shows the captions and runs the timer for it.
#pragma once

#include "gamefield.h"

#include <QMainWindow>
#include <QString>
#include <array>

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QTimer;
class PictureBox;
class Shape;

class frmColonnes : public QMainWindow, private colonnes::FieldView {
    Q_OBJECT

public:
    // Creates and loads the window (its opening steps run) without showing it;
    // the caller then shows it. An open window is returned as it is.
    static frmColonnes* Load();
    // The open window, or null.
    static frmColonnes* instance();

    ~frmColonnes() override;

    // The state of the game and its rules.
    colonnes::GameField& field() { return m_field; }

    // The chosen speed number as text, and the tick interval for the next game.
    QString VitesseChoisie;
    qint32 Intervalle = 0;

    // Controls, by the names the program gives them.
    PictureBox* picZone = nullptr;
    QLabel* lblVitesse = nullptr;
    std::array<Shape*, 6> shpCarre{};
    std::array<QLabel*, 6> lblStatCouleur{};
    Shape* Shape2 = nullptr;
    std::array<QLabel*, 4> lbl{};
    QLabel* lblCarres = nullptr;
    QLabel* lblBlocs = nullptr;
    std::array<Shape*, 2> shpSeparation{};
    QLabel* lblScore = nullptr;
    QLabel* lblNom = nullptr;
    QLabel* lblMeilleur = nullptr;
    QTimer* tmrCase = nullptr;

    QMenu* mnuJeu = nullptr;
    QAction* mnuNouveau = nullptr;
    QAction* mnuSEP00 = nullptr;
    QAction* mnuQuitter = nullptr;
    QMenu* mnuVitesse = nullptr;
    std::array<QAction*, 6> mnuSpeed{}; // indexes 1..5

    // The interval of tmrCase in ms; 0 until a game has given it one, and then
    // the timer does not tick at all.
    int tmrCaseInterval() const { return m_tmrCaseInterval; }

    // Handlers.
    void Form_Load();
    void Form_KeyDown(int KeyCode, int Shift);
    void mnuNouveau_Click();
    void mnuQuitter_Click();
    void mnuSpeed_Click(int Index);
    void tmrCase_Timer();

    // The virtual-key code of a key event (37..40 arrows, 32 space, 65..90
    // letters, 48..57 digits), 0 for the other keys.
    static int virtualKeyCode(const QKeyEvent& event);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmColonnes();
    void buildMenus();
    void buildControls();
    void endOfGame();

    // FieldView
    void fillRect(const QRect& twips, colonnes::Couleur colour) override;
    void repaintNow() override;
    void setCaption(colonnes::Caption which, int index, const QString& text) override;
    bool timerHasInterval() override;
    void stopTimer() override;
    void startTimer() override;

    colonnes::GameField m_field;
    int m_tmrCaseInterval = 0;
    bool m_closed = false;

    // What a screen reader hears (frmcolonnes_speech.cpp): the labels by Tab,
    // and the changes of the speed, the score and the best score as notices.
    void setUpSpeech();
    void scoreCaptionChanged(colonnes::Caption which);
    void speedChanged(int speed);
    bool m_opened = false;
    bool m_scoreToTell = false;
    bool m_bestToTell = false;
};
