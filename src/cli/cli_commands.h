#pragma once

#include "cli/cli.h"

extern const CliCommand kArtworkCommand;
extern const CliCommand kRenderCommand;
extern const CliCommand kCheckCommand;
extern const CliCommand kFormatCommand;
extern const CliCommand kInfoCommand;
extern const CliCommand kPackCommand;
extern const CliCommand kDiffCommand;
extern const CliCommand kMergeCommand;
