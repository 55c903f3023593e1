// What the tests of the output windows share: the application, a folder of
// their own (where the file dialogs start), the scripted dialogs, and the
// window's controls found by name and clicked.
#pragma once

#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/TestApplication.h"

#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

class OutputWindowTest : public ::testing::Test {
protected:
    // The window under test.
    virtual QWidget& Window() const = 0;

    QString Folder() const { return QString::fromStdString(FDir.Path().string()); }
    QString File(const char* name) const { return QString::fromStdString(FDir.File(name)); }

    template <class T>
    T* Child(const char* name) const {
        auto* child = Window().findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Click(const char* button) { QTest::mouseClick(Child<QToolButton>(button), Qt::LeftButton); }

    VemoApplication& FApplication = TestApplication();
    TempDir FDir;
    ScriptedDialogs FDialogs;
};
