#include "store/photo.h"

#include "platform/fichiers.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// The file found in any letter case, else the path as built.
QString resoudre(const QString& chemin)
{
    const QString trouve = trouverFichier(chemin);
    return trouve.isEmpty() ? chemin : trouve;
}

QString dansImages(const QString& dossier, const QString& titre, const QString& extension)
{
    const QString nom = u"Images/"_s + nomFichierSur(titre) + extension;
    return dossier.isEmpty() ? nom : QDir(dossier).filePath(nom);
}

}  // namespace

QString cheminPhoto(const QString& dossierProgramme, const QString& titre)
{
    return resoudre(dansImages(dossierProgramme, titre, u".jpg"_s));
}

QString cheminPhotoEcrite(const QString& dossierProgramme, const QString& titre)
{
    // A photograph already there in another letter case is the one replaced,
    // as on a case-insensitive disk: two files would leave the lookup showing
    // the older picture.
    return resoudre(dansImages(dossierProgramme, titre, u".JPG"_s));
}

QString cheminPhotoSupprimee(const QString& titre)
{
    return resoudre(dansImages(QString(), titre, u".jpg"_s));
}

QString cheminPhotoAbsente()
{
    return resoudre(u"Images/PAS.jpg"_s);
}
