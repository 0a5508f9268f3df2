#include "EcritureMnemo.h"

#include "FichiersMnemo.h"
#include "FormatFiche.h"
#include "ImageMnemo.h"
#include "MotDePasse.h"

Résultat_Écriture Écrire_Mnémo(RandomSource& hasard, const QString& dossierMnémos, const QString& nom,
                               Fiche_Mnémo fiche, const QImage& image, const ReplaceFile& remplacer,
                               Empreinte_Fiche* écrite) {
    if (!Nom_Mnémo_Valide(nom)) return Erreur_Fichier(ERREUR_NOM_FICHIER_INCORRECT);

    fiche.Début = DÉBUT_FICHE;
    fiche.Fin = FIN_FICHE;
    Brouiller_Fiche(hasard, fiche);
    const QByteArray enregistrement = Composer_Fiche(fiche);
    if (enregistrement.size() > LIMITE_FICHIER_FICHE)
        return Erreur_Trop_Grand(QStringLiteral("le fichier de ce Mnémo"), LIMITE_FICHIER_FICHE);

    const bool avecImage = !image.isNull();
    QByteArray fichierImage;
    if (avecImage) {
        if (!Image_Relisible(image))
            return Erreur_Trop_Grand(QStringLiteral("l'image de ce Mnémo, une fois relue,"),
                                     qint64(LIMITE_MÉMOIRE_IMAGE_MO) * 1024 * 1024);
        const QByteArray bmp = Image_En_BMP(image);
        if (bmp.isEmpty()) return Erreur_Fichier(ERREUR_ENTREE_SORTIE);
        fichierImage = Masquer_Image(bmp, hasard);
        if (fichierImage.size() > LIMITE_FICHIER_IMAGE)
            return Erreur_Trop_Grand(QStringLiteral("l'image de ce Mnémo"), LIMITE_FICHIER_IMAGE);
    }

    if (const int erreur = makePrivateFolder(dossierMnémos)) return Erreur_Système(erreur);
    const QString cheminFiche = Chemin_Mnémo(dossierMnémos, nom, EXTENSION_FICHE);
    const QString ficheProvisoire = Chemin_Mnémo(dossierMnémos, nom, EXTENSION_FICHE_PROVISOIRE);
    const QString cheminImage = Chemin_Mnémo(dossierMnémos, nom, EXTENSION_IMAGE);
    const QString imageProvisoire = Chemin_Mnémo(dossierMnémos, nom, EXTENSION_IMAGE_PROVISOIRE);

    // Everything is on disk aside before anything is replaced.
    if (avecImage) {
        if (const int erreur = writeFileAside(imageProvisoire, fichierImage)) return Erreur_Système(erreur);
    }
    if (const int erreur = writeFileAside(ficheProvisoire, enregistrement)) {
        if (avecImage) removeFile(imageProvisoire);
        return Erreur_Système(erreur);
    }

    // A crash between the two renames leaves the new picture with the old record: both whole.
    if (avecImage) {
        if (const int erreur = remplacer(imageProvisoire, cheminImage)) {
            removeFile(imageProvisoire);
            removeFile(ficheProvisoire);
            return Erreur_Système(erreur);
        }
    }
    if (const int erreur = remplacer(ficheProvisoire, cheminFiche)) {
        removeFile(ficheProvisoire);
        return Erreur_Système(erreur);
    }
    if (écrite) *écrite = Empreinte_Des_Octets(enregistrement);
    return {};
}
