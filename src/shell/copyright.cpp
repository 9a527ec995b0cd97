#include "shell/copyright.h"

#include "app/programme.h"
#include "platform/boiteimage.h"
#include "platform/fichiers.h"
#include "platform/twips.h"
#include "shell/images.h"
#include "shell/kalcreer.h"
#include "shell/kaldepart.h"

#include <QDir>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor Bleu(0, 0, 255);
const QColor Vert(0, 255, 0);
const QColor Rouge(255, 0, 0);

QLabel* etiquette(QLabel* l, int taille, const QColor& couleur, Qt::Alignment alignement)
{
    l->setFont(QFont(u"Arial"_s, taille, QFont::Bold, true));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, couleur);
    l->setPalette(p);
    l->setAlignment(alignement);
    return l;
}

// A label sized to its text grows or shrinks around the centre of its design box.
void ajusterAuTexte(QLabel* l)
{
    const QRectF dessin = geometrieTwips(l);
    const QSizeF texte = QSizeF(l->sizeHint()) * TwipsParPixel;
    setGeometrieTwips(l, QRectF(dessin.center().x() - texte.width() / 2, dessin.y(), texte.width(), texte.height()));
}

}  // namespace

const EnregistrementVersion& versionProgramme()
{
    static const EnregistrementVersion v{
        CARNET_VERSION_MAJEURE,
        CARNET_VERSION_MINEURE,
        CARNET_VERSION_REVISION,
        u"Copyright © 2026 ORBALE"_s,
        u"ORBALE"_s,
        u"Livre de recettes de cuisine"_s,
    };
    return v;
}

Fond::Fond(Programme& programme) : FenetreKal(programme)
{
    Image1 = controle<BoiteImage>("Image1", 0, 0, 12000, 9000);
    Image1->setImage(paysageFond());
}

void Fond::Form_Load()
{
    setTailleFenetreTwips(this, 9000, 12000);
    setPositionFenetreTwips(this, 0, 0);
    prog.zoom.MesurerEcran(prog.systeme().ecran());
    prog.zoom.MemoriserPositions(*this);
    // The strip left free at the bottom keeps the task bar visible.
    setTailleFenetreTwips(this, prog.zoom.HauteurEcran - 600, prog.zoom.LargeurEcran - 10);
    prog.zoom.AppliquerZoom(*this);
    // The client area: the window has no menu bar, its surface fills it.
    setGeometrieTwips(Image1, QRectF(0, 0, width() * TwipsParPixel, height() * TwipsParPixel));
    show();
}

Copyright::Copyright(Programme& programme) : FenetreKal(programme)
{
    setFixedSize(qRound(8895 / TwipsParPixel), qRound(4920 / TwipsParPixel));

    Frame1 = controle<QFrame>("Frame1", 0, 0, 8910, 4950);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Plain);
    imgLogo = controle<BoiteImage>("imgLogo", 180, 240, 3795, 3165, Frame1);
    imgLogo->setImage(logoCarnet());

    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignVCenter;
    lblProductName = etiquette(controle<QLabel>("lblProductName", 5355, 360, 1950, 540, Frame1), 24, Bleu, centre);
    lblProductName->setText(u"CARNET"_s);
    ajusterAuTexte(lblProductName);
    lblPlatform = etiquette(controle<QLabel>("lblPlatform", 4605, 1215, 3465, 225, Frame1), 9, Bleu, centre);
    lblPlatform->setText(u"Patienrez, Chargement des paramettres"_s);
    ajusterAuTexte(lblPlatform);
    lblVersion = etiquette(controle<QLabel>("lblVersion", 4605, 1800, 915, 270, Frame1), 12, Vert, centre);
    lblCopyright = etiquette(controle<QLabel>("lblCopyright", 3960, 2310, 4845, 345, Frame1), 12, Bleu, centre);
    lblCopyright2 = etiquette(controle<QLabel>("lblCopyright2", 3960, 2655, 4815, 345, Frame1), 12, Bleu, centre);
    Label1 = etiquette(controle<QLabel>("Label1", 3960, 3000, 4815, 345, Frame1), 12, Bleu, centre);
    lblWarning = etiquette(controle<QLabel>("lblWarning", 120, 3540, 8415, 555, Frame1), 9, Rouge,
                           Qt::AlignLeft | Qt::AlignTop);
    lblWarning->setWordWrap(true);
    lblWarning->setText(u"Ce programme peut être copié et donné librement, sans modification et sans contrepartie ; "
                        u"il ne peut être ni vendu, ni loué, ni joint à un produit payant."_s);

    ProgressBar1 = controle<QProgressBar>("ProgressBar1", 45, 4440, 8805, 405);
    ProgressBar1->setTextVisible(false);

    connect(&Timer1, &QTimer::timeout, this, &Copyright::Timer1_Timer);
}

void Copyright::Form_Load()
{
    prog.charger(prog.fond);

    // Centred on the screen, above the background.
    const QSize ecran = prog.systeme().ecran();
    move((ecran.width() - width()) / 2, (ecran.height() - height()) / 2);
    show();
    raise();

    const EnregistrementVersion& v = versionProgramme();
    lblVersion->setText(u"Version %1.%2.%3"_s.arg(v.majeure).arg(v.mineure).arg(v.revision));
    ajusterAuTexte(lblVersion);
    lblCopyright->setText(v.copyright);
    lblCopyright2->setText(u"Entreprise Virtuelle "_s + v.entreprise);
    Label1->setText(v.description);

    compteur_ = 0;
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    Timer1.setInterval(prog.intervalleSplash);
    Timer1.start();
}

void Copyright::Timer1_Timer()
{
    ++compteur_;
    if (compteur_ < 101) {
        ProgressBar1->setValue(compteur_);
        return;
    }
    Timer1.stop();
    // The next window exists before these two close, so one is always open.
    if (contientFichier(QDir::current(), {u"*.mdb"_s}))
        prog.charger(prog.kalDepart);
    else
        prog.charger(prog.kalCreer);
    prog.decharger(prog.copyright);
    prog.decharger(prog.fond);
}
