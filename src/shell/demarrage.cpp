#include "app/programme.h"
#include "backup/copie.h"
#include "platform/verroudossier.h"
#include "shell/copyright.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

// One copy per program folder, then the splash.
bool Programme::demarrer()
{
    verrou_ = std::make_unique<VerrouDossier>(dossierProgramme_);
    if (!verrou_->prendre()) {
        verrou_->appelerPremier();
        dialogues().message(nullptr, u"Carnet est déjà ouvert dans ce dossier (%1).\nUtilisez la fenêtre déjà ouverte."_s.arg(
                                         QDir::toNativeSeparators(dossierProgramme_)));
        return false;
    }
    QObject::connect(verrou_.get(), &VerrouDossier::appele, [this] { ramenerAuPremierPlan(); });
    // Alone on the folder: what a killed backup or restore left is nobody's.
    Copieur::nettoyerTemporaires(dossierProgramme_);
    Copieur::nettoyerTemporaires(QDir(dossierProgramme_).filePath(u"Images"_s));
    charger(copyright);
    return true;
}
