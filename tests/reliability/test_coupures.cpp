// Kill campaigns: a child process repeats a real store operation (or the
// backup's file copy) and is killed with SIGKILL after a seeded random delay.
// After each kill the base must open, pass the engine's integrity check and
// hold a whole state of the sequence of writes, numbers dense 1..N, and the
// folder must list no other base. CARNET_GRAINE replays a campaign.

#include "environnement.h"
#include "outils.h"
#include "victime.h"

#include "backup/copie.h"
#include "shell/copyright.h"
#include "store/baserecettes.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

using namespace Qt::Literals::StringLiterals;
using fiabilite::basesListees;
using fiabilite::empreinte;
using fiabilite::integrite;

namespace {

constexpr int kCoupures = 50;

bool memeFiche(const Fiche& a, const Fiche& b)
{
    return a.categorie == b.categorie && a.titre == b.titre && a.tempPrepa == b.tempPrepa && a.tempCuisson == b.tempCuisson &&
           a.difficulte == b.difficulte && a.ingrediant == b.ingrediant && a.preparation == b.preparation && a.vin == b.vin;
}

class Coupures : public DossierProgramme {
protected:
    void SetUp() override
    {
        DossierProgramme::SetUp();
        const QByteArray graine = qgetenv("CARNET_GRAINE");
        graine_ = graine.isEmpty() ? std::random_device{}() : graine.toUInt();
        alea_.seed(graine_);
        std::cout << "[ graine  ] CARNET_GRAINE=" << graine_ << '\n';
    }

    // Starts the child, waits until its base is open, lets it run for a
    // random time up to `delaiMaxUs`, then kills it. Returns the delay.
    int tuer(const QStringList& arguments, int delaiMaxUs)
    {
        QProcess enfant;
        enfant.setProgram(QStringLiteral(CARNET_VICTIME));
        enfant.setArguments(arguments);
        enfant.start();
        EXPECT_TRUE(enfant.waitForStarted(10000));
        EXPECT_TRUE(enfant.waitForReadyRead(30000)) << enfant.readAllStandardError().toStdString();
        const int delai = std::uniform_int_distribution<int>(0, delaiMaxUs)(alea_);
        std::this_thread::sleep_for(std::chrono::microseconds(delai));
        EXPECT_EQ(enfant.state(), QProcess::Running)
            << "the child stopped before the kill: " << enfant.readAllStandardError().toStdString();
        enfant.kill();  // SIGKILL
        enfant.waitForFinished(10000);
        return delai;
    }

    // Opens the base as the main menu does (a hot journal is rolled back
    // there), reads every record, then runs the engine's full check.
    std::vector<Fiche> relire(const QString& base)
    {
        std::vector<Fiche> fiches;
        journaux_ += QFileInfo::exists(base + u"-journal"_s);  // killed inside a transaction
        try {
            fiches = BaseRecettes::ouvrir(base)->toutesLesFiches();
        } catch (const Echec& e) {
            ADD_FAILURE() << e.message().toStdString();
        }
        EXPECT_EQ(integrite(base), u"ok"_s);
        for (std::size_t i = 0; i < fiches.size(); ++i)
            EXPECT_EQ(fiches[i].numero, static_cast<int>(i) + 1) << "numbers not dense at " << i;
        return fiches;
    }

    std::string contexte(int coupure, int delai) const
    {
        return "kill " + std::to_string(coupure) + " after " + std::to_string(delai) + " us, CARNET_GRAINE=" +
               std::to_string(graine_);
    }

    void bilan(const char* operation, int avancees, int inchangees)
    {
        std::cout << "[ bilan   ] " << operation << ": " << kCoupures << " kills, " << avancees << " after a write, "
                  << inchangees << " with the state before, " << journaux_ << " inside a transaction (hot journal)\n";
    }

