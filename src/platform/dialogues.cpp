#include "platform/dialogues.h"

#include <QCursor>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

QString titreProgramme()
{
    return u"Carnet"_s;
}

void DialoguesQt::message(QWidget* parent, const QString& texte, const QString& titre)
{
    QMessageBox::information(parent, titre.isEmpty() ? titreProgramme() : titre, texte);
}

namespace {

// Repeats of a key held since before the question are no answer to it.
class SansRepetition : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        const bool touche = e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease
                            || e->type() == QEvent::ShortcutOverride;
        if (touche && static_cast<QKeyEvent*>(e)->isAutoRepeat()) {
            e->accept();  // no mnemonic either
            return true;
        }
        return QObject::eventFilter(objet, e);
    }
};

// Moves the box so that the pointer is outside it, below or above.
void eloignerDuPointeur(QWidget& boite)
{
    const QPoint pointeur = QCursor::pos();
    const QRect cadre = boite.frameGeometry();
    if (!cadre.adjusted(-16, -16, 16, 16).contains(pointeur))
        return;
    const QScreen* ecran = boite.screen();
    const QRect libre = ecran ? ecran->availableGeometry() : QRect();
    QPoint coin(cadre.left(), pointeur.y() + 32);
    if (libre.isValid() && coin.y() + cadre.height() > libre.bottom())
        coin.setY(pointeur.y() - 32 - cadre.height());
    boite.move(coin);
}

}  // namespace

bool DialoguesQt::question(QWidget* parent, const QString& texte, const QString& titre)
{
    return QMessageBox::question(parent, titre, texte, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool DialoguesQt::questionPrudente(QWidget* parent, const QString& texte, const QString& titre)
{
    QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::Yes | QMessageBox::No, parent);
    boite.setDefaultButton(QMessageBox::No);
    SansRepetition filtre;
    for (QAbstractButton* b : boite.buttons())
        b->installEventFilter(&filtre);
    boite.installEventFilter(&filtre);
    // Once shown and sized, where Qt centred it on its window.
    QTimer::singleShot(0, &boite, [&boite] { eloignerDuPointeur(boite); });
    return boite.exec() == QMessageBox::Yes;
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
