#include "support/Frames.h"

namespace dorv::test {

std::vector<CatFrame> WithoutStatusRequests(const std::vector<CatFrame> &frames)
{
    std::vector<CatFrame> out;
    for (const CatFrame &frame : frames) {
        if (frame[4] != Opcode::RxStatus && frame[4] != Opcode::TxStatus) {
            out.push_back(frame);
        }
    }
    return out;
}

} // namespace dorv::test
