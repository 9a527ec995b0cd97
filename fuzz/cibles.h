#pragma once
// What each fuzz target checks, shared by the libFuzzer programs of this
// folder and by test_reliability, which replays the seeds and every input
// that once failed (fuzz/regression/<target>-*). Each returns false when
// the property is broken; a crash or sanitizer report is a failure too.

#include "backup/kalsauvegarde.h"
#include "exchange/jsonld.h"
#include "exchange/mealmaster.h"
#include "platform/encodage.h"
#include "platform/imprimante.h"
#include "print/kalimprime.h"
#include "app/programme.h"
#include "doubles.h"
#include "store/baserecettes.h"
#include "store/legacy.h"

#include <QByteArray>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>

#include <memory>

namespace cibles {

// KalImprime::CoupeLigne ends and loses or repeats no character.
inline bool coupure(const QByteArray& octets)
{
    static FausseImprimante imprimante = [] {
        FausseImprimante i;
        // Widths that vary by character, zero included: 0 to 546 twips.
        i.largeur = [](const QString& texte) {
            double l = 0;
            for (const QChar c : texte)
                l += (c.unicode() % 13) * 45.5;
            return l;
        };
        return i;
    }();
    const QString texte = QString::fromUtf8(octets);
    KalImprime k(imprimante);
    k.CoupeLigne(texte, 300, 12000);
    return k.List2.join(QString()) == sansBlancsFinaux(texte);
}

// decoderTexte: valid UTF-8 read as such (a byte order mark dropped), else
// Windows-1252, one character per byte.
inline bool decodage(const QByteArray& octets)
{
    const QString texte = decoderTexte(octets);
    QString utf8 = QString::fromUtf8(octets);
    const bool valide = utf8.toUtf8() == octets;
    if (utf8.startsWith(QChar(0xFEFF)))
        utf8.remove(0, 1);
    return valide ? texte == utf8 : texte.size() == octets.size();
}

// lireMarqueur: a marker it accepts, written again, reads back the same.
inline bool marqueur(const QByteArray& octets)
{
    const std::optional<Marqueur> m = lireMarqueur(octets);
    if (!m)
        return true;
    const std::optional<Marqueur> relu = lireMarqueur(formaterMarqueur(*m));
    return relu && relu->date == m->date && relu->lecteur == m->lecteur && relu->repertoire == m->repertoire &&
           relu->dossierProgramme == m->dossierProgramme;
}

// Any bytes as a .mdb file: opened as the main menu does and, when it opens,
// read, searched, written and compacted. Only Echec may come out.
inline bool base(const QByteArray& octets)
{
    static QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("Essai.mdb"));
    const QString temporaire = dossier.filePath(QStringLiteral("temp.MDB"));
    QFile::remove(chemin + QStringLiteral("-journal"));
    QFile::remove(temporaire);
    {
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return true;
        f.write(octets);
    }
    try {
        auto b = BaseRecettes::ouvrir(chemin);
        b->compter();
        b->toutesLesFiches();
        b->chercherTitres(QStringLiteral("A"));
        b->listerParCategories({QStringLiteral("AGN"), QStringLiteral("DES")});
        Fiche f;
        f.categorie = QStringLiteral("DES");
        f.titre = QStringLiteral("FUZZ");
        f.difficulte = QStringLiteral("a");
        f.ingrediant = QStringLiteral("x");
        f.preparation = QStringLiteral("y");
        b->ajouter(f);
        if (const auto premiere = b->ficheParNumero(1))
            b->supprimer(1, premiere->titre);
        b.reset();
        BaseRecettes::compacter(chemin, temporaire);
    } catch (const Echec&) {
    }
    return true;
}

// analyserFluxImport: a malformed stream is refused with a message.
inline bool import(const QByteArray& flux)
{
    try {
        for (const LigneAccess& l : analyserFluxImport(flux))
            versFiche(l);
    } catch (const Echec&) {
    }
    return true;
}

// A card made from an imported recipe follows the rules of a typed one.
inline bool ficheTapee(const Fiche& f)
{
    const auto uneLigne = [](const QString& t) { return !t.contains(u'\n') && !t.contains(u'\r'); };
    const auto lignes = [](const QString& t) {
        return !t.trimmed().isEmpty() && t.count(u'\n') == t.count(QStringLiteral("\r\n"))
               && t.count(u'\r') == t.count(u'\n');
    };
    return !f.titre.isEmpty() && f.titre.size() <= 100 && f.titre == f.titre.toUpper() && uneLigne(f.titre)
           && f.tempPrepa.size() <= 25 && uneLigne(f.tempPrepa) && !f.tempCuisson.isEmpty()
           && f.tempCuisson.size() <= 25 && !f.difficulte.trimmed().isEmpty() && f.difficulte.size() <= 25
           && !f.vin.isEmpty() && f.vin.size() <= 35 && uneLigne(f.vin) && lignes(f.ingrediant)
           && lignes(f.preparation) && f.categorie == QStringLiteral("PLA");
}

// lireMealMaster: every recipe becomes a card under the rules of a typed
// one, and the cards written out as MealMaster read back as as many recipes.
inline bool mealmaster(const QByteArray& octets)
{
    std::vector<Fiche> fiches;
    for (const RecetteLue& r : lireMealMaster(decoderTexte(octets)).recettes) {
        RecetteLue sansCategorie = r;
        sansCategorie.categories.clear();
        fiches.push_back(versFiche(sansCategorie, QStringLiteral("PLA")));
        if (!ficheTapee(fiches.back()))
            return false;
    }
    return lireMealMaster(decoderTexte(ecrireMealMaster(fiches))).recettes.size() == fiches.size();
}

// lireJsonLd: at most one recipe, which becomes a card under the rules of a typed one.
inline bool jsonld(const QByteArray& octets)
{
    const Lecture l = lireJsonLd(decoderTexte(octets));
    if (l.recettes.size() > 1)
        return false;
    for (RecetteLue r : l.recettes) {
        r.categories.clear();
        if (!ficheTapee(versFiche(r, QStringLiteral("PLA"))))
            return false;
    }
    dureeIso(QString::fromUtf8(octets));
    return true;
}

}  // namespace cibles
