#include "platform/textes.h"

#include "platform/pictogrammes.h"

#include <QFont>
#include <QKeyEvent>
#include <QMimeData>

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

namespace {

// Wrapping at word boundaries, Qt looks for the end of the word along the
// whole rest of it for every line: a megabyte without a blank took minutes
// to show. Such a text is wrapped anywhere, linear; shorter runs cost little.
constexpr qsizetype SuiteSansBlancMaximale = 1000;

QTextOption::WrapMode coupurePour(QStringView texte)
{
    qsizetype suite = 0;
    for (const QChar c : texte) {
        suite = c.isSpace() ? 0 : suite + 1;
        if (suite > SuiteSansBlancMaximale)
            return QTextOption::WrapAnywhere;
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

}  // namespace

void TexteMulti::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText() && coupurePour(source->text()) == QTextOption::WrapAnywhere)
        setWordWrapMode(QTextOption::WrapAnywhere);
    QPlainTextEdit::insertFromMimeData(source);
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
    // The mode before the text, laid out once; the old text goes first, or
    // the change of mode would lay it out again, perhaps the slow way.
    if (const QTextOption::WrapMode mode = coupurePour(s); mode != wordWrapMode()) {
        clear();
        setWordWrapMode(mode);
    }
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
