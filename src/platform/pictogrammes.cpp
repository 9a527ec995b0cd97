#include "platform/pictogrammes.h"

#include "platform/encodage.h"

#include <QFile>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

Pictogrammes::Pictogrammes(const QString& ressource)
{
    QFile f(ressource);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QStringList lignes = QString::fromUtf8(f.readAll()).split(u'\n');
    for (const QString& ligne : lignes) {
        if (ligne.startsWith(u'#') || ligne.trimmed().isEmpty())
            continue;
        const QStringList champs = ligne.split(u'\t');
        if (champs.size() < 2)
            continue;
        bool ok = false;
        const uint code = champs.at(0).toUInt(&ok, 16);
        if (!ok || code > 255)
            continue;
        QString texte;
        for (const QString& point : champs.at(1).split(u' ', Qt::SkipEmptyParts)) {
            const uint u = point.mid(2).toUInt(&ok, 16);  // "U+1F577"
            if (ok)
                texte += QString::fromUcs4(reinterpret_cast<const char32_t*>(&u), 1);
        }
        if (texte.isEmpty())
            continue;
        versCode_[code] = texte;
        versLettre_.insert(texte, static_cast<unsigned char>(code));
        plusLong_ = std::max(plusLong_, static_cast<int>(texte.size()));
    }
}

const Pictogrammes& Pictogrammes::webdings()
{
    static const Pictogrammes table(u":/webdings-unicode.tsv"_s);
    return table;
}

const Pictogrammes& Pictogrammes::wingdings()
{
    static const Pictogrammes table(u":/wingdings-unicode.tsv"_s);
    return table;
}

QStringList Pictogrammes::polices()
{
    return {u"Symbola"_s, u"DejaVu Sans"_s, u"Noto Color Emoji"_s};
}

QString Pictogrammes::pictogramme(unsigned char code) const
{
    return versCode_[code];
}

QString Pictogrammes::versPictogrammes(const QString& lettres) const
{
    QString resultat;
    resultat.reserve(lettres.size() * 2);
    for (const QChar c : lettres) {
        const QByteArray octet = encoder1252(QString(c));
        const QString p = octet.size() == 1 && octet != "?" ? versCode_[static_cast<unsigned char>(octet.at(0))]
                                                           : QString();
        resultat += p.isEmpty() ? QString(c) : p;
    }
    return resultat;
}

QString Pictogrammes::versLettres(const QString& affiche) const
{
    QString resultat;
    qsizetype i = 0;
    while (i < affiche.size()) {
        bool trouve = false;
        for (qsizetype n = std::min<qsizetype>(plusLong_, affiche.size() - i); n >= 1 && !trouve; --n) {
            const auto it = versLettre_.constFind(affiche.mid(i, n));
            if (it != versLettre_.constEnd()) {
                const char octet = static_cast<char>(it.value());
                resultat += decoderTexte(QByteArray(1, octet));
                i += n;
                trouve = true;
            }
        }
        if (!trouve)
            resultat += affiche.at(i++);
    }
    return resultat;
}
