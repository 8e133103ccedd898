#include "cli/common/spreadsheet.h"

#include "base/file_reading.h"
#include "base/overloaded.h"
#include "cli/common/output_file.h"
#include "files/file_writing.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <map>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The date and time in the order a Hungarian reader reads them.
constexpr const char* DateTimeFormat = "yyyy\\.\\ mm\\.\\ dd\\.\\ hh:mm:ss";

// "2024. 03. 15. 10:42:07"
constexpr double DateTimeCharacters = 22.0;

// One line of a heading, which wraps, in points.
constexpr double HeadingLineHeight = 15.0;

// A cell holds at most this many characters; a longer text is cut.
constexpr qsizetype MaxCellCharacters = 32767;

std::string CellText(const std::string& text)
{
    const QString characters = QString::fromStdString(text);
    return characters.size() <= MaxCellCharacters ? text : characters.first(MaxCellCharacters).toStdString();
}

struct Formats {
    lxw_format* heading;
    lxw_format* fact;
    lxw_format* dateTime;
    lxw_format* factValue;
    lxw_format* factDateTime;
};

Formats AddFormats(lxw_workbook* workbook)
{
    Formats formats{workbook_add_format(workbook), workbook_add_format(workbook), workbook_add_format(workbook),
                    workbook_add_format(workbook), workbook_add_format(workbook)};
    format_set_bold(formats.heading);
    format_set_text_wrap(formats.heading);
    format_set_align(formats.heading, LXW_ALIGN_VERTICAL_TOP);
    format_set_bottom(formats.heading, LXW_BORDER_THIN);
    format_set_bold(formats.fact);
    format_set_num_format(formats.dateTime, DateTimeFormat);
    // A fact's value stands beside its label, whatever it is.
    format_set_align(formats.factValue, LXW_ALIGN_LEFT);
    format_set_align(formats.factDateTime, LXW_ALIGN_LEFT);
    format_set_num_format(formats.factDateTime, DateTimeFormat);
    return formats;
}

void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const SheetCell& cell, lxw_format* plain,
               lxw_format* dateTime)
{
    std::visit(Overloaded{
                   [](std::monostate) {},
                   [&](double number) { worksheet_write_number(sheet, row, column, number, plain); },
                   // Not a spreadsheet's own TRUE and FALSE, which some programs show as 1 and 0.
                   [&](bool flag) { worksheet_write_string(sheet, row, column, flag ? "igen" : "nem", plain); },
                   [&](const QDateTime& at) {
                       const QDate date = at.date();
                       const QTime time = at.time();
                       lxw_datetime wallClock{date.year(), date.month(), date.day(),
                                              time.hour(), time.minute(), static_cast<double>(time.second())};
                       worksheet_write_datetime(sheet, row, column, &wallClock, dateTime);
                   },
                   [&](const std::string& text) {
                       if (!text.empty())
                           worksheet_write_string(sheet, row, column, CellText(text).c_str(), plain);
                   },
               },
               cell);
}

// A column at least as wide as the longest word of its heading, which wraps
// between words only.
double ShownWidth(const SheetColumn& column)
{
    double longestWord = 0.0;
    for (const QString& word : QString::fromStdString(column.heading).split(u' '))
        longestWord = std::max(longestWord, double(word.size()) + 2.0);
    return std::max(column.width, longestWord);
}

// How many lines a heading takes in its column, wrapped between words, with
// the room ShownWidth leaves beside the longest word.
int HeadingLines(const SheetColumn& column)
{
    const double room = ShownWidth(column) - 2.0;
    int lines = 1;
    double used = 0.0;
    for (const QString& word : QString::fromStdString(column.heading).split(u' ', Qt::SkipEmptyParts)) {
        if (used == 0.0) {
            used = double(word.size());
        } else if (used + 1.0 + double(word.size()) <= room) {
            used += 1.0 + double(word.size());
        } else {
            ++lines;
            used = double(word.size());
        }
    }
    return lines;
}

// A number format for each column that fixes its decimals, nullptr for the others.
std::vector<lxw_format*> NumberFormats(lxw_workbook* workbook, const std::vector<SheetColumn>& columns)
{
    std::map<int, lxw_format*> byDecimals;
    std::vector<lxw_format*> formats;
    for (const SheetColumn& column : columns) {
        if (!column.decimals) {
            formats.push_back(nullptr);
            continue;
        }
        lxw_format*& format = byDecimals[*column.decimals];
        if (format == nullptr) {
            format = workbook_add_format(workbook);
            const std::string pattern = *column.decimals > 0 ? "0." + std::string(*column.decimals, '0') : "0";
            format_set_num_format(format, pattern.c_str());
        }
        formats.push_back(format);
    }
    return formats;
}

// How many of the table's columns from first on it takes to hold characters.
lxw_col_t ColumnsFor(const Sheet& sheet, lxw_col_t first, double characters)
{
    lxw_col_t columns = 1;
    double width = first < sheet.columns.size() ? ShownWidth(sheet.columns[first]) : characters;
    while (width < characters && first + columns < sheet.columns.size()) {
        width += ShownWidth(sheet.columns[first + columns]);
        ++columns;
    }
    return columns;
}

double Characters(const std::string& text)
{
    return double(QString::fromStdString(text).size());
}

// How wide a fact's value is shown: a text in full, a date with its time.
double Characters(const SheetCell& cell)
{
    return std::visit(Overloaded{
                          [](const std::string& text) { return Characters(text); },
                          [](const QDateTime&) { return DateTimeCharacters; },
                          [](const auto&) { return 0.0; },
                      },
                      cell);
}

