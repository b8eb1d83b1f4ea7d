#include "device_visual.h"

#include "devices/devicerecord.h"
#include "links/ble/bleprotocol.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDataStream>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCardHeight = 65;
constexpr int kSideButtonWidth = 36;
constexpr int kDotSize = 8;

constexpr int kNameFontPx = 18;
constexpr int kOwnerFontPx = 12;
constexpr int kLetterFontPx = 13;
constexpr int kStatusFontPx = 11;
constexpr int kValueFontPx = 30;
constexpr int kStatisticsFontPx = 18;
constexpr int kZeroFontPx = 16;

const char *const kOnlineColour = "#006400";
const char *const kOfflineColour = "#cc0000";

const char *const kSyncStyle = "QCheckBox::indicator {"
                               "   width: 18px; height: 18px;"
                               "   border: 1px solid #555555;"
                               "   border-radius: 4px;"
                               "   background-color: #ffffff;"
                               "}"
                               "QCheckBox::indicator:hover { border-color: #000000; }"
                               "QCheckBox::indicator:checked {"
                               "   background-color: #2b2b2b;"
                               "   border-color: #111111;"
                               "   image: url(:/images/images/check.png);"
                               "}";

const char *const kDotStyle = "background-color: %1; border-radius: 4px;";

const char *const kInfoStyle = "QPushButton {"
                               "   background-color: #cccccc;"
                               "   border: none;"
                               "   border-radius: 6px;"
                               "}"
                               "QPushButton:hover { background-color: #bbbbbb; }"
                               "QPushButton:pressed { background-color: #aaaaaa; }";

// A formula's card is tinted, so it never passes for a physical instrument.
const char *const kFormulaInfoStyle = "QPushButton {"
                                      "   background-color: #d9e2f3;"
                                      "   border: 2px solid #4a6fa5;"
                                      "   border-radius: 6px;"
                                      "}"
                                      "QPushButton:hover { background-color: #c9d5ec; }"
                                      "QPushButton:pressed { background-color: #b9c8e4; }";

// The card the mono page shows: framed in the highlight yellow of the active mode button.
const char *const kInfoSelectedStyle = "QPushButton {"
                                       "   background-color: #fff6b0;"
                                       "   border: 2px solid #e6cf00;"
                                       "   border-radius: 6px;"
                                       "}"
                                       "QPushButton:hover { background-color: #fff09a; }"
                                       "QPushButton:pressed { background-color: #f5e680; }";

const char *const kNameStyle = "QLabel {"
                               "   color: #111111;"
                               "   font-size: %1px;"
                               "   font-weight: bold;"
                               "   background: transparent;"
                               "}";

const char *const kOwnerStyle = "QLabel {"
                                "   color: #333333;"
                                "   font-size: %1px;"
                                "   font-weight: bold;"
                                "   background: transparent;"
                                "}";

const char *const kLetterStyle = "QLabel {"
                                 "   color: #ffffff;"
                                 "   background-color: #4a6fa5;"
                                 "   border-radius: 3px;"
                                 "   padding: 0px 4px;"
                                 "   font-size: %1px;"
                                 "   font-weight: bold;"
                                 "}";

const char *const kStatusStyle = "QLabel {"
                                 "   color: #555555;"
                                 "   font-size: %1px;"
                                 "   background: transparent;"
                                 "}";

const char *const kSideButtonStyle = "QPushButton {"
                                     "   background-color: #cccccc;"
                                     "   border: none;"
                                     "   border-radius: 6px;"
                                     "   color: #111111;"
                                     "   font-size: %1px;"
                                     "   font-weight: bold;"
                                     "}"
                                     "QPushButton:hover { background-color: #bbbbbb; }"
                                     "QPushButton:pressed { background-color: #aaaaaa; }"
                                     "QPushButton:disabled { color: #9a9a9a; }";

const char *const kValueStyle = "QPushButton {"
                                "   background-color: %1;"
                                "   border: none;"
                                "   border-radius: 6px;"
                                "   color: %2;"
                                "   font-size: %3px;"
                                "   font-family: 'Consolas', 'Courier New', monospace;"
                                "}"
                                "QPushButton:hover { opacity: 0.9; }"
                                "QPushButton:pressed { opacity: 0.7; }";

const char *const kDropTargetStyle = "Device_visual { border: 2px dashed #007500; border-radius: 6px; }";

struct ModeColours
{
    const char *background;
    const char *text;
};

