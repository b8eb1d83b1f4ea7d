#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton button, QObject *parent)
    : QObject(parent)
    , m_button(button)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer->start();
}

bool ModalAnswerer::waitAnswered(int timeoutMs) const
{
    return QTest::qWaitFor([this] { return m_answered; }, timeoutMs);
}

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        m_title = box->windowTitle();
        m_text = box->text();
        m_icon = box->icon();
        if (QAbstractButton *target = box->button(m_button))
            target->click();
        else
            box->done(m_button);
    } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        m_title = dialog->windowTitle();
        if (m_button == QMessageBox::Ok || m_button == QMessageBox::Yes)
            dialog->accept();
        else
            dialog->reject();
    } else {
        return;
    }
    m_answered = true;
    m_timer->stop();
}
