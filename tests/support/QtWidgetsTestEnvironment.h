// QtWidgetsTestEnvironment: the widget application object that tests of
// widgets (the grid, its views, editors) need. Including this header
// registers a GoogleTest environment that creates one QApplication before
// the first test (on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise, so tests run without a display) and destroys it after the
// last. Any number of test files of one executable may include it; the
// application is made once. Do not mix it with QtTestEnvironment.h in one
// executable: widgets need the QApplication this one makes.
#pragma once

#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <memory>

class QtWidgetsTestEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (QCoreApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        FApplication = std::make_unique<QApplication>(FArgc, FArgv);
    }
    void TearDown() override { FApplication.reset(); }

private:
    // QApplication keeps references to these for its whole life.
    int FArgc = 1;
    char FName[16] = "calorix-tests";
    char* FArgv[2] = {FName, nullptr};
    std::unique_ptr<QApplication> FApplication;
};

// GoogleTest takes ownership of the environment; the inline variable makes
// the registration happen once per executable.
inline testing::Environment* const QtWidgetsTestEnvironmentInstance =
    testing::AddGlobalTestEnvironment(new QtWidgetsTestEnvironment);
