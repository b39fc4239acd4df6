#pragma once
// The subcommands of `tablewise`. Each returns the exit status.

namespace cli {

int contentCommand(int argc, char** argv);
int adviseCommand(int argc, char** argv);
int postflopCommand(int argc, char** argv);
int replayCommand(int argc, char** argv);
int chartCommand(int argc, char** argv);
int equityCommand(int argc, char** argv);
int boardCommand(int argc, char** argv);
int rangeCommand(int argc, char** argv);
int importCommand(int argc, char** argv);
int reviewCommand(int argc, char** argv);
int drillCommand(int argc, char** argv);

} // namespace cli
