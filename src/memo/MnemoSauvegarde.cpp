// Saving, deleting, and filling the window from a memo's files.
#include "Mnemo.h"

#include "EcranVisible.h"
#include "PetitsControles.h"

#include "dialogs/IconSet.h"
#include "platform/core/ApplicationTitle.h"
#include "platform/widgets/BoiteErreur.h"
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

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
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

void Mnemo::setImage(const QImage& image) {
    image_ = image;
    if (image.isNull()) {
        Image2->clear();
        return;
    }
    Image2->setPixmap(QPixmap::fromImage(image));
    Image2->resize(image.size());
}

Fiche_Mnémo Mnemo::Fiche() const {
    Fiche_Mnémo f;
    f.Alarme = CK_Alarme->isChecked();
    f.Avant_Plan = CK_Avant_Plan->isChecked();
    f.Beep = CK_Beep->isChecked();
    f.Couleur = static_cast<qint32>(toVbColour(TX_Mnémo->palette().color(QPalette::Base)));
    f.Fermé = RB_Fermé->isChecked();
    f.Heure = TX_Heure->text();
    f.Icône = static_cast<qint16>(Image1_Tag.toInt());
    f.Jour = TX_Jour->text();
    f.Message = TX_Alarme->text();
    f.Ouvert = RB_Ouvert->isChecked();
    f.Gauche = Left();
    f.Haut = Top();
    f.PRG = PB_PRG->text();
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
    f.MdP = TX_MdP->text().trimmed();
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

    const Sablier sablier;
    if (Mnu_Options->isChecked()) {
        Mnu_Options->setChecked(false);
        FR_Mnémo->show();
        FR_Options->hide();
        setTop(Haut_Texte);
        setHeight(Hauteur_Texte);
        setWidth(Largeur_Texte);
    }
    if (Image1_Tag.isEmpty()) Image1_Tag = QString::number(contexte.Icône_Choisie);
    if (CK_Avant_Plan->isChecked()) appliquerAvantPlan(true);

    const Résultat_Écriture écrit =
        Écrire_Mnémo(contexte.plateforme, contexte.dossier.memoFolder(), Tag, Fiche(), image_);
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

    const Ligne_Alarme valeurs{TX_Jour->text(), TX_Heure->text(), CK_Beep->isChecked(), TX_Alarme->text(),
                               PB_PRG->text()};
    const Inscription_Alarme inscription =
        Mettre_À_Jour_Alarme(contexte.alarmes, CK_Alarme_Tag.toInt(), CK_Alarme->isChecked(), valeurs);
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
    setHeight(f.Hauteur);
    setWidth(f.Largeur);
    QList<QRect> écrans;
    for (const QScreen* écran : QGuiApplication::screens())
        écrans << écran->geometry();
    setGeometry(Ramener_Sur_Écran(geometry(), écrans));

    Appliquer_Couleur(vbColour(static_cast<std::uint32_t>(f.Couleur)));

    QFont police = TX_Mnémo->font();
    police.setBold(f.Gras != 0);
    police.setItalic(f.Italique != 0);
    if (!f.Police.isEmpty()) police.setFamily(f.Police);
    if (f.Taille > 0) police.setPointSize(f.Taille);
    police.setStrikeOut(f.Barré != 0);
    police.setUnderline(f.Souligné != 0);
    TX_Mnémo->setFont(police);

    setTitre(f.Titre);
    LB_Titre->move(twipsToPixels(GAUCHE_TITRE_SAISI), LB_Titre->y());
    setTexte(texteClair);

    if (f.Icône > -1) Choisir_Icône(f.Icône);
    RB_Ouvert->setChecked(f.Ouvert);
    RB_Fermé->setChecked(f.Fermé);
    CK_Avant_Plan->setChecked(f.Avant_Plan);
    appliquerAvantPlan(f.Avant_Plan);
    CK_Alarme->setChecked(f.Alarme);
    CK_Alarme_Tag = f.Alarme && ligneAlarme > 0 ? QString::number(ligneAlarme) : QString();
    CK_Beep->setChecked(f.Beep);
    TX_Jour->setText(f.Jour);
    TX_Heure->setText(f.Heure);
    TX_Alarme->setText(f.Message);
    PB_PRG->setText(f.PRG.isEmpty() ? PRG_AUCUN : f.PRG);
    TX_MdP->setText(motDePasse.leftJustified(10, QLatin1Char(' ')));
}
