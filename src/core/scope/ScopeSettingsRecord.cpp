#include "scope/ScopeSettingsRecord.h"

#include "scope/ScopeMenuChoices.h"

#include <algorithm>

namespace dorv {

Bytes EncodeScopeSettings(const ScopeSettingsRecord &r)
{
    Bytes bytes;
    ByteWriter out(bytes);
    for (std::int16_t field : {r.Valid, r.ActiveSearch, r.ContinuousScan, r.DisplayMode,
                               r.ScopeSpeed, r.Handles, r.WrapWidth, r.ColorFill}) {
        out.i16(field);
    }
    return bytes;
}

ScopeSettingsRecord DecodeScopeSettings(ByteView bytes)
{
    ByteReader in(bytes);
    ScopeSettingsRecord r;
    for (std::int16_t *field : {&r.Valid, &r.ActiveSearch, &r.ContinuousScan, &r.DisplayMode,
                                &r.ScopeSpeed, &r.Handles, &r.WrapWidth, &r.ColorFill}) {
        *field = in.i16();
    }
    return r;
}

namespace {

void Clamp(std::int16_t &value, int low, int high)
{
    value = static_cast<std::int16_t>(std::clamp<int>(value, low, high));
}

} // namespace

void ClampScopeSettings(ScopeSettingsRecord &r)
{
    Clamp(r.ActiveSearch, 0, kActiveSearchItems - 1);
    Clamp(r.ContinuousScan, 0, 1);
    Clamp(r.DisplayMode, 0, 1);
    Clamp(r.ScopeSpeed, 0, static_cast<int>(std::size(kScopeSpeedChoices)) - 1);
    Clamp(r.Handles, 0, kHandleItems - 1);
    Clamp(r.WrapWidth, 1, kWrapWidthItems);
    Clamp(r.ColorFill, 0, 1);
}

} // namespace dorv
