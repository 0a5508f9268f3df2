#include "Mnemo.h"

#include "CouleursMnemo.h"
#include "DispositionMnemo.h"
#include "EcranVisible.h"
#include "PanneauOptions.h"
#include "PetitsControles.h"

#include "platform/core/ApplicationTitle.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QWindow>

namespace {
constexpr int LARGEUR_CLIENT_INITIALE = 4515;
constexpr int HAUTEUR_CLIENT_INITIALE = 5595;
constexpr int HAUTEUR_LÉGENDE = 230; // twips, the caption bar of the move mode
constexpr int BORD = 3;              // pixels, the thin edge that resizes the window
// A title read from a file may be of any length; the desktop's window list shows a line of it at most.
constexpr int LONGUEUR_NOM_FENÊTRE = 200;

// Only the program's own windows count as leaving a memo; message boxes, input boxes and common dialogs
// do not.
bool compteCommeActivation(QWindow* fenêtre) {
    if (!fenêtre) return false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() == fenêtre) return estFenêtreDuProgramme(w);
    }
    return false;
}

bool estUneToucheDeModification(int touche) {
    return touche == Qt::Key_Control || touche == Qt::Key_Shift || touche == Qt::Key_Alt ||
           touche == Qt::Key_AltGr || touche == Qt::Key_Meta;
}

Qt::Edges bordsSous(const QPoint& p, const QSize& taille) {
    Qt::Edges bords;
    if (p.x() < BORD) bords |= Qt::LeftEdge;
    if (p.x() >= taille.width() - BORD) bords |= Qt::RightEdge;
    if (p.y() < BORD) bords |= Qt::TopEdge;
    if (p.y() >= taille.height() - BORD) bords |= Qt::BottomEdge;
    return bords;
}
} // namespace

Mnemo::Mnemo(Contexte_Mnémo& c, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), contexte(c) {
    setObjectName(QStringLiteral("Mnemo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    Créer_Contrôles();
    Créer_Menu();
    resize(twipsToPixels(LARGEUR_CLIENT_INITIALE) + 2 * BORD,
           twipsToPixels(HAUTEUR_CLIENT_INITIALE) + 2 * BORD);
    placerZoneClient();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Mnemo::suivreActivation);
    Form_Load();
    Préparer_Récupération();
}

Mnemo::~Mnemo() = default;

// Geometry in twips: the outer rectangle, as the memo file keeps it.
int Mnemo::Left() const {
    return pixelsToTwips(geometry().x());
}
int Mnemo::Top() const {
    return pixelsToTwips(geometry().y());
}
int Mnemo::Width() const {
    return pixelsToTwips(geometry().width());
}
int Mnemo::Height() const {
    return pixelsToTwips(geometry().height());
}
void Mnemo::setLeft(int twips) {
    move(twipsToPixels(twips), geometry().y());
}
void Mnemo::setTop(int twips) {
    move(geometry().x(), twipsToPixels(twips));
}
void Mnemo::setWidth(int twips) {
    resize(std::max(1, twipsToPixels(twips)), geometry().height());
}
void Mnemo::setHeight(int twips) {
    resize(geometry().width(), std::max(1, twipsToPixels(twips)));
}

void Mnemo::setCaption(const QString& caption) {
    caption_ = caption;
    nommerFenêtre();
    barreTitre->setText(caption);
    placerZoneClient();
}

// Without a caption the window shows no bar, but the desktop (task switcher, window list) still names it:
// by the memo's title.
void Mnemo::nommerFenêtre() {
    const QString nom = caption_.isEmpty() ? Titre() : caption_;
    setWindowTitle(nom.size() <= LONGUEUR_NOM_FENÊTRE ? nom : nom.left(LONGUEUR_NOM_FENÊTRE) + QChar(0x2026));
}

void Mnemo::placerZoneClient() {
    const int légende = caption_.isEmpty() ? 0 : twipsToPixels(HAUTEUR_LÉGENDE);
    barreTitre->setVisible(légende > 0);
    barreTitre->setGeometry(BORD, BORD, std::max(0, width() - 2 * BORD), légende);
    zoneClient->setGeometry(BORD, BORD + légende, std::max(0, width() - 2 * BORD),
                            std::max(0, height() - 2 * BORD - légende));
}

void Mnemo::prendreLeClavier() {
    raise();
    activateWindow();
    TX_Mnémo->setFocus(Qt::ActiveWindowFocusReason);
}

void Mnemo::Form_Load() {
    Modifié = false;
    Appliquer_Couleur(FR_Mnémo->palette().color(QPalette::Window));
    for (CelluleCouleur* cellule : PT_Couleurs)
        cellule->show();
}

// The memo colour: the window's background, given to the memo frame, the text, the panel buttons and the
// call-menu button. The options and picture panels and the palette keep their own colours.
void Mnemo::Appliquer_Couleur(const QColor& fond) {
    for (QWidget* w : std::initializer_list<QWidget*>{this, zoneClient, FR_Mnémo, TX_Mnémo, Option1, Option2,
                                                      Option3, PT_Appel_Menu})
        colorerFond(*w, fond);
    QPalette texte = TX_Mnémo->palette();
    texte.setColor(QPalette::Base, fond);
    TX_Mnémo->setPalette(texte);
    // The memo keeps the colour chosen; what is written on it turns black or white to stay readable.
    const QColor lisible = couleurLisibleSur(fond);
    for (QWidget* w :
         std::initializer_list<QWidget*>{TX_Mnémo, LB_Titre, Option1, Option2, Option3, PT_Appel_Menu}) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, lisible);
        if (w == TX_Mnémo) p.setColor(QPalette::Text, lisible);
        w->setPalette(p);
    }
}

