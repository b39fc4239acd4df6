#pragma once
// The argument reading of each `tablewise` command on its own, without the
// work: what the option parser's fuzzer runs. Each reads the arguments as its
// command does (argv[1] is the command's name) and throws UsageError when
// they are wrong; none writes anything.

namespace cli {

void readAdviseArguments(int argc, char** argv);
void readPostflopArguments(int argc, char** argv);
void readChartArguments(int argc, char** argv);
void readEquityArguments(int argc, char** argv);
void readBoardArguments(int argc, char** argv);
void readRangeArguments(int argc, char** argv);
void readImportArguments(int argc, char** argv);
void readReviewArguments(int argc, char** argv);
void readDrillArguments(int argc, char** argv);
void readReplayArguments(int argc, char** argv);
void readContentArguments(int argc, char** argv);

} // namespace cli
