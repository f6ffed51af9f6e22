// QtTestEnvironment: the GUI application object that tests drawing text,
// measuring fonts or decoding images need. Including this header registers a
// GoogleTest environment that creates one QGuiApplication before the first
// test (on the offscreen platform unless QT_QPA_PLATFORM says otherwise, so
// tests run without a display) and destroys it after the last. Any number of
// test files of one executable may include it; the application is made once.
#pragma once

#include <QGuiApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <memory>

class QtTestEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (QGuiApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        FApplication = std::make_unique<QGuiApplication>(FArgc, FArgv);
    }
    void TearDown() override { FApplication.reset(); }

private:
    // QGuiApplication keeps references to these for its whole life.
    int FArgc = 1;
    char FName[16] = "calorix-tests";
    char* FArgv[2] = {FName, nullptr};
    std::unique_ptr<QGuiApplication> FApplication;
};

// GoogleTest takes ownership of the environment; the inline variable makes
// the registration happen once per executable.
inline testing::Environment* const QtTestEnvironmentInstance =
    testing::AddGlobalTestEnvironment(new QtTestEnvironment);
