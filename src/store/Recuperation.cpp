#include "Recuperation.h"

#include "DiskFiles.h"
#include "FormatFiche.h"
#include "MotDePasse.h"
#include "TablesCodage.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

const QString DOSSIER_RÉCUPÉRATION = QStringLiteral("Recuperation");
const QString DOSSIER_ÉCARTÉES = QStringLiteral("Ecartees");

} // namespace

QString Dossier_Récupération(const QString& dossierMnémos) {
    return dossierMnémos + QLatin1Char('/') + DOSSIER_RÉCUPÉRATION;
}

QString Chemin_Récupération(const QString& dossierMnémos, const QString& nom) {
    return Chemin_Mnémo(Dossier_Récupération(dossierMnémos), nom, EXTENSION_FICHE);
}

Résultat_Écriture Écrire_Récupération(RandomSource& hasard, const QString& dossierMnémos, const QString& nom,
                                      Fiche_Mnémo fiche) {
    if (!Nom_Mnémo_Valide(nom)) return Erreur_Fichier(ERREUR_NOM_FICHIER_INCORRECT);
    fiche.Début = DÉBUT_FICHE;
    fiche.Fin = FIN_FICHE;
    Brouiller_Fiche(hasard, fiche, Jeu_Caractères::UTF8);
    const QByteArray copie = Composer_Fiche(fiche, Jeu_Caractères::UTF8);
    if (copie.size() > LIMITE_FICHIER_RÉCUPÉRATION)
        return Erreur_Trop_Grand(QStringLiteral("la copie de secours de ce Mnémo"),
                                 LIMITE_FICHIER_RÉCUPÉRATION);

    const QString dossier = Dossier_Récupération(dossierMnémos);
    if (const int erreur = makePrivateFolder(dossierMnémos)) return Erreur_Système(erreur);
    if (const int erreur = makePrivateFolder(dossier)) return Erreur_Système(erreur);
    const QString provisoire = Chemin_Mnémo(dossier, nom, EXTENSION_FICHE_PROVISOIRE);
    if (const int erreur = writeFileAside(provisoire, copie)) return Erreur_Système(erreur);
    if (const int erreur = replaceFile(provisoire, Chemin_Récupération(dossierMnémos, nom))) {
        removeFile(provisoire);
        return Erreur_Système(erreur);
    }
    return {};
}

QList<Récupération> Lire_Récupérations(const QString& dossierMnémos) {
    QList<Récupération> copies;
    const QDir dossier(Dossier_Récupération(dossierMnémos));
    const QStringList fichiers =
        dossier.entryList({QLatin1Char('*') + EXTENSION_FICHE}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& fichier : fichiers) {
        Récupération copie;
        copie.nom = fichier.chopped(EXTENSION_FICHE.size());
        if (!Nom_Mnémo_Valide(copie.nom)) continue;
        QByteArray octets;
        if (!readFileStart(dossier.filePath(fichier), LIMITE_FICHIER_RÉCUPÉRATION, octets)) continue;
        copie.fiche = Analyser_Fiche(octets, Jeu_Caractères::UTF8);
        copie.complète = copie.fiche.marqueursValides();
        const MdP_Lu motDePasse = Lire_MdP(copie.fiche.MdP);
        for (int tour = 0; tour < motDePasse.tours; ++tour)
            copie.fiche.Texte = Décoder_Tout(copie.fiche.Texte);
        copie.fiche.MdP = motDePasse.motDePasse;
        copies.append(copie);
    }
    return copies;
}

Résultat_Écriture Supprimer_Récupération(const QString& dossierMnémos, const QString& nom) {
    if (!Nom_Mnémo_Valide(nom)) return {};
    const int erreur = removeFile(Chemin_Récupération(dossierMnémos, nom));
    return erreur == ENOENT ? Résultat_Écriture{} : Erreur_Système(erreur);
}

Résultat_Écriture Écarter_Récupération(const QString& dossierMnémos, const QString& nom,
                                       const QDateTime& moment) {
    if (!Nom_Mnémo_Valide(nom)) return Erreur_Fichier(ERREUR_NOM_FICHIER_INCORRECT);
    const QString écartées = Dossier_Récupération(dossierMnémos) + QLatin1Char('/') + DOSSIER_ÉCARTÉES;
    if (const int erreur = makePrivateFolder(écartées)) return Erreur_Système(erreur);
    const QString base = nom + QLatin1Char('_') + moment.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString cible = Chemin_Mnémo(écartées, base, EXTENSION_FICHE);
    for (int rang = 2; QFileInfo::exists(cible); ++rang)
        cible = Chemin_Mnémo(écartées, base + QStringLiteral("_%1").arg(rang), EXTENSION_FICHE);
    return Erreur_Système(replaceFile(Chemin_Récupération(dossierMnémos, nom), cible));
}
