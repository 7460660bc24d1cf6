// A push button whose caption wraps over several lines when it is wider than
// the button, as captions such as "&Générer les nombres" need.
#pragma once

#include <QPushButton>

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
