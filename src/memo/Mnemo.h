#pragma once

#include "ContexteMnemo.h"
#include "DrapeauModifie.h"

#include "platform/widgets/FenetreDuProgramme.h"
#include "store/EmpreinteFiche.h"
#include "store/FicheMnemo.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QMenu;
class QMouseEvent;
class QPlainTextEdit;
class QRadioButton;
class BoutonAppelMenu;
class ImageCliquable;
class TitreCliquable;
class CelluleCouleur;
class PanneauImage;
class PanneauOptions;
struct Fiche_Mnémo;

// One memo: a sticky-note window with its icon, title, text, palette strip, picture and options panels.
// Its geometry is handled in twips, as the memo file keeps it; the window is frameless with a thin edge of
// its own for resizing, and shows a caption bar inside the same outer rectangle while in move mode.
class Mnemo : public QWidget, public FenetreDuProgramme {
    Q_OBJECT
public:
    static constexpr int GAUCHE_TITRE_SAISI = 690; // twips: the title beside the icon once entered
    explicit Mnemo(Contexte_Mnémo& contexte, QWidget* parent = nullptr);
    ~Mnemo() override;

    // The memo name (the file stem of its files), the icon number and the alarm row, as the window keeps
    // them in its tags: an empty text means none.
    QString Tag;
    QString Image1_Tag;
    QString CK_Alarme_Tag;

    Drapeau_Modifié Modifié;
    int Haut_Texte = 0, Hauteur_Texte = 0, Largeur_Texte = 0;

    // Outer rectangle in twips.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    // A new memo is written in at once: its window takes the keyboard, on its text.
    void prendreLeClavier();

    // Window commands.
    void Form_Load();
    void Disposer();
    void Colorier();
    void Appliquer_Couleur(const QColor& fond);
    void Perte_Activation();
    void Mnu_Fermer_Click();
    void Mnu_Déplacer_Click();
    void CK_Avant_Plan_Click();
    void Image1_MouseDown(Qt::MouseButton bouton);
    void Form_DblClick();

    // The panels (text, picture, options), the palette, the colour and font dialogs.
    void Mnu_Options_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void PT_Couleurs_Click(int index);
    void PB_Couleur_Click();
    void PB_Police_Click();

    // Printing: the text report and images of the window.
    void Mnu_Imprimer_Texte_Click();
    void Mnu_Imprimer_Image_Click();

    // Title and text.
    void LB_Titre_Click();
    QString Titre() const;
    void setTitre(const QString& titre);
    QString Texte() const;
    void setTexte(const QString& texte);
    void Contrôle_Change(QWidget* contrôle);
    void PT_Appel_Menu_Click(const QPoint& position); // global, where the click was
    void PT_Appel_Menu_DblClick();

    // The clipboard: copying what the user is looking at, pasting what it holds.
    void Men_Copier_Click();
    void Men_Coller_Click();

    // Saving, deleting, filling from a memo's files.
    void Mnu_Sauvegarder_Click();
    // The save itself, answering whether the memo's files were written. With questions, letters its file
    // cannot hold are asked about first and a failure is shown; without (nobody can answer them: the
    // session ends), nothing is asked or shown, a memo that would need a question is not written, and what
    // stopped the save is left in pourquoi.
    bool Sauvegarder(bool avecQuestions = true, QString* pourquoi = nullptr);
    QString Fichier_Fiche() const; // the record file, as the user is told of it
    void Mnu_Supprimer_Click();
    Fiche_Mnémo Fiche() const;
    void Remplir(const Fiche_Mnémo& fiche, const QString& texteClair, const QString& motDePasse,
                 const QImage& image, int ligneAlarme);
    void Choisir_Icône(int numéro);
    QImage Image() const;
    void setImage(const QImage& image);

    // Another copy of the program may save the same memo. The window keeps what its record was when it
    // read or last wrote it, and a save over a record changed or deleted since asks first; where nobody
    // can answer, the memo is saved under a new name instead, next to the other copy's version.
    void Retenir_Fiche_Sur_Disque();                // after filling the window from the memo's files
    void Retenir_Fiche(const Empreinte_Fiche& lue); // the record as it was read, when that was earlier
    void Retenir_Fiche_Absente();                   // after deleting them
    bool Accepter_Fiche_Sur_Disque(bool avecQuestions, QString* pourquoi, QString& nomQuitté);
    void Conclure_Écriture(bool écrite, const Empreinte_Fiche& empreinte, const QString& nomQuitté);

