#include "generateur.h"

#include "photos.h"
#include "recettes.h"

#include "platform/encodage.h"
#include "platform/fichiers.h"
#include "store/baserecettes.h"
#include "store/catalogue.h"
#include "store/photo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace {

class Generateur {
public:
    explicit Generateur(const QString& dossier) : dossier_(dossier) {}

    QStringList ecrits() const { return ecrits_; }

    void base(const QString& nom, std::span<const RecetteDemo> recettes)
    {
        const QString chemin = dossier_.filePath(nom);
        if (existe(chemin)) {
            return;
        }
        // Filled under another name and renamed once complete, so that an
        // interrupted run leaves no half base that the next run would keep.
        const QString partiel = chemin + u".partiel"_s;
        QFile::remove(partiel);
        BaseRecettes::creer(partiel);
        {
            const auto ouverte = BaseRecettes::ouvrir(partiel);
            for (const RecetteDemo& r : recettes) {
                if (!ouverte->ajouter(fiche(r))) {
                    throw Echec(u"La recette %1 figure deux fois dans la base %2."_s
                                         .arg(QString::fromUtf8(r.titre), nom));
                }
            }
        }
        if (!QFile::rename(partiel, chemin)) {
            QFile::remove(partiel);
            throw Echec(u"Impossible de créer la base %1."_s.arg(QDir::toNativeSeparators(chemin)));
        }
        noter(chemin);
    }

    void modele(const QString& nom)
    {
        const QString chemin = dossier_.filePath(nom);
        if (!existe(chemin)) {
            BaseRecettes::creer(chemin);
            noter(chemin);
        }
    }

    void texte(const QString& nom, const QString& contenu)
    {
        const QString chemin = dossier_.filePath(nom);
        if (existe(chemin)) {
            return;
        }
        QSaveFile fichier(chemin);
        const QByteArray octets = encoder1252(contenu);
        if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() || !fichier.commit()) {
            echec(chemin, fichier.errorString());
        }
        noter(chemin);
    }

    void image(const QString& chemin, const QImage& dessin)
    {
        if (existe(chemin)) {
            return;
        }
        QSaveFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly)) {
            echec(chemin, fichier.errorString());
        }
        QImageWriter jpeg(&fichier, "jpeg");
        jpeg.setQuality(85);
        if (!jpeg.write(dessin)) {
            echec(chemin, jpeg.errorString());
        }
        if (!fichier.commit()) {
            echec(chemin, fichier.errorString());
        }
        noter(chemin);
    }

private:
    static bool existe(const QString& chemin) { return !trouverFichier(chemin).isEmpty(); }

    [[noreturn]] static void echec(const QString& chemin, const QString& raison)
    {
        throw Echec(u"Impossible d'écrire le fichier %1 : %2"_s.arg(QDir::toNativeSeparators(chemin), raison));
    }

    static Fiche fiche(const RecetteDemo& r)
    {
        Fiche f;
        f.categorie = QString::fromLatin1(r.categorie);
        f.titre = QString::fromUtf8(r.titre);
        f.tempPrepa = QString::fromUtf8(r.tempPrepa);
        f.tempCuisson = QString::fromUtf8(r.tempCuisson);
        f.difficulte = QString::fromUtf8(r.difficulte);
        f.ingrediant = texteStocke(r.ingredients);
        f.preparation = texteStocke(r.preparation);
        f.vin = QString::fromUtf8(r.vin);
        return f;
    }

    void noter(const QString& chemin) { ecrits_.append(dossier_.relativeFilePath(chemin)); }

    QDir dossier_;
    QStringList ecrits_;
};

}  // namespace

QStringList genererDossierDemo(const QString& dossier, const OptionsDemo& options)
{
    const QDir racine(dossier);
    if (!racine.mkpath(u"Images"_s)) {
        throw Echec(u"Impossible de créer le dossier %1."_s
                             .arg(QDir::toNativeSeparators(racine.filePath(u"Images"_s))));
    }
    Generateur g(dossier);
    g.modele(u"Base.kal"_s);
    for (const BaseDemo& b : basesDemo()) {
        g.base(QString::fromLatin1(b.fichier), b.recettes);
    }
    for (const Categorie& c : CatalogueCategories()) {
        const char* texte = texteCategorieDemo(c.code);
        if (texte != nullptr) {
            g.texte(QString::fromLatin1(c.nom) + u".txt"_s, texteStocke(texte));
        }
    }
    g.image(racine.filePath(u"Images/PAS.jpg"_s), photoAbsente());
    if (options.photos) {
        for (const BaseDemo& b : basesDemo()) {
            for (const RecetteDemo& r : b.recettes) {
                if (r.photo) {
                    const QString titre = QString::fromUtf8(r.titre);
                    g.image(cheminPhoto(dossier, titre), photoRecette(QString::fromLatin1(r.categorie), titre));
                }
            }
        }
    }
    return g.ecrits();
}
