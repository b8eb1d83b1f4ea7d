#pragma once

#include <QRect>

class QLabel;
class QPropertyAnimation;
class QSplashScreen;

// The full-screen splash: a translucent, frameless window whose picture grows from a small centred
// rectangle to the whole screen.
struct StartupSplash
{
    static constexpr int kDurationMs = 3000;

    QSplashScreen *screen = nullptr;
    QLabel *picture = nullptr;
    QPropertyAnimation *animation = nullptr; // deletes itself when it stops
};

// A tenth of the screen in each direction, centred.
QRect splashPictureStartGeometry(const QSize &screenSize);

// Builds, shows and starts animating the splash over the given screen rectangle.
StartupSplash showStartupSplash(const QRect &screenGeometry);
