// The application object window tests run in, created on first use.
#pragma once

#include "ui/platform/VemoApplication.h"

#include <QByteArray>

VemoApplication& TestApplication();

// Sets an environment variable for the life of the object, then puts the
// previous value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* FName;
    bool FWasSet;
    QByteArray FPrevious;
};
