// "Créer un nouveau Mnémo": an empty memo window with a fresh memo name.
#include "FrmUtilitaires.h"

#include "memo/Mnemo.h"
#include "store/FichiersMnemo.h"

#include <QAction>
#include <QFileInfo>
#include <QLocale>

namespace {
constexpr int TIRAGE_MAX = 99999;
const QString TITRE_NOUVEAU = QString(22, QLatin1Char('_'));
} // namespace

QString FrmUtilitaires::Nouveau_Nom_Mnémo() {
    const QString jour = plateforme.now().date().toString(QStringLiteral("ddMMyyyy"));
    const QString dossier = contexte.dossier.memoFolder();
    QString nom;
    // Two memos must never share files: draw again while the name is taken by a file or a window.
    for (int essai = 0; essai < TIRAGE_MAX; ++essai) {
        const int tirage = static_cast<int>(plateforme.rnd() * TIRAGE_MAX + 1);
        nom = jour + QLatin1Char('_') + QStringLiteral("%1").arg(tirage, 5, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(Chemin_Mnémo(dossier, nom, EXTENSION_FICHE)) && !Fenêtre_Du_Mnémo(nom)) break;
    }
    return nom;
}

void FrmUtilitaires::Mnu_Mnémo_Click() {
    Mnemo* fenêtre = Nouvelle_Fenêtre();
    if (!fenêtre) return;
    contexte.Création_Mnémo = true;
    contexte.Icône_Choisie = 0;
    fenêtre->show();
    plateforme.randomize();
    const QDateTime maintenant = plateforme.now();
    fenêtre->setCaption(QStringLiteral("Mnémo du ") +
                        QLocale().toString(maintenant.date(), QLocale::LongFormat) + QStringLiteral(" à ") +
                        maintenant.time().toString(QStringLiteral("HH:mm:ss")));
    fenêtre->Tag = Nouveau_Nom_Mnémo();
    fenêtre->setTitre(TITRE_NOUVEAU);
    fenêtre->Mnu_Déplacer->setChecked(true);
    contexte.Création_Mnémo = false;
    fenêtre->prendreLeClavier();
}
