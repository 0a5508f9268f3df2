#pragma once

class PanneauListe;
class QWidget;

// While it lives, the memo list is emptied and filled again without working out, at each line, which part
// of it to paint again: a shown list of a thousand memos took half a minute to fill again that way, against
// a tenth of a second while hidden. The list is painted once, whole, when the filling ends.
class RemplissageListe {
public:
    explicit RemplissageListe(PanneauListe& panneau);
    ~RemplissageListe();
    RemplissageListe(const RemplissageListe&) = delete;
    RemplissageListe& operator=(const RemplissageListe&) = delete;

private:
    QWidget& liste_;
    bool peignait_;
};
