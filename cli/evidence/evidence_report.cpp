#include "cli/evidence/evidence_report.h"

#include "base/reader_text.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <functional>

namespace {

constexpr qsizetype MaxCellLength = 40;

QString Safe(QString text)
{
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = u'?';
    }
    return text;
}

QString Cell(const QString& text)
{
    const QString trimmed = Safe(text.trimmed());
    return trimmed.size() <= MaxCellLength ? trimmed : trimmed.first(MaxCellLength - 1) + u'…';
}

// The date and the time of day, without the offset, is what tells the
// pictures apart in a table.
QString SavedAtCell(const QString& savedAt)
{
    return Cell(QString::fromStdString(ReaderDateTimeText(savedAt.toStdString())));
}

QString OptionalNumber(const std::optional<qint32>& number)
{
    return number ? QString::number(*number) : QStringLiteral("-");
}

struct Column {
    QString title;
    std::function<QString(const EvidenceRecord&)> read;
    bool rightAligned;
};

const std::array<Column, 8>& RecordColumns()
{
    static const std::array<Column, 8> columns{{
        {QStringLiteral("Mentve"), [](const EvidenceRecord& r) { return SavedAtCell(QString::fromStdString(r.savedAt)); }, false},
        {QStringLiteral("E (keV)"), [](const EvidenceRecord& r) { return Cell(QString::fromStdString(r.energyKeV)); }, true},
        {QStringLiteral("B (µT)"), [](const EvidenceRecord& r) { return OptionalNumber(r.fieldMicrotesla); }, true},
        {QStringLiteral("Blende (mm)"), [](const EvidenceRecord& r) { return Cell(QString::fromStdString(r.slitMm)); }, true},
        {QStringLiteral("Kibocsátott"), [](const EvidenceRecord& r) { return QString::number(r.launched); }, true},
        {QStringLiteral("Beütésszám"), [](const EvidenceRecord& r) { return QString::number(r.detected); }, true},
        {QStringLiteral("Energiaablak (keV)"), [](const EvidenceRecord& r) { return Cell(QString::fromStdString(r.passWidthKeV)); }, true},
        {QStringLiteral("Mérés ideje"), [](const EvidenceRecord& r) { return Cell(QString::fromStdString(r.measuringTime)); }, true},
    }};
    return columns;
}

QStringList TableLine(const EvidenceRow& row)
{
    QStringList cells{Cell(row.file.folder), Cell(row.file.name)};
    for (const Column& column : RecordColumns())
        cells << (row.check.record ? column.read(*row.check.record) : QStringLiteral("-"));
    cells << Safe(StatusWithNote(row));
    return cells;
}

QString Padded(const QString& text, qsizetype width, bool right)
{
    return right ? text.rightJustified(width) : text.leftJustified(width);
}

QString CsvField(QString text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u'"') || text.contains(u',') || text.contains(u'\n') || text.contains(u'\r')) {
        text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return u'"' + text + u'"';
    }
    return text;
}

}

namespace {

bool SavedInTeacherMode(const EvidenceRow& row)
{
    return row.check.record && row.check.record->teacherMode;
}

}

QString RowNote(const EvidenceRow& row)
{
    QStringList notes;
    if (!row.check.reason.isEmpty())
        notes << row.check.reason;
    // An intact picture of another is flagged with that reason already.
    const std::optional<EvidenceRecord>& record = row.check.record;
    if (record && !row.file.owner.isEmpty() && QString::fromStdString(record->contestant) != row.file.owner
        && row.check.status != EvidenceStatus::Implausible && row.check.status != EvidenceStatus::Practice)
        notes << SavedBy(QString::fromStdString(record->contestant)) + QStringLiteral(" mentette");
    notes << row.plausibility.notes;
    if (SavedInTeacherMode(row))
        notes << QStringLiteral("tanári módban mentve");
    return notes.join(QStringLiteral("; "));
}

bool NeedsALook(const EvidenceRow& row)
{
    return row.check.status != EvidenceStatus::Intact || SavedInTeacherMode(row) || row.plausibility.checkerOlder;
}

