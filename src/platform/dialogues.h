#pragma once
// Modal dialogs, behind an interface so that tests answer them.

#include <QString>

class QWidget;

class Dialogues {
public:
    virtual ~Dialogues() = default;
    // Message box with a single OK button; an empty title means the program's title.
    virtual void message(QWidget* parent, const QString& texte, const QString& titre = {}) = 0;
    // Yes / No, Yes first; Yes the default unless `ouiParDefaut` is false. True for Yes.
    virtual bool question(QWidget* parent, const QString& texte, const QString& titre, bool ouiParDefaut = true) = 0;
    // File-open dialog; an empty string when cancelled.
    virtual QString ouvrirFichier(QWidget* parent, const QString& dossier, const QString& filtre) = 0;
};

class DialoguesQt : public Dialogues {
public:
    void message(QWidget* parent, const QString& texte, const QString& titre) override;
    bool question(QWidget* parent, const QString& texte, const QString& titre, bool ouiParDefaut = true) override;
    QString ouvrirFichier(QWidget* parent, const QString& dossier, const QString& filtre) override;
};

// The title message boxes carry when none is given.
QString titreProgramme();
