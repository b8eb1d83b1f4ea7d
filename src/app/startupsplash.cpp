#include "startupsplash.h"

#include <QEasingCurve>
#include <QLabel>
#include <QPixmap>
#include <QPropertyAnimation>
#include <QSplashScreen>

QRect splashPictureStartGeometry(const QSize &screenSize)
{
    const int width = int(screenSize.width() * 0.1);
    const int height = int(screenSize.height() * 0.1);
    return QRect((screenSize.width() - width) / 2, (screenSize.height() - height) / 2, width, height);
}

StartupSplash showStartupSplash(const QRect &screenGeometry)
{
    StartupSplash splash;
    splash.screen = new QSplashScreen(QPixmap());
    splash.screen->setFixedSize(screenGeometry.size());
    splash.screen->move(screenGeometry.topLeft());
    splash.screen->setAttribute(Qt::WA_TranslucentBackground);
    splash.screen->setAttribute(Qt::WA_DeleteOnClose);
    splash.screen->setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);

    splash.picture = new QLabel(splash.screen);
    splash.picture->setPixmap(QPixmap(QStringLiteral(":/images/images/kovra_combined.png")));
    splash.picture->setScaledContents(true);
    splash.picture->setGeometry(splashPictureStartGeometry(screenGeometry.size()));

    splash.screen->show();

    splash.animation = new QPropertyAnimation(splash.picture, "geometry");
    splash.animation->setDuration(StartupSplash::kDurationMs);
    splash.animation->setStartValue(splash.picture->geometry());
    splash.animation->setEndValue(QRect(QPoint(0, 0), screenGeometry.size()));
    splash.animation->setEasingCurve(QEasingCurve::OutExpo);
    splash.animation->start(QAbstractAnimation::DeleteWhenStopped);
    return splash;
}