// How many of the table's columns a fact's label spans, so that the longest
// label fits before its value.
lxw_col_t LabelColumns(const Sheet& sheet)
{
    double longest = 0.0;
    for (const auto& fact : sheet.facts)
        longest = std::max(longest, Characters(fact.first));
    return ColumnsFor(sheet, 0, longest);
}

// A fact's label or value over the columns it takes.
void WriteSpanning(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t first, lxw_col_t columns, const SheetCell& cell,
                   lxw_format* plain, lxw_format* dateTime)
{
    if (columns > 1) {
        lxw_format* merged = std::holds_alternative<QDateTime>(cell) ? dateTime : plain;
        worksheet_merge_range(sheet, row, first, row, first + columns - 1, "", merged);
    }
    WriteCell(sheet, row, first, cell, plain, dateTime);
}

void FillSheet(lxw_workbook* workbook, const Sheet& sheet)
{
    const Formats formats = AddFormats(workbook);
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.name.c_str());
    worksheet_set_landscape(worksheet);
    const lxw_col_t labelColumns = LabelColumns(sheet);
    lxw_row_t row = 0;
    for (const auto& [label, value] : sheet.facts) {
        WriteSpanning(worksheet, row, 0, labelColumns, label, formats.fact, formats.fact);
        WriteSpanning(worksheet, row, labelColumns, ColumnsFor(sheet, labelColumns, Characters(value)), value,
                      formats.factValue, formats.factDateTime);
        ++row;
    }
    if (!sheet.facts.empty())
        ++row;   // a blank row between the facts and the table

    const lxw_row_t headerRow = row;
    int headingLines = 1;
    for (lxw_col_t column = 0; column < sheet.columns.size(); ++column) {
        worksheet_write_string(worksheet, headerRow, column, sheet.columns[column].heading.c_str(), formats.heading);
        worksheet_set_column(worksheet, column, column, ShownWidth(sheet.columns[column]), nullptr);
        headingLines = std::max(headingLines, HeadingLines(sheet.columns[column]));
    }
    worksheet_set_row(worksheet, headerRow, headingLines * HeadingLineHeight, nullptr);
    const std::vector<lxw_format*> numberFormats = NumberFormats(workbook, sheet.columns);
    for (const std::vector<SheetCell>& cells : sheet.rows) {
        ++row;
        for (lxw_col_t column = 0; column < cells.size(); ++column)
            WriteCell(worksheet, row, column, cells[column], column < numberFormats.size() ? numberFormats[column] : nullptr,
                      formats.dateTime);
    }
    if (!sheet.columns.empty()) {
        worksheet_autofilter(worksheet, headerRow, 0, row, static_cast<lxw_col_t>(sheet.columns.size() - 1));
        worksheet_freeze_panes(worksheet, headerRow + 1, 0);
        worksheet_repeat_rows(worksheet, headerRow, headerRow);
    }
}

#ifdef _WIN32
constexpr const char* NullDevice = "NUL";
#else
constexpr const char* NullDevice = "/dev/null";
#endif

// libxlsxwriter tells its failures on the standard error, in English; the
// command says them itself, in Hungarian, so while it writes its words go
// nowhere.
class QuietStandardError {
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        const int nothing = open(NullDevice, O_WRONLY);
        if (nothing < 0)
            return;
        saved = dup(2);
        if (saved >= 0)
            dup2(nothing, 2);
        close(nothing);
    }
    ~QuietStandardError()
    {
        if (saved < 0)
            return;
        std::fflush(stderr);
        dup2(saved, 2);
        close(saved);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved = -1;
};

WriteFailure FailureOf(lxw_error error, int systemError)
{
    if (systemError != 0) {
        const std::error_code code(systemError, std::generic_category());
        return {FaultOfError(code), QString::fromLocal8Bit(code.message())};
    }
    return {WriteFault::Other, QString::fromUtf8(lxw_strerror(error))};
}

// The workbook's bytes. libxlsxwriter writes only to a file of its own: it
// writes into a private temporary folder, which goes with everything in it.
std::variant<QByteArray, WriteFailure> WorkbookBytes(const Sheet& sheet)
{
    errno = 0;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        const int systemError = errno;
        return systemError != 0 ? FailureOf(LXW_NO_ERROR, systemError)
                                : WriteFailure{WriteFault::Other, folder.errorString()};
    }
    const QString stagePath = folder.filePath(QStringLiteral("stage.xlsx"));
    const QByteArray stageName = stagePath.toUtf8();
    QByteArray folderName = folder.path().toUtf8();
    lxw_workbook_options options{};
    options.tmpdir = folderName.data();

    lxw_error closed = LXW_NO_ERROR;
    int systemError = 0;
    {
        const QuietStandardError quiet;
        lxw_workbook* workbook = workbook_new_opt(stageName.constData(), &options);
        if (workbook == nullptr)
            return WriteFailure{WriteFault::Other, QString::fromUtf8(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED))};
        FillSheet(workbook, sheet);
        errno = 0;
        closed = workbook_close(workbook);
        systemError = errno;
    }
    if (closed != LXW_NO_ERROR)
        return FailureOf(closed, systemError);

    const FileBytes stage = ReadFileBytes(QFileInfo(stagePath).filesystemFilePath(),
                                          std::numeric_limits<std::size_t>::max());
    if (stage.error)
        return FailureOf(LXW_NO_ERROR, stage.error.value());
    return QByteArray::fromStdString(stage.bytes);
}

}

std::optional<std::string> WriteSpreadsheet(const std::string& path, const Sheet& sheet, const std::string& what)
{
    const auto bytes = WorkbookBytes(sheet);
    if (const auto* failure = std::get_if<WriteFailure>(&bytes))
        return "vantor-cli: " + what + " nem írható: " + FaultText(*failure).toStdString() + " (" + path + ")";
    return WriteOutputFile(path, std::get<QByteArray>(bytes), what);
}