void Mnemo::Colorier() {
    Appliquer_Couleur(palette().color(QPalette::Window));
    Modifié = true;
}

void Mnemo::Disposer() {
    if (contexte.Création_Mnémo) return;
    const Tailles_Mnémo avant{pixelsToTwips(FR_Mnémo->height()),  pixelsToTwips(FR_Mnémo->width()),
                              pixelsToTwips(TX_Mnémo->width()),   pixelsToTwips(TX_Mnémo->height()),
                              pixelsToTwips(FR_Options->width()), pixelsToTwips(FR_Options->height())};
    const Tailles_Mnémo t = Disposer_Mnémo(Height(), Width(), !caption_.isEmpty(), avant);
    FR_Mnémo->resize(twipsToPixels(t.FR_Mnémo_Largeur), twipsToPixels(t.FR_Mnémo_Hauteur));
    TX_Mnémo->resize(twipsToPixels(t.TX_Mnémo_Largeur), twipsToPixels(t.TX_Mnémo_Hauteur));
    FR_Options->resize(twipsToPixels(t.FR_Options_Largeur), twipsToPixels(t.FR_Options_Hauteur));
}

void Mnemo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placerZoneClient();
    Disposer();
    placerPanneauImage();
}

void Mnemo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Mnemo::mousePressEvent(QMouseEvent* event) {
    const Qt::Edges bords = bordsSous(event->position().toPoint(), size());
    if (bords) commencerGlissement(*event, bords);
}

void Mnemo::mouseReleaseEvent(QMouseEvent*) {
    glissement_.reset();
}

// A move or a resize goes to the desktop only once the left button, held down, has carried the pointer
// past the drag distance: a click of any button, however short, leaves the window where it is.
void Mnemo::commencerGlissement(const QMouseEvent& event, Qt::Edges bords) {
    glissement_.reset();
    if (event.button() == Qt::LeftButton) glissement_ = Glissement{event.globalPosition().toPoint(), bords};
}

bool Mnemo::poursuivreGlissement(const QMouseEvent& event) {
    if (!glissement_) return false;
    if (!(event.buttons() & Qt::LeftButton)) {
        glissement_.reset();
        return false;
    }
    const QPoint chemin = event.globalPosition().toPoint() - glissement_->départ;
    if (chemin.manhattanLength() < QApplication::startDragDistance()) return true;
    const Qt::Edges bords = glissement_->bords;
    glissement_.reset();
    if (QWindow* fenêtre = windowHandle()) {
        if (bords)
            fenêtre->startSystemResize(bords);
        else
            fenêtre->startSystemMove();
    }
    return true;
}

