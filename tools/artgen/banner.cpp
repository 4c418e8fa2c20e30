#include "banner.h"

#include "canvas.h"
#include "quantise.h"
#include "text.h"
#include "texture.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kInkBrown{92, 48, 24};
constexpr Rgb kSkin{255, 219, 180};
constexpr Rgb kHair{252, 212, 40};
constexpr Rgb kHairShade{196, 146, 16};
constexpr Rgb kRibbon{226, 32, 72};
constexpr Rgb kDollar{0, 128, 48};
constexpr Rgb kMouth{150, 22, 36};
constexpr Rgb kTongue{244, 110, 120};
constexpr Rgb kCheek{255, 140, 140};
constexpr Rgb kCheer{255, 222, 0};
constexpr Rgb kShirt{60, 110, 220};
constexpr Rgb kShirtShade{30, 60, 140};

// The oval and the face inside it.
constexpr double kOvalX = 86, kOvalY = 104, kOvalRx = 80, kOvalRy = 96;
constexpr double kHeadX = 86, kHeadY = 98, kHeadR = 45;

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void FillAndStroke(cairo_t* cr, Rgb fill, Rgb line, double width) {
    SetColour(cr, fill);
    cairo_fill_preserve(cr);
    SetColour(cr, line);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void Oval(cairo_t* cr) {
    Ellipse(cr, kOvalX + 2, kOvalY + 3, kOvalRx, kOvalRy); // soft shadow
    SetColour(cr, kBlack, 0.25);
    cairo_fill(cr);
    Ellipse(cr, kOvalX, kOvalY, kOvalRx, kOvalRy);
    FillAndStroke(cr, kWhite, kBlack, 2.5);
}

// One braided pigtail flying out from the side of the head (side -1 left,
// +1 right): three plaits, a loose tuft at the end, a ribbon bow at the root.
void Pigtail(cairo_t* cr, int side) {
    const double rootX = kHeadX + side * (kHeadR - 4), rootY = kHeadY - 8;
    const double angle = 0.95; // hanging down and out
    cairo_save(cr);
    cairo_translate(cr, rootX, rootY);
    cairo_scale(cr, side, 1); // draw the right one; the left is its mirror
    cairo_rotate(cr, angle);
    // The tuft, fanning out.
    cairo_new_path(cr);
    cairo_move_to(cr, 24, -5);
    cairo_line_to(cr, 38, -11);
    cairo_line_to(cr, 34, -3);
    cairo_line_to(cr, 41, 0);
    cairo_line_to(cr, 34, 3);
    cairo_line_to(cr, 38, 11);
    cairo_line_to(cr, 24, 5);
    cairo_close_path(cr);
    FillAndStroke(cr, kHair, kHairShade, 1.2);
    for (int i = 2; i >= 0; --i) { // outermost first, so inner plaits lie on top
        Ellipse(cr, 6 + 8.5 * i, 0, 7.5 - 0.7 * i, 6.5 - 0.6 * i);
        FillAndStroke(cr, kHair, kHairShade, 1.3);
    }
    // The ribbon bow where the pigtail leaves the head.
    const double bowX = 4;
    for (int wing = -1; wing <= 1; wing += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, bowX, 0);
        cairo_line_to(cr, bowX - 7, wing * 9);
        cairo_line_to(cr, bowX + 7, wing * 9);
        cairo_close_path(cr);
        FillAndStroke(cr, kRibbon, kInkBrown, 1.0);
    }
    Ellipse(cr, bowX, 0, 3, 3);
    FillAndStroke(cr, kRibbon, kInkBrown, 1.0);
    cairo_restore(cr);
}

