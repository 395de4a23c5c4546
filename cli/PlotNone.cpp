#include "Plot.h"

namespace zandrel::cli {

bool WritePlot(const Report&, const std::string&, std::string& error) {
    error = "this build of zandrel-cli has no plotting (Qt Charts was not found)";
    return false;
}

}  // namespace zandrel::cli
