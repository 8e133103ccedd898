#include "help/about_box.h"
#include "generated/vantor_version.h"
#include "help/about_data.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor White(255, 255, 255);
const QColor NormalColor(255, 255, 192);
const QColor Teal(0, 128, 128);
const QColor MoneyGreen(192, 220, 192);

class AboutBox : public testing::Test {
protected:
    void Open()
    {
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }

    QLabel* Label(const char* name) const { return box.findChild<QLabel*>(QLatin1StringView(name)); }
    QString Text(const char* name) const { return Label(name) ? Label(name)->text() : QString(); }
    QPushButton* OKButton() const { return box.findChild<QPushButton*>(QStringLiteral("OKButton")); }

    // The version the build gives the program, as the box writes it.
    static QString VersionLine() { return QStringLiteral("Verzió:  ") + QLatin1StringView(VantorVersion); }

    void ExpectFont(const char* name, const QString& family, int pixels) const
    {
        SCOPED_TRACE(name);
        ASSERT_NE(Label(name), nullptr);
        const QFont font = Label(name)->font();
        EXPECT_EQ(font.family(), family);
        EXPECT_TRUE(font.bold());
        EXPECT_EQ(font.pixelSize(), pixels);
    }

    QColor TextColor(const char* name) const { return Label(name)->palette().color(QPalette::WindowText); }

    TAboutBox box;
};

TEST(AboutVersion, ComesFromTheBuild)
{
    // The four numbers and the dotted version are written apart by the build.
    EXPECT_EQ(VersionLine(ReadFileVersion()), QStringLiteral("Verzió:  ") + QString::fromLatin1(VantorVersion));
}

TEST(AboutVersion, NumbersOfSeveralDigitsStayWhole)
{
    EXPECT_EQ(VersionLine({2, 10, 0, 123}), QStringLiteral("Verzió:  2.10.0.123"));
    EXPECT_EQ(VersionLine({65535, 0, 65535, 10}), QStringLiteral("Verzió:  65535.0.65535.10"));
}

TEST(AboutPicture, IsA64By64Jpeg)
{
    const QByteArray jpeg = ProgramPictureJpeg();
    ASSERT_GE(jpeg.size(), 2);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[1]), 0xD8);
    EXPECT_EQ(LoadProgramPicture().size(), QSize(64, 64));
}

TEST(AboutCredits, AreAHeadingAndFourLines)
{
    const Credits credits = LoadCredits();
    EXPECT_FALSE(credits.heading.isEmpty());
    for (const QString& line : credits.lines) {
        EXPECT_FALSE(line.isEmpty());
        EXPECT_TRUE(line.endsWith(QStringLiteral("(2024)"))) << line.toStdString();
    }
}

