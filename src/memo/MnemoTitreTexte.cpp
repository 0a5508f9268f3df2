// The memo's title, its text and the call-menu button.
#include "Mnemo.h"

#include "PetitsControles.h"
#include "ZoneTexte.h"

#include "platform/core/ApplicationTitle.h"
#include "platform/widgets/Twips.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>
#include <limits>

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
    return texteExact(*TX_Mnémo);
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
    if (contrôle == TX_Mnémo) remplacerGuillemetsDuTexte();
}

void Mnemo::noterChangementTexte(int position, int ajoutés) {
    // A second change before the text was looked at may have moved the first: the whole text is looked at.
    changementTexte_ = changementTexte_ ? std::pair{0, std::numeric_limits<int>::max()}
                                        : std::pair{position, position + ajoutés};
}

// Only the quotes themselves are replaced, where the text changed: giving the whole text back would take
// seconds on a long line and lose the undo history. The replacement joins the edit that brought the quotes
// (a paste, a drop), so that one undo takes both away. A typed quote never gets here: the text box receives
// its apostrophes instead.
void Mnemo::remplacerGuillemetsDuTexte() {
    QTextDocument* document = TX_Mnémo->document();
    const int finDuTexte = document->characterCount() - 1; // the last paragraph's end is no character
    const auto [début, fin] = changementTexte_.value_or(std::pair{0, finDuTexte});
    changementTexte_.reset();

    QTextCursor changé(document);
    changé.setPosition(std::clamp(début, 0, finDuTexte));
    changé.setPosition(std::clamp(fin, 0, finDuTexte), QTextCursor::KeepAnchor);
    // Paragraph breaks come as one character each, so offsets in this text are offsets in the document.
    const QString texte = changé.selectedText();
    QList<int> guillemets;
    for (qsizetype i = texte.indexOf(QLatin1Char('"')); i >= 0; i = texte.indexOf(QLatin1Char('"'), i + 1))
        guillemets << changé.selectionStart() + static_cast<int>(i);
    if (guillemets.isEmpty()) return;

    // The caret and its selection move one place to the right for each quote before them.
    QTextCursor caret = TX_Mnémo->textCursor();
    const auto décalé = [&guillemets](int position) {
        return position + static_cast<int>(std::count_if(guillemets.cbegin(), guillemets.cend(),
                                                         [position](int g) { return g < position; }));
    };
    const int ancre = décalé(caret.anchor());
    const int position = décalé(caret.position());

    // A text given whole (a memo read from its file) leaves no history: its replacement is nothing the user
    // could undo either.
    const bool historique = document->availableUndoSteps() > 0;
    const bool annulable = document->isUndoRedoEnabled();
    if (!historique) document->setUndoRedoEnabled(false);
    QTextCursor édition(document);
    édition.joinPreviousEditBlock();
    // From the last, so that the positions of the others stay right. Giving the apostrophes runs this
    // again, which finds nothing to replace.
    for (auto g = guillemets.crbegin(); g != guillemets.crend(); ++g) {
        édition.setPosition(*g);
        édition.setPosition(*g + 1, QTextCursor::KeepAnchor);
        édition.insertText(QStringLiteral("''"));
    }
    édition.endEditBlock();
    if (!historique) document->setUndoRedoEnabled(annulable);

    caret.setPosition(ancre);
    caret.setPosition(position, QTextCursor::KeepAnchor);
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
