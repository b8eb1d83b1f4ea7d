#include "messedge_devozor.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

Messedge_devozor::Messedge_devozor(const QString &text, int milliseconds, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Messedge_devozor"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(text, this);
    label->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold; padding: 16px;"));
    layout->addWidget(label);
    setStyleSheet(QStringLiteral("background-color: #fff6c2; border: 1px solid #b08d00;"));
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &QWidget::close);
    timer->start(milliseconds);
}
