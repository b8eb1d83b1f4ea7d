#pragma once

#include <QObject>
#include <QString>

class QTranslator;

// The language a window lays over the program's base (Ukrainian) translation: one translator at a time,
// replaced on every switch and taken away with its window.
class UiTranslator : public QObject
{
    Q_OBJECT

public:
    explicit UiTranslator(QObject *parent = nullptr);
    ~UiTranslator() override;

    // Installs :/i18n/KOVRAN_<code>.qm in place of the previous language; false (and the base texts) when
    // there is no such translation.
    bool setLanguage(const QString &code);

private:
    QTranslator *m_translator = nullptr;
};
