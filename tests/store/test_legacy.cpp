#include "store/legacy.h"

#include "environnement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Fixtures = QStringLiteral(CARNET_SHARED_DIR "/fixtures/legacy/");
const QString Importeur = QStringLiteral(CARNET_BUILD_DIR "/carnet-import");
const char* const Champs[] = {"Numero", "Categorie", "Titre", "TempPrepa", "TempCuisson",
                              "Difficulte", "Ingrediant", "Preparation", "Vin"};

class Access : public DossierProgramme {
protected:
    QString copier(const QString& fixture, const QString& nom)
    {
        const QString c = chemin(nom);
        EXPECT_TRUE(QFile::copy(Fixtures + fixture, c));
        QFile(c).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return c;
    }
};

TEST_F(Access, LesDeuxFormatsDonnentExactementLesLignesAttendues)
{
    for (const QString& fichier : {u"cuisine.mdb"_s, u"cuisine97.mdb"_s}) {
        QFile attendu(Fixtures + fichier + u".expected.json"_s);
        ASSERT_TRUE(attendu.open(QIODevice::ReadOnly));
        QStringList voulues, lues;
        for (const QByteArray& objet : attendu.readAll().trimmed().split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(objet).object();
            for (const char* champ : Champs) {
                const QJsonValue v = o.value(QLatin1String(champ));
                voulues << (v.isNull() || v.isUndefined()
                                ? u"NULL"_s
                                : u'"' + (v.isDouble() ? QString::number(v.toInteger()) : v.toString()) + u'"');
            }
        }
        for (const LigneAccess& ligne : lireBaseAccess(Importeur, Fixtures + fichier))
            for (const std::optional<QString>& champ : ligne)
                lues << (champ ? u'"' + *champ + u'"' : u"NULL"_s);
        EXPECT_EQ(lues, voulues) << fichier.toStdString();
    }
}

TEST_F(Access, LaConversionGardeLOriginalEtOuvreLaBase)
{
    const QString base = copier(u"cuisine.mdb"_s, u"VIEILLE.mdb"_s);
    const QByteArray avant = contenu(base);
    ASSERT_EQ(BaseRecettes::reconnaitre(base), FormatFichier::Jet);

    EXPECT_EQ(convertirBaseAccess(Importeur, base), u"VIEILLE.mdb.jet"_s);
    EXPECT_EQ(contenu(chemin(u"VIEILLE.mdb.jet"_s)), avant);
    auto ouverte = BaseRecettes::ouvrir(base);
    ASSERT_EQ(ouverte->compter(), 3);
    const auto f = ouverte->ficheParNumero(3);
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->titre, u"Crème brûlée à la vanille"_s);
    EXPECT_EQ(f->vin, QString());  // NULL reads as ""
    EXPECT_TRUE(f->ingrediant.contains(u"\r\n"_s));
    EXPECT_FALSE(QFileInfo::exists(base + u".conversion"_s));

    // A second original of the same name never overwrites the first.
    ouverte.reset();
    QFile::remove(base);
    copier(u"cuisine97.mdb"_s, u"VIEILLE.mdb"_s);
    EXPECT_EQ(convertirBaseAccess(Importeur, base), u"VIEILLE.mdb.jet.2"_s);
    EXPECT_EQ(contenu(chemin(u"VIEILLE.mdb.jet"_s)), avant);
}

TEST_F(Access, LesFichiersEtrangersOuAbimesSontRefusesSansRienToucher)
{
    for (const QString& fichier : {u"DateTestDatabase.mdb"_s, u"ASampleDatabase.accdb"_s,
                                  u"null-usage-map.mdb"_s, u"hang-catalog-loop.mdb"_s}) {
        SCOPED_TRACE(fichier.toStdString());
        const QString base = copier(fichier, u"ESSAI.mdb"_s);
        const QByteArray avant = contenu(base);
        EXPECT_THROW(convertirBaseAccess(Importeur, base), Echec);
        EXPECT_EQ(contenu(base), avant);
        EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{u"ESSAI.mdb"_s});
        QFile::remove(base);
    }
}

TEST_F(Access, UnImporteurQuiNeFinitPasEstArreteSansDemiBase)
{
    const QString base = copier(u"cuisine.mdb"_s, u"LENTE.mdb"_s);
    const QByteArray avant = contenu(base);
    const QString faux = chemin(u"lent.sh"_s);
    ecrire(faux, "#!/bin/sh\nprintf 'CARNET-IMPORT 1\\nR\\nT 1\\n1\\n'\nexec sleep 30\n");
    QFile(faux).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_THROW(convertirBaseAccess(faux, base, LimitesImport{.delaiMs = 500}), Echec);
    EXPECT_EQ(contenu(base), avant);
    EXPECT_FALSE(QFileInfo::exists(base + u".jet"_s));
    EXPECT_FALSE(QFileInfo::exists(base + u".conversion"_s));
}

TEST(FluxImport, UnFluxTronqueOuFauxEstRefuse)
{
    EXPECT_THROW(analyserFluxImport("CARNET-IMPORT 1\nR\nT 5\nab\n"), Echec);
    EXPECT_THROW(analyserFluxImport("CARNET-IMPORT 1\nF 1\n"), Echec);
    EXPECT_THROW(analyserFluxImport("autre chose\n"), Echec);
    const auto lignes = analyserFluxImport("CARNET-IMPORT 1\nR\n" + QByteArray("T 1\nx\n").repeated(8) + "N\nF 1\n");
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_FALSE(lignes[0][8].has_value());
    EXPECT_EQ(lignes[0][2], u"x"_s);
}

}  // namespace
