// A frame whose caption stands on its top line, with the children placed from
// the frame's outer corner, as the program's frames are laid out.
#pragma once

#include <QGroupBox>

class CaptionFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit CaptionFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
