#pragma once

#include <QFrame>
#include <QLabel>
#include <QTimer>

#include <functional>

// The call-menu button: a thin rectangle with a small bar inside, which looks pressed while a mouse
// button is held on it. A click waits for the double-click interval, so that the menu it opens does not
// catch the second click of a double click; it reports where the click was (global), not where the pointer
// has gone meanwhile.
class BoutonAppelMenu : public QWidget {
public:
    explicit BoutonAppelMenu(QWidget* parent);
    bool estEnfoncé() const { return enfoncé_; }
    void cliquerMaintenant(); // what a click does once it is known not to start a double click

    std::function<void(const QPoint&)> clic;
    std::function<void()> doubleClic;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool enfoncé_ = false;
    bool aprèsDoubleClic_ = false;
    QPoint positionClic_;
    QTimer attenteClic_;
};

// A picture that reports which mouse button went down on it.
class ImageCliquable : public QLabel {
public:
    explicit ImageCliquable(QWidget* parent) : QLabel(parent) {}
    std::function<void(Qt::MouseButton)> boutonEnfoncé;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The title label: it sizes itself to its text and reports a click.
class TitreCliquable : public QLabel {
public:
    explicit TitreCliquable(QWidget* parent) : QLabel(parent) {}
    std::function<void()> clic;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// One cell of the colour palette; the chosen cell is the one without a border.
class CelluleCouleur : public QFrame {
public:
    CelluleCouleur(QWidget* parent, const QColor& couleur);
    QColor couleur() const { return couleur_; }
    bool aUneBordure() const { return frameShape() != QFrame::NoFrame; }
    void setBordure(bool bordure) { setFrameShape(bordure ? QFrame::Box : QFrame::NoFrame); }
    std::function<void()> clic;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor couleur_;
};
