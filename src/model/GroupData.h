// A group of teams. Membership is decided by the group's name: two group
// objects with equal names are the same group for filtering, saving and
// deleting.
#pragma once

#include <string>

struct TGroupData {
    std::string Name;
};
