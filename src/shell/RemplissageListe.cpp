#include "RemplissageListe.h"

#include "PanneauListe.h"

#include <QListWidget>

RemplissageListe::RemplissageListe(PanneauListe& panneau)
    : liste_(*panneau.LB_Liste), peignait_(panneau.LB_Liste->updatesEnabled()) {
    liste_.setUpdatesEnabled(false);
}

RemplissageListe::~RemplissageListe() {
    liste_.setUpdatesEnabled(peignait_);
}
