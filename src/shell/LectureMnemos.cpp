// Reading the memo folder: the memo list, the alarm table rebuild and opening memos into windows.
#include "FrmUtilitaires.h"

#include "PanneauListe.h"
#include "RemplissageListe.h"

#include "dialogs/SaisieAppels.h"
#include "memo/Mnemo.h"
#include "platform/core/ApplicationTitle.h"
#include "platform/widgets/Sablier.h"
#include "store/AlarmesMnemo.h"
#include "store/CadrerChaine.h"
#include "store/EmpreinteFiche.h"
#include "store/FichiersMnemo.h"
#include "store/ImageMnemo.h"
#include "store/LectureFiche.h"
#include "store/MotDePasse.h"
#include "store/TablesCodage.h"

#include <QHash>

#include <memory>

namespace {
constexpr int LARGEUR_TITRE_LISTE = 32;

// The list line of a memo: its title on 32 columns, then the creation date its name begins with.
QString Ligne_Liste(const Fiche_Mnémo& fiche, const QString& nom) {
    return Cadrer_Chaîne(fiche.Titre, LARGEUR_TITRE_LISTE) + QStringLiteral("  ") + nom.mid(0, 2) +
           QLatin1Char('/') + nom.mid(2, 2) + QLatin1Char('/') + nom.mid(4, 4);
}

QString Décoder_Texte(QString texte, int tours) {
    for (int i = 0; i < tours; ++i)
        texte = Décoder(texte);
    return texte;
}

} // namespace

Mnemo* FrmUtilitaires::Fenêtre_Du_Mnémo(const QString& nom) const {
    for (int slot = 1; slot <= Nb_Fenêtres && slot < NB_FENÊTRES; ++slot) {
        Mnemo* fenêtre = Fenêtres_Mnémo[static_cast<std::size_t>(slot)];
        if (fenêtre && fenêtre->Tag == nom) return fenêtre;
    }
    return nullptr;
}

Mnemo* FrmUtilitaires::Nouvelle_Fenêtre() {
    if (Nb_Fenêtres >= NB_FENÊTRES - 1) {
        plateforme.messageBox(
            *this,
            QStringLiteral(
                "Trop de Mnémos ouverts depuis le lancement : quittez puis relancez Pensoir pour en "
                "ouvrir d'autres."),
            MessageButtons::Ok, MessageIcon::Exclamation, titreApplication());
        return nullptr;
    }
    ++Nb_Fenêtres;
    auto* fenêtre = new Mnemo(contexte);
    Fenêtres_Mnémo[static_cast<std::size_t>(Nb_Fenêtres)] = fenêtre;
    return fenêtre;
}

bool FrmUtilitaires::Mot_De_Passe_Admis(const QString& motDePasse, const QString& titre) {
    if (motDePasse.isEmpty()) return true;
    demanderMotDePasse(plateforme, *this, contexte.saisie, titre);
    if (Mot_De_Passe_Enregistrable(contexte.saisie.MdP_Saisi) == motDePasse) return true;
    plateforme.beep();
    plateforme.messageBox(*this,
                          QStringLiteral("Mot de passe incorrect (attention aux majuscules/minuscules), "
                                         "refus d'ouverture du Mnémo !"),
                          MessageButtons::Ok, MessageIcon::Critical, QStringLiteral("Mmémo : ") + titre);
    return false;
}

