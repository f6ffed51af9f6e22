#include "TreeImages.h"

#include <QPainter>

namespace {

constexpr int Side = 16;

QPixmap Blank()
{
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A small table: a header strip over ruled rows.
QPixmap Table(const QColor& header, const QColor& body)
{
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(body);
    p.drawRect(1, 2, 13, 11);
    p.fillRect(2, 3, 12, 3, header);
    p.setPen(QColor(150, 150, 150));
    for (int y = 8; y <= 11; y += 3)
        p.drawLine(2, y, 13, y);
    p.drawLine(6, 6, 6, 12);
    return pixmap;
}

QPixmap Marker()
{
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 120, 200));
    p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
    return pixmap;
}

QPixmap Folder()
{
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setPen(QColor(140, 100, 20));
    p.setBrush(QColor(250, 210, 90));
    p.drawRect(1, 4, 13, 9);
    p.drawRect(1, 2, 5, 2);
    return pixmap;
}

} // namespace

QIcon TTreeImages::Icon(int normal, int selected) const
{
    QIcon icon(Images[static_cast<size_t>(normal)]);
    icon.addPixmap(Images[static_cast<size_t>(selected)], QIcon::Selected);
    return icon;
}

TTreeImages MakeTreeImages()
{
    TTreeImages images;
    images.Images[0] = Table(QColor(90, 140, 220), Qt::white);
    images.Images[1] = Table(QColor(170, 170, 170), QColor(235, 235, 235));
    images.Images[2] = Table(QColor(230, 120, 40), QColor(255, 250, 220));
    images.Images[3] = Marker();
    images.Images[4] = Folder();
    return images;
}
