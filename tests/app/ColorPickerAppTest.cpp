#include <QDir>
#include <csignal>
#include <array>
#include <memory>
#include <utility>
#include <QFile>
#include <QRadioButton>
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/ColorPickerApp.h"
#include "app/SettingsStore.h"
#include "color/ColorState.h"
#include "platform/SaveFile.h"
#include "platform/qt/TemplateDialog.h"
#include "ui/ColorPickerDialog.h"

namespace tonik {
namespace {

// Each test has its own application name, so its own settings file under the
// temporary XDG_CONFIG_HOME the test runner sets.
class SettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        colorState = ColorState();
        application = QStringLiteral("tonik-test-%1")
                          .arg(QString::fromLatin1(testing::UnitTest::GetInstance()->current_test_info()->name()));
        QFile::remove(FileName());
    }
    QString FileName() const { return SettingsStore(QStringLiteral("Kavon"), application).FileName(); }
    QString Stored(const char* name) const
    {
        QSettings settings(FileName(), QSettings::IniFormat);
        return settings.value(QStringLiteral("Settings/") + QLatin1String(name)).toString();
    }
    void WriteFile(const QByteArray& contents) const
    {
        QDir().mkpath(QFileInfo(FileName()).path());
        QFile file(FileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    // Runs the program once; close ends the dialog in the way a user would.
    // Returns the exit status.
    int Run(const std::function<void(ColorPickerDialog&)>& close)
    {
        ColorPickerApp app(application);
        app.beforeModal = [close](ColorPickerDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&dialog, close] { close(dialog); });
        };
        EXPECT_FALSE(app.InitInstance());
        return app.ExitStatus();
    }
    // Two stores over a file of these contents that have read the role and
    // the two colours, as two starting Tonik windows do.
    std::array<std::unique_ptr<SettingsStore>, 2> TwoAtStart(const QByteArray& contents)
    {
        WriteFile(contents);
        std::array<std::unique_ptr<SettingsStore>, 2> stores;
        for (auto& store : stores) {
            store = std::make_unique<SettingsStore>(QStringLiteral("Kavon"), application);
            for (const char* name : {"Foreground", "ForeColor", "BackColor"})
                store->GetProfileInt(QStringLiteral("Settings"), QLatin1String(name), 0);
        }
        return stores;
    }
    QString application;
};

