#include "help/help_pages.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QTextDocument>

#include <array>

// Resources of a static library are linked in only when something refers to
// them, and the reference has to come from outside any namespace.
static void RegisterHelpSources()
{
    Q_INIT_RESOURCE(help_pages);
}

namespace {

struct PageSource {
    QSize size;
    QLatin1StringView path;
};

constexpr std::array<PageSource, HelpPageCount> Pages{{
    {QSize(688, 4640), QLatin1StringView(":/help/elmeleti_bevezeto.html")},
    {QSize(688, 2260), QLatin1StringView(":/help/program_hasznalata.html")},
}};

// Leaves 640 pixels of text between the margins of a 688-pixel page.
constexpr int PageMargin = 24;

// The sources are built into the program, so a missing one is a broken build.
QString ReadSource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Help page source %s is not built in", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

QFont PageFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    return font;
}

}

QSize HelpPageSize(int page)
{
    return Pages.at(page).size;
}

std::unique_ptr<QTextDocument> TypesetHelpPage(int page)
{
    RegisterHelpSources();
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(PageMargin);
    document->setDefaultFont(PageFont());
    document->setDefaultStyleSheet(ReadSource(QStringLiteral(":/help/help_pages.css")));
    document->setHtml(ReadSource(Pages.at(page).path));
    document->setTextWidth(HelpPageSize(page).width());
    return document;
}

QImage RenderHelpPage(int page)
{
    QImage image(HelpPageSize(page), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // The figures are drawn smaller than their pixels; without smoothing their
    // one-pixel lines would drop out.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    TypesetHelpPage(page)->drawContents(&painter);
    return image;
}
