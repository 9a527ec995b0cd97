#pragma once
// A list of the files of a folder that match a pattern, letter case ignored,
// sorted by name. Click is raised whenever the selection moves, by mouse or
// keyboard.

#include <QDir>
#include <QListWidget>
#include <QString>
#include <QStringList>

class ListeFichiers : public QListWidget {
    Q_OBJECT
public:
    explicit ListeFichiers(QWidget* parent = nullptr);
    void setDossier(const QDir& dossier) { dossier_ = dossier; }
    QDir dossier() const { return dossier_; }
    void setMotifs(const QStringList& motifs) { motifs_ = motifs; }
    void Refresh();
    // No entry current: a click on the one that was chosen chooses it again.
    void oublierChoix();
    QString FileName() const;  // the selected entry, or empty
    int ListCount() const { return count(); }
    QString List(int i) const;

Q_SIGNALS:
    void Click();

private:
    QDir dossier_;
    QStringList motifs_;
    bool remplissage_ = false;
};
