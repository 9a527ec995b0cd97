#include "app/programme.h"

#include "backup/copie.h"
#include "platform/verroudossier.h"

#include <QApplication>
#include <QVariant>

Services::Services() : copieur(std::make_unique<Copieur>()) {}
Services::Services(Services&&) noexcept = default;
Services& Services::operator=(Services&&) noexcept = default;
Services::~Services() = default;

Services Services::qt()
{
    Services s;
    s.dialogues = std::make_unique<DialoguesQt>();
    s.systeme = std::make_unique<SystemeQt>();
    s.imprimante = std::make_unique<ImprimanteQt>();
    return s;
}

Programme::Programme(Services services, QString dossierProgramme)
    : importeur(dossierProgramme + QStringLiteral("/carnet-import")),
      services_(std::move(services)),
      dossierProgramme_(std::move(dossierProgramme))
{
}

Programme::~Programme()
{
    for (const QPointer<QWidget>& w : vivantes_)
        delete w.data();
    donnees.fermerBase();
}

QWidget* Programme::vivante(const char* classe) const
{
    for (const QPointer<QWidget>& w : vivantes_) {
        if (w && w->inherits(classe) && !w->property("decharge").toBool())
            return w.data();
    }
    return nullptr;
}

void Programme::activerMenu(bool actif)
{
    if (QWidget* menu = vivante("KalDepart"))
        menu->setEnabled(actif);
}

void Programme::ramenerAuPremierPlan()
{
    QWidget* w = QApplication::activeModalWidget();
    for (qsizetype i = vivantes_.size() - 1; !w && i >= 0; --i) {
        QWidget* v = vivantes_[i].data();
        if (v && v->isVisible() && v->isEnabled())
            w = v;
    }
    if (!w)
        return;
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->raise();
    w->activateWindow();
}
