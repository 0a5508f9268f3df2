// Reading and writing registry values: what the caller gets from what the store holds.
#include "FakeRegistry.h"

#include "platform/core/CleRegistre.h"
#include "platform/core/ErreursPlateforme.h"

#include <QTest>

Q_DECLARE_METATYPE(RegistryValue::State)

class TestRegistre : public QObject {
    Q_OBJECT
private slots:
    void decodage_data();
    void decodage();
    void miseAJour_data();
    void miseAJour();
};

void TestRegistre::decodage_data() {
    using S = RegistryValue::State;
    QTest::addColumn<S>("état");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("données");
    QTest::addColumn<bool>("lue");
    QTest::addColumn<QString>("texte");

    const QByteArray a1023(1023, 'a');
    QTest::newRow("texte et son NUL")
        << S::Read << REG_SZ << QByteArray("/usr/bin/pensoir\0", 17) << true << "/usr/bin/pensoir";
    QTest::newRow("texte sans NUL") << S::Read << REG_SZ << QByteArray("abc") << true << "abc";
    QTest::newRow("un seul NUL ôté") << S::Read << REG_SZ << QByteArray("ab\0\0", 4) << true
                                     << QString::fromLatin1("ab\0", 3);
    QTest::newRow("texte vide") << S::Read << REG_SZ << QByteArray() << true << "";
    QTest::newRow("un blanc") << S::Read << REG_SZ << QByteArray(" ") << true << " ";
    QTest::newRow("accents") << S::Read << REG_SZ << QByteArray("/home/zoé/pensoir\0", 19) << true
                             << "/home/zoé/pensoir";
    QTest::newRow("1024 octets, NUL compris") << S::Read << REG_SZ << a1023 + '\0' << true << QString(a1023);
    QTest::newRow("1024 octets sans NUL") << S::Read << REG_SZ << a1023 + 'b' << true << QString(a1023 + 'b');
    QTest::newRow("1025 octets: illisible")
        << S::Read << REG_SZ << a1023 + QByteArray("b\0", 2) << false << "";
    QTest::newRow("nombre") << S::Read << REG_DWORD << QByteArray("\x78\x56\x34\x12", 4) << true
                            << "&h12345678";
    QTest::newRow("nombre, octets hauts nuls gardés")
        << S::Read << REG_DWORD << QByteArray("\x0A\x00\x00\x00", 4) << true << "&h0000000A";
    QTest::newRow("nombre, chiffres hexadécimaux")
        << S::Read << REG_DWORD << QByteArray("\xEF\xCD\xAB\x00", 4) << true << "&h00ABCDEF";
    QTest::newRow("texte à développer: autre type")
        << S::Read << REG_EXPAND_SZ << QByteArray("%PATH%\0", 7) << false << "";
    QTest::newRow("binaire: autre type") << S::Read << REG_BINARY << QByteArray("\x01\x02", 2) << false << "";
    QTest::newRow("clé absente") << S::KeyMissing << REG_SZ << QByteArray() << false << "";
    QTest::newRow("valeur absente") << S::ValueMissing << REG_SZ << QByteArray() << false << "";
}

void TestRegistre::decodage() {
    QFETCH(RegistryValue::State, état);
    QFETCH(quint32, type);
    QFETCH(QByteArray, données);
    QFETCH(bool, lue);
    QFETCH(QString, texte);

    // Whatever the caller passed is replaced.
    QString KeyVal = QStringLiteral("d'avant");
    QCOMPARE(décoderValeur({état, type, données}, KeyVal), lue);
    QCOMPARE(KeyVal, texte);
}

void TestRegistre::miseAJour_data() {
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<bool>("échoue");
    QTest::addColumn<QString>("valeurAprès"); // in the caller's variable
    QTest::addColumn<QString>("relue");       // "" when nothing was written

    QTest::newRow("chemin") << "/opt/mon dossier/pensoir" << false << "/opt/mon dossier/pensoir"
                            << "/opt/mon dossier/pensoir";
    QTest::newRow("vide: un blanc") << "" << false << " "
                                    << " ";
    QTest::newRow("échec") << "/usr/bin/pensoir" << true << "/usr/bin/pensoir"
                           << "";
}

void TestRegistre::miseAJour() {
    QFETCH(QString, valeur);
    QFETCH(bool, échoue);
    QFETCH(QString, valeurAprès);
    QFETCH(QString, relue);

    FakeRegistry registre;
    if (échoue) registre.failure = {ERREUR_ACCES_REFUSE, Description_Erreur(ERREUR_ACCES_REFUSE), "ici"};
    RegistryWrite écriture;
    QCOMPARE(UpdateKey(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, valeur, &écriture),
             !échoue);
    QCOMPARE(valeur, valeurAprès);
    QCOMPARE(écriture.error, échoue ? ERREUR_ACCES_REFUSE : 0);
    if (échoue) QCOMPARE(écriture.place, QStringLiteral("ici"));

    // Stored as text without a final NUL.
    QString lu;
    QCOMPARE(GetKeyValue(registre, HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE, lu), !échoue);
    QCOMPARE(lu, relue);
    if (!échoue)
        QCOMPARE(registre.read(HKEY_LOCAL_MACHINE, CLÉ_DÉMARRAGE, VALEUR_DÉMARRAGE).data, relue.toUtf8());
}

QTEST_GUILESS_MAIN(TestRegistre)
#include "tst_registre.moc"
