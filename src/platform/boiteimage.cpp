#include "platform/boiteimage.h"

#include "platform/fichiers.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

BoiteImage::BoiteImage(QWidget* parent) : QWidget(parent)
{
    // A picture has no font of its own: the rescaling leaves it alone.
    setProperty("sansPolice", true);
}

QImage BoiteImage::lireImage(const QString& chemin)
{
    // Read through the program's own reader: a FIFO or a device in Images/
    // must not hold the window.
    LectureFichier fichier = lireFichierRegulier(chemin, OctetsMaximaux);
    if (!fichier.lu)
        return {};
    QBuffer tampon(&fichier.octets);
    tampon.open(QIODevice::ReadOnly);
    QImageReader lecteur(&tampon);
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

void BoiteImage::sauverBmp(const QString& chemin) const
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (image_.isNull() || !image_.save(&tampon, "BMP"))
        throw Echec(u"l'image n'a pas pu être codée"_s);
    ecrireFichierDurable(chemin, octets);
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
