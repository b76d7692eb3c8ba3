#pragma once

// Window layouts are designed in twips: 1440 to the inch, 15 to a pixel at
// 96 dpi. Qt works in device-independent pixels, which are those pixels.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}
