// Start-up: the splash counts its ticks and hands over to the right window,
// never leaving the program without one.
#include "platform/boiteimage.h"
#include "shell/copyright.h"
#include "shell/kalcreer.h"
#include "shell/kaldepart.h"

#include "environnement.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

class Demarrage : public DossierProgramme {
protected:
    Copyright& splash()
    {
        Programme& p = programme();
        p.demarrer();
        EXPECT_TRUE(p.copyright);
        return *p.copyright;
    }
    // Lets the shortened timer run the splash to its end.
    void laisserFinir()
    {
        QElapsedTimer t;
        t.start();
        while (prog->copyright && t.elapsed() < 10000)
            QTest::qWait(5);
        EXPECT_FALSE(prog->copyright || prog->fond);
    }
};

TEST_F(Demarrage, LeSplashEtLeFondALeurPlace)
{
    Copyright& c = splash();
    EXPECT_EQ(c.lblVersion->text(), u"Version 2.5.3"_s);
    // Not rescaled: its design client size, centred on the 1024 x 768 screen.
    EXPECT_EQ(c.size(), QSize(593, 328));
    EXPECT_EQ(c.pos(), QPoint((1024 - 593) / 2, (768 - 328) / 2));

    // The background covers the screen but the task bar.
    ASSERT_TRUE(prog->fond);
    Fond& f = *prog->fond;
    EXPECT_EQ(QRect(f.pos(), f.size()), QRect(0, 0, 1023, 728));  // (15360 - 10) x (11520 - 600) twips
    EXPECT_EQ(f.Image1->geometry(), QRect(QPoint(0, 0), f.size()));
}

TEST_F(Demarrage, LaBarreAvanceDUnParTopEtPasseLaMainAuCentUnieme)
{
    creerBase(u"Recettes.mdb"_s);
    Copyright& c = splash();
    c.Timer1.stop();  // ticks driven by hand
    c.Timer1_Timer();
    EXPECT_EQ(c.ProgressBar1->value(), 1);
    for (int i = 2; i <= 100; ++i)
        c.Timer1_Timer();
    EXPECT_EQ(c.ProgressBar1->value(), 100);
    EXPECT_TRUE(prog->copyright && !prog->kalDepart);

    c.Timer1_Timer();
    EXPECT_FALSE(prog->copyright || prog->fond || prog->kalCreer);
    ASSERT_TRUE(prog->kalDepart);
    EXPECT_TRUE(prog->kalDepart->isVisible());
}

TEST_F(Demarrage, LeTimerMeneAuMenuSIlYAUneBaseSinonALaCreation)
{
    for (const bool base : {false, true}) {
        SCOPED_TRACE(base);
        if (base)
            creerBase(u"FETES.MDB"_s);  // capitals: still a base
        else
            ecrire(chemin(u"notes.txt"_s), "pas une base");
        splash();
        laisserFinir();
        QWidget* suivante = base ? static_cast<QWidget*>(prog->kalDepart) : prog->kalCreer;
        ASSERT_TRUE(suivante);
        EXPECT_TRUE(suivante->isVisible());
        EXPECT_FALSE(base ? bool(prog->kalCreer) : bool(prog->kalDepart));
        prog.reset();
        traiterEvenements();
    }
}

}  // namespace
