// Every region of media/ele.png that the game draws from. The generator paints
// the art for these rectangles, the contact sheet outlines them and the media
// test checks that each lies inside the sheet. Keep them in step with the
// drawing code of the screens.
#pragma once

namespace media {

struct AtlasRegion {
    const char* name;
    int x, y, w, h;
    const char* use;
};

inline constexpr AtlasRegion kAtlasRegions[] = {
    {"title", 60, 530, 610, 277, "title artwork, drawn at (210,100) on the title screen"},
    {"shade-pixel", 320, 700, 1, 1, "solid colour of the roll's light edge and haze (inside the title art)"},
    {"label-plate", 67, 325, 135, 66, "plate left of the move counter, stretched to 150x54"},
    {"bottom-bar", 67, 325, 605, 70, "bar under the board, stretched to 780x54"},
    {"top-band", 80, 368, 200, 35, "band between counter and tabs, stretched to 500x35"},
    {"counter-badge", 60, 450, 77, 77, "round badge behind the move count"},
    {"level-tab", 355, 395, 154, 54, "level tab; also the start-menu entry plate (200x60)"},
    {"tab-marker", 527, 407, 115, 25, "lit marker on the current level's tab"},
    {"progress-mark", 530, 406, 40, 26, "progress mark, drawn 32x13 mirrored both ways"},
    {"progress-slot", 206, 454, 34, 15, "empty slot of the progress strip"},
    {"exit-button", 166, 472, 138, 38, "exit button plate, stretched to 110x27"},
    {"newgame-button", 469, 473, 127, 31, "new-game button; caption written at (535,478)"},
    {"newgame-fade", 466, 470, 138, 41, "new-game button with its margin, faded in on the final screen"},
    {"banner", 65, 400, 285, 46, "solved-picture banner, stretched up to 558x46"},
    {"thumb-frame", 460, 200, 150, 110, "frame drawn over each 140x100 thumbnail"},
    {"thumb-mark", 460, 178, 12, 12, "small mark at the top edge of a thumbnail"},
    {"fade-square", 350, 470, 40, 40, "opaque square stretched for the fade from black"},
    {"edge-strip-left", 30, 0, 30, 710, "left edge strip of the side panel"},
    {"edge-strip-right", 0, 0, 55, 710, "right edge strip, drawn mirrored and squeezed to 50"},
};

// The sheet covers every region with a little room to spare.
inline constexpr int kAtlasWidth = 680;
inline constexpr int kAtlasHeight = 816;

}  // namespace media
