#pragma once

namespace Corvane::Cli {

class CommandLine;

// Each subcommand returns the process exit status; bad input throws UsageError.
int runCollections(CommandLine &commandLine);
int runSearch(CommandLine &commandLine);
int runComplete(CommandLine &commandLine);
int runPick(CommandLine &commandLine);
int runNearest(CommandLine &commandLine);
int runBuildCollection(CommandLine &commandLine);
int runPalette(CommandLine &commandLine);
int runCapture(CommandLine &commandLine);

} // namespace Corvane::Cli
