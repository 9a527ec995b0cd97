// A child process killed at a few moments inside a real operation: the base
// left must open, pass the engine's check, number its cards 1..N and hold
// whole recipes, and no other base may be offered beside it.

#include "environnement.h"
#include "outils.h"
#include "victime.h"

#include "backup/copie.h"
#include "platform/fichiers.h"
#include "shell/copyright.h"

#include <QFileInfo>
#include <QProcess>

#include <chrono>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

class Coupures : public DossierProgramme {
protected:
    static void remplir(const QString& base, int n)
    {
        QFile::remove(base);
        BaseRecettes::creer(base);
        std::vector<Fiche> fiches;
        for (int i = 1; i <= n; ++i) {
            fiches.push_back(victime::recette(i));
            fiches.back().numero = i;
        }
        BaseRecettes::ouvrir(base)->importer(fiches);
    }

    static void tuer(const QStringList& arguments, int delaiUs)
    {
        QProcess enfant;
        enfant.start(QStringLiteral(CARNET_VICTIME), arguments);
        ASSERT_TRUE(enfant.waitForReadyRead(30000)) << enfant.readAllStandardError().toStdString();
        std::this_thread::sleep_for(std::chrono::microseconds(delaiUs));
        EXPECT_EQ(enfant.state(), QProcess::Running) << enfant.readAllStandardError().toStdString();
        enfant.kill();
        enfant.waitForFinished(10000);
    }

    // Opened as the main menu does (a hot journal is rolled back there): the
    // recipes must be the run R(d-n+1)..R(d), whole, numbered 1..n. {n, d}.
    static std::pair<int, int> relire(const QString& base)
    {
        const std::vector<Fiche> fiches = BaseRecettes::ouvrir(base)->toutesLesFiches();
        EXPECT_EQ(fiabilite::integrite(base), u"ok"_s);
        const int n = static_cast<int>(fiches.size());
        const int d = n ? fiches.back().vin.mid(1).toInt() : 0;
        for (int i = 0; i < n; ++i) {
            const Fiche attendue = victime::recette(d - n + 1 + i);
            EXPECT_TRUE(fiches[i].numero == i + 1 && fiches[i].titre == attendue.titre && fiches[i].ingrediant == attendue.ingrediant &&
                        fiches[i].preparation == attendue.preparation)
                << "record " << i + 1 << " of " << n;
        }
        return {n, d};
    }
};

TEST_F(Coupures, UnProgrammeTueLaisseUneBaseEntiereEtAucuneAutre)
{
    const QString base = chemin(u"Base.mdb"_s), a = chemin(u"S/A.mdb"_s), b = chemin(u"S/B.mdb"_s);
    QDir().mkpath(chemin(u"S"_s));
    remplir(a, 20);
    remplir(b, 45);
    struct Cas {
        QStringList arguments;
        std::function<void()> preparer;
        std::function<bool(int n, int d)> entiere;
    };
    const Cas cas[] = {
        // Deleting renumbers every card after it in the same transaction.
        {{u"supprimer"_s, base}, [&] { remplir(base, 60); }, [](int n, int d) { return n == 0 || d == 60; }},
        // The backup's copy: the old file or the new one, never a mix.
        {{u"copier"_s, a, b, base},
         [&] {
             QFile::remove(base);
             QFile::copy(a, base);
         }, [](int n, int d) { return (n == 20 || n == 45) && d == n; }},
        // A compaction's half-written copy under a .mdb name would be offered as a base.
        {{u"compacter"_s, base, chemin(u"temp.MDB"_s)},
         [&] {
             remplir(base, 40);
             auto ouverte = BaseRecettes::ouvrir(base);
             for (int i = 40; i > 30; --i)
                 ouverte->supprimer(i, victime::recette(i).titre);  // free pages to drop
         },
         [](int n, int d) { return n == 30 && d == 30; }},
    };
    for (const Cas& c : cas) {
        for (int delai : {1000, 4000, 12000, 30000, 60000}) {
            SCOPED_TRACE(c.arguments.join(u' ').toStdString() + " killed after " + std::to_string(delai) + " us");
            c.preparer();
            tuer(c.arguments, delai);
            const auto [n, d] = relire(base);
            EXPECT_TRUE(c.entiere(n, d)) << n << " recipes up to R" << d;
            ASSERT_EQ(listerFichiers(QDir(dossier.path()), {u"*.mdb"_s}), QStringList{u"Base.mdb"_s});
        }
    }
    // What killed copies and compactions left is cleared by the next start and compaction.
    Copieur::nettoyerTemporaires(dossier.path());
    BaseRecettes::compacter(base, chemin(u"temp.MDB"_s));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Base.mdb"_s});
}

