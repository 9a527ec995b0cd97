#pragma once
// Test doubles of the platform services and a fixture that runs a Programme
// over a temporary program folder (which is also the working folder).

#include "platform/dialogues.h"
#include "platform/imprimante.h"
#include "platform/systeme.h"
#include "shell/programme.h"

#include <QDir>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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
    std::function<void()> pendantMessage;  // runs while a message box would be open
    QList<int> choix;              // answers to the next lists, in order; the proposed element when empty
    QStringList elements;          // the elements the last list offered


    void message(QWidget*, const QString& texte, const QString& titre) override;
    bool question(QWidget*, const QString& texte, const QString& titre) override;
    bool questionPrudente(QWidget*, const QString& texte, const QString& titre) override;
    QString ouvrirFichier(QWidget*, const QString& dossier, const QString& filtre) override;
    // Answered from fichiersChoisis too.
    QString enregistrerFichier(QWidget*, const QString& chemin, const QString& filtre) override;
    int choisir(QWidget*, const QString& texte, const QString& titre, const QStringList& elements,
                int courant) override;

    QString dernierMessage() const { return messages.isEmpty() ? QString() : messages.last().texte; }
};

class FauxSysteme : public Systeme {
public:
    QSize taille{1024, 768};
    QList<QUrl> adresses;
    bool ouvertureReussie = true;
    QString date = QStringLiteral("06/12/2026");
    int quitte = 0;

    QSize ecran() override { return taille; }
    bool ouvrirAdresse(const QUrl& a) override;
    QString dateCourte() override { return date; }
    void quitter() override { ++quitte; }
};

// Records what is printed; text widths are a fixed number of twips per character.
class FausseImprimante : public Imprimante {
public:
    QStringList journal;  // "police Arial", "ligne 10:texte|40:texte", "image x,y,l,h", "page", "fin"
    double twipsParCaractere = 100;
    ResultatImpression resultat;

    void setNomPolice(const QString& nom) override;
    void setTaillePolice(double points) override;
    void setGras(bool gras) override;
    void setCouleur(const QColor& couleur) override;
    QFont police() const override { return police_; }
    void nommerDocument(const QString& nom) override;
    void imprimerLigne(const QList<MorceauLigne>& morceaux) override;
    void dessinerImage(const QImage& image, double x, double y, double l, double h) override;
    void nouvellePage() override;
    int page() const override { return static_cast<int>(journal.count(QStringLiteral("page"))); }
    ResultatImpression finDocument() override;
    double largeurTexte(const QString& texte) override;

    // The lines printed, each as its pieces at their columns, pages split by "page".
    QStringList lignes() const;

private:
    QFont police_;
};

class DossierProgramme : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A Programme over the temporary folder; the doubles stay reachable below.
    // With `imprimantePdf` the real Qt printer writes PDF files in the folder.
    Programme& programme(bool imprimantePdf = false);
    // Fills the folder with the demo program folder.
    void genererDemo();
    // An empty base under `nom`, with recipes added through the store.
    void creerBase(const QString& nom, const QList<Fiche>& fiches = {});
    // Opens the base as the main menu would.
    void ouvrirBase(const QString& nom);

    QString chemin(const QString& relatif) const { return dossier.filePath(relatif); }
    static QByteArray contenu(const QString& chemin);
    static void ecrire(const QString& chemin, const QByteArray& octets);
    // Runs the pending deferred deletions (unloaded windows).
    static void traiterEvenements();

    QTemporaryDir dossier;
    std::unique_ptr<Programme> prog;
    FauxDialogues* dialogues = nullptr;
    FauxSysteme* systeme = nullptr;
    FausseImprimante* imprimante = nullptr;  // null with the PDF printer

private:
    QString ancienDossier_;
};

Fiche fiche(const QString& categorie, const QString& titre, const QString& ingrediant = QStringLiteral("1 oeuf"),
            const QString& preparation = QStringLiteral("Cuire."));
