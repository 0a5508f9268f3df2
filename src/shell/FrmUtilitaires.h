#pragma once

#include "Lanceur.h"
#include "MinuterieAlarmes.h"
#include "PanneauListe.h"

#include "memo/ContexteMnemo.h"
#include "platform/core/ProgramFolder.h"
#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/FenetreDuProgramme.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class Mnemo;
class QAction;
class QMenu;
class QPushButton;

// The main window: loaded first, it brings the program up, owns the tray icon, its menu, the utility
// buttons and every memo window, and ends the program when it is unloaded.
class FrmUtilitaires : public QWidget, public FenetreDuProgramme {
    Q_OBJECT
public:
    FrmUtilitaires(Platform& plateforme, const ProgramFolder& dossier, QWidget* parent = nullptr);
    ~FrmUtilitaires() override;

    static constexpr int NB_FENÊTRES = 1000;     // slot 0 unused
    static constexpr int LARGEUR_BOUTONS = 1950; // twips, the button column only
    static constexpr int LARGEUR_LISTE = 5300;   // twips, with the memo list beside it
    static constexpr int BORDURE = 105;          // twips between outer and client width
    static constexpr int HAUTEUR_CLIENT = 3195;

    // Start-up and shut-down. A memo that could not be saved when its closing asked for it stays open, and
    // stops the closing of all memos: Fermeture_Mnémos then answers false and Form_Unload ends nothing.
    void Form_Load();
    void Form_Unload();
    bool Fermeture_Mnémos();

    // The system ends the program (a signal) or the desktop session (logout, shutdown): nobody can answer
    // a box any more. Every modified memo is saved without a question; one that cannot be (a failure, or
    // letters its file cannot hold) keeps its recovery copy, which stderr names. Then the shut-down runs.
    void Fin_Sans_Question();

    // At start-up, recovery copies left by a run that did not end in order are offered back once: Oui
    // opens each memo with its recovered record, modified; Non sets the copies aside.
    void Reprendre_Récupérations();

    // The notification area: action 0 adds the icon, 1 modifies it, 2 removes it. Without an icon or a
    // tip the previous ones are sent again.
    enum Action_Barre : int { NIM_ADD = 0, NIM_MODIFY = 1, NIM_DELETE = 2 };
    void Icône_Barre(int action, const QIcon* icône = nullptr, const QString* bulle = nullptr);
    void Souris_Barre(int message);
    QString Bulle_Du_Jour() const;

    // Steps of the start-up that the launcher, the memo reader and the alarm timer fill.
    void Lecture_Menus();
    void Lecture_Mnémos(bool OuvrirTous, bool ModeListe, bool Rafraîchir);

    // Memo windows: the next slot of Fenêtres_Mnémo (none once the 999 usable slots are taken), the open
    // window of a memo, and a memo name that no file and no window uses yet.
    Mnemo* Nouvelle_Fenêtre();
    Mnemo* Fenêtre_Du_Mnémo(const QString& nom) const;
    QString Nouveau_Nom_Mnémo();

    // The alarm timer: arms the next alarm of the day; raises one alarm (its sound, its box, its program).
    void Prochaine_Alarme();
    void Sonner_Alarme(const Ligne_Alarme& alarme);

    // Tray menu.
    void Mnu_Fermer_Click();
    void Mnu_Quit_Click();
    void Mnu_Mnémo_Click();
    void Mnu_Afficher_Click();
    void Mnu_Lancer_Click(int index);

    // Utility buttons.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void StartSysInfo();

    // Width of the whole window in twips, as the list panel needs it.
    void Fixer_Largeur(int twips);
    int Largeur() const;

    Platform& plateforme;
    Contexte_Mnémo contexte;
    // The common dialog the launcher and every memo window share, kept in the context they all reach.
    Dialogue_Commun& CommonDialog1;
    std::array<QPointer<Mnemo>, NB_FENÊTRES> Fenêtres_Mnémo;
    qint16 Nb_Fenêtres = 0;
    Minuterie_Alarmes Timer1;

    QMenu* MenuPopUp = nullptr;
    QAction* Mnu_Fermer = nullptr;
    QAction* Mnu_Quit = nullptr;
    QAction* Mnu_Mnémo = nullptr;
    QAction* Mnu_Afficher = nullptr;
    QAction* Mnu_Lancer_0 = nullptr; // the launcher's hidden placeholder
    std::unique_ptr<Lanceur> Mnu_Lancer;

    QPushButton* Command2 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;

    PanneauListe* FR_Liste = nullptr;

    // Ends the process once the shut-down sequence has run; tests replace it.
    std::function<void()> terminer;
    bool estTerminé() const { return terminé_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Créer_Boutons();
    void Créer_Menu();
    void Créer_Liste();

    void Terminer_Programme();
    void protégerDossiers();
    bool Mot_De_Passe_Admis(const QString& motDePasse, const QString& titre);
    // The picture of a memo being opened; when its file is there but gives none, the user is told once,
    // and the memo opens without it.
    QImage Image_À_L_Ouverture(const QString& nom, const QString& titre);
    // Files a crashed save left aside, removed only by the copy holding the program folder's lock.
    void Supprimer_Restes(bool verrouTenu);

    QIcon icôneBarre_;
    QString bulleBarre_;
    QHash<QString, int> lignesAlarme_; // by memo name, the rows of the last rebuild of the alarm table
    bool déchargement_ = false;        // Form_Unload is closing the memos
    bool terminé_ = false;
};
