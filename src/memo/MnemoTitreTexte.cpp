// The memo's title, its text and the call-menu button.
#include "Mnemo.h"

#include "PetitsControles.h"

#include "platform/core/ApplicationTitle.h"
#include "platform/widgets/Twips.h"

#include <QMenu>
#include <QPlainTextEdit>

namespace {

// A double quote would end a value in the memo file: each becomes two apostrophes, and the caret moves one
// place to the right for each.
bool remplacerGuillemets(QString& valeur, int& curseur) {
    const qsizetype guillemets = valeur.count(QLatin1Char('"'));
    if (guillemets == 0) return false;
    valeur.replace(QLatin1Char('"'), QStringLiteral("''"));
    curseur += static_cast<int>(guillemets);
    return true;
}
} // namespace

QString Mnemo::Titre() const {
    return LB_Titre->text();
}

void Mnemo::setTitre(const QString& titre) {
    LB_Titre->setText(titre);
    Contrôle_Change(LB_Titre);
    LB_Titre->adjustSize();
    nommerFenêtre();
}

QString Mnemo::Texte() const {
    return TX_Mnémo->toPlainText();
}

void Mnemo::setTexte(const QString& texte) {
    TX_Mnémo->setPlainText(texte);
}

void Mnemo::Contrôle_Change(QWidget* contrôle) {
    if (contrôle == LB_Titre) {
        QString valeur = LB_Titre->text();
        int curseur = 0;
        if (remplacerGuillemets(valeur, curseur)) LB_Titre->setText(valeur);
        return;
    }
    if (contrôle != TX_Mnémo) return;
    QTextCursor caret = TX_Mnémo->textCursor();
    int curseur = caret.position();
    QString valeur = TX_Mnémo->toPlainText();
    if (!remplacerGuillemets(valeur, curseur)) return;
    // Giving the text back runs this again, which then finds nothing to replace.
    TX_Mnémo->setPlainText(valeur);
    caret = TX_Mnémo->textCursor();
    caret.setPosition(std::min(curseur, static_cast<int>(valeur.size())));
    TX_Mnémo->setTextCursor(caret);
}

void Mnemo::LB_Titre_Click() {
    const QString invite =
        QStringLiteral("Attention même si le Mnémo est protègé par un mot de passe, le titre du Mnémo reste "
                       "toujours lisible !\r\rEntrer le titre du Mnémo !");
    setTitre(contexte.plateforme.inputBox(*this, invite, titreApplication(), Titre()));
    LB_Titre->move(twipsToPixels(GAUCHE_TITRE_SAISI), LB_Titre->y());
    Modifié = true;
}

void Mnemo::PT_Appel_Menu_Click(const QPoint& position) {
    contexte.plateforme.popupMenu(*Mnu_Mnémo, position);
}

void Mnemo::PT_Appel_Menu_DblClick() {
    Mnu_Fermer_Click();
}
