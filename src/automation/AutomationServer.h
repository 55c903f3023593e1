// The automation interface on the user's session bus: the object /App with
// the interface Vemo.IVemo under the service name Vemo.App, for the whole
// run of the program. Nothing listens anywhere else: without a session bus,
// or with the name already taken, the program runs without the interface.
#pragma once

#include <QString>

#include <memory>

class App;
class TFormMain;

class AutomationServer {
public:
    static inline const QString kServiceName = QStringLiteral("Vemo.App");
    static inline const QString kObjectPath = QStringLiteral("/App");

    explicit AutomationServer(TFormMain& form);
    ~AutomationServer();

    bool Registered() const { return FRegistered; }

private:
    std::unique_ptr<App> FApp;
    bool FRegistered = false;
};
