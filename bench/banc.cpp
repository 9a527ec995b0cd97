#include "banc.h"
#include "memoire.h"

#include "doubles.h"

#include "backup/kalsauvegarde.h"
#include "browser/kalrubrique.h"
#include "card/kalgeneral.h"
#include "platform/boiteimage.h"
#include "platform/fichiers.h"
#include "platform/grille.h"
#include "platform/imprimante.h"
#include "platform/listefichiers.h"
#include "platform/pictogrammes.h"
#include "platform/textes.h"
#include "search/kalrecherche.h"
#include "shell/kaldepart.h"
#include "shell/kaltexte.h"
#include "app/programme.h"
#include "store/catalogue.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextDocument>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <functional>
#include <stdexcept>
#include <unistd.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// A bare SQLite connection for the floors.
class Connexion {
public:
    explicit Connexion(const QString& chemin)
    {
        if (sqlite3_open_v2(QFile::encodeName(chemin).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        // The store's cache size, so that both read from the same warm pages.
        executer("PRAGMA cache_size=-32768");
    }
    ~Connexion() { sqlite3_close_v2(db_); }
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    // Runs `sql` with text parameters, reads every column of every row as
    // text; returns the number of rows.
    int lire(const char* sql, const std::vector<std::string>& parametres = {})
    {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        for (size_t i = 0; i < parametres.size(); ++i)
            sqlite3_bind_text(st, static_cast<int>(i + 1), parametres[i].c_str(), -1, SQLITE_TRANSIENT);
        int lignes = 0;
        size_t octets = 0;
        int rc = SQLITE_OK;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            ++lignes;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                benchmark::DoNotOptimize(sqlite3_column_text(st, c));
                octets += static_cast<size_t>(sqlite3_column_bytes(st, c));
            }
        }
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(db_));
        benchmark::DoNotOptimize(octets);
        return lignes;
    }

    void executer(const char* sql)
    {
        char* erreur = nullptr;
        if (sqlite3_exec(db_, sql, nullptr, nullptr, &erreur) != SQLITE_OK) {
            const std::string m = erreur ? erreur : "?";
            sqlite3_free(erreur);
            throw std::runtime_error(m);
        }
    }

private:
    sqlite3* db_ = nullptr;
};

