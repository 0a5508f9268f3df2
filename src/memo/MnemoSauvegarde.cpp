// Saving, deleting, and filling the window from a memo's files.
#include "Mnemo.h"

#include "EcranVisible.h"
#include "PanneauImage.h"
#include "PanneauOptions.h"
#include "PetitsControles.h"

#include "dialogs/IconSet.h"
#include "platform/core/ApplicationTitle.h"
#include "platform/widgets/BoiteErreur.h"
#include "platform/widgets/PoliceClassique.h"
#include "platform/widgets/Sablier.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"
#include "store/AlarmesMnemo.h"
#include "store/EcritureMnemo.h"
#include "store/FichiersMnemo.h"
#include "store/FormatFiche.h"
#include "store/SuppressionMnemo.h"
#include "store/Windows1252.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

qint16 drapeau(bool valeur) {
    return valeur ? -1 : 0;
}
} // namespace

void Mnemo::Choisir_Icône(int numéro) {
    Image1_Tag = QString::number(numéro);
    Image1->setPixmap(Image_Icône(numéro));
}

QImage Mnemo::Image() const {
    return FR_Image->image();
}

void Mnemo::setImage(const QImage& image) {
    FR_Image->setImage(image);
}

Fiche_Mnémo Mnemo::Fiche() const {
    Fiche_Mnémo f;
    FR_Options->Compléter(f);
    f.Couleur = static_cast<qint32>(toVbColour(TX_Mnémo->palette().color(QPalette::Base)));
    f.Icône = static_cast<qint16>(Image1_Tag.toInt());
    f.Gauche = Left();
    f.Haut = Top();
    f.Hauteur = Height();
    f.Largeur = Width();
    f.Texte = Texte();
    f.Titre = Titre();
    const QFont police = TX_Mnémo->font();
    f.Police = police.family();
    f.Taille = static_cast<qint16>(qRound(police.pointSizeF()));
    f.Gras = drapeau(police.bold());
    f.Italique = drapeau(police.italic());
    f.Barré = drapeau(police.strikeOut());
    f.Souligné = drapeau(police.underline());
    return f;
}

QString Mnemo::Fichier_Fiche() const {
    return Chemin_Mnémo(contexte.dossier.memoFolder(), Tag, EXTENSION_FICHE);
}

void Mnemo::Mnu_Sauvegarder_Click() {
    Sauvegarder();
}

bool Mnemo::Sauvegarder(bool avecQuestions, QString* pourquoi) {
    // The file would keep a '?' for each: the user decides, and may keep the window to change the text.
    if (const QList<char32_t> lettres = Lettres_Hors_Fichier(Fiche()); !lettres.isEmpty()) {
        const QString texte =
            QStringLiteral("Ce Mnémo contient des caractères que son fichier ne peut pas garder : %1\n"
                           "Ils y seront enregistrés comme des « ? ».\n\nSauvegarder quand même ?")
                .arg(lettresÀMontrer(lettres));
        if (!avecQuestions) {
            if (pourquoi)
                *pourquoi = QStringLiteral("des caractères que son fichier ne peut pas garder : ") +
                            lettresÀMontrer(lettres);
            return false;
        }
        if (contexte.plateforme.messageBox(*this, texte, MessageButtons::YesNo, MessageIcon::Question,
                                           QStringLiteral("Mmémo : ") + Titre()) != vbYes)
            return false;
    }

    QString nomQuitté;
    if (!Accepter_Fiche_Sur_Disque(avecQuestions, pourquoi, nomQuitté)) return false;

    const Sablier sablier;
    if (Mnu_Options->isChecked()) quitterOptionsPourSauvegarder();
    if (Image1_Tag.isEmpty()) Image1_Tag = QString::number(contexte.Icône_Choisie);
    if (FR_Options->avantPlan()) appliquerAvantPlan(true);

    Empreinte_Fiche écrite;
    const Résultat_Écriture écrit = Écrire_Mnémo(contexte.plateforme, contexte.dossier.memoFolder(), Tag,
                                                 Fiche(), Image(), replaceFile, &écrite);
    Conclure_Écriture(écrit.ok(), écrite, nomQuitté);
    if (écrit.ok()) {
        Modifié = false;
        Oublier_Récupération();
    } else if (avecQuestions) {
        Afficher_Erreur(contexte.plateforme, *this, écrit.erreur,
                        écrit.description + QStringLiteral("\n\nMnémo : ") + Titre() +
                            QStringLiteral("\nFichier : ") + Fichier_Fiche());
    } else if (pourquoi) {
        *pourquoi = écrit.description;
    }

    const Inscription_Alarme inscription = Mettre_À_Jour_Alarme(
        contexte.alarmes, CK_Alarme_Tag.toInt(), FR_Options->alarmeActive(), FR_Options->alarme());
    CK_Alarme_Tag = inscription.ligne > 0 ? QString::number(inscription.ligne) : QString();
    if (inscription.tablePleine && avecQuestions)
        contexte.plateforme.messageBox(*this, MESSAGE_ALARME_REFUSÉE, MessageButtons::Ok,
                                       MessageIcon::Exclamation, titreApplication());

    if (contexte.Prochaine_Alarme) contexte.Prochaine_Alarme();
    return écrit.ok();
}

