// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // ctest lists the tests without the test environment; never try to
    // reach a display from a test binary.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // The offscreen platform warns about every raise() and keyboard grab,
    // and Qt 6.8 about a missing locale (as the game, this test reads no
    // locale-dependent text); those are expected here and would bury real
    // warnings.
    static const QtMessageHandler qtHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith(QLatin1String("This plugin does not support"))
                && !message.startsWith(QLatin1String("Detected locale \"")))
                qtHandler(type, context, message);
        });
    QApplication app(argc, argv);
    ui::installProcessWideSetUp();
    return RUN_ALL_TESTS();
}
