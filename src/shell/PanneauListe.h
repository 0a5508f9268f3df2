#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

class FrmUtilitaires;
class QLabel;
class QListWidget;
class QPushButton;

// The memo list panel FR_Liste laid over the main window: one line per memo file, the count of the
// chosen ones and the buttons that change the choice or open it. Lecture_Mnémos fills it and shows it.
class PanneauListe : public QFrame {
    Q_OBJECT
public:
    explicit PanneauListe(FrmUtilitaires& fenêtre);

    // Filling, by Lecture_Mnémos.
    void vider();
    // Appends one line, selected, with its always-open flag as item data and its memo name in
    // LB_Fichiers at the same index; answers that index.
    int ajouter(const QString& texteLigne, bool ouvert, const QString& nomMémo);
    // LB_Nb_Fichiers from the number of names in LB_Fichiers.
    void compterFichiers();
    // List mode: the panel in front, the window widened and shown.
    void afficher();

    // Reading the user's choice.
    int nombre() const;
    bool estSélectionné(int ligne) const;
    bool estOuvert(int ligne) const; // the line's item data is non-zero
    QString nomMémo(int ligne) const;

    // The memo files ("*.PSL") of the memo folder, by file name.
    QStringList File1() const;

    // Empty for none, else the number after a blank, as a positive number is written, and " fichier(s)".
    static QString Texte_Nombre(int nombre);

    // Handlers.
    void LB_Liste_Click();
    void PB_Tous_Click();
    void PB_Aucun_Click();
    void PB_A_Ouvrir_Click();
    void PB_Ouvrir_Click();

    QListWidget* LB_Liste = nullptr;
    QLabel* LB_Nb_Fichiers = nullptr;
    QPushButton* PB_Ouvrir = nullptr;
    QPushButton* PB_Tous = nullptr;
    QPushButton* PB_A_Ouvrir = nullptr;
    QPushButton* PB_Aucun = nullptr;
    QListWidget* LB_Fichiers = nullptr; // never shown

private:
    int compterSélection() const;
    void premièreLigneCourante();

    FrmUtilitaires& fenêtre_;
};