void Mnemo::Mnu_Supprimer_Click() {
    const int réponse = contexte.plateforme.messageBox(
        *this, QStringLiteral("Supprimer le Mnémo : ") + Titre() + QStringLiteral(" ?"),
        MessageButtons::YesNo, MessageIcon::Question,
        QStringLiteral("Suppression du Mmémo :    ") + Caption());
    if (réponse != vbYes) return;
    const Résultat_Écriture supprimé = Supprimer_Fichiers_Mnémo(contexte.dossier.memoFolder(), Tag);
    if (!supprimé.ok()) {
        contexte.plateforme.beep();
        Afficher_Erreur(contexte.plateforme, *this, supprimé.erreur, supprimé.description);
    } else {
        Retenir_Fiche_Absente();
        // A memo that is gone rings no more.
        Mettre_À_Jour_Alarme(contexte.alarmes, CK_Alarme_Tag.toInt(), false, {});
        if (contexte.Prochaine_Alarme) contexte.Prochaine_Alarme();
    }
    contexte.Fermeture_En_Cours = true;
    close();
    contexte.Fermeture_En_Cours = false;
}

void Mnemo::Remplir(const Fiche_Mnémo& f, const QString& texteClair, const QString& motDePasse,
                    const QImage& image, int ligneAlarme) {
    setImage(image);

    setLeft(f.Gauche);
    setTop(f.Haut);
    resize(Borner_Taille({twipsToPixels(f.Largeur), twipsToPixels(f.Hauteur)},
                         contexte.plateforme.availableArea(*this).size()));
    QList<QRect> écrans;
    for (const QScreen* écran : QGuiApplication::screens())
        écrans << écran->geometry();
    setGeometry(Ramener_Sur_Écran(geometry(), écrans));

    Appliquer_Couleur(vbColour(static_cast<std::uint32_t>(f.Couleur)));

    QFont police = TX_Mnémo->font();
    police.setBold(f.Gras != 0);
    police.setItalic(f.Italique != 0);
    // A family this desktop lacks falls back as the design font does, not to the desktop's default.
    if (!f.Police.isEmpty()) police.setFamilies(famillesClassiques(f.Police));
    if (f.Taille > 0) police.setPointSize(f.Taille);
    police.setStrikeOut(f.Barré != 0);
    police.setUnderline(f.Souligné != 0);
    TX_Mnémo->setFont(police);

    setTitre(f.Titre);
    LB_Titre->move(twipsToPixels(GAUCHE_TITRE_SAISI), LB_Titre->y());
    setTexte(texteClair);

    // A number outside the icon set keeps the window's default icon.
    if (f.Icône >= 0 && f.Icône < NOMBRE_ICÔNES) Choisir_Icône(f.Icône);
    // Keep-above, ticked as the record has it, puts the window above the others.
    FR_Options->Remplir(f, motDePasse);
    CK_Alarme_Tag = f.Alarme && ligneAlarme > 0 ? QString::number(ligneAlarme) : QString();
    Retenir_Fiche_Sur_Disque();
}
