#include "form1.h"
void Form1::Label1_MouseDown(int) {}
void Form1::Label5_DragDrop(int, QLabel*) {}
void Form1::moveDragOutline(const QPoint&) {}
void Form1::endDrag(const QPoint&) {}
bool Form1::boardEvent(QObject*, QEvent*) { return false; }
