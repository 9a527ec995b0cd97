#pragma once
// A picture fitted to its box, its proportions kept. Pictures are recognised by their content
// (a bitmap saved under ".JPG" loads), and decoding is capped so that a
// hostile file cannot exhaust memory.

#include <QImage>
#include <QString>
#include <QWidget>

class BoiteImage : public QWidget {
    Q_OBJECT
public:
    explicit BoiteImage(QWidget* parent = nullptr);

    // Largest picture decoded, in pixels; bigger ones are scaled down on load.
    static constexpr int CoteMaximal = 4096;
    // Formats that cannot scale while decoding (BMP) are decoded whole first;
    // beyond this many pixels (128 MB at 32 bits) they are refused.
    static constexpr qint64 PixelsMaximaux = qint64{32} << 20;
    // Largest file read: such a bitmap at 32 bits, with its header.
    static constexpr qint64 OctetsMaximaux = PixelsMaximaux * 4 + (1 << 20);

    // False (and the box emptied) when the file cannot be read as a picture.
    bool charger(const QString& chemin);
    void setImage(const QImage& image);
    void vider();
    QImage image() const { return image_; }
    bool estVide() const { return image_.isNull(); }
    // Writes the picture as a Windows bitmap, durably and atomically, a link
    // at `chemin` replaced and never written through; throws the reason.
    void sauverBmp(const QString& chemin) const;

    static QImage lireImage(const QString& chemin);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};
