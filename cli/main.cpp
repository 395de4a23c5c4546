// zandrel-cli: runs the searches of zandrel and zandrelbench without a window.
#include <CLI/CLI.hpp>

#include "Commands.h"

int main(int argc, char** argv) {
    CLI::App app{"zandrel-cli: find the primes up to a bound and show what the search cost"};
    app.require_subcommand(1);

    int exitCode = 0;
    zandrel::cli::RunOptions runOptions;
    zandrel::cli::SweepOptions sweepOptions;
    zandrel::cli::VerifyOptions verifyOptions;
    zandrel::cli::SetupRun(app, runOptions, exitCode);
    zandrel::cli::SetupSweep(app, sweepOptions, exitCode);
    zandrel::cli::SetupVerify(app, verifyOptions, exitCode);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help and version exit 0; every usage error exits 2.
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    return exitCode;
}
