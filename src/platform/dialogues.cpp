#include "platform/dialogues.h"

#include <QFileDialog>
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

bool DialoguesQt::question(QWidget* parent, const QString& texte, const QString& titre, bool ouiParDefaut)
{
    return QMessageBox::question(parent, titre, texte, QMessageBox::Yes | QMessageBox::No,
                                 ouiParDefaut ? QMessageBox::Yes : QMessageBox::No)
        == QMessageBox::Yes;
}

QString DialoguesQt::ouvrirFichier(QWidget* parent, const QString& dossier, const QString& filtre)
{
    return QFileDialog::getOpenFileName(parent, QString(), dossier, filtre);
}
