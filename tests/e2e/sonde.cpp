#include "sonde.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QHeaderView>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

QJsonArray rectangleGlobal(const QWidget* w, const QRect& local)
{
    const QPoint p = w->mapToGlobal(local.topLeft());
    return {p.x(), p.y(), local.width(), local.height()};
}

// The entries of a menu bar or of an open menu, where a click would land.
template <class M>
QJsonArray entrees(const M* m)
{
    QJsonArray liste;
    for (QAction* a : m->actions())
        if (!a->isSeparator() && a->isVisible())
            liste.append(QJsonObject{{u"texte"_s, a->text()},
                                     {u"actif"_s, a->isEnabled()},
                                     {u"geo"_s, rectangleGlobal(m, m->actionGeometry(a))}});
    return liste;
}

// The rows of a list or grid that lie in its viewport, cell by cell.
QJsonArray cellulesVisibles(const QAbstractItemView* vue)
{
    QJsonArray lignes;
    const QAbstractItemModel* modele = vue->model();
    if (!modele)
        return lignes;
    const QRect cadre = vue->viewport()->rect();
    // A grid's fixed heading row, drawn by its header, comes first as row 0.
    const auto* table = qobject_cast<const QTableView*>(vue);
    if (table && table->horizontalHeader()->isVisible()) {
        const QHeaderView* h = table->horizontalHeader();
        QJsonArray cellules;
        for (int c = 0; c < modele->columnCount(); ++c)
            cellules.append(QJsonObject{
                {u"texte"_s, modele->headerData(c, Qt::Horizontal).toString()},
                {u"geo"_s, rectangleGlobal(h->viewport(), QRect(h->sectionViewportPosition(c), 0,
                                                                h->sectionSize(c), h->height()))}});
        lignes.append(QJsonObject{{u"ligne"_s, 0}, {u"cellules"_s, cellules}});
    }
    for (int l = 0; l < modele->rowCount(); ++l) {
        QJsonArray cellules;
        bool visible = false;
        for (int c = 0; c < modele->columnCount(); ++c) {
            const QModelIndex i = modele->index(l, c);
            const QRect r = vue->visualRect(i);
            const bool dedans = r.isValid() && cadre.intersects(r);
            visible = visible || dedans;
            cellules.append(QJsonObject{
                {u"texte"_s, i.data(Qt::DisplayRole).toString()},
                {u"geo"_s, dedans ? rectangleGlobal(vue->viewport(), r.intersected(cadre)) : QJsonArray()}});
        }
        if (visible)
            lignes.append(QJsonObject{{u"ligne"_s, l}, {u"cellules"_s, cellules}});
    }
    return lignes;
}

QJsonObject decrire(const QWidget* w)
{
    QJsonObject o{{u"classe"_s, QString::fromLatin1(w->metaObject()->className())},
                  {u"nom"_s, w->objectName()},
                  {u"actif"_s, w->isEnabled()},
                  {u"focus"_s, w->hasFocus()},
                  {u"geo"_s, rectangleGlobal(w, w->rect())}};
    // Labels, buttons and text boxes: whichever of the two properties the widget has.
    for (const char* propriete : {"text", "plainText"})
        if (const QVariant v = w->property(propriete); v.isValid() && !o.contains(u"texte"_s))
            o[u"texte"_s] = v.toString();
    if (auto* v = qobject_cast<const QAbstractItemView*>(w)) {
        o[u"lignes"_s] = cellulesVisibles(v);
        o[u"nombreLignes"_s] = v->model() ? v->model()->rowCount() : 0;
    }
    if (auto* barre = qobject_cast<const QMenuBar*>(w))
        o[u"entrees"_s] = entrees(barre);
    else if (auto* menu = qobject_cast<const QMenu*>(w))
        o[u"entrees"_s] = entrees(menu);
    return o;
}

void parcourir(const QWidget* w, QJsonArray& widgets)
{
    for (const QObject* enfant : w->children()) {
        const auto* e = qobject_cast<const QWidget*>(enfant);
        if (!e || e->isWindow() || !e->isVisible())
            continue;
        widgets.append(decrire(e));
        parcourir(e, widgets);
    }
}

QByteArray ecran()
{
    QJsonArray fenetres;
    for (const QWidget* f : QApplication::topLevelWidgets()) {
        if (!f->isVisible())
            continue;
        QJsonObject o = decrire(f);
        o[u"titre"_s] = f->windowTitle();
        o[u"active"_s] = f->isActiveWindow();
        o[u"xid"_s] = QString::number(f->winId());
        QJsonArray widgets;
        parcourir(f, widgets);
        o[u"widgets"_s] = widgets;
        fenetres.append(o);
    }
    return QJsonDocument(fenetres).toJson(QJsonDocument::Compact);
}

}  // namespace

void installerSonde()
{
    const QString chemin = qEnvironmentVariable("CARNET_SONDE");
    if (chemin.isEmpty())
        return;
    auto* serveur = new QLocalServer(qApp);
    QLocalServer::removeServer(chemin);
    if (!serveur->listen(chemin))
        qFatal("sonde: cannot listen on %s", qPrintable(chemin));
    QObject::connect(serveur, &QLocalServer::newConnection, serveur, [serveur] {
        while (QLocalSocket* s = serveur->nextPendingConnection()) {
            QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            s->write(ecran());
            s->disconnectFromServer();
        }
    });
}
