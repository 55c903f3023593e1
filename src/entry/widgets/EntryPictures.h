// The pictures on the buttons of the entry windows, from this library's
// own resources.
#pragma once

#include <QIcon>

// `name` is a picture of resources/icons without ".svg".
QIcon EntryPicture(const char* name);
