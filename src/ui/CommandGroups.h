// One object of each group of commands, all built on the window's parts,
// found by their class: commands.Get<FileCommands>().
#pragma once

struct MainParts;

template <class... Groups>
class CommandGroups : private Groups... {
public:
    explicit CommandGroups(MainParts& parts) : Groups(parts)... {}

    template <class Group>
    Group& Get() {
        return *this;
    }
};
