// Writes what the end-to-end tests expect to see, read from the very
// resources the game is built from (the .res the host tree compiles):
//   layout.tsv  the game window as the intended layout (the table the
//               resource and Windows end-to-end tests hold the game to), the
//               About box and the end-of-game dialog as their templates have
//               them: each control's id, class, style, pixel rectangle, text;
//   rules.tsv   the tables that drive the game: each wheel's controls, the
//               ranges of each game type, the frame delays of each level;
//               and the win as the tests intend it: the pause before the
//               banner, and its stations;
//   art.tsv     each picture the player must recognise, with the raw RGB
//               file (rows top first) beside it: the number tiles of both
//               kinds of wheel, the felt and the win banner.
// The layout table, the template walker, the tile numbering and the bitmap
// decoder are the ones the game, the art generator and the other tests use.
#include "fw/common/dib.h"
#include "fw/common/dlg_template.h"
#include "fw/common/res_file.h"
#include "game/wheel_table.h"
#include "gfx/tile_ids.h"
#include "res/resource.h"
#include "tests/common/game_window_layout.h"
#include "tests/common/win_banner.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kBannerRows = 252; // the banner bitmap's last row is never drawn

// Tabs and line breaks cannot occur in a cell.
std::string cell(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

// dialog <name> <width> <height>, then for each control
// control <dialog> <id> <class> <style> <x> <y> <width> <height> <text>, in
// pixels at the game's fixed scale, halves up: 2 px a dialog unit across,
// 17/8 px down; a position and a size each on their own, as a dialog
// template is laid out (a wheel, 34 units high, is 72 px).
void writeDialog(std::ofstream& out, const char* name, const DlgTemplate& dlg) {
    const auto down = [](int units) { return (units * 17 + 4) / 8; };
    out << "dialog\t" << name << '\t' << 2 * dlg.cx << '\t' << down(dlg.cy) << '\n';
    for (const DlgItemTemplate& c : dlg.items)
        out << "control\t" << name << '\t' << c.id << '\t' << c.className << '\t' << c.style << '\t'
            << 2 * c.x << '\t' << down(c.y) << '\t' << 2 * c.cx << '\t' << down(c.cy) << '\t'
            << cell(c.text) << '\n';
}

bool writeTemplate(const ResourceList& res, int id, const char* name, std::ofstream& out) {
    const ResourceEntry* entry = FindResource(res, kRtDialog, id);
    DlgTemplate dlg;
    if (!entry || !ParseDlgTemplate(entry->data.data(), entry->data.size(), dlg))
        return false;
    writeDialog(out, name, dlg);
    return true;
}

void writeGameWindow(std::ofstream& out) {
    using namespace expected_layout;
    DlgTemplate dlg;
    dlg.cx = kGameWindowWidth;
    dlg.cy = kGameWindowHeight;
    for (const Control& c : kGameWindow) {
        DlgItemTemplate item;
        item.id = c.id;
        item.className = c.cls;
        item.style = c.style;
        item.x = c.x, item.y = c.y, item.cx = c.cx, item.cy = c.cy;
        item.text = c.text;
        dlg.items.push_back(item);
    }
    writeDialog(out, "game", dlg);
}

bool writePicture(const ResourceList& res, int id, int maxRows, const std::string& dir,
                  const std::string& name, std::ofstream& index) {
    const ResourceEntry* entry = FindResource(res, kRtBitmap, id);
    DibPixels picture;
    if (!entry || !DecodeDib(entry->data.data(), entry->data.size(), false, picture))
        return false;
    const int rows = std::min(picture.height, maxRows);
    std::ofstream raw(dir + "/" + name + ".rgb", std::ios::binary);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t pixel = picture.pixels[size_t(y * picture.width + x)];
            const char rgb[3] = {char(pixel >> 16), char(pixel >> 8), char(pixel)};
            raw.write(rgb, 3);
        }
    index << name << '\t' << picture.width << '\t' << rows << '\n';
    return bool(raw);
}

void writeRules(std::ofstream& out) {
    for (const WheelControls& wheel : kWheels)
        out << "wheel\t" << wheel.luckyBox << '\t' << wheel.spin << '\t' << wheel.stop << '\t'
            << wheel.picture << '\n';
    for (const GameTypeRanges& type : kGameTypes)
        out << "type\t" << type.mainMax << '\t' << type.bonusMax << '\n';
    for (const auto& delays : kLevelDelays) {
        out << "delays";
        for (int delay : delays)
            out << '\t' << delay;
        out << '\n';
    }
    out << "pause\t" << expected_win::kPauseMs << '\n';
    for (const expected_win::Station& station : expected_win::kStations)
        out << "station\t" << station.x << '\t' << station.y << '\t' << station.restMs << '\n';
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    ResourceList res;
    if (!ReadResFile(QUINTARO_RES_FILE, res)) {
        std::fprintf(stderr, "cannot read %s\n", QUINTARO_RES_FILE);
        return 1;
    }
    std::ofstream layout(dir + "/layout.tsv"), rules(dir + "/rules.tsv"), art(dir + "/art.tsv");
    writeGameWindow(layout);
    bool ok = writeTemplate(res, IDD_ABOUTBOX, "about", layout) &&
              writeTemplate(res, IDD_PLAYAGAIN, "end", layout);
    writeRules(rules);
    int highestMain = 0, highestBonus = 0;
    for (const GameTypeRanges& type : kGameTypes) {
        highestMain = std::max(highestMain, type.mainMax);
        highestBonus = std::max(highestBonus, type.bonusMax);
    }
    for (int n = 0; n <= highestMain && ok; ++n)
        ok = writePicture(res, n ? MainTileId(n) : IDB_MAIN_BLANK, 72, dir,
                          "main_" + std::to_string(n), art);
    for (int n = 0; n <= highestBonus && ok; ++n)
        ok = writePicture(res, n ? BonusTileId(n) : IDB_BONUS_BLANK, 72, dir,
                          "bonus_" + std::to_string(n), art);
    ok = ok && writePicture(res, IDB_FELT, 1 << 20, dir, "felt", art) &&
         writePicture(res, IDB_BANNER, kBannerRows, dir, "banner", art);
    if (!ok || !layout || !rules || !art) {
        std::fprintf(stderr, "cannot write the fixtures into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
