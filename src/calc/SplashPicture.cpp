#include "calc/SplashPicture.h"

#include "props/SaturationLine.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The diagram's scales: s in kJ/(kg·K) across, t in °C up, mapped onto a
// frame of the picture.
constexpr double SMin = 0.0, SMax = 9.5;
constexpr double TMin = 0.0, TMax = 400.0;

struct TPlot {
    QRectF Frame;

    QPointF At(double s, double t) const
    {
        return {Frame.left() + (s - SMin) / (SMax - SMin) * Frame.width(),
                Frame.bottom() - (t - TMin) / (TMax - TMin) * Frame.height()};
    }
};

// The saturation dome from the library's own saturation line: up the
// saturated-water branch, down the dry-steam branch.
QPainterPath Dome(const TPlot& plot)
{
    QPainterPath dome;
    dome.moveTo(plot.At(SaturatedWaterEntropy(1.0f), 1.0));
    for (int t = 4; t <= 374; t += 3)
        dome.lineTo(plot.At(SaturatedWaterEntropy(static_cast<float>(t)), t));
    for (int t = 374; t >= 1; t -= 3)
        dome.lineTo(plot.At(SaturatedSteamEntropy(static_cast<float>(t)), t));
    dome.closeSubpath();
    return dome;
}

void DrawBackground(QPainter& p, int width, int height)
{
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(18, 52, 96));
    sky.setColorAt(1.0, QColor(6, 22, 44));
    p.fillRect(QRect(0, 0, width, height), sky);
}

void DrawDiagram(QPainter& p, const TPlot& plot, bool axisNames)
{
    const auto At = [&plot](double s, double t) { return plot.At(s, t); };
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(At(SMin, TMin), At(SMax, TMin));
    p.drawLine(At(SMin, TMin), At(SMin, TMax));

    const QPainterPath dome = Dome(plot);
    QLinearGradient fill(At(0, 0), At(0, 374));
    fill.setColorAt(0.0, QColor(64, 160, 255, 90));
    fill.setColorAt(1.0, QColor(255, 110, 60, 110));
    p.fillPath(dome, fill);
    p.setPen(QPen(QColor(170, 215, 255), 2));
    p.drawPath(dome);

    // An isobar of 10 bar: liquid up to t_s, across the dome, then superheat.
    const float ts = SaturationTemperature(10.0f);
    QPainterPath isobar;
    isobar.moveTo(At(0.3, 20));
    isobar.quadTo(At(1.4, ts * 0.6), At(SaturatedWaterEntropy(ts), ts));
    isobar.lineTo(At(SaturatedSteamEntropy(ts), ts));
    isobar.quadTo(At(7.6, ts + 90), At(8.3, 390));
    p.setPen(QPen(QColor(255, 196, 80), 2));
    p.drawPath(isobar);

    if (!axisNames)
        return;
    QFont axis(QStringLiteral("DejaVu Sans"));
    axis.setPixelSize(9);
    p.setFont(axis);
    p.setPen(QColor(200, 220, 240));
    p.drawText(At(SMax, TMin) + QPointF(-8, 12), QStringLiteral("s"));
    p.drawText(At(SMin, TMax) + QPointF(-12, 8), QStringLiteral("t"));
}

void DrawTitle(QPainter& p)
{
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 10, SplashWidth, 40), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Calorix"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(11);
    p.setFont(sub);
    p.setPen(QColor(190, 215, 240));
    p.drawText(QRect(0, 50, SplashWidth, 18), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Теплофизические свойства теплоносителей"));
    p.drawText(QRect(0, 186, SplashWidth, 16), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("вода и пар · воздух · дымовые газы"));
}

} // namespace

QImage RenderSplashImage()
{
    QImage image(SplashWidth, SplashHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawBackground(p, SplashWidth, SplashHeight);
    DrawDiagram(p, TPlot{QRectF(28, 76, 248, 104)}, true);
    DrawTitle(p);
    p.end();
    return image;
}

QByteArray RenderSplashJpeg()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    RenderSplashImage().save(&buffer, "JPEG", 90);
    return bytes;
}

QImage RenderAboutImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBackground(p, width, height);
    DrawDiagram(p, TPlot{QRectF(width * 0.08, height * 0.1, width * 0.84, height * 0.8)}, false);
    p.end();
    return image;
}
