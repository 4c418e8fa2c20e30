#include "system_menu.h"

#include "game_process.h"
#include "menu_probe/menu_probe.h"

namespace e2e {

namespace {

constexpr DWORD kProbeTimeoutMs = 5000;

std::string probeDllPath() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + "menu_probe.dll";
}

bool probe(HWND window, MenuProbeBlock* block, std::string* error) {
    HMODULE dll = LoadLibraryA(probeDllPath().c_str());
    if (!dll) {
        *error = "cannot load " + probeDllPath();
        return false;
    }
    // Through void*, since FARPROC and HOOKPROC differ in their arguments.
    auto hook =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, kProbeHookName)));
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    HHOOK handle = hook ? SetWindowsHookExA(WH_GETMESSAGE, hook, dll, thread) : nullptr;
    bool answered = false;
    if (!handle) {
        *error = "cannot hook the game's thread";
    } else {
        PostMessageA(window, RegisterWindowMessageA(kProbeMessage), 0, 0);
        answered = waitUntil([&] { return block->ready != 0; }, kProbeTimeoutMs);
        if (!answered)
            *error = "the game did not answer the menu probe";
        UnhookWindowsHookEx(handle);
    }
    FreeLibrary(dll);
    return answered;
}

} // namespace

bool readSystemMenu(HWND window, std::vector<MenuItem>* items, std::string* error) {
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(MenuProbeBlock), kProbeBlockName);
    if (!mapping) {
        *error = "cannot create the shared block";
        return false;
    }
    auto* block = static_cast<MenuProbeBlock*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(MenuProbeBlock)));
    bool ok = false;
    if (block) {
        ZeroMemory(block, sizeof *block);
        ok = probe(window, block, error);
        if (ok && !block->hasMenu) {
            *error = "the window has no system menu";
            ok = false;
        }
        for (int i = 0; ok && i < block->count; ++i) {
            const MenuProbeItem& item = block->items[i];
            items->push_back({item.id, (item.type & MFT_SEPARATOR) != 0, item.text});
        }
        UnmapViewOfFile(block);
    }
    CloseHandle(mapping);
    return ok;
}

} // namespace e2e
