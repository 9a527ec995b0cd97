#include "environnement.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

void DossierProgramme::SetUp()
{
    ASSERT_TRUE(dossier.isValid());
    ancienDossier_ = QDir::currentPath();
    QDir::setCurrent(dossier.path());
}

void DossierProgramme::TearDown()
{
    prog.reset();
    traiterEvenements();
    QDir::setCurrent(ancienDossier_);
}

Programme& DossierProgramme::programme(bool imprimantePdf)
{
    // Each double is owned by the Programme and stays reachable here.
    Services s;
    s.dialogues.reset(dialogues = new FauxDialogues);
    s.systeme.reset(systeme = new FauxSysteme);
    s.copieur.reset(copieur = new CopieurEspion);
    imprimante = imprimantePdf ? nullptr : new FausseImprimante;
    if (imprimante)
        s.imprimante.reset(imprimante);
    else
        s.imprimante = std::make_unique<ImprimanteQt>(ImprimanteQt::Sortie::Pdf);
    prog = std::make_unique<Programme>(std::move(s), dossier.path());
    prog->intervalleSplash = 1;
    prog->importeur = QStringLiteral(CARNET_BUILD_DIR "/carnet-import");
    prog->zoom.MesurerEcran(systeme->taille);
    return *prog;
}

void DossierProgramme::creerBase(const QString& nom, const QList<Fiche>& fiches)
{
    BaseRecettes::creer(chemin(nom));
    auto base = BaseRecettes::ouvrir(chemin(nom));
    for (const Fiche& f : fiches)
        ASSERT_TRUE(base->ajouter(f).has_value()) << f.titre.toStdString();
}

void DossierProgramme::ouvrirBase(const QString& nom)
{
    ASSERT_TRUE(prog) << "programme() first";
    prog->donnees.NomBase = nom;
    prog->donnees.BaseDonnees = BaseRecettes::ouvrir(nom);
}

QByteArray DossierProgramme::contenu(const QString& c)
{
    QFile f(c);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void DossierProgramme::ecrire(const QString& c, const QByteArray& octets)
{
    QFile f(c);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

void DossierProgramme::traiterEvenements()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

Fiche fiche(const QString& categorie, const QString& titre, const QString& ingrediant,
            const QString& preparation)
{
    return {0, categorie, titre, u"10 MN"_s, u"?"_s, u"a"_s, ingrediant, preparation, u"?"_s};
}
