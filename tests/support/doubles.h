#pragma once
// The doubles of the services a Programme is given, shared by the tests, the
// benchmarks and the fuzz targets: nothing blocks, everything is recorded.

#include "app/programme.h"
#include "backup/copie.h"
#include "platform/dialogues.h"
#include "platform/imprimante.h"
#include "platform/lecteurs.h"
#include "platform/systeme.h"

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class FauxDialogues : public Dialogues {
public:
    struct Message {
        QString texte;
        QString titre;
        bool prudente = false;  // questions: "Non" is the default
    };
    QList<Message> messages;
    QList<Message> questions;
    QList<bool> reponses;          // answers to the next questions, in order; Yes when empty
    QStringList fichiersChoisis;   // what the next file dialogs return; "" when empty
    QStringList filtres;           // filters the file dialogs were shown with
    QList<int> choix;              // answers to the next lists, in order; the proposed element when empty

    void message(QWidget*, const QString& texte, const QString& titre) override { messages.append({texte, titre}); }
    bool question(QWidget*, const QString& texte, const QString& titre) override;
    bool questionPrudente(QWidget*, const QString& texte, const QString& titre) override;
    QString ouvrirFichier(QWidget*, const QString& dossier, const QString& filtre) override;
    // Answered from fichiersChoisis too.
    QString enregistrerFichier(QWidget* p, const QString& c, const QString& f) override { return ouvrirFichier(p, c, f); }
    int choisir(QWidget*, const QString&, const QString&, const QStringList&, int courant) override
    {
        return choix.isEmpty() ? courant : choix.takeFirst();
    }

    QString dernierMessage() const { return messages.isEmpty() ? QString() : messages.last().texte; }
};

class FauxSysteme : public Systeme {
public:
    QSize taille{1024, 768};
    QList<QUrl> adresses;
    bool ouvertureReussie = true;
    int quitte = 0;

    QSize ecran() override { return taille; }
    bool ouvrirAdresse(const QUrl& a) override { return adresses.append(a), ouvertureReussie; }
    QString dateCourte() override { return QStringLiteral("06/12/2026"); }
    void quitter() override { ++quitte; }
    QStringList lecteurs = volumesMontes();
    QStringList volumes() override { return lecteurs; }
};

// The real copier, whose block copies can be watched or made to fail halfway.
class CopieurEspion : public Copieur {
public:
    std::function<void()> avantBloc;
    int blocs = 0;
    int echecAuBloc = 0;  // 1-based; 0: never

protected:
    qint64 copierBloc(int entree, int sortie, qint64 taille) override;
};

// How the fake printer's job ends: the PDF file given, or the failure thrown.
struct ResultatImpression {
    bool reussi = true;
    QString fichierPdf;
    QString erreur;
};

// Records what is printed; text widths are a fixed number of twips per
// character, or what `largeur` says when set.
class FausseImprimante : public Imprimante {
public:
    QStringList journal;  // "police Arial", "ligne 10:texte|40:texte", "image x,y,l,h", "page", "fin"
    double twipsParCaractere = 100;
    std::function<double(const QString&)> largeur;
    ResultatImpression resultat;

    void setNomPolice(const QString& nom) override;
    void setTaillePolice(double points) override;
    void setGras(bool gras) override;
    void setCouleur(const QColor& couleur) override { journal.append(QStringLiteral("couleur ") + couleur.name()); }
    QFont police() const override { return police_; }
    void nommerDocument(const QString& nom) override { journal.append(QStringLiteral("document ") + nom); }
    void imprimerLigne(const QList<MorceauLigne>& morceaux) override;
    void dessinerImage(const QImage& image, double x, double y, double l, double h) override;
    void nouvellePage() override { journal.append(QStringLiteral("page")); }
    int page() const override { return static_cast<int>(journal.count(QStringLiteral("page"))); }
    QString finDocument() override;
    double largeurTexte(const QString& texte) override
    {
        return largeur ? largeur(texte) : static_cast<double>(texte.size()) * twipsParCaractere;
    }

    // The lines printed, each as its pieces at their columns, pages split by "page".
    QStringList lignes() const;

private:
    QFont police_;
};
