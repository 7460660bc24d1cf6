// frmColonnes, the reward game window.
#pragma once

#include <QMainWindow>

class frmColonnes : public QMainWindow {
    Q_OBJECT
public:
    // Creates and loads the window (its opening steps run) without showing it.
    static frmColonnes* Load();
    static frmColonnes* instance();
};
