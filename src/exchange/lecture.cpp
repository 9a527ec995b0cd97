#include "exchange/lecture.h"

#include "exchange/jsonld.h"
#include "exchange/mealmaster.h"
#include "platform/encodage.h"
#include "platform/fichiers.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

QByteArray lireFichierRecettes(const QString& chemin, qint64 tailleMax)
{
    const QString nom = u"« "_s + QFileInfo(chemin).fileName() + u" »"_s;
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw Echec(u"Le fichier %1 ne peut pas être ouvert."_s.arg(nom));
    QString erreur;
    struct stat etat {};
    QByteArray octets;
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        erreur = u"%1 n'est pas un fichier ordinaire : il n'a pas été lu."_s.arg(nom);
    } else if (etat.st_size > tailleMax) {
        erreur = u"Le fichier %1 est trop grand (%2 Mo au plus) : il n'a pas été lu."_s.arg(nom).arg(tailleMax / (1024 * 1024));
    } else {
        // Read up to one byte past the cap: a file that grew meanwhile is refused too.
        octets.resize(static_cast<qsizetype>(etat.st_size) + 1);
        qsizetype lus = 0;
        while (lus < octets.size()) {
            const ssize_t n = ::read(fd, octets.data() + lus, static_cast<size_t>(octets.size() - lus));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n < 0)
                    erreur = u"Erreur de lecture du fichier %1."_s.arg(nom);
                break;
            }
            lus += n;
            if (lus == octets.size() && lus <= tailleMax)
                octets.resize(std::min<qint64>(octets.size() * 2, tailleMax + 1));
        }
        octets.resize(lus);
        if (erreur.isEmpty() && lus > tailleMax)
            erreur = u"Le fichier %1 est trop grand (%2 Mo au plus) : il n'a pas été lu."_s.arg(nom).arg(tailleMax / (1024 * 1024));
    }
    ::close(fd);
    if (!erreur.isEmpty())
        throw Echec(erreur);
    return octets;
}

Lecture lireRecettes(const QByteArray& octets)
{
    const QString texte = decoderTexte(octets);
    Lecture lecture = lireMealMaster(texte);
    if (lecture.recettes.empty() && lecture.illisibles == 0)
        lecture = lireJsonLd(texte);
    return lecture;
}

QString imageEnregistree(const QString& page, const QString& adresse)
{
    const QUrl url(adresse.trimmed());
    const QString nom = QFileInfo(url.path()).fileName();
    if (adresse.trimmed().isEmpty() || nom.isEmpty())
        return {};
    const QFileInfo p(page);
    QStringList candidats{p.dir().filePath(p.completeBaseName() + u"_files/"_s + nom)};
    // A relative address stays inside the page's folder.
    if (url.isRelative() && !url.path().startsWith(u'/') && !url.path().contains(u".."_s))
        candidats.append(p.dir().filePath(url.path()));
    for (const QString& c : candidats) {
        const QString trouve = trouverFichier(c);
        if (!trouve.isEmpty() && QFileInfo(trouve).isFile())
            return trouve;
    }
    return {};
}
