#pragma once
// Command line of "vexamo-cli eval".
#include <cstdint>
#include <string>

#include "cli/commands.h"

struct EvalArgs {
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t timeZone = 1; // as the form starts
    bool southern = false;
    bool constZone = false;
    bool before1900 = false;
    bool json = false;
    bool help = false;
    bool version = false;
};

// Parses the arguments after "eval". Options may come before or among the five numbers; a
// negative number is a value, not an option. Returns false with a message on a usage error.
bool ParseEvalArgs(const Args& args, EvalArgs& out, std::string& error);