    unsigned graine_ = 0;
    int journaux_ = 0;
    std::mt19937 alea_;
};

// Adding, changing and deleting killed at random: every record is one whole
// version of one recipe, the recipes a run of consecutive ones (none lost,
// none out of order), and adding only grows the table, deleting only shrinks it.
TEST_F(Coupures, UneEcritureTueeLaisseUnEtatEntierDeLaBase)
{
    struct Cas {
        const char* operation;
        int fiches;  // in the base before the first kill
        int sens;    // of the count: +1, 0 or -1
    };
    const QString base = chemin(u"Base.mdb"_s);
    const QRegularExpression version(u"^R(\\d+) V(\\d+)$"_s);
    for (const Cas& c : {Cas{"ajouter", 0, +1}, Cas{"modifier", 12, 0}, Cas{"supprimer", 60, -1}}) {
        SCOPED_TRACE(c.operation);
        journaux_ = 0;
        const auto remplir = [&] {
            QFile::remove(base);
            BaseRecettes::creer(base);
            std::vector<Fiche> fiches;
            for (int i = 1; i <= c.fiches; ++i) {
                fiches.push_back(victime::recette(i, 0));
                fiches.back().numero = i;
            }
            BaseRecettes::ouvrir(base)->importer(fiches);
        };
        remplir();
        int avant = c.fiches;
        int avancees = 0;
        QByteArray empreinteAvant = empreinte(base);
        for (int k = 0; k < kCoupures; ++k) {
            const int delai = tuer({QString::fromLatin1(c.operation), base}, 60000);
            SCOPED_TRACE(contexte(k, delai));
            const auto fiches = relire(base);
            const int nombre = static_cast<int>(fiches.size());
            int premier = c.sens < 0 ? c.fiches - nombre + 1 : 1;
            for (const Fiche& f : fiches) {
                const auto m = version.match(f.tempPrepa);
                ASSERT_TRUE(m.hasMatch()) << f.tempPrepa.toStdString();
                ASSERT_EQ(m.captured(1).toInt(), premier++) << "a recipe lost or out of order";
                ASSERT_TRUE(memeFiche(f, victime::recette(m.captured(1).toInt(), m.captured(2).toInt())))
                    << "record " << f.numero << " mixes two writes";
            }
            ASSERT_TRUE(c.sens == 0 ? nombre == avant : (nombre - avant) * c.sens >= 0) << nombre << " after " << avant;
            ASSERT_EQ(basesListees(dossier.path()), QStringList{u"Base.mdb"_s});
            const QByteArray apres = empreinte(base);
            avancees += apres != empreinteAvant;
            empreinteAvant = apres;
            avant = nombre;
            if (c.sens < 0 && avant < 10) {
                remplir();
                avant = c.fiches;
                empreinteAvant = empreinte(base);
            }
        }
        bilan(c.operation, avancees, kCoupures - avancees);
    }
}

TEST_F(Coupures, CompactageTueLaisseLaBaseEntiereEtAucuneAutreBase)
{
    const QString base = chemin(u"Base.mdb"_s);
    BaseRecettes::creer(base);
    {
        std::vector<Fiche> fiches;
        for (int i = 1; i <= 40; ++i) {
            fiches.push_back(victime::recette(i, 0));
            fiches.back().numero = i;
        }
        auto b = BaseRecettes::ouvrir(base);
        b->importer(fiches);
        for (int i = 0; i < 10; ++i)
            b->supprimer(1, b->ficheParNumero(1)->titre);  // free pages for the compaction to drop
    }
    const auto reference = BaseRecettes::ouvrir(base)->toutesLesFiches();
    int avancees = 0;
    QByteArray avant = empreinte(base);
    for (int k = 0; k < kCoupures; ++k) {
        const int delai = tuer({u"compacter"_s, base, chemin(u"temp.MDB"_s)}, 80000);
        SCOPED_TRACE(contexte(k, delai));
        const auto fiches = relire(base);
        ASSERT_EQ(fiches.size(), reference.size());
        for (std::size_t i = 0; i < fiches.size(); ++i)
            ASSERT_TRUE(memeFiche(fiches[i], reference[i])) << "record " << i;
        // A half-written copy under a .mdb name would be offered as a base,
        // and would stop every later compaction.
        ASSERT_EQ(basesListees(dossier.path()), QStringList{u"Base.mdb"_s});
        const QByteArray apres = empreinte(base);
        avancees += apres != avant;
        avant = apres;
    }
    bilan("compacter", avancees, kCoupures - avancees);
    // The next compaction clears what a killed one left behind.
    BaseRecettes::compacter(base, chemin(u"temp.MDB"_s));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Base.mdb"_s});
}

TEST_F(Coupures, CopieDeSauvegardeTueeLaisseUnFichierEntier)
{
    QDir().mkpath(chemin(u"S"_s));
    const QString a = chemin(u"S/A.mdb"_s);
    const QString b = chemin(u"S/B.mdb"_s);
    for (const auto& [nom, nombre] : {std::pair{a, 20}, std::pair{b, 45}}) {
        BaseRecettes::creer(nom);
        std::vector<Fiche> fiches;
        for (int i = 1; i <= nombre; ++i) {
            fiches.push_back(victime::recette(i, 0));
            fiches.back().numero = i;
        }
        BaseRecettes::ouvrir(nom)->importer(fiches);
    }
    const QString cible = chemin(u"Cible.mdb"_s);
    ASSERT_TRUE(QFile::copy(a, cible));
    const QByteArray ea = empreinte(a);
    const QByteArray eb = empreinte(b);
    int avancees = 0;
    QByteArray avant = ea;
    for (int k = 0; k < kCoupures; ++k) {
        const int delai = tuer({u"copier"_s, a, b, cible}, 60000);
        SCOPED_TRACE(contexte(k, delai));
        const QByteArray apres = empreinte(cible);
        ASSERT_TRUE(apres == ea || apres == eb) << "a truncated or mixed copy in place of the base";
        relire(cible);
        ASSERT_EQ(basesListees(dossier.path()), QStringList{u"Cible.mdb"_s});
        avancees += apres != avant;
        avant = apres;
    }
    bilan("copier", avancees, kCoupures - avancees);
    const QStringList restes = QDir(dossier.path()).entryList({u"Cible.mdb.*"_s}, QDir::Files | QDir::Hidden);
    std::cout << "[ bilan   ] copier: " << restes.size() << " temporary files of killed copies left beside the target\n";
}

// A write killed while the base file was being updated leaves it half
// written beside its hot journal. The backup and the restore copy bases as
// files: a backup must not take the half-written file, a restore must not
// leave the old journal to be played over the restored base.
TEST_F(Coupures, UneBaseInterrompueSeSauvegardeEtSeRestaureEntiere)
{
    const QString base = chemin(u"Base.mdb"_s);
    BaseRecettes::creer(base);
    {
        std::vector<Fiche> fiches;
        for (int i = 1; i <= 5; ++i) {
            fiches.push_back(victime::recette(i, 0));
            fiches.back().numero = i;
        }
        BaseRecettes::ouvrir(base)->importer(fiches);
    }
    QDir().mkpath(chemin(u"S"_s));
    const QString sauvee = chemin(u"S/Base.mdb"_s);
    ASSERT_TRUE(QFile::copy(base, sauvee));
    const auto etatSauve = BaseRecettes::ouvrir(sauvee)->toutesLesFiches();

    // Kill until the base file itself was caught half written: its bytes
    // differ from what the rollback of its journal gives. That crash state
    // is then put back in place.
    int coupures = 0;
    for (;; ++coupures) {
        ASSERT_LT(coupures, 300) << "never caught the base file half written";
        tuer({u"ajouter"_s, base}, 40000);
        if (!QFileInfo::exists(base + u"-journal"_s))
            continue;
        const QByteArray fichier = contenu(base);
        const QByteArray journal = contenu(base + u"-journal"_s);
        BaseRecettes::ouvrir(base);  // rolls back
        if (contenu(base) != fichier) {
            ecrire(base, fichier);
            ecrire(base + u"-journal"_s, journal);
            break;
        }
    }
    std::cout << "[ bilan   ] base caught half written after " << coupures + 1 << " kills\n";

    Copieur copieur;
    ASSERT_NO_THROW(copieur.copier(base, chemin(u"S/Copie.mdb"_s)));  // backup
    ASSERT_NO_THROW(copieur.copier(sauvee, base));                     // restore
    const auto restauree = relire(base);
    ASSERT_EQ(restauree.size(), etatSauve.size());
    for (std::size_t i = 0; i < restauree.size(); ++i)
        EXPECT_TRUE(memeFiche(restauree[i], etatSauve[i])) << "record " << i;
    const auto copie = relire(chemin(u"S/Copie.mdb"_s));
    for (std::size_t i = 0; i < copie.size(); ++i)
        EXPECT_TRUE(memeFiche(copie[i], victime::recette(static_cast<int>(i) + 1, 0))) << "record " << i;
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

// Backups of a base that another program keeps writing: each copy is one whole state.
TEST_F(Coupures, UneCopiePendantDesEcrituresEstUnEtatEntierDeLaBase)
{
    QList<Fiche> fiches;
    for (int i = 1; i <= 200; ++i)
        fiches.append(victime::recette(i, 0));
    creerBase(u"Base.mdb"_s, fiches);
    QProcess enfant;
    enfant.start(QStringLiteral(CARNET_VICTIME), {u"modifier"_s, chemin(u"Base.mdb"_s)});
    ASSERT_TRUE(enfant.waitForReadyRead(30000));
    Copieur copieur;
    for (int k = 0; k < 25; ++k) {
        ASSERT_NO_THROW(copieur.copier(chemin(u"Base.mdb"_s), chemin(u"Copie.mdb"_s)));
        ASSERT_EQ(integrite(chemin(u"Copie.mdb"_s)), u"ok"_s) << "copy " << k;
    }
}
