// Hostile bases: a base is a file received from someone else. Its schema
// may call functions (CHECK, DEFAULT, generated columns, index expressions,
// partial indexes), carry triggers and views. With the store's settings
// (defensive mode, untrusted schema, triggers and extension loading off)
// none of it may run when the base is opened, listed, searched, saved or
// compacted. To see what would run, every connection of this process gets
// functions of an application (not flagged innocuous): espion() counts its
// calls, ecrirefichier(path, text) writes a file.

#include "outils.h"

#include "store/baserecettes.h"
#include "store/sqlite.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <atomic>
#include <iostream>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

std::atomic<int> appels{0};

void espion(sqlite3_context* c, int, sqlite3_value**)
{
    ++appels;
    sqlite3_result_int(c, 1);
}

void ecrireFichier(sqlite3_context* c, int, sqlite3_value** v)
{
    ++appels;
    QFile f(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v[0]))));
    if (f.open(QIODevice::WriteOnly))
        f.write(reinterpret_cast<const char*>(sqlite3_value_text(v[1])));
    sqlite3_result_int(c, 1);
}

// Each in two flavours: the engine treats deterministic functions (allowed
// in indexes and generated columns) apart from the others.
int installer(sqlite3* db, const char**, const sqlite3_api_routines*)
{
    sqlite3_create_function(db, "espion", 0, SQLITE_UTF8, nullptr, espion, nullptr, nullptr);
    sqlite3_create_function(db, "espiond", 0, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, espion, nullptr, nullptr);
    sqlite3_create_function(db, "ecrirefichier", 2, SQLITE_UTF8, nullptr, ecrireFichier, nullptr, nullptr);
    sqlite3_create_function(db, "ecrirefichierd", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, ecrireFichier, nullptr,
                            nullptr);
    return SQLITE_OK;
}

const char* const kColonnes =
    "Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT,"
    " Ingrediant TEXT, Preparation TEXT, Vin TEXT";

class Hostile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sqlite3_auto_extension(reinterpret_cast<void (*)()>(installer)); }
    static void TearDownTestSuite() { sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(installer)); }

    QString temoin() const { return dossier.filePath(u"temoin"_s); }

    // A base built by its author, who has the functions too; a recipe in it.
    QString base(const std::string& schema)
    {
        const QString chemin = dossier.filePath(u"Hostile.mdb"_s);
        QFile::remove(chemin);
        std::string sql = schema;
        for (std::string::size_type i; (i = sql.find("@T")) != std::string::npos;)
            sql.replace(i, 2, QFile::encodeName(temoin()).toStdString());
        {
            sqlite::Database db(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            db.executer(sql.c_str());
            db.executer("INSERT INTO Cuisine (Numero, Categorie, Titre, TempPrepa, TempCuisson, Difficulte, Ingrediant,"
                        " Preparation, Vin) VALUES (1, 'AGN', 'NAVARIN', '', '?', 'ab', 'x', 'y', '?')");
        }
        QFile::remove(temoin());
        appels = 0;
        return chemin;
    }

    // Everything the program does with a base; each step may be refused with
    // a message, nothing may run. Returns the messages.
    QStringList exercer(const QString& chemin)
    {
        QStringList messages;
        const auto essayer = [&](auto&& etape) {
            try {
                etape();
            } catch (const Echec& e) {
                EXPECT_FALSE(e.message().isEmpty());
                messages << e.message();
            }
        };
        essayer([&] {
            auto b = BaseRecettes::ouvrir(chemin);
            essayer([&] { b->compter(); });
            essayer([&] { b->listerCategorie(u"AGN"_s); });
            essayer([&] { b->chercherTitres(u"NAV"_s); });
            essayer([&] { b->listerParCategories({u"AGN"_s, u"DES"_s}); });
            essayer([&] { b->premiereParTitre(u"AGN"_s, u"NAVARIN"_s); });
            Fiche f;
            f.categorie = u"DES"_s;
            f.titre = u"TARTE"_s;
            f.difficulte = u"a"_s;
            f.ingrediant = u"pommes"_s;
            f.preparation = u"cuire"_s;
            essayer([&] { b->ajouter(f); });
            essayer([&] { b->modifier(1, u"NAVARIN"_s, f); });
            essayer([&] { b->supprimer(1, u"NAVARIN"_s); });
        });
        essayer([&] { BaseRecettes::compacter(chemin, dossier.filePath(u"temp.MDB"_s)); });
        EXPECT_EQ(appels.load(), 0) << "a function of the schema ran";
        EXPECT_FALSE(QFileInfo::exists(temoin())) << "the schema wrote a file";
        EXPECT_FALSE(QFileInfo::exists(dossier.filePath(u"temp.MDB"_s)));
        return messages;
    }

    QTemporaryDir dossier;
};