void Face(cairo_t* cr) {
    cairo_save(cr);
    Ellipse(cr, kOvalX, kOvalY, kOvalRx - 2, kOvalRy - 2); // nothing leaves the oval
    cairo_clip(cr);
    // Neck and shoulders, in a blue shirt.
    cairo_rectangle(cr, kHeadX - 12, kHeadY + 30, 24, 30);
    FillAndStroke(cr, kSkin, kInkBrown, 1.5);
    Ellipse(cr, kHeadX, kHeadY + 100, 60, 42);
    FillAndStroke(cr, kShirt, kShirtShade, 2.0);
    cairo_new_path(cr); // the collar's V
    cairo_move_to(cr, kHeadX - 14, kHeadY + 59);
    cairo_line_to(cr, kHeadX, kHeadY + 74);
    cairo_line_to(cr, kHeadX + 14, kHeadY + 59);
    FillAndStroke(cr, kSkin, kShirtShade, 1.5);

    Ellipse(cr, kHeadX, kHeadY, kHeadR, kHeadR + 2);
    FillAndStroke(cr, kSkin, kInkBrown, 2.0);

    // Fringe: the top of the head, cut off by a zigzag.
    cairo_save(cr);
    Ellipse(cr, kHeadX, kHeadY, kHeadR, kHeadR + 2);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, kHeadX - kHeadR - 2, kHeadY - 12);
    const double fringeTop = kHeadY - 26;
    for (int i = 0; i <= 8; ++i) {
        const double x = kHeadX - kHeadR + i * (2.0 * kHeadR / 8);
        cairo_line_to(cr, x, i % 2 ? fringeTop + 2 : fringeTop - 8 + std::abs(i - 4) * 2.5);
    }
    cairo_line_to(cr, kHeadX + kHeadR + 2, kHeadY - 12);
    cairo_line_to(cr, kHeadX + kHeadR + 2, kHeadY - kHeadR - 4);
    cairo_line_to(cr, kHeadX - kHeadR - 2, kHeadY - kHeadR - 4);
    cairo_close_path(cr);
    FillAndStroke(cr, kHair, kHairShade, 1.5);
    cairo_restore(cr);
    Ellipse(cr, kHeadX, kHeadY, kHeadR, kHeadR + 2);
    SetColour(cr, kInkBrown);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    Pigtail(cr, -1);
    Pigtail(cr, +1);

    // Dollar signs for eyes.
    TextStyle dollar;
    dollar.weight = Weight::Bold;
    dollar.size = 25;
    dollar.fill = kDollar;
    CentredLine(cr, "$", dollar, kHeadX - 16, kHeadY + 2);
    CentredLine(cr, "$", dollar, kHeadX + 16, kHeadY + 2);

    // Rosy cheeks.
    Ellipse(cr, kHeadX - 29, kHeadY + 11, 7, 4);
    Ellipse(cr, kHeadX + 29, kHeadY + 11, 7, 4);
    SetColour(cr, kCheek, 0.7);
    cairo_fill(cr);

    // Nose.
    cairo_new_path(cr);
    cairo_arc(cr, kHeadX, kHeadY + 6, 3, 0.2 * kPi, 0.8 * kPi);
    SetColour(cr, kInkBrown);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    // The open, laughing mouth: a wide D lying on its flat side.
    const double mouthY = kHeadY + 14, mouthW = 22, mouthH = 21;
    auto mouthPath = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, kHeadX - mouthW, mouthY);
        cairo_curve_to(cr, kHeadX - mouthW, mouthY + mouthH * 1.3, kHeadX + mouthW,
                       mouthY + mouthH * 1.3, kHeadX + mouthW, mouthY);
        cairo_curve_to(cr, kHeadX + mouthW * 0.4, mouthY + 2, kHeadX - mouthW * 0.4, mouthY + 2,
                       kHeadX - mouthW, mouthY);
        cairo_close_path(cr);
    };
    mouthPath();
    SetColour(cr, kMouth);
    cairo_fill(cr);
    cairo_save(cr);
    mouthPath();
    cairo_clip(cr);
    cairo_rectangle(cr, kHeadX - mouthW, mouthY - 2, 2 * mouthW, 6); // teeth
    SetColour(cr, kWhite);
    cairo_fill(cr);
    Ellipse(cr, kHeadX, mouthY + mouthH, 11, 7); // tongue
    SetColour(cr, kTongue);
    cairo_fill(cr);
    cairo_restore(cr);
    mouthPath();
    SetColour(cr, kInkBrown);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Cheer(cairo_t* cr) {
    const double centreX = 245, middleY = 104, width = 148;
    TextStyle style;
    style.weight = Weight::Bold;
    style.italic = true;
    style.size = 36;
    style.fill = kCheer;
    style.outlineWidth = 4;
    style.outline = kBlack;
    const char* lines[] = {"Hooray!", "You Won!"};
    double size = style.size;
    for (const char* line : lines)
        size = std::min(size, FitSize(cr, line, style, width));
    style.size = size;
    // Tilted a little upwards, like a shout.
    cairo_save(cr);
    cairo_translate(cr, centreX, middleY);
    cairo_rotate(cr, -6.0 * kPi / 180.0);
    CentredLine(cr, lines[0], style, 0, -8);
    CentredLine(cr, lines[1], style, 0, 0.58 * size + 14);
    cairo_restore(cr);
}

