#include "cli/evidence/evidence_html.h"

#include "base/reader_text.h"

#include <QDir>
#include <QUrl>

#include <algorithm>

namespace {

const char* const Style = R"(
body { font-family: "Liberation Sans", Arial, sans-serif; margin: 24px; color: #1c1c1c; background: #f4f5f7; }
h1 { margin: 0 0 8px; font-size: 24px; }
.summary { margin: 0 0 16px; font-size: 15px; }
.summary span, .badge { display: inline-block; padding: 2px 8px; border-radius: 10px; color: #fff; font-weight: bold; }
nav { margin-bottom: 20px; line-height: 2; }
nav a { margin-right: 10px; text-decoration: none; color: #0b5394; }
nav a.flagged { color: #c62828; font-weight: bold; }
section { margin-bottom: 28px; }
h2 { font-size: 20px; border-bottom: 2px solid #0b5394; padding-bottom: 4px; }
article { display: flex; gap: 18px; align-items: flex-start; background: #fff; margin: 12px 0; padding: 12px;
          border-left: 8px solid #2e7d32; border-radius: 4px; box-shadow: 0 1px 3px rgba(0,0,0,0.15); }
article.flagged { background: #fff5f3; }
article .thumb { flex: 0 0 220px; }
article .thumb img { width: 220px; height: auto; border: 1px solid #999; display: block; }
.nothumb { width: 220px; height: 120px; border: 1px dashed #999; display: flex; align-items: center;
           justify-content: center; color: #666; }
h3 { margin: 0 0 6px; font-size: 16px; word-break: break-all; }
.reason { margin: 0 0 8px; font-weight: bold; }
.reason.flagged { color: #c62828; }
.note { color: #b45309; }
dl { display: grid; grid-template-columns: max-content minmax(0, 1fr) max-content minmax(0, 1fr);
     gap: 2px 12px; margin: 0; font-size: 13px; }
dt { color: #555; }
dd { margin: 0; word-break: break-all; }
dd.digest { grid-column: 2 / span 3; font-family: "Liberation Mono", monospace; font-size: 12px; }
span.intact { background: #2e7d32; } article.intact { border-left-color: #2e7d32; }
span.modified { background: #c62828; } article.modified { border-left-color: #c62828; }
span.norecord { background: #e65100; } article.norecord { border-left-color: #e65100; }
span.unreadable { background: #6a1b9a; } article.unreadable { border-left-color: #6a1b9a; }
span.implausible { background: #ad1457; } article.implausible { border-left-color: #ad1457; }
span.link { background: #37474f; } article.link { border-left-color: #37474f; }
span.leftover { background: #795548; } article.leftover { border-left-color: #795548; }
span.practice { background: #00838f; } article.practice { border-left-color: #00838f; }
)";

QString StatusClass(EvidenceStatus status)
{
    switch (status) {
    case EvidenceStatus::Intact:
        return QStringLiteral("intact");
    case EvidenceStatus::Modified:
        return QStringLiteral("modified");
    case EvidenceStatus::NoRecord:
        return QStringLiteral("norecord");
    case EvidenceStatus::Implausible:
        return QStringLiteral("implausible");
    case EvidenceStatus::Link:
        return QStringLiteral("link");
    case EvidenceStatus::Leftover:
        return QStringLiteral("leftover");
    case EvidenceStatus::Practice:
        return QStringLiteral("practice");
    case EvidenceStatus::Unreadable:
        break;
    }
    return QStringLiteral("unreadable");
}

// The Start's filter is kept to the bit in the record; a reader compares it
// with the boxes to a few digits.
constexpr int ComputedDigits = 4;

QString ValueText(const EvidenceRecord& record, const EvidenceField& field)
{
    if (std::holds_alternative<bool EvidenceRecord::*>(field.member))
        return record.*std::get<bool EvidenceRecord::*>(field.member) ? QStringLiteral("igen") : QStringLiteral("nem");
    if (std::holds_alternative<double EvidenceRecord::*>(field.member))
        return QString::fromStdString(
            ReaderNumberText(record.*std::get<double EvidenceRecord::*>(field.member), ComputedDigits));
    if (QLatin1StringView(field.name) == QLatin1StringView("savedAt"))
        return QString::fromStdString(ReaderDateTimeText(record.savedAt));
    const QString text = QString::fromStdString(ReaderReadoutText(FieldText(record, field)));
    return text.isEmpty() ? QStringLiteral("–") : text;
}

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// A link that works from the page's folder whatever characters the path holds.
QString Link(const QString& path, const QDir& pageFolder)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(pageFolder.relativeFilePath(path), "/"));
}

// Two fields a line; the digest, the last and longest, has a line of its own.
QString RecordList(const EvidenceRecord& record)
{
    QString list = QStringLiteral("<dl>\n");
    for (const EvidenceField& field : EvidenceFields()) {
        const bool digest = QLatin1StringView(field.name) == QLatin1StringView("digest");
        list += QStringLiteral("<dt>%1</dt><dd%2>%3</dd>\n")
                    .arg(Escaped(QString::fromUtf8(field.label)), digest ? QStringLiteral(" class=\"digest\"") : QString(),
                         Escaped(ValueText(record, field)));
    }
    return list + QStringLiteral("</dl>\n");
}

// A link is neither shown nor linked to, since the browser would follow it.
QString Thumbnail(const EvidenceRow& row, const QDir& pageFolder)
{
    if (row.check.status == EvidenceStatus::Link)
        return QStringLiteral("<div class=\"thumb\"><div class=\"nothumb\">link</div></div>");
    const QString link = Link(row.file.path, pageFolder);
    const QString content = row.check.status == EvidenceStatus::Unreadable
                                ? QStringLiteral("<div class=\"nothumb\">nem megjeleníthető</div>")
                                : QStringLiteral("<img src=\"%1\" alt=\"%2\" loading=\"lazy\">")
                                      .arg(link, Escaped(row.file.name));
    return QStringLiteral("<a class=\"thumb\" href=\"%1\">%2</a>").arg(link, content);
}

// A record that is there but cannot be read is the picture's fault, not an
// absence; the reason above says which field.
QString MissingRecordText(EvidenceStatus status)
{
    switch (status) {
    case EvidenceStatus::NoRecord:
        return QStringLiteral("A képben nincs adatlap.");
    case EvidenceStatus::Modified:
        return QStringLiteral("A kép adatlapja hibás, ezért nem mutatható meg.");
    default:
        return QStringLiteral("A kép adatlapja nem olvasható ki.");
    }
}

QString Picture(const EvidenceRow& row, const QDir& pageFolder)
{
    const QString name = Escaped(row.file.name);
    const bool flagged = NeedsALook(row);
    QString html = QStringLiteral("<article class=\"%1%2\">\n%3\n<div>\n")
                       .arg(StatusClass(row.check.status), flagged ? QStringLiteral(" flagged") : QString(),
                            Thumbnail(row, pageFolder));
    html += QStringLiteral("<h3>%1 <span class=\"badge %2\">%3</span></h3>\n")
                .arg(name, StatusClass(row.check.status), Escaped(StatusText(row.check.status)));
    const QString note = RowNote(row);
    if (!note.isEmpty())
        html += QStringLiteral("<p class=\"reason %1\">%2</p>\n")
                    .arg(flagged ? QStringLiteral("flagged") : QStringLiteral("note"), Escaped(note));
    if (row.check.record)
        html += RecordList(*row.check.record);
    else if (row.check.status != EvidenceStatus::Link)
        html += QStringLiteral("<p>%1</p>\n").arg(MissingRecordText(row.check.status));
    return html + QStringLiteral("</div>\n</article>\n");
}

QString Count(const std::vector<EvidenceRow>& rows, EvidenceStatus status)
{
    return QStringLiteral(" <span class=\"%1\">%2 %3</span>")
        .arg(StatusClass(status), QString::number(CountOf(rows, status)), StatusText(status));
}

// "2 kép", and "1 link" beside it when there is one.
QString FolderCounts(std::span<const EvidenceRow> rows)
{
    QString counts = QStringLiteral("%1 kép").arg(PictureCount(rows));
    for (EvidenceStatus other : OtherEntries)
        if (const qsizetype count = CountOf(rows, other); count > 0)
            counts += QStringLiteral(", %1 %2").arg(count).arg(StatusText(other));
    return counts;
}

QString Summary(const std::vector<EvidenceRow>& rows)
{
    QString html = QStringLiteral("<p class=\"summary\">Összesen %1 kép:").arg(PictureCount(rows));
    for (EvidenceStatus status : ReportedStatuses)
        html += Count(rows, status);
    for (EvidenceStatus other : CountedWhenPresent)
        if (CountOf(rows, other) > 0)
            html += Count(rows, other);
    for (EvidenceStatus other : OtherEntries)
        if (CountOf(rows, other) > 0)
            html += Count(rows, other);
    return html + QStringLiteral("</p>\n");
}

}

std::string EvidenceHtml(const std::vector<EvidenceRow>& rows, const QString& pageFolder)
{
    const QDir folder(pageFolder);
    QString nav = QStringLiteral("<nav>");
    QString sections;
    for (std::size_t first = 0, section = 1; first < rows.size(); ++section) {
        std::size_t end = first;
        bool flagged = false;
        while (end < rows.size() && rows[end].file.folder == rows[first].file.folder) {
            flagged = flagged || NeedsALook(rows[end]);
            ++end;
        }
        const QString id = QStringLiteral("mappa-%1").arg(section);
        const QString title = Escaped(rows[first].file.folder);
        nav += QStringLiteral("<a href=\"#%1\"%2>%3</a>")
                   .arg(id, flagged ? QStringLiteral(" class=\"flagged\"") : QString(), title);
        sections += QStringLiteral("<section id=\"%1\">\n<h2>%2 <small>(%3)</small></h2>\n")
                        .arg(id, title, FolderCounts(std::span(rows).subspan(first, end - first)));
        for (std::size_t i = first; i < end; ++i)
            sections += Picture(rows[i], folder);
        sections += QStringLiteral("</section>\n");
        first = end;
    }
    nav += QStringLiteral("</nav>\n");
    const QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"hu\">\n<head>\n<meta charset=\"utf-8\">\n"
                                        "<title>Vantor – a versenyzők képei</title>\n<style>%1</style>\n</head>\n<body>\n"
                                        "<h1>A versenyzők képei</h1>\n")
                             .arg(QString::fromLatin1(Style))
        + Summary(rows) + nav + sections + QStringLiteral("</body>\n</html>\n");
    return page.toStdString();
}
