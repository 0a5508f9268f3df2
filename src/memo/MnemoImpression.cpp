// Printing a memo: its text report and images of its window.
#include "Mnemo.h"

#include "PanneauImage.h"
#include "PanneauOptions.h"
#include "PetitsControles.h"
#include "RapportImpression.h"

#include "platform/core/ErreursPlateforme.h"
#include "platform/widgets/BoiteErreur.h"
#include "platform/widgets/Sablier.h"
#include "store/FicheMnemo.h"

#include <QDir>

#include <memory>

namespace {

const QString QUESTION_OPTIONS =
    QStringLiteral("Voulez-vous également imprimer les options et l'image éventuelle de ce Mnémo ? ");
const QString PAS_D_IMPRIMANTE = QStringLiteral("Aucune imprimante n'est disponible.\n\n"
                                                "Voulez-vous enregistrer l'impression dans un fichier PDF ?");
const QString TITRE_ENREGISTREMENT = QStringLiteral("Enregistrer l'impression en PDF");
const QString FILTRE_PDF = QStringLiteral("Documents PDF (*.pdf)|*.pdf");

QString légendeImpression(const Mnemo& m) {
    return QStringLiteral("Impression du Mmémo :    ") + m.Caption();
}

bool confirmerImpression(Mnemo& m) {
    return m.contexte.plateforme.messageBox(m,
                                            QStringLiteral("Etes-vous sûr de vouloir imprimer le Mnémo : ") +
                                                m.Titre() + QStringLiteral(" ?"),
                                            MessageButtons::YesNo, MessageIcon::Question,
                                            légendeImpression(m)) == vbYes;
}

// The memo's title as a file name: what a file name cannot hold becomes an underscore.
QString nomDeFichierPdf(const QString& titre) {
    QString nom;
    for (const QChar c : titre)
        nom += c.isPrint() && !QStringLiteral("/\\:*?\"<>|").contains(c) ? c : QLatin1Char('_');
    nom = nom.trimmed();
    if (nom.startsWith(QLatin1Char('.'))) nom.prepend(QLatin1Char('_'));
    return (nom.isEmpty() ? QStringLiteral("Mnémo") : nom) + QStringLiteral(".pdf");
}

// The one box of a print that failed.
void signalerÉchec(Mnemo& m, const PrintJob& travail) {
    const PrintError erreur = travail.error();
    m.contexte.plateforme.beep();
    Afficher_Erreur(m.contexte.plateforme, m, erreur.number, erreur.description);
}

// A document on the default printer; with none, once the user has been told, in a PDF file of their
// choosing. Nothing when the user declines or the document cannot begin (the user is told why).
std::unique_ptr<PrintJob> commencerImpression(Mnemo& m) {
    Platform& plateforme = m.contexte.plateforme;
    Printer& imprimante = plateforme.printer();
    const QString titre = QStringLiteral("Mnémo : ") + m.Titre();
    std::unique_ptr<PrintJob> travail;
    if (imprimante.available()) {
        travail = imprimante.begin(titre);
    } else {
        plateforme.beep();
        if (plateforme.messageBox(m, PAS_D_IMPRIMANTE, MessageButtons::YesNo, MessageIcon::Critical,
                                  QStringLiteral("erreur ") + QString::number(ERREUR_IMPRIMANTE)) != vbYes)
            return nullptr;
        const QString fichier = plateforme.saveFileName(
            m, {TITRE_ENREGISTREMENT, QDir(QDir::homePath()).filePath(nomDeFichierPdf(m.Titre())), FILTRE_PDF,
                1});
        if (fichier.isEmpty()) return nullptr;
        travail = imprimante.beginPdf(fichier, titre);
    }
    if (travail->error().number != 0) {
        signalerÉchec(m, *travail);
        return nullptr;
    }
    return travail;
}

// Ends the document; false when it failed, the user not told yet.
bool terminer(PrintJob& travail) {
    const Sablier sablier;
    return travail.endDoc();
}

Contenu_Rapport contenuRapport(const Mnemo& m) {
    // What the memo would save, so that the report shows what its file keeps.
    const Fiche_Mnémo fiche = m.Fiche();
    Contenu_Rapport c;
    c.icône = m.Image1->pixmap().toImage();
    c.titre = m.Titre();
    c.policeTitre = m.LB_Titre->font().family();
    c.texte = m.Texte();
    c.policeTexte = fiche.Police;
    c.ouvert = fiche.Ouvert;
    c.avantPlan = fiche.Avant_Plan;
    c.couleur = static_cast<std::uint32_t>(fiche.Couleur);
    c.alarme = fiche.Alarme;
    c.jour = fiche.Jour;
    c.heure = fiche.Heure;
    c.message = fiche.Message;
    c.beep = fiche.Beep;
    c.prg = fiche.PRG;
    c.image = m.Image();
    return c;
}

bool imprimerÉléments(PrintJob& travail, const QList<Élément_Rapport>& éléments) {
    using Sorte = Élément_Rapport::Sorte;
    for (const Élément_Rapport& é : éléments) {
        bool fait = false;
        switch (é.sorte) {
        case Sorte::Icône:
            fait = travail.paintCorner(é.image);
            break;
        case Sorte::Police:
            fait = travail.setFontName(é.texte);
            break;
        case Sorte::Gras:
            fait = travail.setFontBold(é.gras);
            break;
        case Sorte::SurLaLigne:
            fait = travail.printOnLine(é.texte);
            break;
        case Sorte::Ligne:
            fait = travail.printLine(é.texte);
            break;
        case Sorte::Image:
            fait = travail.printPicture(é.image);
            break;
        }
        if (!fait) return false;
    }
    return true;
}

} // namespace

void Mnemo::Mnu_Imprimer_Texte_Click() {
    if (!confirmerImpression(*this)) return;
    const std::unique_ptr<PrintJob> travail = commencerImpression(*this);
    if (!travail) return;
    const Contenu_Rapport contenu = contenuRapport(*this);
    bool fait = imprimerÉléments(*travail, Début_Rapport(contenu, contexte.plateforme.now().date()));
    // The options and the picture only from their panels, and when the user wants them.
    if (fait && (!FR_Image->isHidden() || !FR_Options->isHidden()) &&
        contexte.plateforme.messageBox(*this, QUESTION_OPTIONS, MessageButtons::YesNo, MessageIcon::Question,
                                       légendeImpression(*this)) == vbYes)
        fait = imprimerÉléments(*travail, Options_Rapport(contenu));
    // The footer is dated as it is printed.
    if (fait) fait = imprimerÉléments(*travail, Fin_Rapport(contexte.plateforme.now().date()));
    if (fait) fait = terminer(*travail);
    if (!fait) signalerÉchec(*this, *travail);
}

// The window as it shows, then its picture panel when the memo has a picture that does not show; the
// window then shows its text, its panel buttons as they were.
void Mnemo::Mnu_Imprimer_Image_Click() {
    if (!confirmerImpression(*this)) return;
    const std::unique_ptr<PrintJob> travail = commencerImpression(*this);
    if (!travail) return;
    bool fait = travail->printWindow(*this);
    if (fait && FR_Image->isHidden() && !Image().isNull()) {
        Option2_Click();
        fait = travail->printWindow(*this);
        Option1_Click();
    }
    if (fait) fait = terminer(*travail);
    if (!fait) signalerÉchec(*this, *travail);
}
