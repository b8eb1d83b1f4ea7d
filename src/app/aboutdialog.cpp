#include "aboutdialog.h"

#include "logfile.h"
#include "settingsfolder.h"
#include "version.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel *selectableLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Про програму"));

    auto *title = new QLabel(QStringLiteral("KOVRAN"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto *mark = new QLabel;
    mark->setPixmap(QIcon(QStringLiteral(":/images/images/kovran_mark.ico")).pixmap(64, 64));

    auto *header = new QHBoxLayout;
    header->addWidget(mark);
    header->addWidget(title, 1);

    auto *details = new QFormLayout;
    details->addRow(tr("Версія:"), selectableLabel(kovranVersion()));
    details->addRow(tr("Папка налаштувань:"), selectableLabel(QDir::toNativeSeparators(settingsFolder())));
    details->addRow(tr("Журнал роботи:"), selectableLabel(QDir::toNativeSeparators(logFilePath())));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *openFolder =
        buttons->addButton(tr("Відкрити папку налаштувань"), QDialogButtonBox::ActionRole);
    openFolder->setObjectName(QStringLiteral("openSettingsFolderButton"));
    connect(openFolder, &QPushButton::clicked, this, &AboutDialog::openSettingsFolder);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(new QLabel(tr("Програма вимірювального стенда контролю якості.")));
    layout->addLayout(details);
    layout->addWidget(buttons);
}

void AboutDialog::openSettingsFolder()
{
    const QString folder = settingsFolder();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        qWarning().noquote() << "[довідка] не вдалося відкрити папку налаштувань" << folder;
}
