#include "exchange/mealmaster.h"

#include "platform/encodage.h"
#include "store/catalogue.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

// The lines the export writes at the head of the directions, in that order.
constexpr const char16_t* kEtiquettes[] = {u"Préparation", u"Cuisson", u"Difficulté", u"Boisson"};

bool estEntete(const QString& ligne)
{
    if (!ligne.startsWith(u"MMMMM-----"_s) && !ligne.startsWith(u"----------"_s))
        return false;
    return ligne.contains(u"Meal-Master"_s, Qt::CaseInsensitive) || ligne.contains(u"Recipe"_s, Qt::CaseInsensitive);
}

// Markers start in the first column: an indented line is text.
bool estFin(const QString& ligne)
{
    const QString t = ligne.trimmed();
    return (t == u"MMMMM"_s || t == u"-----"_s) && !ligne.at(0).isSpace();
}

// "MMMMM-----SAUCE-----" or "-----SAUCE-----": the text of a heading, else "".
QString titreSection(const QString& ligne)
{
    if (!ligne.startsWith(u"MMMMM"_s) && !ligne.startsWith(u"-----"_s))
        return {};
    QString t = ligne.trimmed();
    if (t.startsWith(u"MMMMM"_s))
        t.remove(0, 5);
    if (!t.startsWith(u"-----"_s))
        return {};
    qsizetype debut = 0, fin = t.size();
    while (debut < fin && t.at(debut) == u'-')
        ++debut;
    while (fin > debut && t.at(fin - 1) == u'-')
        --fin;
    return t.mid(debut, fin - debut).trimmed();
}

// One column of the ingredient layout: amount in columns 0-6, unit in 8-9,
// text from 11.
bool estColonneIngredient(QStringView s)
{
    if (s.trimmed().isEmpty())
        return false;
    for (qsizetype i = 0; i < std::min<qsizetype>(s.size(), 11); ++i) {
        const QChar c = s.at(i);
        if (i < 7) {
            if (!c.isDigit() && !u" /.-"_s.contains(c) && c.category() != QChar::Number_Other)
                return false;
        } else if (i == 7 || i == 10) {
            if (c != u' ')
                return false;
        } else if (!c.isLetter() && c != u' ') {
            return false;
        }
    }
    return s.size() > 11 || s.trimmed().size() > 0;
}

bool estDeuxColonnes(const QString& ligne)
{
    return ligne.size() > 42 && ligne.at(39) == u' ' && ligne.at(40) == u' '
           && estColonneIngredient(QStringView(ligne).left(41)) && estColonneIngredient(QStringView(ligne).mid(41));
}

// Adds one column to `liste`: a continuation ("-…" where the text starts)
// goes on the line before.
void ajouterIngredient(QStringList& liste, QStringView s)
{
    const QString quantite = s.left(7).trimmed().toString();
    const QString unite = s.mid(8, 2).trimmed().toString();
    const QStringView brut = s.size() > 11 ? s.mid(11) : QStringView();
    if (quantite.isEmpty() && unite.isEmpty() && brut.startsWith(u'-') && !liste.isEmpty()) {
        liste.last() += u' ' + brut.mid(1).trimmed().toString();
        return;
    }
    QStringList morceaux;
    for (const QString& m : {quantite, unite, brut.trimmed().toString()}) {
        if (!m.isEmpty())
            morceaux.append(m);
    }
    if (!morceaux.isEmpty())
        liste.append(morceaux.join(u' '));
}

class Lecteur {
public:
    Lecture lecture;

    void ligne(const QString& l)
    {
        if (etat_ == Etat::Dehors) {
            if (estEntete(l))
                commencer();
            return;
        }
        if (estFin(l)) {
            finir();
            return;
        }
        if (estEntete(l)) {  // a recipe left without its end line
            finir();
            commencer();
            return;
        }
        switch (etat_) {
        case Etat::Entete:
            if (champEntete(l))
                return;
            if (l.trimmed().isEmpty()) {
                // The blank line after the title ends the header.
                if (!r_.titre.isEmpty())
                    etat_ = Etat::Ingredients;
                return;
            }
            etat_ = Etat::Ingredients;
            [[fallthrough]];
        case Etat::Ingredients:
            if (ingredient(l))
                return;
            etat_ = Etat::Preparation;
            [[fallthrough]];
        case Etat::Preparation:
            preparation(l);
            return;
        case Etat::Dehors:
            return;
        }
    }

