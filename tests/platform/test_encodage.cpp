// 8-bit text files: Windows-1252 as Windows writes them, UTF-8 when valid.
#include "platform/encodage.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(Encodage, Windows1252AllerRetour)
{
    const QString texte = u"é€œ’ « Œuf » 25°"_s;
    const QByteArray octets = encoder1252(texte);
    EXPECT_EQ(octets.left(4), QByteArray("\xe9\x80\x9c\x92"));
    EXPECT_EQ(decoderTexte(octets), texte);
    // The five bytes Windows leaves undefined survive too.
    EXPECT_EQ(encoder1252(decoderTexte("\x81\x8d\x8f\x90\x9d")), QByteArray("\x81\x8d\x8f\x90\x9d"));
}

TEST(Encodage, CaractereAbsentDevientPointDInterrogation)
{
    EXPECT_EQ(encoder1252(u"a😀b"_s), QByteArray("a?b"));  // one '?' for the whole character
    EXPECT_EQ(encoder1252(u"Жx"_s), QByteArray("?x"));
    EXPECT_EQ(encoder1252(QString(QChar(0xD800))), QByteArray("?"));
}

TEST(Encodage, Utf8ValideLuEnUtf8)
{
    EXPECT_EQ(decoderTexte("cr\xc3\xa8me \xe2\x82\xac"), u"crème €"_s);
    EXPECT_EQ(decoderTexte("cr\xe8me \x80"), u"crème €"_s);  // not UTF-8: Windows-1252
    EXPECT_EQ(decoderTexte("\xc3"), u"Ã"_s);              // cut sequence: not UTF-8
    EXPECT_EQ(decoderTexte("ABC\r\n"), u"ABC\r\n"_s);
}
