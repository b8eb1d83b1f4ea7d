#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class QCameraDevice;

// The video inputs present, for the modules' camera panels and menus: QMediaDevices' list, or a list given
// in its place (tests, where no camera exists). Follows QMediaDevices' changes and says so.
struct CameraEntry
{
    QByteArray id;
    QString description;
    bool isDefault = false;
};

class CameraCatalogue : public QObject
{
    Q_OBJECT

public:
    static CameraCatalogue *instance();

    QList<CameraEntry> cameras() const;
    // The system's camera with this id, or a null device (none such, or a list given in its place).
    static QCameraDevice device(const QByteArray &id);
    // Replaces the system's list until reset with std::nullopt; emits camerasChanged either way.
    void setCamerasOverride(const std::optional<QList<CameraEntry>> &cameras);

signals:
    void camerasChanged();

private:
    explicit CameraCatalogue(QObject *parent = nullptr);

    std::optional<QList<CameraEntry>> m_override;
};
