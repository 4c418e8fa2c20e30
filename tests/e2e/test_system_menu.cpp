// The game window's system menu: the game adds its About item after a
// separator and takes the Move command away. Wine puts items of its own in
// the menu, so items are found by command, not by position.
#include "game_session.h"
#include "system_menu.h"
#include "test_runner.h"
#include "res/resource.h"

using namespace e2e;

E2E_TEST("window.system_menu") {
    HWND window = sharedGame(t);
    if (!window)
        return;
    std::vector<MenuItem> items;
    std::string error;
    if (!t.check(readSystemMenu(window, &items, &error), error))
        return;
    std::string listing;
    for (const MenuItem& item : items)
        listing += item.separator ? "[-] " : "[" + std::to_string(item.id) + " " + item.text + "] ";

    size_t about = items.size();
    for (size_t i = 0; i < items.size(); ++i) {
        t.checkf(items[i].id != SC_MOVE || items[i].separator, "the menu offers Move: %s",
                 listing.c_str());
        if (!items[i].separator && items[i].id == IDM_ABOUTBOX)
            about = i;
    }
    if (!t.checkf(about < items.size(), "no About command in the menu: %s", listing.c_str()))
        return;
    t.checkf(items[about].text == "&About Rolento...", "About item reads \"%s\"",
             items[about].text.c_str());
    t.checkf(about > 0 && items[about - 1].separator, "no separator before the About item: %s",
             listing.c_str());
}