ModeColours coloursFor(Device_visual::DisplayMode mode)
{
    switch (mode) {
    case Device_visual::Min:
        return {"#87cefa", "#000000"};
    case Device_visual::Max:
        return {"#a8e6cf", "#111111"};
    case Device_visual::Go:
        return {"#006400", "#ffffff"};
    case Device_visual::NoGo:
        return {"#cc0000", "#ffffff"};
    case Device_visual::Normal:
        break;
    }
    return {"#cccccc", "#111111"};
}

double g_scale = 1.0;

// Every card alive in this process, keyed by its address. A drop names its source card by address; the
// address is looked up here before it is ever turned back into a pointer.
QHash<quintptr, Device_visual *> &liveCards()
{
    static QHash<quintptr, Device_visual *> cards;
    return cards;
}

quintptr addressOf(const Device_visual *card)
{
    return reinterpret_cast<quintptr>(card);
}

} // namespace

QString Device_visual::mimeType()
{
    return QStringLiteral("application/x-kovran-device-ptr");
}

Device_visual::Device_visual(const QString &name, int kind, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
{
    liveCards().insert(addressOf(this), this);

    setFixedHeight(kCardHeight);
    setAcceptDrops(true);

    m_syncCheck = new QCheckBox(this);
    m_syncCheck->setObjectName(QStringLiteral("syncCheckBox"));
    m_syncCheck->setCursor(Qt::PointingHandCursor);
    m_syncCheck->setStyleSheet(QString::fromLatin1(kSyncStyle));
    connect(m_syncCheck, &QCheckBox::toggled, this, &Device_visual::syncToggled);

    m_statusDot = new QLabel(this);
    m_statusDot->setObjectName(QStringLiteral("statusDot"));
    m_statusDot->setFixedSize(kDotSize, kDotSize);

    m_infoButton = new QPushButton(this);
    m_infoButton->setObjectName(QStringLiteral("infoButton"));
    m_infoButton->setCursor(Qt::PointingHandCursor);
    m_infoButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_infoButton->setStyleSheet(QString::fromLatin1(infoStyle()));
    m_infoButton->setContextMenuPolicy(Qt::CustomContextMenu);
    m_infoButton->installEventFilter(this);
    connect(m_infoButton, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_menu->popup(m_infoButton->mapToGlobal(pos)); });

    m_letterLabel = new QLabel(m_infoButton);
    m_letterLabel->setObjectName(QStringLiteral("letterLabel"));
    m_letterLabel->setVisible(false);
    m_nameLabel = new QLabel(name, m_infoButton);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_ownerLabel = new QLabel(m_infoButton);
    m_ownerLabel->setObjectName(QStringLiteral("ownerLabel"));
    m_ownerLabel->setVisible(false);
    m_statusLabel = new QLabel(m_infoButton);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    // The labels only decorate the button: presses, drags and the context menu belong to it.
    for (QLabel *label : {m_letterLabel, m_nameLabel, m_ownerLabel, m_statusLabel})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *topRow = new QHBoxLayout;
    topRow->setContentsMargins(0, 0, 0, 0);
    topRow->setSpacing(6);
    topRow->addWidget(m_letterLabel);
    topRow->addWidget(m_nameLabel);
    topRow->addStretch();
    topRow->addWidget(m_ownerLabel);
    auto *infoLayout = new QVBoxLayout(m_infoButton);
    infoLayout->setContentsMargins(8, 4, 8, 4);
    infoLayout->setSpacing(0);
    infoLayout->addLayout(topRow);
    infoLayout->addWidget(m_statusLabel);

    m_valueButton = new QPushButton(this);
    m_valueButton->setObjectName(QStringLiteral("valueButton"));
    m_valueButton->setCursor(Qt::PointingHandCursor);
    m_valueButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(m_valueButton, &QPushButton::clicked, this, &Device_visual::dataClicked);

    m_statisticsButton = new QPushButton(QStringLiteral("Σ"), this);
    m_statisticsButton->setObjectName(QStringLiteral("statisticsButton"));
    m_statisticsButton->setCursor(Qt::PointingHandCursor);
    m_statisticsButton->setFixedWidth(kSideButtonWidth);
    m_statisticsButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(m_statisticsButton, &QPushButton::clicked, this, &Device_visual::statisticsRequested);

    m_zeroButton = new QPushButton(QStringLiteral("0"), this);
    m_zeroButton->setObjectName(QStringLiteral("zeroButton"));
    m_zeroButton->setCursor(Qt::PointingHandCursor);
    m_zeroButton->setFixedWidth(kSideButtonWidth);
    m_zeroButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    // Keyboard instruments cannot be zeroed from here, formulas have nothing to zero.
    m_zeroButton->setEnabled(kind != ConnectionKind::HidKeyboard && kind != ConnectionKind::Formula);
    connect(m_zeroButton, &QPushButton::clicked, this, &Device_visual::zeroClicked);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(m_syncCheck);
    row->addWidget(m_statusDot);
    row->addWidget(m_infoButton, 2);
    row->addWidget(m_valueButton, 2);
    row->addWidget(m_statisticsButton);
    row->addWidget(m_zeroButton);

    buildMenu();

    m_connectedShown = true;
    applyDotStyle();
    applyStyles();
    renderValue();
    retranslate();
}

