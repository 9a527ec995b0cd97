#pragma once
// A fixture that runs a Programme, with the doubles of its services, over a
// temporary program folder (which is also the working folder).

#include "doubles.h"

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
#include <ostream>

// Readable texts in gtest's messages (found by argument-dependent lookup, hence global).
inline void PrintTo(const QString& texte, std::ostream* os)
{
    *os << '"' << texte.toStdString() << '"';
}
inline void PrintTo(const QStringList& liste, std::ostream* os)
{
    *os << '{' << liste.join(QStringLiteral(", ")).toStdString() << '}';
}

class DossierProgramme : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A Programme over the temporary folder; the doubles stay reachable below.
    // With `imprimantePdf` the real Qt printer writes PDF files in the folder.
    Programme& programme(bool imprimantePdf = false);
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
    CopieurEspion* copieur = nullptr;

private:
    QString ancienDossier_;
};

Fiche fiche(const QString& categorie, const QString& titre, const QString& ingrediant = QStringLiteral("1 oeuf"),
            const QString& preparation = QStringLiteral("Cuire."));
