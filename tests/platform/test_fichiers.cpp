// File names compared without regard to letter case, and made safe.
#include "platform/fichiers.h"

#include "environnement.h"

using namespace Qt::Literals::StringLiterals;

using Fichiers = DossierProgramme;

TEST_F(Fichiers, ListeParMotifSansEgardALaCasse)
{
    QDir d(dossier.path());
    for (const QString& nom : {u"FETES.MDB"_s, u"base.mdb"_s, u"Autre.Mdb"_s, u".mdb"_s, u"notes.txt"_s, u"x.mdb.bak"_s, u"Lettre.LET"_s})
        ecrire(chemin(nom), {});
    d.mkdir(u"dossier.mdb"_s);

    EXPECT_EQ(listerFichiers(d, {u"*.mdb"_s}), (QStringList{u".mdb"_s, u"Autre.Mdb"_s, u"base.mdb"_s, u"FETES.MDB"_s}));
    EXPECT_EQ(listerFichiers(d, {u"*.let"_s, u"*.TXT"_s}), (QStringList{u"Lettre.LET"_s, u"notes.txt"_s}));
    EXPECT_TRUE(contientFichier(d, {u"*.mdb"_s}));
    EXPECT_FALSE(contientFichier(d, {u"*.kal"_s}));
}

TEST_F(Fichiers, TrouverCompareChaqueElementSansCasse)
{
    QDir(dossier.path()).mkdir(u"Images"_s);
    ecrire(chemin(u"Images/Tarte.JPG"_s), {});
    ecrire(chemin(u"Images/TARTE.jpg"_s), {});

    EXPECT_EQ(trouverFichier(chemin(u"IMAGES/tarte.Jpg"_s)), chemin(u"Images/TARTE.jpg"_s));
    EXPECT_EQ(trouverFichier(chemin(u"Images/Tarte.JPG"_s)), chemin(u"Images/Tarte.JPG"_s));  // exact wins
    EXPECT_EQ(trouverFichier(chemin(u"images/FLAN.jpg"_s)), QString());
    EXPECT_EQ(trouverFichier(chemin(u"Autre/Tarte.JPG"_s)), QString());
    EXPECT_EQ(trouverFichier(QString()), QString());
}

TEST_F(Fichiers, NomSurNeQuittePasSonDossier)
{
    for (const auto& [nom, sur] : {std::pair{u"../x"_s, u".._x"_s}, {u"a/b\\c"_s, u"a_b_c"_s},
                                   {u"a:b*c?d\"e<f>g|h"_s, u"a_b_c_d_e_f_g_h"_s}, {u"."_s, u"_"_s}, {u".."_s, u"_"_s},
                                   {QString(), u"_"_s}, {u"a\tb\nc\u007f"_s, u"a_b_c_"_s},
                                   {u"CRÈME BRÛLÉE L'ÉTÉ"_s, u"CRÈME BRÛLÉE L'ÉTÉ"_s}})
        EXPECT_EQ(nomFichierSur(nom), sur) << nom.toStdString();
}
