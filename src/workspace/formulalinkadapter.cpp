#include "formulalinkadapter.h"

#include "devices/deviceregistry.h"
#include "readingdispatcher.h"

FormulaLinkAdapter::FormulaLinkAdapter(ReadingDispatcher *dispatcher)
    : LinkAdapter(dispatcher)
    , m_dispatcher(dispatcher)
{
    connect(dispatcher, &ReadingDispatcher::valueChanged, this, &FormulaLinkAdapter::inputChanged);
}

bool FormulaLinkAdapter::serves(int kind) const
{
    return kind == ConnectionKind::Formula;
}

void FormulaLinkAdapter::devicesChanged()
{
    QList<DeviceRecord> &devices = m_dispatcher->registry().devices();
    const int instruments = m_dispatcher->registry().instrumentCount();
    m_expressions.clear();
    for (DeviceRecord &record : devices) {
        if (record.type != ConnectionKind::Formula) {
            m_expressions.append(FormulaExpression());
            continue;
        }
        m_expressions.append(FormulaExpression(record.expression, instruments));
        record.formulaProblem = m_expressions.last().error();
    }
    refresh();
    // The card's status line shows the expression, whose letters may have changed with the list.
    for (int i = 0; i < devices.size(); ++i) {
        if (devices.at(i).type == ConnectionKind::Formula)
            emit m_dispatcher->statusChanged(i);
    }
}

bool FormulaLinkAdapter::zero(const DeviceRecord &record)
{
    Q_UNUSED(record)
    return false;
}

void FormulaLinkAdapter::refresh()
{
    for (int i = 0; i < m_expressions.size(); ++i)
        update(i);
}

FormulaExpression FormulaLinkAdapter::expressionOf(int index) const
{
    return m_expressions.value(index);
}

void FormulaLinkAdapter::inputChanged(int index)
{
    for (int i = 0; i < m_expressions.size(); ++i) {
        if (m_expressions.at(i).inputs().contains(index))
            update(i);
    }
}

void FormulaLinkAdapter::update(int index)
{
    QList<DeviceRecord> &devices = m_dispatcher->registry().devices();
    const FormulaExpression &expression = m_expressions.at(index);
    if (index >= devices.size() || devices.at(index).type != ConnectionKind::Formula)
        return;
    DeviceRecord &record = devices[index];
    QList<double> values;
    bool ready = expression.isValid();
    for (const int input : expression.inputs()) {
        const DeviceRecord *source = input < devices.size() ? &devices.at(input) : nullptr;
        if (!source || !source->connected || !hasReading(*source)) {
            ready = false;
            break;
        }
        // Taken in the formula's unit where the instrument measures the same quantity (a length in inches
        // for a formula in millimetres), as shown otherwise.
        values.append(convertUnit(source->value, source->unit, record.unit));
    }
    record.connected = ready;
    if (!ready)
        return; // the last value stays on the card, as an instrument's does when it goes off line
    const std::optional<double> result = expression.evaluate(values);
    record.formulaHasValue = result.has_value();
    // Evaluating the same inputs again changes no peak: refreshes may come as often as they like.
    if (result)
        applyHeldValue(record, *result);
}
