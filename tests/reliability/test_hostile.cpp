// Hostile bases: a base is a file received from someone else. Its schema
// may call functions (CHECK, DEFAULT, generated columns, index expressions,
// partial indexes) and carry triggers. With the store's settings (defensive
// mode, untrusted schema, triggers and extension loading off) none of it may
// run when the base is opened, listed, searched, saved or compacted. Every
// connection of this process gets an application function espion() (not
// flagged innocuous, also as the deterministic espiond()) counting its calls.

#include "environnement.h"
#include "outils.h"

#include "store/baserecettes.h"
#include "store/sqlite.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gmock/gmock.h>

#include <atomic>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

std::atomic<int> appels{0};

void espion(sqlite3_context* c, int, sqlite3_value**)
{
    ++appels;
    sqlite3_result_int(c, 1);
}

int installer(sqlite3* db, const char**, const sqlite3_api_routines*)
{
    sqlite3_create_function(db, "espion", 0, SQLITE_UTF8, nullptr, espion, nullptr, nullptr);
    sqlite3_create_function(db, "espiond", 0, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, espion, nullptr, nullptr);
    return SQLITE_OK;
}

class Hostile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sqlite3_auto_extension(reinterpret_cast<void (*)()>(installer)); }
    static void TearDownTestSuite() { sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(installer)); }

    // A base built by its author, who has the functions too; a recipe in it.
    QString base(const std::string& suite)
    {
        const QString chemin = dossier.filePath(u"Hostile.mdb"_s);
        QFile::remove(chemin);
        {
            sqlite::Database db(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            db.executer(("CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT,"
                         " Difficulte TEXT, Ingrediant TEXT, Preparation TEXT, Vin TEXT" + suite)
                            .c_str());
            db.executer("INSERT INTO Cuisine (Numero, Categorie, Titre, TempPrepa, TempCuisson, Difficulte, Ingrediant, Preparation, Vin)"
                        " VALUES (1, 'AGN', 'NAVARIN', '', '?', 'ab', 'x', 'y', '?')");
        }
        appels = 0;
        return chemin;
    }

    QTemporaryDir dossier;
};

TEST_F(Hostile, UnSchemaQuiAppelleDesFonctionsNeLesFaitJamaisTourner)
{
    for (const std::string suite : {", CHECK (espion() > 0));", ", X TEXT DEFAULT (espion()));",
                                    ", X INTEGER GENERATED ALWAYS AS (espiond()) STORED);",
                                    "); CREATE INDEX Calcul ON Cuisine (espiond(), Titre);",
                                    "); CREATE INDEX Partiel ON Cuisine (Titre) WHERE espiond() > 0;",
                                    ", CHECK (load_extension('/nulle/part/x.so') IS NULL OR 1));"}) {
        SCOPED_TRACE(suite);
        const QString chemin = base(suite);
        // Each step may be refused with a message; nothing may run.
        const auto essayer = [&](auto&& etape) {
            try {
                etape();
            } catch (const Echec& e) {
                EXPECT_FALSE(e.message().isEmpty());
            }
        };
        essayer([&] {
            auto b = BaseRecettes::ouvrir(chemin);
            essayer([&] { b->listerCategorie(u"AGN"_s); });
            essayer([&] { b->chercherTitres(u"NAV"_s); });
            essayer([&] { b->premiereParTitre(u"AGN"_s, u"NAVARIN"_s); });
            essayer([&] { b->ajouter(fiche(u"DES"_s, u"TARTE"_s)); });
            essayer([&] { b->modifier(1, u"NAVARIN"_s, fiche(u"AGN"_s, u"SELLE"_s)); });
            essayer([&] { b->supprimer(1, u"SELLE"_s); });
        });
        essayer([&] { BaseRecettes::compacter(chemin, dossier.filePath(u"temp.MDB"_s)); });
        EXPECT_EQ(appels.load(), 0) << "a function of the schema ran";
        EXPECT_FALSE(QFileInfo::exists(dossier.filePath(u"temp.MDB"_s)));
    }
}

TEST_F(Hostile, UnDeclencheurSurCuisineEstRefuseALOuvertureSansRienChanger)
{
    for (const char* quand : {"AFTER INSERT", "BEFORE UPDATE", "AFTER DELETE"}) {
        SCOPED_TRACE(quand);
        const QString chemin = base(std::string("); CREATE TRIGGER Espion ") + quand + " ON Cuisine BEGIN SELECT espion(); END;");
        const QByteArray avant = fiabilite::empreinte(chemin);
        EXPECT_THAT([&] { BaseRecettes::ouvrir(chemin); }, testing::ThrowsMessage<Echec>(testing::HasSubstr("déclencheur")));
        EXPECT_THROW(BaseRecettes::compacter(chemin, dossier.filePath(u"temp.MDB"_s)), Echec);
        EXPECT_EQ(fiabilite::empreinte(chemin), avant);
        EXPECT_EQ(appels.load(), 0);
    }
}

}  // namespace
