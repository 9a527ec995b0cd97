#include "platform/imprimante.h"

#include "platform/fichiers.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {
// Characters whose width depends on their neighbours at most through pair
// kerning: Latin letters and the usual punctuation. Others (combining marks,
// other scripts, surrogates, control characters) are measured with the
// whole text.
bool sansContexte(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u < 0x0300) || (u >= 0x2000 && u < 0x2100);
}

// The font a printer has before any printout sets one: the text export of a
// run that printed nothing yet wraps with it.
// A printout is a few pages; a bigger file is not ours.
constexpr qint64 TaillePdfMaximale = qint64{1} << 30;

QFont policeParDefaut()
{
    QFont f(u"Arial"_s);
    f.setPointSizeF(10);
    return f;
}
}  // namespace

ImprimanteQt::ImprimanteQt(Sortie sortie) : sortie_(sortie), police_(policeParDefaut()) {}

ImprimanteQt::~ImprimanteQt()
{
    if (peintre_ && peintre_->isActive())
        peintre_->end();
    if (!pdfTemporaire_.isEmpty())
        QFile::remove(pdfTemporaire_);
}

void ImprimanteQt::changerPolice()
{
    mesure_.reset();
    avances_.clear();
    paires_.clear();
    dernierTexte_.clear();
    if (peintre_)
        peintre_->setFont(police_);
}

void ImprimanteQt::setNomPolice(const QString& nom)
{
    police_.setFamily(nom);
    changerPolice();
}

void ImprimanteQt::setTaillePolice(double points)
{
    police_.setPointSizeF(points);
    changerPolice();
}

void ImprimanteQt::setGras(bool gras)
{
    police_.setBold(gras);
    changerPolice();
}

void ImprimanteQt::setCouleur(const QColor& couleur)
{
    couleur_ = couleur;
    if (peintre_)
        peintre_->setPen(couleur_);
}

void ImprimanteQt::nommerDocument(const QString& nom)
{
    nomDocument_ = nom;
}

void ImprimanteQt::preparerImprimante()
{
    if (imprimante_)
        return;
    imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (sortie_ == Sortie::Systeme && !QPrinterInfo::defaultPrinter().isNull())
        imprimante_->setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    else
        imprimante_->setOutputFormat(QPrinter::PdfFormat);
    // Qt's default paper depends on the system; the layouts are made for A4.
    imprimante_->setPageSize(QPageSize(QPageSize::A4));
}

const QFontMetricsF& ImprimanteQt::mesure()
{
    preparerImprimante();
    // The resolution of a printer never changes once made, so the font alone
    // decides; building metrics is far dearer than using them.
    if (!mesure_)
        mesure_.emplace(police_, imprimante_.get());
    return *mesure_;
}

bool ImprimanteQt::commencer()
{
    if (peintre_)
        return peintre_->isActive();
    preparerImprimante();
    imprimante_->setDocName(nomDocument_.isEmpty() ? u"Carnet"_s : nomDocument_);
    if (imprimante_->outputFormat() == QPrinter::PdfFormat) {
        const QString nom = nomFichierSur(nomDocument_.isEmpty() ? u"Impression"_s : nomDocument_);
        fichierPdf_ = QDir::current().absoluteFilePath(nom + u".pdf"_s);
        pdfTemporaire_ = creerTemporaire(fichierPdf_);
        imprimante_->setOutputFileName(pdfTemporaire_);
    }
    peintre_ = std::make_unique<QPainter>();
    const bool sansFichier = imprimante_->outputFormat() == QPrinter::PdfFormat && pdfTemporaire_.isEmpty();
    if (sansFichier || !peintre_->begin(imprimante_.get())) {
        erreur_ = imprimante_->outputFormat() == QPrinter::PdfFormat
            ? u"Impossible d'écrire le fichier « %1 »."_s.arg(QDir::toNativeSeparators(fichierPdf_))
            : u"L'imprimante « %1 » n'est pas prête."_s.arg(imprimante_->printerName());
        return false;
    }
    peintre_->setFont(police_);
    peintre_->setPen(couleur_);
    y_ = 0;
    return true;
}

double ImprimanteQt::enPixels(double twips) const
{
    return twips * imprimante_->resolution() / 1440.0;
}

