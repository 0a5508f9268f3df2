#pragma once

#include <QList>
#include <QString>

#include <functional>

class Platform;
class QAction;
class QMenu;
class QWidget;

// The menu array Mnu_Lancer at the foot of the tray menu: element 0 is a hidden placeholder, each
// further element starts the command line kept in its tag. Elements are added, never removed.
class Lanceur {
public:
    // The elements go at the end of the menu; choosing one calls choisi with its index.
    Lanceur(QMenu& menu, std::function<void(int index)> choisi);

    // A 16-bit index: beyond it no element is added.
    static constexpr int NOMBRE_MAX = 32767;

    int nombre() const { return static_cast<int>(éléments_.size()); } // placeholder included
    int prochainIndex() const { return nombre(); }

    // Adds a visible element at the next index and answers that index, or -1 when the array is full.
    int ajouter(const QString& légende, const QString& ligneCommande);

    QAction* élément(int index) const; // nullptr out of range
    QString légende(int index) const;
    QString Tag(int index) const; // the command line

    // Starts element index's command line; a failure beeps and shows the platform's error over
    // propriétaire.
    void lancer(int index, Platform& plateforme, QWidget& propriétaire) const;

private:
    QAction* créer(const QString& légende, const QString& ligneCommande);

    QMenu& menu_;
    std::function<void(int)> choisi_;
    QList<QAction*> éléments_; // owned by the menu
};
