#include "shell/aidecarnet.h"

#include "app/programme.h"
#include "platform/fichiers.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Schema = u"chm"_s;

QString pageAbsente(const QString& chemin)
{
    return u"<html><body><h2>Page absente</h2><p>La page <b>%1</b> ne se trouve pas dans le document "
           u"d'aide.</p></body></html>"_s.arg(chemin.toHtmlEscaped());
}

}  // namespace

NavigateurChm::NavigateurChm(QWidget* parent) : QTextBrowser(parent)
{
    // Links are followed by the window: pages inside the document, web
    // addresses through the desktop.
    setOpenLinks(false);
}

QUrl NavigateurChm::adresse(const QString& cheminDansDocument)
{
    QUrl u;
    u.setScheme(Schema);
    u.setPath(cheminDansDocument.startsWith(u'/') ? cheminDansDocument : u'/' + cheminDansDocument);
    return u;
}

QVariant NavigateurChm::loadResource(int type, const QUrl& nom)
{
    const QUrl url = nom.isRelative() ? source().resolved(nom) : nom;
    // Nothing outside the document is read, local files included.
    if (url.scheme() != Schema || !document_)
        return {};
    const QString chemin = url.path(QUrl::FullyDecoded);
    if (const std::optional<QByteArray> octets = document_->lire(chemin))
        return *octets;
    if (type == QTextDocument::HtmlResource)
        return pageAbsente(chemin);
    return {};
}

QString AideCarnet::nomDocument()
{
    return u"Lisez-Moi.chm"_s;
}

AideCarnet::AideCarnet(Programme& programme) : FenetreKal(programme)
{
    setWindowTitle(u"Lisez-Moi"_s);
    Navigateur = new NavigateurChm(zone());
    Navigateur->setObjectName(u"Navigateur"_s);
    auto* disposition = new QVBoxLayout(zone());
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(Navigateur);

    Sommaire = entreeMenu("Sommaire", u"Sommaire"_s);
    Precedent = entreeMenu("Precedent", u"Précédent"_s);
    Fermer = entreeMenu("Fermer", u"Fermer"_s);
    Precedent->setEnabled(false);

    connect(Sommaire, &QAction::triggered, this, &AideCarnet::Sommaire_Click);
    connect(Precedent, &QAction::triggered, this, &AideCarnet::Precedent_Click);
    connect(Fermer, &QAction::triggered, this, &AideCarnet::Fermer_Click);
    connect(Navigateur, &QTextBrowser::backwardAvailable, Precedent, &QAction::setEnabled);
    connect(Navigateur, &QTextBrowser::anchorClicked, this, &AideCarnet::suivreLien);
}

void AideCarnet::Form_Load()
{
    try {
        const QString trouve = trouverFichier(nomDocument());
        if (trouve.isEmpty())
            throw Echec(u"Le document d'aide « %1 » est introuvable dans le dossier %2."_s.arg(
                nomDocument(), QDir::toNativeSeparators(QDir::currentPath())));
        preciser([&] { document_ = DocumentChm::ouvrir(trouve); },
                 [&](const QString& r) { return u"Le document d'aide « %1 » ne peut pas être lu : %2."_s.arg(trouve, r); });
        if (!document_)
            throw Echec(u"Le document d'aide « %1 » ne peut pas être lu : ce n'est pas un document d'aide "
                        u"compilé valide."_s.arg(trouve));
        const QString page = document_->pageAccueil();
        if (page.isEmpty())
            throw Echec(u"Le document d'aide « %1 » ne contient aucune page."_s.arg(trouve));
        accueil_ = NavigateurChm::adresse(page);
    } catch (const Echec& e) {
        prog.dialogues().message(prog.vivante("KalDepart"), e.message());
        document_.reset();
        prog.decharger(prog.aideCarnet);
        return;
    }
    Navigateur->setDocumentChm(document_.get());
    Navigateur->setSource(accueil_, QTextDocument::HtmlResource);

    const QSize ecran = prog.systeme().ecran();
    resize(ecran.width() * 7 / 10, ecran.height() * 8 / 10);
    move((ecran.width() - width()) / 2, (ecran.height() - height()) / 2);
    show();
}

void AideCarnet::suivreLien(const QUrl& lien)
{
    if (lien.scheme() == Schema) {
        Navigateur->setSource(lien, QTextDocument::HtmlResource);
        return;
    }
    if (!prog.systeme().ouvrirAdresse(lien))
        prog.dialogues().message(this, u"L'adresse %1 n'a pas pu être ouverte."_s.arg(lien.toString()));
}

void AideCarnet::Sommaire_Click()
{
    Navigateur->setSource(accueil_, QTextDocument::HtmlResource);
}

void AideCarnet::Precedent_Click()
{
    Navigateur->backward();
}

void AideCarnet::Fermer_Click()
{
    prog.decharger(prog.aideCarnet);
}