void Mnemo::mouseMoveEvent(QMouseEvent* event) {
    if (poursuivreGlissement(*event)) return;
    const Qt::Edges bords = bordsSous(event->position().toPoint(), size());
    if ((bords & Qt::LeftEdge && bords & Qt::TopEdge) || (bords & Qt::RightEdge && bords & Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if ((bords & Qt::RightEdge && bords & Qt::TopEdge) ||
             (bords & Qt::LeftEdge && bords & Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (bords & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (bords & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

bool Mnemo::eventFilter(QObject* objet, QEvent* event) {
    if (objet == TX_Mnémo && event->type() == QEvent::KeyPress) {
        // Any key counts, even one that changes nothing, but not Ctrl, Shift or Alt alone: they start the
        // window's shortcuts (Ctrl+W closes an untouched memo without a question).
        const auto* touche = static_cast<QKeyEvent*>(event);
        if (!estUneToucheDeModification(touche->key())) Modifié = true;
        // A typed double quote comes in as its two apostrophes, typed like any other letters: replacing it
        // once in the text would make its own undo step, and undoing that one would bring the quote back.
        if (touche->text().contains(QLatin1Char('"'))) {
            QKeyEvent apostrophes(touche->type(), touche->key(), touche->modifiers(),
                                  QString(touche->text()).replace(QLatin1Char('"'), QStringLiteral("''")),
                                  touche->isAutoRepeat(), touche->count());
            QCoreApplication::sendEvent(TX_Mnémo, &apostrophes);
            return true;
        }
    } else if (objet == barreTitre && event->type() == QEvent::MouseButtonPress) {
        commencerGlissement(*static_cast<QMouseEvent*>(event), {});
        return true;
    } else if (objet == barreTitre && event->type() == QEvent::MouseMove) {
        poursuivreGlissement(*static_cast<QMouseEvent*>(event));
        return true;
    } else if (objet == barreTitre && event->type() == QEvent::MouseButtonRelease) {
        glissement_.reset();
        return true;
    } else if (objet == zoneClient && event->type() == QEvent::MouseButtonDblClick) {
        const auto* souris = static_cast<QMouseEvent*>(event);
        if (!zoneClient->childAt(souris->position().toPoint())) Form_DblClick();
    }
    return QWidget::eventFilter(objet, event);
}

void Mnemo::Form_DblClick() {
    contexte.plateforme.messageBox(*this, QStringLiteral("Quitter"), MessageButtons::Ok, MessageIcon::None,
                                   titreApplication());
}

void Mnemo::suivreActivation(QWindow* fenêtreActive) {
    if (fenêtreActive && fenêtreActive == windowHandle()) {
        actif_ = true;
        return;
    }
    if (!actif_ || !compteCommeActivation(fenêtreActive)) return;
    actif_ = false;
    Perte_Activation();
}

void Mnemo::Perte_Activation() {
    if (fermeture_) return;
    Platform& p = contexte.plateforme;
    if (Height() < CÔTÉ_MINIMAL_MNÉMO || Width() < CÔTÉ_MINIMAL_MNÉMO) {
        const int réponse =
            p.messageBox(*this, QStringLiteral("Voulez-vous recentrer à l'écran le Mnémo : ") + Titre(),
                         MessageButtons::YesNo, MessageIcon::Question, QStringLiteral("Centrage du Mnémo"));
        if (réponse == vbYes) {
            const QRect écran = pixelsToTwips(p.screenArea());
            setLeft(écran.width() / 2 - Width() / 2);
            setTop(écran.height() / 2 - Height() / 2);
        }
    }
    if (Modifié) {
        const int réponse =
            p.messageBox(*this, QStringLiteral("Sauvegarder ce Mnémo : ") + Titre() + QStringLiteral(" ?"),
                         MessageButtons::YesNo, MessageIcon::Question,
                         QStringLiteral("Sauvegarde du Mmémo :    ") + caption_);
        // The session ended while the box waited: its answer is nobody's, and what could not be saved then
        // keeps its copy.
        if (contexte.Fin_De_Session) return;
        if (réponse == vbYes) {
            Mnu_Sauvegarder_Click();
        } else {
            Modifié = false;
            Oublier_Récupération();
        }
    }
}

void Mnemo::closeEvent(QCloseEvent* event) {
    if (fermeture_) {
        event->accept();
        return;
    }
    fermeture_ = true;
    if (Modifié && !contexte.Fin_De_Session) {
        const int réponse = contexte.plateforme.messageBox(
            *this, QStringLiteral("Faut-il sauvergarder ce Mnémo ?"), MessageButtons::YesNo,
            MessageIcon::Question, QStringLiteral("Mmémo : ") + Titre());
        if (réponse == vbYes && !Sauvegarder()) {
            // The text stays where the user can save it again or copy it out, and whoever was closing
            // windows stops here.
            fermeture_ = false;
            event->ignore();
            return;
        }
    }
    // Unsaved changes the user gave up go with their copy; at the end of a session a memo that could not be
    // saved keeps it for the next start.
    if (!(contexte.Fin_De_Session && Modifié)) Oublier_Récupération();
    minuterieRécupération_.stop();
    event->accept();
}

void Mnemo::Mnu_Fermer_Click() {
    contexte.Fermeture_En_Cours = true;
    close();
    contexte.Fermeture_En_Cours = false;
}

void Mnemo::Mnu_Déplacer_Click() {
    const int haut = Top();
    const int hauteur = Height();
    if (Mnu_Déplacer->isChecked()) {
        setCaption(QString());
        Mnu_Déplacer->setChecked(false);
    } else {
        setCaption(QStringLiteral("Déplacer le Mnémo"));
        Mnu_Déplacer->setChecked(true);
    }
    setTop(haut);
    setHeight(hauteur);
    Disposer();
    update();
}

void Mnemo::appliquerAvantPlan(bool auDessus) {
    contexte.plateforme.keepAbove(*this, auDessus);
}

void Mnemo::CK_Avant_Plan_Click() {
    appliquerAvantPlan(FR_Options->avantPlan());
}
