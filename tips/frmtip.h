// frmTip, the tip-of-the-day window.
//
// The list of tips and the position of the tip on display belong to the run,
// not to the window on the screen: they live in a static frmTip::State that
// survives the window's closing, so that the next opening goes on from them.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QtGlobal>

class QCheckBox;
class QLabel;
class QPushButton;

class frmTip : public QDialog {
    Q_OBJECT
public:
    struct State {
        QStringList TipList; // 1-based for display
        qint32 TipIndex = 0; // the tip on display; 0 before the first
    };
    static State& state();
    // Back to the state of a new run (for tests).
    static void resetRunState();

    // At start-up: loads the window and, unless it closed itself while loading
    // (tips switched off), shows it modally with no owner until it is closed.
    static void ShowModal();
    // From the menu: loads and shows it modelessly, or brings an open window to
    // the front without reading the file again.
    static void ShowModeless();
    // Builds the window and runs its load handler, without showing it. Null
    // when the window closed itself while loading; an open window is returned
    // as it is.
    static frmTip* Load();
    static frmTip* instance();

    // The text shown when the tips file is missing.
    static QString missingFileText();

    ~frmTip() override;

    // Reads the tips file at sFile into TipList and shows the next tip; false
    // when there is no readable file at sFile.
    bool LoadTips(const QString& sFile);
    // Puts the tip at TipIndex into lblTipText.
    void DisplayCurrentTip();

    QPushButton* cmdOK = nullptr;
    QLabel* Picture1 = nullptr;
    QPushButton* cmdNextTip = nullptr;
    QCheckBox* chkLoadTipsAtStartup = nullptr;
    QLabel* lblTipText = nullptr;
    QLabel* Label1 = nullptr;

    void Form_Load();
    void cmdNextTip_Click();
    void cmdOK_Click();
    void chkLoadTipsAtStartup_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    frmTip();
    void AdvanceTip();
    bool m_closedWhileLoading = false;
};
