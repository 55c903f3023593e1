// One application per test process, never destroyed: Qt must not be torn
// down by static destructors after the tests have run.
#include "support/TestApplication.h"

VemoApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "vemo-test";
    static char* argv[] = {name, nullptr};
    static auto* application = new VemoApplication(argc, argv);
    return *application;
}

ScopedEnvironment::ScopedEnvironment(const char* name, const QByteArray& value)
    : FName(name), FWasSet(qEnvironmentVariableIsSet(name)), FPrevious(qgetenv(name)) {
    qputenv(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (FWasSet)
        qputenv(FName, FPrevious);
    else
        qunsetenv(FName);
}
