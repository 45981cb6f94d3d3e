#include "platform/qt/QtApplicationGuard.h"

#include "platform_qt/qt_test_support.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

// The test environment made the application: later guards leave it alone.
TEST(QtApplicationGuard, KeepsAnExistingApplication) {
    QCoreApplication* const existing = QCoreApplication::instance();
    ASSERT_NE(existing, nullptr);
    EXPECT_NE(qobject_cast<QGuiApplication*>(existing), nullptr);
    {
        const QtApplicationGuard nested;
        EXPECT_FALSE(nested.OwnsApplication());
        EXPECT_EQ(QCoreApplication::instance(), existing);
    }
    EXPECT_EQ(QCoreApplication::instance(), existing);
}

// Without a display the offscreen platform is chosen, so fonts and images work anywhere.
TEST(QtApplicationGuard, RunsWithoutADisplay) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        EXPECT_EQ(QGuiApplication::platformName(), "offscreen");
    }
    QFont font("Andika");
    EXPECT_GT(QFontMetricsF(font).height(), 0);
}
