// A label that works as a link: a left press and release over it, or Enter,
// Return or Space while it has the keyboard focus, report a click. It takes
// the focus from the Tab key only, so that a mouse click changes nothing
// else, shows the style's focus mark round its text while focused, and tells
// assistive technologies that it is a link, named by its text, that can be
// pressed.
#pragma once

#include <QLabel>

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    // What a click does: emits clicked(). Also the accessible press action.
    void activate();
    // Where the focus mark is drawn: round the text, the label's whole height,
    // and a few pixels beyond the label where the text reaches its edge.
    QRect focusMarkRect() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_pressed = false;
};
