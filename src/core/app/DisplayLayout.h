#pragma once

#include "model/PanelState.h"

namespace dorv {

class Host;
struct PanelState;
struct RadioState;

// The "Display" menu: three window sizes, the LCD or the whole radio face, and two colour
// sets. Handlers compute the window's size, the display panel's place, fonts and readout
// digit sizes into the panel state; the GUI lays the window out from them. All lengths are
// in twips, 15 per pixel.
class DisplayLayout {
public:
    DisplayLayout(Host &host, RadioState &state, PanelState &panel)
        : host_(host), state_(state), panel_(panel)
    {
    }

    // Window width and face height the panel is designed at, in twips.
    static constexpr int kDesignWidth = 11940;
    static constexpr int kDesignHeight = 5015;
    static constexpr int kTwipsPerPixel = dorv::kTwipsPerPixel;

    // Start-up: the window at its design size, the reference of the first resize.
    void RecordDesignLayout();

    void mnuResizeDisplayArray_Click(int Index);
    // Lays the whole face out at `Width` twips, keeping the height-to-width ratio.
    void ResizeDisplay(int Width);
    // Chooses the face pictures of the current colour set. The faces are drawn as vectors
    // at any size, so only the colour set matters.
    void SelectInterfacePics();

    // The display's lit colour for a colour-set item (7 or 8).
    static Rgb DisplayLitColour(int DisplayColours);

private:
    struct Rect {
        double Left = 0, Top = 0, Width = 0, Height = 0;
    };

    void ChooseSize(int Index);
    void ChooseFace(int Index);
    void ChooseColours(int Index);
    void Tick(int first, int last, int Index);
    void ShowPanelRect();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;
    Rect panelRect_;        // SSPanel(0), unrounded so repeated resizes do not drift
    double innerWidth_ = 0; // the face size the last resize laid out
    double innerHeight_ = 0;
    double ratio_ = 0; // face height / width at design time
};

} // namespace dorv
