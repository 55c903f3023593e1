// The base of the program's windows: its OK and Cancel buttons close the
// window as the user expects, and F1 asks for the help of the control under
// focus or, without one, of the window.
#include "ui/platform/ProgramDialog.h"

#include "support/ScriptedDialogs.h"
#include "support/TestApplication.h"
#include "ui/platform/HelpTopic.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kWindowTopic = 1017;
constexpr int kFieldTopic = 1004;

// A window with two fields, the first with a topic of its own.
class SampleWindow : public ProgramDialog {
public:
    SampleWindow(int topic, bool withCancel) : ProgramDialog(nullptr, topic) {
        auto* layout = new QVBoxLayout(this);
        for (const char* name : {"WithTopic", "WithoutTopic"}) {
            auto* field = new QLineEdit(this);
            field->setObjectName(QLatin1String(name));
            layout->addWidget(field);
        }
        SetHelpTopic(*Field("WithTopic"), kFieldTopic);
        layout->addWidget(MakeButtons(withCancel ? Buttons::OkCancel : Buttons::OkOnly));
    }
    QLineEdit* Field(const char* name) const { return findChild<QLineEdit*>(QLatin1String(name)); }
};

QPushButton* Button(QDialog& window, const char* name) { return window.findChild<QPushButton*>(QLatin1String(name)); }

class ProgramDialogTest : public ::testing::Test {
protected:
    ProgramDialogTest() { TestApplication(); }
    // Runs the window through the seam with `step` as the user's part.
    int Run(QDialog& window, ScriptedDialogs::WindowStep step) {
        dialogs.windows.enqueue(std::move(step));
        return AppDialogs().Exec(window);
    }
    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(ProgramDialogTest, OkAcceptsAndCancelOrEscapeRejects) {
    struct Case {
        const char* what;
        std::function<void(QDialog&)> step;
        int result;
    };
    const Case cases[] = {
        {"OK", [](QDialog& w) { QTest::mouseClick(Button(w, "OKButton"), Qt::LeftButton); }, QDialog::Accepted},
        {"Enter", [](QDialog& w) { QTest::keyClick(&w, Qt::Key_Return); }, QDialog::Accepted},
        {"Отмена", [](QDialog& w) { QTest::mouseClick(Button(w, "CancelButton"), Qt::LeftButton); }, QDialog::Rejected},
        {"Escape", [](QDialog& w) { QTest::keyClick(&w, Qt::Key_Escape); }, QDialog::Rejected},
    };
    for (const Case& c : cases) {
        SampleWindow window(0, true);
        EXPECT_EQ(Run(window, c.step), c.result) << c.what;
    }
}

TEST_F(ProgramDialogTest, ButtonsReadOkAndOtmena) {
    SampleWindow both(0, true);
    EXPECT_EQ(Button(both, "OKButton")->text(), QStringLiteral("OK"));
    EXPECT_EQ(Button(both, "CancelButton")->text(), QStringLiteral("Отмена"));
    SampleWindow okOnly(0, false);
    EXPECT_EQ(Button(okOnly, "CancelButton"), nullptr);
}

TEST_F(ProgramDialogTest, F1ShowsTheHelpOfTheFocusedControlOrOfTheWindow) {
    struct Case {
        int windowTopic;
        const char* focus;
        QStringList help;
    };
    const Case cases[] = {
        {kWindowTopic, "WithTopic", {QString::number(kFieldTopic)}},
        {kWindowTopic, "WithoutTopic", {QString::number(kWindowTopic)}},
        {0, "WithoutTopic", {}},
    };
    for (const Case& c : cases) {
        ScriptedDialogs seen;
        SampleWindow window(c.windowTopic, true);
        seen.windows.enqueue([&](QDialog&) {
            window.Field(c.focus)->setFocus();
            QTest::keyClick(window.Field(c.focus), Qt::Key_F1);
            window.reject();
        });
        AppDialogs().Exec(window);
        QStringList help;
        for (const ShownBox& box : seen.Shown(ShownBox::Kind::Help)) help.append(box.text);
        EXPECT_EQ(help, c.help) << c.windowTopic << " " << c.focus;
    }
}
