// File names compared without regard to letter case, and made safe.
#include "platform/fichiers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

void toucher(const QString& chemin)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

}  // namespace

TEST(Fichiers, ListeParMotifSansEgardALaCasse)
{
    QTemporaryDir d;
    QDir dossier(d.path());
    for (const QString& nom : {u"FETES.MDB"_s, u"base.mdb"_s, u"Autre.Mdb"_s, u".mdb"_s, u"notes.txt"_s, u"x.mdb.bak"_s, u"Lettre.LET"_s})
        toucher(dossier.filePath(nom));
    dossier.mkdir(u"dossier.mdb"_s);

    EXPECT_EQ(listerFichiers(dossier, {u"*.mdb"_s}), (QStringList{u".mdb"_s, u"Autre.Mdb"_s, u"base.mdb"_s, u"FETES.MDB"_s}));
    EXPECT_EQ(listerFichiers(dossier, {u"*.let"_s, u"*.TXT"_s}), (QStringList{u"Lettre.LET"_s, u"notes.txt"_s}));
    EXPECT_TRUE(contientFichier(dossier, {u"*.mdb"_s}));
    EXPECT_FALSE(contientFichier(dossier, {u"*.kal"_s}));
}

TEST(Fichiers, TrouverCompareChaqueElementSansCasse)
{
    QTemporaryDir d;
    QDir(d.path()).mkdir(u"Images"_s);
    toucher(d.filePath(u"Images/Tarte.JPG"_s));
    toucher(d.filePath(u"Images/TARTE.jpg"_s));

    EXPECT_EQ(trouverFichier(d.filePath(u"IMAGES/tarte.Jpg"_s)), d.filePath(u"Images/TARTE.jpg"_s));
    EXPECT_EQ(trouverFichier(d.filePath(u"Images/Tarte.JPG"_s)), d.filePath(u"Images/Tarte.JPG"_s));  // exact wins
    EXPECT_EQ(trouverFichier(d.filePath(u"images/FLAN.jpg"_s)), QString());
    EXPECT_EQ(trouverFichier(d.filePath(u"Autre/Tarte.JPG"_s)), QString());
    EXPECT_EQ(trouverFichier(QString()), QString());
}

TEST(Fichiers, NomSurNeQuittePasSonDossier)
{
    for (const auto& [nom, sur] : {std::pair{u"../x"_s, u".._x"_s}, {u"a/b\\c"_s, u"a_b_c"_s},
                                   {u"a:b*c?d\"e<f>g|h"_s, u"a_b_c_d_e_f_g_h"_s}, {u"."_s, u"_"_s}, {u".."_s, u"_"_s},
                                   {QString(), u"_"_s}, {u"a\tb\nc\u007f"_s, u"a_b_c_"_s},
                                   {u"CRÈME BRÛLÉE L'ÉTÉ"_s, u"CRÈME BRÛLÉE L'ÉTÉ"_s}})
        EXPECT_EQ(nomFichierSur(nom), sur) << nom.toStdString();
}
