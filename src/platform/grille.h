#pragma once
// A grid in the manner of the windows' list grids: row 0 and column 0 are
// fixed heading cells (row 0 drawn as a header that stays when the rows
// scroll), a current cell (Row, Col) receives text and alignment,
// widths are in twips. Backed by a model, so that tens of thousands of rows
// fill at once through ajouterLignes.

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QString>
#include <QTableView>

#include <vector>

struct CelluleGrille {
    QString texte;
    Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignVCenter;
};

class ModeleGrille : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Row 0's texts, drawn by the fixed header.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void redimensionner(int lignes, int colonnes);
    CelluleGrille& cellule(int ligne, int colonne);
    const CelluleGrille& cellule(int ligne, int colonne) const;
    void signalerChangement(int ligne, int colonne);
    void ajouterLignes(std::vector<std::vector<CelluleGrille>>&& lignes);

private:
    std::vector<std::vector<CelluleGrille>> lignes_;
    int colonnes_ = 0;
};

class Grille : public QTableView {
    Q_OBJECT
public:
    explicit Grille(QWidget* parent = nullptr);

    int Rows() const;
    void setRows(int lignes);
    int Cols() const;
    void setCols(int colonnes);
    int Row() const { return ligne_; }
    void setRow(int ligne) { ligne_ = ligne; }
    int Col() const { return colonne_; }
    void setCol(int colonne) { colonne_ = colonne; }

    QString Text() const { return TextMatrix(ligne_, colonne_); }
    void setText(const QString& texte);
    void setCellAlignment(Qt::Alignment alignement);
    QString TextMatrix(int ligne, int colonne) const;
    void setTextMatrix(int ligne, int colonne, const QString& texte);
    Qt::Alignment alignementCellule(int ligne, int colonne) const;

    void setColWidth(int colonne, double twips);
    double ColWidth(int colonne) const;
    void setFontSize(double points);
    double FontSize() const;

    // Back to the heading row alone: one centred heading per column, the
    // columns' widths in twips and the grid's font size.
    void preparer(const QStringList& entetes, const QList<double>& largeurs, double points);

    // Appends whole rows at once (one model change for all of them).
    void ajouterLignes(std::vector<std::vector<CelluleGrille>>&& lignes);

    // What a mouse click on that cell does: makes it current, then Click.
    // Enter and a double click on a row do the same; the arrow keys move.
    void cliquer(int ligne, int colonne);

Q_SIGNALS:
    void Click();

private:
    ModeleGrille modele_;
    std::vector<double> largeurs_;
    int ligne_ = 0;
    int colonne_ = 0;
};