    void terminer()
    {
        if (etat_ != Etat::Dehors)
            finir();
    }

private:
    enum class Etat { Dehors, Entete, Ingredients, Preparation };

    void commencer()
    {
        etat_ = Etat::Entete;
        r_ = RecetteLue();
        blancs_ = 0;
        droite_.clear();
        enDeuxColonnes_ = false;
        gaucheSeule_ = false;
        paragraphe_.clear();
        blancsPrepa_ = 0;
        tetePrepa_ = true;
        etiquettes_ = false;
    }

    void finir()
    {
        fermerDeuxColonnes();
        fermerParagraphe();
        etat_ = Etat::Dehors;
        if (r_.titre.trimmed().isEmpty())
            ++lecture.illisibles;
        else if (lecture.recettes.size() >= kRecettesMaxImport)
            ++lecture.enTrop;
        else
            lecture.recettes.push_back(std::move(r_));
        r_ = RecetteLue();
    }

    bool champEntete(const QString& l)
    {
        static const QRegularExpression champ(u"^\\s*(Title|Categories|Yield|Servings)\\s*:(.*)$"_s,
                                              QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = champ.match(l);
        if (!m.hasMatch())
            return false;
        const QString nom = m.captured(1).toLower();
        const QString valeur = m.captured(2).trimmed();
        if (nom == u"title"_s) {
            r_.titre = valeur;
        } else if (nom == u"categories"_s) {
            for (const QString& c : valeur.split(u',', Qt::SkipEmptyParts)) {
                if (!c.trimmed().isEmpty() && c.trimmed() != u"None"_s)
                    r_.categories.append(c.trimmed());
            }
        } else {
            r_.rendement = valeur;
        }
        return true;
    }

    bool ingredient(const QString& l)
    {
        if (l.trimmed().isEmpty()) {
            fermerDeuxColonnes();
            ++blancs_;
            return true;
        }
        const QString section = titreSection(l);
        const bool deux = estDeuxColonnes(l);
        if (section.isEmpty() && !deux && !estColonneIngredient(l))
            return false;
        // Right after two columns, one line with the left column only (and
        // its continuations) ends the left column; the right one follows.
        const bool suite = estSuite(l);
        const bool gauche = !deux && enDeuxColonnes_ && section.isEmpty() && (suite || !gaucheSeule_);
        if (!deux && !gauche)
            fermerDeuxColonnes();
        // A blank line between two groups of ingredients is kept.
        if (!r_.ingredients.isEmpty())
            for (; blancs_ > 0; --blancs_)
                r_.ingredients.append(QString());
        blancs_ = 0;
        if (!section.isEmpty()) {
            r_.ingredients.append(section);
        } else if (deux) {
            enDeuxColonnes_ = true;
            ajouterIngredient(r_.ingredients, QStringView(l).left(41));
            ajouterIngredient(droite_, QStringView(l).mid(41));
        } else {
            if (!suite)
                gaucheSeule_ = gauche;
            ajouterIngredient(r_.ingredients, l);
        }
        return true;
    }

    static bool estSuite(QStringView l)
    {
        return l.left(11).trimmed().isEmpty() && l.size() > 11 && l.at(11) == u'-';
    }

    void fermerDeuxColonnes()
    {
        r_.ingredients.append(droite_);
        droite_.clear();
        enDeuxColonnes_ = false;
        gaucheSeule_ = false;
    }

    void preparation(const QString& l)
    {
        fermerDeuxColonnes();
        const QString t = l.trimmed();
        if (tetePrepa_ && !t.isEmpty()) {
            static const QRegularExpression etiquette(
                u"^(Préparation|Cuisson|Difficulté|Boisson)\\s*:\\s*(.*)$"_s);
            const QRegularExpressionMatch m = etiquette.match(t);
            if (m.hasMatch()) {
                const QString nom = m.captured(1);
                QString* champs[] = {&r_.tempPrepa, &r_.tempCuisson, &r_.difficulte, &r_.vin};
                for (int i = 0; i < 4; ++i) {
                    if (nom == QStringView(kEtiquettes[i]))
                        *champs[i] = m.captured(2);
                }
                etiquettes_ = true;
                return;
            }
            tetePrepa_ = false;
        }
        // The blank line after the head lines ends them.
        if (t.isEmpty() && etiquettes_)
            tetePrepa_ = false;
        if (t.isEmpty()) {
            fermerParagraphe();
            ++blancsPrepa_;
            return;
        }
        const QString section = titreSection(l);
        if (!section.isEmpty()) {
            fermerParagraphe();
            ouvrirParagraphe();
            r_.preparation.append(section);
            return;
        }
        if (paragraphe_.isEmpty())
            ouvrirParagraphe();
        paragraphe_.append(t);
    }

    // A run of n blank lines between two paragraphs is n - 1 empty lines of the card.
    void ouvrirParagraphe()
    {
        if (!r_.preparation.isEmpty())
            for (int i = 1; i < blancsPrepa_; ++i)
                r_.preparation.append(QString());
        blancsPrepa_ = 0;
    }

    void fermerParagraphe()
    {
        if (!paragraphe_.isEmpty())
            r_.preparation.append(paragraphe_.join(u' '));
        paragraphe_.clear();
    }

    Etat etat_ = Etat::Dehors;
    RecetteLue r_;
    int blancs_ = 0;
    QStringList droite_;
    bool enDeuxColonnes_ = false;
    bool gaucheSeule_ = false;
    QStringList paragraphe_;
    int blancsPrepa_ = 0;
    bool tetePrepa_ = true;
    bool etiquettes_ = false;
};

QStringList lignesCarte(const QString& champ)
{
    QStringList l = champ.split(u'\n');
    for (QString& s : l) {
        if (s.endsWith(u'\r'))
            s.chop(1);
    }
    return l;
}

}  // namespace

