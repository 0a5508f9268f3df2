#pragma once

#include "IconSet.h"

#include "platform/widgets/FenetreDuProgramme.h"

#include <QDialog>

#include <array>

// The icon chooser: a small borderless panel showing the 36 pictures of the icon set. One click on a
// picture chooses it and closes; a click beside the pictures or Escape closes without choosing.
class Icones : public QDialog, public FenetreDuProgramme {
    Q_OBJECT
public:
    // Loading the chooser forgets any earlier choice: Icône_Choisie becomes -1. The caller sets it to
    // the memo's icon before showing the chooser, and reads it back after.
    explicit Icones(qint16& Icône_Choisie, QWidget* parent = nullptr, const BitmapResources& bitmaps = {});

    void définirFond(const QColor& couleur);
    void placer(int gaucheTwips, int hautTwips); // on the screen

    // What the cell of picture n shows.
    QPixmap image(int numéro) const;
    // The picture under a point of the panel (pixels), or -1 beside the pictures.
    int icôneSous(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    static constexpr int AUCUN_APPUI = -2;

    qint16& icôneChoisie_;
    std::array<QPixmap, NOMBRE_ICÔNES> images_;
    int appui_ = AUCUN_APPUI; // what the button went down on: a picture, or -1 for the panel
};

using Icônes = Icones;
