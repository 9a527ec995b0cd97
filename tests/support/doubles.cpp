#include "doubles.h"

using namespace Qt::Literals::StringLiterals;

bool FauxDialogues::question(QWidget*, const QString& texte, const QString& titre)
{
    questions.append({texte, titre});
    return reponses.isEmpty() ? true : reponses.takeFirst();
}

bool FauxDialogues::questionPrudente(QWidget* parent, const QString& texte, const QString& titre)
{
    const bool oui = question(parent, texte, titre);
    questions.last().prudente = true;
    return oui;
}

QString FauxDialogues::ouvrirFichier(QWidget*, const QString&, const QString& filtre)
{
    filtres.append(filtre);
    return fichiersChoisis.isEmpty() ? QString() : fichiersChoisis.takeFirst();
}

void FausseImprimante::setNomPolice(const QString& nom)
{
    police_.setFamily(nom);
    journal.append(u"police "_s + nom);
}

void FausseImprimante::setTaillePolice(double points)
{
    police_.setPointSizeF(points);
    journal.append(u"taille "_s + QString::number(points));
}

void FausseImprimante::setGras(bool gras)
{
    police_.setBold(gras);
    journal.append(gras ? u"gras"_s : u"maigre"_s);
}

void FausseImprimante::imprimerLigne(const QList<MorceauLigne>& morceaux)
{
    QStringList pieces;
    for (const MorceauLigne& m : morceaux)
        pieces.append(QString::number(m.colonne) + u':' + m.texte);
    journal.append(u"ligne "_s + pieces.join(u'|'));
}

void FausseImprimante::dessinerImage(const QImage& image, double x, double y, double l, double h)
{
    journal.append(u"image %1,%2,%3,%4%5"_s.arg(x).arg(y).arg(l).arg(h).arg(image.isNull() ? u" vide"_s : QString()));
}

QString FausseImprimante::finDocument()
{
    journal.append(u"fin"_s);
    if (!resultat.reussi)
        throw Echec(resultat.erreur);
    return resultat.fichierPdf;
}

QStringList FausseImprimante::lignes() const
{
    QStringList r;
    for (const QString& e : journal) {
        if (e.startsWith(u"ligne "_s))
            r.append(e.mid(6));
        else if (e == u"page"_s)
            r.append(e);
    }
    return r;
}

qint64 CopieurEspion::copierBloc(int entree, int sortie, qint64 taille)
{
    ++blocs;
    if (avantBloc)
        avantBloc();
    if (blocs == echecAuBloc) {
        Copieur::copierBloc(entree, sortie, taille / 2);
        return -1;
    }
    return Copieur::copierBloc(entree, sortie, taille);
}
