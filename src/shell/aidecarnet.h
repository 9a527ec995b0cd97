#pragma once
// The program's own help viewer: the pages of the compiled help document
// "Lisez-Moi.chm" of the working folder, with their links and pictures.

#include "app/fenetrekal.h"
#include "shell/documentchm.h"

#include <QTextBrowser>
#include <QUrl>

#include <memory>

class QAction;

// A browser whose pages and pictures come from a compiled help document;
// addresses are "chm:/page.html".
class NavigateurChm : public QTextBrowser {
    Q_OBJECT
public:
    explicit NavigateurChm(QWidget* parent = nullptr);
    void setDocumentChm(const DocumentChm* document) { document_ = document; }
    QVariant loadResource(int type, const QUrl& nom) override;

    static QUrl adresse(const QString& cheminDansDocument);

private:
    const DocumentChm* document_ = nullptr;
};

class AideCarnet : public FenetreKal {
    Q_OBJECT
public:
    explicit AideCarnet(Programme& programme);
    // Opens the document and shows its first page; on failure says why and
    // unloads itself.
    void Form_Load();
    void Sommaire_Click();
    void Precedent_Click();
    void Fermer_Click();

    NavigateurChm* Navigateur;
    QAction* Sommaire;
    QAction* Precedent;
    QAction* Fermer;

    static QString nomDocument();

private:
    void suivreLien(const QUrl& lien);
    std::unique_ptr<DocumentChm> document_;
    QUrl accueil_;
};
