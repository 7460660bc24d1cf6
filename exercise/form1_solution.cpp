#include "form1.h"
void Form1::cmdSort_Click() {}
void Form1::Compare(qint16, qint16, bool&) {}
void Form1::Swap(qint16, qint16) {}
