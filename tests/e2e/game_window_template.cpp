#include "game_window_template.h"

#include "fw/common/dlg_template.h"
#include "res/resource.h"

namespace e2e {

namespace {

// Units to pixels with halves rounded up: 2 px across, 17/8 px down.
int horizontalPixels(int units) {
    return units * 2;
}
int verticalPixels(int units) {
    return (units * 17 + 4) / 8;
}

GameWindowTemplate readTemplate(const std::string& gameExe) {
    GameWindowTemplate result;
    HMODULE game = LoadLibraryExA(gameExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!game)
        return result;
    HRSRC found = FindResourceA(game, MAKEINTRESOURCEA(IDD_WHEELS), RT_DIALOG);
    HGLOBAL data = found ? LoadResource(game, found) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    DlgTemplate parsed;
    if (bytes &&
        ParseDlgTemplate(static_cast<const uint8_t*>(bytes), SizeofResource(game, found), parsed)) {
        result.loaded = true;
        result.width = parsed.cx;
        result.height = parsed.cy;
        int number = 0;
        for (const DlgItemTemplate& item : parsed.items)
            result.controls.push_back({++number, item.id, item.className, item.text,
                                       item.textOrdinal >= 0, item.x, item.y, item.cx, item.cy});
    }
    FreeLibrary(game);
    return result;
}

} // namespace

const GameWindowTemplate& gameWindowTemplate(const std::string& gameExe) {
    static const GameWindowTemplate tpl = readTemplate(gameExe);
    return tpl;
}

RECT pixelRect(const TemplateControl& control) {
    const int left = horizontalPixels(control.x);
    const int top = verticalPixels(control.y);
    return {left, top, left + horizontalPixels(control.width),
            top + verticalPixels(control.height)};
}

SIZE pixelSize(int widthUnits, int heightUnits) {
    return {horizontalPixels(widthUnits), verticalPixels(heightUnits)};
}

} // namespace e2e
