#include "platform/dialogues.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

QString titreProgramme()
{
    return u"Carnet"_s;
}

void DialoguesQt::message(QWidget* parent, const QString& texte, const QString& titre)
{
    QMessageBox::information(parent, titre.isEmpty() ? titreProgramme() : titre, texte);
}

bool DialoguesQt::question(QWidget* parent, const QString& texte, const QString& titre)
{
    return QMessageBox::question(parent, titre, texte, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString DialoguesQt::ouvrirFichier(QWidget* parent, const QString& dossier, const QString& filtre)
{
    return QFileDialog::getOpenFileName(parent, QString(), dossier, filtre);
}

QString DialoguesQt::enregistrerFichier(QWidget* parent, const QString& chemin, const QString& filtre)
{
    return QFileDialog::getSaveFileName(parent, QString(), chemin, filtre);
}

int DialoguesQt::choisir(QWidget* parent, const QString& texte, const QString& titre, const QStringList& elements,
                         int courant)
{
    bool ok = false;
    const QString choix = QInputDialog::getItem(parent, titre, texte, elements, courant, false, &ok);
    return ok ? static_cast<int>(elements.indexOf(choix)) : -1;
}
