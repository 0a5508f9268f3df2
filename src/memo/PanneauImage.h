#pragma once

#include <QFrame>
#include <QImage>

class QLabel;
class QScrollArea;

// The picture panel of a memo window (FR_Image): the memo's picture at its own size on black, which
// scrolls when the window cannot be as large as the picture. The window places the panel: it fills the
// window below the panels' top.
class PanneauImage : public QFrame {
public:
    explicit PanneauImage(QWidget* parent);

    QImage image() const { return image_; }
    void setImage(const QImage& image);

    // Pixels: the room the picture needs in the panel, from the panel's top left corner: the picture,
    // or the design place of Image2 when there is none, with Image2's place in the panel.
    QSize placeNécessaire() const;

    QLabel* Image2 = nullptr;
    QScrollArea* défilement = nullptr; // what shows of Image2

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
};