QString StatusWithNote(const EvidenceRow& row)
{
    const QString note = RowNote(row);
    return StatusText(row.check.status) + (note.isEmpty() ? QString() : QStringLiteral(": ") + note);
}

std::string EvidenceTable(const std::vector<EvidenceRow>& rows)
{
    QStringList titles{QStringLiteral("Mappa"), QStringLiteral("Fájl")};
    std::vector<bool> right{false, false};
    for (const Column& column : RecordColumns()) {
        titles << column.title;
        right.push_back(column.rightAligned);
    }
    titles << QStringLiteral("Állapot");
    right.push_back(false);

    std::vector<QStringList> lines{titles};
    for (const EvidenceRow& row : rows)
        lines.push_back(TableLine(row));
    std::vector<qsizetype> widths(titles.size(), 0);
    for (const QStringList& line : lines)
        for (qsizetype i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());

    QString table;
    for (const QStringList& line : lines) {
        QStringList padded;
        for (qsizetype i = 0; i + 1 < line.size(); ++i)
            padded << Padded(line[i], widths[i], right[i]);
        padded << line.back();
        table += padded.join(QStringLiteral("  ")) + u'\n';
    }
    return table.toStdString();
}

qsizetype CountOf(std::span<const EvidenceRow> rows, EvidenceStatus status)
{
    return std::count_if(rows.begin(), rows.end(), [status](const EvidenceRow& row) { return row.check.status == status; });
}

qsizetype PictureCount(std::span<const EvidenceRow> rows)
{
    qsizetype pictures = std::ssize(rows);
    for (EvidenceStatus other : OtherEntries)
        pictures -= CountOf(rows, other);
    return pictures;
}

std::string EvidenceSummary(const std::vector<EvidenceRow>& rows)
{
    QStringList counts;
    for (EvidenceStatus status : ReportedStatuses)
        counts << QStringLiteral("%1 %2").arg(CountOf(rows, status)).arg(StatusText(status));
    QString extra;
    for (EvidenceStatus other : CountedWhenPresent)
        if (const qsizetype count = CountOf(rows, other); count > 0)
            extra += QStringLiteral("; %1 %2").arg(count).arg(StatusText(other));
    for (EvidenceStatus other : OtherEntries)
        if (const qsizetype count = CountOf(rows, other); count > 0)
            extra += QStringLiteral("; %1 %2").arg(count).arg(StatusText(other));
    const auto inClass = std::count_if(rows.begin(), rows.end(), SavedInTeacherMode);
    const auto newer = std::count_if(rows.begin(), rows.end(),
                                     [](const EvidenceRow& row) { return row.plausibility.checkerOlder; });
    if (inClass > 0)
        extra += QStringLiteral("; %1 tanári módban mentve").arg(inClass);
    if (newer > 0)
        extra += QStringLiteral("; %1 az ellenőrző programnál újabb változattal mentve").arg(newer);
    return QStringLiteral("Összesen %1 kép: %2%3\n")
        .arg(QString::number(PictureCount(rows)), counts.join(QStringLiteral(", ")), extra)
        .toStdString();
}

std::string EvidenceCsv(const std::vector<EvidenceRow>& rows)
{
    QStringList header{QStringLiteral("folder"), QStringLiteral("file"), QStringLiteral("status"),
                       QStringLiteral("note")};
    for (const EvidenceField& field : EvidenceFields())
        header << QString::fromLatin1(field.name);
    QString csv = header.join(u',') + u'\n';
    for (const EvidenceRow& row : rows) {
        QStringList fields{CsvField(row.file.folder), CsvField(row.file.name), StatusText(row.check.status),
                           CsvField(RowNote(row))};
        for (const EvidenceField& field : EvidenceFields())
            fields << (row.check.record ? CsvField(QString::fromStdString(FieldText(*row.check.record, field))) : QString());
        csv += fields.join(u',') + u'\n';
    }
    return csv.toStdString();
}
