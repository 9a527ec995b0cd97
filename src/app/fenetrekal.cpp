#include "app/fenetrekal.h"

#include "app/programme.h"
#include "platform/twips.h"
#include "platform/echec.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPalette>

FenetreKal::FenetreKal(Programme& programme) : prog(programme), zone_(new QWidget(this))
{
    setCentralWidget(zone_);
    zone_->setObjectName(QStringLiteral("zone"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void FenetreKal::closeEvent(QCloseEvent* event)
{
    // An unloaded window goes; a shown one leaves by its own way, which
    // gives the main menu back.
    if (!property("decharge").toBool() && sortir()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void FenetreKal::enregistrer(QWidget* w, const char* nom, double gauche, double haut,
                             double largeur, double hauteur)
{
    const QString n = QString::fromLatin1(nom);
    w->setObjectName(n);
    w->setAccessibleName(n);
    setGeometrieTwips(w, QRectF(gauche, haut, largeur, hauteur));
    controles_.append(w);
}

QAction* FenetreKal::entreeMenu(const char* nom, const QString& legende)
{
    QAction* a = menuBar()->addAction(legende);
    a->setObjectName(QString::fromLatin1(nom));
    controles_.append(a);
    return a;
}

void FenetreKal::couleurs(QWidget* w, const QColor& fond, const QColor& texte)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fond);
    p.setColor(QPalette::Base, fond);
    p.setColor(QPalette::WindowText, texte);
    p.setColor(QPalette::Text, texte);
    p.setColor(QPalette::ButtonText, texte);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFont FenetreKal::sansSerif(double points)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

void FenetreKal::setFond(const QColor& fond)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, fond);
    setPalette(p);
    zone_->setAutoFillBackground(true);
    zone_->setPalette(p);
}

void FenetreKal::dimensionner(int margeLargeur, int margeHauteur)
{
    setTailleFenetreTwips(this, 9000, 12000);
    setPositionFenetreTwips(this, 0, 0);
    prog.zoom.MemoriserPositions(*this);
    setTailleFenetreTwips(this, prog.zoom.HauteurEcran - margeHauteur,
                          prog.zoom.LargeurEcran - margeLargeur);
    prog.zoom.AppliquerZoom(*this);
}

bool FenetreKal::essayer(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const Echec& e) {
        prog.dialogues().message(this, e.message());
        return false;
    }
}
