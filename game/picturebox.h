// A drawing area that keeps its picture: filled rectangles given in twips are
// drawn into an off-screen image, and every repaint shows that image, so what
// was drawn survives being covered and uncovered.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QRect>

class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Fills a rectangle given in twips from the top left of the inside of the
    // border, outline and inside in one colour.
    void fillTwips(const QRect& twips, const QColor& colour);
    // The colour of the picture at a point in twips, as drawn.
    QColor colourAt(int xTwips, int yTwips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ensureImage();
    QImage m_image;
};
