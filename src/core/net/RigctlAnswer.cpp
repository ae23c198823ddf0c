#include "net/RigctlAnswer.h"

namespace dorv {

namespace {

std::string ResultLine(int code)
{
    return "RPRT " + std::to_string(code) + "\n";
}

std::string Header(const RigctlRequest &request, char sep)
{
    std::string header = request.Command + ":";
    for (const std::string &arg : request.Args) {
        header += " " + arg;
    }
    return header + sep;
}

} // namespace

std::string UnknownCommandAnswer()
{
    return ResultLine(RigUnavailable);
}

std::string FormatRigctlAnswer(const RigctlRequest &request, const RigctlAnswer &answer)
{
    if (answer.Bare) {
        return answer.Text;
    }
    if (request.Prefix == 0) {
        if (answer.Code != RigOk || (answer.Values.empty() && answer.Text.empty())) {
            return ResultLine(answer.Code);
        }
        std::string out = answer.Text;
        for (const auto &value : answer.Values) {
            out += value.second + "\n";
        }
        return out;
    }
    const char sep = RigctlSeparator(request.Prefix);
    std::string out = Header(request, sep) + answer.Text;
    if (answer.Code == RigOk) {
        for (const auto &[label, value] : answer.Values) {
            out += (label.empty() ? value : label + ": " + value) + sep;
        }
    }
    return out + ResultLine(answer.Code);
}

} // namespace dorv
