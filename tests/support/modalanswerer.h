#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>

class QTimer;

// Answers the next modal dialog that opens while the object lives: a QMessageBox gets `button` clicked,
// any other QDialog is accepted (Ok, Yes) or rejected (anything else). Create it just before the action
// that opens the dialog; it records what the box said.
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit ModalAnswerer(QMessageBox::StandardButton button, QObject *parent = nullptr);

    bool answered() const { return m_answered; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }
    QMessageBox::Icon icon() const { return m_icon; }

    // Waits (running the event loop) until a dialog was answered.
    bool waitAnswered(int timeoutMs = 5000) const;

private:
    void poll();

    QMessageBox::StandardButton m_button;
    QTimer *m_timer = nullptr;
    bool m_answered = false;
    QString m_title;
    QString m_text;
    QMessageBox::Icon m_icon = QMessageBox::NoIcon;
};
