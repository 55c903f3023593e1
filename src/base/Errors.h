// Exceptions raised by the core. Model operations answer bad arguments with
// false or empty results; only file input/output, conversion of typed texts
// and hard limits are reported by throwing. Messages are Windows-1251 texts.
#pragma once

#include <stdexcept>
#include <string>

// The program's general exception: every error the core raises descends
// from it, so the windows can catch and show all of them in one place.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be read or written as a whole (short file, disk error).
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// A text that should hold a number but does not.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A value outside the range its field can hold.
class ERangeError : public Exception {
public:
    ERangeError() : Exception("Range check error") {}
    using Exception::Exception;
};