void ImprimanteQt::imprimerLigne(const QList<MorceauLigne>& morceaux)
{
    if (!commencer())
        return;
    tournerPages();
    const QFontMetricsF& fm = mesure();
    const double hauteurPage = imprimante_->pageLayout().paintRectPixels(imprimante_->resolution()).height();
    if (y_ + fm.height() > hauteurPage) {
        ++pagesEnAttente_;
        tournerPages();
    }
    const double colonne = fm.averageCharWidth();
    double x = 0;
    for (const MorceauLigne& m : morceaux) {
        const double voulu = (std::max(m.colonne, 1) - 1) * colonne;
        // A text that already passed the column is followed by one blank, as
        // in the text file, rather than overprinted.
        x = x > voulu ? x + fm.horizontalAdvance(u' ') : voulu;
        peintre_->drawText(QPointF(x, y_ + fm.ascent()), m.texte);
        x += fm.horizontalAdvance(m.texte);
    }
    y_ += fm.height();
}

void ImprimanteQt::dessinerImage(const QImage& image, double x, double y, double largeur,
                                 double hauteur)
{
    if (image.isNull() || !commencer())
        return;
    tournerPages();
    peintre_->drawImage(QRectF(enPixels(x), enPixels(y), enPixels(largeur), enPixels(hauteur)), image);
}

void ImprimanteQt::nouvellePage()
{
    if (!commencer())
        return;
    // Turned when something is printed on the new page: a document ending
    // right after a page break has no empty last page.
    ++pagesEnAttente_;
}

void ImprimanteQt::tournerPages()
{
    for (; pagesEnAttente_ > 0; --pagesEnAttente_) {
        if (!imprimante_->newPage() && erreur_.isEmpty())
            erreur_ = u"L'impression de « %1 » a échoué."_s.arg(nomDocument_);
        y_ = 0;
        ++page_;
    }
}

QString ImprimanteQt::finDocument()
{
    if (!peintre_)
        return {};  // nothing was printed: there is no job to send
    pagesEnAttente_ = 0;
    const bool actif = peintre_->isActive();
    if (actif && !peintre_->end() && erreur_.isEmpty())
        erreur_ = u"L'impression de « %1 » a échoué."_s.arg(nomDocument_);
    peintre_.reset();
    if (imprimante_->printerState() == QPrinter::Error && erreur_.isEmpty())
        erreur_ = u"L'impression de « %1 » a échoué."_s.arg(nomDocument_);
    if (!pdfTemporaire_.isEmpty()) {
        if (actif && erreur_.isEmpty()) {
            const LectureFichier pdf = lireFichierRegulier(pdfTemporaire_, TaillePdfMaximale);
            try {
                if (!pdf.lu)
                    throw Echec(pdf.erreur);
                ecrireFichierDurable(fichierPdf_, pdf.octets);
            } catch (const Echec& e) {
                erreur_ = u"Impossible d'écrire le fichier « %1 » : %2."_s.arg(QDir::toNativeSeparators(fichierPdf_), e.message());
            }
        }
        QFile::remove(pdfTemporaire_);
        pdfTemporaire_.clear();
    }
    // A job that never began has its reason already (commencer).
    const QString pdf = std::exchange(fichierPdf_, QString());
    if (const QString erreur = std::exchange(erreur_, QString()); !erreur.isEmpty())
        throw Echec(erreur);
    return imprimante_->outputFormat() == QPrinter::PdfFormat ? pdf : QString();
}

double ImprimanteQt::avance(QChar precedent, QChar c)
{
    const QFontMetricsF& fm = mesure();
    if (precedent.isNull()) {
        auto seul = avances_.constFind(c.unicode());
        if (seul == avances_.constEnd())
            seul = avances_.insert(c.unicode(), fm.horizontalAdvance(QString(c)));
        return *seul;
    }
    const quint32 cle = quint32(precedent.unicode()) << 16 | c.unicode();
    auto paire = paires_.constFind(cle);
    if (paire == paires_.constEnd()) {
        // The advance of `c` after `precedent`, kerning included.
        const double avant = avance(QChar(), precedent);
        paire = paires_.insert(cle, fm.horizontalAdvance(QString(precedent) + c) - avant);
    }
    return *paire;
}

double ImprimanteQt::largeurTexte(const QString& texte)
{
    const QFontMetricsF& fm = mesure();
    qsizetype debut = 0;
    double largeur = 0;
    // The last text measured is kept only when its sum was exact.
    if (!dernierTexte_.isEmpty() && texte.startsWith(dernierTexte_)) {
        debut = dernierTexte_.size();
        largeur = derniereLargeur_;
    }
    for (qsizetype i = debut; i < texte.size(); ++i) {
        if (!sansContexte(texte.at(i))) {
            dernierTexte_.clear();
            return fm.horizontalAdvance(texte) * 1440.0 / imprimante_->resolution();
        }
        largeur += avance(i > 0 ? texte.at(i - 1) : QChar(), texte.at(i));
    }
    dernierTexte_ = texte;
    derniereLargeur_ = largeur;
    return largeur * 1440.0 / imprimante_->resolution();
}
