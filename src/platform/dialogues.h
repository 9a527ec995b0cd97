#pragma once
// Modal dialogs, behind an interface so that tests answer them.

#include <QString>

class QWidget;

class Dialogues {
public:
    virtual ~Dialogues() = default;
    // Message box with a single OK button; an empty title means the program's title.
    virtual void message(QWidget* parent, const QString& texte, const QString& titre = {}) = 0;
    // Yes / No, Yes first. True for Yes. A question that destroys something
    // (`prudente`) has "Non" as default and opens clear of the pointer, so
    // that neither Enter, a held key nor the second click of a double click
    // answers it.
    virtual bool question(QWidget* parent, const QString& texte, const QString& titre,
                          bool prudente = false) = 0;
    // File-open dialog; an empty string when cancelled.
    virtual QString ouvrirFichier(QWidget* parent, const QString& dossier, const QString& filtre) = 0;
};

class DialoguesQt : public Dialogues {
public:
    void message(QWidget* parent, const QString& texte, const QString& titre) override;
    bool question(QWidget* parent, const QString& texte, const QString& titre,
                  bool prudente = false) override;
    QString ouvrirFichier(QWidget* parent, const QString& dossier, const QString& filtre) override;
};

// The title message boxes carry when none is given.
QString titreProgramme();
