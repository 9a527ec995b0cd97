#pragma once
// Where a recipe's photograph lives: <program folder>/Images/<title>.jpg,
// matched without regard to letter case, the title made safe as a file name.

#include <QString>

// Path looked up for the photograph of `titre` (the CheminPhoto rule). When a
// file of that name exists in another letter case, that file's path.
QString cheminPhoto(const QString& dossierProgramme, const QString& titre);

// Path written when a card is saved: the title as typed + ".JPG"; when the
// photograph exists already in another letter case, that file's path, so the
// new picture replaces it as it would on a case-insensitive disk.
QString cheminPhotoEcrite(const QString& dossierProgramme, const QString& titre);

// Path removed when a card is deleted: "Images/" + title + ".jpg" relative to
// the working folder, resolved case-insensitively.
QString cheminPhotoSupprimee(const QString& titre);

// The placeholder "Images\PAS.jpg", relative to the working folder.
QString cheminPhotoAbsente();
