// Makes the memo folder the benchmark measures, with the program's own writer, and the same notes for the
// peer program.
//
//   dossier_de_mesure PROGRAM_FOLDER [--mnemos N] [--ouverts N] [--images N] [--proteges N] [--alarmes N]
//                     [--armee HH:MM] [--xpad FOLDER]
//
// Defaults: 999 memos, 100 always open (the first 20 with a 200 x 200 picture), 50 always-closed ones
// with a password, texts of 200 B to 20 KB, 30 alarms on a past day (nothing armed). --armee adds one
// every-day alarm at that time to an always-closed memo. --xpad writes one xpad note per always-open memo,
// with its text, place and size.
#include "store/ChampsAlarme.h"
#include "store/EcritureMnemo.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextStream>

#include <cstdio>

namespace {

// Draws from a fixed seed: every run measures the same folder.
class HasardFixe final : public RandomSource {
public:
    void randomize() override {}
    double rnd() override { return générateur_.generateDouble(); }
    QRandomGenerator générateur_{20261210};
};

QString texteDe(QRandomGenerator& g, int octets) {
    static const QString mots[] = {
        QStringLiteral("rendez-vous"), QStringLiteral("acheter"), QStringLiteral("pain"),
        QStringLiteral("réunion"),     QStringLiteral("à"),       QStringLiteral("téléphoner"),
        QStringLiteral("lundi"),       QStringLiteral("notes"),   QStringLiteral("projet")};
    QString texte;
    texte.reserve(octets + 16);
    int ligne = 0;
    while (texte.size() < octets) {
        const QString& mot = mots[g.bounded(9)];
        texte += mot;
        ligne += static_cast<int>(mot.size()) + 1;
        if (ligne > 60) {
            texte += QLatin1Char('\n');
            ligne = 0;
        } else {
            texte += QLatin1Char(' ');
        }
    }
    texte.truncate(octets);
    return texte;
}

QImage imageDe(int graine) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(graine * 37 % 360, 120, 230));
    QPainter peintre(&image);
    peintre.setPen(Qt::black);
    peintre.drawEllipse(20, 20, 160, 160);
    peintre.drawText(QRect(0, 0, 200, 200), Qt::AlignCenter, QString::number(graine));
    return image;
}

int entier(const QCommandLineParser& options, const QString& nom) {
    return options.value(nom).toInt();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QCommandLineParser options;
    options.addPositionalArgument(QStringLiteral("dossier"), QStringLiteral("program folder to fill"));
    options.addOptions({
        {QStringLiteral("mnemos"), QStringLiteral("memos"), QStringLiteral("N"), QStringLiteral("999")},
        {QStringLiteral("ouverts"), QStringLiteral("always open"), QStringLiteral("N"),
         QStringLiteral("100")},
        {QStringLiteral("images"), QStringLiteral("open ones with a picture"), QStringLiteral("N"),
         QStringLiteral("20")},
        {QStringLiteral("proteges"), QStringLiteral("closed ones with a password"), QStringLiteral("N"),
         QStringLiteral("50")},
        {QStringLiteral("alarmes"), QStringLiteral("alarms on a past day"), QStringLiteral("N"),
         QStringLiteral("30")},
        {QStringLiteral("armee"), QStringLiteral("one every-day alarm at"), QStringLiteral("HH:MM")},
        {QStringLiteral("xpad"), QStringLiteral("xpad's note folder to write"), QStringLiteral("FOLDER")},
    });
    options.process(application);
    if (options.positionalArguments().size() != 1) options.showHelp(2);

    const QString dossierMnémos = options.positionalArguments().constFirst() + QStringLiteral("/Mnemos");
    const int nombre = entier(options, QStringLiteral("mnemos"));
    const int ouverts = entier(options, QStringLiteral("ouverts"));
    const int images = entier(options, QStringLiteral("images"));
    const int protégés = entier(options, QStringLiteral("proteges"));
    const int alarmes = entier(options, QStringLiteral("alarmes"));
    const QString armée = options.value(QStringLiteral("armee"));
    const QString dossierXpad = options.value(QStringLiteral("xpad"));
    if (!dossierXpad.isEmpty()) QDir().mkpath(dossierXpad);

    HasardFixe hasard;
    QRandomGenerator& g = hasard.générateur_;
    const int largeurÉcran = 1280, hauteurÉcran = 800;
    for (int i = 0; i < nombre; ++i) {
        Fiche_Mnémo fiche;
        const bool ouvert = i < ouverts;
        fiche.Ouvert = ouvert;
        fiche.Fermé = !ouvert;
        fiche.Titre = QStringLiteral("Mémo %1").arg(i + 1);
        fiche.Texte = texteDe(g, 200 + static_cast<int>(g.bounded(20 * 1024 - 200)));
        fiche.Couleur = 0x80FFFF;
        fiche.Avant_Plan = ouvert && i % 10 == 0;
        const int largeur = 200, hauteur = 180;
        const int x = (i * 37) % (largeurÉcran - largeur), y = 30 + (i * 23) % (hauteurÉcran - hauteur - 30);
        fiche.Gauche = x * 15;
        fiche.Haut = y * 15;
        fiche.Largeur = largeur * 15;
        fiche.Hauteur = hauteur * 15;
        fiche.Police = QStringLiteral("Arial");
        fiche.Taille = 10;
        fiche.Icône = static_cast<qint16>(i % 40);
        if (!ouvert && i >= nombre - protégés) fiche.MdP = QStringLiteral("secret");
        if (i >= ouverts && i < ouverts + alarmes) {
            fiche.Alarme = true;
            fiche.Jour = Écrire_Jour(QDate(2020, 1, 6));
            fiche.Heure = QStringLiteral("%1:%2")
                              .arg(8 + i % 10, 2, 10, QLatin1Char('0'))
                              .arg(i % 60, 2, 10, QLatin1Char('0'));
            fiche.Message = QStringLiteral("Alarme du mémo %1").arg(i + 1);
        }
        if (!armée.isEmpty() && i == ouverts + alarmes) {
            fiche.Alarme = true;
            fiche.Heure = armée;
            fiche.Message = QStringLiteral("Alarme armée");
        }
        const QString nom = QStringLiteral("10122026_%1").arg(i + 1, 5, 10, QLatin1Char('0'));
        const QImage image = ouvert && i < images ? imageDe(i) : QImage();
        const Résultat_Écriture écrit = Écrire_Mnémo(hasard, dossierMnémos, nom, fiche, image);
        if (!écrit.ok()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(nom), qPrintable(écrit.description));
            return 1;
        }
        if (ouvert && !dossierXpad.isEmpty()) {
            const QString suffixe = QStringLiteral("%1").arg(i + 1, 6, 10, QLatin1Char('0'));
            QFile contenu(dossierXpad + QStringLiteral("/content-") + suffixe);
            QFile info(dossierXpad + QStringLiteral("/info-") + suffixe);
            if (!contenu.open(QIODevice::WriteOnly) || !info.open(QIODevice::WriteOnly)) return 1;
            contenu.write(fiche.Texte.toUtf8());
            QTextStream(&info)
                << "width " << largeur << "\nheight " << hauteur << "\nx " << x << "\ny " << y
                << "\nfollow_font 1\nfollow_color 1\nsticky " << (fiche.Avant_Plan ? 1 : 0)
                << "\nhidden 0\nback rgb(255,255,128)\ntext rgb(0,0,0)\nfontname Sans 10\ncontent "
                << "content-" << suffixe << "\n";
        }
    }
    return 0;
}
