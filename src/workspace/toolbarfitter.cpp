#include "toolbarfitter.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

ToolbarFitter::ToolbarFitter(const QList<QPushButton *> &buttons, QLabel *logoLabel, QObject *parent)
    : QObject(parent)
    , m_buttons(buttons)
    , m_logoLabel(logoLabel)
    , m_logo(QStringLiteral(":/images/images/LOGO.png"))
{
    for (QPushButton *button : buttons)
        button->installEventFilter(this);
    m_logoLabel->setContentsMargins(0, 8, 0, 4);
    m_logoLabel->installEventFilter(this);
    fitFont();
}

int ToolbarFitter::fitFontPx(const QList<QPushButton *> &buttons)
{
    int smallest = 1000;
    for (const QPushButton *button : buttons) {
        int size = std::max(std::min(int(std::lround(button->height() * 0.7)), 200), 8);
        QFont font = button->font();
        while (size > 8) {
            font.setPixelSize(size);
            if (QFontMetrics(font).horizontalAdvance(button->text()) <= button->width() - 16)
                break;
            --size;
        }
        smallest = std::min(smallest, size);
    }
    return smallest < 9 ? 8 : smallest;
}

void ToolbarFitter::refit()
{
    m_fontPx = -1;
    fitFont();
}

void ToolbarFitter::fitFont()
{
    // Setting the font resizes nothing, but a style may answer with resize events: no recursion.
    if (m_fitting)
        return;
    m_fitting = true;
    const int px = fitFontPx(m_buttons);
    if (px != m_fontPx) {
        m_fontPx = px;
        for (QPushButton *button : std::as_const(m_buttons)) {
            // The highlighted button's style sheet makes its font bold; that must not stick to it.
            QFont font = button->font();
            font.setPixelSize(px);
            font.setBold(false);
            button->setFont(font);
        }
    }
    m_fitting = false;
}

void ToolbarFitter::scaleLogo()
{
    if (m_logo.isNull())
        return;
    const int width = std::min(std::max(m_logoLabel->width(), 1), m_logo.width());
    if (width == m_logoWidth)
        return;
    m_logoWidth = width;
    const qreal ratio = m_logoLabel->devicePixelRatioF();
    QPixmap scaled = m_logo.scaledToWidth(int(std::lround(width * ratio)), Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    m_logoLabel->setPixmap(scaled);
    m_logoLabel->setFixedHeight(int(std::lround(scaled.height() / ratio)) + 12);
}

bool ToolbarFitter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_logoLabel)
            scaleLogo();
        else
            fitFont();
    }
    return QObject::eventFilter(watched, event);
}
