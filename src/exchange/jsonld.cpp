#include "exchange/jsonld.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// Nesting followed when looking for the recipe and its steps; deeper
// structures are no recipe description.
constexpr int kProfondeurMax = 16;

QString entite(QStringView nom)
{
    static const std::pair<const char16_t*, char16_t> noms[] = {
        {u"amp", u'&'},     {u"lt", u'<'},        {u"gt", u'>'},       {u"quot", u'"'},     {u"apos", u'\''},
        {u"nbsp", u' '},    {u"eacute", u'é'},    {u"egrave", u'è'},   {u"ecirc", u'ê'},    {u"agrave", u'à'},
        {u"acirc", u'â'},   {u"ccedil", u'ç'},    {u"icirc", u'î'},    {u"iuml", u'ï'},     {u"ocirc", u'ô'},
        {u"ucirc", u'û'},   {u"ugrave", u'ù'},    {u"oelig", u'œ'},    {u"deg", u'°'},      {u"frac12", u'½'},
        {u"frac14", u'¼'},  {u"frac34", u'¾'},    {u"rsquo", u'’'},    {u"laquo", u'«'},    {u"raquo", u'»'},
        {u"Eacute", u'É'},
    };
    if (nom.startsWith(u'#')) {
        bool ok = false;
        const uint code = nom.size() > 1 && (nom.at(1) == u'x' || nom.at(1) == u'X') ? nom.mid(2).toUInt(&ok, 16)
                                                                                      : nom.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return {};
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
    }
    for (const auto& [n, c] : noms) {
        if (nom == QStringView(n))
            return QString(QChar(c));
    }
    return {};
}

// Text as pages write it in JSON-LD: HTML entities decoded, tags dropped
// (a paragraph or line break tag ends a line).
QString nettoyer(const QString& brut)
{
    QString t;
    t.reserve(brut.size());
    bool fermantes = true;  // false once no '>' is left: the rest is text
    for (qsizetype i = 0; i < brut.size(); ++i) {
        const QChar c = brut.at(i);
        if (c == u'<' && fermantes) {
            const qsizetype fin = brut.indexOf(u'>', i);
            if (fin < 0) {
                fermantes = false;
                t.append(c);
                continue;
            }
            const QString balise = brut.mid(i + 1, std::min<qsizetype>(fin - i - 1, 4)).toLower();
            if (balise.startsWith(u"br"_s) || balise.startsWith(u"/p"_s) || balise.startsWith(u"/li"_s))
                t.append(u'\n');
            i = fin;
        } else if (c == u'&') {
            // Entity names are short: only the next few characters are looked at.
            const qsizetype point = QStringView(brut).mid(i, 12).indexOf(u';');
            const qsizetype fin = point < 0 ? -1 : i + point;
            const QString r = fin > i + 1 ? entite(QStringView(brut).mid(i + 1, fin - i - 1)) : QString();
            if (r.isEmpty()) {
                t.append(c);
            } else {
                t.append(r);
                i = fin;
            }
        } else {
            t.append(c);
        }
    }
    return t;
}

QString texte(const QJsonValue& v)
{
    if (v.isString())
        return nettoyer(v.toString()).simplified();
    if (v.isDouble())
        return QString::number(v.toDouble());
    if (v.isArray())
        return v.toArray().isEmpty() ? QString() : texte(v.toArray().first());
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (const char* cle : {"text", "name", "@value"}) {
            if (o.contains(QLatin1StringView(cle)))
                return texte(o.value(QLatin1StringView(cle)));
        }
    }
    return {};
}

QStringList textes(const QJsonValue& v)
{
    QStringList l;
    if (v.isArray()) {
        for (const QJsonValue& e : v.toArray()) {
            const QString t = texte(e);
            if (!t.isEmpty())
                l.append(t);
        }
    } else if (!texte(v).isEmpty()) {
        l.append(texte(v));
    }
    return l;
}

bool estDeType(const QJsonObject& o, QStringView type)
{
    const auto egal = [type](const QJsonValue& t) {
        const QString s = t.toString();
        return s == type || s.endsWith(u'/' + type.toString()) || s.endsWith(u':' + type.toString());
    };
    const QJsonValue t = o.value(u"@type"_s);
    if (t.isArray())
        return std::any_of(t.toArray().begin(), t.toArray().end(), egal);
    return egal(t);
}

std::optional<QJsonObject> trouverRecette(const QJsonValue& v, int profondeur)
{
    if (profondeur > kProfondeurMax)
        return std::nullopt;
    if (v.isArray()) {
        for (const QJsonValue& e : v.toArray()) {
            if (auto r = trouverRecette(e, profondeur + 1))
                return r;
        }
        return std::nullopt;
    }
    if (!v.isObject())
        return std::nullopt;
    const QJsonObject o = v.toObject();
    if (estDeType(o, u"Recipe"))
        return o;
    for (const char* cle : {"@graph", "mainEntity", "itemListElement"}) {
        if (auto r = trouverRecette(o.value(QLatin1StringView(cle)), profondeur + 1))
            return r;
    }
    return std::nullopt;
}

