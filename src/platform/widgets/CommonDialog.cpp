#include "CommonDialog.h"

#include <QDir>
#include <QFont>
#include <QFontInfo>

bool Dialogue_Commun::ShowOpen(QWidget& propriétaire) {
    const QString choisi =
        plateforme_.openFileName(propriétaire, {DialogTitle, InitDir, Filter, FilterIndex});
    if (choisi.isEmpty()) return false;
    FileName = choisi;
    return true;
}

bool Dialogue_Commun::ShowColor(QWidget& propriétaire) {
    const std::optional<QColor> choisie = plateforme_.chooseColor(propriétaire, DialogTitle, Color);
    if (!choisie) return false;
    Color = *choisie;
    return true;
}

bool Dialogue_Commun::ShowFont(QWidget& propriétaire) {
    QFont initiale(FontName);
    if (FontSize > 0) initiale.setPointSizeF(FontSize);
    initiale.setBold(FontBold);
    initiale.setItalic(FontItalic);
    initiale.setStrikeOut(FontStrikethru);
    initiale.setUnderline(FontUnderline);
    const std::optional<QFont> choisie = plateforme_.chooseFont(propriétaire, DialogTitle, initiale);
    if (!choisie) return false;
    FontName = QFontInfo(*choisie).family();
    FontSize = choisie->pointSizeF();
    FontBold = choisie->bold();
    FontItalic = choisie->italic();
    FontStrikethru = choisie->strikeOut();
    FontUnderline = choisie->underline();
    return true;
}

QString dossierInitialProgrammes() {
    return QDir::homePath();
}
