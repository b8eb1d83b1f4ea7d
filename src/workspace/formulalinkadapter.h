#pragma once

#include "devices/formula.h"
#include "linkadapter.h"

#include <QList>

class ReadingDispatcher;

// Formula instruments: their "link" is the other instruments. Each formula's expression is parsed whenever
// the device list changes; a new value of an instrument recomputes the formulas that read it. A formula is
// on line while every instrument it reads is on line with a value, and has a value while its result is a
// finite number.
class FormulaLinkAdapter : public LinkAdapter
{
    Q_OBJECT

public:
    explicit FormulaLinkAdapter(ReadingDispatcher *dispatcher);

    bool serves(int kind) const override;
    void devicesChanged() override;
    // A formula has nothing to zero: its inputs are zeroed on their own cards.
    bool zero(const DeviceRecord &record) override;

    // Brings every formula up to date with its inputs: whether it is on line, and its value. Instruments go
    // off line without telling anyone, so the window calls this on its refresh and before every recording.
    void refresh();
    // The parsed expression of the formula at `index` (an invalid one for anything else).
    FormulaExpression expressionOf(int index) const;

private:
    void inputChanged(int index);
    void update(int index);

    ReadingDispatcher *m_dispatcher;
    // By device index; rebuilt with every change of the list.
    QList<FormulaExpression> m_expressions;
};