TEST_F(SettingsTest, FirstRunSavesTheStartValuesWhicheverWayTheDialogEnds)
{
    for (auto close : std::vector<std::function<void(ColorPickerDialog&)>>{
             [](ColorPickerDialog& d) { d.reject(); },
             [](ColorPickerDialog& d) { d.close(); },
             [](ColorPickerDialog& d) { d.done(IDOK); },
         }) {
        QFile::remove(FileName());
        colorState = ColorState();
        Run(close);
        EXPECT_EQ(Stored("Foreground"), "0");
        EXPECT_EQ(Stored("ForeColor"), "0");
        EXPECT_EQ(Stored("BackColor"), "16777215");
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(Stored(QStringLiteral("CustColor%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1()), "0") << i;
        EXPECT_EQ(Stored("CustColor0"), "");  // two digits, always
    }
}

TEST_F(SettingsTest, StoredValuesComeBackAndAreWrittenBackAsTheyWere)
{
    WriteFile("[Settings]\nForeground=7\nForeColor=-16777216\nBackColor=4294967295\nCustColor03=255\n");
    Run([](ColorPickerDialog& dialog) {
        EXPECT_EQ(colorState.foreground, 7);
        EXPECT_EQ(colorState.foreColor, 0xFF000000u);
        EXPECT_EQ(colorState.backColor, 0xFFFFFFFFu);  // unsigned text reads as 32 bits too
        EXPECT_EQ(colorState.customColors[3], 255u);
        EXPECT_TRUE(dialog.frontButton->isChecked());
        dialog.done(IDOK);
    });
    EXPECT_EQ(Stored("Foreground"), "7");  // no role was chosen
    EXPECT_EQ(Stored("ForeColor"), "-16777216");
    EXPECT_EQ(Stored("BackColor"), "4294967295");  // the same number: left as it was written
    EXPECT_EQ(Stored("CustColor03"), "255");
    EXPECT_EQ(Stored("CustColor04"), "0");  // missing at the start: written

    Run([](ColorPickerDialog& dialog) {
        dialog.OnBack();
        dialog.reject();
    });
    EXPECT_EQ(Stored("Foreground"), "0");
}

TEST_F(SettingsTest, BadValuesReadAsTheirDefaults)
{
    WriteFile("[Settings]\nForeground=yes\nForeColor=4294967296\nBackColor=-2147483649\n"
              "CustColor00=12abc\nCustColor01=\nCustColor02= 42 \n\x01\xff garbage \n[");
    SettingsStore store(QStringLiteral("Kavon"), application);
    const QString section = QStringLiteral("Settings");
    EXPECT_EQ(store.GetProfileInt(section, QStringLiteral("Foreground"), 3), 3);
    EXPECT_EQ(store.GetProfileInt(section, QStringLiteral("ForeColor"), 4), 4);
    EXPECT_EQ(store.GetProfileInt(section, QStringLiteral("BackColor"), 5), 5);
    EXPECT_EQ(store.GetProfileInt(section, QStringLiteral("CustColor00"), 6), 6);
    EXPECT_EQ(store.GetProfileInt(section, QStringLiteral("CustColor01"), 7), 7);
    EXPECT_EQ(store.GetProfileInt(section, QStringLiteral("CustColor02"), 8), 42);
    EXPECT_EQ(store.GetProfileInt(section, QStringLiteral("Missing"), -9), -9);
}

TEST_F(SettingsTest, UnreadableAndUnwritableStoreNeverStopsTonik)
{
    // A folder where the settings file should be can be neither read nor
    // replaced, not even by root.
    ASSERT_TRUE(QDir().mkpath(FileName()));
    const int status = Run([](ColorPickerDialog& dialog) {
        colorState.foreColor = 0x00123456;
        dialog.reject();
    });
    EXPECT_EQ(status, 1);  // and said on standard error
    EXPECT_EQ(colorState.backColor, 0x00FFFFFFu);
    EXPECT_TRUE(QFileInfo(FileName()).isDir());
    SettingsStore store(QStringLiteral("Kavon"), application);
    store.WriteProfileInt(QStringLiteral("Settings"), QStringLiteral("ForeColor"), 1);
    EXPECT_FALSE(store.Flush());
    QDir(FileName()).removeRecursively();
}

TEST_F(SettingsTest, TwoWindowsKeepEachOthersChanges)
{
    const auto stores = TwoAtStart("[Settings]\nForeground=1\nForeColor=1\nBackColor=2\n; kept\n");
    SettingsStore& first = *stores[0];
    SettingsStore& second = *stores[1];
    const QString section = QStringLiteral("Settings");
    // The first changes the text colour, the second the background; both
    // change the role, and the last close wins it.
    first.WriteProfileInt(section, QStringLiteral("ForeColor"), 0x123456);
    first.WriteProfileInt(section, QStringLiteral("BackColor"), 2);
    first.WriteProfileInt(section, QStringLiteral("Foreground"), 0);
    second.WriteProfileInt(section, QStringLiteral("ForeColor"), 1);
    second.WriteProfileInt(section, QStringLiteral("BackColor"), 0x654321);
    second.WriteProfileInt(section, QStringLiteral("Foreground"), 7);
    ASSERT_TRUE(first.Flush());
    ASSERT_TRUE(second.Flush());
    EXPECT_EQ(Stored("ForeColor"), QString::number(0x123456));
    EXPECT_EQ(Stored("BackColor"), QString::number(0x654321));
    EXPECT_EQ(Stored("Foreground"), "7");
    QFile file(FileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("; kept\n"));
}

TEST_F(SettingsTest, AFailedSaveKeepsTheOldFileAndEndsWithStatusOne)
{
    const QByteArray old = "[Settings]\nForeground=1\nForeColor=255\nBackColor=65280\nCustColor00=5\n";
    WriteFile(old);
    SetSaveFaultForTesting([](SaveStep step) { return step == SaveStep::Write ? ENOSPC : 0; });
    EXPECT_EQ(Run([](ColorPickerDialog& dialog) {
        colorState.current = 0x00ABCDEF;
        dialog.UpdateControls(0);
        dialog.reject();
    }), 1);  // and said on standard error
    SetSaveFaultForTesting(nullptr);
    QFile file(FileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

TEST_F(SettingsTest, TheEndOfTheSessionSavesTheRunWhateverWindowIsOpen)
{
    // A quit signal with the colour chooser, the About box or the window menu
    // open closes it and ends the run: no nested loop goes on.
    const std::function<void(ColorPickerDialog&)> nested[] = {
        [](ColorPickerDialog&) {},
        [](ColorPickerDialog& d) { d.OnPal(); },
        [](ColorPickerDialog& d) { d.OnSysCommand(ColorPickerDialog::IDM_ABOUTBOX); },
        [](ColorPickerDialog& d) { d.ShowSystemMenu(QPoint(5, 5)); },
    };
    int round = 0;
    for (const auto& open : nested) {
        for (int quit : {SIGTERM, SIGHUP, SIGINT}) {
            QFile::remove(FileName());
            colorState = ColorState();
            const int value = quit + 100 * ++round;
            Run([quit, value, &open](ColorPickerDialog& dialog) {
                colorState.current = uint32_t(value);
                dialog.UpdateControls(0);
                QTimer::singleShot(0, [quit] { raise(quit); });  // handled on the innermost event loop
                open(dialog);
            });
            EXPECT_EQ(Stored("BackColor"), QString::number(value)) << quit;
            for (const QWidget* window : QApplication::topLevelWidgets())
                EXPECT_FALSE(window->isVisible()) << quit;
        }
    }
}

TEST_F(SettingsTest, ASaveOvertakenByAnotherWriterMergesAgain)
{
    const auto stores = TwoAtStart("[Settings]\nForeColor=1\nBackColor=2\n");
    SettingsStore& stopped = *stores[0];
    SettingsStore& ahead = *stores[1];
    const QString section = QStringLiteral("Settings");
    stopped.WriteProfileInt(section, QStringLiteral("ForeColor"), 7);
    ahead.WriteProfileInt(section, QStringLiteral("BackColor"), 8);
    // The first is held up after reading (as when stopped); the other one
    // waits out its lock and saves meanwhile.
    bool once = false;
    SetSaveFaultForTesting([&](SaveStep step) {
        if (step == SaveStep::Sync && !std::exchange(once, true)) {
            EXPECT_TRUE(ahead.Flush());
        }
        return 0;
    });
    EXPECT_TRUE(stopped.Flush());
    SetSaveFaultForTesting(nullptr);
    EXPECT_EQ(Stored("ForeColor"), "7");
    EXPECT_EQ(Stored("BackColor"), "8");
}

TEST_F(SettingsTest, TheContrastStripIsShownUnlessStoredHidden)
{
    for (const auto& [stored, shown] : {std::pair{"", true}, {"ShowContrast=0\n", false},
                                        {"ShowContrast=yes\n", true}, {"ShowContrast=1\n", true}}) {
        WriteFile(QByteArray("[Settings]\n") + stored);
        bool wasShown = false;
        Run([&wasShown](ColorPickerDialog& dialog) {
            wasShown = dialog.contrastShown;
            dialog.ShowContrast(!dialog.contrastShown);  // the menu entry, toggled
            dialog.reject();
        });
        EXPECT_EQ(wasShown, shown) << stored;
        EXPECT_EQ(Stored("ShowContrast"), shown ? "0" : "1") << stored;
    }
}

TEST_F(SettingsTest, WritingReplacesTheFileWhole)
{
    WriteFile("[Settings]\nForeColor=255\nBackColor=65280\n");
    SettingsStore store(QStringLiteral("Kavon"), application);
    store.WriteProfileInt(QStringLiteral("Settings"), QStringLiteral("ForeColor"), 1);
    ASSERT_TRUE(store.Flush());
    EXPECT_EQ(Stored("ForeColor"), "1");
    EXPECT_EQ(Stored("BackColor"), "65280");
    // The new file was written beside the old one and renamed into place.
    const QStringList left =
        QDir(QFileInfo(FileName()).path()).entryList({application + QStringLiteral(".conf*")}, QDir::Files);
    for (const QString& name : left)
        EXPECT_TRUE(name == QFileInfo(FileName()).fileName() || name.endsWith(QStringLiteral(".lock")))
            << name.toStdString();
}

}  // namespace
}  // namespace tonik
