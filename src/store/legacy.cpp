#include "store/legacy.h"

#include "platform/fichiers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <cstring>
#include <cstdio>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class Lecteur {
public:
    explicit Lecteur(const QByteArray& flux) : flux_(flux) {}

    QByteArray ligne()
    {
        const qsizetype fin = flux_.indexOf('\n', pos_);
        if (fin < 0)
            throw Echec(u"La lecture de la base Microsoft Access s'est interrompue."_s);
        QByteArray l = flux_.mid(pos_, fin - pos_);
        pos_ = fin + 1;
        return l;
    }

    QByteArray octets(qsizetype n)
    {
        if (n < 0 || n > flux_.size() - pos_ - 1 || flux_.at(pos_ + n) != '\n')
            throw Echec(u"La lecture de la base Microsoft Access s'est interrompue."_s);
        QByteArray b = flux_.mid(pos_, n);
        pos_ += n + 1;
        return b;
    }

    bool fini() const { return pos_ == flux_.size(); }

private:
    const QByteArray& flux_;
    qsizetype pos_ = 0;
};

[[noreturn]] void fluxInvalide()
{
    throw Echec(u"La base Microsoft Access a donné une réponse illisible."_s);
}

QString nomOriginal(const QString& chemin)
{
    QString nom = chemin + u".jet"_s;
    for (int n = 2; QFileInfo::exists(nom); ++n)
        nom = chemin + u".jet."_s + QString::number(n);
    return nom;
}

bool memesChamps(const Fiche& a, const Fiche& b)
{
    return a.numero == b.numero && a.categorie == b.categorie && a.titre == b.titre
        && a.tempPrepa == b.tempPrepa && a.tempCuisson == b.tempCuisson
        && a.difficulte == b.difficulte && a.ingrediant == b.ingrediant
        && a.preparation == b.preparation && a.vin == b.vin;
}

}  // namespace

std::vector<LigneAccess> analyserFluxImport(const QByteArray& flux)
{
    Lecteur l(flux);
    if (l.ligne() != "CARNET-IMPORT 1")
        fluxInvalide();
    std::vector<LigneAccess> lignes;
    for (;;) {
        const QByteArray marque = l.ligne();
        if (marque.startsWith("F ")) {
            bool ok = false;
            const qint64 n = marque.mid(2).toLongLong(&ok);
            if (!ok || n != static_cast<qint64>(lignes.size()) || !l.fini())
                fluxInvalide();
            return lignes;
        }
        if (marque != "R")
            fluxInvalide();
        LigneAccess ligne;
        for (auto& champ : ligne) {
            const QByteArray entete = l.ligne();
            if (entete == "N")
                continue;
            if (!entete.startsWith("T "))
                fluxInvalide();
            bool ok = false;
            const qsizetype n = entete.mid(2).toLongLong(&ok);
            if (!ok)
                fluxInvalide();
            champ = QString::fromUtf8(l.octets(n));
        }
        lignes.push_back(std::move(ligne));
    }
}

std::vector<LigneAccess> lireBaseAccess(const QString& importeur, const QString& fichier,
                                        const LimitesImport& limites)
{
    QProcess p;
    p.setProgram(importeur);
    p.setArguments({fichier});
    p.start(QIODevice::ReadOnly);
    if (!p.waitForStarted(5000))
        throw Echec(u"Le programme de conversion « carnet-import » est introuvable."_s);
    QByteArray sortie;
    QElapsedTimer chrono;
    chrono.start();
    while (p.state() != QProcess::NotRunning) {
        const qint64 reste = limites.delaiMs - chrono.elapsed();
        if (reste <= 0) {
            p.kill();
            p.waitForFinished();
            throw Echec(u"La base Microsoft Access « %1 » est endommagée : sa lecture ne finit pas."_s.arg(QFileInfo(fichier).fileName()));
        }
        p.waitForReadyRead(static_cast<int>(std::min<qint64>(reste, 200)));
        sortie += p.readAllStandardOutput();
        if (sortie.size() > limites.plafondOctets) {
            p.kill();
            p.waitForFinished();
            throw Echec(u"La base Microsoft Access « %1 » est trop grande pour être convertie."_s.arg(QFileInfo(fichier).fileName()));
        }
    }
    sortie += p.readAllStandardOutput();
    const QString erreur = QString::fromUtf8(p.readAllStandardError()).trimmed().section(u'\n', -1);
    if (p.exitStatus() != QProcess::NormalExit)
        throw Echec(u"La base Microsoft Access « %1 » est endommagée et ne peut pas être lue."_s.arg(QFileInfo(fichier).fileName()));
    if (p.exitCode() != 0)
        throw Echec(u"La base « %1 » ne peut pas être convertie. %2"_s.arg(QFileInfo(fichier).fileName(), erreur));
    return analyserFluxImport(sortie);
}

Fiche versFiche(const LigneAccess& l)
{
    const auto texte = [&](size_t i) { return l[i].value_or(QString()); };
    Fiche f;
    f.numero = texte(0).toInt();
    f.categorie = texte(1);
    f.titre = texte(2);
    f.tempPrepa = texte(3);
    f.tempCuisson = texte(4);
    f.difficulte = texte(5);
    f.ingrediant = texte(6);
    f.preparation = texte(7);
    f.vin = texte(8);
    return f;
}

QString convertirBaseAccess(const QString& importeur, const QString& chemin, const LimitesImport& limites)
{
    const QString nom = QFileInfo(chemin).fileName();
    std::vector<Fiche> fiches;
    for (const LigneAccess& l : lireBaseAccess(importeur, chemin, limites))
        fiches.push_back(versFiche(l));

    const QString temporaire = chemin + u".conversion"_s;
    QFile::remove(temporaire);
    try {
        BaseRecettes::creer(temporaire);
        {
            auto base = BaseRecettes::ouvrir(temporaire);
            base->importer(fiches);
            const std::vector<Fiche> relues = base->toutesLesFiches();
            bool pareil = relues.size() == fiches.size();
            for (size_t i = 0; pareil && i < fiches.size(); ++i)
                pareil = memesChamps(relues[i], fiches[i]);
            if (!pareil)
                throw Echec(u"La base convertie ne correspond pas à « %1 »."_s.arg(nom));
        }
    } catch (...) {
        QFile::remove(temporaire);
        throw;
    }
    // The original stays under a second name before the new base takes its
    // place, so that a conversion stopped at any moment loses nothing.
    const QString original = nomOriginal(chemin);
    if (::link(QFile::encodeName(chemin).constData(), QFile::encodeName(original).constData()) != 0
        && !QFile::copy(chemin, original)) {
        QFile::remove(temporaire);
        throw Echec(u"Impossible de garder l'original de « %1 » : %2"_s.arg(nom, QString::fromLocal8Bit(std::strerror(errno))));
    }
    try {
        remplacerParTemporaire(temporaire, chemin);
    } catch (const Echec&) {
        QFile::remove(original);
        throw Echec(u"Impossible de remplacer « %1 » par la base convertie."_s.arg(nom));
    }
    return QFileInfo(original).fileName();
}
