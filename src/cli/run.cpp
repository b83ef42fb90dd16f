#include "cli/run.h"

#include "cli/args.h"
#include "cli/commands.h"

namespace tessomar::cli {

std::string errorLine(const Error& e) {
    return "tessomar-calc: " + (e.where.empty() ? "" : e.where + ": ") + e.what + "\n";
}

Outcome refused(const Error& error) { return {kBadInput, {}, errorLine(error), {}, {}}; }

Outcome run(const std::vector<std::string>& args, const FileReader& read) {
    const Parsed parsed = parse(args);
    if (!parsed.ok()) return refused(*parsed.error);
    const Request& r = parsed.request;
    if (r.help) return {kDone, usage(), {}, {}, {}};
    for (const CommandRow& c : commands())
        if (c.command == r.command) return c.run(r, read);
    return refused({"", "no command"});
}

} // namespace tessomar::cli
