#include "frmcolonnes.h"
frmColonnes* frmColonnes::Load() { return nullptr; }
frmColonnes* frmColonnes::instance() { return nullptr; }
