#include "automation/AutomationServer.h"

#include "automation/App.h"
#include "automation/AutomationTypes.h"
#include "automation/IVemoAdaptor.h"
#include "ui/TFormMain.h"

#include <QDBusConnection>

// The object is on the bus before the name: a client started by the bus
// waits for the name and may call at once.
AutomationServer::AutomationServer(TFormMain& form) : FApp(std::make_unique<App>(form.Parts())) {
    RegisterAutomationTypes();
    new IVemoAdaptor(FApp.get());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(kObjectPath, FApp.get())) return;
    FRegistered = bus.registerService(kServiceName);
    if (!FRegistered) bus.unregisterObject(kObjectPath);
}

AutomationServer::~AutomationServer() {
    if (!FRegistered) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(kServiceName);
    bus.unregisterObject(kObjectPath);
}
