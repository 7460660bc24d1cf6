// frmTip, the tip-of-the-day window.
#pragma once

#include <QDialog>

class frmTip : public QDialog {
    Q_OBJECT
public:
    // At start-up: loads the window and, unless it closed itself while loading
    // (tips switched off), shows it modally with no owner until it is closed.
    static void ShowModal();
    // From the menu: loads and shows it modelessly, or brings an open window to
    // the front without reading the file again.
    static void ShowModeless();
    static frmTip* instance();
};
