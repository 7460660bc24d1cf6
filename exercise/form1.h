// Form1, the main window: the sorting exercise.
//
// The window's own state (the drawing bounds, the recorded size and the score)
// lives for the whole run in a static Form1::State; the window and its controls
// are built when it is loaded and destroyed when it is closed.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

#include "boardrow.h"
#include "clssort.h"
#include "levels.h"
#include "score.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

class Form1 : public QMainWindow, private SortComparer {
    Q_OBJECT

public:
    struct State {
        double RangeMin = 0;
        double RangeMax = 0;
        float OldWidth = 0;
        float OldHeight = 0;
        ScoreState score;
    };
    // The run's state of the window, kept while the window is closed.
    static State& state();
    // Back to the state of a new run (for tests).
    static void resetRunState();

    // Loads the window (builds it and runs its load handler) if it is not
    // loaded, and returns it; null when this copy was ended by the load.
    static Form1* Load();
    // Loads if needed and shows the window modelessly, centred the first time.
    static Form1* Show();
    // The loaded window, or null.
    static Form1* instance();

    ~Form1() override;

    // Controls, by the names the program gives them.
    QGroupBox* Frame6 = nullptr;
    std::array<QRadioButton*, 2> Option4{};
    QGroupBox* Frame3 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QPushButton* Generer = nullptr;
    QPushButton* Arreter = nullptr;   // "Arrêter"
    QPushButton* Verifier = nullptr;  // "Vérifier"
    QPushButton* cmdSort = nullptr;
    QGroupBox* Frame5 = nullptr;
    std::array<QRadioButton*, kLevelCount> Option3{}; // one per row of kLevels
    QGroupBox* Frame4 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    std::array<QLabel*, 2> Label3{};
    QLabel* Label4 = nullptr;
    BoardRow* Frame2 = nullptr;
    std::array<QLabel*, 8> Label5{};
    BoardRow* Frame1 = nullptr;
    std::array<QLabel*, 8> Label1{};
    QLabel* Label2 = nullptr;

    QMenu* Fichier = nullptr;
    QAction* mnAstuces = nullptr;
    QAction* Quitter = nullptr;
    QMenu* quoi = nullptr;
    QAction* apropos = nullptr;

    // The stops of the Tab chain, in order: an option group counts once, by
    // its selected option; disabled controls are left out.
    QList<QWidget*> tabStops() const;
    // The same places, whether their controls can take the focus now or not.
    QList<QWidget*> tabPlaces() const;

    // The controls in the window's control order, the order the scaling visits.
    QList<QWidget*> controlsInOrder() const;

    // Handlers.
    void Form_Load();
    void Form_Resize();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click(int index);
    void Option4_Click(int index);
    void Generer_Click();
    void Arreter_Click();
    void Quitter_Click();
    void mnAstuces_Click();
    void apropos_Click();

    // The answer board: a press on a tile starts a drag of it; a release over
    // a slot drops it there.
    void Label1_MouseDown(int index);
    void Label5_DragDrop(int index, QLabel* source);
    // The drop itself, without its notice.
    void placeTile(int index, QLabel* source);

    // Picking a tile and then a slot, for a child who cannot drag: Space on
    // the tile row picks its current tile and moves on to the slot row; Space
    // on the slot row drops the picked tile there and goes back to the tiles.
    void Frame1_Activated(int index);
    void Frame2_Activated(int index);
    // The picked tile, or -1. A click on a tile picks it (or lets it go), a
    // click on a slot drops it; a drop, a drawing, a success or the solution
    // lets it go.
    int picked() const { return pickedTile; }

    // The check, the score display and the sounds.
    void Verifier_Click();
    void ShowMark();
    void PlaySoundFile(const QString& fileName);
    void OpenRewardGame();

    // The solution.
    void cmdSort_Click();

    // Colours of the board.
    static const QColor kLightYellow;
    static const QColor kLightOrange;
    static const QColor kPink;
    static const QColor kLightGreen;

    void setBackground(QWidget* control, const QColor& colour);
    QColor background(const QWidget* control) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    explicit Form1(QWidget* parent = nullptr);
    void buildControls();
    void buildBoard(QWidget* client);
    void connectHandlers();

    // The check's verdicts and its score display.
    void checkSucceeded();
    void checkFailed();
    void showScore();
    void buildMenus();
    void setTabOrder();

    // The sort engine's callbacks, answered on the tiles' captions.
    void Compare(qint16 I, qint16 J, bool& IsGreater) override;
    void Swap(qint16 I, qint16 J) override;

    std::unique_ptr<clsSort> cSortUtil;
    QString swapHeld; // the first caption of a swap, until the second is written

    // The drag of the board in progress: its source tile and outline.
    QPointer<QLabel> dragSource;
    QWidget* dragOutline = nullptr;
    QPoint dragGrabOffset; // where the tile was taken, within the tile
    QPoint dragPressedAt;  // where the press was, in the window
    // Positions in the window: those of the events, never global ones, which
    // some desktops get wrong.
    void moveDragOutline(const QPoint& inWindow);
    void endDrag(const QPoint& inWindow, const QPointF& globalPos);
    int pickedTile = -1;
    void pickTile(int index);
    // Mouse events of the tiles while a drag may start, run or end; true when
    // the event was used.
    bool boardEvent(QObject* watched, QEvent* event);

    bool shownOnce = false;

    // What a screen reader hears (form1_speech.cpp).
    void announceScore();
    void noteTileColour(QWidget* control, const QColor& colour);
    // A tile dropped by keys, which takes the focus back at once: its new note
    // is heard then, with the drop.
    QLabel* tileTakingFocus = nullptr;
    void nameGroups();
};
