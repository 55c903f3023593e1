// A list of named, typed parameters kept in one scrambled file. The key
// that wrote a file must be given to read it back; the file's check bytes
// refuse another key, or a file whose length has changed.
#pragma once

#include "settings/LumParam.h"
#include "settings/LumSettingsError.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TLumSettings {
public:
    static constexpr int kMaxParams = 5000;
    // What IndexOf answers for a name it does not find: one past the last
    // position the list can have.
    static constexpr int kNotFound = kMaxParams + 1;

    const std::string& FileName() const { return FFileName; }
    void SetFileName(std::string fileName) { FFileName = std::move(fileName); }

    int Count() const { return static_cast<int>(FParams.size()); }
    // The parameter at `index`; code 4 outside 0..Count()-1.
    const TLumParam& Param(int index) const;

    // Position of the first parameter whose name equals `name` upper-cased
    // (Windows-1251, Cyrillic included), or kNotFound.
    int IndexOf(std::string_view name) const;
    bool ParamExists(std::string_view name) const { return IndexOf(name) != kNotFound; }

    // Append a parameter under the upper-cased name. Code 1 when the list is
    // full, 2 when the name is taken; AddString refuses a name starting with
    // '[' (code 3) and an empty name (ERangeError).
    void AddString(std::string_view name, std::string value);
    void AddInteger(std::string_view name, int32_t value);
    void AddBoolean(std::string_view name, bool value);

    // The value of the named parameter; code 5 when there is none, 6 when it
    // is of another kind.
    std::string GetString(std::string_view name) const;
    int32_t GetInteger(std::string_view name) const;
    bool GetBoolean(std::string_view name) const;

    void Clear() { FParams.clear(); }

    // The file's bytes for the whole list; code 7 when the list is empty.
    std::string SaveToBytes(std::string_view key) const;
    // Replaces FileName whole, or leaves it as it was when anything fails
    // (code 7, code 8 when the new file cannot be created, EIntOverflow,
    // EInOutError).
    void SaveToFile(std::string_view key) const;

    // Replace the list with the file's parameters. A refused file leaves the
    // list as it was: code 9 when FileName cannot be opened, code 10 when
    // the check bytes do not match, EInOutError, EConvertError or
    // EIntOverflow for a damaged file.
    void LoadFromFile(std::string_view key);
    void LoadFromBytes(std::string_view bytes, std::string_view key);

private:
    void CheckCanAdd(std::string_view name) const;
    TLumParam& Append(std::string_view name, uint8_t kind);
    const TLumParam& Find(std::string_view name, uint8_t kind) const;

    std::string FFileName;
    std::vector<TLumParam> FParams;
};
