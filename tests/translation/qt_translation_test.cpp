#include "translation/qt_translation.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

QString ButtonText(QMessageBox::StandardButton which)
{
    QMessageBox box(QMessageBox::NoIcon, "", "", QMessageBox::Yes | QMessageBox::No);
    return box.button(which)->text();
}

QString FileDialogLabel(const QFileDialog& dialog, const char* name)
{
    const auto* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

TEST(QtTranslation, QtsOwnBoxesAndTheFileDialogSpeakHungarian)
{
    QTranslator translator;
    ASSERT_TRUE(InstallTranslation(translator, QtHungarianFile())) << QtHungarianFile().toStdString();
    EXPECT_EQ(ButtonText(QMessageBox::Yes), "&Igen");
    EXPECT_EQ(ButtonText(QMessageBox::No), "&Nem");

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.windowTitle(), "Mentés másként");
    EXPECT_EQ(FileDialogLabel(dialog, "lookInLabel"), "Keresés itt:");
    EXPECT_EQ(FileDialogLabel(dialog, "fileNameLabel"), "Fájl &neve:");
}

TEST(QtTranslation, AMissingFileLeavesQtInEnglish)
{
    QTranslator translator;
    EXPECT_FALSE(InstallTranslation(translator, "/nincs/qtbase_hu.qm"));
    EXPECT_EQ(ButtonText(QMessageBox::Yes), "&Yes");
}

}