TEST_F(Hostile, UnSchemaQuiAppelleDesFonctionsNeLesFaitJamaisTourner)
{
    const std::string t = std::string("CREATE TABLE Cuisine (") + kColonnes;
    const std::string cas[] = {
        t + ", CHECK (espion() > 0));",
        t + ", CHECK (ecrirefichier('@T', Titre) > 0));",
        t + ", CHECK (espiond() > 0));",
        t + ", X TEXT DEFAULT (espion()));",
        t + ", X TEXT DEFAULT (espiond()));",
        t + ", X INTEGER GENERATED ALWAYS AS (espiond()) VIRTUAL);",
        t + ", X INTEGER GENERATED ALWAYS AS (ecrirefichierd('@T', Titre)) STORED);",
        t + "); CREATE INDEX Cuisine_Ecrit ON Cuisine (ecrirefichierd('@T', Titre));",
        t + "); CREATE INDEX Cuisine_Partiel ON Cuisine (Titre) WHERE espiond() > 0;",
        t + ", CHECK (load_extension('/nulle/part/x.so') IS NULL OR 1));",
        // Triggers elsewhere and views that call functions: nothing the
        // program does touches them, and triggers are off anyway.
        t + "); CREATE TABLE Journal (x); CREATE TRIGGER Espion AFTER INSERT ON Journal BEGIN SELECT espion(); END;"
            " CREATE VIEW Vue AS SELECT ecrirefichier('@T', Titre) FROM Cuisine;",
    };
    for (const std::string& schema : cas) {
        SCOPED_TRACE(schema);
        const QStringList messages = exercer(base(schema));
        if (!messages.isEmpty())
            std::cout << "[ refus   ] " << messages.first().toStdString() << '\n';
    }
}

TEST_F(Hostile, UnDeclencheurSurCuisineEstRefuseALOuvertureSansRienChanger)
{
    for (const char* quand : {"AFTER INSERT", "BEFORE UPDATE", "AFTER DELETE"}) {
        SCOPED_TRACE(quand);
        const QString chemin = base(std::string("CREATE TABLE Cuisine (") + kColonnes + "); CREATE TRIGGER Espion " + quand +
                                    " ON Cuisine BEGIN SELECT ecrirefichier('@T', 'pris'); END;");
        const QByteArray avant = fiabilite::empreinte(chemin);
        try {
            BaseRecettes::ouvrir(chemin);
            ADD_FAILURE() << "a base with a trigger on Cuisine was opened";
        } catch (const Echec& e) {
            EXPECT_TRUE(e.message().contains(u"déclencheur"_s)) << e.message().toStdString();
        }
        EXPECT_THROW(BaseRecettes::compacter(chemin, dossier.filePath(u"temp.MDB"_s)), Echec);
        EXPECT_EQ(fiabilite::empreinte(chemin), avant);
        EXPECT_EQ(appels.load(), 0);
        EXPECT_FALSE(QFileInfo::exists(temoin()));
    }
}

}  // namespace