// The file dropped from the page cache, as after a restart; the base must be
// closed (closing a descriptor drops this process's locks on it).
void froid(const QString& chemin)
{
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("base illisible");
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

// The window as the user sees it after the action: painted.
void peindre(QWidget& w)
{
    benchmark::DoNotOptimize(w.grab());
}

// A base of the first format (one table), for the conversion.
void ecrireVersion1(const QString& depuis, const QString& chemin)
{
    QFile::remove(chemin);
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("base de version 1 impossible");
    f.close();
    Connexion c(chemin);
    c.executer("PRAGMA journal_mode=DELETE; BEGIN;"
               "CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT,"
               " Difficulte TEXT, Ingrediant TEXT, Preparation TEXT, Vin TEXT);"
               "CREATE INDEX Cuisine_Categorie ON Cuisine (Categorie);"
               "CREATE INDEX Cuisine_Titre ON Cuisine (Titre);"
               "CREATE INDEX Cuisine_Numero ON Cuisine (Numero);"
               "PRAGMA application_id = 1129467476; PRAGMA user_version = 1; COMMIT;");
    const std::string attache = "ATTACH '" + depuis.toStdString() + "' AS n";
    c.executer(attache.c_str());
    c.executer("INSERT INTO Cuisine SELECT * FROM n.Cuisine; DETACH n");
}

std::string utf8(const QString& s)
{
    return s.toStdString();
}

std::vector<std::vector<CelluleGrille>> lignesGrille(int nombre, int colonnes)
{
    std::vector<std::vector<CelluleGrille>> lignes(static_cast<size_t>(nombre));
    for (int i = 0; i < nombre; ++i)
        for (int c = 0; c < colonnes; ++c)
            lignes[static_cast<size_t>(i)].push_back(
                {c == colonnes - 1 ? u"TARTE DE POMMES AU BEURRE SALÉ ET AUX POIRES N° "_s + QString::number(i)
                                   : QString::number(i)});
    return lignes;
}

// The rows of a category's grid whose recipe has its photograph.
int lignePhotographiee(const Grille& g, const QString& dossier, int depuis)
{
    for (int r = std::max(depuis, 1); r < g.Rows(); ++r)
        if (QFileInfo::exists(QDir(dossier).filePath(u"Images/"_s + nomFichierSur(g.TextMatrix(r, 1)) + u".jpg"_s)))
            return r;
    throw std::runtime_error("aucune fiche photographiée");
}

struct Ligne {
    const char* clef;
    const char* libelle;
    std::vector<const char*> planchers;
    double cibleMs;  // 0: no target; < 0: ratio to the first floor
};

const std::vector<Ligne>& lignes()
{
    static const std::vector<Ligne> l = {
        {"1_ouverture", "1. Ouverture et compte (`File1_Click`)", {"plancher_ouverture"}, 20},
        {"1_ouverture_froide", "1. Ouverture à froid (base hors du cache)", {"plancher_ouverture"}, 300},
        {"1_ouverture_froide_verifiee", "1. Ouverture à froid d'une base changée par un autre outil (vérifiée en entier)",
         {"plancher_lecture_froide"}, 0},
        {"2_consult_grande", "2. `Consult`, grande catégorie", {"plancher_consult_grande", "grille_grande"}, 20},
        {"2_consult_moyenne", "2. `Consult`, catégorie moyenne", {"plancher_consult_moyenne", "grille_moyenne"}, 20},
        {"3_clic_fiche", "3. Clic dans la grille, fiche et photo", {"plancher_clic_fiche"}, 20},
        {"3_suivant", "3. `Suivant` à la position 4 000 (× taille)", {"plancher_suivant"}, 20},
        {"4_enreg", "4. `Enreg_Click` (fiche nouvelle, doublon, photo, liste)",
         {"plancher_enreg", "plancher_consult_grande", "grille_grande"}, 20},
        {"4_enregistre", "4. `Enregistre_Click` (fiche changée, photo, liste)",
         {"plancher_enregistre", "plancher_consult_grande", "grille_grande"}, 20},
        {"5_efface", "5. `Efface_Click`, renumérotation de toute la table, liste",
         {"plancher_efface", "plancher_consult_grande", "grille_grande"}, 20},
        {"6_liste", "6. Liste complète (`KalRubrique::Lire`)", {"plancher_liste", "grille_liste"}, 150},
        {"7_recherche_large", "7. Recherche « DE » (la plupart)", {"plancher_recherche_large", "grille_recherche_large"}, 100},
        {"7_recherche_rare", "7. Recherche « ZÉPHYR » (trois)", {"plancher_recherche_rare"}, 20},
        {"8_compactage", "8. Compactage (`Base_Click`)", {"plancher_compactage"}, 2000},
        {"9_export", "9. Export texte, 300 lignes", {}, 50},
        {"9_impression", "9. Impression PDF, 300 lignes", {}, 0},
        {"10_sauvegarde", "10. Sauvegarde du dossier (`Sauve_Click`)", {"cp_r"}, -1.3},
        {"11_fiche_1mo", "11. Fiche de 1 Mo sans blanc montrée, puis la précédente", {}, 500},
        {"11_page_1mo", "11. Page de catégorie de 1 Mo sans blanc montrée", {}, 500},
        {"12_conversion", "12. Ouverture d'une base de version 1 (conversion)", {"plancher_compactage"}, 5000},
    };
    return l;
}

}  // namespace

Banc::Banc(DossierBench source, const QString& racine) : source_(std::move(source)), racine_(racine)
{
    travail_ = QDir(racine_).filePath(u"travail-%1"_s.arg(source_.recettes));
    preparerTravail();
    QDir::setCurrent(travail_);

    Services s;
    auto d = std::make_unique<FauxDialogues>();
    dialogues_ = d.get();
    s.dialogues = std::move(d);
    auto y = std::make_unique<FauxSysteme>();
    y->taille = {1280, 1024};
    s.systeme = std::move(y);
    s.imprimante = std::make_unique<ImprimanteQt>(ImprimanteQt::Sortie::Pdf);
    prog_ = std::make_unique<Programme>(std::move(s), travail_);
    prog_->charger(prog_->kalDepart);
    // Open as File1_Click does, for cases run without the first one.
    prog_->donnees.NomBase = source_.base;
    prog_->donnees.BaseDonnees = BaseRecettes::ouvrir(source_.base);
    // Last written by the program, as after a session: an opening need not check it whole.
    BaseRecettes& b = *prog_->donnees.BaseDonnees;
    const Fiche premiere = b.ficheParNumero(1).value();
    b.modifier(1, premiere.titre, premiere);

    photo_ = BoiteImage::lireImage(QDir(travail_).filePath(u"Images/PAS.jpg"_s));
}

