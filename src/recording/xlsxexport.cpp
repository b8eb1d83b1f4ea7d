#include "recording/xlsxexport.h"

#include "devices/tolerance.h"
#include "recording/capability.h"
#include "recording/statistics.h"
#include "recording/tableexporter.h"
#include "recording/tableroles.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace {

// The colours of the Go and No Go cards.
constexpr lxw_color_t kGoFill = 0x006400;
constexpr lxw_color_t kNoGoFill = 0xcc0000;
constexpr double kMsecsPerDay = 24.0 * 60 * 60 * 1000;

QString dash()
{
    return QStringLiteral("—");
}

// Excel takes at most 31 characters and none of []:*?/\ in a sheet's name.
QByteArray sheetName(QString name)
{
    for (QChar &c : name) {
        if (QStringLiteral("[]:*?/\\").contains(c))
            c = QLatin1Char(' ');
    }
    return name.left(31).toUtf8();
}

// One workbook in the making. Every call's error is kept (the first one counts), so the writing runs
// straight through and is judged once at the end.
class Workbook
{
public:
    Workbook(const QString &file, const QString &tempFolder)
        : m_file(QFile::encodeName(file))
        , m_tempFolder(QFile::encodeName(tempFolder))
    {
        lxw_workbook_options options = {};
        // Rows go to a temporary file as they are written: a shift's million rows do not sit in memory.
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_tempFolder.data();
        m_book = workbook_new_opt(m_file.constData(), &options);
        if (!m_book) {
            m_error = LXW_ERROR_MEMORY_MALLOC_FAILED;
            return;
        }
        m_header = workbook_add_format(m_book);
        format_set_bold(m_header);
        format_set_align(m_header, LXW_ALIGN_CENTER);
        format_set_bottom(m_header, LXW_BORDER_THIN);
        m_time = workbook_add_format(m_book);
        format_set_num_format(m_time, "hh:mm:ss");
        m_dash = workbook_add_format(m_book);
        format_set_align(m_dash, LXW_ALIGN_CENTER);
        m_go = verdictFormat(kGoFill);
        m_noGo = verdictFormat(kNoGoFill);
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    lxw_worksheet *addSheet(const QString &name)
    {
        if (!m_book)
            return nullptr;
        const QByteArray valid = sheetName(name);
        if (const lxw_error refused = workbook_validate_sheet_name(m_book, valid.constData())) {
            keep(refused);
            return nullptr;
        }
        lxw_worksheet *sheet = workbook_add_worksheet(m_book, valid.constData());
        if (!sheet)
            keep(LXW_ERROR_MEMORY_MALLOC_FAILED);
        return sheet;
    }

    // "0", "0.0", "0.00", ...; General for a negative count.
    lxw_format *decimals(int digits)
    {
        if (digits < 0 || !m_book)
            return nullptr;
        lxw_format *&format = m_decimals[digits];
        if (!format) {
            format = workbook_add_format(m_book);
            const QByteArray code = digits > 0 ? "0." + QByteArray(digits, '0') : QByteArray("0");
            format_set_num_format(format, code.constData());
        }
        return format;
    }

    void header(lxw_worksheet *sheet, const QStringList &texts)
    {
        for (int column = 0; column < texts.size(); ++column) {
            if (!texts.at(column).isNull())
                text(sheet, 0, column, texts.at(column), m_header);
            keep(worksheet_set_column(sheet, column, column, std::max(12.0, texts.at(column).size() + 4.0),
                                      nullptr));
        }
        worksheet_freeze_panes(sheet, 1, 0);
    }

    void number(lxw_worksheet *sheet, int row, int column, double value, lxw_format *format)
    {
        keep(worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), value, format));
    }

    // A figure that is not a number is a dash.
    void figure(lxw_worksheet *sheet, int row, int column, double value, lxw_format *format)
    {
        if (std::isfinite(value))
            number(sheet, row, column, value, format);
        else
            text(sheet, row, column, dash(), m_dash);
    }

    void text(lxw_worksheet *sheet, int row, int column, const QString &value, lxw_format *format = nullptr)
    {
        keep(worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), value.toUtf8().constData(),
                                    format));
    }

    // A table cell: its typed value where the model has one, else its text.
    void cell(lxw_worksheet *sheet, int row, const QModelIndex &index, lxw_format *valueFormat)
    {
        const int column = index.column();
        const QVariant value = index.data(TableRole::Value);
        switch (value.typeId()) {
        case QMetaType::Double:
            if (std::isfinite(value.toDouble()))
                return number(sheet, row, column, value.toDouble(), valueFormat);
            break;
        case QMetaType::QTime:
            return number(sheet, row, column, value.toTime().msecsSinceStartOfDay() / kMsecsPerDay, m_time);
        case QMetaType::Int:
            return number(sheet, row, column, value.toInt(), nullptr);
        default:
            break;
        }
        const QString shown = index.data(Qt::DisplayRole).toString();
        if (shown.isEmpty())
            return;
        const QVariant judged = index.data(TableRole::Verdict);
        const auto verdict =
            judged.isValid() ? ToleranceVerdict(judged.toInt()) : ToleranceVerdict::NotJudged;
        text(sheet, row, column, shown,
             verdict == ToleranceVerdict::Go     ? m_go
             : verdict == ToleranceVerdict::NoGo ? m_noGo
                                                 : nullptr);
    }

    // Writes the file; the first error of all, or LXW_NO_ERROR.
    lxw_error close()
    {
        if (m_book)
            keep(workbook_close(std::exchange(m_book, nullptr)));
        return m_error;
    }

