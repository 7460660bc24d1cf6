#include "frmabout.h"
void frmAbout::ShowModeless() {}
frmAbout* frmAbout::instance() { return nullptr; }
