// frmAbout, the About window.
#pragma once

#include <QDialog>

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Loads and shows the window modelessly, or brings an open one to the front.
    static void ShowModeless();
    static frmAbout* instance();
};
