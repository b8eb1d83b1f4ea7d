#pragma once

#include <QWidget>

class QCheckBox;

// Offers the four modules, each with its picture, and whether to open the chosen one at every start.
class ModuleChooser : public QWidget
{
    Q_OBJECT

public:
    explicit ModuleChooser(QWidget *parent = nullptr);

    bool rememberChoice() const;

signals:
    void moduleChosen(int module, bool remember);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QCheckBox *m_remember = nullptr;
};
