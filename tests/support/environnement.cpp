#include "environnement.h"

#include "generateur.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

void FauxDialogues::message(QWidget*, const QString& texte, const QString& titre)
{
    messages.append({texte, titre});
    if (pendantMessage)
        pendantMessage();
}

bool FauxDialogues::question(QWidget*, const QString& texte, const QString& titre)
{
    questions.append({texte, titre});
    return reponses.isEmpty() ? true : reponses.takeFirst();
}

bool FauxDialogues::questionPrudente(QWidget* parent, const QString& texte, const QString& titre)
{
    const bool oui = question(parent, texte, titre);
    questions.last().prudente = true;
    return oui;
}

QString FauxDialogues::ouvrirFichier(QWidget*, const QString&, const QString& filtre)
{
    filtres.append(filtre);
    return fichiersChoisis.isEmpty() ? QString() : fichiersChoisis.takeFirst();
}

QString FauxDialogues::enregistrerFichier(QWidget* parent, const QString& chemin, const QString& filtre)
{
    return ouvrirFichier(parent, chemin, filtre);
}

int FauxDialogues::choisir(QWidget*, const QString&, const QString&, const QStringList& e, int courant)
{
    elements = e;
    return choix.isEmpty() ? courant : choix.takeFirst();
}

bool FauxSysteme::ouvrirAdresse(const QUrl& a)
{
    adresses.append(a);
    return ouvertureReussie;
}

void FausseImprimante::setNomPolice(const QString& nom)
{
    police_.setFamily(nom);
    journal.append(u"police "_s + nom);
}

void FausseImprimante::setTaillePolice(double points)
{
    police_.setPointSizeF(points);
    journal.append(u"taille "_s + QString::number(points));
}

void FausseImprimante::setGras(bool gras)
{
    police_.setBold(gras);
    journal.append(gras ? u"gras"_s : u"maigre"_s);
}

void FausseImprimante::setCouleur(const QColor& couleur)
{
    journal.append(u"couleur "_s + couleur.name());
}

void FausseImprimante::nommerDocument(const QString& nom)
{
    journal.append(u"document "_s + nom);
}

void FausseImprimante::imprimerLigne(const QList<MorceauLigne>& morceaux)
{
    QStringList pieces;
    for (const MorceauLigne& m : morceaux)
        pieces.append(QString::number(m.colonne) + u':' + m.texte);
    journal.append(u"ligne "_s + pieces.join(u'|'));
}

void FausseImprimante::dessinerImage(const QImage& image, double x, double y, double l, double h)
{
    journal.append(u"image %1,%2,%3,%4%5"_s.arg(x).arg(y).arg(l).arg(h).arg(image.isNull() ? u" vide"_s : QString()));
}

void FausseImprimante::nouvellePage()
{
    journal.append(u"page"_s);
}

ResultatImpression FausseImprimante::finDocument()
{
    journal.append(u"fin"_s);
    return resultat;
}

double FausseImprimante::largeurTexte(const QString& texte)
{
    return static_cast<double>(texte.size()) * twipsParCaractere;
}

QStringList FausseImprimante::lignes() const
{
    QStringList r;
    for (const QString& e : journal) {
        if (e.startsWith(u"ligne "_s))
            r.append(e.mid(6));
        else if (e == u"page"_s)
            r.append(e);
    }
    return r;
}

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
    Services s;
    auto d = std::make_unique<FauxDialogues>();
    auto y = std::make_unique<FauxSysteme>();
    dialogues = d.get();
    systeme = y.get();
    s.dialogues = std::move(d);
    s.systeme = std::move(y);
    if (imprimantePdf) {
        s.imprimante = std::make_unique<ImprimanteQt>(ImprimanteQt::Sortie::Pdf);
        imprimante = nullptr;
    } else {
        auto i = std::make_unique<FausseImprimante>();
        imprimante = i.get();
        s.imprimante = std::move(i);
    }
    prog = std::make_unique<Programme>(std::move(s), dossier.path());
    prog->intervalleSplash = 1;
    prog->importeur = QStringLiteral(CARNET_BUILD_DIR "/carnet-import");
    prog->zoom.MesurerEcran(systeme->taille);
    return *prog;
}

void DossierProgramme::genererDemo()
{
    genererDossierDemo(dossier.path());
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
    Fiche f;
    f.categorie = categorie;
    f.titre = titre;
    f.tempPrepa = u"10 MN"_s;
    f.tempCuisson = u"?"_s;
    f.difficulte = u"a"_s;
    f.ingrediant = ingrediant;
    f.preparation = preparation;
    f.vin = u"?"_s;
    return f;
}
