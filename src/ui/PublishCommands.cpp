#include "ui/PublishCommands.h"

#include "base/Errors.h"
#include "ui/LivePage.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/MainStatusBar.h"
#include "ui/TFormMain.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/ProgramDirectory.h"

#include <QDir>
#include <QFile>

using enum ActionId;

namespace {

MainStatusBar* StatusBar(TFormMain& form) { return qobject_cast<MainStatusBar*>(form.statusBar()); }

}  // namespace

// A folder that cannot be written is told in the status bar, never in a box
// that would stop the scorer; the notice goes once a write succeeds.
PublishCommands::PublishCommands(MainParts& parts) : FParts(parts), FPage(new LivePage(parts.document, &parts.form)) {
    QObject::connect(FPage, &LivePage::WriteFailed, &FParts.form, [this](const QString& folder) {
        if (MainStatusBar* bar = StatusBar(FParts.form))
            bar->ShowNotice(QStringLiteral("Не удается записать результаты в папку ") + QDir::toNativeSeparators(folder));
    });
    QObject::connect(FPage, &LivePage::Written, &FParts.form, [this] {
        if (MainStatusBar* bar = StatusBar(FParts.form)) bar->ClearNotice();
    });
}

void PublishCommands::ActPublishExecute() {
    if (!FParts.actions.Checked(ActPublish)) {
        Stop();
        SaveSettings();
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Папка для публикации результатов");
    request.directory = FSettings.Folder.empty() ? QDir::homePath() : QFile::decodeName(FSettings.Folder.c_str());
    const QString folder = AppDialogs().FolderName(request);
    if (folder.isEmpty()) {
        FParts.actions.SetChecked(ActPublish, false);
        return;
    }
    StartInto(folder);
    SaveSettings();
}

// An unreadable settings file is as good as none: publishing stays off.
void PublishCommands::LoadSettings() {
    try {
        FSettings = LoadPublishSettings(SettingsPath());
    } catch (const Exception&) {
        FSettings = {};
    }
    if (FSettings.LivePage && !FSettings.Folder.empty()) StartInto(QFile::decodeName(FSettings.Folder.c_str()));
}

void PublishCommands::StartInto(const QString& folder) {
    FSettings.LivePage = true;
    FSettings.Folder = QFile::encodeName(folder).toStdString();
    FParts.actions.SetChecked(ActPublish, true);
    FPage->Start(folder);
}

void PublishCommands::Stop() {
    FSettings.LivePage = false;
    FPage->Stop();
    if (MainStatusBar* bar = StatusBar(FParts.form)) bar->ClearNotice();
}

// The choice is the scorer's own, so a failure to keep it is told.
void PublishCommands::SaveSettings() {
    bool saved = false;
    try {
        saved = SavePublishSettings(SettingsPath(), FSettings);
    } catch (const Exception&) {
        saved = false;
    }
    if (!saved)
        AppDialogs().ErrorBox(QStringLiteral("Не удается сохранить настройку публикации:\r") +
                                  QFile::decodeName(SettingsPath().c_str()),
                              QStringLiteral("Ошибка"));
}

std::string PublishCommands::SettingsPath() const {
    return PublishSettingsPath(QFile::encodeName(ProgramDirectory()).toStdString());
}
