// Every group of the main window's commands. A subsystem's commands are one
// class here, built on MainParts; its windows stay in its widgets/ folder
// and get values from the command, never MainParts.
#pragma once

#include "ui/AnswerCommands.h"
#include "ui/ChampCommands.h"
#include "ui/CommandGroups.h"
#include "ui/CountCommands.h"
#include "ui/EditCommands.h"
#include "ui/EntryCommands.h"
#include "ui/FileCommands.h"
#include "ui/HallCommands.h"
#include "ui/OutputCommands.h"
#include "ui/ProgramCommands.h"
#include "ui/PublishCommands.h"
#include "ui/TimerCommands.h"
#include "ui/ViewCommands.h"

class MainCommands
    : public CommandGroups<FileCommands, ViewCommands, CountCommands, EditCommands, EntryCommands, TimerCommands,
                           ProgramCommands, HallCommands, OutputCommands, AnswerCommands, ChampCommands,
                           PublishCommands> {
public:
    using CommandGroups::CommandGroups;
};
