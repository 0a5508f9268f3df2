// The login name of the process's user: the user database first, then $USER.
#include "platform/core/UserName.h"

#include <QProcess>
#include <QTest>

class TestUserName : public QObject {
    Q_OBJECT
private slots:
    void choix_data();
    void choix();
    void nomDuSysteme();
};

void TestUserName::choix_data() {
    QTest::addColumn<QByteArray>("compte"); // null: no entry in the user database
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("nom");

    QTest::newRow("le compte d'abord") << QByteArray("zoé") << "autre"
                                       << "zoé";
    QTest::newRow("pas de compte: $USER") << QByteArray() << "zoé"
                                          << "zoé";
    QTest::newRow("compte sans nom: $USER") << QByteArray("") << "zoé"
                                            << "zoé";
    QTest::newRow("ni l'un ni l'autre") << QByteArray() << ""
                                        << "";
}

void TestUserName::choix() {
    QFETCH(QByteArray, compte);
    QFETCH(QString, variable);
    QFETCH(QString, nom);
    QCOMPARE(chooseLoginName(compte.isNull() ? nullptr : compte.constData(), variable), nom);
}

// The same name as the system's own tool gives.
void TestUserName::nomDuSysteme() {
    QProcess id;
    id.start(QStringLiteral("id"), {QStringLiteral("-un")});
    QVERIFY(id.waitForFinished(10000));
    QCOMPARE(loginName(), QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed());
}

QTEST_GUILESS_MAIN(TestUserName)
#include "tst_user_name.moc"
