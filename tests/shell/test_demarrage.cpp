// Start-up: the splash counts its ticks and hands over to the right window,
// never leaving the program without one.
#include "platform/boiteimage.h"
#include "shell/copyright.h"
#include "shell/kalcreer.h"
#include "shell/kaldepart.h"

#include "environnement.h"

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

// Ticks driven by hand: the bar moves one step each, the hundred-and-first
// hands over to the menu if there is a base, else to the creation of one.
TEST_F(Demarrage, LaBarreAvanceDUnParTopEtLeCentUniemeMeneAuMenuOuALaCreation)
{
    for (const bool base : {false, true}) {
        SCOPED_TRACE(base);
        if (base)
            creerBase(u"FETES.MDB"_s);  // capitals: still a base
        else
            ecrire(chemin(u"notes.txt"_s), "pas une base");
        Copyright& c = splash();
        c.Timer1.stop();
        for (int i = 1; i <= 100; ++i)
            c.Timer1_Timer();
        EXPECT_EQ(c.ProgressBar1->value(), 100);
        EXPECT_TRUE(prog->copyright && !prog->kalDepart && !prog->kalCreer);
        c.Timer1_Timer();
        EXPECT_FALSE(prog->copyright || prog->fond);
        QWidget* suivante = base ? static_cast<QWidget*>(prog->kalDepart) : prog->kalCreer;
        ASSERT_TRUE(suivante && suivante->isVisible());
        EXPECT_FALSE(base ? bool(prog->kalCreer) : bool(prog->kalDepart));
        prog.reset();
        traiterEvenements();
    }
}

}  // namespace
