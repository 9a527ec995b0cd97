#include "platform/grille.h"

#include "platform/twips.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>

#include <cmath>

int ModeleGrille::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int ModeleGrille::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : colonnes_;
}

QVariant ModeleGrille::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const CelluleGrille& c = cellule(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return c.texte;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c.alignement);
    case Qt::BackgroundRole:
        // Fixed heading row and column, grey as the grids always had them.
        if (index.row() == 0 || index.column() == 0)
            return QBrush(QColor(192, 192, 192));
        return {};
    default:
        return {};
    }
}

QVariant ModeleGrille::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || lignes_.empty() || section < 0 || section >= colonnes_)
        return {};
    const CelluleGrille& c = cellule(0, section);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return c.texte;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c.alignement);
    default:
        return {};
    }
}

void ModeleGrille::redimensionner(int lignes, int colonnes)
{
    lignes = std::max(lignes, 0);
    colonnes = std::max(colonnes, 0);
    beginResetModel();
    lignes_.resize(static_cast<size_t>(lignes));
    colonnes_ = colonnes;
    for (auto& l : lignes_)
        l.resize(static_cast<size_t>(colonnes));
    endResetModel();
}

CelluleGrille& ModeleGrille::cellule(int ligne, int colonne)
{
    return lignes_.at(static_cast<size_t>(ligne)).at(static_cast<size_t>(colonne));
}

const CelluleGrille& ModeleGrille::cellule(int ligne, int colonne) const
{
    return lignes_.at(static_cast<size_t>(ligne)).at(static_cast<size_t>(colonne));
}

void ModeleGrille::signalerChangement(int ligne, int colonne)
{
    const QModelIndex i = index(ligne, colonne);
    Q_EMIT dataChanged(i, i);
}

void ModeleGrille::ajouterLignes(std::vector<std::vector<CelluleGrille>>&& lignes)
{
    if (lignes.empty())
        return;
    const int debut = static_cast<int>(lignes_.size());
    beginInsertRows({}, debut, debut + static_cast<int>(lignes.size()) - 1);
    lignes_.reserve(lignes_.size() + lignes.size());
    for (auto& l : lignes) {
        l.resize(static_cast<size_t>(colonnes_));
        lignes_.push_back(std::move(l));
    }
    endInsertRows();
}

Grille::Grille(QWidget* parent) : QTableView(parent)
{
    setModel(&modele_);
    verticalHeader()->hide();
    // Grey as the fixed cells always were, and inert: a heading is no recipe.
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    // A click on the headings gives the grid the keys, as on a fixed row.
    horizontalHeader()->setFocusPolicy(Qt::ClickFocus);
    horizontalHeader()->setFocusProxy(this);
    horizontalHeader()->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: rgb(192, 192, 192); border: 1px solid rgb(128, 128, 128); }"));
    connect(&modele_, &QAbstractItemModel::modelReset, this, [this] { setRowHidden(0, true); });
    connect(&modele_, &QAbstractItemModel::rowsInserted, this, [this] { setRowHidden(0, true); });
    // Fixed row heights keep a view of 30 000 rows from measuring every row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& i) {
        cliquer(i.row(), i.column());
    });
    // Enter on the current row, or a double click; hidden by the first click
    // of a double click, the grid does not act twice.
    connect(this, &QTableView::activated, this, [this](const QModelIndex& i) {
        if (isVisible())
            cliquer(i.row(), i.column());
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& i) {
        if (i.isValid()) {
            ligne_ = i.row();
            colonne_ = i.column();
        }
    });
    setRows(2);
    setCols(2);
}

int Grille::Rows() const
{
    return modele_.rowCount();
}

void Grille::setRows(int lignes)
{
    const int avant = modele_.rowCount();
    if (lignes > avant) {
        std::vector<std::vector<CelluleGrille>> nouvelles(static_cast<size_t>(lignes - avant));
        modele_.ajouterLignes(std::move(nouvelles));
    } else if (lignes < avant) {
        modele_.redimensionner(lignes, modele_.columnCount());
    }
    ligne_ = std::min(ligne_, std::max(lignes - 1, 0));
}

int Grille::Cols() const
{
    return modele_.columnCount();
}

void Grille::setCols(int colonnes)
{
    modele_.redimensionner(modele_.rowCount(), colonnes);
    largeurs_.resize(static_cast<size_t>(std::max(colonnes, 0)), 1000.0);
    for (int c = 0; c < colonnes; ++c)
        setColumnWidth(c, static_cast<int>(std::lround(largeurs_[static_cast<size_t>(c)] / TwipsParPixel)));
    colonne_ = std::min(colonne_, std::max(colonnes - 1, 0));
}

void Grille::setText(const QString& texte)
{
    setTextMatrix(ligne_, colonne_, texte);
}

void Grille::setCellAlignment(Qt::Alignment alignement)
{
    modele_.cellule(ligne_, colonne_).alignement = alignement;
    modele_.signalerChangement(ligne_, colonne_);
}

QString Grille::TextMatrix(int ligne, int colonne) const
{
    if (ligne < 0 || colonne < 0 || ligne >= Rows() || colonne >= Cols())
        return {};
    return modele_.cellule(ligne, colonne).texte;
}

void Grille::setTextMatrix(int ligne, int colonne, const QString& texte)
{
    modele_.cellule(ligne, colonne).texte = texte;
    modele_.signalerChangement(ligne, colonne);
}

Qt::Alignment Grille::alignementCellule(int ligne, int colonne) const
{
    return modele_.cellule(ligne, colonne).alignement;
}

void Grille::setColWidth(int colonne, double twips)
{
    largeurs_.at(static_cast<size_t>(colonne)) = twips;
    setColumnWidth(colonne, static_cast<int>(std::lround(twips / TwipsParPixel)));
}

double Grille::ColWidth(int colonne) const
{
    return largeurs_.at(static_cast<size_t>(colonne));
}

void Grille::setFontSize(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
    horizontalHeader()->setFont(f);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
}

double Grille::FontSize() const
{
    return font().pointSizeF();
}

void Grille::preparer(const QStringList& entetes, const QList<double>& largeurs, double points)
{
    setRows(1);
    setCols(static_cast<int>(entetes.size()));
    setFontSize(points);
    for (int c = 0; c < Cols(); ++c) {
        setColWidth(c, largeurs.value(c, 1000.0));
        CelluleGrille& cellule = modele_.cellule(0, c);
        cellule.texte = entetes.at(c);
        cellule.alignement = Qt::AlignCenter;
    }
    Q_EMIT modele_.headerDataChanged(Qt::Horizontal, 0, Cols() - 1);
    ligne_ = 0;
    colonne_ = 0;
}

void Grille::ajouterLignes(std::vector<std::vector<CelluleGrille>>&& lignes)
{
    modele_.ajouterLignes(std::move(lignes));
}

void Grille::cliquer(int ligne, int colonne)
{
    if (ligne < 0 || colonne < 0 || ligne >= Rows() || colonne >= Cols())
        return;
    ligne_ = ligne;
    colonne_ = colonne;
    Q_EMIT Click();
}
