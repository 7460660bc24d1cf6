#include "frmtip.h"
void frmTip::ShowModal() {}
void frmTip::ShowModeless() {}
frmTip* frmTip::instance() { return nullptr; }