    // The recovery copy of unsaved changes (store/Recuperation.h). Every few seconds, a modified memo whose
    // record changed since its last copy gets a new one; saving and giving up the changes remove it. Tests
    // call Garder_Récupération for the timer.
    static constexpr int DÉLAI_RÉCUPÉRATION_MS = 3000;
    void Garder_Récupération();
    bool Écrire_Récupération(QString* pourquoi = nullptr);
    void Oublier_Récupération();
    QString Fichier_Récupération() const;

    // Controls, named as the memo file and the menus name them.
    QWidget* zoneClient = nullptr;
    QLabel* barreTitre = nullptr;
    BoutonAppelMenu* PT_Appel_Menu = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QFrame* FR_Mnémo = nullptr;
    QPlainTextEdit* TX_Mnémo = nullptr;
    TitreCliquable* LB_Titre = nullptr;
    ImageCliquable* Image1 = nullptr;
    QList<CelluleCouleur*> PT_Couleurs;
    PanneauOptions* FR_Options = nullptr; // the settings and the alarm group
    PanneauImage* FR_Image = nullptr;     // the picture, Image2

    QMenu* Mnu_Mnémo = nullptr;
    QAction* Mnu_Sauvegarder = nullptr;
    QMenu* Mnu_Imprimer = nullptr;
    QAction* Mnu_Imprimer_Texte = nullptr;
    QAction* Mnu_Imprimer_Image = nullptr;
    QAction* Mnu_Fermer = nullptr;
    QAction* Mnu_Supprimer = nullptr;
    QAction* Mnu_Déplacer = nullptr;
    QAction* Men_Titre = nullptr;
    QAction* Mnu_Options = nullptr;
    QAction* Men_Copier = nullptr;
    QAction* Men_Coller = nullptr;

    Contexte_Mnémo& contexte;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void Créer_Contrôles();
    void Créer_Panneaux();
    void Créer_Menu();
    void placerPanneauImage();
    void garderGéométrieTexte();
    void montrerTexte();
    void quitterOptionsPourSauvegarder();
    void Préparer_Récupération();
    bool texteCollable(qsizetype longueur);
    ClipboardImage prendreImageCollée();
    void insérerTexteCollé(const QString& texte);
    void remplacerTexteParCollé(const QString& texte);
    void placerImageCollée(const QImage& image);
    void placerZoneClient();
    void nommerFenêtre();
    void appliquerAvantPlan(bool auDessus);
    void noterChangementTexte(int position, int ajoutés);
    void remplacerGuillemetsDuTexte();
    void suivreActivation(QWindow* fenêtreActive);
    void commencerGlissement(const QMouseEvent& event, Qt::Edges bords);
    bool poursuivreGlissement(const QMouseEvent& event);

    // A left press on the caption bar (no edges) or on the resizing edge, until it becomes a drag.
    struct Glissement {
        QPoint départ; // global
        Qt::Edges bords;
    };
    std::optional<Glissement> glissement_;

    // The panel showing; after a save from the options panel it is the text, though "&Options" stays
    // selected.
    enum class Panneau { Texte, Image, Options };
    Panneau panneau_ = Panneau::Texte;
    QButtonGroup* boutonsPanneaux_ = nullptr; // Option1 to Option3

    QString caption_;
    // Where the text changed since Contrôle_Change last looked at it (from, to); none: all of it.
    std::optional<std::pair<int, int>> changementTexte_;
    Empreinte_Fiche ficheConnue_; // a new memo's record is expected absent
    QTimer minuterieRécupération_;
    std::optional<Fiche_Mnémo> dernièreRécupération_; // as last kept, to write only what changed
    bool récupérationEnÉchec_ = false;                // told once until a copy succeeds again
    bool fermeture_ = false;
    bool actif_ = false;
};

using Mnémo = Mnemo;