// A deletion killed while the base file was being written leaves it half
// written beside its hot journal. A backup must not take the half-written
// file, a restore must not leave the old journal to be played over it.
TEST_F(Coupures, UneBaseInterrompueSeSauvegardeEtSeRestaureEntiere)
{
    const QString base = chemin(u"Base.mdb"_s), sauvee = chemin(u"S/Base.mdb"_s);
    QDir().mkpath(chemin(u"S"_s));
    remplir(sauvee, 5);
    for (int coupures = 0;; ++coupures) {
        ASSERT_LT(coupures, 300) << "never caught the base file half written";
        remplir(base, 30);
        tuer({u"supprimer"_s, base}, 40000);
        if (!QFileInfo::exists(base + u"-journal"_s))
            continue;
        const QByteArray fichier = contenu(base), journal = contenu(base + u"-journal"_s);
        BaseRecettes::ouvrir(base);  // rolls back
        if (contenu(base) != fichier) {
            ecrire(base, fichier);
            ecrire(base + u"-journal"_s, journal);
            break;
        }
    }
    Copieur copieur;
    ASSERT_NO_THROW(copieur.copier(base, chemin(u"S/Copie.mdb"_s)));  // backup
    ASSERT_NO_THROW(copieur.copier(sauvee, base));                     // restore
    EXPECT_EQ(relire(base), std::pair(5, 5));
    EXPECT_EQ(relire(chemin(u"S/Copie.mdb"_s)).second, 30);
}

// Backups of a base that another program keeps writing: each copy is one whole state.
TEST_F(Coupures, UneCopiePendantDesEcrituresEstUnEtatEntierDeLaBase)
{
    remplir(chemin(u"Base.mdb"_s), 200);
    QProcess enfant;
    enfant.start(QStringLiteral(CARNET_VICTIME), {u"tourner"_s, chemin(u"Base.mdb"_s)});
    ASSERT_TRUE(enfant.waitForReadyRead(30000));
    Copieur copieur;
    for (int k = 0; k < 6; ++k) {
        ASSERT_NO_THROW(copieur.copier(chemin(u"Base.mdb"_s), chemin(u"Copie.mdb"_s)));
        EXPECT_GE(relire(chemin(u"Copie.mdb"_s)).first, 199) << "copy " << k;
    }
    EXPECT_EQ(enfant.state(), QProcess::Running) << enfant.readAllStandardError().toStdString();
    enfant.kill();
    enfant.waitForFinished();
}

}  // namespace

// A second copy on the same folder, then the first one killed: the next start is free.
TEST_F(Coupures, UnSecondProgrammeNOuvreRienEtUnPremierTueNeRetientPasLeDossier)
{
    const QString reste = chemin(u"Base.mdb.carnet-k3x9"_s);
    ecrire(reste, "copie tuee");
    QProcess premier;
    premier.start(QStringLiteral(CARNET_VICTIME), {u"garder"_s, dossier.path()});
    ASSERT_TRUE(premier.waitForReadyRead(30000) && premier.readAll().contains("pret"));
    Programme& p = programme();
    EXPECT_FALSE(p.demarrer());
    EXPECT_TRUE(dialogues->dernierMessage().startsWith(u"Carnet est déjà ouvert dans ce dossier"_s));
    EXPECT_TRUE(!p.copyright && QFileInfo::exists(reste));  // nothing opened, nothing of the first copy removed
    EXPECT_TRUE(premier.waitForReadyRead(10000) && premier.readAll().contains("appele"));  // asked to show itself
    premier.kill();
    premier.waitForFinished(10000);
    EXPECT_TRUE(p.demarrer());
    EXPECT_TRUE(p.copyright && !QFileInfo::exists(reste));
}
