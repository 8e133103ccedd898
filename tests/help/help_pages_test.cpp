#include "help/help_pages.h"

#include <QColor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

bool RowHasInk(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != qRgb(255, 255, 255))
            return true;
    }
    return false;
}

bool BandHasInk(const QImage& image, int top, int height)
{
    for (int y = top; y < top + height; ++y) {
        if (RowHasInk(image, y))
            return true;
    }
    return false;
}

// Without the word joiners that keep a command on one line.
QString PlainText(int page)
{
    return TypesetHelpPage(page)->toPlainText().remove(QChar(0x2060));
}

TEST(HelpPages, PicturesHaveTheirExactSizes)
{
    EXPECT_EQ(HelpPageSize(0), QSize(688, 4640));
    EXPECT_EQ(HelpPageSize(1), QSize(688, 2260));
    for (int page = 0; page < HelpPageCount; ++page) {
        const QImage image = RenderHelpPage(page);
        EXPECT_EQ(image.size(), HelpPageSize(page)) << "page " << page;
        EXPECT_EQ(image.depth(), 32) << "page " << page;
    }
}

TEST(HelpPages, TextFitsItsPageAndFillsMostOfIt)
{
    for (int page = 0; page < HelpPageCount; ++page) {
        const qreal typeset = TypesetHelpPage(page)->size().height();
        const int height = HelpPageSize(page).height();
        EXPECT_LE(typeset, height) << "page " << page;
        EXPECT_GT(typeset, 0.6 * height) << "page " << page;
    }
}

TEST(HelpPages, TextIsTypesetOverTheWholeHeightOnWhite)
{
    for (int page = 0; page < HelpPageCount; ++page) {
        const QImage image = RenderHelpPage(page);
        EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(Qt::white));
        EXPECT_FALSE(RowHasInk(image, image.height() - 1)) << "page " << page;
        const int band = 150;
        for (int top = 0; top + band <= 0.6 * image.height(); top += band)
            EXPECT_TRUE(BandHasInk(image, top, band)) << "page " << page << ", rows from " << top;
    }
}

TEST(HelpPages, TheoryCoversTheFilterPhysics)
{
    const QString text = PlainText(0);
    for (const char* topic : {"Elméleti bevezető", "156 keV", "antineutrínó", "folytonos", "Lorentz-erő",
                              "v = E / B", "Wien-szűrő", "γ = 1 + W / (m0c2)", "energiaablak", "--unfold",
                              "binomiális", "100 ismételt mérésből kb. 95-ben", "--seed"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
}

TEST(HelpPages, UsageDescribesEveryControlAndTheTasks)
{
    const QString text = PlainText(1);
    for (const char* topic : {"ENERGIASZŰRÉS", "Be/Ki", "keV", "Mágneses indukció (B)",
                              "Elektromos térerősség (E)", "MÉRÉS", "Start", "Stop / Folytatás",
                              "Részecskék láthatók", "Mérés ideje", "RÉSZECSKÉK", "Beállított",
                              "Leáll a beállított számnál", "Kibocsátott", "Részecskék törlése",
                              "DETEKTOR", "Beütésszám", "Töröl", "Indításkor töröl", "Blende (mm)",
                              "Energiaablak szélessége (keV)", "Fájl → Képernyő mentése",
                              "Mentés képként", "Súgó → Névjegy", "Vége",
                              "Hibás adat!! Ide csak nem-negatív szám írható!",
                              "Hibás adat!! Ide csak pozitív egész szám írható!",
                              "Ide csak pozitív egész szám írható!!", "Feladatok",
                              "10 keV-től 150 keV-ig", "beütésszám / energiaablak szélessége",
                              "Mit hordoz a mentett kép?", "„módosítva”", "vantor --teacher", "„A kép nem menthető: …”",
                              "Forrás választás"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
}

}
