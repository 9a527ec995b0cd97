#include "platform/listefichiers.h"

#include "platform/fichiers.h"

ListeFichiers::ListeFichiers(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int ligne) {
        if (!remplissage_ && ligne >= 0)
            Q_EMIT Click();
    });
}

void ListeFichiers::Refresh()
{
    remplissage_ = true;
    clear();
    addItems(listerFichiers(dossier_, motifs_));
    // Set through the view, so that taking the focus does not make the first
    // entry current (which would raise Click without the user choosing).
    setCurrentIndex(QModelIndex());
    remplissage_ = false;
}

void ListeFichiers::oublierChoix()
{
    remplissage_ = true;
    setCurrentIndex(QModelIndex());
    clearSelection();
    remplissage_ = false;
}

QString ListeFichiers::FileName() const
{
    const QListWidgetItem* i = currentItem();
    return i ? i->text() : QString();
}

QString ListeFichiers::List(int i) const
{
    const QListWidgetItem* it = item(i);
    return it ? it->text() : QString();
}
