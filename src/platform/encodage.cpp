#include "platform/encodage.h"

#include <QStringDecoder>

#include <array>

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes Windows leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 code of the same value, as
// Windows' own conversion does, so that they survive a round trip.
constexpr std::array<char16_t, 32> k1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decoder1252(const QByteArray& octets)
{
    QString texte;
    texte.reserve(octets.size());
    for (const char c : octets) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet >= 0x80 && octet <= 0x9F)
            texte.append(QChar(k1252[octet - 0x80]));
        else
            texte.append(QChar(static_cast<char16_t>(octet)));
    }
    return texte;
}

char encoder1252Caractere(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < k1252.size(); ++i) {
        if (k1252[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

QString decoderTexte(const QByteArray& octets)
{
    // Stateless: a sequence cut at the end is an error, not pending input.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texte = utf8.decode(octets);
    if (!utf8.hasError())
        return texte;
    return decoder1252(octets);
}

QByteArray encoder1252(const QString& texte)
{
    QByteArray octets;
    octets.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        if (c.isHighSurrogate() && i + 1 < texte.size() && texte.at(i + 1).isLowSurrogate()) {
            octets.append('?');  // one '?' for the whole character beyond the BMP
            ++i;
        } else {
            octets.append(encoder1252Caractere(c.unicode()));
        }
    }
    return octets;
}
