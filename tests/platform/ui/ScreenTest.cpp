#include <gtest/gtest.h>
#include <unistd.h>

#include <QCursor>
#include <QGuiApplication>

#include "platform/ui/Clipboard.h"
#include "platform/ui/InstanceLock.h"
#include "platform/ui/Screen.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TEST(Screen, CursorGuardRestoresOnEveryPath) {
    EXPECT_EQ(Screen()->PixelsPerInch(), 96);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    try {
        TCursorGuard busy(crHourGlass);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            TCursorGuard hand(crHandPoint);
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
        }
        EXPECT_EQ(Screen()->Cursor(), crHourGlass);
        throw EAbort("");
    } catch (const EAbort&) {
    }
    EXPECT_EQ(Screen()->Cursor(), crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Clipboard, TextRoundTrip) {
    Clipboard()->SetAsText("Wavelength\t0.65");
    EXPECT_EQ(Clipboard()->AsText(), "Wavelength\t0.65");
}

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstLetsGo) {
    std::string folder = testing::TempDir() + "ui_lock_" + std::to_string(getpid());
    ASSERT_EQ(system(("mkdir -p " + folder).c_str()), 0);
    TInstanceLock first, second;
    ASSERT_TRUE(first.Acquire(folder));
    EXPECT_FALSE(second.Acquire(folder));  // another open of the same file
    EXPECT_FALSE(second.Held());
    first.Release();
    EXPECT_TRUE(second.Acquire(folder));
    EXPECT_FALSE(TInstanceLock().Acquire(folder + "/missing"));
    // The file is named after the program the test program gave.
    EXPECT_EQ(access((folder + "/.kavri320-tests.lock").c_str(), F_OK), 0);
    EXPECT_EQ(AlreadyRunningText(), "kavri320-tests is already running");
}

}  // namespace
