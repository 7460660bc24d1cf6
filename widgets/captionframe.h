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

// A frame drawn as nothing at all, neither border nor caption: its caption is
// heard only. Screen readers read it once as the name of the options inside
// (Qt tells them that a group box's title labels its children), as they read
// the caption of a drawn frame.
class UnseenCaptionFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit UnseenCaptionFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override {}
};
