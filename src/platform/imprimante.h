#pragma once
// The printer as the printouts use it: one printer state (font, colour) kept
// for the whole run, text printed line by line at columns counted in average
// character widths of the current font, pictures placed in twips.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QString>

#include <QFontMetricsF>
#include <QHash>

#include <memory>
#include <optional>

class QPainter;
class QPrinter;

struct MorceauLigne {
    int colonne = 1;  // 1 is the left edge of the printable area; below 1 counts as 1
    QString texte;
};

class Imprimante {
public:
    virtual ~Imprimante() = default;

    virtual void setNomPolice(const QString& nom) = 0;
    virtual void setTaillePolice(double points) = 0;
    virtual void setGras(bool gras) = 0;
    virtual void setCouleur(const QColor& couleur) = 0;
    virtual QFont police() const = 0;

    // Names the job; the PDF written where the system has no printer takes this name.
    virtual void nommerDocument(const QString& nom) = 0;
    // One printed line; no piece at all prints an empty line.
    virtual void imprimerLigne(const QList<MorceauLigne>& morceaux = {}) = 0;
    virtual void dessinerImage(const QImage& image, double x, double y, double largeur,
                               double hauteur) = 0;
    virtual void nouvellePage() = 0;
    // Pages begun so far, those the printer began by itself included.
    virtual int page() const = 0;
    // Sends the job. Nothing printed since the last end still ends cleanly.
    // The PDF file the job went to instead of a printer, else empty; throws
    // Echec when it failed.
    virtual QString finDocument() = 0;
    // Width of `texte` printed in the current font, in twips, unrounded.
    virtual double largeurTexte(const QString& texte) = 0;
};

// Prints on the system's default printer (A4); where the system has none, or
// when asked to, writes the job as a PDF file in the working folder.
class ImprimanteQt : public Imprimante {
public:
    enum class Sortie { Systeme, Pdf };
    explicit ImprimanteQt(Sortie sortie = Sortie::Systeme);
    ~ImprimanteQt() override;

    void setNomPolice(const QString& nom) override;
    void setTaillePolice(double points) override;
    void setGras(bool gras) override;
    void setCouleur(const QColor& couleur) override;
    QFont police() const override { return police_; }
    void nommerDocument(const QString& nom) override;
    void imprimerLigne(const QList<MorceauLigne>& morceaux) override;
    void dessinerImage(const QImage& image, double x, double y, double largeur,
                       double hauteur) override;
    void nouvellePage() override;
    int page() const override { return page_; }
    QString finDocument() override;
    double largeurTexte(const QString& texte) override;

private:
    bool commencer();
    void tournerPages();  // the page breaks asked for since the last line
    void preparerImprimante();
    // The current font measured on the printer, kept until the font changes.
    const QFontMetricsF& mesure();
    void changerPolice();
    double avance(QChar precedent, QChar c);
    double enPixels(double twips) const;

    Sortie sortie_;
    QFont police_;
    QColor couleur_ = Qt::black;
    QString nomDocument_;
    std::unique_ptr<QPrinter> imprimante_;
    std::unique_ptr<QPainter> peintre_;
    std::optional<QFontMetricsF> mesure_;
    // Wrapping measures a line once per added character: widths are summed
    // from cached character and pair advances, continuing from the last text.
    QHash<char16_t, double> avances_;
    QHash<quint32, double> paires_;
    QString dernierTexte_;
    double derniereLargeur_ = 0;
    double y_ = 0;  // device units from the top of the printable area
    int pagesEnAttente_ = 0;
    int page_ = 0;
    QString fichierPdf_;
    // Qt writes its PDF through a link: it goes to this temporary, put in
    // place by finDocument.
    QString pdfTemporaire_;
    QString erreur_;
};
