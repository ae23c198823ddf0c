// The telnet com-port codec, fed what a far end might send, in pieces of any size. Whatever
// comes, the CAT bytes taken out and the answers given are the same however the bytes were
// split; the answers carry no CAT bytes and stay in proportion to what came (no answer
// loop); and CAT bytes escaped for the wire come back out unchanged.

#include "FuzzCheck.h"
#include "cat/ComPortControl.h"

using namespace dorv;
using namespace dorv::fuzz;

namespace {

struct Outcome {
    Bytes data;
    Bytes answer;
    int confirmedRate = 0;
    bool lineSet = false;
};

Outcome Feed(const std::vector<Bytes> &pieces)
{
    ComPortControl control(38400);
    Outcome out;
    out.answer = control.Greeting();
    for (const Bytes &piece : pieces) {
        const Bytes data = control.Receive(piece, out.answer);
        out.data.insert(out.data.end(), data.begin(), data.end());
    }
    out.confirmedRate = control.confirmedRate();
    out.lineSet = control.lineSet();
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputReader input(data, size);
    const std::size_t pieceSize = 1 + input.byte() % 16;
    const std::string restText = input.rest();
    const Bytes wire(restText.begin(), restText.end());

    std::vector<Bytes> pieces;
    for (std::size_t at = 0; at < wire.size(); at += pieceSize) {
        pieces.emplace_back(wire.begin() + static_cast<std::ptrdiff_t>(at),
                            wire.begin() +
                                static_cast<std::ptrdiff_t>(std::min(at + pieceSize, wire.size())));
    }
    const Outcome whole = Feed({wire});
    const Outcome split = Feed(pieces);
    Require(whole.data == split.data && whole.answer == split.answer &&
                whole.confirmedRate == split.confirmedRate && whole.lineSet == split.lineSet,
            "the bytes split anywhere give the same data and answers");
    Require(whole.data.size() <= wire.size(), "no CAT byte is made up");
    Require(whole.answer.size() <= 64 + 16 * wire.size(), "answers stay in proportion");

    ComPortControl reader(9600);
    Bytes ignored;
    Require(reader.Receive(whole.answer, ignored).empty(), "answers carry no CAT bytes");
    Require(reader.Receive(ComPortControl::Escape(wire), ignored) == wire,
            "escaped CAT bytes come back unchanged");
    return 0;
}