TEST_F(AboutBox, IsAFixedSizeBoxWithItsCaption)
{
    EXPECT_EQ(box.objectName(), QStringLiteral("AboutBox"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Névjegy"));
    EXPECT_EQ(box.minimumSize(), QSize(378, 247));
    EXPECT_EQ(box.maximumSize(), QSize(378, 247));
}

// The box's texts and the icon lie on the panel, clear of each other, each
// label wide enough for its text; the OK button lies below the panel.
TEST_F(AboutBox, ControlsLieOnThePanelApartAndShowTheirTextsWhole)
{
    const auto* panel = box.findChild<QFrame*>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(box.rect().contains(panel->geometry()));

    QList<QRect> taken;
    for (const char* name : {"ProgramIcon", "ProductName", "Version", "Label5", "Label6", "CreditsHeading", "Label1",
                             "Label4", "Label2", "Label3"}) {
        SCOPED_TRACE(name);
        const QLabel* label = Label(name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->parentWidget(), panel);
        EXPECT_TRUE(panel->contentsRect().contains(label->geometry()));
        EXPECT_GE(label->width(), label->sizeHint().width());
        for (const QRect& other : taken)
            EXPECT_FALSE(other.intersects(label->geometry()));
        taken.append(label->geometry());
    }

    ASSERT_NE(OKButton(), nullptr);
    EXPECT_EQ(OKButton()->parentWidget(), &box);
    EXPECT_GT(OKButton()->geometry().top(), panel->geometry().bottom());
    EXPECT_TRUE(box.rect().contains(OKButton()->geometry()));
    EXPECT_EQ(OKButton()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(OKButton()->isDefault());
}

TEST_F(AboutBox, ShowsTheTaskAndTheTitle)
{
    EXPECT_EQ(Text("ProductName"), QStringLiteral("Országos Kelvora Fizikaverseny  "));
    EXPECT_EQ(Text("Version"), QStringLiteral("Számítógépes feladat 2024"));
    EXPECT_EQ(Text("Label5"), QStringLiteral("Vantor"));
    EXPECT_EQ(Text("Label6"), QStringLiteral("Verzió:  "));

    const QString arial = QStringLiteral("Arial");
    ExpectFont("ProductName", arial, 15);
    ExpectFont("Version", arial, 12);
    ExpectFont("Label5", QStringLiteral("Arial Narrow"), 16);
    ExpectFont("Label6", arial, 12);
    ExpectFont("CreditsHeading", arial, 12);
    for (const char* name : {"Label1", "Label4", "Label2", "Label3"})
        ExpectFont(name, arial, 11);
    for (const char* name : {"ProductName", "Version", "Label6", "CreditsHeading", "Label1", "Label4", "Label2", "Label3"})
        EXPECT_EQ(TextColor(name), White) << name;
}

TEST_F(AboutBox, ShowsTheCreditsInTheirLabels)
{
    const Credits credits = LoadCredits();
    EXPECT_EQ(Text("CreditsHeading"), credits.heading);
    EXPECT_EQ(Text("Label1"), credits.lines[0]);
    EXPECT_EQ(Text("Label4"), credits.lines[1]);
    EXPECT_EQ(Text("Label2"), credits.lines[2]);
    EXPECT_EQ(Text("Label3"), credits.lines[3]);
    for (const char* name : {"CreditsHeading", "Label1", "Label4", "Label2", "Label3"})
        EXPECT_FALSE(Text(name).isEmpty()) << name;
}

TEST_F(AboutBox, ShowsTheProgramPictureStretched)
{
    const QLabel* icon = Label("ProgramIcon");
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->hasScaledContents());
    EXPECT_EQ(icon->pixmap().size(), QSize(64, 64));
}

TEST_F(AboutBox, TitleTurnsNormalColorOnActivation)
{
    EXPECT_EQ(TextColor("Label5"), QColor(255, 255, 0));
    Open();
    EXPECT_EQ(TextColor("Label5"), NormalColor);
}

TEST_F(AboutBox, PanelIsTealOnMoneyGreen)
{
    const auto* panel = box.findChild<QFrame*>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->palette().color(QPalette::Window), Teal);
    EXPECT_EQ(panel->frameShape(), QFrame::Box);
    EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);

    Open();
    const QImage shot = box.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(3, 3)), MoneyGreen);
    EXPECT_EQ(QColor(shot.pixel(8 + 10, 8 + 175)), Teal);
}

TEST_F(AboutBox, ShowsTheSameVersionAtEveryOpening)
{
    for (int opening = 0; opening < 3; ++opening) {
        Open();
        EXPECT_EQ(Text("Label6"), VersionLine()) << "opening " << opening;
        EXPECT_GE(Label("Label6")->width(), Label("Label6")->sizeHint().width());
        box.hide();
    }
}

TEST_F(AboutBox, WidensTheVersionLabelForLongNumbers)
{
    Open();
    box.ShowVersion({2, 10, 0, 123});
    EXPECT_EQ(Text("Label6"), QStringLiteral("Verzió:  2.10.0.123"));
    box.ShowVersion({65535, 65535, 65535, 65535});
    EXPECT_EQ(Text("Label6"), QStringLiteral("Verzió:  65535.65535.65535.65535"));
    EXPECT_GE(Label("Label6")->width(), Label("Label6")->sizeHint().width());
    EXPECT_EQ(Label("Label6")->height(), 15);
}

TEST_F(AboutBox, RebuildsTheVersionLineWhenActivatedAgain)
{
    Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.ShowVersion({9, 9, 9, 9});

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    EXPECT_EQ(Text("Label6"), VersionLine());
}

TEST_F(AboutBox, StandsCentredOnItsParent)
{
    QWidget parent;
    parent.setGeometry(100, 80, 680, 600);
    parent.show();
    TAboutBox child(&parent);
    child.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&child));
    const QPoint offset = child.frameGeometry().center() - parent.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(AboutBox, OKClosesWithAccepted)
{
    QSignalSpy finished(&box, &QDialog::finished);
    Open();
    QTest::mouseClick(OKButton(), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().first().toInt(), int(QDialog::Accepted));
}

TEST_F(AboutBox, EnterClosesWithAccepted)
{
    Open();
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

}
