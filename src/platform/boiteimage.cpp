#include "platform/boiteimage.h"

#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

BoiteImage::BoiteImage(QWidget* parent) : QWidget(parent)
{
    // A picture has no font of its own: the rescaling leaves it alone.
    setProperty("sansPolice", true);
}

QImage BoiteImage::lireImage(const QString& chemin)
{
    QImageReader lecteur(chemin);
    lecteur.setDecideFormatFromContent(true);
    lecteur.setAutoTransform(true);
    const QSize taille = lecteur.size();
    // Qt's own allocation limit is a process-wide setting (and an environment
    // variable); the cap must not depend on it.
    if (taille.isValid() && !lecteur.supportsOption(QImageIOHandler::ScaledSize) &&
        qint64{taille.width()} * taille.height() > PixelsMaximaux)
        return {};
    if (taille.isValid() && (taille.width() > CoteMaximal || taille.height() > CoteMaximal))
        lecteur.setScaledSize(taille.scaled(CoteMaximal, CoteMaximal, Qt::KeepAspectRatio));
    else if (!taille.isValid())
        return {};
    return lecteur.read();
}

bool BoiteImage::charger(const QString& chemin)
{
    image_ = lireImage(chemin);
    update();
    return !image_.isNull();
}

void BoiteImage::setImage(const QImage& image)
{
    image_ = image;
    update();
}

void BoiteImage::vider()
{
    image_ = QImage();
    update();
}

bool BoiteImage::sauverBmp(const QString& chemin) const
{
    if (image_.isNull())
        return false;
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (!image_.save(&f, "BMP")) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

void BoiteImage::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Its proportions kept, centred in the box.
    QRect cible(QPoint(), image_.size().scaled(size(), Qt::KeepAspectRatio));
    cible.moveCenter(rect().center());
    p.drawImage(cible, image_);
}
