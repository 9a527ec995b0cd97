// 8-bit text files: Windows-1252 as Windows writes them, UTF-8 when valid.
#include "platform/encodage.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(Encodage, Windows1252AllerRetourEtUtf8QuandIlEstValide)
{
    const QString texte = u"é€œ’ « Œuf » 25°"_s;
    const QByteArray octets = encoder1252(texte);
    EXPECT_EQ(octets.left(4), QByteArray("\xe9\x80\x9c\x92"));
    EXPECT_EQ(decoderTexte(octets), texte);
    // The five bytes Windows leaves undefined survive too.
    EXPECT_EQ(encoder1252(decoderTexte("\x81\x8d\x8f\x90\x9d")), QByteArray("\x81\x8d\x8f\x90\x9d"));
    EXPECT_EQ(decoderTexte("cr\xc3\xa8me \xe2\x82\xac\r\n"), u"crème €\r\n"_s);
    EXPECT_EQ(decoderTexte("\xc3"), u"Ã"_s);  // a cut sequence is no UTF-8
    // What Windows-1252 lacks becomes one '?' per character, even beyond the BMP.
    EXPECT_EQ(encoder1252(u"a😀bЖ"_s + QChar(0xD800)), QByteArray("a?b??"));
}
