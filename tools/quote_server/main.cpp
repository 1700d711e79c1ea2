// The quote server on the command line:
//     quote_server --dir FOLDER [--port N] [--paging service|every|never]
//                  [--stall-ms N] [--drip] [--html] [--redirect-to URL]
//                  [--redirect-loop] [--status N] [--endless] [--reset]
// It listens on 127.0.0.1 only, prints the address it serves on and runs
// until interrupted. FOLDER holds one SYMBOL.csv per symbol.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

#include "tools/quote_server/QuoteServer.h"

namespace {

int Usage() {
    std::cerr << "usage: quote_server --dir FOLDER [--port N] [--paging service|every|never]\n"
                 "                    [--stall-ms N] [--drip] [--html] [--redirect-to URL]\n"
                 "                    [--redirect-loop] [--status N] [--endless] [--reset]\n"
                 "Serves GET /table.csv?...&s=SYMBOL&y=OFFSET on 127.0.0.1 from FOLDER/SYMBOL.csv,\n"
                 "and the symbol lookup /l and exchanges /sd pages.\n"
                 "--port 0 (the default) picks a free port.\n"
                 "--paging service (the default) cuts replies to pages of 200 rows only for a\n"
                 "symbol with a one- or two-letter suffix after a dot, not .OB, as the service\n"
                 "does; every pages every symbol and never none, as a misbehaving service would.\n"
                 "--endless answers every GET with rows that never end and no Content-Length.\n"
                 "--reset reads each request and breaks the connection off with a reset.\n";
    return 2;
}

int Number(const std::string& text) {
    std::size_t used = 0;
    int value = std::stoi(text, &used);
    if (used != text.size() || value < 0) throw std::invalid_argument(text);
    return value;
}

quote_server::Paging PagingMode(const std::string& text) {
    if (text == "service") return quote_server::Paging::Service;
    if (text == "every") return quote_server::Paging::EverySymbol;
    if (text == "never") return quote_server::Paging::Never;
    throw std::invalid_argument(text);
}

}  // namespace

int main(int argc, char** argv) {
    quote_server::Options options;
    try {
        for (int i = 1; i < argc; ++i) {
            std::string arg = argv[i];
            auto value = [&]() -> std::string {
                if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
                return argv[++i];
            };
            if (arg == "--dir") options.folder = value();
            else if (arg == "--port") options.port = Number(value());
            else if (arg == "--stall-ms") options.stallMs = Number(value());
            else if (arg == "--drip") options.drip = true;
            else if (arg == "--html") options.html = true;
            else if (arg == "--paging") options.paging = PagingMode(value());
            else if (arg == "--redirect-to") options.redirectTo = value();
            else if (arg == "--redirect-loop") options.redirectLoop = true;
            else if (arg == "--status") options.status = Number(value());
            else if (arg == "--endless") options.endless = true;
            else if (arg == "--reset") options.reset = true;
            else return Usage();
        }
    } catch (const std::exception&) {
        return Usage();
    }
    if (options.folder.empty() || options.port > 65535 || (options.status != 0 && (options.status < 100 || options.status > 599)))
        return Usage();
    if (std::error_code error; !std::filesystem::is_directory(options.folder, error)) {
        std::cerr << "quote_server: " << options.folder.string() << " is not a folder\n";
        return 1;
    }

    // Signals wait for sigwait here instead of killing the server thread.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    try {
        quote_server::Server server(options);
        server.Start();
        std::cout << "Serving " << options.folder.string() << " on http://127.0.0.1:" << server.Port() << "/" << std::endl;
        int signal = 0;
        sigwait(&signals, &signal);
        server.Stop();
    } catch (const std::exception& e) {
        std::cerr << "quote_server: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