private:
    lxw_format *verdictFormat(lxw_color_t fill)
    {
        lxw_format *format = workbook_add_format(m_book);
        format_set_pattern(format, LXW_PATTERN_SOLID);
        format_set_bg_color(format, fill);
        format_set_font_color(format, LXW_COLOR_WHITE);
        format_set_align(format, LXW_ALIGN_CENTER);
        return format;
    }

    void keep(lxw_error error)
    {
        if (m_error == LXW_NO_ERROR)
            m_error = error;
    }

    QByteArray m_file;
    QByteArray m_tempFolder;
    lxw_workbook *m_book = nullptr;
    lxw_error m_error = LXW_NO_ERROR;
    lxw_format *m_header = nullptr;
    lxw_format *m_time = nullptr;
    lxw_format *m_dash = nullptr;
    lxw_format *m_go = nullptr;
    lxw_format *m_noGo = nullptr;
    QHash<int, lxw_format *> m_decimals;
};

void writeTable(Workbook &book, const QAbstractItemModel &model, int sheetRows)
{
    const int columns = model.columnCount();
    QStringList headers;
    QList<lxw_format *> formats;
    for (int column = 0; column < columns; ++column) {
        headers.append(TableExporter::hasHeader(model, column)
                           ? model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()
                           : QString());
        const QVariant digits = model.headerData(column, Qt::Horizontal, TableRole::Decimals);
        formats.append(book.decimals(digits.isValid() ? digits.toInt() : -1));
    }

    const QString name = QCoreApplication::translate("MeasuringSystem", "Таблиця");
    const int rows = model.rowCount();
    const int perSheet = std::max(1, sheetRows - 1);
    const int sheets = std::max(1, (rows + perSheet - 1) / perSheet);
    for (int part = 0; part < sheets; ++part) {
        lxw_worksheet *sheet =
            book.addSheet(sheets == 1 ? name : QStringLiteral("%1 (%2)").arg(name).arg(part + 1));
        if (!sheet)
            return;
        book.header(sheet, headers);
        const int first = part * perSheet;
        const int end = std::min(rows, first + perSheet);
        for (int row = first; row < end; ++row) {
            for (int column = 0; column < columns; ++column)
                book.cell(sheet, row - first + 1, model.index(row, column), formats.at(column));
        }
    }
}

