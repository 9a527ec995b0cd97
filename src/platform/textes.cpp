#include "platform/textes.h"

#include "platform/pictogrammes.h"

#include <QFont>
#include <QKeyEvent>

int majusculeTouche(int code)
{
    if (code <= 0 || code > 0xFFFF)
        return code;
    const QChar c(static_cast<char16_t>(code));
    const QChar m = c.toUpper();
    return m.unicode();
}

Texte::Texte(QWidget* parent) : QLineEdit(parent) {}

void Texte::keyPressEvent(QKeyEvent* event)
{
    const bool entree = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString t = event->text();
    const bool caractere = !entree && t.size() == 1 && t.at(0).isPrint();
    if (!entree && !caractere) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int code = entree ? 13 : t.at(0).unicode();
    if (KeyPress)
        KeyPress(code);
    if (code == 0) {
        event->accept();
        return;
    }
    if (entree) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    insererCaractere(QChar(static_cast<char16_t>(code)));
    event->accept();
}

void Texte::insererCaractere(QChar c)
{
    insert(QString(c));
}

TexteMulti::TexteMulti(QWidget* parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString TexteMulti::texte() const
{
    QString t = toPlainText();
    t.replace(u'\n', QStringLiteral("\r\n"));
    return t;
}

void TexteMulti::setTexte(const QString& t)
{
    QString s = t;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(s);
}

BoitePictogrammes::BoitePictogrammes(const Pictogrammes& table, QWidget* parent)
    : Texte(parent), table_(table)
{
    QFont f = font();
    f.setFamilies(Pictogrammes::polices());
    setFont(f);
}

QString BoitePictogrammes::texte() const
{
    return table_.versLettres(text());
}

void BoitePictogrammes::setTexte(const QString& lettres)
{
    setText(table_.versPictogrammes(lettres));
}

void BoitePictogrammes::insererCaractere(QChar c)
{
    if (!hasSelectedText() && texte().size() >= limite_)
        return;
    insert(table_.versPictogrammes(QString(c)));
}
