// A test program that breaks the strict fake's rules on purpose: each of its failing functions must fail
// with the report named in expect_failures.cmake, and the OK box must pass.
#include "FakePlatform.h"

#include <QDialog>
#include <QTest>

#include <memory>

class StrictFake : public QObject {
    Q_OBJECT
private slots:
    void init() { membre_ = std::make_unique<FakePlatform>(); }
    void cleanup() { membre_.reset(); }

    void questionNonScriptee() {
        FakePlatform plateforme;
        QWidget fenêtre;
        plateforme.messageBox(fenêtre, QStringLiteral("Faut-il ?"), MessageButtons::YesNo,
                              MessageIcon::Question, QStringLiteral("Titre"));
    }

    void saisieEtFichierNonScriptes() {
        FakePlatform plateforme;
        QWidget fenêtre;
        plateforme.inputBox(fenêtre, QStringLiteral("Nom ?"), QStringLiteral("Saisie"), QString());
        plateforme.openFileName(fenêtre, {QStringLiteral("Ouvrir"), QString(), QString(), 1});
    }

    void couleurEtPoliceNonScriptees() {
        FakePlatform plateforme;
        QWidget fenêtre;
        plateforme.chooseColor(fenêtre, QStringLiteral("Couleur"), Qt::black);
        plateforme.chooseFont(fenêtre, QStringLiteral("Police"), QFont());
    }

    void reponsesInutilisees() {
        FakePlatform plateforme;
        plateforme.answers.push_back(vbYes);
        plateforme.inputs.push_back(QStringLiteral("x"));
    }

    void dialogueNonScripteVuAuNettoyage() {
        QWidget fenêtre;
        QDialog dialogue;
        dialogue.setObjectName(QStringLiteral("choix"));
        dialogue.setWindowTitle(QStringLiteral("Choix"));
        membre_->execDialog(fenêtre, dialogue);
    }

    void boiteOkSansScript() {
        FakePlatform plateforme;
        QWidget fenêtre;
        QCOMPARE(plateforme.messageBox(fenêtre, QStringLiteral("Fait"), MessageButtons::Ok, MessageIcon::None,
                                       QStringLiteral("Titre")),
                 vbOK);
        QCOMPARE(plateforme.messages.size(), 1);
    }

private:
    std::unique_ptr<FakePlatform> membre_;
};

QTEST_MAIN(StrictFake)
#include "fake_strict_failures.moc"