Lecture lireMealMaster(const QString& texte)
{
    Lecteur lecteur;
    qsizetype debut = 0;
    while (debut <= texte.size()) {
        qsizetype fin = texte.indexOf(u'\n', debut);
        if (fin < 0)
            fin = texte.size();
        QString l = texte.mid(debut, fin - debut);
        if (l.endsWith(u'\r'))
            l.chop(1);
        lecteur.ligne(l);
        debut = fin + 1;
    }
    lecteur.terminer();
    return std::move(lecteur.lecture);
}

QByteArray ecrireMealMaster(const std::vector<Fiche>& fiches)
{
    QString t;
    const auto ligne = [&t](const QString& l) { t += l + u"\r\n"_s; };
    for (const Fiche& f : fiches) {
        ligne(u"MMMMM----- Recipe via Meal-Master (tm) v8.05"_s);
        ligne({});
        ligne(u"      Title: "_s + f.titre);
        ligne(u" Categories: "_s + nomCategorie(f.categorie).value_or(f.categorie));
        QStringList ingredients = lignesCarte(f.ingrediant);
        const QString prefixe = QString::fromUtf16(kPrefixeRendement);
        if (!ingredients.isEmpty() && ingredients.first().startsWith(prefixe))
            ligne(u"      Yield: "_s + ingredients.takeFirst().mid(prefixe.size()));
        ligne({});
        for (const QString& i : ingredients) {
            // The text column; a leading '-' there would continue the line
            // before, and a long line must not read as two columns.
            QString l = i.isEmpty() ? QString() : QString(i.startsWith(u'-') ? 12 : 11, u' ') + i;
            while (estDeuxColonnes(l) && l.size() < 2 * i.size() + 40)
                l.prepend(u' ');
            ligne(l);
        }
        ligne({});
        const QString valeurs[] = {f.tempPrepa, f.tempCuisson, f.difficulte, f.vin};
        for (int i = 0; i < 4; ++i)
            ligne((u"  "_s + QString::fromUtf16(kEtiquettes[i]) + u" : "_s + valeurs[i]).trimmed().prepend(u"  "_s));
        ligne({});
        const QStringList prepa = lignesCarte(f.preparation);
        bool ecrit = false;
        int vides = 0;
        for (const QString& p : prepa) {
            if (p.trimmed().isEmpty()) {
                ++vides;
                continue;
            }
            if (ecrit)
                for (int i = 0; i <= vides; ++i)
                    ligne({});
            ligne(u"  "_s + p);
            ecrit = true;
            vides = 0;
        }
        ligne({});
        ligne(u"MMMMM"_s);
        ligne({});
    }
    return encoder1252(t);
}
