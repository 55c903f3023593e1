// The About window closes by itself on its 31st tick, at once on a click
// on its picture, and counts anew each time it is shown.
#include "ui/platform/AboutBox.h"

#include "support/TestApplication.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        timer = box.findChild<QTimer*>(QStringLiteral("Timer"));
        ASSERT_NE(timer, nullptr);
    }

    void Tick(int count) {
        for (int i = 0; i < count; ++i) QMetaObject::invokeMethod(timer, "timeout");
    }

    VemoApplication& application = TestApplication();
    TAboutBox box;
    QTimer* timer = nullptr;
};

TEST_F(AboutBoxTest, ClosesItselfOnTheThirtyFirstTick) {
    EXPECT_TRUE(timer->isActive());

    Tick(30);
    EXPECT_TRUE(box.isVisible());
    Tick(1);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(AboutBoxTest, ClosesAtOnceOnAClickOnItsPicture) {
    QWidget* picture = box.findChild<QWidget*>(QStringLiteral("ProgramIcon"));
    ASSERT_NE(picture, nullptr);
    Tick(3);
    QTest::mouseClick(picture, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(AboutBoxTest, CountsAgainFromTheStartWhenShownAgain) {
    Tick(20);
    box.accept();
    box.show();
    Tick(30);
    EXPECT_TRUE(box.isVisible());
    Tick(1);
    EXPECT_FALSE(box.isVisible());
}

}  // namespace
