// A memo whose picture file gives no picture opens without it, and says why.
#include "FrmUtilitaires.h"

#include "store/FichiersMnemo.h"
#include "store/ImageMnemo.h"

namespace {
// A title read from a file may be of any length; the box names the memo in a line.
constexpr int LONGUEUR_TITRE_MONTRÉ = 80;

QString titreMontré(const QString& titre) {
    return titre.size() <= LONGUEUR_TITRE_MONTRÉ ? titre : titre.left(LONGUEUR_TITRE_MONTRÉ) + QChar(0x2026);
}
} // namespace

QImage FrmUtilitaires::Image_À_L_Ouverture(const QString& nom, const QString& titre) {
    const QString dossier = contexte.dossier.memoFolder();
    const Image_Lue lue = Lire_Image_Expliquée(dossier, nom);
    if (!lue.problème.isEmpty())
        plateforme.messageBox(
            *this,
            QStringLiteral("Le Mnémo « %1 » s'ouvre sans son image : %2.\n\nLe fichier de "
                           "l'image, %3, est laissé tel quel.")
                .arg(titreMontré(titre), lue.problème, Chemin_Mnémo(dossier, nom, EXTENSION_IMAGE)),
            MessageButtons::Ok, MessageIcon::Exclamation,
            QStringLiteral("Lecture du Mnémo : ") + nom + EXTENSION_IMAGE);
    return lue.image;
}
