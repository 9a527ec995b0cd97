#pragma once
// The lines of a multi-line text as the line lists hold them: cut at each
// CR LF (a lone LF counts too), an empty line gives an empty item, and the
// text after the last break is the last item only when not empty.

#include <QString>
#include <QStringList>

QStringList couperLignes(const QString& texte);
