#include "form1.h"
void Form1::Verifier_Click() {}
void Form1::ShowMark() {}
void Form1::PlaySoundFile(const QString&) {}
void Form1::OpenRewardGame() {}
