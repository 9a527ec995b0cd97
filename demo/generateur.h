#pragma once
// The demo program folder: an empty template base, two recipe bases, the
// category introduction texts and the photographs, everything a fresh
// installation needs to be tried out.

#include <QString>
#include <QStringList>

struct OptionsDemo {
    bool photos = true;  // draw the recipes' photographs (the placeholder is always written)
};

// Fills `dossier` (created if needed) with a demo program folder. A file that
// exists already, in any letter case, is left as it is: the user's data is
// never overwritten, only missing files are added. Returns the files written,
// relative to `dossier`, with '/' separators. Throws Echec, with a French
// message naming the file, when a file cannot be written; files written
// before stay, and a base is never left half filled. Needs a QGuiApplication.
QStringList genererDossierDemo(const QString& dossier, const OptionsDemo& options = {});
