// The picture of XLSheet0, shown before a calculation is chosen: the
// program's name over a temperature–entropy diagram of water with its
// saturation dome and an isobar, drawn with Qt and stored as a JPEG of
// 300 × 220 pixels. Drawing text needs a QGuiApplication.
#pragma once

#include <QByteArray>
#include <QImage>

constexpr int SplashWidth = 300;
constexpr int SplashHeight = 220;

QImage RenderSplashImage();
// The same picture as JPEG bytes.
QByteArray RenderSplashJpeg();
// The diagram alone, for the About window.
QImage RenderAboutImage(int width, int height);
