#pragma once
// What every window of the program has: its Programme, its controls in design
// order (for the rescaling), menu-bar entries placed on the bar itself, and
// geometry in twips.

#include <QColor>
#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QString>

#include <functional>
#include <optional>
#include <type_traits>

class Programme;
class QAction;
class QCloseEvent;

class FenetreKal : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetreKal(Programme& programme);

    Programme& prog;
    const QList<QObject*>& controles() const { return controles_; }

    // The surface the controls are placed on (below the menu bar).
    QWidget* zone() const { return zone_; }

    // Runs `action`; its failure (an Echec from any layer) is said to the
    // user and leaves the window as it stands. False when it failed; for an
    // action that gives a value, that value or nothing.
    bool essayer(const std::function<void()>& action);
    template <class Action>
        requires(!std::is_void_v<std::invoke_result_t<Action&>>)
    std::optional<std::invoke_result_t<Action&>> essayer(Action&& action)
    {
        std::optional<std::invoke_result_t<Action&>> valeur;
        essayer([&] { valeur.emplace(action()); });
        return valeur;
    }

protected:
    // The close box takes the window's own way out (what its "Retour" does in
    // the state shown); false lets the window simply close.
    virtual bool sortir() { return false; }
    void closeEvent(QCloseEvent* event) override;

    // Creates a control, names it, places it in twips inside `parent` (the
    // window's surface when null) and records it in design order.
    template <class W, class... Args>
    W* controle(const char* nom, double gauche, double haut, double largeur, double hauteur,
                QWidget* parent = nullptr, Args&&... args)
    {
        W* w = new W(std::forward<Args>(args)..., parent ? parent : zone_);
        enregistrer(w, nom, gauche, haut, largeur, hauteur);
        return w;
    }
    void enregistrer(QWidget* w, const char* nom, double gauche, double haut, double largeur,
                     double hauteur);

    // A command placed directly on the menu bar.
    QAction* entreeMenu(const char* nom, const QString& legende);

    static void couleurs(QWidget* w, const QColor& fond, const QColor& texte);
    // The windows' design font, "MS Sans Serif" bold at that size.
    static QFont sansSerif(double points);
    void setFond(const QColor& fond);

    // The usual creation of a rescaled window: 12000 x 9000 twips at the top
    // left, record the layout, take the screen's size less the margins, rescale.
    void dimensionner(int margeLargeur = 100, int margeHauteur = 600);

private:
    QWidget* zone_;
    QList<QObject*> controles_;
};
