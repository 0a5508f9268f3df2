// The "erreur N" box that the launcher and the memo files show.
#include "FakePlatform.h"

#include "platform/core/ErreursPlateforme.h"
#include "platform/widgets/BoiteErreur.h"

#include <QTest>
#include <QWidget>

class TestBoiteErreur : public QObject {
    Q_OBJECT
private slots:
    void numeroDansLaLegende();
};

void TestBoiteErreur::numeroDansLaLegende() {
    FakePlatform plateforme;
    QWidget fenêtre;
    Afficher_Erreur(plateforme, fenêtre, ERREUR_DISQUE_PLEIN, Description_Erreur(ERREUR_DISQUE_PLEIN));
    QCOMPARE(plateforme.messages.size(), 1);
    const ShownMessage& boîte = plateforme.messages.first();
    QCOMPARE(boîte.text, QStringLiteral("Disque plein"));
    QCOMPARE(boîte.caption, QStringLiteral("erreur 61"));
    QCOMPARE(boîte.icon, MessageIcon::Critical);
    QCOMPARE(boîte.buttons, MessageButtons::Ok);
    QCOMPARE(boîte.owner, &fenêtre);
}

QTEST_MAIN(TestBoiteErreur)
#include "tst_boite_erreur.moc"