Device_visual::~Device_visual()
{
    liveCards().remove(addressOf(this));
}

void Device_visual::setScale(double scale)
{
    g_scale = scale;
    for (Device_visual *card : std::as_const(liveCards()))
        card->applyStyles();
}

double Device_visual::scale()
{
    return g_scale;
}

int Device_visual::scaledFontPx(int base)
{
    return std::max(int(std::lround(base * g_scale)), 1);
}

Device_visual::DisplayMode Device_visual::displayModeFor(double value, int measuringType, double limitMin,
                                                         double limitMax)
{
    switch (judgeTolerance(value, measuringType, limitMin, limitMax)) {
    case ToleranceVerdict::Go:
        return Go;
    case ToleranceVerdict::NoGo:
        return NoGo;
    case ToleranceVerdict::NotJudged:
        break;
    }
    switch (measuringType) {
    case MeasuringMode::MinPeek:
    case MeasuringMode::RangePeek:
    case MeasuringMode::ModulePeek:
        return Min;
    case MeasuringMode::MaxPeek:
        return Max;
    default:
        // Codes past the last mode light up as passing, as the card always did.
        return measuringType > MeasuringMode::RangeLimits ? Go : Normal;
    }
}

QString Device_visual::statusTextFor(const DeviceRecord &record)
{
    switch (record.type) {
    case ConnectionKind::Modbus:
        return tr("ADDR: %1 | %2").arg(QString::number(record.address), record.portName);
    case ConnectionKind::HidKeyboard: {
        static const QRegularExpression usbIds(QStringLiteral("VID_([0-9A-F]{4})&PID_([0-9A-F]{4})"));
        const QRegularExpressionMatch match = usbIds.match(record.hidPath);
        if (match.hasMatch())
            return tr("HID | VID_%1 PID_%2").arg(match.captured(1), match.captured(2));
        return tr("HID-клавіатура");
    }
    case ConnectionKind::Bluetooth:
    case ConnectionKind::NrfDongle:
    case ConnectionKind::Bled112Dongle: {
        QString via = QStringLiteral("BLE");
        if (record.type != ConnectionKind::Bluetooth)
            via = record.donglePort.isEmpty() ? tr("донгл ?") : record.donglePort;
        QString text = QStringLiteral("%1 | %2").arg(record.mac, via);
        if (record.bleProtocol != BleProtocol::Velkor)
            text += QStringLiteral(" | %1").arg(bleProtocolDisplayName(record.bleProtocol));
        if (record.batteryPercent >= 0)
            text += QStringLiteral(" | %1%").arg(record.batteryPercent);
        if (record.rssiDbm < 0)
            text += QStringLiteral(" | %1 dBm").arg(record.rssiDbm);
        return text;
    }
    case ConnectionKind::SylvacCable:
        return tr("Sylvac | %1 | %2")
            .arg(record.portName, record.serialUnit != UnitCode::Inch ? tr("мм") : tr("дюйми"));
    case ConnectionKind::Formula:
        if (!record.formulaProblem.isEmpty())
            return tr("ƒ = %1 | вимкнено").arg(record.expression);
        return QStringLiteral("ƒ = %1").arg(record.expression);
    default:
        return QString();
    }
}

int Device_visual::kind() const
{
    return m_kind;
}

void Device_visual::setName(const QString &text)
{
    m_nameLabel->setText(text);
}

QString Device_visual::name() const
{
    return m_nameLabel->text();
}

void Device_visual::setStatusText(const QString &text)
{
    m_statusIsPlaceholder = false;
    m_statusLabel->setText(text);
}

QString Device_visual::statusText() const
{
    return m_statusLabel->text();
}

void Device_visual::setOwner(const QString &text)
{
    m_ownerLabel->setText(text);
    m_ownerLabel->setVisible(!text.isEmpty());
}

QString Device_visual::owner() const
{
    return m_ownerLabel->text();
}

void Device_visual::setLetter(const QString &letter)
{
    m_letterLabel->setText(letter);
    m_letterLabel->setVisible(!letter.isEmpty());
}