Banc::~Banc()
{
    prog_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A fresh working folder: the base copied, the photographs hard-linked (the
// cases replace or remove links, never the pristine files).
void Banc::preparerTravail()
{
    QDir(travail_).removeRecursively();
    QDir().mkpath(QDir(travail_).filePath(u"Images"_s));
    const QDir de(source_.dossier), vers(travail_);
    for (const QString& nom : de.entryList(QDir::Files))
        if (!QFile::copy(de.filePath(nom), vers.filePath(nom)))
            throw std::runtime_error("copie impossible");
    QFile::remove(vers.filePath(u".pret"_s));
    const QDir images(de.filePath(u"Images"_s));
    for (const QString& nom : images.entryList(QDir::Files))
        if (::link(QFile::encodeName(images.filePath(nom)).constData(),
                   QFile::encodeName(vers.filePath(u"Images/"_s + nom)).constData()) != 0)
            throw std::runtime_error("lien impossible");
}

void Banc::enregistrer()
{
    const int n = source_.recettes;
    const std::string prefixe = std::to_string(n) + "/";
    const bool grand = n > 50000;
    const QString base = QDir(travail_).filePath(source_.base);
    const int position = static_cast<int>(std::lround(4000.0 * n / 32767.0));

    // Every case: in the working folder, no message expected unless listed,
    // the peak memory of the case as a counter.
    auto cas = [&](const char* nom, int repetitions, std::function<void(benchmark::State&)> corps,
                   QStringList attendus = {}) {
        benchmark::RegisterBenchmark((prefixe + nom).c_str(),
                                     [this, corps, attendus](benchmark::State& state) {
                                         QDir::setCurrent(travail_);
                                         dialogues_->messages.clear();
                                         remettrePic();
                                         try {
                                             corps(state);
                                         } catch (const std::exception& e) {
                                             state.SkipWithError(e.what());
                                             return;
                                         }
                                         state.counters["pic_Mo"] = picMo();
                                         for (const FauxDialogues::Message& m : std::as_const(dialogues_->messages))
                                             if (!std::any_of(attendus.begin(), attendus.end(),
                                                              [&](const QString& a) { return m.texte.startsWith(a); })) {
                                                 state.SkipWithError(qPrintable(u"message : "_s + m.texte));
                                                 return;
                                             }
                                     })
            ->Iterations(1)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(true)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    };
    auto grille = [&](const char* nom, int colonnes, std::function<int()> lignesVoulues) {
        cas(nom, 9, [colonnes, lignesVoulues](benchmark::State& state) {
            Grille g;
            g.setCols(colonnes);
            auto l = lignesGrille(lignesVoulues(), colonnes);
            for (auto _ : state)
                g.ajouterLignes(std::move(l));
        });
    };
    auto general = [this](const QString& code) -> KalGeneral& {
        Donnees& d = prog().donnees;
        if (!prog().kalGeneral || d.CodeCategorie != code) {
            d.CodeCategorie = code;
            d.NomCategorie = nomCategorie(code).value_or(code);
            prog().charger(prog().kalGeneral);
        }
        return *prog().kalGeneral;
    };

    // A read floor: the statement once to warm the cache, then timed.
    auto plancher = [&](const std::string& nom, const char* sql, std::function<std::vector<std::string>()> parametres) {
        cas(nom.c_str(), 9, [base, sql, parametres](benchmark::State& state) {
            Connexion c(base);
            const std::vector<std::string> p = parametres();
            c.lire(sql, p);
            for (auto _ : state)
                c.lire(sql, p);
        });
    };

    // 1. Opening and counting.
    // The base `nom` chosen in the main menu's list, closed first; `avant`
    // runs just before the timed click.
    auto ouverture = [this](benchmark::State& state, const QString& nom, const std::function<void()>& avant) {
        prog().donnees.fermerBase();
        KalDepart& k = *prog().kalDepart;
        k.Lire();
        const auto trouves = k.File1->findItems(nom, Qt::MatchFixedString);
        if (trouves.isEmpty())
            throw std::runtime_error("base absente de la liste");
        k.File1->blockSignals(true);
        k.File1->setCurrentItem(trouves.first());
        k.File1->blockSignals(false);
        if (avant)
            avant();
        for (auto _ : state) {
            k.File1_Click();
            peindre(k);
        }
        if (!prog().donnees.BaseDonnees)
            throw std::runtime_error("base non ouverte");
    };
    cas("1_ouverture", 9, [this, ouverture](benchmark::State& state) { ouverture(state, source_.base, {}); });
    cas("1_ouverture_froide", 9,
        [this, ouverture, base](benchmark::State& state) { ouverture(state, source_.base, [base] { froid(base); }); });
    // Its modification time changed, as by a copy or another program: the
    // whole file is read and checked.
    cas("1_ouverture_froide_verifiee", 5, [this, ouverture, base](benchmark::State& state) {
        ouverture(state, source_.base, [base] {
            const timespec temps[2] = {{0, UTIME_OMIT}, {0, UTIME_NOW}};
            ::utimensat(AT_FDCWD, QFile::encodeName(base).constData(), temps, 0);
            froid(base);
        });
    });
    cas("plancher_ouverture", 9, [base](benchmark::State& state) {
        for (auto _ : state) {
            Connexion c(base);
            c.lire("SELECT count(*) FROM Ordre");
        }
    });
    cas("plancher_lecture_froide", 5, [base](benchmark::State& state) {
        froid(base);
        std::vector<char> tampon(1 << 20);
        for (auto _ : state) {
            QFile f(base);
            if (!f.open(QIODevice::ReadOnly))
                throw std::runtime_error("base illisible");
            while (f.read(tampon.data(), static_cast<qint64>(tampon.size())) > 0) {
            }
        }
    });

    // 2. Consult of the largest and the middle category.
    for (const auto& [nom, code, taille] :
         {std::tuple{"grande", source_.grande, source_.tailleGrande}, std::tuple{"moyenne", source_.moyenne, source_.tailleMoyenne}}) {
        const QString c = code;
        cas(("2_consult_" + std::string(nom)).c_str(), 9, [general, c](benchmark::State& state) {
            KalGeneral& k = general(c);
            for (auto _ : state) {
                k.Consult();
                peindre(k);
            }
        });
        plancher("plancher_consult_" + std::string(nom),
                 "SELECT o.Numero, f.Titre FROM Fiche AS f JOIN Ordre AS o ON o.Id = f.Id WHERE f.Categorie = ?1"
                 " ORDER BY o.Numero, o.Id",
                 [c] { return std::vector<std::string>{utf8(c)}; });
        const int t = taille;
        grille(("grille_" + std::string(nom)).c_str(), 2, [t] { return t; });
    }

    // 3. A click in the grid, then Suivant far down the category.
    cas("3_clic_fiche", 9, [this, general](benchmark::State& state) {
        KalGeneral& k = general(source_.grande);
        k.Lire();
        const int ligne = lignePhotographiee(*k.MSFlexGrid1, travail_, k.MSFlexGrid1->Rows() / 2);
        for (auto _ : state) {
            k.MSFlexGrid1->cliquer(ligne, 1);
            peindre(k);
        }
        if (k.Image1->estVide() || k.Text6->texte().isEmpty())
            throw std::runtime_error("fiche non montrée");
    });
    plancher("plancher_clic_fiche",
             "SELECT o.Numero, f.*, t.* FROM Fiche AS f JOIN Ordre AS o ON o.Id = f.Id JOIN Texte AS t ON t.Id = f.Id"
             " WHERE f.Titre = ?1 AND f.Categorie = ?2 ORDER BY o.Numero, o.Id LIMIT 1",
             [this, general] {
                 KalGeneral& k = general(source_.grande);
                 k.Lire();
                 return std::vector<std::string>{utf8(k.MSFlexGrid1->TextMatrix(k.MSFlexGrid1->Rows() / 2, 1)),
                                                 utf8(source_.grande)};
             });
    cas("3_suivant", 9, [this, general, position](benchmark::State& state) {
        KalGeneral& k = general(source_.grande);
        k.Lire();
        k.MSFlexGrid1->cliquer(1, 1);
        k.PositionFiche = position - 1;
        for (auto _ : state) {
            k.Suivant_Click();
            peindre(k);
        }
        if (k.PositionFiche != position || k.Text6->texte().isEmpty())
            throw std::runtime_error("fiche suivante non montrée");
    });
    plancher("plancher_suivant",
             "SELECT o.Numero, f.*, t.* FROM Fiche AS f JOIN Ordre AS o ON o.Id = f.Id JOIN Texte AS t ON t.Id = f.Id"
             " WHERE f.Id = (SELECT f2.Id FROM Fiche AS f2 JOIN Ordre AS o2 ON o2.Id = f2.Id WHERE f2.Categorie = ?1"
             " ORDER BY o2.Numero, o2.Id LIMIT 1 OFFSET ?2)",
             [this, position] { return std::vector<std::string>{utf8(source_.grande), std::to_string(position - 1)}; });

    // 4. A new card saved, a changed card saved.
    cas("4_enreg", 9, [this, general](benchmark::State& state) {
        KalGeneral& k = general(source_.grande);
        k.Lire();
        k.Creer_Click();
        k.Text1->setTexte(u"NOUVELLE RECETTE DU BANC N° %1"_s.arg(++suivants_));
        k.Text2->setTexte(u"20 MN"_s);
        k.Text4->setTexte(u"nnn"_s);
        k.Text5->setTexte(u"500 g de farine\r\n3 oeufs\r\n25 cl de lait"_s);
        k.Text6->setTexte(u"Mélanger la farine et les oeufs, puis délayer avec le lait."_s.repeated(20));
        k.Image1->setImage(photo_);
        const int avant = prog().donnees.BaseDonnees->compter();
        for (auto _ : state) {
            k.Enreg_Click();
            peindre(k);
        }
        if (prog().donnees.BaseDonnees->compter() != avant + 1)
            throw std::runtime_error("fiche non ajoutée");
    });
    cas("plancher_enreg", 9, [this, base](benchmark::State& state) {
        Connexion c(base);
        const std::string titre = utf8(u"NOUVELLE RECETTE DU PLANCHER N° %1"_s.arg(++suivants_));
        for (auto _ : state) {
            c.executer("BEGIN IMMEDIATE");
            c.lire("SELECT Numero FROM Ordre ORDER BY Numero DESC, Id DESC LIMIT 1");
            c.lire("SELECT 1 FROM Fiche WHERE Titre = ?1 LIMIT 1", {titre});
            c.lire("INSERT INTO Fiche (Categorie, Titre, TempPrepa, TempCuisson, Difficulte, Vin)"
                   " VALUES (?2, ?1, '20 MN', '?', 'nnn', '?')",
                   {titre, utf8(source_.grande)});
            c.lire("INSERT INTO Texte VALUES ((SELECT max(Id) FROM Fiche), '500 g de farine', 'Mélanger.')");
            c.lire("INSERT INTO Ordre VALUES ((SELECT max(Id) FROM Fiche), (SELECT max(Numero) + 1 FROM Ordre))");
            c.executer("COMMIT");
        }
    });
    cas("4_enregistre", 9, [this, general](benchmark::State& state) {
        KalGeneral& k = general(source_.grande);
        k.Lire();
        k.MSFlexGrid1->cliquer(lignePhotographiee(*k.MSFlexGrid1, travail_, 1), 1);
        k.Text2->setTexte(u"%1 MN"_s.arg(++suivants_ % 90));
        for (auto _ : state) {
            k.Enregistre_Click();
            peindre(k);
        }
        if (!k.MSFlexGrid1->isVisibleTo(&k))
            throw std::runtime_error("liste non montrée");
    });
    cas("plancher_enregistre", 9, [base](benchmark::State& state) {
        Connexion c(base);
        for (auto _ : state)
            c.lire("UPDATE Fiche SET TempPrepa = '30 MN' WHERE Id = (SELECT Id FROM Ordre WHERE Numero = 5 ORDER BY Id LIMIT 1)");
    });

    // 5. Deleting card number 1: every other row is renumbered.
    cas("5_efface", 9, [this, general](benchmark::State& state) {
        KalGeneral& k = general(source_.grande);
        k.Lire();
        k.MSFlexGrid1->cliquer(1, 1);
        if (k.NumeroFiche != 1)
            throw std::runtime_error("la fiche N° 1 n'est pas la première de la catégorie");
        const int avant = prog().donnees.BaseDonnees->compter();
        for (auto _ : state) {
            k.Efface_Click();
            peindre(k);
        }
        auto& b = *prog().donnees.BaseDonnees;
        if (b.compter() != avant - 1 || !b.ficheParNumero(avant - 1) || b.ficheParNumero(avant))
            throw std::runtime_error("table mal renumérotée");
    });
    cas("plancher_efface", 9, [base](benchmark::State& state) {
        Connexion c(base);
        for (auto _ : state) {
            c.executer("BEGIN IMMEDIATE");
            // The table numbered 1..N in Id order: the rows after the deleted one move down.
            c.executer("CREATE TEMP TABLE IF NOT EXISTS efface (id); DELETE FROM efface;"
                       "INSERT INTO efface SELECT Id FROM Ordre WHERE Numero = 1 ORDER BY Id LIMIT 1;"
                       "DELETE FROM Fiche WHERE Id IN efface; DELETE FROM Texte WHERE Id IN efface;"
                       "DELETE FROM Ordre WHERE Id IN efface;"
                       "UPDATE Ordre SET Numero = Numero - 1 WHERE Id > (SELECT id FROM efface)");
            c.executer("COMMIT");
        }
    });

    // 6. The whole listing.
    cas("6_liste", 9, [this](benchmark::State& state) {
        if (!prog().kalRubrique)
            prog().charger(prog().kalRubrique);
        KalRubrique& k = *prog().kalRubrique;
        for (auto _ : state) {
            k.Lire();
            peindre(k);
        }
    });
    plancher("plancher_liste",
             "SELECT o.Numero, f.Categorie, f.Titre FROM Fiche AS f JOIN Ordre AS o ON o.Id = f.Id"
             " ORDER BY f.Categorie, o.Numero, o.Id",
             [] { return std::vector<std::string>{}; });
    grille("grille_liste", 2, [n] { return n + 24; });

    // 7. Searches.
    for (const auto& [nom, mot] : {std::pair{"large", source_.motFrequent}, std::pair{"rare", source_.motRare}}) {
        const QString m = mot;
        cas(("7_recherche_" + std::string(nom)).c_str(), 9, [this, m](benchmark::State& state) {
            if (!prog().kalRecherche)
                prog().charger(prog().kalRecherche);
            KalRecherche& k = *prog().kalRecherche;
            k.Lire();
            k.Text7->setTexte(m);
            for (auto _ : state) {
                int touche = 13;
                k.Text7_KeyPress(touche);
                peindre(k);
            }
            if (k.MSFlexGrid1->Rows() < 2)
                throw std::runtime_error("rien trouvé");
        });
        plancher("plancher_recherche_" + std::string(nom),
                 "SELECT o.Numero, f.Categorie, f.Titre FROM Fiche AS f NOT INDEXED JOIN Ordre AS o ON o.Id = f.Id"
                 " WHERE instr(f.Titre, ?1) > 0 ORDER BY o.Numero, o.Id",
                 [m] { return std::vector<std::string>{utf8(m)}; });
    }
    grille("grille_recherche_large", 3, [base, this] {
        Connexion c(base);
        return c.lire("SELECT 1 FROM Fiche WHERE instr(Titre, ?1) > 0", {utf8(source_.motFrequent)});
    });

    // 9. The 300-line recipe, exported and printed from the search preview.
    for (const auto& [nom, reponse] : {std::pair{"9_export", u"T"_s}, std::pair{"9_impression", u"I"_s}}) {
        const QString r = reponse;
        cas(nom, 9,
            [this, r](benchmark::State& state) {
                if (!prog().kalRecherche)
                    prog().charger(prog().kalRecherche);
                KalRecherche& k = *prog().kalRecherche;
                k.Lire();
                k.Text7->setTexte(source_.titreLong);
                int entree = 13;
                k.Text7_KeyPress(entree);
                k.MSFlexGrid1->cliquer(1, 2);
                if (k.List2.size() != 300)
                    throw std::runtime_error("recette de 300 lignes non montrée");
                k.Imprime_Click();
                k.Text8->setTexte(r);
                for (auto _ : state) {
                    int touche = 13;
                    k.Text8_KeyPress(touche);
                }
                const QDir ici(travail_);
                const QStringList sorties = ici.entryList({u"*.txt"_s, u"*.pdf"_s}, QDir::Files)
                                                .filter(nomFichierSur(source_.titreLong), Qt::CaseInsensitive);
                if (sorties.isEmpty())
                    throw std::runtime_error("aucun fichier écrit");
                for (const QString& f : sorties)
                    QFile::remove(ici.filePath(f));
            },
            {u"AUCUNE IMPRIMANTE"_s});
    }

    // 8. Compaction.
    cas(
        "8_compactage", grand ? 3 : 5,
        [this](benchmark::State& state) {
            KalDepart& k = *prog().kalDepart;
            for (auto _ : state)
                k.Base_Click();
            if (!prog().donnees.BaseDonnees)
                throw std::runtime_error("base non rouverte");
        },
        {u"Compactage de la Base"_s});
    cas("plancher_compactage", grand ? 3 : 5, [this, base](benchmark::State& state) {
        const QString copie = QDir(travail_).filePath(u"plancher.tmp"_s);
        QFile::remove(copie);
        {
            Connexion c(base);
            const std::string sql = "VACUUM INTO '" + utf8(copie) + "'";
            for (auto _ : state)
                c.executer(sql.c_str());
        }
        QFile::remove(copie);
    });

    // 11. A base of the first format opened from the menu: converted.
    cas("12_conversion", grand ? 3 : 5, [this, base, ouverture](benchmark::State& state) {
        const QString ancienne = QDir(travail_).filePath(u"Ancienne.mdb"_s);
        ecrireVersion1(base, ancienne);
        ouverture(state, u"Ancienne.mdb"_s, {});
        Donnees& d = prog().donnees;
        const int nombre = d.NombreFiches;
        d.BaseDonnees = BaseRecettes::ouvrir(base);
        d.NomBase = source_.base;
        QFile::remove(ancienne);
        if (nombre != d.BaseDonnees->compter())
            throw std::runtime_error("conversion incomplète");
    });

    // 10. The backup of the whole folder, against cp -r of it.
    cas("10_sauvegarde", 3, [this](benchmark::State& state) {
        if (!prog().kalSauvegarde)
            prog().charger(prog().kalSauvegarde);
        KalSauvegarde& k = *prog().kalSauvegarde;
        const QString cible = QDir(racine_).filePath(u"sauvegarde-%1"_s.arg(source_.recettes));
        QDir(cible).removeRecursively();
        k.Text1->setTexte(cible);
        for (auto _ : state)
            k.Sauve_Click();
        const bool fini = k.Text1->texte() == u"C'EST FINI"_s;
        QDir(cible).removeRecursively();
        if (!fini)
            throw std::runtime_error("sauvegarde non finie");
    });
    cas("cp_r", 3, [this](benchmark::State& state) {
        const QString cible = QDir(racine_).filePath(u"cp-%1"_s.arg(source_.recettes));
        QDir(cible).removeRecursively();
        int code = -1;
        for (auto _ : state)
            code = QProcess::execute(u"cp"_s, {u"-r"_s, travail_, cible});
        QDir(cible).removeRecursively();
        if (code != 0)
            throw std::runtime_error("cp -r a échoué");
    });

    // 11. Texts of a megabyte without a blank, in a card and as a category
    // page, up to the window drawn.
    const QString sansBlanc(1 << 20, u'x');
    cas("11_fiche_1mo", 9, [this, general, sansBlanc](benchmark::State& state) {
        const QString titre = u"SANS BLANC"_s;
        BaseRecettes& b = *prog().donnees.BaseDonnees;
        if (!b.premiereParTitre(source_.moyenne, titre)) {
            Fiche f;
            f.categorie = source_.moyenne;
            f.titre = titre;
            f.difficulte = u"a"_s;
            f.ingrediant = u"1 oeuf"_s;
            f.preparation = sansBlanc;
            b.ajouter(f);
        }
        KalGeneral& k = general(source_.moyenne);
        k.Lire();
        const auto& g = *k.MSFlexGrid1;
        int ligne = g.Rows() - 1;
        while (ligne > 0 && g.TextMatrix(ligne, 1) != titre)
            --ligne;
        for (auto _ : state) {
            k.MSFlexGrid1->cliquer(ligne, 1);
            k.grab();
            if (k.Text6->texte().size() != sansBlanc.size())
                throw std::runtime_error("fiche non montrée");
            k.Preced_Click();
            k.grab();
        }
    });
    cas("11_page_1mo", 9, [this, sansBlanc](benchmark::State& state) {
        Donnees& d = prog().donnees;
        d.NomCategorie = nomCategorie(source_.moyenne).value_or(source_.moyenne);
        QFile page(QDir(travail_).filePath(d.NomCategorie + u".txt"_s));
        if (!page.open(QIODevice::WriteOnly) || page.write(sansBlanc.toLatin1()) != sansBlanc.size())
            throw std::runtime_error("page non écrite");
        page.close();
        for (auto _ : state) {
            prog().charger(prog().kalTexte);
            prog().kalTexte->grab();
            if (prog().kalTexte->Text1->document()->characterCount() <= sansBlanc.size())
                throw std::runtime_error("page non montrée");
            prog().decharger(prog().kalTexte);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    });
}

QString tableauMarkdown(const DossierBench& source, const std::map<std::string, Mesure>& mesures)
{
    const std::string prefixe = std::to_string(source.recettes) + "/";
    // At sizes beyond 32 767 every time target is allowed three times its value.
    const double facteur = source.recettes > 32767 ? 3.0 : 1.0;
    auto trouver = [&](const char* clef) -> const Mesure* {
        const auto i = mesures.find(prefixe + clef);
        return i == mesures.end() ? nullptr : &i->second;
    };
    auto ms = [](double v) { return QString::number(v, 'f', v < 10 ? 2 : v < 100 ? 1 : 0); };

    QString t = u"| Opération | Médiane (ms) | Plancher (ms) | Rapport | Cible | Atteinte | Pic mémoire (Mo) |\n"
                "|---|---:|---:|---:|---|---|---:|\n"_s;
    for (const Ligne& l : lignes()) {
        const Mesure* m = trouver(l.clef);
        double plancher = 0;
        bool planchers = !l.planchers.empty();
        for (const char* p : l.planchers) {
            if (const Mesure* f = trouver(p))
                plancher += f->ms;
            else
                planchers = false;
        }
        QString cible = u"—"_s, atteinte = u"—"_s;
        if (l.cibleMs > 0) {
            cible = u"< "_s + ms(l.cibleMs * facteur) + u" ms"_s;
            if (m)
                atteinte = m->ms < l.cibleMs * facteur ? u"oui"_s : u"**non**"_s;
        } else if (l.cibleMs < 0) {
            cible = u"≤ %1 × cp -r"_s.arg(-l.cibleMs);
            if (m && planchers)
                atteinte = m->ms <= -l.cibleMs * plancher ? u"oui"_s : u"**non**"_s;
        }
        t += u"| %1 | %2 | %3 | %4 | %5 | %6 | %7 |\n"_s.arg(
            QString::fromUtf8(l.libelle), m ? ms(m->ms) : u"échec"_s, planchers ? ms(plancher) : u"—"_s,
            m && planchers && plancher > 0 ? QString::number(m->ms / plancher, 'f', 1) + u" ×"_s : u"—"_s, cible,
            atteinte, m ? QString::number(m->picMo, 'f', 0) : u"—"_s);
    }
    const Mesure* liste = trouver("6_liste");
    const double limite = 100 * facteur;
    t += u"\nPic de mémoire résidente avec la liste complète affichée : %1 Mo (cible < %2 Mo : %3).\n"_s.arg(
        liste ? QString::number(liste->picMo, 'f', 0) : u"?"_s, QString::number(limite),
        liste && liste->picMo < limite ? u"atteinte"_s : u"**non atteinte**"_s);
    t += u"\nPlanchers : "_s;
    QStringList noms;
    for (const auto& [nom, m] : mesures)
        if (nom.rfind(prefixe, 0) == 0 && (nom.find("plancher") != std::string::npos || nom.find("grille") != std::string::npos
                                           || nom.find("cp_r") != std::string::npos))
            noms.append(u"`%1` %2 ms"_s.arg(QString::fromStdString(nom.substr(prefixe.size())), ms(m.ms)));
    t += noms.join(u", "_s) + u".\n"_s;
    return t;
}
