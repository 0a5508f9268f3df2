#include "shell/InfoBulle.h"

#include <QTest>

class TestInfoBulle : public QObject {
    Q_OBJECT
private slots:
    void texteDuJour_data();
    void texteDuJour();
    void champCoupeA63();
};

void TestInfoBulle::texteDuJour_data() {
    QTest::addColumn<QDate>("jour");
    QTest::addColumn<QString>("attendu");
    const QString fin = QStringLiteral(" - Clic droit = Mnémo et liste de mes utilitaires");
    QTest::newRow("1 janvier") << QDate(2026, 1, 1)
                               << QStringLiteral("jeudi 1 janvier 2026, jour 1, sem 1, trim 1") + fin;
    QTest::newRow("7 janvier, fin de la première semaine")
        << QDate(2026, 1, 7) << QStringLiteral("mercredi 7 janvier 2026, jour 7, sem 1, trim 1") + fin;
    QTest::newRow("8 janvier") << QDate(2026, 1, 8)
                               << QStringLiteral("jeudi 8 janvier 2026, jour 8, sem 2, trim 1") + fin;
    QTest::newRow("1 avril, deuxième trimestre")
        << QDate(2026, 4, 1) << QStringLiteral("mercredi 1 avril 2026, jour 91, sem 13, trim 2") + fin;
    QTest::newRow("29 décembre, année commune")
        << QDate(2025, 12, 29) << QStringLiteral("lundi 29 décembre 2025, jour 363, sem 52, trim 4") + fin;
    QTest::newRow("30 décembre, année bissextile")
        << QDate(2024, 12, 30) << QStringLiteral("lundi 30 décembre 2024, jour 365, sem 53, trim 4") + fin;
    QTest::newRow("31 décembre, année bissextile")
        << QDate(2024, 12, 31) << QStringLiteral("mardi 31 décembre 2024, jour 366, sem 53, trim 4") + fin;
    QTest::newRow("8 décembre 2026") << QDate(2026, 12, 8)
                                     << QStringLiteral("mardi 8 décembre 2026, jour 342, sem 49, trim 4") +
                                            fin;
}

void TestInfoBulle::texteDuJour() {
    QFETCH(QDate, jour);
    QFETCH(QString, attendu);
    QCOMPARE(Texte_Info_Bulle(jour, QLocale(QLocale::French, QLocale::France)), attendu);
}

void TestInfoBulle::champCoupeA63() {
    const QString texte = Texte_Info_Bulle(QDate(2026, 12, 8), QLocale(QLocale::French, QLocale::France));
    QCOMPARE(texte.size(), 96);
    QCOMPARE(Champ_Info_Bulle(texte),
             QStringLiteral("mardi 8 décembre 2026, jour 342, sem 49, trim 4 - Clic droit = "));
    const QString court = QString(63, QLatin1Char('x'));
    QCOMPARE(Champ_Info_Bulle(court), court);
    QCOMPARE(Champ_Info_Bulle(court + QLatin1Char('y')), court);
}

QTEST_GUILESS_MAIN(TestInfoBulle)
#include "tst_info_bulle.moc"
