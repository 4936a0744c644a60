#pragma once
// The 16-class resistivity colour scale of the section: class bounds from the two limits, class
// colours box by box or from three key colours.

namespace ohmira {

// Writes the lower bound of each class into the class boxes Text101..Text116.
void affiche_resistivity();

// Builds the 16 class colours from the nine channel boxes Text120..Text128: key colour 1 runs to
// key colour 2 over classes 1..8, key colour 2 to key colour 3 over classes 9..16.
void calcul_RGB();

// Click of a class box (class 1..16): the colour dialog sets its colour; a cancel keeps it.
void class_box_click(int k);
// Click of a key-colour box (1..3): the colour dialog sets it, its channels follow, then the
// classes are rebuilt.
void key_box_click(int key);
// A channel box (key 1..3, channel 0..2) left: its value is kept within 0..255, then the classes
// are rebuilt.
void channel_box_done(int key, int channel);

// The channels of a colour number (red + 256 green + 65536 blue), and back.
struct Rgb {
    int r = 0, g = 0, b = 0;
};
Rgb split_colour(int colour);
int rgb_colour(int r, int g, int b); // each channel taken within 0..255

} // namespace ohmira
