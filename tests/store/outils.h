#pragma once
// Helpers of the store tests: raw SQL beside the store, the message of a
// refusal, a fixture with an open base.

#include "store/baserecettes.h"
#include "store/sqlite.h"

#include "environnement.h"

#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

// SQL run on its own connection, as another program would.
inline void executerSql(const QString& chemin, const char* sql)
{
    sqlite::Database db(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    db.executer(sql);
}

// The message of the Echec `action` throws, or a mark that it threw none.
template <typename F>
std::string refus(F&& action)
{
    try {
        action();
    } catch (const Echec& e) {
        return e.message().toStdString();
    }
    return "(aucun refus)";
}

class AvecBase : public DossierProgramme {
protected:
    void SetUp() override
    {
        DossierProgramme::SetUp();
        creerBase(u"Cuisine.mdb"_s);
        base = BaseRecettes::ouvrir(chemin(u"Cuisine.mdb"_s));
    }
    void sql(const char* requete) { executerSql(chemin(u"Cuisine.mdb"_s), requete); }
    std::vector<QString> titres()
    {
        std::vector<QString> t;
        for (int n = 1; n <= base->compter(); ++n)
            t.push_back(base->ficheParNumero(n).value_or(Fiche{}).titre);
        return t;
    }

    std::unique_ptr<BaseRecettes> base;
};
