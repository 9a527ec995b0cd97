#pragma once
// The one failure type of the program: a French message, ready for a message
// box, thrown by every layer and shown by the window that asked.

#include <QString>

#include <stdexcept>

class Echec : public std::runtime_error {
public:
    explicit Echec(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};

// Runs `action`; its failure goes on with the message `texte` makes of it
// (the reason a low layer gave, put in the caller's sentence).
template <class Action, class Texte>
void preciser(Action&& action, Texte&& texte)
{
    try {
        action();
    } catch (const Echec& e) {
        throw Echec(texte(e.message()));
    }
}
