#include "exchange/recette.h"

#include "store/catalogue.h"

#include <QList>

#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// Upper case without accents, split into words of letters and digits.
QStringList mots(const QString& texte)
{
    QString plat;
    for (const QChar c : texte.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plat.append(c.isLetterOrNumber() ? c.toUpper() : u' ');
    }
    return plat.split(u' ', Qt::SkipEmptyParts);
}

// Display names first, longest first ("FOND DE SAUCE" before "SAUCE"), then
// the common words of other recipe files.
const QList<std::pair<QStringList, QString>>& motsCles()
{
    static const QList<std::pair<QStringList, QString>> table = [] {
        QList<std::pair<QStringList, QString>> t;
        for (const Categorie& c : CatalogueCategories())
            t.append({mots(QString::fromLatin1(c.nom)), QString::fromLatin1(c.code)});
        std::stable_sort(t.begin(), t.end(), [](const auto& a, const auto& b) {
            return a.first.join(u' ').size() > b.first.join(u' ').size();
        });
        const std::pair<const char*, const char*> autres[] = {
            {"LAMB", "AGN"},      {"MUTTON", "AGN"},   {"BEEF", "BOE"},      {"GAME", "GIB"},
            {"VENISON", "GIB"},   {"PORK", "POR"},     {"HAM", "POR"},       {"VEAL", "VEA"},
            {"RABBIT", "LAP"},    {"DUCK", "CAN"},     {"CHICKEN", "POU"},   {"POULTRY", "POU"},
            {"VOLAILLE", "POU"},  {"FISH", "POI"},     {"SEAFOOD", "CRU"},   {"SHELLFISH", "CRU"},
            {"BREAD", "PAI"},     {"CHEESE", "MAG"},   {"CAKE", "DES"},      {"COOKIE", "DES"},
            {"GATEAU", "DES"},    {"VEGETABLE", "LEG"}, {"BUTTER", "BEU"},   {"APPETIZER", "HOR"},
            {"TERRINE", "VIT"},
        };
        for (const auto& [mot, code] : autres)
            t.append({{QString::fromLatin1(mot)}, QString::fromLatin1(code)});
        return t;
    }();
    return table;
}

// `cle` appears as whole words in `texte`, its last word perhaps in the plural.
bool contient(const QStringList& texte, const QStringList& cle)
{
    for (qsizetype i = 0; i + cle.size() <= texte.size(); ++i) {
        bool egal = true;
        for (qsizetype j = 0; egal && j < cle.size(); ++j) {
            const QString& m = texte.at(i + j);
            const QString& c = cle.at(j);
            egal = m == c
                   || (j + 1 == cle.size() && m.startsWith(c)
                       && (m.mid(c.size()) == u"S"_s || m.mid(c.size()) == u"X"_s || m.mid(c.size()) == u"ES"_s));
        }
        if (egal)
            return true;
    }
    return false;
}

// Control characters (tabs, stray bytes) become spaces: a card line holds text only.
QString ligneSure(QString ligne)
{
    for (QChar& c : ligne) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    return ligne;
}

QString lignes(const QStringList& liste)
{
    QStringList sures;
    for (const QString& l : liste)
        sures.append(ligneSure(l));
    const QString texte = sures.join(u"\r\n"_s);
    return texte.trimmed().isEmpty() ? u"?"_s : texte;
}

QString champ(const QString& valeur, qsizetype limite, bool majuscules)
{
    const QString v = ligneSure(valeur).trimmed();
    return (majuscules ? v.toUpper() : v).left(limite);
}

}  // namespace

std::optional<QString> codePourCategorie(const QString& categorie)
{
    const QStringList m = mots(categorie);
    for (const auto& [cle, code] : motsCles()) {
        if (contient(m, cle))
            return code;
    }
    return std::nullopt;
}

Fiche versFiche(const RecetteLue& r, const QString& codeParDefaut)
{
    Fiche f;
    f.categorie = codeParDefaut;
    for (const QString& c : r.categories) {
        if (const auto code = codePourCategorie(c)) {
            f.categorie = *code;
            break;
        }
    }
    f.titre = champ(r.titre, 100, true);
    if (f.titre.isEmpty())
        f.titre = u"SANS TITRE"_s;
    f.tempPrepa = champ(r.tempPrepa, 25, true);
    f.tempCuisson = champ(r.tempCuisson, 25, true);
    if (f.tempCuisson.isEmpty())
        f.tempCuisson = u"?"_s;
    f.difficulte = champ(r.difficulte, 25, false);
    if (f.difficulte.isEmpty())
        f.difficulte = u"l"_s;
    f.vin = champ(r.vin, 35, false);
    if (f.vin.isEmpty())
        f.vin = u"?"_s;
    QStringList ingredients = r.ingredients;
    if (!r.rendement.trimmed().isEmpty())
        ingredients.prepend(QString::fromUtf16(kPrefixeRendement) + r.rendement.trimmed());
    f.ingrediant = lignes(ingredients);
    f.preparation = lignes(r.preparation);
    return f;
}
