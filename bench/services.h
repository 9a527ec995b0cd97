#pragma once
// The desktop as the benchmark sees it: no dialog ever blocks, every message
// is kept so that a case which ends in a message is reported as failed.

#include "platform/dialogues.h"
#include "platform/systeme.h"

#include <QSize>
#include <QStringList>

class DialoguesBanc : public Dialogues {
public:
    void message(QWidget*, const QString& texte, const QString&) override { messages.append(texte); }
    bool question(QWidget*, const QString&, const QString&) override { return true; }
    QString ouvrirFichier(QWidget*, const QString&, const QString&) override { return {}; }
    QString enregistrerFichier(QWidget*, const QString&, const QString&) override { return {}; }
    int choisir(QWidget*, const QString&, const QString&, const QStringList&, int) override { return -1; }

    QStringList messages;
};

class SystemeBanc : public Systeme {
public:
    QSize ecran() override { return {1280, 1024}; }
    bool ouvrirAdresse(const QUrl&) override { return false; }
    QString dateCourte() override { return QStringLiteral("06/12/2026"); }
    void quitter() override {}
};
