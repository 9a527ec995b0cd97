#include "card/kalgeneral.h"
#include "platform/boiteimage.h"
#include "platform/grille.h"
#include "platform/textes.h"
#include "store/sqlite.h"

#include "environnement.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <tuple>

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Base = u"Cuisine.mdb"_s;

Fiche recette(const QString& categorie, const QString& titre, const QString& ingrediant = u"1 oeuf"_s)
{
    Fiche f = fiche(categorie, titre, ingrediant, u"Cuire "_s + titre);
    f.difficulte = u"ab"_s;
    return f;
}

void ecrireImage(const QString& chemin, const QColor& couleur, const char* format)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QImage i(8, 8, QImage::Format_RGB32);
    i.fill(couleur);
    ASSERT_TRUE(i.save(chemin, format)) << chemin.toStdString();
}

// JPEG is lossy: a colour is recognised within a margin.
bool couleurDe(const BoiteImage& b, const QColor& c)
{
    const QColor v = b.estVide() ? QColor() : b.image().pixelColor(b.image().width() / 2, b.image().height() / 2);
    return v.isValid() && std::abs(v.red() - c.red()) < 24 && std::abs(v.green() - c.green()) < 24
           && std::abs(v.blue() - c.blue()) < 24;
}

// What the user sees: the menu-bar entries shown, then the groups of controls.
QString etat(const KalGeneral& k)
{
    QStringList v;
    for (QAction* a : {k.creer, k.Enregistre, k.Enreg, k.Efface, k.Imprim, k.Preced, k.Suivant, k.AjoutIma,
                       k.Retour, k.Gene})
        if (a->isVisible())
            v << a->objectName();
    v << u"|"_s << (k.MSFlexGrid1->isHidden() ? QString() : u"grille"_s);
    const std::initializer_list<QWidget*> champs{k.Label2, k.Label3, k.Label4, k.Label5, k.Label6, k.Label7, k.Label8,
                                                 k.Text1,  k.Text2,  k.Text3,  k.Text4,  k.Text5,  k.Text6,  k.Text7};
    const auto n = std::count_if(champs.begin(), champs.end(), [](QWidget* w) { return !w->isHidden(); });
    v << (n == 14 ? u"champs"_s : n ? u"champs:"_s + QString::number(n) : QString());
    for (QWidget* w : std::initializer_list<QWidget*>{k.Image1, k.Label9, k.Text8})
        v << (w->isHidden() ? QString() : w->objectName());
    v.removeAll(QString());
    return v.join(u' ');
}

const QString EtatListe = u"creer Gene | grille"_s;
const QString EtatFiche = u"creer Enregistre Efface Imprim Preced Suivant Retour | champs Image1 Label9"_s;
const QString EtatFicheSansPhoto = QString(EtatFiche).replace(u"Retour"_s, u"AjoutIma Retour"_s);
const QString EtatSaisie = u"Enreg AjoutIma Gene | champs Image1"_s;

class Carte : public DossierProgramme {
protected:
    KalGeneral& charger(const QList<Fiche>& fiches, bool baseOuverte = true)
    {
        creerBase(Base, fiches);
        Programme& p = programme();
        if (baseOuverte)
            ouvrirBase(Base);
        p.donnees.CodeCategorie = u"AGN"_s;
        p.donnees.NomCategorie = u"AGNEAU"_s;
        ecrireImage(chemin(u"Images/PAS.jpg"_s), Qt::blue, "JPG");
        return *p.charger(p.kalGeneral);
    }
    BaseRecettes& base() { return *prog->donnees.BaseDonnees; }
    // The table as "Numero:Titre", in table order.
    QStringList table()
    {
        QStringList t;
        for (const Fiche& f : base().toutesLesFiches())
            t << QString::number(f.numero) + u':' + f.titre;
        return t;
    }
    static void saisir(KalGeneral& k, const QString& titre, const QString& difficulte = u"a"_s,
                       const QString& ingrediant = u"sel"_s)
    {
        k.Text1->setTexte(titre);
        k.Text4->setTexte(difficulte);
        k.Text5->setTexte(ingrediant);
        k.Text6->setTexte(u"Cuire."_s);
    }
    // Another program writing to the base: the card's writes fail, once the store has waited its while.
    sqlite::Database verrouiller()
    {
        sqlite::Database db(chemin(Base), SQLITE_OPEN_READWRITE);
        db.executer("BEGIN IMMEDIATE");
        return db;
    }
};

