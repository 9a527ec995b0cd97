#include "backup/copie.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <array>

using namespace Qt::Literals::StringLiterals;

std::optional<QString> Copieur::copier(const QString& source, const QString& cible)
{
    QFile entree(source);
    if (!entree.open(QIODevice::ReadOnly))
        return u"LECTURE IMPOSSIBLE DE %1"_s.arg(QDir::toNativeSeparators(source));
    QSaveFile sortie(cible);
    if (!sortie.open(QIODevice::WriteOnly))
        return u"ECRITURE IMPOSSIBLE DANS %1 (DOSSIER PROTEGE ?)"_s.arg(QDir::toNativeSeparators(cible));

    std::array<char, 1 << 16> tampon{};
    for (;;) {
        const qint64 lus = entree.read(tampon.data(), static_cast<qint64>(tampon.size()));
        if (lus < 0) {
            sortie.cancelWriting();
            return u"LECTURE INTERROMPUE DE %1"_s.arg(QDir::toNativeSeparators(source));
        }
        if (lus == 0)
            break;
        if (!ecrireBloc(sortie, tampon.data(), lus)) {
            sortie.cancelWriting();
            return u"ECRITURE INTERROMPUE DE %1 (DISQUE PLEIN ?)"_s.arg(QDir::toNativeSeparators(cible));
        }
    }
    if (!sortie.commit())
        return u"ECRITURE IMPOSSIBLE DE %1 (DISQUE PLEIN ?)"_s.arg(QDir::toNativeSeparators(cible));
    return std::nullopt;
}

bool Copieur::ecrireBloc(QSaveFile& fichier, const char* octets, qint64 taille)
{
    return fichier.write(octets, taille) == taille;
}
