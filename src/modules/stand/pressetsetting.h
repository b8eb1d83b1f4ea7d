#pragma once

#include "standpreset.h"

#include <QModelIndex>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The measuring stand's preset editor: set values typed row by row or generated from a range, the
// allowed deviation, saved as a preset JSON file.
class PressetSetting : public QWidget
{
    Q_OBJECT

public:
    using FileNameProvider = std::function<QString(const QString &caption, const QString &filter)>;

    explicit PressetSetting(QWidget *parent = nullptr);

    // One column, no rows; the stand calls it before showing the editor.
    void reset();

    // Replaces the save dialog (tests, scripted use). An empty answer means cancel.
    void setFileNameProvider(FileNameProvider provider) { m_fileNames = std::move(provider); }

    QTableWidget *table() const { return m_table; }

public slots:
    void on_AddPrecisioPointButton_clicked();
    void on_tableWidget_entered(QModelIndex index);
    void on_tableWidget_cellChanged(int row, int column);
    PresetData_t collectPresetData() const;
    void on_SaveButton_clicked();
    bool savePresetsToFile(const QString &fileName);
    void on_AutoGenerate_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void setHeader();

    QTableWidget *m_table = nullptr;
    QLineEdit *m_count = nullptr;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    QLineEdit *m_step = nullptr;
    QLineEdit *m_deviation = nullptr;
    QLabel *m_countLabel = nullptr;
    QLabel *m_fromLabel = nullptr;
    QLabel *m_toLabel = nullptr;
    QLabel *m_stepLabel = nullptr;
    QLabel *m_deviationLabel = nullptr;
    QPushButton *m_setPoints = nullptr;
    QPushButton *m_generate = nullptr;
    QPushButton *m_save = nullptr;
    FileNameProvider m_fileNames;
};