// ---- the list and the card

// The list in number order, a card opened from the keyboard, "Precedant" and
// "Suivant" stopping at the ends with the photograph following, then titles in
// double (only a change can make them): the first is shown, the clicked number kept.
TEST_F(Carte, LaListeLaFicheEtPrecedantSuivantSArretentAuxBouts)
{
    Fiche epaule = recette(u"AGN"_s, u"EPAULE"_s, u"200 g\r\n\r\nsel"_s);
    epaule.preparation = u"Cuire.\r\n"_s;
    epaule.vin = u"Bordeaux"_s;
    KalGeneral& k = charger({recette(u"AGN"_s, u"GIGOT"_s, u"i1"_s), recette(u"DES"_s, u"TARTE"_s), epaule,
                             recette(u"AGN"_s, u"CARRE"_s, u"i3"_s)});
    ecrireImage(chemin(u"Images/GIGOT.jpg"_s), Qt::green, "JPG");
    ecrireImage(chemin(u"Images/Epaule.JPG"_s), Qt::red, "BMP");  // a bitmap under .JPG
    EXPECT_EQ(k.Label1->text(), u"AGNEAU  Nombre de Fiches 3"_s);
    EXPECT_EQ(etat(k), EtatListe);
    const Grille& g = *k.MSFlexGrid1;
    QStringList lignes;
    for (int r = 0; r < g.Rows(); ++r)
        lignes << g.TextMatrix(r, 0) + u' ' + g.TextMatrix(r, 1);
    EXPECT_EQ(lignes, (QStringList{u"N° NOM DE LA RECETTE"_s, u"1 GIGOT"_s, u"3 EPAULE"_s, u"4 CARRE"_s}));
    // 1024 pixels wide: PourcentZoom 102.
    EXPECT_EQ(QList<double>({g.ColWidth(0), g.ColWidth(1), g.FontSize()}), QList<double>({816, 8160, 8.16}));

    for (const Qt::Key touche : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(k.MSFlexGrid1, touche);
    EXPECT_EQ(etat(k), EtatFiche);
    EXPECT_EQ(QStringList({k.Text1->texte(), k.Text2->texte(), k.Text3->texte(), k.Text5->texte(), k.Text7->texte(),
                           k.Label9->text()}),
              QStringList({u"EPAULE"_s, u"10 MN"_s, u"?"_s, u"200 g\r\n\r\nsel"_s, u"Bordeaux"_s, u"Fiche N° 3 N° 2"_s}));
    EXPECT_EQ(k.List1 + k.List2, (QStringList{u"200 g"_s, QString(), u"sel"_s, u"Cuire."_s}));
    EXPECT_TRUE(couleurDe(*k.Image1, Qt::red));

    const auto voir = [&] { return k.Label9->text() + u' ' + k.Text1->texte() + u' ' + k.List1.join(u','); };
    for (int i = 0; i < 2; ++i) {
        k.Preced_Click();
        EXPECT_EQ(voir(), u"Fiche N° 1 N° 1 GIGOT i1"_s);
        EXPECT_TRUE(couleurDe(*k.Image1, Qt::green));
    }
    for (int i = 0; i < 3; ++i)
        k.Suivant_Click();
    EXPECT_EQ(voir(), u"Fiche N° 4 N° 3 CARRE i3"_s);
    // No photograph: the placeholder, and the offer to add one.
    EXPECT_EQ(etat(k), EtatFicheSansPhoto);
    EXPECT_TRUE(couleurDe(*k.Image1, Qt::blue));
    EXPECT_TRUE(dialogues->questions.isEmpty());  // nothing typed, nothing asked
    k.Retour_Click();
    EXPECT_EQ(etat(k), EtatListe);

    base().modifier(3, u"EPAULE"_s, recette(u"AGN"_s, u"GIGOT"_s, u"second"_s));
    k.Retour_Click();
    k.MSFlexGrid1->cliquer(2, 1);
    EXPECT_EQ(k.Text5->texte() + u' ' + k.Label9->text(), u"i1 Fiche N° 3 N° 1"_s);
    k.Gene_Click();
    EXPECT_TRUE(prog->kalGeneral.isNull());
}

TEST_F(Carte, SansBaseOuverteLeDitEtMontreUneListeVide)
{
    KalGeneral& k = charger({recette(u"AGN"_s, u"GIGOT"_s)}, false);
    EXPECT_EQ(dialogues->dernierMessage(), u"Aucune base de recettes n'est ouverte."_s);
    EXPECT_EQ(k.Label1->text(), u"AGNEAU  Nombre de Fiches 0"_s);
    k.Creer_Click();
    saisir(k, u"X"_s);
    k.Enreg_Click();
    EXPECT_EQ(etat(k), EtatSaisie);
}

// Typing is never left behind without a question; "Non" keeps the form.
TEST_F(Carte, UneSaisieNonEnregistreeNeSeQuittePasSansQuestion)
{
    KalGeneral& k = charger({recette(u"AGN"_s, u"UN"_s), recette(u"AGN"_s, u"DEUX"_s)});
    const auto vue = [&] { return prog->kalGeneral ? etat(k) + k.Text2->texte() + k.Label9->text() : QString(); };
    for (QAction* entree : {k.Retour, k.Suivant, k.Preced, k.Gene}) {
        entree == k.Gene ? k.creer->trigger() : k.MSFlexGrid1->cliquer(entree == k.Preced ? 2 : 1, 1);
        QTest::keyClicks(k.Text2, u"2 h"_s);
        const QString avant = vue();
        dialogues->reponses = {false, true};
        entree->trigger();
        EXPECT_EQ(vue(), avant) << entree->objectName().toStdString();
        entree->trigger();
        EXPECT_NE(vue(), avant) << entree->objectName().toStdString();
    }
    EXPECT_EQ(dialogues->questions.size(), 8);
    EXPECT_TRUE(dialogues->questions.first().prudente);
}

// ---- entering and saving

TEST_F(Carte, LaSaisieEstRefuseeDansLOrdreDesControlesEtGardeCeQuiEstTape)
{
    KalGeneral& k = charger({});
    k.Creer_Click();
    EXPECT_EQ(etat(k), EtatSaisie);
    k.Text1->setTexte(u"Gigot"_s);
    k.Enreg_Click();
    k.Text4->setTexte(u"a"_s);
    k.Text5->setTexte(u"  "_s);
    k.Enreg_Click();
    k.Text5->setTexte(u"sel"_s);
    k.Text6->setTexte(u"\t "_s);
    k.Enreg_Click();
    QStringList textes;
    for (const auto& m : dialogues->messages)
        textes << m.texte;
    EXPECT_EQ(textes, (QStringList{u"Dificulté doit etre servis"_s, u"Ingrédiant doit etre servis"_s,
                                   u"Préparation doit etre servis"_s}));
    EXPECT_EQ(etat(k) + u' ' + k.Text1->texte(), EtatSaisie + u" Gigot"_s);
    EXPECT_EQ(base().compter(), 0);
}

// A title of any category is refused.
TEST_F(Carte, UneNouvelleFicheEstEnregistreeAvecSesConversionsEtUnTitreExistantRefuse)
{
    KalGeneral& k = charger({recette(u"DES"_s, u"TARTE"_s)});
    k.Creer_Click();
    saisir(k, u"tarte"_s);
    k.Enreg_Click();
    EXPECT_EQ(dialogues->dernierMessage(), u"Cette recette existe déjà"_s);
    // The form stays as typed, the cursor in the title.
    EXPECT_EQ(etat(k) + u' ' + k.Text1->texte(), EtatSaisie + u" tarte"_s);
    EXPECT_EQ(k.focusWidget(), k.Text1);
    saisir(k, u"gigot d'été "_s, u"ab"_s, u"sel\r\npoivre"_s);
    k.Text2->setTexte(u"1 h"_s);
    k.Enreg_Click();
    k.Creer_Click();
    saisir(k, u"Epaule"_s);
    k.Text3->setTexte(u"  "_s);
    k.Text7->setTexte(u"Vin rouge"_s);
    k.Enreg_Click();

    EXPECT_EQ(etat(k) + k.Label1->text(), EtatListe + u"AGNEAU  Nombre de Fiches 2"_s);
    EXPECT_EQ(table(), (QStringList{u"1:TARTE"_s, u"2:GIGOT D'ÉTÉ "_s, u"3:EPAULE"_s}));
    const Fiche a = *base().ficheParNumero(2), b = *base().ficheParNumero(3);
    EXPECT_EQ(QStringList({a.categorie, a.tempPrepa, a.tempCuisson, a.vin, a.difficulte, a.ingrediant,
                           b.tempCuisson + b.vin}),
              QStringList({u"AGN"_s, u"1 H"_s, u"?"_s, u"?"_s, u"ab"_s, u"sel\r\npoivre"_s, u"  Vin rouge"_s}));
    // Nothing was attached: no photograph written.
    EXPECT_EQ(QDir(chemin(u"Images"_s)).entryList(QDir::Files), QStringList{u"PAS.jpg"_s});
}

// A photograph is its recipe's: never the placeholder, never another's; it follows a new title.
TEST_F(Carte, UnePhotographieResteCelleDeSaRecette)
{
    KalGeneral& k = charger({recette(u"AGN"_s, u"GIGOT"_s), recette(u"AGN"_s, u"EPAULE"_s),
                             recette(u"AGN"_s, u"CARRE"_s)});
    ecrireImage(chemin(u"Images/GIGOT.JPG"_s), Qt::red, "BMP");
    ecrireImage(chemin(u"Images/EPAULE.JPG"_s), Qt::green, "BMP");
    const QByteArray gigot = contenu(chemin(u"Images/GIGOT.JPG"_s));
    const std::tuple<int, QString, QString> cas[] = {{3, u"gigot"_s, u"EPAULE.JPG GIGOT.JPG PAS.jpg"_s},
                                                     {2, u"Gigot"_s, u"EPAULE.JPG GIGOT.JPG PAS.jpg"_s},  // refused
                                                     {2, u"selle"_s, u"GIGOT.JPG PAS.jpg selle.JPG"_s}};
    for (const auto& [ligne, titre, images] : cas) {
        k.MSFlexGrid1->cliquer(ligne, 1);
        k.Text1->setTexte(titre);
        k.Enregistre->trigger();
        k.Retour->trigger();
        EXPECT_EQ(QDir(chemin(u"Images"_s)).entryList(QDir::Files).join(u' '), images) << titre.toStdString();
        EXPECT_EQ(contenu(chemin(u"Images/GIGOT.JPG"_s)), gigot);
    }
    EXPECT_EQ(dialogues->messages.size(), 1);
    EXPECT_EQ(dialogues->dernierMessage(),
              u"La recette « GIGOT » a déjà sa photographie : choisissez un autre titre."_s);
    EXPECT_EQ(table().join(u' '), u"1:GIGOT 2:SELLE 3:GIGOT"_s);  // titles in double stay possible
}

// The photograph chosen is written as a bitmap under the title typed; a
// failed write says so and keeps what was typed, and a card whose photograph
// cannot be written is taken back, new or changed.
TEST_F(Carte, LaPhotographieChoisieEstEcriteEnBitmapEtUneEcritureRateeGardeLaSaisieEtLaBase)
{
    KalGeneral& k = charger({recette(u"AGN"_s, u"GIGOT"_s)});
    QImage telephone(3200, 2400, QImage::Format_RGB32);  // a phone's photograph, scaled down
    telephone.fill(Qt::red);
    ASSERT_TRUE(telephone.save(chemin(u"choisie.JPEG"_s), "JPG"));
    ecrire(chemin(u"abime.jpg"_s), "pas une image");
    k.Creer_Click();
    dialogues->fichiersChoisis << chemin(u"choisie.JPEG"_s) << chemin(u"abime.jpg"_s);
    k.AjoutIma_Click();
    k.AjoutIma_Click();  // unreadable: said, and the picture stays
    k.AjoutIma_Click();  // cancelled: the picture stays
    EXPECT_EQ(dialogues->filtres.first(), QDir::toNativeSeparators(dossier.path())
                                              + u"(*.[jJ][pP][gG] *.[jJ][pP][eE][gG] *.[pP][nN][gG])"_s);
    saisir(k, u"Epaule"_s);
    {
        const sqlite::Database verrou = verrouiller();
        k.Enreg_Click();
    }
    EXPECT_EQ(dialogues->messages.size(), 2);
    EXPECT_EQ(etat(k) + u' ' + k.Text1->texte(), EtatSaisie + u" Epaule"_s);
    k.Enreg_Click();
    EXPECT_TRUE(contenu(chemin(u"Images/Epaule.JPG"_s)).startsWith("BM"));
    EXPECT_EQ(BoiteImage::lireImage(chemin(u"Images/Epaule.JPG"_s)).size(), QSize(1600, 1200));
    k.MSFlexGrid1->cliquer(2, 1);
    EXPECT_EQ(etat(k), EtatFiche);
    EXPECT_TRUE(couleurDe(*k.Image1, Qt::red));

    k.Retour_Click();
    QDir(chemin(u"Images"_s)).removeRecursively();
    ecrire(chemin(u"Images"_s), "un fichier, pas un dossier");
    dialogues->fichiersChoisis << chemin(u"choisie.JPEG"_s) << chemin(u"choisie.JPEG"_s);
    k.Creer_Click();
    saisir(k, u"Selle"_s);
    k.AjoutIma_Click();
    k.Enreg_Click();
    EXPECT_TRUE(dialogues->dernierMessage().startsWith(u"La photographie n'a pas pu être écrite"_s));
    EXPECT_EQ(etat(k), EtatSaisie);
    k.Retour_Click();
    k.MSFlexGrid1->cliquer(1, 1);
    k.AjoutIma_Click();
    k.Text1->setTexte(u"AUTRE"_s);
    k.Enregistre_Click();
    EXPECT_EQ(etat(k) + u' ' + k.Text1->texte(), EtatFicheSansPhoto + u" AUTRE"_s);
    EXPECT_EQ(table(), (QStringList{u"1:GIGOT"_s, u"2:EPAULE"_s}));
}

// ---- deletion

TEST_F(Carte, EffacerDemandeRenumeroteEtRetireSaPhotographieSeulementJusquALaListeVide)
{
    KalGeneral& k = charger({recette(u"AGN"_s, u"UN"_s), recette(u"AGN"_s, u"DEUX"_s), recette(u"DES"_s, u"TROIS"_s)});
    for (const QString& t : {u"UN"_s, u"Deux"_s, u"TROIS"_s})
        ecrireImage(chemin(u"Images/"_s + t + u".JPG"_s), Qt::red, "BMP");
    k.MSFlexGrid1->cliquer(2, 1);
    {
        const sqlite::Database verrou = verrouiller();
        k.Efface_Click();
    }
    // Asked first; "Non" deletes nothing.
    dialogues->reponses = {false};
    k.Efface->trigger();
    EXPECT_EQ(etat(k) + QString::number(dialogues->messages.size()), EtatFiche + u'1');
    const FauxDialogues::Message q = dialogues->questions.value(1);
    EXPECT_EQ(q.titre + u' ' + q.texte + (q.prudente ? u" (Non)"_s : u""_s),
              u"DANGER VOULEZ-VOUS EFFACER LA FICHE « DEUX » ? (Non)"_s);
    EXPECT_EQ(table().size(), 3);
    k.Efface->trigger();
    EXPECT_EQ(table(), (QStringList{u"1:UN"_s, u"2:TROIS"_s}));
    EXPECT_EQ(etat(k) + k.Label1->text(), EtatListe + u"AGNEAU  Nombre de Fiches 1"_s);
    EXPECT_EQ(QDir(chemin(u"Images"_s)).entryList(QDir::Files).join(u' '), u"PAS.jpg TROIS.JPG UN.JPG"_s);

    k.MSFlexGrid1->cliquer(1, 1);
    k.Efface_Click();
    EXPECT_EQ(k.Label1->text() + u' ' + QString::number(k.MSFlexGrid1->Rows()), u"AGNEAU  Nombre de Fiches 0 1"_s);
    // A click on the heading of the empty list does nothing.
    k.MSFlexGrid1->cliquer(0, 0);
    k.MSFlexGrid1->cliquer(0, 1);
    EXPECT_EQ(etat(k), EtatListe);
    EXPECT_EQ(dialogues->messages.size(), 1);
}

// Another program deletes an earlier card while one is shown: the numbers
// move, and the number shown now names another recipe.
TEST_F(Carte, UneFicheChangeeAilleursNEstNiEcraseeNiEffacee)
{
    KalGeneral& k = charger({recette(u"AGN"_s, u"UN"_s), recette(u"AGN"_s, u"DEUX"_s), recette(u"AGN"_s, u"TROIS"_s),
                             recette(u"AGN"_s, u"QUATRE"_s), recette(u"AGN"_s, u"CINQ"_s)});
    ecrireImage(chemin(u"Images/CINQ.JPG"_s), Qt::red, "BMP");
    const struct {
        QAction* action;
        QString ailleurs;
        QStringList table;
    } cas[] = {{k.Enregistre, u"UN"_s, {u"1:DEUX"_s, u"2:TROIS"_s, u"3:QUATRE"_s, u"4:CINQ"_s}},
               {k.Efface, u"DEUX"_s, {u"1:TROIS"_s, u"2:QUATRE"_s, u"3:CINQ"_s}}};
    for (const auto& c : cas) {
        k.MSFlexGrid1->cliquer(3, 1);
        k.Text2->setTexte(u"99 MN"_s);
        BaseRecettes::ouvrir(chemin(Base))->supprimer(1, c.ailleurs);
        c.action->trigger();
        EXPECT_TRUE(dialogues->dernierMessage().contains(u"n'est plus dans la base telle qu'elle était affichée"_s));
        EXPECT_EQ(table(), c.table);
        EXPECT_EQ(base().ficheParNumero(3)->tempPrepa, recette(u"AGN"_s, u"X"_s).tempPrepa);
        EXPECT_EQ(etat(k), EtatListe);
    }
    EXPECT_TRUE(QFileInfo::exists(chemin(u"Images/CINQ.JPG"_s)));
}

// ---- keys and boxes

TEST_F(Carte, LesChampsSeTapentEnCapitalesEtDansLeurLimiteEtLaDifficulteEnPictogrammes)
{
    KalGeneral& k = charger({});
    k.Creer_Click();
    for (Texte* t : {k.Text1, k.Text2, k.Text3}) {
        // keyClicks only knows ASCII: é comes as the key a French keyboard sends.
        QTest::sendKeyEvent(QTest::Click, t, Qt::Key_Eacute, u"é"_s, Qt::NoModifier);
        QTest::keyClicks(t, u"1,a!"_s);
        QTest::keyClick(t, Qt::Key_Backspace);
        EXPECT_EQ(t->texte(), u"É1,A"_s) << t->objectName().toStdString();
    }
    QTest::keyClicks(k.Text7, u"vin"_s);
    QTest::keyClicks(k.Text4, u"abcN"_s);
    EXPECT_EQ(k.Text4->text(), u"\u2714\U0001F6B2\u2B1C\U0001F441"_s);  // a b c N
    QTest::keyClicks(k.Text4, QString(30, u'a'));
    QTest::keyClicks(k.Text1, QString(120, u'x'));
    k.Text5->setTexte(u"sel"_s);
    k.Text6->setTexte(u"Cuire."_s);
    k.Enreg_Click();
    const Fiche f = *base().ficheParNumero(1);
    EXPECT_EQ(QStringList({f.titre, f.difficulte, f.vin}),
              QStringList({u"É1,A"_s + QString(96, u'X'), u"abcN"_s + QString(21, u'a'), u"vin"_s}));  // 100, 25
}

// ---- the print question

// The answer is for the card shown when it is typed (the question itself is
// checked with the search window, which shares it).
TEST_F(Carte, LaQuestionImprimeLaFicheMontreeOuEcritSonFichierTexte)
{
    KalGeneral& k = charger({recette(u"AGN"_s, u"UN"_s), recette(u"AGN"_s, u"DEUX"_s, u"200 g\r\nsel"_s)});
    for (const QString& reponse : {u"i"_s, u"t"_s}) {
        k.MSFlexGrid1->cliquer(1, 1);
        k.Imprim_Click();
        EXPECT_EQ(etat(k), u"creer Enregistre Efface Imprim Preced Suivant AjoutIma Retour | champs:3 Image1 Label9 Text8"_s);
        k.Suivant_Click();
        k.Text8->clear();
        QTest::keyClicks(k.Text8, reponse);
        QTest::keyClick(k.Text8, Qt::Key_Return);
        EXPECT_EQ(etat(k) + k.Label8->text(), EtatListe + u"Boisson conseiller"_s);
    }
    EXPECT_TRUE(imprimante->journal.contains(u"document DEUX"_s));
    EXPECT_TRUE(imprimante->lignes().join(u'\n').contains(u"200 g"_s));
    EXPECT_TRUE(contenu(chemin(u"DEUX.txt"_s)).contains("200 g"));
}

}  // namespace
