#pragma once
// Read access to a compiled help document (.chm) through chmlib: its pages
// and pictures by their path inside the document ("/index.html").

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

struct chmFile;

class DocumentChm {
public:
    ~DocumentChm();
    DocumentChm(const DocumentChm&) = delete;
    DocumentChm& operator=(const DocumentChm&) = delete;

    // Throws the reason when it is no regular file; nothing when it is not a
    // compiled help document.
    static std::unique_ptr<DocumentChm> ouvrir(const QString& chemin);

    // The object at `chemin` (absolute inside the document, letter case
    // ignored), or nothing. Objects above TailleMaximale are refused.
    std::optional<QByteArray> lire(const QString& chemin) const;

    // The page the document opens on: its declared default topic, else
    // "/index.html", else its first page.
    QString pageAccueil() const;

    static constexpr qint64 TailleMaximale = 32 << 20;

private:
    explicit DocumentChm(chmFile* f) : fichier_(f) {}
    chmFile* fichier_;
};