void Invitation(cairo_t* cr) {
    const double centreX = 414, width = 168;
    TextStyle style;
    style.weight = Weight::Bold;
    style.size = 24;
    style.fill = kBlack;
    style.outlineWidth = 3;
    style.outline = {226, 248, 200};
    style.outlineAlpha = 0.85;
    const char* lines[] = {"Try Your", "Lucky Numbers", "NOW", "and Make", "a FORTUNE!"};
    double size = style.size;
    for (const char* line : lines)
        size = std::min(size, FitSize(cr, line, style, width));
    style.size = size;
    double baseline = 40;
    for (const char* line : lines) {
        CentredLine(cr, line, style, centreX, baseline);
        baseline += size * 1.22;
    }
    style.italic = true;
    style.size = size * 1.1;
    CentredLine(cr, "Good Luck!", style, centreX, baseline + 8);
}

void Disclaimer(cairo_t* cr) {
    const double top = 211, bottom = 247, left = 14, right = kBannerWidth - 14;
    // A pale strip so that the small print reads on the speckle.
    const double r = 6;
    cairo_new_path(cr);
    cairo_arc(cr, left + r, top + r, r, kPi, 1.5 * kPi);
    cairo_arc(cr, right - r, top + r, r, 1.5 * kPi, 2 * kPi);
    cairo_arc(cr, right - r, bottom - r, r, 0, 0.5 * kPi);
    cairo_arc(cr, left + r, bottom - r, r, 0.5 * kPi, kPi);
    cairo_close_path(cr);
    SetColour(cr, {236, 246, 214}, 0.9);
    cairo_fill(cr);

    TextStyle style;
    style.weight = Weight::Book;
    style.size = 11;
    style.fill = kBlack;
    const char* lines[] = {
        "This game is for entertainment only. No guarantee, expressed or implied, is given",
        "that using the numbers it generates will result in gambling success."};
    double size = style.size;
    for (const char* line : lines)
        size = std::min(size, FitSize(cr, line, style, right - left - 12));
    style.size = size;
    CentredLine(cr, lines[0], style, kBannerWidth / 2.0, top + 15);
    CentredLine(cr, lines[1], style, kBannerWidth / 2.0, top + 29);
}

void Confetti(cairo_t* cr) {
    struct Dot {
        double x, y, r;
        Rgb colour;
    };
    const Dot dots[] = {
        {186, 22, 4.5, {230, 40, 40}},   {232, 44, 3.5, {40, 90, 230}},
        {288, 18, 4.0, {255, 150, 0}},   {312, 48, 3.0, {200, 40, 200}},
        {196, 176, 4.0, {40, 90, 230}},  {246, 192, 3.5, {255, 230, 0}},
        {290, 166, 4.5, {230, 40, 40}},  {316, 196, 3.0, {0, 200, 220}},
        {178, 150, 3.0, {200, 40, 200}}, {494, 200, 3.5, {0, 200, 220}},
        {334, 198, 3.0, {255, 150, 0}},  {10, 10, 3.5, {255, 150, 0}},
        {166, 204, 3.5, {0, 200, 220}},  {318, 110, 3.0, {255, 230, 0}},
        {10, 200, 3.0, {230, 40, 40}},   {496, 10, 3.0, {200, 40, 200}},
    };
    for (const Dot& d : dots) {
        Ellipse(cr, d.x, d.y, d.r, d.r);
        SetColour(cr, d.colour);
        cairo_fill(cr);
    }
}

} // namespace

IndexedImage PaintBanner() {
    Speckle ground = FeltSpeckle();
    ground.seed = 0xBA77'E004;
    Canvas canvas(CAIRO_FORMAT_RGB24, kBannerWidth, kBannerHeight);
    canvas.Put(SpeckleImage(kBannerWidth, kBannerHeight, ground));
    cairo_t* cr = canvas.cr();
    Confetti(cr);
    Oval(cr);
    Face(cr);
    Cheer(cr);
    Invitation(cr);
    Disclaimer(cr);

    // Keep the ground's shades, black and white exact; the antialiased edges
    // share the rest of the 256 entries.
    std::vector<Rgb> reserved = ground.shades;
    reserved.push_back(kBlack);
    reserved.push_back(kWhite);
    return Quantise(canvas.ToRgb(), 256, 8, reserved);
}

} // namespace artgen
