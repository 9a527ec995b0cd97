#pragma once
// Helpers of the store tests: bases in a temporary folder, raw SQL beside the
// store, file fingerprints.

#include "store/baserecettes.h"
#include "store/sqlite.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

inline Fiche fiche(const QString& categorie, const QString& titre)
{
    Fiche f;
    f.categorie = categorie;
    f.titre = titre;
    f.tempPrepa = u"10 MN"_s;
    f.tempCuisson = u"?"_s;
    f.difficulte = u"AB"_s;
    f.ingrediant = u"Farine\r\nBeurre"_s;
    f.preparation = u"Mélanger."_s;
    f.vin = u"?"_s;
    return f;
}

// SQL run on its own connection, as another program would.
inline void executerSql(const QString& chemin, const char* sql)
{
    sqlite::Database db(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    db.executer(sql);
}

inline QByteArray empreinte(const QString& chemin)
{
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

inline void ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(octets), octets.size());
}

class AvecBase : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        chemin = dossier.filePath(u"Cuisine.mdb"_s);
        BaseRecettes::creer(chemin);
        base = BaseRecettes::ouvrir(chemin);
    }

    std::vector<QString> titres()
    {
        std::vector<QString> t;
        for (int n = 1; n <= base->compter(); ++n)
            t.push_back(base->ficheParNumero(n).value_or(Fiche{}).titre);
        return t;
    }

    QTemporaryDir dossier;
    QString chemin;
    std::unique_ptr<BaseRecettes> base;
};
