// Feeds untrusted bytes to the program's file readers, the way the fuzz
// targets and the regression tests both do. A reader may refuse the bytes
// (false, or an exception of the program's own kind); anything else escapes
// from here: a foreign exception, or a file read back differently from the
// way it was written (RoundTripFault).
#pragma once

#include <stdexcept>
#include <string_view>

enum class ReaderOutcome {
    Read,        // accepted, and written and read back to the same content
    NotThisKind, // the game reader found no signature it knows
    Refused,     // a typed error of the program
};

class RoundTripFault : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Reads the bytes as a game file, counts the game, saves it and reads it back.
ReaderOutcome FeedGameReader(std::string_view bytes);

// Reads the bytes as a parameter file with the program's key, then once more
// with check bytes that fit their length, so the records are read even when
// the check would refuse them. The outcome is the first reading's.
ReaderOutcome FeedSettingsReader(std::string_view bytes);