QString Device_visual::letter() const
{
    return m_letterLabel->text();
}

void Device_visual::setPrecision(int digits)
{
    m_precision = digits;
    renderValue();
}

int Device_visual::precision() const
{
    return m_precision;
}

void Device_visual::setSyncChecked(bool checked)
{
    m_syncCheck->setChecked(checked);
}

bool Device_visual::isSyncChecked() const
{
    return m_syncCheck->isChecked();
}

void Device_visual::setZeroEnabled(bool enabled)
{
    m_zeroButton->setEnabled(enabled);
}

bool Device_visual::isZeroEnabled() const
{
    return m_zeroButton->isEnabled();
}

void Device_visual::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    m_infoButton->setStyleSheet(QString::fromLatin1(selected ? kInfoSelectedStyle : infoStyle()));
}

bool Device_visual::isSelected() const
{
    return m_selected;
}

void Device_visual::setConnected(bool connected)
{
    if (connected == m_connectedShown)
        return;
    m_connectedShown = connected;
    applyDotStyle();
    emit connectionStatusChanged(connected);
}

bool Device_visual::isConnectedShown() const
{
    return m_connectedShown;
}

void Device_visual::setValue(double value)
{
    m_value = value;
    renderValue();
}

double Device_visual::value() const
{
    return m_value;
}

QString Device_visual::valueText() const
{
    if (m_value == kNoValue)
        return QStringLiteral("---");
    return QString::number(m_value, 'f', precisionDigits(m_precision));
}

void Device_visual::setTolerance(double value, int measuringType, double limitMin, double limitMax)
{
    // Every reading comes through here; restyling re-polishes the button, so only a new colour does it.
    const DisplayMode mode = displayModeFor(value, measuringType, limitMin, limitMax);
    if (mode == m_displayMode)
        return;
    m_displayMode = mode;
    applyValueStyle();
}

Device_visual::DisplayMode Device_visual::displayMode() const
{
    return m_displayMode;
}

QList<QAction *> Device_visual::contextMenuActions()
{
    QList<QAction *> entries;
    for (QAction *action : m_menu->actions()) {
        if (!action->isSeparator())
            entries.append(action);
    }
    return entries;
}

void Device_visual::retranslate()
{
    m_infoButton->setToolTip(tr("Клік — відкрити прилад. Затиснути та потягнути — змінити порядок"));
    m_statisticsButton->setToolTip(tr("Статистика вимірів"));
    m_ownerLabel->setToolTip(tr("Прилад закріплено за користувачем"));
    if (m_statusIsPlaceholder)
        m_statusLabel->setText(placeholderStatus());
    m_editAction->setText(tr("Редагувати"));
    if (m_memoryDumpAction)
        m_memoryDumpAction->setText(tr("Вивантажити пам'ять приладу"));
    m_deleteAction->setText(tr("Видалити"));
}

QMimeData *Device_visual::createDragMimeData() const
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << addressOf(this);
    auto *mime = new QMimeData;
    mime->setData(mimeType(), payload);
    return mime;
}

void Device_visual::startDrag()
{
    auto *drag = new QDrag(this);
    drag->setMimeData(createDragMimeData());
    const QPixmap picture = grab();
    drag->setPixmap(picture.scaled(picture.size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    drag->setHotSpot(m_infoButton->mapTo(this, m_dragStartPos) / 2);
    drag->exec(Qt::MoveAction);
}

bool Device_visual::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_infoButton && handleInfoMouse(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool Device_visual::handleInfoMouse(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_dragStartPos = mouse->position().toPoint();
            m_pressed = true;
        }
        return false;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_pressed || !(mouse->buttons() & Qt::LeftButton))
            return false;
        if ((mouse->position().toPoint() - m_dragStartPos).manhattanLength() <
            QApplication::startDragDistance())
            return false;
        // From here on it is a drag, not a click: the release must not open the instrument.
        m_pressed = false;
        m_infoButton->setDown(false);
        startDrag();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_pressed) {
            m_pressed = false;
            emit cardClicked();
        }
        return false;
    }
    default:
        return false;
    }
}

