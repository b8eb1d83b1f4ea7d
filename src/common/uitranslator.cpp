#include "uitranslator.h"

#include <QCoreApplication>
#include <QTranslator>

UiTranslator::UiTranslator(QObject *parent)
    : QObject(parent)
{}

UiTranslator::~UiTranslator()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator);
}

bool UiTranslator::setLanguage(const QString &code)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
    auto *translator = new QTranslator(this);
    if (!translator->load(QStringLiteral(":/i18n/KOVRAN_") + code + QStringLiteral(".qm"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    m_translator = translator;
    return true;
}
