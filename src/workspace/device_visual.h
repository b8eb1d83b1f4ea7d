#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;
struct DeviceRecord;

// One instrument's card in the workspace column: sync box, connection dot, name/owner/status area,
// live value, statistics and zero buttons. Cards can be dragged onto each other to change their order.
class Device_visual : public QWidget
{
    Q_OBJECT

public:
    enum DisplayMode { Normal = 0, Min = 1, Max = 2, Go = 3, NoGo = 4 };
    Q_ENUM(DisplayMode)

    // The value a card holds before its instrument has reported anything.
    static constexpr double kNoValue = 1e8;

    // Drag payload: the source card's address, meaningful only inside this process.
    static QString mimeType();

    Device_visual(const QString &name, int kind, QWidget *parent = nullptr);
    ~Device_visual() override;

    // One font scale for every card; existing cards restyle at once.
    static void setScale(double scale);
    static double scale();
    static int scaledFontPx(int base);

    static DisplayMode displayModeFor(double value, int measuringType, double limitMin, double limitMax);
    static QString statusTextFor(const DeviceRecord &record);

    int kind() const;

    void setName(const QString &text);
    QString name() const;
    void setStatusText(const QString &text);
    QString statusText() const;
    void setOwner(const QString &text);
    QString owner() const;
    // The letter formulas name the instrument by; empty hides it.
    void setLetter(const QString &letter);
    QString letter() const;
    void setPrecision(int digits);
    int precision() const;
    void setSyncChecked(bool checked);
    bool isSyncChecked() const;
    void setZeroEnabled(bool enabled);
    bool isZeroEnabled() const;
    // Marks the card whose records the mono page shows.
    void setSelected(bool selected);
    bool isSelected() const;
    void setConnected(bool connected);
    bool isConnectedShown() const;
    void setValue(double value);
    double value() const;
    QString valueText() const;
    void setTolerance(double value, int measuringType, double limitMin, double limitMax);
    DisplayMode displayMode() const;

    // The context menu's entries (separators left out); the menu itself is built once for the kind.
    QList<QAction *> contextMenuActions();
    void retranslate();

    // The payload a drag of this card carries; the caller owns it.
    QMimeData *createDragMimeData() const;

signals:
    void zeroClicked();
    void statisticsRequested();
    void dataClicked();
    void cardClicked();
    void syncToggled(bool checked);
    void connectionStatusChanged(bool connected);
    void editRequested(Device_visual *device);
    void deleteRequested(Device_visual *device);
    void memoryDumpRequested(Device_visual *device);
    void reorderRequested(Device_visual *source, Device_visual *target);

protected:
    // Runs the drag once the pointer has travelled far enough; blocks until the drop.
    virtual void startDrag();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenu();
    const char *infoStyle() const;
    void applyStyles();
    void applyValueStyle();
    void applyDotStyle();
    void renderValue();
    QString placeholderStatus() const;
    // The live sibling card a drag payload names, or null for anything else.
    Device_visual *acceptableSource(const QMimeData *mime) const;
    bool handleInfoMouse(QEvent *event);

    const int m_kind;
    bool m_connectedShown = false;
    bool m_selected = false;
    double m_value = kNoValue;
    DisplayMode m_displayMode = Normal;
    int m_precision = 2;
    QPoint m_dragStartPos;
    bool m_pressed = false;
    bool m_statusIsPlaceholder = true;

    QCheckBox *m_syncCheck = nullptr;
    QLabel *m_statusDot = nullptr;
    QPushButton *m_infoButton = nullptr;
    QLabel *m_letterLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_ownerLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QPushButton *m_valueButton = nullptr;
    QPushButton *m_statisticsButton = nullptr;
    QPushButton *m_zeroButton = nullptr;

    QMenu *m_menu = nullptr;
    QAction *m_editAction = nullptr;
    QAction *m_memoryDumpAction = nullptr;
    QAction *m_deleteAction = nullptr;
};