void Device_visual::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void Device_visual::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    // A plain QWidget subclass ignores its style sheet unless it paints the primitive itself; the drop
    // highlight needs it.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void Device_visual::dragEnterEvent(QDragEnterEvent *event)
{
    if (!acceptableSource(event->mimeData())) {
        event->ignore();
        return;
    }
    setStyleSheet(QString::fromLatin1(kDropTargetStyle));
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void Device_visual::dragLeaveEvent(QDragLeaveEvent *event)
{
    setStyleSheet(QString());
    QWidget::dragLeaveEvent(event);
}

void Device_visual::dropEvent(QDropEvent *event)
{
    setStyleSheet(QString());
    // The source may have gone between the enter and the drop: check again.
    Device_visual *source = acceptableSource(event->mimeData());
    if (!source) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    emit reorderRequested(source, this);
}

Device_visual *Device_visual::acceptableSource(const QMimeData *mime) const
{
    if (!mime || !mime->hasFormat(mimeType()))
        return nullptr;
    const QByteArray payload = mime->data(mimeType());
    QDataStream stream(payload);
    quintptr address = 0;
    stream >> address;
    if (stream.status() != QDataStream::Ok || !stream.atEnd())
        return nullptr;
    // Only an address of a card that exists right now is ever used as a pointer.
    Device_visual *source = liveCards().value(address, nullptr);
    if (!source || source == this || source->window() != window())
        return nullptr;
    // Formulas stay after the instruments: each kind is reordered among its own.
    if ((source->kind() == ConnectionKind::Formula) != (m_kind == ConnectionKind::Formula))
        return nullptr;
    return source;
}

void Device_visual::buildMenu()
{
    m_menu = new QMenu(this);
    m_editAction = m_menu->addAction(QString());
    m_editAction->setObjectName(QStringLiteral("editAction"));
    connect(m_editAction, &QAction::triggered, this, [this] { emit editRequested(this); });
    if (isBleKind(m_kind)) {
        m_menu->addSeparator();
        m_memoryDumpAction = m_menu->addAction(QString());
        m_memoryDumpAction->setObjectName(QStringLiteral("memoryDumpAction"));
        connect(m_memoryDumpAction, &QAction::triggered, this, [this] { emit memoryDumpRequested(this); });
        m_menu->addSeparator();
    }
    m_deleteAction = m_menu->addAction(QIcon::fromTheme(QStringLiteral("edit-delete")), QString());
    m_deleteAction->setObjectName(QStringLiteral("deleteAction"));
    connect(m_deleteAction, &QAction::triggered, this, [this] { emit deleteRequested(this); });
}

const char *Device_visual::infoStyle() const
{
    return m_kind == ConnectionKind::Formula ? kFormulaInfoStyle : kInfoStyle;
}

void Device_visual::applyStyles()
{
    m_nameLabel->setStyleSheet(QString::fromLatin1(kNameStyle).arg(scaledFontPx(kNameFontPx)));
    m_ownerLabel->setStyleSheet(QString::fromLatin1(kOwnerStyle).arg(scaledFontPx(kOwnerFontPx)));
    m_letterLabel->setStyleSheet(QString::fromLatin1(kLetterStyle).arg(scaledFontPx(kLetterFontPx)));
    m_statusLabel->setStyleSheet(QString::fromLatin1(kStatusStyle).arg(scaledFontPx(kStatusFontPx)));
    m_statisticsButton->setStyleSheet(
        QString::fromLatin1(kSideButtonStyle).arg(scaledFontPx(kStatisticsFontPx)));
    m_zeroButton->setStyleSheet(QString::fromLatin1(kSideButtonStyle).arg(scaledFontPx(kZeroFontPx)));
    applyValueStyle();
}

void Device_visual::applyValueStyle()
{
    const ModeColours colours = coloursFor(m_displayMode);
    m_valueButton->setStyleSheet(QString::fromLatin1(kValueStyle)
                                     .arg(QLatin1String(colours.background), QLatin1String(colours.text))
                                     .arg(scaledFontPx(kValueFontPx)));
}

void Device_visual::applyDotStyle()
{
    m_statusDot->setStyleSheet(
        QString::fromLatin1(kDotStyle).arg(QLatin1String(m_connectedShown ? kOnlineColour : kOfflineColour)));
}

void Device_visual::renderValue()
{
    m_valueButton->setText(valueText());
}

QString Device_visual::placeholderStatus() const
{
    switch (m_kind) {
    case ConnectionKind::Modbus:
        return tr("КОМ: 141414");
    case ConnectionKind::Bluetooth:
    case ConnectionKind::NrfDongle:
    case ConnectionKind::Bled112Dongle:
        return tr("МАС: 9f:51:55:55");
    case ConnectionKind::HidKeyboard:
        return tr("HID-клавіатура");
    case ConnectionKind::SylvacCable:
        return tr("Sylvac (провід)");
    case ConnectionKind::Formula:
        return tr("ƒ (формула)");
    default:
        return QString();
    }
}
