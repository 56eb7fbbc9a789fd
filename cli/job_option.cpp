#include "cli/job_option.h"

#include <algorithm>

#include "app/ordered_blocks.h"

namespace {

// More threads than this only cost memory.
constexpr int32_t kMaxJobs = 256;

} // namespace

const OptionSpec kJobsOption{"--jobs", ValueKind::Integer, "N",
                             "work on N threads (default: as many as the processor runs)"};

std::optional<std::string> JobsOption(const ParsedArgs& args, const CommandSyntax& syntax,
                                      unsigned& jobs) {
    jobs = DefaultJobs();
    const ParsedOption* option = args.Last(kJobsOption.name);
    if (option == nullptr) {
        return std::nullopt;
    }
    if (option->integer < 1) {
        return CommandMessage(syntax, TextId::CliOptionOneOrMore,
                              {kJobsOption.name, option->value});
    }
    jobs = static_cast<unsigned>(std::min(option->integer, kMaxJobs));
    return std::nullopt;
}
