#pragma once
// Modal dialogs, behind an interface so that tests answer them.

#include <QString>
#include <QStringList>

class QWidget;

class Dialogues {
public:
    virtual ~Dialogues() = default;
    // Message box with a single OK button; an empty title means the program's title.
    virtual void message(QWidget* parent, const QString& texte, const QString& titre = {}) = 0;
    // Yes / No, Yes first and default. True for Yes.
    virtual bool question(QWidget* parent, const QString& texte, const QString& titre) = 0;
    // The same, for what cannot be undone: "Non" is the default and the box
    // opens clear of the pointer, so that neither Enter, a held key nor the
    // second click of a double click answers it.
    virtual bool questionPrudente(QWidget* parent, const QString& texte, const QString& titre)
    {
        return question(parent, texte, titre);
    }
    // File-open dialog; an empty string when cancelled.
    virtual QString ouvrirFichier(QWidget* parent, const QString& dossier, const QString& filtre) = 0;
    // File-save dialog proposing `chemin`, asking before replacing a file; an empty string when cancelled.
    virtual QString enregistrerFichier(QWidget* parent, const QString& chemin, const QString& filtre) = 0;
    // One of `elements` in a list, `courant` proposed; its index, or -1 when cancelled.
    virtual int choisir(QWidget* parent, const QString& texte, const QString& titre, const QStringList& elements,
                        int courant) = 0;
};

class DialoguesQt : public Dialogues {
public:
    void message(QWidget* parent, const QString& texte, const QString& titre) override;
    bool question(QWidget* parent, const QString& texte, const QString& titre) override;
    bool questionPrudente(QWidget* parent, const QString& texte, const QString& titre) override;
    QString ouvrirFichier(QWidget* parent, const QString& dossier, const QString& filtre) override;
    QString enregistrerFichier(QWidget* parent, const QString& chemin, const QString& filtre) override;
    int choisir(QWidget* parent, const QString& texte, const QString& titre, const QStringList& elements,
                int courant) override;
};

// The title message boxes carry when none is given.
QString titreProgramme();