// Steps as lines of the card: a section's name on its own line, then its steps.
void etapes(const QJsonValue& v, QStringList& lignes, int profondeur)
{
    if (profondeur > kProfondeurMax)
        return;
    if (v.isString()) {
        for (const QString& l : nettoyer(v.toString()).split(u'\n')) {
            if (!l.simplified().isEmpty())
                lignes.append(l.simplified());
        }
    } else if (v.isArray()) {
        for (const QJsonValue& e : v.toArray())
            etapes(e, lignes, profondeur + 1);
    } else if (v.isObject()) {
        const QJsonObject o = v.toObject();
        if (o.contains(u"itemListElement"_s)) {
            const QString nom = texte(o.value(u"name"_s));
            if (!nom.isEmpty())
                lignes.append(nom);
            etapes(o.value(u"itemListElement"_s), lignes, profondeur + 1);
        } else {
            etapes(o.contains(u"text"_s) ? o.value(u"text"_s) : o.value(u"name"_s), lignes, profondeur + 1);
        }
    }
}

RecetteLue versRecette(const QJsonObject& o)
{
    RecetteLue r;
    r.titre = texte(o.value(u"name"_s));
    r.categories = textes(o.value(u"recipeCategory"_s));
    r.rendement = texte(o.value(u"recipeYield"_s));
    r.tempPrepa = dureeIso(texte(o.value(u"prepTime"_s)));
    r.tempCuisson = dureeIso(texte(o.value(u"cookTime"_s)));
    r.ingredients = textes(o.contains(u"recipeIngredient"_s) ? o.value(u"recipeIngredient"_s) : o.value(u"ingredients"_s));
    etapes(o.value(u"recipeInstructions"_s), r.preparation, 0);
    // A picture is an address, an ImageObject, or a list of either.
    QJsonValue image = o.value(u"image"_s);
    if (image.isArray())
        image = image.toArray().isEmpty() ? QJsonValue() : image.toArray().first();
    r.image = image.isObject() ? image.toObject().value(u"url"_s).toString() : image.toString();
    return r;
}

// The JSON-LD blocks of a page: <script type="application/ld+json">…</script>.
QStringList blocs(const QString& page)
{
    QStringList b;
    qsizetype i = 0;
    while ((i = page.indexOf(u"<script"_s, i, Qt::CaseInsensitive)) >= 0) {
        const qsizetype finBalise = page.indexOf(u'>', i);
        if (finBalise < 0)
            break;
        const qsizetype fin = page.indexOf(u"</script"_s, finBalise, Qt::CaseInsensitive);
        if (fin < 0)
            break;
        if (QStringView(page).mid(i, finBalise - i).contains(u"ld+json"_s, Qt::CaseInsensitive))
            b.append(page.mid(finBalise + 1, fin - finBalise - 1));
        i = fin;
    }
    return b;
}

}  // namespace

QString dureeIso(const QString& duree)
{
    static const QRegularExpression iso(
        u"^P(?:(\\d{1,6})D)?(?:T(?:(\\d{1,6})H)?(?:(\\d{1,6})M)?(?:(\\d{1,6})(?:[.,]\\d+)?S)?)?$"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = iso.match(duree.trimmed());
    if (!m.hasMatch())
        return {};
    const qint64 secondes = m.captured(4).toLongLong();
    const qint64 minutes = m.captured(1).toLongLong() * 1440 + m.captured(2).toLongLong() * 60
                           + m.captured(3).toLongLong() + (secondes + 59) / 60;
    if (minutes == 0)
        return {};
    if (minutes < 60)
        return u"%1 MN"_s.arg(minutes);
    if (minutes % 60 == 0)
        return u"%1 H"_s.arg(minutes / 60);
    return u"%1 H %2"_s.arg(minutes / 60).arg(minutes % 60, 2, 10, QChar(u'0'));
}

Lecture lireJsonLd(const QString& texteFichier)
{
    Lecture lecture;
    const QString debut = texteFichier.trimmed();
    const QStringList sources =
        debut.startsWith(u'{') || debut.startsWith(u'[') ? QStringList{debut} : blocs(texteFichier);
    for (const QString& s : sources) {
        QJsonParseError erreur;
        const QJsonDocument doc = QJsonDocument::fromJson(s.toUtf8(), &erreur);
        if (erreur.error != QJsonParseError::NoError) {
            ++lecture.illisibles;
            continue;
        }
        const auto recette = trouverRecette(doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object()), 0);
        if (!recette)
            continue;
        RecetteLue r = versRecette(*recette);
        if (r.titre.isEmpty()) {
            ++lecture.illisibles;
            continue;
        }
        lecture.recettes.push_back(std::move(r));
        break;
    }
    return lecture;
}
