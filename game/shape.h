// A static shape drawn on a window: a filled square or bar, or an outline frame
// with rounded corners. It takes no input.
#pragma once

#include <QColor>
#include <QWidget>

class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Filled, RoundedOutline };
    Shape(Kind kind, const QColor& fill, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    QColor m_fill;
};