void FrmUtilitaires::Lecture_Mnémos(bool OuvrirTous, bool ModeListe, bool Rafraîchir) {
    const Sablier sablier;
    const QString dossier = contexte.dossier.memoFolder();
    // Records read for the list serve the opening that follows in the same call; otherwise the files are
    // read again, as the user may have left the list open for a while.
    QHash<QString, Fiche_Mnémo> lues;
    // What each record was when read: another copy may save it while a password is asked for, and the
    // window must not take that version for the one it shows.
    QHash<QString, Empreinte_Fiche> empreintes;

    if (Rafraîchir) {
        const RemplissageListe remplissage(*FR_Liste);
        FR_Liste->vider();
        for (const QString& fichier : FR_Liste->File1()) {
            const QString nom = fichier.chopped(EXTENSION_FICHE.size());
            Empreinte_Fiche empreinte;
            const Fiche_Mnémo fiche =
                Lire_Fiche(dossier, nom, contexte.Icône_Choisie, ModeListe ? nullptr : &empreinte);
            FR_Liste->ajouter(Ligne_Liste(fiche, nom), fiche.Ouvert, nom);
            if (!ModeListe) {
                lues.insert(nom, fiche);
                empreintes.insert(nom, empreinte);
            }
        }
        FR_Liste->compterFichiers();
    }

    if (ModeListe) {
        FR_Liste->afficher();
        return;
    }

    // The table is rebuilt from the files aside and put in place whole before anything waits for the user (a
    // password), so that an alarm raised meanwhile reads a whole table. Windows already open follow their
    // memo's new row, or a later save would overwrite another memo's alarm.
    QList<Fiche_Mnémo> fiches;
    QList<int> lignes;
    auto reconstruite = std::make_unique<Table_Alarmes>();
    lignesAlarme_.clear();
    bool alarmesRefusées = false;
    for (int i = 0; i < FR_Liste->nombre(); ++i) {
        const QString nom = FR_Liste->nomMémo(i);
        const auto déjàLue = lues.constFind(nom);
        if (déjàLue != lues.constEnd()) {
            fiches << *déjàLue;
        } else {
            Empreinte_Fiche empreinte;
            fiches << Lire_Fiche(dossier, nom, contexte.Icône_Choisie, &empreinte);
            empreintes.insert(nom, empreinte);
        }
        const Inscription_Alarme alarme = Inscrire_Alarme(*reconstruite, fiches.constLast());
        alarmesRefusées = alarmesRefusées || alarme.tablePleine;
        lignes << alarme.ligne;
        if (alarme.ligne > 0) lignesAlarme_.insert(nom, alarme.ligne);
    }
    alarmesRefusées = Reprendre_Alarmes(*reconstruite, contexte.alarmes) || alarmesRefusées;
    contexte.alarmes = *reconstruite;
    for (int slot = 1; slot <= Nb_Fenêtres && slot < NB_FENÊTRES; ++slot)
        if (Mnemo* ouverte = Fenêtres_Mnémo[static_cast<std::size_t>(slot)]) ouverte->CK_Alarme_Tag.clear();
    for (int i = 0; i < FR_Liste->nombre(); ++i)
        if (Mnemo* ouverte = Fenêtre_Du_Mnémo(FR_Liste->nomMémo(i)); ouverte && lignes[i] > 0)
            ouverte->CK_Alarme_Tag = QString::number(lignes[i]);
    Prochaine_Alarme();

    for (int i = 0; i < FR_Liste->nombre(); ++i) {
        const QString nom = FR_Liste->nomMémo(i);
        const Fiche_Mnémo& fiche = fiches[i];
        if (!(fiche.Ouvert || OuvrirTous) || !FR_Liste->estSélectionné(i)) continue;
        if (!fiche.marqueursValides()) {
            plateforme.beep();
            plateforme.messageBox(*this, QStringLiteral("Ce Mnémo a un format incorrect"), MessageButtons::Ok,
                                  MessageIcon::Critical,
                                  QStringLiteral("Lecture du Mnémo : ") + nom + QStringLiteral(".PSL"));
            continue;
        }
        if (Fenêtre_Du_Mnémo(nom)) continue;

        const MdP_Lu motDePasse = Lire_MdP(fiche.MdP);
        if (!Mot_De_Passe_Admis(motDePasse.motDePasse, fiche.Titre)) continue;

        Mnemo* fenêtre = Nouvelle_Fenêtre();
        if (!fenêtre) break;
        fenêtre->Tag = nom;
        // Filled before its window is made, the memo is shown once in its place, named and above the
        // others as it should be, instead of being moved, renamed and made again on the desktop.
        fenêtre->Remplir(fiche, Décoder_Texte(fiche.Texte, motDePasse.tours), motDePasse.motDePasse,
                         Image_À_L_Ouverture(nom, fiche.Titre), lignes[i]);
        fenêtre->Retenir_Fiche(empreintes.value(nom));
        // The memos that open with the session leave the focus where it is (applying keep-above above
        // clears this).
        if (!OuvrirTous) fenêtre->setAttribute(Qt::WA_ShowWithoutActivating);
        fenêtre->show();
    }
    if (alarmesRefusées)
        plateforme.messageBox(*this, MESSAGE_ALARMES_REFUSÉES, MessageButtons::Ok, MessageIcon::Exclamation,
                              titreApplication());
}
