#pragma once

#include <QWidget>

// A short message on top of everything that closes (and deletes) itself after the given time.
class Messedge_devozor : public QWidget
{
    Q_OBJECT

public:
    Messedge_devozor(const QString &text, int milliseconds, QWidget *parent = nullptr);
};
