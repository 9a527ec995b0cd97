#pragma once
// Text boxes of the windows. A key-press hook sees the code of each typed
// character (13 for Enter) and may replace it, or swallow it by setting 0.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include <functional>

class Pictogrammes;

using CrochetTouche = std::function<void(int& codeTouche)>;

// Upper case of a typed character, accented letters included; others unchanged.
int majusculeTouche(int code);

class Texte : public QLineEdit {
    Q_OBJECT
public:
    explicit Texte(QWidget* parent = nullptr);
    QString texte() const { return text(); }
    void setTexte(const QString& t) { setText(t); }
    CrochetTouche KeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Inserts the character a key produced, after the hook; overridable.
    virtual void insererCaractere(QChar c);
};

// Several lines with a vertical scroll bar. The program's texts break lines
// with CR LF; the box works with LF alone.
class TexteMulti : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TexteMulti(QWidget* parent = nullptr);
    QString texte() const;  // CR LF line breaks
    void setTexte(const QString& t);

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

// A box drawn in a symbol font that Linux lacks: it shows the pictogram of
// each letter and gives back the letters typed.
class BoitePictogrammes : public Texte {
    Q_OBJECT
public:
    BoitePictogrammes(const Pictogrammes& table, QWidget* parent = nullptr);
    QString texte() const;  // the letters
    void setTexte(const QString& lettres);
    void setLimite(int caracteres) { limite_ = caracteres; }

protected:
    void insererCaractere(QChar c) override;

private:
    const Pictogrammes& table_;
    int limite_ = 32767;
};
