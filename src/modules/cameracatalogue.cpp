#include "cameracatalogue.h"

#include <QCameraDevice>
#include <QMediaDevices>

CameraCatalogue *CameraCatalogue::instance()
{
    static CameraCatalogue *catalogue = new CameraCatalogue;
    return catalogue;
}

CameraCatalogue::CameraCatalogue(QObject *parent)
    : QObject(parent)
{
    auto *devices = new QMediaDevices(this);
    connect(devices, &QMediaDevices::videoInputsChanged, this, [this] {
        if (!m_override)
            emit camerasChanged();
    });
}

QList<CameraEntry> CameraCatalogue::cameras() const
{
    if (m_override)
        return *m_override;
    QList<CameraEntry> entries;
    const QCameraDevice preferred = QMediaDevices::defaultVideoInput();
    for (const QCameraDevice &device : QMediaDevices::videoInputs())
        entries.append({device.id(), device.description(), device.id() == preferred.id()});
    return entries;
}

QCameraDevice CameraCatalogue::device(const QByteArray &id)
{
    if (!id.isEmpty()) {
        for (const QCameraDevice &input : QMediaDevices::videoInputs()) {
            if (input.id() == id)
                return input;
        }
    }
    return QCameraDevice();
}

void CameraCatalogue::setCamerasOverride(const std::optional<QList<CameraEntry>> &cameras)
{
    m_override = cameras;
    emit camerasChanged();
}
