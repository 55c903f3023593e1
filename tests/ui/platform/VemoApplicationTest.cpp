// An exception thrown from an event handler reaches the general error box,
// and the application goes on delivering events.
#include "ui/platform/VemoApplication.h"

#include "ui/text/AnsiText.h"
#include "base/Errors.h"
#include "support/ScriptedDialogs.h"
#include "support/TestApplication.h"

#include <QEvent>
#include <QObject>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Throws for the first three user events (the program's error, the standard
// library's, something else), handles the ones after.
class Thrower : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        ++received;
        if (received == 1) throw EInOutError(ToAnsi(QStringLiteral("Файл поврежден: Кубок.qgm")));
        if (received == 2) throw std::runtime_error("bad allocation");
        if (received == 3) throw 42;
        return true;
    }
    int received = 0;
};

class VemoApplicationTest : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }

    ScriptedDialogs dialogs;
};

TEST_F(VemoApplicationTest, ShowsAnExceptionFromAnEventHandlerAndGoesOn) {
    dialogs.ExpectError(QStringLiteral("Файл поврежден: Кубок.qgm"), QStringLiteral("ВеМо 2007"));
    dialogs.ExpectError(QStringLiteral("bad allocation"), QStringLiteral("ВеМо 2007"));
    dialogs.ExpectError(QStringLiteral("Неизвестная ошибка"), QStringLiteral("ВеМо 2007"));
    Thrower thrower;
    QEvent sent(QEvent::User);
    EXPECT_TRUE(QCoreApplication::sendEvent(&thrower, &sent));

    for (int i = 0; i < 3; ++i) QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::processEvents();

    EXPECT_EQ(thrower.received, 4);
}

}  // namespace