void writeStatistics(Workbook &book, const QList<DeviceStats> &statistics)
{
    // The figures have the statistics dialog's names.
    lxw_worksheet *sheet = book.addSheet(QCoreApplication::translate("StatisticsDialog", "Статистика"));
    if (!sheet)
        return;
    book.header(sheet, {QCoreApplication::translate("MeasuringSystem", "Прилад"),
                        QCoreApplication::translate("MeasuringSystem", "Одиниця"),
                        QCoreApplication::translate("StatisticsDialog", "Кількість"),
                        QCoreApplication::translate("StatisticsDialog", "Середнє"),
                        QCoreApplication::translate("StatisticsDialog", "Мінімум"),
                        QCoreApplication::translate("StatisticsDialog", "Максимум"),
                        QCoreApplication::translate("StatisticsDialog", "Розмах"),
                        QCoreApplication::translate("StatisticsDialog", "Ст. відхилення"),
                        QCoreApplication::translate("StatisticsDialog", "У допуску"),
                        QCoreApplication::translate("StatisticsDialog", "Поза допуском"),
                        QCoreApplication::translate("MeasuringSystem", "Нижня межа"),
                        QCoreApplication::translate("MeasuringSystem", "Верхня межа"), QStringLiteral("Cp"),
                        QStringLiteral("Cpk"), QStringLiteral("Cpu"), QStringLiteral("Cpl"),
                        QStringLiteral("Pp"), QStringLiteral("Ppk")});
    constexpr double none = Statistics::kNaN;
    lxw_format *const indexFormat = book.decimals(2);
    for (int i = 0; i < statistics.size(); ++i) {
        const DeviceStats &device = statistics.at(i);
        const QList<double> &values = device.allValues;
        const int type = device.measuringType;
        const Statistics::Summary summary = Statistics::summarize(values);
        const Capability::Indices capability =
            Capability::compute(values, type, device.limitMin, device.limitMax);
        const bool judged = Statistics::hasTolerance(type);
        const int within =
            judged ? Statistics::countWithinTolerance(values, type, device.limitMin, device.limitMax) : 0;
        const bool lower = type == MeasuringMode::MinLimits || type == MeasuringMode::RangeLimits;
        const bool upper = type == MeasuringMode::MaxLimits || type == MeasuringMode::RangeLimits;
        lxw_format *const valueFormat = book.decimals(device.precision);

        const int row = i + 1;
        book.text(sheet, row, 0, device.name);
        book.text(sheet, row, 1, device.unit);
        const std::pair<double, lxw_format *> figures[] = {
            {summary.count, nullptr},
            {summary.mean, valueFormat},
            {summary.min, valueFormat},
            {summary.max, valueFormat},
            {summary.range, valueFormat},
            {summary.stdDev, valueFormat},
            {judged ? within : none, nullptr},
            {judged ? summary.count - within : none, nullptr},
            {lower ? device.limitMin : none, valueFormat},
            {upper ? device.limitMax : none, valueFormat},
            {capability.cp, indexFormat},
            {capability.cpk, indexFormat},
            {capability.cpu, indexFormat},
            {capability.cpl, indexFormat},
            {capability.pp, indexFormat},
            {capability.ppk, indexFormat},
        };
        for (int f = 0; f < int(std::size(figures)); ++f)
            book.figure(sheet, row, 2 + f, figures[f].first, figures[f].second);
    }
}

} // namespace

namespace XlsxExport {

bool write(const QAbstractItemModel &model, const QList<DeviceStats> &statistics, const QString &path,
           QString *error, int sheetRows)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    // The file is replaced only when the whole workbook reached the disk; a full disk or a folder that
    // cannot be written leaves whatever was there before.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    QTemporaryFile built(QDir::temp().filePath(QStringLiteral("kovran-XXXXXX.xlsx")));
    if (!built.open())
        return fail(built.errorString());
    built.close();

    Workbook book(built.fileName(), QDir::tempPath());
    writeTable(book, model, sheetRows);
    writeStatistics(book, statistics);
    if (const lxw_error written = book.close(); written != LXW_NO_ERROR)
        return fail(QString::fromUtf8(lxw_strerror(written)));

    QFile workbook(built.fileName());
    if (!workbook.open(QIODevice::ReadOnly))
        return fail(workbook.errorString());
    QByteArray chunk;
    while (!(chunk = workbook.read(1 << 16)).isEmpty()) {
        if (file.write(chunk) != chunk.size())
            return fail(file.errorString());
    }
    if (!workbook.atEnd())
        return fail(workbook.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace XlsxExport
